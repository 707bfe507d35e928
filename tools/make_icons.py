#!/usr/bin/env python3
"""Draws the program's icon, a calendar page at 16, 32, 48, 64 and 256 pixels.

    tools/make_icons.py OUTPUT_FOLDER

writes almanaque.ico into OUTPUT_FOLDER; res/almanaque.ico was made with
"tools/make_icons.py res". Every picture is drawn here from
simple shapes, sampled 4 x 4 times per pixel for smooth edges; nothing is taken from elsewhere.
The 256-pixel image, which Explorer shows in its large views, is stored as PNG, the form Windows
keeps its large icon images in; the others as bitmaps.
"""

import os
import struct
import sys
import zlib

SAMPLES = 4


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def render(size, layers):
    """layers: list of (inside(u, v) with u, v in 0..1, (r, g, b, a)), painted in order."""
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (px + (sx + 0.5) / SAMPLES) / size
                    v = (py + (sy + 0.5) / SAMPLES) / size
                    color = (0, 0, 0, 0)
                    for inside, fill in layers:
                        if inside(u, v):
                            color = fill
                    alpha = color[3] / 255.0
                    acc[0] += color[0] * alpha
                    acc[1] += color[1] * alpha
                    acc[2] += color[2] * alpha
                    acc[3] += alpha
            n = SAMPLES * SAMPLES
            a = acc[3] / n
            if a > 0:
                r, g, b = (round(acc[i] / acc[3]) for i in range(3))
            else:
                r = g = b = 0
            row.append((r, g, b, round(a * 255)))
        pixels.append(row)
    return pixels


def calendar_page(size):
    dark = (60, 60, 70, 255)
    white = (255, 255, 255, 255)
    red = (200, 40, 40, 255)
    box = (150, 165, 190, 255)
    layers = [
        (rounded_rect(0.06, 0.12, 0.94, 0.97, 0.08), dark),
        (rounded_rect(0.10, 0.16, 0.90, 0.93, 0.05), white),
        (rect(0.10, 0.16, 0.90, 0.38), red),
        (rounded_rect(0.24, 0.03, 0.34, 0.26, 0.04), dark),
        (rounded_rect(0.66, 0.03, 0.76, 0.26, 0.04), dark),
    ]
    columns, rows = (3, 2) if size <= 16 else (4, 3)
    left, top, right, bottom = 0.17, 0.46, 0.83, 0.87
    step_x = (right - left) / columns
    step_y = (bottom - top) / rows
    for row in range(rows):
        for column in range(columns):
            x0 = left + column * step_x + step_x * 0.15
            y0 = top + row * step_y + step_y * 0.15
            color = red if (row, column) == (rows - 1, columns - 1) else box
            layers.append((rect(x0, y0, x0 + step_x * 0.7, y0 + step_y * 0.7), color))
    return render(size, layers)


def png_image(pixels):
    """A square pixel grid (rows from the top, RGBA) as PNG bytes: 8-bit RGBA, no filter."""
    size = len(pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    rows = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in pixels)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 9))
            + chunk(b"IEND", b""))


def bitmap_image(pixels):
    """A square pixel grid (rows from the top, RGBA) as an icon's bitmap: header, colours, mask."""
    size = len(pixels)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    color = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_row_bytes = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(pixels):
        bits = bytearray(mask_row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return info + color + mask


def icon_file(images):
    """images: list of square pixel grids (rows from the top, RGBA). Returns the .ico bytes."""
    header = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    data = b""
    offset = 6 + 16 * len(images)
    for pixels in images:
        size = len(pixels)
        image = png_image(pixels) if size >= 256 else bitmap_image(pixels)
        # A width or height of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image),
                               offset + len(data))
        data += image
    return header + entries + data


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "almanaque.ico"), "wb") as f:
        f.write(icon_file([calendar_page(s) for s in (16, 32, 48, 64, 256)]))


if __name__ == "__main__":
    main()
