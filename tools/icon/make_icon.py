#!/usr/bin/env python3
"""Draws the program icon: a yellow and pink capsule on a teal tile with a yellow
border, 32 x 32 pixels in 256 colours, and writes it as a Windows .ico file.

usage: make_icon.py OUTPUT.ico
"""
import math
import struct
import sys

SIZE = 32

# Palette entries (red, green, blue); the rest of the 256 are black.
TRANSPARENT = 0
TEAL = 1
TEAL_DARK = 2
YELLOW = 3
YELLOW_LIGHT = 4
PINK = 5
PINK_LIGHT = 6
OUTLINE = 7
PALETTE = [
    (0, 0, 0),
    (0, 128, 128),
    (0, 96, 96),
    (255, 221, 0),
    (255, 245, 150),
    (255, 105, 180),
    (255, 182, 222),
    (40, 40, 40),
]


def capsule_distance(x, y):
    """Signed distance from the pixel centre to a capsule lying on the tile's
    rising diagonal: negative inside."""
    px, py = x + 0.5, y + 0.5
    ax, ay, bx, by = 10.0, 22.0, 22.0, 10.0
    radius = 5.5
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    cx, cy = ax + t * dx, ay + t * dy
    return math.hypot(px - cx, py - cy) - radius, t


def pixel(x, y):
    if x < 2 or y < 2 or x >= SIZE - 2 or y >= SIZE - 2:
        # Rounded outer corners stay transparent.
        corner = min(x, SIZE - 1 - x) + min(y, SIZE - 1 - y)
        return TRANSPARENT if corner < 1 else YELLOW
    distance, t = capsule_distance(x, y)
    if distance < -1.0:
        highlight = (x + y) < 26 and distance < -3.0 and (x - y) > -8
        if t < 0.5:
            return YELLOW_LIGHT if highlight else YELLOW
        return PINK_LIGHT if highlight else PINK
    if distance < 0.2:
        return OUTLINE
    return TEAL_DARK if (x + y) % 7 == 0 and x > 3 and y > 3 else TEAL


def ico_bytes():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    palette += b"\0" * (4 * (256 - len(PALETTE)))
    xor = b"".join(bytes(rows[y]) for y in reversed(range(SIZE)))
    mask = b""
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if rows[y][x] == TRANSPARENT else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 256, 0)
    image = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    with open(sys.argv[1], "wb") as output:
        output.write(ico_bytes())
    return 0


if __name__ == "__main__":
    sys.exit(main())
