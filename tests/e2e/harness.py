"""morvane.exe under Wine in a private Xvfb display and a private copy of the cached Wine prefix,
driven with xdotool and read through probe.exe, screen pixels and the relay trace."""
import ctypes
import json
import os
import re
import shutil
import signal
import subprocess
import time
from pathlib import Path

from wineprefix import BUILD, HERE, QUIET, WINE_ENV, copy_prefix, log, stop_prefix

# The default deadline of a wait: a Wine start took over 15 s with other test modules and builds beside it.
TIMEOUT = float(os.environ.get("E2E_TIMEOUT", 30))
POLL = 0.1  # never faster: a flood of short-lived X clients makes Wine starts fail
LIBFAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
RELAY_CALL = re.compile(r"^(?:[0-9a-f]+:)*Call (\w+)\.(\w+)(\(.*\)) ret=[0-9a-f]+\r?$", re.I | re.M)
SHUTDOWN_CALLS = ("ExitWindowsEx", "OpenProcessToken", "LookupPrivilegeValueA", "LookupPrivilegeValueW",
                  "AdjustTokenPrivileges", "GetVersionExA", "GetVersionExW")
_LIBC = ctypes.CDLL(None)


def built(variable, name):
    if not (path := Path(os.environ.get(variable) or BUILD / name)).is_file():
        raise RuntimeError(f"{path} not found: build the windows preset or set {variable}")
    return path


def spawn(cmd, env, out=subprocess.DEVNULL, err=subprocess.DEVNULL, **kw):
    # PR_SET_PDEATHSIG: should pytest be killed outright (a ctest timeout), the child goes too.
    return subprocess.Popen([str(c) for c in cmd], env=env, stdin=subprocess.DEVNULL, stdout=out, stderr=err,
                            preexec_fn=lambda: _LIBC.prctl(1, signal.SIGKILL), **kw)


def end(proc):
    """Ends a process started here: SIGTERM, and SIGKILL if it is still there 10 s later."""
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def wait_until(what, check, timeout=TIMEOUT, seen=lambda: ""):
    """check() every 100 ms until it gives something truthy, which it returns; fails with what and seen()."""
    deadline = time.monotonic() + timeout
    while not (got := check()):
        if time.monotonic() > deadline:
            raise AssertionError(f"{what() if callable(what) else what} (waited {timeout:g} s)\n{seen()}")
        time.sleep(POLL)
    return got


def fake_clock(offset_file, tz="UTC"):
    """Environment for a clock of the program's own: offset_file's seconds ("+3600", "-90"), read every second."""
    return {"LD_PRELOAD": LIBFAKETIME, "TZ": tz, "FAKETIME_TIMESTAMP_FILE": str(offset_file),
            "FAKETIME_CACHE_DURATION": "1", "FAKETIME_DONT_FAKE_MONOTONIC": "1"}  # Wine's timers run on it


class ProbeError(RuntimeError):
    """probe.exe itself failed. Never raised for a window that is simply not there."""


def _window(w, top=None):
    w = dict(w, rect=tuple(w["rect"][k] for k in "xywh"), is_top=top is None, top=top or w["hwnd"])
    if "sel" in w:
        w["sel"] = (w["sel"]["start"], w["sel"]["end"])
    if top is None:
        w["children"] = [_window(c, w["hwnd"]) for c in w["children"]]
    return w


def describe(tops):
    """The program's windows and all visible ones, with their controls, one a line."""
    return "\n".join(f"{'' if w['is_top'] else '    '}{w['class']} {w['text']!r} {w['rect']}"
                     + "".join(f" {k}" for k in ("visible", "focused", "topmost") if w[k]) + " disabled" * (not w["enabled"])
                     for t in tops if t["visible"] or t["class"].startswith("Morvane") for w in (t, *t["children"]))


