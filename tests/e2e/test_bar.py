"""The bar under the real pointer and keyboard: typing a schedule into its digit fields, dragging it
along the top edge, folding it to its blinking line during a countdown, and a double-click on Stop."""
import time

OPEN = (384, 0, 255, 43)
FOLDED = (384, 0, 255, 1)
# The fields' places on the screen, the bar centred at x 384.
YEAR, MONTH, DAY = (601, 21, 30, 13), (547, 21, 18, 13), (574, 21, 18, 13)
HOUR, MINUTE = (490, 21, 18, 13), (517, 21, 18, 13)


def fields(probe):
    return {w["rect"]: w["text"] for w in probe.find(cls="Edit", visible=True)}


def test_typing_a_schedule_moves_along_the_fields_and_quit_saves_it(morvane):
    run = morvane.start()
    probe, display = morvane.probe, morvane.display
    assert not morvane.prefix.settings_file().exists()
    assert sorted(fields(probe)) == sorted([HOUR, MINUTE]), "the after mode's two fields"
    display.click_on(probe.one(cls="Morvane.Label", text="at"))
    today = morvane.wait("the five fields of the at mode", lambda: len(f := fields(probe)) == 5 and f)
    assert sorted(today) == sorted([YEAR, MONTH, DAY, HOUR, MINUTE])
    line = probe.one(cls="Morvane.Label", visible=True, where=lambda w: "Shutdown after / at" in w["text"])
    assert line["text"] == "Shutdown after / at  ___ : ___    ___ - ___ - _____"

    def focus_in(rect, text, selected=True):
        def holds():
            field = probe.one(cls="Edit", focused=True)
            return field and (field["rect"], field["text"]) == (rect, text) and (not selected or field["sel"] == (0, len(text)))
        morvane.wait(f"the focus in the field at {rect} holding {text!r}" + ", all selected" * selected, holds, 5)

    # Each full field hands the focus on to the next one, its text selected.
    display.click(616, 27)
    display.key("Home", "shift+End")
    for typed, rect, text in [("2030", MONTH, today[MONTH]), ("12", DAY, today[DAY]), ("31", HOUR, "21"), ("23", MINUTE, "0")]:
        display.type(typed)
        focus_in(rect, text)
    display.type("59")
    focus_in(MINUTE, "59", selected=False)
    # With room for one more character, letters and punctuation are dropped and a digit is taken:
    # had a letter been taken, the 9 typed after it would find the field full.
    display.key("End", "BackSpace")
    focus_in(MINUTE, "5", selected=False)
    display.type("xA-9")
    focus_in(MINUTE, "59", selected=False)
    assert fields(probe) == {YEAR: "2030", MONTH: "12", DAY: "31", HOUR: "23", MINUTE: "59"}
    # Quit saves the typed hour and minute and the at mode ("after" grey, "at" black), and ends.
    display.click_on(probe.one(cls="Morvane.xpcmdbutton", text="Quit"))
    run.wait_exit()
    assert morvane.prefix.settings_file().read_bytes() == b"23\r\n59\r\n1\r\n0\r\n 8421504 \r\n 0 \r\n"


