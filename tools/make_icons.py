#!/usr/bin/env python3
"""Draw Netvik's icons and write them as .ico files.

Generates, into src/app/icons/:
  checking.ico  disabled.ico  error.ico         tray icons, 16/20/24/32
  computer.ico  host.ico      internet.ico      tray icons, 16/20/24/32
  netvik.ico                                    application icon, 16/20/24/32/48

and docs/icons.png, a preview sheet of every icon at every size, enlarged.

The notification area asks for the system's small-icon size: 16 pixels at
100 %, 20, 24 and 32 at 125, 150 and 200 %. Each size is drawn for itself.
The sizes every system asks for (16, and the program icon's 32 and 48) are
stored twice: as an 8-bit palette image with an AND mask (for systems
without alpha-blended icons) and as a 32-bit BGRA image with an AND mask.
The sizes only scaled displays ask for (20, 24, and the tray's 32) are
asked for only by systems that read PNG images in icons; each is stored
once, as a PNG with alpha whose opaque pixels take at most 16 colours, about
a fifth of the 32-bit image's bytes. (A system that asks for such a size
and cannot read it gets the 16-pixel picture: see Win32Pictures.) The
artwork is described as shapes (signed distance functions) and rasterised
with supersampling, so edges are anti-aliased. Only the Python 3 standard
library is used, and the output is byte-for-byte reproducible with the same
zlib.

Usage:
  python3 tools/make_icons.py            write the icons and the preview
  python3 tools/make_icons.py --check    re-read the files on disk, validate
                                         their structure, verify they hold
                                         every size and match what this
                                         script generates, and that the tray
                                         icons can replace one another
                                         without erasing
"""

import math
import struct
import sys
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
ICON_DIR = ROOT / "src" / "app" / "icons"
PREVIEW = ROOT / "docs" / "icons.png"

SUPERSAMPLE = 8          # samples per pixel along each axis
ALPHA_THRESHOLD = 128    # alpha below this is transparent in the AND mask


