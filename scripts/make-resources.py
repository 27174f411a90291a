#!/usr/bin/env python3
"""Draws the application icon (48 x 48) and the hand cursor (32 x 32, hot spot 5, 0)
and writes them as .ico and .cur files into resources/. Run it again after changing a
picture; the results are kept in the repository."""
import math
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent.parent / "resources"


def icon_file(kind, size, pixels, hotspot=(0, 0)):
    """pixels: size*size (r, g, b, a) tuples, top row first."""
    w = h = size
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            r, g, b, a = pixels[y * w + x]
            xor += bytes((b, g, r, a))
    mask_row = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(h)):
        row = bytearray(mask_row)
        for x in range(w):
            if pixels[y * w + x][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    image = header + xor + mask
    planes_or_x, bits_or_y = (1, 32) if kind == 1 else hotspot
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, planes_or_x, bits_or_y, len(image), 6 + 16)
    return struct.pack("<HHH", 0, kind, 1) + entry + image


def draw_icon(size=48):
    """A dark-blue disc with a green power sign: the bar's colours."""
    px = []
    c = (size - 1) / 2
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - c, y - c)
            if d > size / 2 - 0.5:
                px.append((0, 0, 0, 0))
                continue
            colour = (4, 62, 116, 255)
            angle = math.degrees(math.atan2(x - c, -(y - c)))
            ring = 10.5 <= d <= 15.5 and abs(angle) > 35
            stem = abs(x - c) <= 2.5 and 5 <= y <= c + 1
            if ring or stem:
                colour = (188, 225, 141, 255)
            px.append(colour)
    return px


HAND = [
    "......XX........",
    ".....X..X.......",
    ".....X..X.......",
    ".....X..X.......",
    ".....X..XXX.....",
    ".....X..X..XX...",
    "..XX.X..X..X.XX.",
    "..X..X..X..X..X.",
    "...X.X........X.",
    "...X..........X.",
    "....X.........X.",
    "....X........X..",
    ".....X.......X..",
    ".....X......X...",
    "......XXXXXXX...",
    "......XXXXXXX...",
]


def draw_hand(size=32):
    """A pointing hand whose fingertip is the hot spot at (5, 0)... shifted so the tip is there."""
    px = [(0, 0, 0, 0)] * (size * size)
    shift_x = 5 - 6  # the tip's left column in HAND is 6
    rows = len(HAND)
    for y in range(rows):
        for x, ch in enumerate(HAND[y]):
            tx = x + shift_x
            if 0 <= tx < size:
                if ch == "X":
                    px[y * size + tx] = (0, 0, 0, 255)
    # Fill the inside of the hand white, row by row between the outline's ends.
    for y in range(rows):
        xs = [x for x in range(size) if px[y * size + x][3]]
        if len(xs) >= 2:
            for x in range(xs[0] + 1, xs[-1]):
                if px[y * size + x][3] == 0:
                    px[y * size + x] = (255, 255, 255, 255)
    return px


if __name__ == "__main__":
    (HERE / "morvane.ico").write_bytes(icon_file(1, 48, draw_icon()))
    (HERE / "hand.cur").write_bytes(icon_file(2, 32, draw_hand(), hotspot=(5, 0)))