def drag(display, grab, drop):
    # A user's gesture, paced so that Wine sees each step: the button goes down, a first move of one
    # pixel starts the system's move loop, which then follows the pointer from where it is.
    display.move(*grab)
    time.sleep(0.3)
    display.press()
    time.sleep(0.3)
    display.move(grab[0], grab[1] + 1)
    time.sleep(0.3)
    for i in range(1, 9):
        display.move(grab[0] + (drop[0] - grab[0]) * i // 8, grab[1] + (drop[1] - grab[1]) * i // 8)
        time.sleep(0.1)
    time.sleep(0.3)
    display.release()


DRAGS = [  # where it is dropped, grabbed at 250,40 in the bar; where its left edge may end
    ((1020, 40), (769, 769), "to the far right: flush with the right edge (1024 - 255)"),
    ((1019, 300), (769, 769), "downwards: back at the top edge"),
    ((719, 200), (467, 471), "300 px left and lower: it follows sideways (give or take the first move's pixel)"),
    ((3, 40), (0, 0), "to the far left: flush with the left edge"),
]


def test_dragging_the_bar_keeps_it_at_the_top_edge_within_the_screen(morvane):
    run = morvane.start()
    bar = lambda: morvane.display.windows().get(run.window)  # noqa: E731
    morvane.wait("the bar at 384,0", lambda: bar() == OPEN, 10)
    on_grab_spot = morvane.probe.find(within=morvane.probe.bar(), visible=True, where=lambda w: w["rect"][0] <= 634
                                      < w["rect"][0] + w["rect"][2] and w["rect"][1] <= 40 < w["rect"][1] + w["rect"][3])
    assert on_grab_spot == [], "controls under the grab spot"
    for drop, (low, high), what in DRAGS:
        drag(morvane.display, (bar()[0] + 250, 40), drop)
        morvane.wait(lambda: f"after a drag {what}: the bar at {low}..{high},0, not at {bar()}",
                     lambda: low <= bar()[0] <= high and bar()[1:] == (0, 255, 43), 3)
    assert morvane.probe.bar()["rect"] == (0, 0, 255, 43)
    assert morvane.probe.one(cls="Morvane.xpcmdbutton", text="Start")["rect"] == (0, 0, 51, 18), "the controls went along"
    assert run.running()


LINE_COLOURS = {"FF0000", "CCE5A2", "00FF00"}


def test_the_bar_folds_during_a_countdown_and_opens_at_the_top_edge(morvane):
    run = morvane.start("01:00")  # a one-hour countdown, the pointer parked at the bottom right
    display = morvane.display
    bar = lambda: display.windows().get(run.window)  # noqa: E731
    morvane.wait("the bar folded to its line", lambda: bar() == FOLDED, 3)
    assert morvane.probe.bar()["rect"] == FOLDED
    assert len(morvane.probe.find(cls="Morvane.xpcmdbutton", text="Stop")) == 1
    # The line blinks a step a second: over a few seconds every colour of its cycle shows, and no other.
    seen = set()
    morvane.wait(lambda: f"the line's colours {sorted(LINE_COLOURS)} (seen {sorted(seen)})",
                 lambda: seen.add(display.pixels()(500, 0)) or seen >= LINE_COLOURS, 8)
    assert seen == LINE_COLOURS
    assert display.pixels()(500, 1) == "000000", "the root below the line"
    display.move(500, 0)
    morvane.wait("the bar open with the pointer at the top edge over its line", lambda: bar() == OPEN, 3)
    assert morvane.probe.one(cls="Morvane.xpcmdbutton", text="Stop")["visible"]
    assert display.pixels()(384 + 250, 40) == "F0F0F0", "the open bar's ground"
    display.move(500, 30)
    time.sleep(1)  # a duration: a second with the pointer over it, and it is still open
    assert bar() == OPEN
    display.move(500, 400)
    morvane.wait("the bar folded again with the pointer away", lambda: bar() == FOLDED, 3)
    assert not morvane.probe.one(cls="Morvane.xpcmdbutton", text="Stop")["visible"]
    assert run.running()


def test_a_double_click_on_stop_leaves_the_countdown_stopped(morvane):
    run = morvane.start("01:00")
    display, probe = morvane.display, morvane.probe
    bar = lambda: display.windows().get(run.window)  # noqa: E731
    display.move(500, 0)
    morvane.wait("the bar open with the pointer at the top edge", lambda: bar() == OPEN, 3)
    x, y, w, h = probe.one(cls="Morvane.xpcmdbutton", text="Stop")["rect"]
    display.move(x + w // 2, y + h // 2)
    time.sleep(0.3)
    display.double_click()
    morvane.wait("Start back after the double-click", lambda: probe.one(cls="Morvane.xpcmdbutton", text="Start"), 5)
    time.sleep(1)  # a duration: a second click of the pair would have started the countdown again by now
    assert probe.find(cls="Morvane.xpcmdbutton", text="Stop") == []
    assert probe.one(cls="Morvane.xpcmdbutton", text="Quit")["enabled"]
    assert run.running()
