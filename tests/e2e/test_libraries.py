"""Libraries come from the system folder only: a comctl32.dll planted beside morvane.exe (a download
folder, a shared drive) is never loaded, not even when the first tooltip asks for the common controls."""
import re
import shutil

from harness import built

# The at mode: its fields carry a tooltip, and the first one the pointer reaches loads comctl32.
AT_MODE = b"21\r\n0\r\n1\r\n0\r\n 8421504 \r\n 0 \r\n"
HOUR = (490, 21, 18, 13)


def test_a_comctl32_beside_the_exe_is_never_loaded(morvane):
    planted = morvane.prefix.app_dir / "comctl32.dll"
    shutil.copy(built("MORVANE_PLANTED_DLL", "tests/e2e/planted/comctl32.dll"), planted)
    marker = planted.with_name("comctl32.dll.loaded")  # what the planted library leaves when loaded
    morvane.prefix.settings_file().write_bytes(AT_MODE)
    # Native before builtin: otherwise Wine puts its own comctl32 in place of any file of that name,
    # wherever it was found, and a program that looked beside itself would pass unseen.
    env = {"WINEDLLOVERRIDES": morvane.prefix.env["WINEDLLOVERRIDES"] + ";comctl32=n,b",
           "WINEDEBUG": "-all,err+winediag,+loaddll"}
    run = morvane.start(env=env)
    hour = morvane.wait("the at mode's hour field", lambda: morvane.probe.one(cls="Edit", visible=True, rect=HOUR))

    # The pointer comes over the field: its tooltip is registered, and the common controls load.
    x, y = hour["rect"][0] + 4, hour["rect"][1] + 4
    morvane.display.move(x, y)
    morvane.display.move(x + 2, y + 2)
    loaded = lambda: [p.replace("\\\\", "\\") for p in  # noqa: E731
                      re.findall(r'Loaded L"([^"]*comctl32\.dll)"', run.err.read_text(errors="replace"), re.I)]
    paths = morvane.wait("comctl32 loaded once the pointer is over a field with a tooltip", loaded, 10)
    assert all(p.lower() == r"c:\windows\system32\comctl32.dll" for p in paths), paths
    assert not marker.exists(), "the comctl32.dll beside the exe was loaded"
    assert run.running()
