#!/usr/bin/env python3
"""Draws the suite's icon (the logo's mark: a disc with a bold V and its dot) as a
Windows icon file with 48, 32 and 16 pixel images in 32-bit colour with alpha.

Usage: gen_icon.py OUTFILE   (normally tools/vinfo/VInfo.ico)
"""
import math
import struct
import sys

VIOLET = (64, 0, 128)
SLATE = (112, 133, 190)
LAVENDER = (174, 187, 219)
WHITE = (255, 255, 255)
GOLD = (250, 220, 120)
SAMPLES = 4  # per axis, for smooth edges


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def inside_polygon(pts, x, y):
    hit = False
    j = len(pts) - 1
    for i in range(len(pts)):
        (xi, yi), (xj, yj) = pts[i], pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


# The mark on a 200-unit square, as in the about box's logo.
V_SHAPE = [(52, 48), (76, 48), (100, 122), (124, 48), (148, 48), (112, 150), (88, 150)]


def colour_at(u, v):
    """Colour and coverage (0 or 1) of one point of the 200-unit square."""
    d = math.hypot(u - 100, v - 100)
    if d > 96:
        return None
    if math.hypot(u - 100, v - 36) <= 13:
        return GOLD
    if inside_polygon(V_SHAPE, u, v):
        return WHITE
    t = (u + v) / 400
    col = mix(VIOLET, SLATE, t * 2) if t < 0.5 else mix(SLATE, LAVENDER, t * 2 - 1)
    if d > 88:
        col = mix(col, WHITE, 0.55)
    return col


def image(n):
    """BGRA rows, top row first."""
    rows = []
    for y in range(n):
        row = []
        for x in range(n):
            acc = [0.0, 0.0, 0.0]
            hits = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (x + (sx + 0.5) / SAMPLES) * 200 / n
                    v = (y + (sy + 0.5) / SAMPLES) * 200 / n
                    c = colour_at(u, v)
                    if c:
                        hits += 1
                        for i in range(3):
                            acc[i] += c[i]
            if hits:
                r, g, b = (int(round(a / hits)) for a in acc)
                alpha = int(round(255 * hits / SAMPLES ** 2))
            else:
                r = g = b = alpha = 0
            row.append((b, g, r, alpha))
        rows.append(row)
    return rows


def icon_image(n):
    """One icon image: header, 32-bit XOR bitmap bottom-up, 1-bit AND mask."""
    rows = image(n)
    xor = b"".join(bytes(p for px in row for p in px) for row in reversed(rows))
    mask_stride = ((n + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, px in enumerate(row):
            if px[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + bytes(mask)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "VInfo.ico"
    sizes = (48, 32, 16)
    images = [icon_image(n) for n in sizes]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(out, "wb") as f:
        f.write(data + b"".join(images))


if __name__ == "__main__":
    main()
