"""The settings file under Wine: where the Windows directory refuses it, the per-user file takes its
place and is read back, also from a user folder whose name no ANSI code page can write; a save
killed at any moment leaves the old or the new six lines, never a torn file, and the next start
leaves no temporary file of ours behind; a file of megabytes or of binary bytes leaves the program
working and is written back as six lines."""
import os
import random
import re
import shutil
import subprocess
import time

import pytest

from harness import built, log
from wineprefix import QUIET

# savestress.exe's two schedules: save N writes the first when N is even.
SCHEDULES = [b"21\r\n0\r\n1\r\n0\r\n 0 \r\n 8421504 \r\n", b"23\r\n59\r\n99\r\n59\r\n 8421504 \r\n 0 \r\n"]
KILLS = int(os.environ.get("MORVANE_KILL_LOOP_COUNT", 20))


def test_a_refused_windows_directory_sends_the_settings_to_the_per_user_file(morvane):
    # A folder in the file's place makes every write to it fail, as a protected Windows directory
    # does for a standard user (the tests run as root, whom permissions never stop).
    morvane.prefix.settings_file().mkdir(parents=True)
    per_user = morvane.prefix.settings_file(per_user=True)
    run = morvane.start("02:45")
    morvane.wait("Start's save in the per-user file", per_user.is_file)
    assert per_user.read_bytes().split(b"\r\n")[2:4] == [b"02", b"45"], "hours and minutes"
    run.kill()
    morvane.start()
    morvane.wait("the hours and minutes read back into the bar",
                 lambda: sorted(w["text"] for w in morvane.probe.find(cls="Edit", visible=True)) == ["02", "45"])


def test_a_user_folder_outside_the_ansi_code_page_keeps_the_schedule(morvane):
    name = "Zoë Ωμέγα 名前"  # Latin, Greek and Chinese: no one ANSI code page holds all three
    # Wine gives every process the profile's variables from this key, over the environment. Its
    # session start (wineboot) writes the key afresh, so it is set inside the session the fixture
    # started rather than through set_registry, which starts a new one.
    subprocess.run(["wine", "reg", "add", r"HKCU\Volatile Environment", "/v", "LOCALAPPDATA", "/t", "REG_SZ",
                    "/d", rf"C:\users\{name}\AppData\Local", "/f"], env=morvane.prefix.env, check=True, **QUIET)
    per_user = morvane.prefix.path / "drive_c" / "users" / name / "AppData" / "Local" / "Morvane" / "morvane.dll"
    per_user.parent.parent.mkdir(parents=True)
    morvane.prefix.settings_file().mkdir(parents=True)  # the Windows directory refuses the file
    run = morvane.start("02:45")
    morvane.wait(f"Start's save in {per_user}", per_user.is_file)
    assert per_user.read_bytes() == b"21\r\n0\r\n02\r\n45\r\n 0 \r\n 8421504 \r\n"
    run.kill()
    morvane.start()
    morvane.wait("the hours and minutes read back into the bar",
                 lambda: sorted(w["text"] for w in morvane.probe.find(cls="Edit", visible=True)) == ["02", "45"])


@pytest.mark.parametrize("content, written", [
    pytest.param(random.Random(5).randbytes(3 << 20), None, id="three megabytes of random bytes"),
    pytest.param(b"8" * (2 << 20), b"88\r\n0\r\n1\r\n0\r\n 0 \r\n 8421504 \r\n", id="one line of two megabytes"),
    # Both words grey would show the at mode and schedule the after mode: the at mode it is.
    pytest.param(b"22\r\n15\r\n3\r\n45\r\n 8421504 \r\n 8421504 \r\n" + bytes(range(256)) * 4096,
                 b"22\r\n15\r\n3\r\n45\r\n 8421504 \r\n 0 \r\n", id="six lines then a megabyte of every byte"),
])
def test_a_huge_or_binary_file_leaves_the_program_working(morvane, content, written):
    settings = morvane.prefix.settings_file()
    settings.write_bytes(content)
    run = morvane.start()
    quit_button = morvane.wait("the bar's Quit", lambda: morvane.probe.one(cls="Morvane.xpcmdbutton", text="Quit",
                                                                           visible=True, enabled=True))
    assert all(len(w["text"]) <= 4 for w in morvane.probe.find(cls="Edit")), "no field longer than its limit"
    morvane.display.click_on(quit_button)
    run.wait_exit()
    saved = settings.read_bytes()
    lines = saved.split(b"\r\n")
    assert len(lines) == 7 and lines[6] == b"" and not any(re.search(rb"[\r\n]", line) for line in lines), saved[:200]
    assert (int(lines[4]) == 0) != (int(lines[5]) == 0), f"the colours select one mode: {lines[4:6]}"
    if written is not None:
        assert saved == written
    assert not list(settings.parent.glob("morvane.dll.*new")), "Quit's save left its temporary file"


def test_a_save_killed_midway_leaves_the_old_or_the_new_file(morvane):
    shutil.copy(built("MORVANE_SAVESTRESS", "tests/e2e/savestress.exe"), morvane.prefix.app_dir)
    settings = morvane.prefix.settings_file()
    delays = random.Random(7)
    inside_a_save = 0
    for round_ in range(KILLS):
        run = morvane.launch(exe="savestress.exe")
        morvane.wait(f"savestress saving (round {round_})", lambda: b"saved" in run.out.read_bytes(), 20)
        time.sleep(delays.uniform(0.05, 0.45))  # a duration: the kill lands at a random moment of the loop
        run.proc.kill()
        run.proc.wait()
        state, n = re.findall(rb"(saving|saved) (\d+)\r?\n", run.out.read_bytes())[-1]
        n = int(n)  # at least one save was over before the kill: a save in progress has one before it
        inside_a_save += state == b"saving"
        whole = [SCHEDULES[n % 2]] if state == b"saved" else [SCHEDULES[n % 2], SCHEDULES[(n - 1) % 2]]
        assert settings.read_bytes() in whole, f"round {round_}: killed at {state.decode()} {n}: {settings.read_bytes()!r}"
    # Most of the loop's time is spent inside a save, so most kills land there.
    assert inside_a_save >= KILLS // 2, f"only {inside_a_save} of {KILLS} kills landed inside a save"
    # The killed saves may have left their temporary files; the next start of the program clears them.
    leftovers = lambda: [p.name for p in settings.parent.iterdir() if re.fullmatch(r"morvane\.dll.*\.new|.*\.tmp", p.name)]  # noqa: E731
    log(f"{inside_a_save} of {KILLS} kills landed inside a save; temporary files left: {leftovers()}")
    morvane.start()
    morvane.wait(lambda: f"no temporary file beside the settings file after a start (left: {leftovers()})",
                 lambda: not leftovers(), 5)
