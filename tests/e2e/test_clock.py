"""The program's own clock, faked: a one-minute countdown started before New York's clocks go
back an hour powers off after one real minute, its line counting seconds straight through the
change; in the second pass of the repeated hour a time later in that hour counts to its second
showing, holding the system awake with a wake armed; a clock set two hours past the moment brings
up the alert instead of switching off, and the alert's Stop cancels it."""
import calendar
import re
import time

from harness import fake_clock

ALERT = (332, 264, 360, 240)
# 2:00 EDT on 7 November 2027, when New York's clocks go back to 1:00 EST.
NEW_YORK_CLOCKS_GO_BACK = calendar.timegm((2027, 11, 7, 6, 0, 0))


def countdown_line(probe):
    line = probe.one(cls="Morvane.Label", visible=True, where=lambda w: w["text"].startswith("Shutdown after ")
                     and "/ at" not in w["text"])
    return line and line["text"]


def test_after_mode_counts_real_time_across_the_autumn_change(morvane):
    # The clocks go back 40 s from now: time enough for the program to start and count before it,
    # also on a busy machine.
    (clock := morvane.folder / "clock-offset").write_text(f"{NEW_YORK_CLOCKS_GO_BACK - 40 - int(time.time()):+d}")
    started = time.monotonic()
    run = morvane.start("00:01", relay=True, env=fake_clock(clock, tz="America/New_York"))
    morvane.wait("the countdown line", lambda: countdown_line(morvane.probe))
    counting = time.monotonic()
    assert counting - started < 40, "the countdown started only after the clocks went back"
    # A duration: the clocks have gone back, and the countdown has run 25 s (timed from when its
    # line showed, not from the launch, which a busy machine makes slow).
    time.sleep(max(0.0, started + 45 - time.monotonic(), counting + 25 - time.monotonic()))
    # On the wall clock the moment is an hour away now; in real time it is still under a minute.
    line = countdown_line(morvane.probe)
    assert re.fullmatch(r"Shutdown after (\d+) seconds\.", line or "") and int(line.split()[2]) < 40, line
    run.wait_exit(60)
    assert time.monotonic() - started >= 45, "the program ended before its minute was over"
    assert run.relay_calls()[-1:] == ["Call user32.ExitWindowsEx(0000000d,80000000)"], run.relay_calls()


def test_in_the_repeated_hour_a_later_time_counts_to_its_second_showing(morvane):
    # 1:10 EST, the second time New York's clocks read 1:10 that night.
    (clock := morvane.folder / "clock-offset").write_text(f"{NEW_YORK_CLOCKS_GO_BACK + 600 - int(time.time()):+d}")
    run = morvane.start("01:50:00", relay=True, env=fake_clock(clock, tz="America/New_York"))
    line = morvane.wait("the countdown line", lambda: countdown_line(morvane.probe))
    counting = time.monotonic()
    assert line in ("Shutdown after 39 minutes.", "Shutdown after 40 minutes."), line
    # A duration, timed from the countdown's first line: an alert for the first showing, an hour
    # ago, would be up within 15 s and the power-off requested by 20.
    time.sleep(max(0.0, counting + 20 - time.monotonic()))
    assert ALERT not in morvane.display.geometries()
    assert run.running() and not any("ExitWindowsEx" in call for call in run.relay_calls())
    # Held awake (ES_CONTINUOUS | ES_SYSTEM_REQUIRED), and a wake armed with the resume flag set.
    holds = run.relay_calls(("SetThreadExecutionState", "SetWaitableTimer"))
    assert "Call kernel32.SetThreadExecutionState(80000001)" in holds, holds
    assert any(re.fullmatch(r"Call kernel32\.SetWaitableTimer\((?:[0-9a-f]+,){5}00000001\)", c) for c in holds), holds


def test_a_clock_set_past_the_moment_brings_up_the_alert_and_its_stop_cancels(morvane):
    (clock := morvane.folder / "clock-offset").write_text("+0")
    run = morvane.start("00:05", relay=True, env=fake_clock(clock))
    probe = morvane.probe
    morvane.wait("the countdown line", lambda: countdown_line(probe), 10)
    clock.write_text("+7200")  # two hours forward: the moment lies long past
    morvane.wait("the alert after the clock's jump", lambda: ALERT in morvane.display.geometries(), 10)
    # One look at the alert: with the full count running, there is no time for many.
    controls = {w["text"]: w for w in probe.alert()["children"] if w["visible"]}
    assert run.running() and not any("ExitWindowsEx" in call for call in run.relay_calls()), "switched off at the jump"
    assert any(text.isdigit() and int(text) <= 15 for text in controls), controls.keys()

    morvane.display.click_on(controls["Stop"])
    morvane.wait("the alert closed by its Stop", lambda: ALERT not in morvane.display.geometries(), 5)
    morvane.wait("the bar's Start back", lambda: probe.one(cls="Morvane.xpcmdbutton", text="Start"), 5)
    time.sleep(20)  # a duration: longer than the alert's 15 s
    assert run.running()
    assert not any("ExitWindowsEx" in call for call in run.relay_calls())
    assert probe.alert() is None
