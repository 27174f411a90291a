"""The program on screens of 150 % and 200 % (LogPixels 144 and 192): its windows at their 96-dpi
sizes scaled and rounded to the pixel, the screen read in the same units (the bar centred, the
alert and the dialog centred), the bar folding to a line and opening under the pointer by the
scaled edges, a skinned button's frame and face scaled with it, and clicks landing on the
scaled buttons. At 96 dpi the other modules check every pixel as it always was."""
import time

import pytest

from harness import fake_clock
from test_button_looks import FRAME, HOT_RING, NORMAL_FACE, near

# Per dpi, on the 1024 x 768 screen, which the program sees as 682 x 512 and 512 x 384 units.
SCREENS = {
    144: {"bar": (320, 0, 383, 65), "folded": (320, 0, 383, 2), "alert": (242, 204, 540, 360),
          "dialog": (333, 293, 356, 182), "splash": (212, 159, 600, 450),
          # Help, from the bar's corner: 50 to 101 units across, 18 down
          "help": (75, 0, 77, 27)},
    192: {"bar": (256, 0, 510, 86), "folded": (256, 0, 510, 2), "alert": (152, 144, 720, 480),
          "dialog": (274, 262, 474, 242), "splash": (112, 84, 800, 600), "help": (100, 0, 102, 36)},
}
DPIS = pytest.mark.parametrize("dpi", sorted(SCREENS), ids=lambda d: f"{d}dpi")


def at_dpi(morvane, dpi):
    morvane.prefix.set_registry(r"HKCU\Control Panel\Desktop", "LogPixels", dpi)
    return SCREENS[dpi]


def geometry(morvane, run):
    return morvane.display.windows().get(run.window)


@DPIS
def test_the_bar_folds_opens_and_its_alert_stops(morvane, dpi):
    screen = at_dpi(morvane, dpi)
    # The program's clock is offset so that the moment, the next whole minute, is 55 s away: the
    # alert comes 15 s before it, and the start and the folding and opening below must be over
    # by then, also on a busy machine, where a Wine start can take many seconds.
    now = int(time.time())
    offset = 5 - now % 60
    (clock := morvane.folder / "clock-offset").write_text(f"{offset:+d}")
    moment = now + offset + 55
    run = morvane.start(time.strftime("%Y-%m-%d", time.gmtime(moment)), time.strftime("%H:%M", time.gmtime(moment)),
                        env=fake_clock(clock))
    display, bar = morvane.display, screen["bar"]
    # The pointer parked away and a countdown running: the bar folds to its line.
    morvane.wait(f"the bar folded to {screen['folded']}", lambda: geometry(morvane, run) == screen["folded"], 5)
    display.move(bar[0] + 10, 0)
    morvane.wait(f"the bar open at {bar} under the pointer", lambda: geometry(morvane, run) == bar, 5)
    display.move(bar[0] + bar[2] - 1, bar[3] - 1)  # its last pixel, scaled: still on the bar
    time.sleep(0.6)  # a duration: three turns of the 180 ms docking poll
    assert geometry(morvane, run) == bar, "the bar folded with the pointer on its bottom right pixel"
    display.move(bar[0] + 10, bar[3] + 6)
    morvane.wait("the bar folded once the pointer is below it", lambda: geometry(morvane, run) == screen["folded"], 5)

    alert = morvane.wait("the alert", lambda: morvane.probe.one(top=True, text="Morvane Countdown", visible=True), 60)
    assert alert["rect"] == screen["alert"]
    display.click_on(morvane.probe.one(within=alert, text="Stop", visible=True))
    morvane.wait("the alert closed by its Stop", lambda: not morvane.display.search("Morvane Countdown"), 5)
    assert morvane.probe.one(cls="Morvane.xpcmdbutton", text="Start")


@DPIS
def test_the_dialog_and_a_button_look(morvane, dpi):
    screen = at_dpi(morvane, dpi)
    morvane.launch("bogus")
    dialog = morvane.wait("the message dialog", lambda: morvane.probe.one(top=True, text="Morvane Message", visible=True))
    assert dialog["rect"] == screen["dialog"]
    morvane.display.click_on(morvane.probe.one(within=dialog, text="OK", visible=True))
    morvane.wait(f"the splash at {screen['splash']}", lambda: screen["splash"] in morvane.display.geometries())
    morvane.wait("the bar alone", lambda: morvane.display.geometries() == [screen["bar"]])

    bar, help_button = screen["bar"], screen["help"]
    x, w, h = bar[0] + help_button[0], help_button[2], help_button[3]
    unit = round(dpi / 96)  # a unit is two pixels here, rounded: the frame and the band each that thick
    frame = [(x + w // 2, row) for row in range(unit)] + [(x + w - 1 - col, h // 2) for col in range(unit)] + \
            [(x + w // 2, h - 1)]
    face = [(x + 5 * unit, h // 2), (x + w - 5 * unit, h // 4)]

    def looks(spots):
        pixel = morvane.display.pixels()
        return all(any(near(pixel(px, py), c) for c in colours) for (px, py), colours in spots)

    normal = [(s, FRAME) for s in frame] + [(s, NORMAL_FACE) for s in face]
    morvane.wait(f"Help Normal at {x},0 {w} x {h}: frame {frame}, face {face}", lambda: looks(normal), 3)
    morvane.display.move(x + w - 4 * unit, h // 2)
    hot = [(s, FRAME) for s in frame] + [((x + unit + i, h // 2), HOT_RING) for i in range(unit)]
    morvane.wait("Help Hot under the pointer, its ring band scaled", lambda: looks(hot), 3)


def test_a_screen_given_another_scale_lays_the_bar_out_again(morvane):
    """The primary screen goes from 100 % to 200 % while the bar counts down: Windows sends the bar
    WM_DPICHANGED (under Wine, which has one dpi for every screen, the probe sends it as Windows would).
    The bar, its buttons and its folded line take the new size, and the pointer is read in the new units."""
    run = morvane.start("01:30")
    display, probe = morvane.display, morvane.probe
    display.move(500, 0)
    morvane.wait("the bar open at 100 %", lambda: geometry(morvane, run) == (384, 0, 255, 43), 5)
    probe.dpi_changed(probe.one(top=True, text="Morvane", visible=True)["hwnd"], 192)
    morvane.wait("the bar at 200 %", lambda: geometry(morvane, run) == (384, 0, 510, 86), 5)
    assert probe.one(cls="Morvane.xpcmdbutton", text="Help")["rect"] == (484, 0, 102, 36)
    display.move(384 + 500, 80)  # over its right half, beyond where 255 pixels would end
    time.sleep(0.6)  # a duration: three turns of the 180 ms docking poll
    assert geometry(morvane, run) == (384, 0, 510, 86), "the bar folded with the pointer on it"
    display.move(500, 120)
    morvane.wait("the bar folded to its 200 % line", lambda: geometry(morvane, run) == (384, 0, 510, 2), 5)
