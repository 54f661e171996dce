#!/usr/bin/env python3
"""Draws the program's icon, the capture rectangle, and writes app/panel.ico.

A dark blue screen with a lighter rectangle on it, marked at its corners by
four orange brackets, as the range markers mark it on the real screen. Each
size is drawn on its own pixel grid (16, 24, 32, 48 and 256 pixels), so the
small ones stay sharp; edges are smoothed by sampling each pixel 4x4.

It also writes the three pictures of the icon in the notification area, the
program's icon with a round mark in its bottom right corner, at the sizes of
the small icon at 100, 125, 150 and 200 % display scaling (16, 20, 24 and 32
pixels): app/tray-hooked.ico (a green mark: redirecting, the hook working),
app/tray-waiting.ico (a yellow mark: redirecting, no hook yet) and
app/tray-off.ico (the icon in grey, a red mark: the redirection off).

Only the standard library is used. Run it by hand after changing the drawing:

    python3 scripts/make-icon.py [output.ico] [--png folder]

--png also writes each size as icon-<size>.png, for looking at them.
"""

import os
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 256)
SCREEN = (0x23, 0x3A, 0x5E)  # dark blue
AREA = (0x5C, 0x8F, 0xD6)  # the captured rectangle
BRACKET = (0xFF, 0x8A, 0x1C)  # orange corner markers
SAMPLES = 4
TRAY_SIZES = (16, 20, 24, 32)
# The notification area's pictures: (file, mark colour, the icon in grey).
TRAY_PICTURES = (
    ("tray-hooked.ico", (0x2E, 0xC8, 0x3C), False),
    ("tray-waiting.ico", (0xFF, 0xD2, 0x1E), False),
    ("tray-off.ico", (0xE8, 0x2A, 0x2A), True),
)
MARK_EDGE = (0x14, 0x14, 0x14)  # the mark's outline, seen on light and dark task bars


def shapes(size):
    """The figures of one size, back to front: (colour, test(x, y))."""
    margin = max(1, round(size / 16))
    radius = size / 8
    lo, hi = margin, size - margin

    def screen(x, y):
        if not (lo <= x < hi and lo <= y < hi):
            return False
        cx = min(max(x, lo + radius), hi - radius)
        cy = min(max(y, lo + radius), hi - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius**2

    thick = max(2, round(size / 14))
    inset = margin + max(1, round(size / 12))
    arm = round(size / 4)
    # The captured rectangle lies inside the brackets, a line of screen
    # between them.
    gap = max(1, round(size / 16))
    a_lo, a_hi = inset + thick + gap, size - inset - thick - gap

    def area(x, y):
        return a_lo <= x < a_hi and a_lo <= y < a_hi

    def brackets(x, y):
        for corner_x, corner_y, dx, dy in (
            (inset, inset, 1, 1),
            (size - inset, inset, -1, 1),
            (inset, size - inset, 1, -1),
            (size - inset, size - inset, -1, -1),
        ):
            # Distances into the bracket from its corner, along each arm.
            u = (x - corner_x) * dx
            v = (y - corner_y) * dy
            if 0 <= u < arm and 0 <= v < arm and (u < thick or v < thick):
                return True
        return False

    return ((SCREEN, screen), (AREA, area), (BRACKET, brackets))


def grey(colour):
    """A colour as a light grey of the same brightness."""
    level = round(0.3 * colour[0] + 0.59 * colour[1] + 0.11 * colour[2])
    level = 96 + level * 5 // 8
    return (level, level, level)


def tray_shapes(size, mark, greyed):
    """The program's icon (in grey when greyed) with a round mark at its
    bottom right corner, outlined so that it stands out from what is under it."""
    figures = [((grey(fill) if greyed else fill), test) for fill, test in shapes(size)]
    radius = size * 0.3
    edge = max(1.0, size / 16)
    centre = size - radius - 0.25

    def outline(x, y):
        return (x - centre) ** 2 + (y - centre) ** 2 <= radius**2

    def dot(x, y):
        return (x - centre) ** 2 + (y - centre) ** 2 <= (radius - edge) ** 2

    return tuple(figures) + ((MARK_EDGE, outline), (mark, dot))


def render(size, figures=None):
    """Rows of (r, g, b, a) tuples, top row first."""
    figures = figures or shapes(size)
    rows = []
    step = 1 / SAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) * step
                    y = py + (sy + 0.5) * step
                    colour = None
                    for fill, inside in figures:
                        if inside(x, y):
                            colour = fill
                    if colour:
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
                        a += 1
            n = SAMPLES * SAMPLES
            if a:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(rows):
    """A 32-bit icon bitmap: BGRA rows bottom up, then the AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def ico(images):
    """images: (size, data) pairs; the 256-pixel one is stored as PNG."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main(args):
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    output = os.path.join(repo, "app", "panel.ico")
    png_folder = None
    while args:
        arg = args.pop(0)
        if arg == "--png":
            png_folder = args.pop(0)
        else:
            output = arg
    images = []
    for size in SIZES:
        rows = render(size)
        images.append((size, png(rows) if size >= 256 else dib(rows)))
        if png_folder:
            os.makedirs(png_folder, exist_ok=True)
            with open(os.path.join(png_folder, f"icon-{size}.png"), "wb") as f:
                f.write(png(rows))
    with open(output, "wb") as f:
        f.write(ico(images))
    print(f"make-icon: {output} ({', '.join(str(s) for s in SIZES)} px)")
    for name, mark, greyed in TRAY_PICTURES:
        tray_output = os.path.join(os.path.dirname(output), name)
        tray_images = []
        for size in TRAY_SIZES:
            rows = render(size, tray_shapes(size, mark, greyed))
            tray_images.append((size, dib(rows)))
            if png_folder:
                with open(os.path.join(png_folder, f"{name[:-4]}-{size}.png"), "wb") as f:
                    f.write(png(rows))
        with open(tray_output, "wb") as f:
            f.write(ico(tray_images))
        print(f"make-icon: {tray_output} ({', '.join(str(s) for s in TRAY_SIZES)} px)")


if __name__ == "__main__":
    main(sys.argv[1:])
