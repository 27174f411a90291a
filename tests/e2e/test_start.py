"""Started without arguments, the program shows its splash (400 x 300, centred) for about a second,
then the bar (255 x 43) centred at the top edge, alone and topmost. Win32 and X agree on the
window, and the faces are checked by pixel."""

SPLASH = (312, 234, 400, 300)
BAR = (384, 0, 255, 43)

# (x, y) within the window, colour, what is there
SPLASH_FACE = [
    ((5, 5), "EEEEEE", "ground"),
    ((200, 20), "EEEEEE", "ground"),
    ((225, 292), "EEEEEE", "ground left of the strip"),
    ((231, 284), "EEEEEE", "ground next to the strip's corner"),
    ((232, 284), "BCE18D", "green strip, its corner"),
    ((240, 290), "BCE18D", "green strip"),
    ((398, 298), "BCE18D", "green strip, bottom right"),
]
BAR_FACE = [
    ((250, 40), "F0F0F0", "ground"),
    ((4, 38), "F0F0F0", "ground"),
    ((128, 19), "F0F0F0", "ground below the buttons"),
    ((0, 30), "043E74", "frame, left column"),
    ((254, 30), "043E74", "frame, right column"),
    ((128, 42), "043E74", "frame, bottom row"),
    ((0, 42), "043E74", "frame, bottom left corner"),
    ((254, 42), "043E74", "frame, bottom right corner"),
    ((-1, 30), "000000", "root left of the bar"),
    ((128, 43), "000000", "root below the bar"),
]


def wrong_pixels(pixel, window, face):
    return [f"{what} at {x},{y}: {pixel(window[0] + x, window[1] + y)}, not {colour}"
            for (x, y), colour, what in face if pixel(window[0] + x, window[1] + y) != colour]


def test_the_first_window_is_where_x_has_it(morvane):
    run = morvane.start()
    top = morvane.probe.one(top=True, visible=True, text="Morvane")
    assert top is not None, "probe lists no visible top-level window titled Morvane"
    x, y, w, h = top["rect"]
    assert w > 0 and h > 0
    # No window manager moves or frames it: X has the same rectangle, on the screen.
    assert morvane.display.windows()[run.window] == top["rect"]
    assert x + w > 0 and y + h > 0 and x < 1024 and y < 768
    assert morvane.display.pixels()(1023, 767) == "000000", "the root, where the pointer is parked"
    assert run.running()


def test_the_splash_then_the_bar_alone(morvane):
    morvane.launch()
    display = morvane.display

    def splash_face():  # the wrong pixels of a screenshot taken while the splash is up and painted
        pixel = display.pixels()
        if SPLASH not in display.geometries():
            return "gone"
        if all(pixel(SPLASH[0] + x, SPLASH[1] + y) == "000000" for (x, y), _, _ in SPLASH_FACE):
            return None  # mapped, not painted yet
        return wrong_pixels(pixel, SPLASH, SPLASH_FACE) or "painted"
    morvane.wait("the splash, 400 x 300 centred", lambda: SPLASH in display.geometries())
    # It lasts a second: on a busy machine it may close before a screenshot catches it painted.
    assert morvane.wait("the splash painted", splash_face, 5) in ("painted", "gone")
    morvane.wait("the bar alone, 255 x 43 at the top edge", lambda: display.geometries() == [BAR])
    shown = morvane.probe.find(top=True, cls="Morvane.Window", visible=True)
    assert [(w["rect"], w["topmost"]) for w in shown] == [(BAR, True)]
    assert wrong_pixels(display.pixels(), BAR, BAR_FACE) == []
