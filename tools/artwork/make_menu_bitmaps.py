#!/usr/bin/env python3
"""Draws the 30 menu bitmaps of Tarvelo as 16 x 16, 24-bit BMP files.

Magenta (#FF00FF) is the transparent colour: the program composes every
image onto the light (#F9F9F9) and the dark (#2B2B2B) menu background at
start. The artwork therefore avoids near-black and near-white outlines as
the only edge of a shape: every shape has a mid-tone fill that reads on both.

Standard library only and fully deterministic, so the files can be rebuilt:
    python3 tools/artwork/make_menu_bitmaps.py [output-folder]
(default output: src/resources/bitmaps beside this script's repository).
"""

import math
import os
import struct
import sys

SIZE = 16
TRANSPARENT = (0xFF, 0x00, 0xFF)

# One character per colour in the pixel grids below.
PALETTE = {
    '.': TRANSPARENT,
    'W': (0xFF, 0xFF, 0xFF),  # paper
    'w': (0xDD, 0xDD, 0xDD),  # paper fold
    'g': (0x8C, 0x8C, 0x8C),  # paper outline, frames
    'S': (0xB4, 0xB4, 0xB4),  # metal
    'd': (0x5A, 0x5A, 0x5A),  # dark metal (only next to light pixels)
    'k': (0x40, 0x40, 0x40),  # ink on paper
    'D': (0x1E, 0x1E, 0x1E),  # console body (framed by light grey)
    'Y': (0xF2, 0xBE, 0x45),  # folder
    'L': (0xFF, 0xD8, 0x74),  # folder highlight
    'y': (0xC0, 0x8A, 0x1E),  # folder outline
    'B': (0x2F, 0x80, 0xDC),  # blue
    'b': (0x1C, 0x5C, 0xAA),  # blue outline
    'c': (0x8C, 0xC4, 0xF5),  # light blue
    'G': (0x3D, 0xB6, 0x51),  # green
    'h': (0x23, 0x85, 0x3A),  # green outline
    'R': (0xE5, 0x48, 0x3C),  # red
    'r': (0xA8, 0x28, 0x1E),  # red outline
    'O': (0xF3, 0x9A, 0x2C),  # orange
    'o': (0xB8, 0x6A, 0x10),  # orange outline
    'N': (0xA8, 0x6E, 0x34),  # wood
    'n': (0x7A, 0x4A, 0x1C),  # wood outline
    'P': (0xF0, 0x9C, 0xB4),  # eraser
}


def grid(rows):
    """A 16 x 16 grid from up to 16 strings (missing rows are transparent)."""
    rows = list(rows) + ['.' * SIZE] * (SIZE - len(rows))
    assert len(rows) == SIZE, rows
    for r in rows:
        assert len(r) == SIZE, (len(r), r)
        for ch in r:
            assert ch in PALETTE, ch
    return [list(r) for r in rows]


def blank():
    return grid([])


def overlay(base, sprite, dx, dy):
    """Copies the sprite's non-transparent pixels onto base at (dx, dy)."""
    out = [row[:] for row in base]
    for y, line in enumerate(sprite):
        for x, ch in enumerate(line):
            if ch == '.':
                continue
            tx, ty = dx + x, dy + y
            if 0 <= tx < SIZE and 0 <= ty < SIZE:
                out[ty][tx] = ch
    return out


def recolour(sprite, mapping):
    return [''.join(mapping.get(ch, ch) for ch in line) for line in sprite]


def plot(g, x, y, ch):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        g[y][x] = ch


# ---------------------------------------------------------------- parts

FOLDER = [
    "................",
    "................",
    ".yyyyy..........",
    ".yLLLLy.........",
    ".yLLLLLyyyyyyyy.",
    ".yLLLLLLLLLLLLy.",
    ".yYYYYYYYYYYYYy.",
    ".yYYYYYYYYYYYYy.",
    ".yYYYYYYYYYYYYy.",
    ".yYYYYYYYYYYYYy.",
    ".yYYYYYYYYYYYYy.",
    ".yYYYYYYYYYYYYy.",
    ".yYYYYYYYYYYYYy.",
    ".yyyyyyyyyyyyyy.",
]

