#!/usr/bin/env python3
"""Draws the program icon (a wave over a well, the launcher's mark) and
writes it as a Windows .ico with PNG images of several sizes.

The same shape is drawn by the program itself at run time; this script
exists because Explorer shows the icon stored in the executable."""
import math
import struct
import sys
import zlib

TOP = (40, 110, 210)
BOTTOM = (18, 52, 120)
SAMPLES = 4  # per axis, for anti-aliasing


def wave_distance(x, y, centre):
    """Distance from (x, y) to one period of the sine wave, in icon units."""
    left, right, amplitude = 0.16, 0.84, 0.07
    if x < left or x > right:
        ex = left if x < left else right
        return math.hypot(x - ex, y - centre)
    t = (x - left) / (right - left)
    phase = t * 2 * math.pi
    curve = centre - amplitude * math.sin(phase)
    slope = -amplitude * 2 * math.pi / (right - left) * math.cos(phase)
    return abs(y - curve) / math.sqrt(1 + slope * slope)


def inside_rounded_square(x, y, radius=0.22):
    cx = min(max(x, radius), 1 - radius)
    cy = min(max(y, radius), 1 - radius)
    return math.hypot(x - cx, y - cy) <= radius


def pixel(px, py, size):
    r = g = b = a = 0.0
    half_width = 0.045
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = (px + (sx + 0.5) / SAMPLES) / size
            y = (py + (sy + 0.5) / SAMPLES) / size
            if not inside_rounded_square(x, y):
                continue
            if min(wave_distance(x, y, 0.40), wave_distance(x, y, 0.64)) <= half_width:
                colour = (255, 255, 255)
            else:
                colour = tuple(t + (bt - t) * y for t, bt in zip(TOP, BOTTOM))
            r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
    if a == 0:
        return (0, 0, 0, 0)
    return (round(r / a), round(g / a), round(b / a), round(255 * a / SAMPLES ** 2))


def png(size):
    rows = b"".join(b"\0" + bytes(c for px in range(size) for c in pixel(px, py, size)) for py in range(size))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b"")


def main(path):
    sizes = [16, 24, 32, 48, 64, 128]
    images = [png(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
