#!/usr/bin/env python3
"""Draws the program icon: a yellow and pink capsule on a teal tile with a yellow
border, in 256 colours, at 16, 20, 24, 32, 40, 48, 64 and 256 pixels, and writes
them as one Windows .ico file. The drawing is made on a 32-unit grid and each
pixel takes the colour at its centre, so the 32-pixel image is the classic one
pixel for pixel and the others are the same drawing at their own size. The
256-pixel image is stored as PNG, as Windows expects at that size.

usage: make_icon.py OUTPUT.ico
"""
import math
import struct
import sys
import zlib

GRID = 32
SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
PNG_FROM = 256  # images this size and larger are stored as PNG

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


def capsule_distance(px, py):
    """Signed distance from the point (grid units) to a capsule lying on the
    tile's rising diagonal: negative inside."""
    ax, ay, bx, by = 10.0, 22.0, 22.0, 10.0
    radius = 5.5
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    cx, cy = ax + t * dx, ay + t * dy
    return math.hypot(px - cx, py - cy) - radius, t


def colour_at(px, py):
    """The drawing's colour at the point (px, py) of the grid; (x + 0.5, y + 0.5)
    is the centre of pixel (x, y) at 32 pixels."""
    # The pixel of the 32-pixel image under the point, and its sub-pixel offset.
    x, y = px - 0.5, py - 0.5
    if px < 2 or py < 2 or px >= GRID - 2 or py >= GRID - 2:
        # Rounded outer corners stay transparent.
        corner = min(px, GRID - px) + min(py, GRID - py)
        return TRANSPARENT if corner <= 1.0 else YELLOW
    distance, t = capsule_distance(px, py)
    if distance < -1.0:
        highlight = (x + y) < 26 and distance < -3.0 and (x - y) > -8
        if t < 0.5:
            return YELLOW_LIGHT if highlight else YELLOW
        return PINK_LIGHT if highlight else PINK
    if distance < 0.2:
        return OUTLINE
    stripe = math.floor(x + y + 1e-9) % 7 == 0
    return TEAL_DARK if stripe and x > 3 and y > 3 else TEAL


def rows_of(size):
    scale = GRID / size
    return [[colour_at((x + 0.5) * scale, (y + 0.5) * scale) for x in range(size)]
            for y in range(size)]


def bmp_image(size, rows):
    """A device-independent bitmap of 8 bits per pixel with its AND mask, bottom
    row first, rows padded to whole 32-bit words."""
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    palette += b"\0" * (4 * (256 - len(PALETTE)))
    pad = (-size) % 4
    xor = b"".join(bytes(rows[y]) + b"\0" * pad for y in reversed(range(size)))
    mask_row_bytes = ((size + 31) // 32) * 4
    mask = b""
    for y in reversed(range(size)):
        bits = 0
        for x in range(size):
            bits = (bits << 1) | (1 if rows[y][x] == TRANSPARENT else 0)
        bits <<= mask_row_bytes * 8 - size
        mask += bits.to_bytes(mask_row_bytes, "big")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0,
                         len(xor) + len(mask), 0, 0, 256, 0)
    return header + palette + xor + mask


def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data +
            struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png_image(size, rows):
    """An 8-bit palette PNG, palette entry 0 transparent."""
    header = struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0)
    palette = b"".join(bytes(colour) for colour in PALETTE)
    alpha = bytes([0] + [255] * (len(PALETTE) - 1))
    raw = b"".join(b"\0" + bytes(row) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) + png_chunk(b"PLTE", palette) +
            png_chunk(b"tRNS", alpha) + png_chunk(b"IDAT", zlib.compress(raw, 9)) +
            png_chunk(b"IEND", b""))


def ico_bytes():
    images = []
    for size in SIZES:
        rows = rows_of(size)
        images.append(png_image(size, rows) if size >= PNG_FROM else bmp_image(size, rows))
    directory = struct.pack("<HHH", 0, 1, len(SIZES))
    offset = 6 + 16 * len(SIZES)
    for size, image in zip(SIZES, images):
        side = size if size < 256 else 0  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def main():
    if len(sys.argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    with open(sys.argv[1], "wb") as output:
        output.write(ico_bytes())
    return 0


if __name__ == "__main__":
    sys.exit(main())
