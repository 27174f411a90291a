"""The Wine prefix of the end-to-end tests and of bench/run: made once into the cache, copied for
each session, and stopped by its own wineserver.

    python3 wineprefix.py template | copy DEST | stop PREFIX
"""
import fcntl
import hashlib
import os
import shutil
import subprocess
import sys
import time
from pathlib import Path

HERE = Path(__file__).resolve().parent
BUILD = HERE.parents[1] / "build" / "windows"
CACHE = Path(os.environ.get("MORVANE_E2E_CACHE") or BUILD / "e2e-cache")
# No Mono or Gecko prompts; no winemenubuilder writing menu entries into this machine's home.
WINE_ENV = {"WINEARCH": "win64", "WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d"}
QUIET = {"stdin": subprocess.DEVNULL, "stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL, "timeout": 60}


def log(message):
    print(f"[e2e {time.strftime('%H:%M:%S')}] {message}", file=sys.stderr, flush=True)


def stop_prefix(path, env):
    """Ends the Wine processes of that prefix alone, and removes the wineserver's socket folder (under
    /tmp/.wine-UID, or the /tmp folder that Debian's Wine names in the prefix's "wineserver")."""
    if not path.is_dir():
        return
    for arg in ("-k", "-w"):  # no pipes here: a wineserver started would hold them open
        subprocess.run(["wineserver", arg], env=env, **QUIET)
    st, named = path.stat(), path / "wineserver"
    for base in (f"/tmp/.wine-{os.getuid()}", f"/tmp/{named.read_text().strip() if named.is_file() else '.none'}"):
        if (server := Path(base, f"server-{st.st_dev:x}-{st.st_ino:x}")).is_dir() and {p.name for p in server.iterdir()} <= {"lock"}:
            shutil.rmtree(server, ignore_errors=True)


def _build_template(base, stamp):
    log(f"creating the shared Wine prefix {base} (once; about 20 s)")
    tmp = base.with_name(f"prefix.new.{os.getpid()}")
    env = {**{k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}, **WINE_ENV, "WINEPREFIX": str(tmp)}
    try:
        with open(CACHE / "prefix-build.log", "wb") as out:
            for cmd in (["wineboot", "-i"], ["wineserver", "-w"]):
                subprocess.run(cmd, env=env, stdin=subprocess.DEVNULL, stdout=out, stderr=out, check=True, timeout=300)
            for link in (tmp / "drive_c" / "users").glob("*/*"):  # plain folders, not this machine's home
                if link.is_symlink():
                    link.unlink()
                    link.mkdir()
            for font in Path("/usr/share/wine/fonts").iterdir():  # Debian's Wine does not find them otherwise
                shutil.copy(font, tmp / "drive_c" / "windows" / "Fonts")
            shutil.copy(HERE / "wine-setup.reg", tmp / "drive_c" / "e2e-setup.reg")
            for cmd in (["wine", "regedit", "/S", r"C:\e2e-setup.reg"], ["wineserver", "-w"]):
                subprocess.run(cmd, env=env, stdin=subprocess.DEVNULL, stdout=out, stderr=out, check=True, timeout=300)
        if not all(k in (tmp / "user.reg").read_text(errors="replace") for k in ("CursorBlinkRate", "RelayInclude")):
            raise RuntimeError("the settings of wine-setup.reg are missing")
    except (OSError, RuntimeError, subprocess.SubprocessError) as e:
        stop_prefix(tmp, env)
        shutil.rmtree(tmp, ignore_errors=True)
        raise RuntimeError(f"could not create the Wine prefix ({e}); see {CACHE / 'prefix-build.log'}") from e
    stop_prefix(tmp, env)
    (tmp / "drive_c" / "e2e-setup.reg").unlink()
    (tmp / ".e2e-stamp").write_text(stamp)
    shutil.rmtree(base, ignore_errors=True)
    tmp.rename(base)


def copy_prefix(dest=None):
    """A copy of the shared prefix, made first (under a lock) if missing or from another Wine or setup; with no
    dest, only the shared prefix (ctest's e2e_prefix makes it before the modules start side by side)."""
    wine = subprocess.run(["wine", "--version"], capture_output=True).stdout
    stamp = hashlib.sha256(wine + (HERE / "wine-setup.reg").read_bytes() + b"fonts-1 sandbox-1").hexdigest()[:16]
    base, stamp_file = CACHE / "prefix", CACHE / "prefix" / ".e2e-stamp"
    CACHE.mkdir(parents=True, exist_ok=True)
    with open(CACHE / "prefix.lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if not stamp_file.is_file() or stamp_file.read_text() != stamp:
            _build_template(base, stamp)
        if dest is not None:
            fcntl.flock(lock, fcntl.LOCK_SH)  # others may copy too, but nobody rebuilds meanwhile
            subprocess.run(["cp", "-a", base, dest], check=True)


if __name__ == "__main__":
    if sys.argv[1:] == ["template"]:
        copy_prefix()
        sys.exit()
    if len(sys.argv) != 3 or sys.argv[1] not in ("copy", "stop"):
        sys.exit(__doc__)
    folder = Path(sys.argv[2]).resolve()
    if sys.argv[1] == "copy":
        copy_prefix(folder)
    else:
        stop_prefix(folder, {**os.environ, **WINE_ENV, "WINEPREFIX": str(folder)})
