#!/usr/bin/env python3
"""Draws the resource bundle's images (arrows and the small icon) as PNGs.

Run once when the artwork changes; the PNGs are kept in shell/resources.
Pure Python (zlib) so it needs nothing beyond the interpreter."""
import math
import struct
import sys
import zlib
from pathlib import Path


def write_png(path, width, height, pixel):
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows.extend(pixel(x, y))
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b"")
    Path(path).write_bytes(png)


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def chevron(pointing_left, width=40, height=50, thickness=3.2):
    tip_x, back_x = (12.0, 28.0) if pointing_left else (28.0, 12.0)
    a, b, c = (back_x, 13.0), (tip_x, 25.0), (back_x, 37.0)
    def pixel(x, y):
        # 4x4 supersampling for smooth edges; black, so a template tint shows.
        covered = 0
        for sy in range(4):
            for sx in range(4):
                px, py = x + (sx + 0.5) / 4, y + (sy + 0.5) / 4
                d = min(distance_to_segment(px, py, *a, *b), distance_to_segment(px, py, *b, *c))
                covered += d <= thickness
        return (0, 0, 0, covered * 255 // 16)
    return width, height, pixel


def icon(size=58):
    def pixel(x, y):
        cx = cy = size / 2
        r = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
        if r > size / 2:
            return (0, 0, 0, 0)
        t = y / size
        return (int(40 + 60 * t), int(120 + 60 * t), 230, 255) if r < size * 0.42 else (255, 255, 255, 255)
    return size, size, pixel


def main(out_dir):
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    write_png(out / "pointer_out.png", *chevron(pointing_left=True))
    write_png(out / "pointer_in.png", *chevron(pointing_left=False))
    write_png(out / "icon-small.png", *icon())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "shell/resources")