class Probe:
    """probe.exe's view of the desktop. windows() gives the top-level windows as dicts: hwnd, class,
    text, rect (x, y, w, h), visible, enabled, topmost, focused, style, exstyle, pid (the Windows
    one), tid, top (the top-level window's hwnd); top-level ones also owner, active, foreground and
    children; controls parent and id; edit controls sel (start, end)."""

    def __init__(self, run):
        self._run = run  # runs probe.exe with the arguments given: (status, stdout, stderr)
        self.last = None  # the windows seen by the last look

    def _json(self, *args):
        for attempt in (1, 2):
            status, out, err = self._run(*args)
            try:
                if status == 0:
                    return json.loads(out)
            except ValueError:
                status = "0 and no JSON"
            log(f"probe {' '.join(args)} attempt {attempt}: status {status}, {err!r}")
            time.sleep(0.2)
        raise ProbeError(f"probe.exe {' '.join(args)} failed twice (status {status}): {err!r}")

    def windows(self):
        self.last = [_window(t) for t in self._json()["windows"]]
        return self.last

    def find(self, within=None, top=None, where=None, **match):
        """Windows and controls whose fields equal match (cls= for class): top-level ones (top=True),
        controls (top=False), the controls of one window (within=), those for which where(w) holds."""
        match = {("class" if k == "cls" else k): v for k, v in match.items()}
        return [w for t in self.windows() for w in (t, *t["children"])
                if (top is None or w["is_top"] == top) and (within is None or not w["is_top"] and w["top"] == within["hwnd"])
                and (where is None or where(w)) and all(w.get(k) == v for k, v in match.items())]

    def one(self, **kw):
        return next(iter(self.find(**kw)), None)

    def program_windows(self, *sizes, text=None):
        """The program's visible top-level windows of those sizes, with a visible control showing text."""
        return [w for w in self.find(top=True, cls="Morvane.Window", visible=True, where=lambda w: w["rect"][2:] in sizes)
                if text is None or any(c["text"] == text and c["visible"] for c in w["children"])]

    def bar(self):  # open (255 x 43) or folded (255 x 1)
        return next(iter(self.program_windows((255, 43), (255, 1))), None)

    def dialogs(self, text=None):  # 238 x 122 with the border
        return self.program_windows((238, 122), text=text)

    def dialog(self, text=None):
        return next(iter(self.dialogs(text)), None)

    def alert(self):
        return next(iter(self.program_windows((360, 240))), None)

    def dpi_changed(self, hwnd, dpi):
        """Sends the top-level window the WM_DPICHANGED of its screen going to dpi, as Windows does (Wine never does)."""
        if not self._json("--dpi-changed", hwnd, str(dpi))["answered"]:
            raise ProbeError(f"probe.exe could not send WM_DPICHANGED to {hwnd}")

    def power(self, event):
        """Sends every top-level window WM_POWERBROADCAST with event, as Windows does on a resume:
        18 (PBT_APMRESUMEAUTOMATIC) on every one, then 7 (PBT_APMRESUMESUSPEND) when a person woke it."""
        return self._json("--power", str(event))["sent"]

    def foreground(self, hwnd):
        """Activates the top-level window from another process, as the task switcher does (not a click)."""
        return self._json("--foreground", hwnd)["foreground"]

    def click_on_show(self, title, x, y):
        """Waits for the window titled title and clicks at (x, y) the moment it shows: {"clicked", "lateMs"}."""
        return self._json("--click-on-show", title, str(x), str(y))

    def gdi_objects(self, pid):
        """GDI objects held by the Windows process pid, stock objects included, as {type byte: count}."""
        if (answer := self._json("--gdi", str(pid)))["gdi"] < 0:
            raise ProbeError(f"probe.exe could not read the GDI handle table of process {pid}")
        return {int(kind): n for kind, n in answer["types"].items()}


