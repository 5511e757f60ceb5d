#!/usr/bin/env python3
"""Draws the icon set of Torva.exe and writes one .ico file per icon (32x32 and 16x16, 32-bit).

Extraction index -> file torva_NN.ico (resource id NN + 1):
  0        application
  1        menu shown; also the menu definition document
  2..13    function-key marks F1..F12
  14       script document
  15       menu hidden
  16..27   shifted function-key marks Shift+F1..Shift+F12

Usage: make_icons.py OUTPUT_FOLDER
Only the standard library is used, so the build needs nothing beyond python3.
"""
import os
import struct
import sys

TRANSPARENT = (0, 0, 0, 0)

# 3x5 glyphs for the key labels.
GLYPHS = {
    "F": ["111", "100", "110", "100", "100"],
    "0": ["111", "101", "101", "101", "111"],
    "1": ["010", "110", "010", "010", "111"],
    "2": ["111", "001", "111", "100", "111"],
    "3": ["111", "001", "111", "001", "111"],
    "4": ["101", "101", "111", "001", "001"],
    "5": ["111", "100", "111", "001", "111"],
    "6": ["111", "100", "111", "101", "111"],
    "7": ["111", "001", "010", "010", "010"],
    "8": ["111", "101", "111", "101", "111"],
    "9": ["111", "101", "111", "001", "111"],
}


def rgb(hex_colour, alpha=255):
    return ((hex_colour >> 16) & 0xFF, (hex_colour >> 8) & 0xFF, hex_colour & 0xFF, alpha)


