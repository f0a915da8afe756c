#!/usr/bin/env python3
"""Draws the program's icon and writes it as a Windows .ico file.

    make_icon.py OUTPUT

The icon is a white play triangle on a rounded square shaded from orange at
the top to rose at the bottom, drawn at 16, 24, 32, 48 and 256 pixels. Every
size is drawn from the same shapes, each pixel covered as far as the shapes'
edges cross it, so small sizes stay smooth. The small sizes are stored as
32-bit bitmaps with an AND mask, the 256 pixel one as a PNG, as Windows Vista
and later read it.
"""
import math
import struct
import sys
import zlib

SIZES = (16, 24, 32, 48, 256)
PNG_FROM = 256  # sizes from this one on are stored as PNG

TOP = (255, 138, 61)
BOTTOM = (229, 50, 107)
MARK = (255, 255, 255)

# The shapes in units of the icon's side (0..1, y downwards).
SQUARE_MARGIN = 0.03
SQUARE_RADIUS = 0.22
# The triangle's corners before rounding; its middle sits a little right of the
# centre, where a play mark looks centred.
TRIANGLE = ((0.38, 0.27), (0.38, 0.73), (0.76, 0.50))
TRIANGLE_ROUNDING = 0.05


def rounded_square_distance(x, y):
    """Signed distance from (x, y) to the rounded square, negative inside."""
    half = 0.5 - SQUARE_MARGIN - SQUARE_RADIUS
    qx = abs(x - 0.5) - half
    qy = abs(y - 0.5) - half
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - SQUARE_RADIUS


def shrunk_triangle():
    """The triangle moved inwards by the rounding, so rounding keeps its size."""
    cx = sum(p[0] for p in TRIANGLE) / 3
    cy = sum(p[1] for p in TRIANGLE) / 3
    # The inradius of the triangle, to shrink it towards its centre in proportion.
    a, b, c = TRIANGLE
    sides = [math.dist(b, c), math.dist(a, c), math.dist(a, b)]
    area = abs((b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1])) / 2
    inradius = 2 * area / sum(sides)
    scale = (inradius - TRIANGLE_ROUNDING) / inradius
    return [(cx + (px - cx) * scale, cy + (py - cy) * scale) for px, py in TRIANGLE]


def segment_distance(px, py, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = min(max(t, 0.0), 1.0)
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def triangle_distance(x, y, corners):
    """Signed distance from (x, y) to the rounded triangle, negative inside."""
    edges = list(zip(corners, corners[1:] + corners[:1]))
    distance = min(segment_distance(x, y, a, b) for a, b in edges)
    crossings = [(b[0] - a[0]) * (y - a[1]) - (b[1] - a[1]) * (x - a[0]) for a, b in edges]
    inside = all(c >= 0 for c in crossings) or all(c <= 0 for c in crossings)
    return (-distance if inside else distance) - TRIANGLE_ROUNDING


def coverage(distance, size):
    """How much of a pixel a shape covers, from the distance to its edge."""
    return min(max(0.5 - distance * size, 0.0), 1.0)


def draw(size):
    """Rows of (red, green, blue, alpha) pixels, top row first."""
    corners = shrunk_triangle()
    rows = []
    for row in range(size):
        y = (row + 0.5) / size
        shade = [round(t + (b - t) * y) for t, b in zip(TOP, BOTTOM)]
        pixels = []
        for column in range(size):
            x = (column + 0.5) / size
            alpha = coverage(rounded_square_distance(x, y), size)
            mark = coverage(triangle_distance(x, y, corners), size)
            colour = [round(s + (m - s) * mark) for s, m in zip(shade, MARK)]
            pixels.append((*colour, round(alpha * 255)))
        rows.append(pixels)
    return rows


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_image(rows):
    size = len(rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    raw = b"".join(b"\0" + bytes(channel for pixel in row for channel in pixel) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def bitmap_image(rows):
    """A BITMAPINFOHEADER, the BGRA rows bottom-up, then the AND mask."""
    size = len(rows)
    mask_stride = (size + 31) // 32 * 4
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for column, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[column // 8] |= 0x80 >> (column % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + bytes(mask)


def icon_file(sizes):
    images = [png_image(draw(s)) if s >= PNG_FROM else bitmap_image(draw(s)) for s in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        side = size if size < 256 else 0  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT")
    with open(sys.argv[1], "wb") as output:
        output.write(icon_file(SIZES))


if __name__ == "__main__":
    main()