class Display:
    """A private Xvfb screen of 1024 x 768 (from -displayfd: other displays may be in use)."""

    def __init__(self, folder):
        with open(folder / "display", "wb") as number, open(folder / "xvfb.log", "wb") as xlog:
            self.proc = spawn(["Xvfb", "-displayfd", number.fileno(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                               "-noreset"], None, xlog, subprocess.STDOUT, pass_fds=(number.fileno(),))
        try:
            number = wait_until("Xvfb's display", lambda: re.fullmatch(r"\d+\n", (folder / "display").read_text()), 20)
        except AssertionError:
            end(self.proc)
            raise RuntimeError(f"Xvfb reported no display; see {folder / 'xvfb.log'}") from None
        self.env = {**os.environ, "DISPLAY": ":" + number[0].strip()}

    def xdo(self, *args, tries=1):
        for _ in range(tries):  # a search that finds nothing fails without a word: not an error
            r = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, text=True, timeout=60)
            if not (r.returncode and r.stderr.strip()):
                return r.stdout
        raise RuntimeError(f"xdotool {' '.join(map(str, args))}: {r.stderr.strip()}")

    # Without a window manager the keyboard goes to the window under the pointer.
    def move(self, x, y): self.xdo("mousemove", x, y)
    def click(self, x, y, button=1): self.xdo("mousemove", x, y, "click", button)
    def double_click(self): self.xdo("click", "--repeat", 2, "--delay", 100, 1)  # where the pointer is
    def press(self, button=1): self.xdo("mousedown", button)
    def release(self, button=1): self.xdo("mouseup", button)
    def type(self, text): self.xdo("type", "--delay", 40, "--", text)
    def key(self, *names): self.xdo("key", "--delay", 40, "--", *names)
    def focus(self, xid): self.xdo("windowfocus", xid)
    def click_on(self, w): self.click(w["rect"][0] + w["rect"][2] // 2, w["rect"][1] + w["rect"][3] // 2)

    def windows(self):
        """{X id: (x, y, w, h)} of the program's visible windows; asked again if one went meanwhile."""
        out = self.xdo("search", "--onlyvisible", "--class", "morvane", "getwindowgeometry", "--shell", "%@", tries=3)
        return {int(m[0]): tuple(map(int, m[1:]))
                for m in re.findall(r"WINDOW=(\d+)\s+X=(-?\d+)\s+Y=(-?\d+)\s+WIDTH=(\d+)\s+HEIGHT=(\d+)", out)}

    def geometries(self):
        return sorted(self.windows().values())

    def search(self, title):  # the X id of a visible top-level window titled exactly title, or None
        # Asked again if a window went while xdotool looked at it (BadWindow), as in windows().
        return next(map(int, self.xdo("search", "--onlyvisible", "--name", f"^{re.escape(title)}$", tries=3).split()), None)

    def pixels(self):
        """A screenshot, as a function of x and y that gives the pixel's "RRGGBB"."""
        rgb = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=self.env,
                             capture_output=True, check=True, timeout=60).stdout
        return lambda x, y: rgb[(y * 1024 + x) * 3:(y * 1024 + x) * 3 + 3].hex().upper()

    def save_png(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, **QUIET)


class Prefix:
    """A private prefix, morvane.exe in C:\\morvane (app_dir); its wineserver stays up 30 s after the last
    Wine process, so that later starts are warm."""

    def __init__(self, path):
        copy_prefix(path)
        self.path, self.app_dir, self.opened_file = path, path / "drive_c" / "morvane", path.parent / "opened.txt"
        self.env = {**os.environ, **WINE_ENV, "WINEPREFIX": str(path), "TZ": os.environ.get("E2E_TZ", "UTC"),
                    "LC_ALL": os.environ.get("E2E_LC_ALL", "C.UTF-8"), "PATH": f"{HERE / 'bin'}:{os.environ['PATH']}",
                    "MORVANE_E2E_OPENED": str(self.opened_file)}  # what bin/morvane-e2e-open records
        self.app_dir.mkdir()
        shutil.copy(built("MORVANE_EXE", "morvane.exe"), self.app_dir)
        subprocess.run(["wineserver", "-p30"], env=self.env, **QUIET)

    def settings_file(self, per_user=False):
        user = f"users/{os.environ.get('USER') or Path.home().name}/AppData/Local/Morvane"
        return self.path / "drive_c" / (user if per_user else "windows") / "morvane.dll"

    def set_registry(self, key, name, value):
        """Sets a value (int: REG_DWORD, else REG_SZ); a fresh wineserver gives it to the next start."""
        kind = "REG_DWORD" if isinstance(value, int) else "REG_SZ"
        subprocess.run(["wine", "reg", "add", key, "/v", name, "/t", kind, "/d", str(value), "/f"], env=self.env,
                       check=True, **QUIET)
        stop_prefix(self.path, self.env)
        subprocess.run(["wineserver", "-p30"], env=self.env, **QUIET)


class Run:
    """One start of a program: the process (the Windows one itself), stdout, stderr (relay trace)."""

    def __init__(self, proc, args, out, err):
        self.proc, self.args, self.out, self.err, self.pid, self.window = proc, args, out, err, proc.pid, None

    def running(self):
        return self.proc.poll() is None

    def wait_exit(self, timeout=TIMEOUT):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"{' '.join(self.args)} (pid {self.pid}) still runs after {timeout:g} s") from None

    def kill(self):
        end(self.proc)

    def relay_calls(self, names=SHUTDOWN_CALLS):
        """The calls of those names in order (the shutdown calls unless told), such as
        "Call user32.ExitWindowsEx(0000000d,80000000)"."""
        return [f"Call {m[1].lower()}.{m[2]}{m[3]}" for m in RELAY_CALL.finditer(self.err.read_text(errors="replace"))
                if m[2] in names]


