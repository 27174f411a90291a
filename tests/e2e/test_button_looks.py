"""The skinned buttons' looks on the screen under the real pointer: Normal (green face), Hot while
the pointer is over the button (orange ring), Pressed while the left button is held on it (beige
face), Normal again once it is released away and the pointer has left (and nothing is opened);
Disabled (grey frame, near-white face) for Quit during a countdown."""
import time

# Skin colours (ui/button/ButtonSkin.cpp), per look.
NORMAL_FACE = ["C9E3A5", "CCE3A5", "CEE5A7", "D0E9AA", "D3EBAC", "D2EAAB", "CAE4A6"]
HOT_RING = ["FCDA8C", "FCCA6C", "F4AA24"]
PRESSED_FACE = ["E4E2DC", "E4EAEC"]
PRESSED_SHADE = ["CCC6BC", "DCD6CC"]
DISABLED_FRAME = ["CCC6BC"]
DISABLED_FACE = ["F4F6EE", "F4F2EC"]
FRAME = ["043E74"]

HELP = (434, 0, 51, 18)
QUIT = (588, 0, 51, 18)
L = HELP[0]
# Spots on Help, clear of its caption: the left frame column (shared with Start, which overlaps it
# by a pixel and is Normal too), the inner band's two columns, the top and bottom bands, the face.
FRAME_SPOT = [(L, 9, FRAME)]


def band(colours):
    return [(L + 1, 9, colours), (L + 2, 9, colours), (L + 2, 5, colours), (L + 48, 12, colours)]


def face(colours):
    return [(L + 5, 9, colours), (L + 45, 9, colours), (L + 5, 12, colours)]


def leave_and_release(display):
    display.move(700, 300)
    time.sleep(0.2)  # the pointer leaves first, as a user's hand would, then lets go
    display.release()


HELP_LOOKS = [  # what the pointer does, then what Help looks like
    ("Normal, the pointer parked far away", lambda display: None, FRAME_SPOT + band(NORMAL_FACE) + face(NORMAL_FACE)),
    ("Hot, the pointer over it", lambda display: display.move(L + 44, 12),
     FRAME_SPOT + band(HOT_RING) + [(L + 25, 15, ["F4AA24"]), (L + 25, 16, ["F4AA24"]), (L + 25, 2, ["FCDA8C"])]),
    ("Pressed, the left button held on it", lambda display: display.press(),
     FRAME_SPOT + face(PRESSED_FACE) + [(L + 1, 9, PRESSED_SHADE), (L + 2, 9, PRESSED_SHADE)]),
    ("Normal, released away from it", leave_and_release, FRAME_SPOT + band(NORMAL_FACE) + face(NORMAL_FACE)),
]


def near(a, b):  # at most 8 apart in each channel: room for a display that dithers
    return all(abs(int(a[i:i + 2], 16) - int(b[i:i + 2], 16)) <= 8 for i in (0, 2, 4))


def expect_look(morvane, what, spots):
    seen = {}

    def shows():
        pixel = morvane.display.pixels()
        seen.update({(x, y): pixel(x, y) for x, y, _ in spots})
        return all(any(near(seen[x, y], c) for c in colours) for x, y, colours in spots)
    morvane.wait(lambda: f"{what}: expected {spots}, saw {seen}", shows, 3)


def test_help_is_normal_hot_pressed_and_normal_again(morvane):
    morvane.start()
    assert morvane.probe.one(cls="Morvane.xpcmdbutton", text="Help")["rect"] == HELP
    for what, pointer, spots in HELP_LOOKS:
        pointer(morvane.display)
        expect_look(morvane, f"Help, {what}", spots)
    opened = morvane.prefix.opened_file
    assert not opened.exists(), f"a release away from Help opened {opened.read_text()}"


def test_quit_is_disabled_during_a_countdown(morvane):
    run = morvane.start("01:00")
    morvane.display.move(500, 0)
    morvane.wait("the bar open with the pointer at the top edge", lambda: morvane.display.windows().get(run.window) == (384, 0, 255, 43), 5)
    morvane.display.move(384 + 250, 38)  # on its face, away from every button: it stays open
    quit_button = morvane.probe.one(cls="Morvane.xpcmdbutton", text="Quit")
    assert (quit_button["rect"], quit_button["enabled"]) == (QUIT, False)
    q = QUIT[0]  # its left column lies under the home-page button, which overlaps it by a pixel
    expect_look(morvane, "Quit, Disabled", [(q + 50, 9, DISABLED_FRAME), (q + 25, 0, DISABLED_FRAME), (q + 25, 17, DISABLED_FRAME),
                                            (q + 4, 9, DISABLED_FACE), (q + 46, 9, DISABLED_FACE), (q + 4, 5, DISABLED_FACE)])
    expect_look(morvane, "Stop beside it, Normal", [(384, 9, FRAME), (384 + 5, 9, NORMAL_FACE), (384 + 45, 9, NORMAL_FACE)])
    assert morvane.display.windows().get(run.window) == (384, 0, 255, 43), "the bar folded with the pointer on its face"
