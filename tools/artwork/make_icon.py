#!/usr/bin/env python3
"""Draws the program icon of Tarvelo (resource 128) as a multi-size .ico.

A dark tile (#0F1C26, the Dark theme's background) with a green folder
(#32FA78, the Dark theme's accent) that holds a list: a bullet and a line per
row. Sizes 16, 20, 24, 32, 40, 48 and 64 are 32-bit BMP entries with an AND
mask; 256 is a PNG entry. Every edge of the folder and the list is snapped to
whole pixels at each size so the small sizes stay crisp; only the rounded
corners are anti-aliased (by supersampling).

Standard library only and deterministic:
    python3 tools/artwork/make_icon.py [out.ico]
(default: src/resources/tarvelo.ico of this repository).
"""

import os
import struct
import sys
import zlib

TILE = (0x0F, 0x1C, 0x26)
RIM = (0x1F, 0x3A, 0x4C)
GREEN = (0x32, 0xFA, 0x78)
SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
SUPERSAMPLE = 4


def snap(f, size):
    return int(round(f * size))


def rounded_rect_coverage(x, y, x0, y0, x1, y1, radius):
    """Fraction of pixel (x, y) covered by a rounded rectangle."""
    hits = 0
    n = SUPERSAMPLE
    for sy in range(n):
        for sx in range(n):
            px = x + (sx + 0.5) / n
            py = y + (sy + 0.5) / n
            if not (x0 <= px <= x1 and y0 <= py <= y1):
                continue
            cx = min(max(px, x0 + radius), x1 - radius)
            cy = min(max(py, y0 + radius), y1 - radius)
            if (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius:
                hits += 1
    return hits / float(n * n)


def layout(size):
    """Pixel rectangles (x0, y0, x1, y1, exclusive ends) of the motif."""
    s = size
    body = (snap(0.16, s), snap(0.32, s), snap(0.84, s), snap(0.82, s))
    tab = (snap(0.16, s), snap(0.22, s), snap(0.46, s), body[1])
    rows = []
    line_h = max(1, snap(0.07, s))
    bullet_w = max(1, snap(0.08, s))
    first = body[1] + max(2, snap(0.10, s))
    step = max(line_h + 1, snap(0.13, s))
    bullet_x = body[0] + max(1, snap(0.09, s))
    line_x = bullet_x + bullet_w + max(1, snap(0.06, s))
    line_end = body[2] - max(1, snap(0.09, s))
    for i in range(3):
        y = first + i * step
        if y + line_h > body[3] - max(1, snap(0.06, s)):
            break
        rows.append(((bullet_x, y, bullet_x + bullet_w, y + line_h),
                     (line_x, y, line_end - (snap(0.12, s) if i == 2 else 0), y + line_h)))
    return body, tab, rows


def inside(rect, x, y):
    return rect[0] <= x < rect[2] and rect[1] <= y < rect[3]


def render(size):
    """Rows of (r, g, b, a) from top to bottom."""
    body, tab, rows = layout(size)
    radius = max(2.0, size * 0.19)
    rim = max(1, size // 32)
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            cover = rounded_rect_coverage(x, y, 0, 0, size, size, radius)
            if cover <= 0.0:
                row.append((0, 0, 0, 0))
                continue
            inner = rounded_rect_coverage(x, y, rim, rim, size - rim, size - rim,
                                          max(1.0, radius - rim))
            colour = blend(RIM, TILE, inner)
            if inside(body, x, y) or inside(tab, x, y):
                colour = GREEN
                for bullet, line in rows:
                    if inside(bullet, x, y) or inside(line, x, y):
                        colour = TILE
            row.append(colour + (int(round(cover * 255)),))
        pixels.append(row)
    # The tab's upper right corner is cut by one step so it reads as a tab.
    cut = max(1, size // 16)
    for i in range(cut):
        for j in range(cut - i):
            x, y = tab[2] - 1 - j, tab[1] + i
            pixels[y][x] = TILE + (pixels[y][x][3],)
    return pixels


def blend(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def bmp_entry(pixels):
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(pixels):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(xor) + bytes(mask)


def png_entry(pixels):
    size = len(pixels)
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for px in row:
            raw += bytes(px)

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)

    ihdr = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) +
            chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def ico_bytes():
    images = []
    for size in SIZES:
        pixels = render(size)
        images.append((size, png_entry(pixels) if size >= 256 else bmp_entry(pixels)))
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        dim = 0 if size >= 256 else size
        out += struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return out


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, '..', '..', 'src', 'resources', 'tarvelo.ico')
    data = ico_bytes()
    with open(out, 'wb') as f:
        f.write(data)
    print("wrote %s (%d bytes, sizes %s)" % (os.path.normpath(out), len(data),
                                             ' '.join(str(s) for s in SIZES)))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