class Canvas:
    def __init__(self, size):
        self.size = size
        self.px = [[TRANSPARENT] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Filled rectangle, inclusive corners."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def rounded(self, x0, y0, x1, y1, fill, border):
        """A rounded box: filled, with a one-pixel border and cut corners."""
        self.rect(x0, y0, x1, y1, fill)
        self.frame(x0, y0, x1, y1, border)
        for (x, y) in ((x0, y0), (x1, y0), (x0, y1), (x1, y1)):
            self.put(x, y, TRANSPARENT)
        for (x, y) in ((x0 + 1, y0 + 1), (x1 - 1, y0 + 1), (x0 + 1, y1 - 1), (x1 - 1, y1 - 1)):
            self.put(x, y, border)

    def text(self, x, y, label, scale, colour):
        for ch in label:
            glyph = GLYPHS[ch]
            for gy, row in enumerate(glyph):
                for gx, bit in enumerate(row):
                    if bit == "1":
                        self.rect(x + gx * scale, y + gy * scale, x + gx * scale + scale - 1,
                                  y + gy * scale + scale - 1, colour)
            x += 3 * scale + (scale if scale > 1 else 1)

    def text_width(self, label, scale):
        gap = scale if scale > 1 else 1
        return len(label) * 3 * scale + (len(label) - 1) * gap


def s(v, size):
    """A coordinate on the 32-pixel design grid scaled to the canvas."""
    return (v * size) // 32


def button_grid(c, x0, y0, x1, y1, face, edge, cols=2, rows=3, gap=1):
    w = (x1 - x0 + 1 - gap * (cols - 1)) // cols
    h = (y1 - y0 + 1 - gap * (rows - 1)) // rows
    for r in range(rows):
        for col in range(cols):
            bx = x0 + col * (w + gap)
            by = y0 + r * (h + gap)
            c.rect(bx, by, bx + w - 1, by + h - 1, face)
            if w > 2 and h > 2:
                c.frame(bx, by, bx + w - 1, by + h - 1, edge)


def draw_application(size):
    c = Canvas(size)
    n = size - 1
    c.rounded(0, 0, n, n, rgb(0x1F5FAF), rgb(0x0B2F6B))
    c.rect(1, 1, n - 1, s(6, size), rgb(0x3D7FD0))  # title band
    c.rect(s(3, size), s(2, size), s(5, size), s(4, size) if size > 16 else 2, rgb(0xFFFFFF))
    button_grid(c, s(4, size), s(9, size), n - s(4, size), n - s(4, size), rgb(0xE8EEF8), rgb(0x7F9CC8),
                gap=2 if size > 16 else 1)
    # One button pressed: the launcher's purpose at a glance.
    c.rect(s(4, size) + 1, s(9, size) + 1, s(14, size), s(14, size), rgb(0xFFC832))
    return c


def draw_document(size, inner):
    """A page with a folded corner; inner() fills the page."""
    c = Canvas(size)
    n = size - 1
    x0, x1 = s(5, size), n - s(5, size)
    fold = s(7, size)
    paper, edge = rgb(0xFFFFFF), rgb(0x505A68)
    c.rect(x0, 0, x1, n, paper)
    c.frame(x0, 0, x1, n, edge)
    for i in range(fold):  # cut corner
        for x in range(x1 - fold + 1 + i, x1 + 1):
            c.put(x, i, TRANSPARENT)
        c.put(x1 - fold + i, i, edge)
    c.rect(x1 - fold, 0, x1 - fold, fold, edge)
    c.rect(x1 - fold, fold, x1, fold, edge)
    inner(c, x0 + 2, fold + 2, x1 - 2, n - 2)
    return c


def draw_definition(size):
    def inner(c, x0, y0, x1, y1):
        button_grid(c, x0, y0, x1, y1, rgb(0x3D7FD0), rgb(0x1F4F8F), gap=1)
    c = draw_document(size, inner)
    c.rect(s(5, size) + 2, 2, s(14, size), 2 if size <= 16 else 3, rgb(0x1F5FAF))  # title line
    return c


def draw_script(size):
    def inner(c, x0, y0, x1, y1):
        step = 2 if c.size <= 16 else 4
        lengths = [1.0, 0.6, 0.85, 0.45, 0.75, 0.9]
        for i, y in enumerate(range(y0, y1 + 1, step)):
            width = int((x1 - x0 - 2) * lengths[i % len(lengths)])
            c.rect(x0 + 2, y, x0 + 2 + width, y + (0 if c.size <= 16 else 1), rgb(0x2E8B3E))
            c.put(x0, y, rgb(0x9A3E1E))  # the line marker of a script
    c = draw_document(size, inner)
    # A prompt chevron in the corner shows that the document runs.
    n = size - 1
    for i in range(s(4, size) + 1):
        c.put(s(6, size) + i, n - s(8, size) + i, rgb(0xC02020))
        c.put(s(6, size) + i, n - s(8, size) + 2 * s(4, size) - i, rgb(0xC02020))
    return c


def draw_hidden(size):
    c = Canvas(size)
    n = size - 1
    grey, dark = rgb(0xC8CCD2, 200), rgb(0x6A717C)
    c.rect(1, 1, n - 1, n - 1, rgb(0xEEF0F3, 120))
    for i in range(0, size, 2 if size <= 16 else 3):  # dashed outline: a window that is not shown
        for (x, y) in ((i, 0), (i, n), (0, i), (n, i)):
            c.put(x, y, dark)
    button_grid(c, s(5, size), s(5, size), n - s(5, size), n - s(5, size), grey, rgb(0x9AA0A8), gap=2 if size > 16 else 1)
    # An arrow down to the tray.
    mid = size // 2
    for i in range(s(5, size) + 1):
        c.rect(mid - i, n - s(3, size) - s(5, size) + i, mid + i, n - s(3, size) - s(5, size) + i, rgb(0x1F5FAF))
    return c


def draw_key(size, number, shifted):
    """A small keycap in the top rows only: the menu draws the mark at the top of a button and the
    caption below it, so the lower part of the icon stays transparent."""
    c = Canvas(size)
    big = size > 16
    if shifted:
        fill, border, ink = rgb(0xFFD27A), rgb(0x8A5A00), rgb(0x4A2A00)
    else:
        fill, border, ink = rgb(0xF2F4F7), rgb(0x4A5260), rgb(0x10306A)
    cap_bottom = 13 if big else 7
    x0, x1 = (2, size - 3) if big else (0, size - 1)
    c.rounded(x0, 0, x1, cap_bottom, fill, border)
    c.rect(x0 + 1, cap_bottom - 1, x1 - 1, cap_bottom - 1, rgb(0x000000, 60))  # key depth
    label = "F%d" % number
    scale = 2 if big else 1
    w = c.text_width(label, scale)
    x = x0 + (x1 - x0 + 1 - w) // 2
    c.text(x, 2 if big else 1, label, scale, ink)
    if shifted:  # a shift bar under the cap tells the shifted marks apart besides their colour
        c.rect(x0 + 2, cap_bottom + 1, x1 - 2, cap_bottom + (2 if big else 1), border)
    return c


def dib(canvas):
    """BITMAPINFOHEADER + 32-bit BGRA pixels bottom-up + 1-bit AND mask."""
    size = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in range(size - 1, -1, -1):
        for (r, g, b, a) in canvas.px[y]:
            pixels += bytes((b, g, r, a))
    mask = bytearray()
    row_bytes = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(size):
            if canvas.px[y][x][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(pixels) + bytes(mask)


def ico(canvases):
    images = [dib(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.size % 256, c.size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    return bytes(out)


def drawings():
    table = [draw_application, draw_definition]
    table += [(lambda size, k=k: draw_key(size, k, False)) for k in range(1, 13)]
    table += [draw_script, draw_hidden]
    table += [(lambda size, k=k: draw_key(size, k, True)) for k in range(1, 13)]
    return table


def main():
    if len(sys.argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for index, draw in enumerate(drawings()):
        data = ico([draw(32), draw(16)])
        path = os.path.join(folder, "torva_%02d.ico" % index)
        with open(path + ".tmp", "wb") as f:
            f.write(data)
        os.replace(path + ".tmp", path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