class Morvane:
    """The program under test in its display and prefix; the session folder holds the logs."""

    def __init__(self, display, prefix, folder):
        self.display, self.prefix, self.folder, self.runs = display, prefix, folder, []
        self.env, self.probe_exe = {**prefix.env, "DISPLAY": display.env["DISPLAY"]}, built("MORVANE_PROBE", "tests/e2e/probe.exe")
        self.probe = Probe(self._run_probe)
        display.move(1000, 700)  # park the pointer: an auto-hiding bar reacts to it
        # A first Wine process starts the desktop and services, so that later starts are warm, and stays
        # for the whole test: without a program, Wine closes the desktop a second later, and a program
        # starting just then (on a busy machine, slowly) can be left on a desktop the probe does not see.
        with open(folder / "hold.err", "ab") as e:
            self.holder = spawn(["wine", self.probe_exe, "--hold"], self.env, subprocess.DEVNULL, e)
        self._run_probe()

    def _run_probe(self, *args):
        # Files, not pipes: a Wine process that the probe happens to start would hold a pipe open.
        out, err = self.folder / "probe.out", self.folder / "probe.err"
        with open(out, "wb") as o, open(err, "ab") as e:
            p = spawn(["wine", self.probe_exe, *args], self.env, o, e)
        try:
            p.wait(60)
        except subprocess.TimeoutExpired:
            end(p)
        return p.returncode, out.read_bytes(), err.read_bytes()[-300:]

    def describe(self):
        """What the probe saw last (or sees now), and what X shows."""
        try:
            tree = describe(self.probe.last if self.probe.last is not None else self.probe.windows())
        except ProbeError as e:
            tree = str(e)
        return f"windows:\n{tree or '(none)'}\nX: {self.display.geometries()}"

    def wait(self, what, check, timeout=TIMEOUT):
        """wait_until(), failing with the windows last seen."""
        self.probe.last = None
        return wait_until(what, check, timeout, self.describe)

    def launch(self, *args, relay=False, env=None, exe="morvane.exe"):
        """Starts C:\\morvane\\<exe> with args and extra environment, and returns at once."""
        n = len(self.runs) + 1
        out, err, debug = self.folder / f"run{n}.out", self.folder / f"run{n}.err", "-all,err+winediag" + ",+relay" * relay
        with open(out, "wb") as o, open(err, "wb") as e:
            proc = spawn(["wine", rf"C:\morvane\{exe}", *args], {**self.env, "WINEDEBUG": debug, **(env or {})}, o, e,
                         cwd=self.prefix.app_dir)
        self.runs.append(Run(proc, [exe, *args], out, err))
        log(f"run {n}: {exe} {' '.join(args)} (pid {proc.pid}, WINEDEBUG={debug})")
        return self.runs[-1]

    def start(self, *args, title="Morvane", **kw):
        """launch() and wait for a window titled title; tried twice, as a busy machine fails a few Wine starts."""
        for attempt in (1, 2):
            run, deadline = self.launch(*args, **kw), time.monotonic() + TIMEOUT
            while not (window := self.display.search(title)) and run.running() and time.monotonic() < deadline:
                time.sleep(POLL)
            if window := window or self.display.search(title):
                run.window = window
                return run
            log(f"start attempt {attempt}: no {title!r} window; stderr ends {run.err.read_bytes()[-400:]!r}")
            end(run.proc)
        raise AssertionError(f"{' '.join(args)}: no window titled {title!r} in two starts\n{self.describe()}")

    def save_artifacts(self, folder):
        """The screenshot, window tree, run logs (relay traces) and settings files of a failed test."""
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for f in (*self.folder.iterdir(), *self.prefix.settings_file().parent.glob("morvane.dll*")):
            if f.is_file():
                shutil.copy(f, folder)
        for f in self.prefix.settings_file(per_user=True).parent.glob("morvane.dll*"):
            shutil.copy(f, folder / f"per-user-{f.name}")
        self.display.save_png(folder / "screen.png")
        try:
            (folder / "windows.json").write_text(json.dumps(self.probe.windows(), indent=1))
            (folder / "windows.txt").write_text(describe(self.probe.last) + "\n")
        except ProbeError as e:
            (folder / "windows.txt").write_text(f"{e}\n")
        return folder
