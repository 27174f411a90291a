"""A countdown in the at mode: in its last 15 seconds the alert window (360 x 240, centred, topmost)
shows the seconds left, falling; its "Stop" closes it and returns the bar to idle, and the moment
then passes without a power-off. The alert's face is checked by pixel. Alt+S or Escape on the alert
stops the countdown as its "Stop" does; Alt+R, a chord other programs use, does nothing."""
import time

import pytest

from harness import fake_clock

ALERT = (332, 264, 360, 240)
# (x, y) within the alert, colour, what is there
FACE = [
    ((0, 0), "000000", "frame, top left"), ((200, 0), "000000", "frame, top"), ((0, 120), "000000", "frame, left"),
    ((359, 120), "000000", "frame, right"), ((200, 239), "000000", "frame, bottom"),
    ((359, 239), "000000", "frame, bottom right"),
    ((200, 1), "E0E0E0", "face above the title strip"), ((200, 2), "BCE18D", "title strip, first row"),
    ((200, 32), "BCE18D", "title strip, last row"), ((1, 20), "E0E0E0", "face left of the title strip"),
    ((200, 33), "E0E0E0", "face below the title strip"),
    ((100, 60), "E0E0E0", "face above the first rule"), ((100, 61), "A0A0A0", "first rule"),
    ((100, 62), "E0E0E0", "face below the first rule"),
    ((40, 170), "A0A0A0", "second rule"), ((40, 171), "E0E0E0", "face below the second rule"),
    ((50, 216), "E0E0E0", "face above the bottom strip"), ((50, 217), "BCE18D", "bottom strip, first row"),
    ((300, 237), "BCE18D", "bottom strip, last row"), ((300, 238), "E0E0E0", "face below the bottom strip"),
]


def start_a_countdown_of_half_a_minute(morvane):
    """The program's clock is offset to half past a minute, and the countdown runs to the next whole
    minute, 30 s away. Returns the run and the seconds left on the program's clock."""
    now = int(time.time())
    offset = 30 - now % 60
    (clock := morvane.folder / "clock-offset").write_text(f"{offset:+d}")
    moment = now + offset + 30
    left = lambda: moment - (time.time() + offset)  # noqa: E731
    day, minute = time.strftime("%Y-%m-%d", time.gmtime(moment)), time.strftime("%H:%M", time.gmtime(moment))
    return morvane.start(day, minute, relay=True, env=fake_clock(clock)), left


def test_the_alert_counts_the_last_seconds_and_its_stop_cancels(morvane):
    run, left = start_a_countdown_of_half_a_minute(morvane)
    probe = morvane.probe
    assert len(probe.find(cls="Morvane.xpcmdbutton", text="Stop")) == 1, "Stop once the countdown runs"
    morvane.wait("a visible countdown line", lambda: probe.one(cls="Morvane.Label", visible=True, where=lambda w: w[
        "text"] == "Shutdown computer as your wish." or w["text"].startswith("Shutdown after ") and "/ at" not in w["text"]), 10)

    morvane.wait("the alert by the shutdown moment", lambda: ALERT in morvane.display.geometries(), left() + 10)
    assert left() <= 16, "the alert showed before the last 15 seconds"
    pixel = morvane.display.pixels()
    alert = probe.alert()
    assert (alert["rect"], alert["topmost"]) == (ALERT, True)
    number = lambda: int(probe.one(within=alert, cls="Morvane.Label")["text"])  # noqa: E731
    first = number()
    assert first <= 15
    morvane.wait(f"the number on the alert falling from {first}", lambda: number() < first, 3)
    assert [f"{what}: {pixel(ALERT[0] + x, ALERT[1] + y)}, not {colour}" for (x, y), colour, what in FACE
            if pixel(ALERT[0] + x, ALERT[1] + y) != colour] == []
    buttons = probe.find(within=alert, cls="Morvane.xpcmdbutton", visible=True)
    assert sorted(w["text"] for w in buttons) == ["Run Now", "Stop"]

    morvane.display.click_on(next(w for w in buttons if w["text"] == "Stop"))
    morvane.wait("the alert closed by its Stop", lambda: ALERT not in morvane.display.geometries(), 5)
    morvane.wait("the bar's Start back", lambda: probe.one(cls="Morvane.xpcmdbutton", text="Start"), 5)
    assert probe.alert() is None
    assert probe.one(cls="Morvane.xpcmdbutton", text="Quit")["enabled"]
    labels = [w["text"] for w in probe.find(cls="Morvane.Label", visible=True) if w["text"].startswith("Shutdown ")]
    assert labels == ["Shutdown after / at  ___ : ___    ___ - ___ - _____"], "the schedule line, not the countdown line"
    assert len(probe.find(cls="Edit", visible=True)) == 5, "the at mode's fields"

    time.sleep(max(0, left()) + 3)  # a duration: the moment passes
    assert run.running()
    assert not any("ExitWindowsEx" in call for call in run.relay_calls())
    assert probe.alert() is None


@pytest.mark.parametrize("stop_key", ["alt+s", "Escape"])
def test_the_keyboard_stops_the_countdown_on_the_alert_but_never_runs_it(morvane, stop_key):
    run, left = start_a_countdown_of_half_a_minute(morvane)
    display, probe = morvane.display, morvane.probe
    morvane.wait("the alert by the shutdown moment", lambda: ALERT in display.geometries(), left() + 10)
    display.move(ALERT[0] + 30, ALERT[1] + 120)  # the keyboard goes to the window under the pointer
    display.key("alt+r")
    time.sleep(1)  # a duration: long enough for a key's command to have run
    assert ALERT in display.geometries() and run.running(), "Alt+R closed the alert"
    assert not any("ExitWindowsEx" in call for call in run.relay_calls()), "Alt+R asked for the power-off"
    display.key(stop_key)
    morvane.wait(f"the alert closed by {stop_key}", lambda: ALERT not in display.geometries(), 5)
    morvane.wait("the bar's Start back", lambda: probe.one(cls="Morvane.xpcmdbutton", text="Start"), 5)
    time.sleep(max(0, left()) + 3)  # a duration: the moment passes
    assert run.running()
    assert not any("ExitWindowsEx" in call for call in run.relay_calls())