OPEN_FOLDER = [
    "................",
    "................",
    ".yyyyy..........",
    ".yLLLLy.........",
    ".yLLLLLyyyyyyy..",
    ".yLLLLLLLLLLLy..",
    ".yLLyyyyyyyyyyyy",
    ".yLLyYYYYYYYYYYy",
    ".yLyYYYYYYYYYYy.",
    ".yLyYYYYYYYYYYy.",
    ".yyYYYYYYYYYYy..",
    ".yyYYYYYYYYYYy..",
    ".yyyyyyyyyyyyy..",
]

PAGE = [
    "................",
    "..gggggggg......",
    "..gWWWWWWgg.....",
    "..gWWWWWWgwg....",
    "..gWWWWWWgwwg...",
    "..gWWWWWWgggggg.",
    "..gWWWWWWWWWWWg.",
    "..gWWWWWWWWWWWg.",
    "..gWWWWWWWWWWWg.",
    "..gWWWWWWWWWWWg.",
    "..gWWWWWWWWWWWg.",
    "..gWWWWWWWWWWWg.",
    "..gWWWWWWWWWWWg.",
    "..gWWWWWWWWWWWg.",
    "..ggggggggggggg.",
]

# Two sheets, the front one lower right: the usual picture of "copy".
TWO_PAGES = [
    "................",
    ".ggggggggg......",
    ".gWWWWWWWg......",
    ".gWWWWWWWg......",
    ".gWWWgggggggggg.",
    ".gWWWgWWWWWWWWg.",
    ".gWWWgWWWWWWWWg.",
    ".gWWWgWWWWWWWWg.",
    ".gWWWgWWWWWWWWg.",
    ".gWWWgWWWWWWWWg.",
    ".gggggWWWWWWWWg.",
    ".....gWWWWWWWWg.",
    ".....gWWWWWWWWg.",
    ".....gWWWWWWWWg.",
    ".....gggggggggg.",
]

ARROW_RIGHT = [
    "....b...",
    "....bb..",
    "bbbbbBb.",
    "bBBBBBBb",
    "bbbbbBb.",
    "....bb..",
    "....b...",
]

ARROW_UP = [
    "....h....",
    "...hGh...",
    "..hGGGh..",
    ".hGGGGGh.",
    "hhhGGGhhh",
    "..hGGGh..",
    "..hGGGh..",
    "..hhhhh..",
]

ARROW_DOWN = list(reversed(recolour(ARROW_UP, {'h': 'b', 'G': 'B'})))

PLUS = [
    "..hhhh..",
    "..hGGh..",
    "hhhGGhhh",
    "hGGGGGGh",
    "hGGGGGGh",
    "hhhGGhhh",
    "..hGGh..",
    "..hhhh..",
]

# A closed zip: a folder crossed by a zipper.
def zipped_folder():
    g = grid(FOLDER)
    for y in range(4, 13):
        plot(g, 7, y, 'd' if y % 2 == 0 else 'S')
        plot(g, 8, y, 'S' if y % 2 == 0 else 'd')
    for y in range(9, 12):
        plot(g, 6, y, 'd')
        plot(g, 9, y, 'd')
    plot(g, 7, 10, 'S')
    plot(g, 8, 10, 'S')
    return g


def window(x0, y0, x1, y1):
    """A program window: blue title bar over a white body."""
    g = []
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            edge = x in (x0, x1) or y in (y0, y1) or y == y0 + 2
            if edge:
                ch = 'b'
            elif y == y0 + 1:
                ch = 'B'
            else:
                ch = 'W'
            g.append((x, y, ch))
    return g


def apply(g, pixels):
    for x, y, ch in pixels:
        plot(g, x, y, ch)
    return g