# --------------------------------------------------------------------------
# Shapes: signed distance functions, negative inside, in pixel units.
# Pixel (i, j) covers the square [i, i+1] x [j, j+1].

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(x0, y0, x1, y1, radius=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return sdf


def _segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
    t = min(1.0, max(0.0, t))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def stroke(points, width):
    """A polyline of the given width with round joins and caps."""
    half = width / 2
    segments = list(zip(points, points[1:]))

    def sdf(x, y):
        return min(_segment_distance(x, y, a[0], a[1], b[0], b[1])
                   for a, b in segments) - half
    return sdf


def ellipse_ring(cx, cy, rx, ry, width):
    """The outline of an ellipse (approximate distance, exact enough here)."""
    half = width / 2

    def sdf(x, y):
        px, py = (x - cx) / rx, (y - cy) / ry
        k0 = math.hypot(px, py)
        k1 = math.hypot(px / rx, py / ry)
        if k1 == 0.0:
            return min(rx, ry) - half
        return abs(k0 * (k0 - 1.0) / k1) - half
    return sdf


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def scaled(shape, k):
    """Draw a shape designed on a 16-pixel grid at k times that size."""
    if k == 1:
        return shape
    return lambda x, y: shape(x / k, y / k) * k


# --------------------------------------------------------------------------
# Paint and rasterisation.

def rgb(hex_colour, alpha=255):
    value = int(hex_colour.lstrip("#"), 16)
    return (value >> 16 & 255, value >> 8 & 255, value & 255, alpha)


def mix(c0, c1, t):
    t = min(1.0, max(0.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def radial(light, dark, cx, cy, r):
    """Shading that goes from `light` at (cx, cy) to `dark` at distance r."""
    return lambda x, y: mix(light, dark, math.hypot(x - cx, y - cy) / r)


class Layer:
    """A shape filled with a colour (or shading function), optionally with an
    outline of the given width drawn just inside its edge."""

    def __init__(self, shape, fill, outline=None, width=1.0):
        self.shape, self.fill = shape, fill
        self.outline, self.width = outline, width

    def colour_at(self, x, y):
        d = self.shape(x, y)
        if d > 0.0:
            return None
        if self.outline is not None and d > -self.width:
            return self.outline
        return self.fill(x, y) if callable(self.fill) else self.fill


def render(layers, size):
    """Rasterise layers (bottom first) into rows of straight RGBA tuples.

    Each sample point composites all layers; the samples of a pixel are then
    averaged with premultiplied alpha, which keeps shared edges seamless."""
    offsets = [(i + 0.5) / SUPERSAMPLE for i in range(SUPERSAMPLE)]
    count = SUPERSAMPLE * SUPERSAMPLE
    image = []
    for py in range(size):
        row = []
        for px in range(size):
            sr = sg = sb = sa = 0.0
            for oy in offsets:
                for ox in offsets:
                    r = g = b = a = 0.0
                    for layer in layers:
                        c = layer.colour_at(px + ox, py + oy)
                        if c is None:
                            continue
                        ca = c[3] / 255.0
                        r = c[0] * ca + r * (1.0 - ca)
                        g = c[1] * ca + g * (1.0 - ca)
                        b = c[2] * ca + b * (1.0 - ca)
                        a = ca + a * (1.0 - ca)
                    sr, sg, sb, sa = sr + r, sg + g, sb + b, sa + a
            alpha = sa / count
            if alpha <= 0.0:
                row.append((0, 0, 0, 0))
                continue
            row.append((_byte(sr / count / alpha), _byte(sg / count / alpha),
                        _byte(sb / count / alpha), _byte(alpha * 255.0)))
        image.append(row)
    return image


def _byte(value):
    return min(255, max(0, int(value + 0.5)))


# --------------------------------------------------------------------------
# Artwork. Tray icons are designed on a 16x16 grid; odd-width details are
# centred on pixel centres (x.5) so that they stay crisp.

WHITE = rgb("#ffffff")

# Every tray icon is the same disc with the same rim. The notification area
# of some shells does not erase the old icon before drawing a new one, so the
# new icon is alpha-blended over the old: identical coverage means nothing of
# the old icon shows where the new one is transparent, and an identical rim
# colour means that the partly transparent edge pixels blend the same way
# whichever icon was there before. The rim is a little wider than one pixel
# so that every edge pixel is rim only, with no fill mixed in; at the larger
# sizes the edge falls between pixel boundaries, and a pixel it crosses
# reaches up to 1.42 pixels (the diagonal) into the disc.
TRAY_DISC = circle(7.5, 7.5, 7.5)
TRAY_RIM = rgb("#262a30")
TRAY_RIM_WIDTH = 1.1
TRAY_RIM_WIDTH_SCALED = 1.5
TRAY_INSIDE = circle(7.5, 7.5, 7.5 - TRAY_RIM_WIDTH)


def grid_box(k, x0, y0, x1, y1, radius=0.0):
    """A box of the 16-pixel design whose edges, drawn at k times that size,
    fall on pixel boundaries, so that it stays crisp: each side keeps its
    length, rounded to whole pixels (at least one), and its centre as nearly
    as whole pixels allow. At 16 pixels it is the box as designed."""
    def snap(a, b):
        length = max(1, int((b - a) * k + 0.5))
        start = math.floor((a + b) * k / 2 - length / 2 + 0.5)
        return start / k, (start + length) / k
    (x0, x1), (y0, y1) = snap(x0, x1), snap(y0, y1)
    return box(x0, y0, x1, y1, radius)


def disc_icon(fill_light, fill_dark):
    """The round badge that every tray icon is drawn on."""
    return Layer(TRAY_DISC, radial(fill_light, fill_dark, 5.0, 4.5, 11.0),
                 TRAY_RIM, TRAY_RIM_WIDTH)


def emblem(shape, colour):
    """A symbol on the badge, kept off the rim."""
    return Layer(intersect(TRAY_INSIDE, shape), colour)


def art_checking(k):
    dots = union(circle(3.5, 8.0, 1.45), circle(7.5, 8.0, 1.45),
                 circle(11.5, 8.0, 1.45))
    return [disc_icon(rgb("#7cc0ff"), rgb("#1c62c8")), emblem(dots, WHITE)]


def art_disabled(k):
    slash = stroke([(4.0, 11.0), (11.0, 4.0)], 2.4)
    return [disc_icon(rgb("#d4d4d4"), rgb("#7c7c7c")), emblem(slash, WHITE)]


def art_error(k):
    cross = union(stroke([(4.5, 4.5), (10.5, 10.5)], 2.2),
                  stroke([(4.5, 10.5), (10.5, 4.5)], 2.2))
    return [disc_icon(rgb("#ff8a7a"), rgb("#c81e14")), emblem(cross, WHITE)]


def art_internet(k):
    """Connected: a white globe on green, its meridians meeting at the poles."""
    grid = union(grid_box(k, 7.0, 0.0, 8.0, 15.0),          # central meridian
                 ellipse_ring(7.5, 7.5, 4.0, 6.4, 1.0),     # side meridians
                 grid_box(k, 0.0, 7.0, 15.0, 8.0))          # equator
    return [disc_icon(rgb("#6fd64a"), rgb("#178017")),
            emblem(grid, rgb("#f0ffe8", 230))]


def art_host(k):
    """Host answers, Internet does not: a dark router with two antennas on
    amber."""
    router = union(grid_box(k, 4.0, 3.0, 5.0, 8.0), grid_box(k, 10.0, 3.0, 11.0, 8.0),
                   grid_box(k, 3.0, 8.0, 12.0, 11.0, 0.5))
    leds = union(grid_box(k, 5.0, 9.0, 6.0, 10.0), grid_box(k, 7.0, 9.0, 8.0, 10.0),
                 grid_box(k, 9.0, 9.0, 10.0, 10.0))
    return [disc_icon(rgb("#fff0a0"), rgb("#e8a800")),
            emblem(router, rgb("#3a2400")),
            emblem(leds, rgb("#ffd040"))]


def art_computer(k):
    """Only this PC answers: a white monitor on orange."""
    frame = grid_box(k, 3.0, 3.0, 12.0, 10.0, 0.6)
    screen = grid_box(k, 4.0, 4.0, 11.0, 9.0)
    stand = union(grid_box(k, 7.0, 10.0, 8.0, 11.0), grid_box(k, 5.0, 11.0, 10.0, 12.0))
    return [disc_icon(rgb("#ffa658"), rgb("#d85400")),
            emblem(union(frame, stand), WHITE),
            emblem(screen, rgb("#8a3000"))]


def art_netvik(size):
    """Application icon: a blue globe with a white ping pulse across it."""
    k = size / 16
    edge = 1.0 if size < 48 else 1.5
    globe = scaled(circle(8.0, 8.0, 8.0), k)
    inner = scaled(circle(8.0, 8.0, 7.0), k)
    grid = intersect(inner, scaled(union(
        ellipse_ring(8.0, 8.0, 3.4, 7.2, 1.0 if size < 32 else 0.6),
        box(7.5, 0.0, 8.5, 16.0) if size < 32 else box(7.7, 0.0, 8.3, 16.0),
        box(0.0, 4.0, 16.0, 4.6), box(0.0, 11.4, 16.0, 12.0)), k))
    pulse_points = [(0.5, 8.5), (4.5, 8.5), (6.2, 4.0), (8.8, 13.0),
                    (10.5, 8.5), (15.5, 8.5)]
    pulse = scaled(stroke(pulse_points, 1.6 if size < 32 else 2.2), k)
    # At 16x16 an outline would swallow the pulse; white on blue suffices.
    pulse_edge = (rgb("#0a2a60"), edge) if size >= 32 else (None, 0.0)
    return [Layer(globe, radial(rgb("#9ad8ff"), rgb("#1658b8"),
                                5.0 * k, 4.5 * k, 12.0 * k),
                  rgb("#0a2a60"), edge),
            Layer(grid, rgb("#0d3f8a", 150)),
            Layer(pulse, WHITE, *pulse_edge)]


def tray(art):
    """Tray artwork is drawn on a 16x16 grid; scale it to the requested size
    (the artwork gets the scale, for what it keeps on whole pixels), keeping
    outlines as thin as the edges allow."""
    def draw_at(size):
        k = size / 16
        if k == 1:
            return art(k)
        return [Layer(scaled(layer.shape, k),
                      (lambda x, y, f=layer.fill: f(x / k, y / k))
                      if callable(layer.fill) else layer.fill,
                      layer.outline, max(layer.width, TRAY_RIM_WIDTH_SCALED))
                for layer in art(k)]
    return draw_at


# The icons the program swaps in the notification area; they must share one
# silhouette (see TRAY_DISC).
TRAY_ICONS = ("checking.ico", "disabled.ico", "error.ico", "computer.ico",
              "host.ico", "internet.ico")

# The images of an icon file, as (size, format), in file order: 8 and 32
# are BMP images of that many bits per pixel, PNG a PNG image with alpha.
PNG = "png"
TRAY_IMAGES = ((16, 8), (16, 32), (20, PNG), (24, PNG), (32, PNG))
PROGRAM_IMAGES = ((16, 8), (16, 32), (20, PNG), (24, PNG), (32, 8), (32, 32),
                  (48, 8), (48, 32))
PNG_COLOURS = 16  # of the opaque pixels; the edges keep theirs
TRAY_SIZES = (16, 20, 24, 32)

# file name -> (images, drawing function taking the size)
ICONS = {
    "checking.ico": (TRAY_IMAGES, tray(art_checking)),
    "disabled.ico": (TRAY_IMAGES, tray(art_disabled)),
    "error.ico": (TRAY_IMAGES, tray(art_error)),
    "computer.ico": (TRAY_IMAGES, tray(art_computer)),
    "host.ico": (TRAY_IMAGES, tray(art_host)),
    "internet.ico": (TRAY_IMAGES, tray(art_internet)),
    "netvik.ico": (PROGRAM_IMAGES, art_netvik),
}


def sizes_of(images):
    return sorted({size for size, _ in images})


def draw(name, size):
    return render(ICONS[name][1](size), size)


# --------------------------------------------------------------------------
# Palette quantisation (median cut), for the 8-bit images and the PNG images'
# opaque pixels. Index 0 is black and is what transparent pixels store, so
# that (screen AND 1) XOR 0 leaves the screen untouched.

def opaque(pixel):
    return pixel[3] >= ALPHA_THRESHOLD


def median_cut(histogram, count):
    """Reduce {colour: weight} to at most `count` colours."""
    if len(histogram) <= count:
        return sorted(histogram)
    boxes = [sorted(histogram.items())]
    while len(boxes) < count:
        best = None
        for i, entries in enumerate(boxes):
            if len(entries) < 2:
                continue
            spans = [max(c[ch] for c, _ in entries) - min(c[ch] for c, _ in entries)
                     for ch in range(3)]
            span = max(spans)
            if best is None or span > best[0]:
                best = (span, i, spans.index(span))
        if best is None:
            break
        _, i, channel = best
        entries = sorted(boxes.pop(i), key=lambda e: (e[0][channel], e[0]))
        total = sum(w for _, w in entries)
        running, cut = 0, 1
        for cut in range(1, len(entries)):
            running += entries[cut - 1][1]
            if running * 2 >= total:
                break
        boxes[i:i] = [entries[:cut], entries[cut:]]
    palette = []
    for entries in boxes:
        total = sum(w for _, w in entries)
        palette.append(tuple(_byte(sum(c[ch] * w for c, w in entries) / total)
                             for ch in range(3)))
    return sorted(set(palette))


def quantise(image, palette_size):
    """Return (palette of palette_size RGB tuples, rows of indices)."""
    histogram = {}
    for row in image:
        for p in row:
            if opaque(p):
                histogram[p[:3]] = histogram.get(p[:3], 0) + 1
    colours = median_cut(histogram, palette_size - 1)
    palette = [(0, 0, 0)] + colours
    palette += [(0, 0, 0)] * (palette_size - len(palette))
    cache = {}

    def nearest(c):
        if c not in cache:
            cache[c] = min(range(1, len(colours) + 1),
                           key=lambda i: (sum((a - b) ** 2 for a, b in
                                              zip(c, palette[i])), i))
        return cache[c]
    indices = [[nearest(p[:3]) if opaque(p) else 0 for p in row]
               for row in image]
    return palette, indices


# --------------------------------------------------------------------------
# ICO writing. Each image is a BITMAPINFOHEADER with biHeight = 2 * height,
# the colour (XOR) bitmap and the 1-bit AND mask, both bottom-up with rows
# padded to 32 bits.

ICONDIR = struct.Struct("<HHH")
ICONDIRENTRY = struct.Struct("<BBBBHHII")
BITMAPINFOHEADER = struct.Struct("<IiiHHIIiiII")


def row_stride(width, bpp):
    return (width * bpp + 31) // 32 * 4


def and_mask(image):
    size = len(image)
    stride = row_stride(size, 1)
    out = bytearray()
    for row in reversed(image):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if not opaque(p):
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits
    return bytes(out)


def bmp_header(size, bpp, data_size):
    return BITMAPINFOHEADER.pack(BITMAPINFOHEADER.size, size, 2 * size, 1,
                                 bpp, 0, data_size, 0, 0, 0, 0)


def encode_8bit(image):
    size = len(image)
    palette, indices = quantise(image, 256)
    stride = row_stride(size, 8)
    pixels = b"".join(bytes(row) + bytes(stride - size)
                      for row in reversed(indices))
    mask = and_mask(image)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return bmp_header(size, 8, len(pixels) + len(mask)) + colours + pixels + mask


def encode_32bit(image):
    # Where the mask says transparent the colour is black, so that systems
    # that pick this image but ignore alpha (mask + XOR drawing) show the
    # background there rather than inverted garbage.
    size = len(image)
    pixels = bytearray()
    for row in reversed(image):
        for r, g, b, a in row:
            if a < ALPHA_THRESHOLD:
                r = g = b = 0
            pixels += bytes((b, g, r, a))
    mask = and_mask(image)
    return bmp_header(size, 32, len(pixels) + len(mask)) + bytes(pixels) + mask


def encode_png(image):
    """A PNG with alpha; its opaque pixels reduced to PNG_COLOURS colours, so
    that it compresses well, its partly transparent edges as drawn."""
    solid = [[p if p[3] == 255 else (0, 0, 0, 0) for p in row] for row in image]
    palette, indices = quantise(solid, PNG_COLOURS + 1)
    rows = [[palette[i] + (255,) if p[3] == 255 else p if p[3] else (0, 0, 0, 0)
             for i, p in zip(irow, prow)]
            for irow, prow in zip(indices, image)]
    return png_bytes(rows, alpha=True)


ENCODERS = {8: encode_8bit, 32: encode_32bit, PNG: encode_png}


def build_ico(images, layout):
    """images: {size: rgba rows}; layout: (size, format) pairs in file order."""
    entries = [(size, kind, ENCODERS[kind](images[size])) for size, kind in layout]
    offset = ICONDIR.size + ICONDIRENTRY.size * len(entries)
    head = ICONDIR.pack(0, 1, len(entries))
    body = b""
    for size, kind, data in entries:
        dim = size if size < 256 else 0
        bpp = 32 if kind == PNG else kind
        head += ICONDIRENTRY.pack(dim, dim, 0, 0, 1, bpp, len(data), offset)
        offset += len(data)
        body += data
    return head + body


# --------------------------------------------------------------------------
# PNG writing (8-bit RGB) and the preview sheet.

def png_bytes(image, alpha=False):
    """image: rows of RGB tuples, or of RGBA tuples with alpha."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    height, width = len(image), len(image[0])
    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in image)
    colour_type = 6 if alpha else 2
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def png_content(data):
    """The header and uncompressed pixel rows of a PNG, or None if it is not
    one. Used to compare previews independently of the zlib build."""
    if not data.startswith(b"\x89PNG\r\n\x1a\n"):
        return None
    pos, header, idat = 8, None, b""
    while pos + 8 <= len(data):
        length, kind = struct.unpack_from(">I4s", data, pos)
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = body
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    try:
        return header, zlib.decompress(idat)
    except zlib.error:
        return None


def compose_grid(rows, scale, cell, background, gap):
    """Place rows of RGBA images in cells of `cell` pixels, enlarged (nearest
    neighbour), on a solid background; returns rows of RGB tuples."""
    step = cell * scale + gap
    width = gap + step * max(len(row) for row in rows)
    sheet = [[background] * width for _ in range(gap + step * len(rows))]
    for r, row in enumerate(rows):
        for c, im in enumerate(row):
            top, left = gap + r * step, gap + c * step
            for y in range(len(im) * scale):
                for x in range(len(im[0]) * scale):
                    red, green, blue, a = im[y // scale][x // scale]
                    sheet[top + y][left + x] = tuple(
                        _byte(v * a / 255 + bg * (255 - a) / 255)
                        for v, bg in zip((red, green, blue), background))
    return sheet


PREVIEW_ORDER = ["internet.ico", "host.ico", "computer.ico", "error.ico",
                 "checking.ico", "disabled.ico", "netvik.ico"]
# Light and dark taskbars.
PREVIEW_BACKGROUNDS = [(240, 240, 240), (32, 32, 32)]


def shown_image(images, size):
    """The picture a system with alpha-blended icons shows at that size: the
    image of the size with alpha (the last one)."""
    return [im for im in images if im["size"] == size][-1]["pixels"]


def preview_png(files):
    """Every icon (columns) at each tray size (rows), as the files hold them,
    four times enlarged, on a light and on a dark background."""
    decoded = [parse_ico(files[ICON_DIR / name]) for name in PREVIEW_ORDER]
    rows = [[shown_image(images, size) for images in decoded]
            for size in TRAY_SIZES]
    sheet = []
    for background in PREVIEW_BACKGROUNDS:
        sheet += compose_grid(rows, 4, max(TRAY_SIZES), background, 12)
    return png_bytes(sheet)


def generate():
    """Return {path: bytes} of every generated file."""
    files = {}
    for name, (images, _) in ICONS.items():
        files[ICON_DIR / name] = build_ico(
            {s: draw(name, s) for s in sizes_of(images)}, images)
    files[PREVIEW] = preview_png(files)
    return files


# --------------------------------------------------------------------------
# Reading ICO files back, for --check.

class IcoError(Exception):
    pass


def parse_ico(data):
    """Decode an .ico file into a list of images, each a dict with size, kind
    (8, 32 or PNG), 'pixels' (rows of RGBA) and 'mask' (rows of 0/1; for a
    PNG, where alpha is below the threshold). Raises IcoError."""
    if len(data) < ICONDIR.size:
        raise IcoError("file too short")
    reserved, kind, count = ICONDIR.unpack_from(data)
    if reserved != 0 or kind != 1 or count == 0:
        raise IcoError("bad ICONDIR (%d, %d, %d)" % (reserved, kind, count))
    table_end = ICONDIR.size + count * ICONDIRENTRY.size
    if len(data) < table_end:
        raise IcoError("directory truncated")
    images, extents = [], []
    for i in range(count):
        (w, h, colour_count, res, planes, bpp, length, offset
         ) = ICONDIRENTRY.unpack_from(data, ICONDIR.size + i * ICONDIRENTRY.size)
        where = "entry %d" % i
        if res != 0 or planes != 1 or colour_count != 0:
            raise IcoError("%s: reserved/planes/colour count invalid" % where)
        if offset < table_end or offset + length > len(data):
            raise IcoError("%s: data outside the file" % where)
        extents.append((offset, offset + length))
        blob = data[offset:offset + length]
        if blob.startswith(PNG_SIGNATURE):
            if bpp != 32:
                raise IcoError("%s: a PNG image must be listed at 32 bpp" % where)
            images.append(parse_png(blob, w or 256, h or 256, where))
        else:
            images.append(parse_bmp(blob, w or 256, h or 256, bpp, where))
    extents.sort()
    for (_, end), (start, _) in zip(extents, extents[1:]):
        if start < end:
            raise IcoError("image data overlaps")
    if extents[0][0] != table_end or extents[-1][1] != len(data):
        raise IcoError("stray bytes before, between or after the images")
    return images


def parse_bmp(blob, width, height, bpp, where):
    if len(blob) < BITMAPINFOHEADER.size:
        raise IcoError("%s: header truncated" % where)
    (hsize, bw, bh, planes, bbpp, compression, _, _, _, used,
     _) = BITMAPINFOHEADER.unpack_from(blob)
    if hsize != BITMAPINFOHEADER.size or compression != 0 or planes != 1:
        raise IcoError("%s: unsupported bitmap header" % where)
    if bw != width or bh != 2 * height or bbpp != bpp:
        raise IcoError("%s: bitmap is %dx%d at %d bpp, directory says %dx%d "
                       "at %d bpp (biHeight must be twice the height)"
                       % (where, bw, bh, bbpp, width, height, bpp))
    if bpp not in (8, 32):
        raise IcoError("%s: unexpected bit depth %d" % (where, bpp))
    pos = hsize
    palette = []
    if bpp == 8:
        entries = used or 256
        if entries > 256 or len(blob) < pos + 4 * entries:
            raise IcoError("%s: bad palette size %d" % (where, entries))
        palette = [(blob[pos + 4 * i + 2], blob[pos + 4 * i + 1], blob[pos + 4 * i])
                   for i in range(entries)]
        pos += 4 * entries
    stride, mask_stride = row_stride(width, bpp), row_stride(width, 1)
    expected = pos + stride * height + mask_stride * height
    if len(blob) != expected:
        raise IcoError("%s: %d bytes of image data, expected %d"
                       % (where, len(blob), expected))
    pixels, mask = [], []
    for y in range(height):
        row_at = pos + (height - 1 - y) * stride
        mask_at = pos + stride * height + (height - 1 - y) * mask_stride
        if bpp == 8:
            idx = blob[row_at:row_at + width]
            if max(idx) >= len(palette):
                raise IcoError("%s: palette index out of range" % where)
            pixels.append([palette[i] + (255,) for i in idx])
        else:
            pixels.append([(blob[row_at + 4 * x + 2], blob[row_at + 4 * x + 1],
                            blob[row_at + 4 * x], blob[row_at + 4 * x + 3])
                           for x in range(width)])
        mask.append([blob[mask_at + x // 8] >> (7 - x % 8) & 1
                     for x in range(width)])
    return {"size": width, "kind": bpp, "pixels": pixels, "mask": mask}


PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def parse_png(blob, width, height, where):
    """An 8-bit RGBA PNG without interlacing, as the generator writes it."""
    content = png_content(blob)
    if content is None or content[0] is None:
        raise IcoError("%s: unreadable PNG" % where)
    header, raw = content
    if header != struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0):
        raise IcoError("%s: PNG is not %dx%d RGBA" % (where, width, height))
    stride = 4 * width
    if len(raw) != (stride + 1) * height:
        raise IcoError("%s: %d bytes of PNG data, expected %d"
                       % (where, len(raw), (stride + 1) * height))
    pixels, previous = [], bytes(stride)
    for y in range(height):
        at = y * (stride + 1)
        row = bytearray(raw[at + 1:at + 1 + stride])
        kind = raw[at]
        for i in range(stride):
            left = row[i - 4] if i >= 4 else 0
            up, corner = previous[i], previous[i - 4] if i >= 4 else 0
            if kind == 1:
                row[i] = (row[i] + left) & 255
            elif kind == 2:
                row[i] = (row[i] + up) & 255
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 255
            elif kind == 4:
                guess = left + up - corner
                nearest = min((abs(guess - left), 0, left), (abs(guess - up), 1, up),
                              (abs(guess - corner), 2, corner))[2]
                row[i] = (row[i] + nearest) & 255
            elif kind != 0:
                raise IcoError("%s: bad PNG filter %d" % (where, kind))
        previous = bytes(row)
        pixels.append([tuple(row[4 * x:4 * x + 4]) for x in range(width)])
    mask = [[1 if p[3] < ALPHA_THRESHOLD else 0 for p in row] for row in pixels]
    return {"size": width, "kind": PNG, "pixels": pixels, "mask": mask}


def check_icon(name, data, layout):
    """Validate one .ico against its (size, format) layout; returns a list of
    problems (empty when fine)."""
    try:
        images = parse_ico(data)
    except IcoError as e:
        return ["%s: %s" % (name, e)]
    problems = []
    found = [(im["size"], im["kind"]) for im in images]
    if found != list(layout):
        problems.append("%s: images %s, expected %s" % (name, found, list(layout)))
    by_size = {}
    for im in images:
        by_size.setdefault(im["size"], {})[im["kind"]] = im
        where = "%s %dx%d %s" % (name, im["size"], im["size"], im["kind"])
        pairs = [(p, m) for prow, mrow in zip(im["pixels"], im["mask"])
                 for p, m in zip(prow, mrow)]
        if im["kind"] != PNG:
            not_black = sum(1 for p, m in pairs if m and p[:3] != (0, 0, 0))
            if not_black:
                problems.append("%s: %d transparent pixels are not black"
                                % (where, not_black))
        if im["kind"] == 32:
            disagree = sum(1 for p, m in pairs if m != (p[3] < ALPHA_THRESHOLD))
            if disagree:
                problems.append("%s: mask disagrees with alpha at %d pixels"
                                % (where, disagree))
        if all(all(row) for row in im["mask"]):
            problems.append("%s: image is entirely transparent" % where)
    for size, pair in by_size.items():
        if 8 not in pair or 32 not in pair:
            continue
        low, high = pair[8], pair[32]
        if low["mask"] != high["mask"]:
            problems.append("%s %dx%d: 8-bit and 32-bit masks differ"
                            % (name, size, size))
            continue
        worst = 0
        for prow, qrow, mrow in zip(low["pixels"], high["pixels"], low["mask"]):
            for p, q, m in zip(prow, qrow, mrow):
                if not m:
                    worst = max(worst, *(abs(a - b) for a, b in zip(p[:3], q[:3])))
        if worst > 24:
            problems.append("%s %dx%d: 8-bit colours stray up to %d from the "
                            "32-bit image" % (name, size, size, worst))
    return problems


def ico_content(data):
    """The images of an .ico file as decoded, to compare files independently
    of the zlib build that compressed their PNG images."""
    return [(im["size"], im["kind"], im["pixels"], im["mask"]) for im in parse_ico(data)]


def blend(image, screen):
    """Alpha-blend a 32-bit icon image over screen pixels (rows of RGB), as
    the shell draws it; the result is rounded to bytes like a real screen."""
    def over(p, q):
        a = p[3]
        return tuple(_byte((c * a + s * (255 - a)) / 255)
                     for c, s in zip(p[:3], q))
    return [[over(p, q) for p, q in zip(prow, srow)]
            for prow, srow in zip(image, screen)]


# Backgrounds the notification area may have: light, dark, grey, coloured.
TASKBARS = [(255, 255, 255), (0, 0, 0), (128, 128, 128), (0, 84, 150)]


def check_tray_swaps(decoded):
    """decoded: {name: parsed images} of the tray icons. The program swaps
    them in place, and a shell that does not erase the old icon first blends
    the new one over it; so at every size the icons must cover exactly the
    same pixels, and what shows after a swap must not depend on the icon
    that was there."""
    problems = []
    first = TRAY_ICONS[0]
    images = {name: {(im["size"], im["kind"]): im for im in decoded[name]}
              for name in TRAY_ICONS}
    for name in TRAY_ICONS[1:]:
        for key, ref in images[first].items():
            im = images[name].get(key)
            where = "%s %dx%d %s" % ((name,) + key[:1] + key)
            if im is None:
                problems.append("%s: missing" % where)
                continue
            if im["mask"] != ref["mask"]:
                problems.append("%s: AND mask differs from %s" % (where, first))
            if key[1] != 8 and ([[p[3] for p in row] for row in im["pixels"]] !=
                                 [[p[3] for p in row] for row in ref["pixels"]]):
                problems.append("%s: alpha differs from %s" % (where, first))
    if problems:
        return problems
    # With the same silhouette, an opaque pixel replaces the old icon and a
    # transparent one leaves the background. Partly transparent edge pixels
    # cannot cover the old icon: they must be identical in every icon, so that
    # a swap looks the same as drawing the new icon over itself (which such a
    # shell also does when the icon is set again), whatever the old one was.
    for size, kind in images[first]:
        if kind == 8:
            continue
        screens = [[[b] * size for _ in range(size)] for b in TASKBARS]
        for new in TRAY_ICONS:
            top = images[new][size, kind]["pixels"]
            redrawn = [blend(top, blend(top, screen)) for screen in screens]
            for old in TRAY_ICONS:
                if old == new:
                    continue
                for background, screen, want in zip(TASKBARS, screens, redrawn):
                    shown = blend(top, blend(images[old][size, kind]["pixels"], screen))
                    leaks = [(x, y) for y in range(size) for x in range(size)
                             if shown[y][x] != want[y][x]]
                    if leaks:
                        problems.append(
                            "%s drawn over %s at %d pixels on #%02x%02x%02x: the "
                            "old icon shows through at %d pixels, first at (%d, %d)"
                            % ((new, old, size) + background + (len(leaks),) + leaks[0]))
                        break
    return problems


def check():
    """Validate the files on disk and compare them with fresh output; prints
    the problems and returns the exit status."""
    problems = []
    expected = generate()
    decoded = {}
    for name, (layout, _) in ICONS.items():
        path = ICON_DIR / name
        if not path.exists():
            problems.append("%s: missing" % name)
            continue
        data = path.read_bytes()
        found = check_icon(name, data, layout)
        problems += found
        if not found:
            decoded[name] = parse_ico(data)
        if not found and ico_content(data) != ico_content(expected[path]):
            problems.append("%s: differs from the generator's output" % name)
    if all(name in decoded for name in TRAY_ICONS):
        problems += check_tray_swaps(decoded)
    if (not PREVIEW.exists() or
            png_content(PREVIEW.read_bytes()) != png_content(expected[PREVIEW])):
        problems.append("%s: missing or out of date" % PREVIEW.relative_to(ROOT))
    for p in problems:
        print("error:", p, file=sys.stderr)
    if not problems:
        print("ok: %d icons and the preview are valid and up to date" % len(ICONS))
    return 1 if problems else 0


def main(argv):
    if argv == ["--check"]:
        return check()
    if argv:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    for path, data in generate().items():
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        print("wrote", path.relative_to(ROOT))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
