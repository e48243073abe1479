#!/usr/bin/env python3
"""Draws Keymint's icon, a golden key with a mint-green stone in its bow, as a 32 x 32
picture with a small palette, and writes it as keymint.png (indexed colour) and keymint.ico
(8 bits per pixel with a transparency mask). Run it again after changing the drawing;
the build uses the files it writes, so building needs no Python."""

import math
import struct
import zlib
from pathlib import Path

SIZE = 32
PALETTE = [
    (0, 0, 0),        # 0: transparent
    (74, 52, 6),      # 1: outline
    (201, 150, 28),   # 2: gold, shade
    (236, 186, 48),   # 3: gold
    (252, 226, 130),  # 4: gold, highlight
    (33, 122, 88),    # 5: mint, shade
    (62, 180, 137),   # 6: mint
    (178, 240, 212),  # 7: mint, highlight
]
BOW = (10.5, 15.5)


def inside_key(x, y):
    cx, cy = BOW
    d = math.hypot(x - cx, y - cy)
    if d <= 8.6:
        return True
    if 17 <= x <= 29 and 13.5 <= y <= 17.5:          # the shaft
        return True
    if (21 <= x <= 23 or 26 <= x <= 28) and 17.5 <= y <= 22.5 - (x >= 26) * 2:
        return True                                   # two teeth, the outer one shorter
    return False


def colour_at(x, y):
    cx, cy = BOW
    d = math.hypot(x - cx, y - cy)
    if d <= 4.6:                                      # the stone in the bow
        if d > 3.6:
            return 5
        return 7 if (x - cx) + (y - cy) < -2.5 else 6
    if not inside_key(x, y):
        return 0
    if not all(inside_key(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
        return 1
    if d <= 8.6:
        return 4 if (x - cx) + (y - cy) < -6 else (2 if (x - cx) + (y - cy) > 6 else 3)
    return 4 if y < 15 else (2 if y > 16.5 else 3)


def pixels():
    return [[colour_at(x, y) for x in range(SIZE)] for y in range(SIZE)]


def png(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + bytes(row) for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 3, 0, 0, 0))
            + chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
            + chunk(b"tRNS", b"\0" + b"\xff" * (len(PALETTE) - 1))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def ico(rows):
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE) + b"\0" * 4 * (256 - len(PALETTE))
    xor = b"".join(bytes(row) for row in reversed(rows))            # bottom-up
    mask = b""
    for row in reversed(rows):
        bits = 0
        for x, index in enumerate(row):
            if index == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)                              # 32 pixels: 4 bytes a row
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    image = header + colours + xor + mask
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 22) + image


if __name__ == "__main__":
    here = Path(__file__).resolve().parent
    rows = pixels()
    (here / "keymint.png").write_bytes(png(rows))
    (here / "keymint.ico").write_bytes(ico(rows))
    for row in rows:
        print("".join(" #-=+:o*"[i] for i in row))
