#!/usr/bin/env python3
"""Draws the program's icon (the shapes of desktop/zor-wizard.svg) at the sizes Windows asks for and
writes them into src/ui/startup/windows/zor-wizard.ico, as PNG images.

Debian's build machines have no SVG renderer for Windows icons, so the few shapes of the icon are
drawn here, each pixel averaged over 4x4 samples. Run it again after changing the SVG's shapes.
"""
import math
import struct
import sys
import zlib
from pathlib import Path

SIZES = (16, 24, 32, 48, 64, 256)
SAMPLES = 4


def hex_colour(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def in_rounded_rect(x, y, left, top, width, height, radius):
    if not (left <= x <= left + width and top <= y <= top + height):
        return False
    cx = min(max(x, left + radius), left + width - radius)
    cy = min(max(y, top + radius), top + height - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def distance_to_segment(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def in_polygon(x, y, points):
    inside = False
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
            inside = not inside
    return inside


ARROW = [(55, 14), (73, 14), (73, 34), (86, 34), (64, 58), (42, 34), (55, 34)]
ROPES = [(56, "#e53935"), (66, "#ffffff"), (76, "#1e88e5")]


def colour_at(x, y):
    """The colour (r, g, b) at a point of the 128 x 128 drawing, or None where it is transparent."""
    colour = None
    if in_rounded_rect(x, y, 4, 4, 120, 120, 22):
        t = min(max((y - 4) / 120, 0.0), 1.0)
        top, bottom = hex_colour("#2f55b4"), hex_colour("#172b63")
        colour = tuple(top[i] + (bottom[i] - top[i]) * t for i in range(3))
    if in_rounded_rect(x, y, 14, 86, 100, 6, 0):
        colour = hex_colour("#f2f2f2")
    if in_rounded_rect(x, y, 14, 92, 100, 18, 0):
        colour = hex_colour("#c62828")
    if in_rounded_rect(x, y, 18, 48, 8, 40, 2) or in_rounded_rect(x, y, 102, 48, 8, 40, 2):
        colour = hex_colour("#b0bec5")
    for rope_y, rope_colour in ROPES:
        if distance_to_segment(x, y, (26, rope_y), (102, rope_y)) <= 2:
            colour = hex_colour(rope_colour)
    if in_polygon(x, y, ARROW):
        colour = hex_colour("#ffc107")
    edges = zip(ARROW, ARROW[1:] + ARROW[:1])
    if min(distance_to_segment(x, y, a, b) for a, b in edges) <= 1.5:
        colour = hex_colour("#172b63")
    return colour


def render(size):
    rows = []
    scale = 128 / size
    for py in range(size):
        row = bytearray([0])  # PNG filter: none
        for px in range(size):
            total = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = colour_at((px + (sx + 0.5) / SAMPLES) * scale, (py + (sy + 0.5) / SAMPLES) * scale)
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            total[i] += colour[i]
            if covered == 0:
                row += bytes(4)
            else:
                row += bytes(round(total[i] / covered) for i in range(3))
                row.append(round(255 * covered / SAMPLES ** 2))
        rows.append(bytes(row))
    return png(size, b"".join(rows))


def png(size, raw):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def icon(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        side = 0 if size == 256 else size
        out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main():
    target = Path(__file__).resolve().parent.parent / "src/ui/startup/windows/zor-wizard.ico"
    target.write_bytes(icon([(size, render(size)) for size in SIZES]))
    print(target, file=sys.stderr)


if __name__ == "__main__":
    main()
