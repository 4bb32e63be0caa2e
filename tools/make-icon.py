#!/usr/bin/env python3
"""Draws the program's icon, platform/win32/quillora.ico: a vermilion seal with three columns of
characters set right to left, the longest first, as the classical layout sets them.

Usage: tools/make-icon.py [OUT]   (16, 32 and 48 pixels, 32-bit with alpha)
"""
import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SEAL = (0x1F, 0x2F, 0xC8)      # BGR of a vermilion red
PAPER = (0xE8, 0xF4, 0xFA)     # BGR of rice paper


def pixel(x, y, size):
    """BGRA of one pixel, x and y in 0..size-1, top row first."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    r = 0.16  # corner radius of the seal
    cx, cy = min(max(u, r), 1 - r), min(max(v, r), 1 - r)
    if (u - cx) ** 2 + (v - cy) ** 2 > r * r:
        return (0, 0, 0, 0)
    # Three columns of cells, right to left: 4 cells, 4 cells, 2 cells.
    columns = [(0.66, 4), (0.42, 4), (0.18, 2)]
    for left, cells in columns:
        if left <= u < left + 0.16:
            for k in range(cells):
                top = 0.14 + k * 0.19
                if top <= v < top + 0.13:
                    return PAPER + (255,)
    return SEAL + (255,)


def image(size):
    rows = []
    for y in reversed(range(size)):  # bitmaps store the bottom row first
        rows.append(b"".join(bytes(pixel(x, y, size)) for x in range(size)))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = b"\0" * (mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask),
                         0, 0, 0, 0)
    return header + xor + and_mask


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "platform", "win32",
                                                             "quillora.ico")
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    data = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(out, "wb") as f:
        f.write(data + b"".join(images))
    print("wrote", out)


if __name__ == "__main__":
    main()
