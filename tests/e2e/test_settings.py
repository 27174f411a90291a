"""The settings file under Wine: where the Windows directory refuses it, the per-user file takes its
place and is read back; a save killed at any moment leaves the old or the new six lines, never a
torn file, and the next start leaves no temporary file of ours behind."""
import os
import random
import re
import shutil
import time

from harness import built, log

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