def disc(g, cx, cy, radius, ch, inner=0.0):
    """Pixels whose centre lies within radius of (cx, cy) and beyond inner."""
    for y in range(SIZE):
        for x in range(SIZE):
            d2 = (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2
            if inner * inner <= d2 <= radius * radius:
                g[y][x] = ch
    return g


# ---------------------------------------------------------------- icons

def icon_info():
    return grid([
        "................",
        ".....bbbbbb.....",
        "...bbBBBBBBbb...",
        "..bBBBBWWBBBBb..",
        "..bBBBBWWBBBBb..",
        ".bBBBBBBBBBBBBb.",
        ".bBBBBWWWBBBBBb.",
        ".bBBBBBWWBBBBBb.",
        ".bBBBBBWWBBBBBb.",
        ".bBBBBBWWBBBBBb.",
        ".bBBBBBWWBBBBBb.",
        "..bBBBWWWWBBBb..",
        "..bBBBBBBBBBBb..",
        "...bbBBBBBBbb...",
        ".....bbbbbb.....",
    ])


def icon_open():
    return grid(OPEN_FOLDER)


def icon_select_folder():
    return overlay(grid(FOLDER), ARROW_RIGHT, 8, 8)


def icon_parent_folder():
    return overlay(grid(FOLDER), ARROW_UP, 7, 7)


def pencil(g, tip_x, tip_y, length):
    """A pencil at 45 degrees, tip at lower left, eraser at upper right."""
    for i in range(length):
        x, y = tip_x + i, tip_y - i
        if i == 0:
            plot(g, x, y, 'k')
            continue
        if i == 1:
            body, edge = 'L', 'o'
        elif i >= length - 2:
            body, edge = 'P', 'r'
        elif i == length - 3:
            body, edge = 'S', 'd'
        else:
            body, edge = 'O', 'o'
        plot(g, x, y, body)
        plot(g, x, y - 1, edge)
        plot(g, x + 1, y, edge)
    return g


def icon_edit():
    g = overlay(blank(), PAGE, -1, 0)
    for y in (7, 9, 11):
        for x in range(3, 8):
            plot(g, x, y, 'c')
    return pencil(g, 5, 14, 10)


def icon_property():
    g = grid([
        "................",
        "..gggggggggggg..",
        "..gWWWWWWWWWWg..",
        "..gWWWWWWWWWWg..",
        "..gWccWbbbbbWg..",
        "..gWWWWWWWWWWg..",
        "..gWccWbbbbWWg..",
        "..gWWWWWWWWWWg..",
        "..gWccWbbbbbWg..",
        "..gWWWWWWWWWWg..",
        "..gWccWbbbWWWg..",
        "..gWWWWWWWWWWg..",
        "..gWWWWWWWWWWg..",
        "..gggggggggggg..",
    ])
    return g


def icon_desktop_shortcut():
    g = grid([
        "................",
        "................",
        ".gggggggggggggg.",
        ".gBBBBBBBBBBBBg.",
        ".gBcBBBBBBBBBBg.",
        ".gBBBBBBBBBBBBg.",
        ".gBBBBBBBBBBBBg.",
        ".gBBBBBBBBBBBBg.",
        ".gBBBBBBBBBBBBg.",
        ".gBBBBBBBBBBBBg.",
        ".gggggggggggggg.",
        "......gggg......",
        "....gggggggg....",
    ])
    badge = [
        "ggggggg",
        "gWWWWWg",
        "gWWbbbg",
        "gWWWbbg",
        "gWWbWbg",
        "gWbWWWg",
        "ggggggg",
    ]
    return overlay(g, badge, 8, 4)


def icon_volume_label():
    return grid([
        "................",
        "................",
        "................",
        "................",
        ".gggggggggggggg.",
        ".gSSSSSSSSSSSSg.",
        ".gSWWWWWWWWSSSg.",
        ".gSWbbbbbbWSSSg.",
        ".gSWWWWWWWWSSSg.",
        ".gSWbbbbWWWSGGg.",
        ".gSWWWWWWWWSSSg.",
        ".gSSSSSSSSSSSSg.",
        ".gggggggggggggg.",
    ])


def icon_command():
    return grid([
        "................",
        "................",
        ".SSSSSSSSSSSSSS.",
        ".SDDDDDDDDDDDDS.",
        ".SDGGDDDDDDDDDS.",
        ".SDDGGDDDDDDDDS.",
        ".SDDDGGDDDDDDDS.",
        ".SDDGGDDDDDDDDS.",
        ".SDGGDDWWWWWDDS.",
        ".SDDDDDDDDDDDDS.",
        ".SDDDDDDDDDDDDS.",
        ".SDDDDDDDDDDDDS.",
        ".SSSSSSSSSSSSSS.",
    ])


def icon_associated():
    g = apply(blank(), window(1, 2, 14, 13))
    tri = [(6, 5), (6, 6), (7, 6), (6, 7), (7, 7), (8, 7), (6, 8), (7, 8),
           (8, 8), (9, 8), (6, 9), (7, 9), (8, 9), (6, 10), (7, 10), (6, 11)]
    for x, y in tri:
        plot(g, x, y, 'G')
    for x, y in tri:
        plot(g, x + 1, y, 'G')
    # A darker rim on the slanted side keeps the triangle crisp on white.
    for x, y in [(7, 5), (8, 6), (9, 7), (10, 8), (9, 9), (8, 10), (7, 11)]:
        plot(g, x, y, 'h')
    return g


def icon_exit():
    g = grid([
        "................",
        "..nnnnnnn.......",
        "..nNNNNNn.......",
        "..nNNNNNn.......",
        "..nNNNNNn.......",
        "..nNNNNNn.......",
        "..nNNNNNn.......",
        "..nNNNNYn.......",
        "..nNNNNNn.......",
        "..nNNNNNn.......",
        "..nNNNNNn.......",
        "..nNNNNNn.......",
        "..nNNNNNn.......",
        "..nnnnnnn.......",
    ])
    return overlay(g, recolour(ARROW_RIGHT, {'b': 'r', 'B': 'R'}), 8, 4)


def icon_copy_name():
    g = grid(TWO_PAGES)
    for y in (7, 9, 11):
        for x in range(7, 13 if y != 11 else 11):
            plot(g, x, y, 'B')
    return g


def icon_paste():
    return grid([
        "................",
        ".....dSSSSd.....",
        "..nnndSSSSdnnn..",
        "..nNNddddddNNn..",
        "..nNWWWWWWWWNn..",
        "..nNWWWWWWWWNn..",
        "..nNWBBBBBBWNn..",
        "..nNWWWWWWWWNn..",
        "..nNWBBBBBBWNn..",
        "..nNWWWWWWWWNn..",
        "..nNWBBBBWWWNn..",
        "..nNWWWWWWWWNn..",
        "..nNNNNNNNNNNn..",
        "..nnnnnnnnnnnn..",
    ])


def icon_copy_path():
    g = grid(TWO_PAGES)
    folder = ["yyy...", "yLLyyy", "yYYYYy", "yYYYYy", "yyyyyy"]
    g = overlay(g, folder, 7, 6)
    for x in range(7, 13):
        plot(g, x, 12, 'B')
    return g


def icon_select_all():
    g = blank()
    dash = [x for x in range(1, 15) if (x - 1) % 3 != 2]
    for v in dash:
        plot(g, v, 1, 'B')
        plot(g, v, 14, 'B')
        plot(g, 1, v, 'B')
        plot(g, 14, v, 'B')
    for ox in (4, 9):
        for oy in (4, 9):
            for y in range(oy, oy + 3):
                for x in range(ox, ox + 3):
                    plot(g, x, y, 'B')
    return g


def icon_search():
    g = blank()
    disc(g, 6.5, 6.5, 5.6, 'b')
    disc(g, 6.5, 6.5, 4.5, 'B')
    disc(g, 6.5, 6.5, 3.3, 'c')
    plot(g, 5, 4, 'W')
    plot(g, 4, 5, 'W')
    plot(g, 4, 4, 'W')
    for i in range(4):
        x, y = 10 + i, 10 + i
        plot(g, x, y, 'N')
        plot(g, x + 1, y, 'n')
        plot(g, x, y + 1, 'n')
        plot(g, x + 1, y + 1, 'N')
    return g


def icon_delete():
    g = blank()
    for y in range(2, 14):
        for x in range(2, 14):
            a, b = x - y, x + y - 15
            if abs(a) <= 1 or abs(b) <= 1:
                g[y][x] = 'R'
    # Darker ends keep the cross from looking blurry on white.
    for x, y in [(2, 2), (13, 13), (13, 2), (2, 13)]:
        g[y][x] = 'r'
    for x, y in [(3, 2), (2, 3), (12, 13), (13, 12), (12, 2), (13, 3), (2, 12), (3, 13)]:
        g[y][x] = 'r'
    return g


def icon_file_copy():
    return overlay(grid(TWO_PAGES), PLUS, 8, 8)


def icon_file_move():
    g = overlay(blank(), PAGE, -1, 0)
    return overlay(g, ARROW_RIGHT, 8, 8)


def icon_make_folder():
    return overlay(grid(FOLDER), PLUS, 8, 8)


def icon_rename():
    return grid([
        "................",
        "................",
        "................",
        "gggggggggggggggg",
        "gWWWWkWWWWWbbbWg",
        "gWWWWkWWWWWWbWWg",
        "gWkkWkkkWWWWbWWg",
        "gWWWkkWWkWWWbWWg",
        "gWkkkkWWkWWWbWWg",
        "gWkWkkWWkWWWbWWg",
        "gWkkkkkkWWWbbbWg",
        "gWWWWWWWWWWWWWWg",
        "gggggggggggggggg",
    ])


def icon_timestamp():
    g = blank()
    disc(g, 8.0, 8.0, 7.2, 'b')
    disc(g, 8.0, 8.0, 6.1, 'B')
    disc(g, 8.0, 8.0, 5.0, 'W')
    for y in range(4, 9):
        plot(g, 7, y, 'k')
    for x in range(8, 12):
        plot(g, x, 8, 'k')
    plot(g, 7, 8, 'R')
    return g


def icon_attribute():
    box_on = [
        "ggggggg",
        "gWWWWGg",
        "gWWWGGg",
        "gGWGGWg",
        "gGGGWWg",
        "gWGWWWg",
        "ggggggg",
    ]
    box_off = [
        "ggggggg",
        "gWWWWWg",
        "gWWWWWg",
        "gWWWWWg",
        "gWWWWWg",
        "gWWWWWg",
        "ggggggg",
    ]
    g = overlay(blank(), box_on, 1, 1)
    g = overlay(g, box_off, 1, 9)
    for y in (3, 4, 11, 12):
        for x in range(9, 15):
            plot(g, x, y, 'B')
    return g


def icon_replace_rename():
    a = [
        ".RRR.",
        "RR.RR",
        "RR.RR",
        "RRRRR",
        "RR.RR",
        "RR.RR",
        "RR.RR",
    ]
    b = [
        "BBBB.",
        "BB.BB",
        "BB.BB",
        "BBBB.",
        "BB.BB",
        "BB.BB",
        "BBBB.",
    ]
    g = overlay(blank(), a, 0, 1)
    g = overlay(g, b, 11, 8)
    # a bent arrow from the old letter to the new one
    for x in range(2, 8):
        plot(g, x, 10, 'G')
        plot(g, x, 11, 'G')
    for y in range(9, 12):
        plot(g, 2, y, 'G')
        plot(g, 3, y, 'G')
    g = overlay(g, ["G..", "GG.", "GGG", "GGG", "GG.", "G.."], 7, 8)
    return g


def icon_compress():
    return zipped_folder()


def icon_expand():
    return overlay(zipped_folder(), ARROW_DOWN, 7, 8)


def icon_reload():
    """A clockwise arrow around a circle, open at the upper right."""
    g = blank()
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x + 0.5 - 8.0, y + 0.5 - 8.0
            d = math.hypot(dx, dy)
            a = math.degrees(math.atan2(dy, dx))
            if 3.6 <= d <= 6.0 and not (-90.0 < a < -5.0):
                g[y][x] = 'G'
    # Arrow head at the upper end, pointing along the turn (to the right).
    tip, top, bottom = (12.6, 3.2), (8.0, -0.3), (8.0, 6.7)
    for y in range(SIZE):
        for x in range(SIZE):
            if inside_triangle((x + 0.5, y + 0.5), tip, top, bottom):
                g[y][x] = 'G'
    return g


def inside_triangle(p, a, b, c):
    def side(p1, p2, p3):
        return (p1[0] - p3[0]) * (p2[1] - p3[1]) - (p2[0] - p3[0]) * (p1[1] - p3[1])
    d1, d2, d3 = side(p, a, b), side(p, b, c), side(p, c, a)
    neg = d1 < 0 or d2 < 0 or d3 < 0
    pos = d1 > 0 or d2 > 0 or d3 > 0
    return not (neg and pos)


def icon_filter():
    return grid([
        "................",
        ".bbbbbbbbbbbbbb.",
        ".bBBBBBBBBBBBBb.",
        "..bBBBBBBBBBBb..",
        "...bBBBBBBBBb...",
        "....bBBBBBBb....",
        ".....bBBBBb.....",
        "......bBBb......",
        "......bBBb......",
        "......bBBb......",
        "......bBBb......",
        "......bBBb......",
        "......bbbb......",
    ])


def icon_font():
    return grid([
        "................",
        "......BBBB......",
        "......BBBB......",
        ".....BBBBBB.....",
        ".....BB..BB.....",
        "....BBB..BBB....",
        "....BB....BB....",
        "...BBBBBBBBBB...",
        "...BBBBBBBBBB...",
        "..BBB......BBB..",
        "..BB........BB..",
        ".BBB........BBB.",
        "................",
        ".RRRRRRRRRRRRRR.",
    ])


def icon_new_process():
    g = apply(blank(), window(5, 1, 14, 10))
    return apply(g, window(1, 5, 10, 14))


# Resource id, file stem, drawing; in the program's load order.
ICONS = [
    (143, "info", icon_info),
    (140, "open", icon_open),
    (141, "select_folder", icon_select_folder),
    (142, "parent_folder", icon_parent_folder),
    (144, "edit", icon_edit),
    (145, "property", icon_property),
    (146, "desktop_shortcut", icon_desktop_shortcut),
    (147, "volume_label", icon_volume_label),
    (148, "command", icon_command),
    (149, "associated", icon_associated),
    (150, "exit", icon_exit),
    (152, "copy_name", icon_copy_name),
    (153, "paste", icon_paste),
    (154, "copy_path", icon_copy_path),
    (155, "select_all", icon_select_all),
    (156, "search", icon_search),
    (157, "delete", icon_delete),
    (158, "file_copy", icon_file_copy),
    (159, "file_move", icon_file_move),
    (160, "make_folder", icon_make_folder),
    (162, "rename", icon_rename),
    (163, "timestamp", icon_timestamp),
    (164, "attribute", icon_attribute),
    (165, "replace_rename", icon_replace_rename),
    (166, "compress", icon_compress),
    (167, "expand", icon_expand),
    (168, "reload", icon_reload),
    (169, "filter", icon_filter),
    (170, "font", icon_font),
    (171, "new_process", icon_new_process),
]


def bmp_bytes(g):
    """A bottom-up 24-bit BMP (BITMAPFILEHEADER + BITMAPINFOHEADER)."""
    row_size = (SIZE * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(SIZE - 1, -1, -1):
        row = bytearray()
        for x in range(SIZE):
            r, gr, b = PALETTE[g[y][x]]
            row += bytes((b, gr, r))
        row += b'\0' * (row_size - len(row))
        pixels += row
    info = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 24, 0, len(pixels),
                       2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return header + info + bytes(pixels)


def file_name(resource_id, stem):
    return "menu_%d_%s.bmp" % (resource_id, stem)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, '..', '..', 'src', 'resources', 'bitmaps')
    os.makedirs(out, exist_ok=True)
    for resource_id, stem, draw in ICONS:
        data = bmp_bytes(draw())
        with open(os.path.join(out, file_name(resource_id, stem)), 'wb') as f:
            f.write(data)
    print("wrote %d bitmaps to %s" % (len(ICONS), os.path.normpath(out)))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
