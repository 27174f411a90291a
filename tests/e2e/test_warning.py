"""A warning a person can act on: a person's resume after the moment is told and switches nothing
off, while a resume by the wake timer alone gives the alert its whole count and then the power-off;
a click landing as the alert comes up does nothing; a counting bar activated from another process,
as the task switcher activates it, opens, and Alt+S stops the countdown."""
import re
import time

from harness import fake_clock

ALERT = (332, 264, 360, 240)
RUN_NOW = (332 + 120, 264 + 194)  # the centre of the alert's Run Now
OPEN = (384, 0, 255, 43)
FOLDED = (384, 0, 255, 1)
RESUMED, RESUMED_BY_PERSON = 18, 7  # PBT_APMRESUMEAUTOMATIC, PBT_APMRESUMESUSPEND
ASLEEP = "beyond the time you set. The computer was asleep at that time, so it was not shut down."


def seconds_left(probe):
    line = probe.one(cls="Morvane.Label", visible=True, where=lambda w: re.fullmatch(r"Shutdown after \d+ seconds\.", w["text"]))
    return line and int(line["text"].split()[2])


def powered_off(run):
    return any("ExitWindowsEx" in call for call in run.relay_calls())


def start_a_minute(morvane):
    """A one-minute countdown on a clock the test moves; returns the run, the clock's file and the seconds left."""
    (clock := morvane.folder / "clock-offset").write_text("+0")
    run = morvane.start("00:01", relay=True, env=fake_clock(clock))
    left = morvane.wait("the countdown's seconds", lambda: seconds_left(morvane.probe), 20)
    return run, clock, left


def test_a_person_waking_the_computer_after_the_moment_is_told_and_it_stays_on(morvane):
    run, clock, _ = start_a_minute(morvane)
    # On a real machine the clock has moved on before the resume events arrive.
    clock.write_text("+7200")
    time.sleep(1.5)  # a duration: libfaketime reads the clock's offset again once a second
    assert morvane.probe.power(RESUMED) > 0
    assert morvane.probe.power(RESUMED_BY_PERSON) > 0
    told = morvane.wait("the message that the computer was asleep",
                        lambda: morvane.probe.one(where=lambda w: w["text"].endswith(ASLEEP), visible=True), 10)
    assert told["text"].startswith("The current time is "), told["text"]
    assert morvane.probe.one(cls="Morvane.xpcmdbutton", text="Start"), "the bar back to idle"
    time.sleep(20)  # a duration: longer than the alert's count
    assert run.running() and not powered_off(run)
    assert morvane.probe.alert() is None


# The clock jumps to a second past the moment: a tick then is no end in normal time, and a wake by the
# timer alone (nobody there) lets the alert count in full before the power-off.
def test_a_clock_jumped_past_the_moment_and_a_wake_by_the_timer_give_the_whole_alert(morvane):
    run, clock, left = start_a_minute(morvane)
    clock.write_text(f"+{left + 1}")
    morvane.wait("the alert after the clock's jump", lambda: ALERT in morvane.display.geometries(), 10)
    shown = time.monotonic()
    assert morvane.probe.power(RESUMED) > 0
    run.wait_exit(40)
    assert powered_off(run)
    assert time.monotonic() - shown >= 13, "the alert was cut short"


def test_a_click_landing_as_the_alert_comes_up_does_nothing(morvane):
    run, clock, left = start_a_minute(morvane)
    clock.write_text(f"+{left - 20}")  # the alert is 5 s away, in normal time
    click = morvane.probe.click_on_show("Morvane Countdown", *RUN_NOW)
    assert click["clicked"] and 0 <= click["lateMs"] < 500, click
    time.sleep(2)  # a duration: a click taken would have asked for the power-off by now
    assert run.running() and not powered_off(run)
    assert ALERT in morvane.display.geometries()
    morvane.display.click(*RUN_NOW)  # later on, Run Now works as ever
    run.wait_exit(20)
    assert powered_off(run)


def test_a_counting_bar_activated_from_another_process_opens_and_alt_s_stops_it(morvane):
    run = morvane.start("01:00")  # the pointer parked far from the bar
    display, probe = morvane.display, morvane.probe
    bar = lambda: display.windows().get(run.window)  # noqa: E731
    morvane.wait("the counting bar folded", lambda: bar() == FOLDED, 5)
    assert probe.foreground(probe.bar()["hwnd"])
    morvane.wait("the bar open once activated", lambda: bar() == OPEN, 5)
    time.sleep(1)  # a duration: the pointer far away, the bar stays open while it is active
    assert bar() == OPEN
    display.focus(run.window)  # the keys typed go to the bar's X window
    display.key("alt+s")
    morvane.wait("Start back after Alt+S", lambda: probe.one(cls="Morvane.xpcmdbutton", text="Start"), 5)
    assert run.running()
