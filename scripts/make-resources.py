#!/usr/bin/env python3
"""Draws the application icon (48 x 48) and the hand cursor (32 x 32 with its hot spot at
5, 0, and the same hand at 1.5 and 2 times for screens of higher dpi, 48 and 64 pixels)
and writes them as .ico and .cur files into resources/. Run it again after changing a
picture; the results are kept in the repository."""
import math
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent.parent / "resources"


def icon_image(size, pixels):
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
    return header + xor + mask


def icon_file(kind, images):
    """images: (size, pixels, hotspot) for each picture the file holds."""
    entries = bytearray()
    data = bytearray()
    offset = 6 + 16 * len(images)
    for size, pixels, hotspot in images:
        image = icon_image(size, pixels)
        planes_or_x, bits_or_y = (1, 32) if kind == 1 else hotspot
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, planes_or_x, bits_or_y, len(image),
                               offset + len(data))
        data += image
    return struct.pack("<HHH", 0, kind, len(images)) + entries + data


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


def draw_hand(size=32, scale=1.0):
    """A pointing hand whose fingertip is the hot spot at (5, 0)... shifted so the tip is there.
    At a scale above 1 each pattern pixel becomes a block, as a screen of that dpi shows it."""
    px = [(0, 0, 0, 0)] * (size * size)
    shift_x = 5 - 6  # the tip's left column in HAND is 6
    rows = len(HAND)

    def span(i):
        return range(int(i * scale), int((i + 1) * scale))

    for y in range(rows):
        for x, ch in enumerate(HAND[y]):
            tx = x + shift_x
            if 0 <= tx and ch == "X":
                for sy in span(y):
                    for sx in span(tx):
                        if sx < size:
                            px[sy * size + sx] = (0, 0, 0, 255)
    # Fill the inside of the hand white, row by row between the outline's ends.
    for y in range(int(rows * scale)):
        xs = [x for x in range(size) if px[y * size + x][3]]
        if len(xs) >= 2:
            for x in range(xs[0] + 1, xs[-1]):
                if px[y * size + x][3] == 0:
                    px[y * size + x] = (255, 255, 255, 255)
    return px


if __name__ == "__main__":
    (HERE / "morvane.ico").write_bytes(icon_file(1, [(48, draw_icon(), (0, 0))]))
    hands = [(32, draw_hand(), (5, 0)), (48, draw_hand(48, 1.5), (7, 0)), (64, draw_hand(64, 2), (10, 0))]
    (HERE / "hand.cur").write_bytes(icon_file(2, hands))
