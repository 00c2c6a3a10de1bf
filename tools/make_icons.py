#!/usr/bin/python3
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
once, as a PNG with alpha whose opaque pixels take at most 16 colours: a
palette image of 8 bits a pixel, its partly transparent edges among the
colours, each colour's alpha in the tRNS chunk. (A system that asks for
such a size and cannot read it gets the 16-pixel picture: see
Win32Pictures.)

PIL (Debian's python3-pil) draws the shapes, 16 x 16 samples a pixel
averaged so that edges are anti-aliased, picks the palettes, and writes and
reads the PNG images; this script writes the ICO container and its BMP
images, a layout PIL does not write. The same PIL draws the same pixels.

Usage (Debian's /usr/bin/python3 sees python3-pil):
  tools/make_icons.py            write the icons and the preview
  tools/make_icons.py --check    read the files back and verify that they
                                 hold every size, show what this script
                                 draws and are what it writes, and that the
                                 tray icons can replace one another without
                                 erasing
"""

import collections
import io
import itertools
import math
import struct
import sys
import zlib
from pathlib import Path

try:
    from PIL import Image, ImageChops, ImageDraw
except ImportError:
    sys.exit("make_icons.py needs PIL, Debian's python3-pil (scripts/install-deps.sh "
             "installs it), and a Python that sees it, such as /usr/bin/python3")

ROOT = Path(__file__).resolve().parent.parent
ICON_DIR = ROOT / "src" / "app" / "icons"
PREVIEW = ROOT / "docs" / "icons.png"

SAMPLES = 16             # samples per pixel along each axis
ALPHA_THRESHOLD = 128    # alpha below this is transparent in the AND mask


# --------------------------------------------------------------------------
# Shapes, in units of the 16-pixel grid. Each fills the samples whose centre
# it covers, in a mask at u samples a unit; circles and strokes, which take
# outlines, shrunk by `inset` units for the fill inside the outline.

def _bbox(u, x0, y0, x1, y1):
    return [round(x0 * u), round(y0 * u), round(x1 * u) - 1, round(y1 * u) - 1]


def circle(cx, cy, r):
    return lambda draw, u, inset: draw.ellipse(
        _bbox(u, cx - r + inset, cy - r + inset, cx + r - inset, cy + r - inset), fill=255)


def box(x0, y0, x1, y1, radius=0.0):
    return lambda draw, u, inset: draw.rounded_rectangle(
        _bbox(u, x0, y0, x1, y1), round(radius * u), fill=255)


def ellipse_ring(cx, cy, rx, ry, width):
    """The outline of an ellipse, centred on it."""
    h = width / 2
    return lambda draw, u, inset: draw.ellipse(
        _bbox(u, cx - rx - h, cy - ry - h, cx + rx + h, cy + ry + h), outline=255,
        width=round(width * u))


def stroke(points, width):
    """A polyline of the given width with round joins and caps."""
    def shape(draw, u, inset):
        h = width / 2 - inset
        for (ax, ay), (bx, by) in zip(points, points[1:]):
            # PIL fills a polygon with whole-sample corners, edges included:
            # half a sample narrower, it covers the samples inside the band.
            scale = (h - 0.5 / u) / math.hypot(bx - ax, by - ay)
            nx, ny = (ay - by) * scale, (bx - ax) * scale
            corners = [(ax + nx, ay + ny), (bx + nx, by + ny),
                       (bx - nx, by - ny), (ax - nx, ay - ny)]
            draw.polygon([(round(x * u - 0.5), round(y * u - 0.5)) for x, y in corners],
                         fill=255)
        for x, y in points:
            draw.ellipse(_bbox(u, x - h, y - h, x + h, y + h), fill=255)
    return shape


def union(*shapes):
    return lambda draw, u, inset: [shape(draw, u, inset) for shape in shapes]


def rgb(hex_colour, alpha=255):
    value = int(hex_colour.lstrip("#"), 16)
    return (value >> 16 & 255, value >> 8 & 255, value & 255, alpha)


def radial(light, dark, cx, cy, r):
    """Shading from `light` at (cx, cy) to `dark` at distance r, drawn at
    size x size pixels, k pixels a unit; each pixel takes its centre's."""
    def paint(size, k):
        t = Image.new("L", (size, size))
        t.putdata([min(255, round(255 * math.hypot((x + 0.5) / k - cx, (y + 0.5) / k - cy) / r))
                   for y in range(size) for x in range(size)])
        return Image.composite(Image.new("RGBA", t.size, dark),
                               Image.new("RGBA", t.size, light), t)
    return paint


# A shape filled with a colour (or a shading), optionally with an outline of
# `width` pixels just inside its edge, optionally clipped to another shape.
Layer = collections.namedtuple("Layer", "shape fill outline width clip",
                               defaults=(None, 0.0, None))


def render(layers, size):
    """Draw layers (bottom first) at size x size pixels: composited sample by
    sample, then averaged with premultiplied alpha (which keeps shared edges
    seamless). Returns an RGBA image."""
    k, n = size / 16, size * SAMPLES
    image = Image.new("RGBA", (n, n))

    def cover(shape, inset=0.0):
        mask = Image.new("L", (n, n))
        shape(ImageDraw.Draw(mask), k * SAMPLES, inset)
        return mask
    for layer in layers:
        coats = [(layer.fill, 0.0)]
        if layer.outline:
            coats = [(layer.outline, 0.0), (layer.fill, layer.width / k)]
        for paint, inset in coats:
            top = (paint(size, k).resize((n, n), Image.Resampling.NEAREST) if callable(paint)
                   else Image.new("RGBA", (n, n), paint))
            mask = cover(layer.shape, inset)
            if layer.clip:
                mask = ImageChops.multiply(mask, cover(layer.clip))
            top.putalpha(ImageChops.multiply(top.getchannel("A"), mask))
            image = Image.alpha_composite(image, top)
    return image.reduce(SAMPLES)


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


def disc_icon(k, fill_light, fill_dark):
    """The round badge that every tray icon is drawn on."""
    return Layer(TRAY_DISC, radial(fill_light, fill_dark, 5.0, 4.5, 11.0), TRAY_RIM,
                 TRAY_RIM_WIDTH if k == 1 else TRAY_RIM_WIDTH_SCALED)


def emblem(shape, colour):
    """A symbol on the badge, kept off the rim."""
    return Layer(shape, colour, clip=TRAY_INSIDE)


def art_checking(k):
    dots = union(circle(3.5, 8.0, 1.45), circle(7.5, 8.0, 1.45),
                 circle(11.5, 8.0, 1.45))
    return [disc_icon(k, rgb("#7cc0ff"), rgb("#1c62c8")), emblem(dots, WHITE)]


def art_disabled(k):
    slash = stroke([(4.0, 11.0), (11.0, 4.0)], 2.4)
    return [disc_icon(k, rgb("#d4d4d4"), rgb("#7c7c7c")), emblem(slash, WHITE)]


def art_error(k):
    cross = union(stroke([(4.5, 4.5), (10.5, 10.5)], 2.2),
                  stroke([(4.5, 10.5), (10.5, 4.5)], 2.2))
    return [disc_icon(k, rgb("#ff8a7a"), rgb("#c81e14")), emblem(cross, WHITE)]


def art_internet(k):
    """Connected: a white globe on green, its meridians meeting at the poles."""
    grid = union(grid_box(k, 7.0, 0.0, 8.0, 15.0),          # central meridian
                 ellipse_ring(7.5, 7.5, 4.0, 6.4, 1.0),     # side meridians
                 grid_box(k, 0.0, 7.0, 15.0, 8.0))          # equator
    return [disc_icon(k, rgb("#6fd64a"), rgb("#178017")),
            emblem(grid, rgb("#f0ffe8", 230))]


def art_host(k):
    """Host answers, Internet does not: a dark router with two antennas on
    amber."""
    router = union(grid_box(k, 4.0, 3.0, 5.0, 8.0), grid_box(k, 10.0, 3.0, 11.0, 8.0),
                   grid_box(k, 3.0, 8.0, 12.0, 11.0, 0.5))
    leds = union(grid_box(k, 5.0, 9.0, 6.0, 10.0), grid_box(k, 7.0, 9.0, 8.0, 10.0),
                 grid_box(k, 9.0, 9.0, 10.0, 10.0))
    return [disc_icon(k, rgb("#fff0a0"), rgb("#e8a800")),
            emblem(router, rgb("#3a2400")),
            emblem(leds, rgb("#ffd040"))]


def art_computer(k):
    """Only this PC answers: a white monitor on orange."""
    frame = grid_box(k, 3.0, 3.0, 12.0, 10.0, 0.6)
    screen = grid_box(k, 4.0, 4.0, 11.0, 9.0)
    stand = union(grid_box(k, 7.0, 10.0, 8.0, 11.0), grid_box(k, 5.0, 11.0, 10.0, 12.0))
    return [disc_icon(k, rgb("#ffa658"), rgb("#d85400")),
            emblem(union(frame, stand), WHITE),
            emblem(screen, rgb("#8a3000"))]


def art_netvik(k):
    """Application icon: a blue globe with a white ping pulse across it."""
    large = k >= 2                  # 32 and 48 pixels
    edge = 1.5 if k >= 3 else 1.0   # outlines, in pixels
    grid = union(ellipse_ring(8.0, 8.0, 3.4, 7.2, 0.6 if large else 1.0),
                 box(7.7, 0.0, 8.3, 16.0) if large else box(7.5, 0.0, 8.5, 16.0),
                 box(0.0, 4.0, 16.0, 4.6), box(0.0, 11.4, 16.0, 12.0))
    pulse = stroke([(0.5, 8.5), (4.5, 8.5), (6.2, 4.0), (8.8, 13.0), (10.5, 8.5), (15.5, 8.5)],
                   2.2 if large else 1.6)
    # At 16x16 an outline would swallow the pulse; white on blue suffices.
    pulse_edge = (rgb("#0a2a60"), edge) if large else ()
    return [Layer(circle(8.0, 8.0, 8.0),
                  radial(rgb("#9ad8ff"), rgb("#1658b8"), 5.0, 4.5, 12.0), rgb("#0a2a60"), edge),
            Layer(grid, rgb("#0d3f8a", 150), clip=circle(8.0, 8.0, 7.0)),
            Layer(pulse, WHITE, *pulse_edge)]


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

# file name -> (images, artwork at k times the 16-pixel design)
ICONS = {
    "checking.ico": (TRAY_IMAGES, art_checking),
    "disabled.ico": (TRAY_IMAGES, art_disabled),
    "error.ico": (TRAY_IMAGES, art_error),
    "computer.ico": (TRAY_IMAGES, art_computer),
    "host.ico": (TRAY_IMAGES, art_host),
    "internet.ico": (TRAY_IMAGES, art_internet),
    "netvik.ico": (PROGRAM_IMAGES, art_netvik),
}


def draw_all():
    """{name: {size: RGBA image}} of every icon at each of its sizes."""
    return {name: {size: render(art(size / 16), size) for size, _ in images}
            for name, (images, art) in ICONS.items()}


# --------------------------------------------------------------------------
# The files. Palette index 0 is black and is what transparent pixels store,
# so that (screen AND 1) XOR 0 leaves the screen untouched.

def opaque(image):
    return image.getchannel("A").point(lambda a: 255 if a >= ALPHA_THRESHOLD else 0)


def quantise(image, count, threshold):
    """The colours of the pixels whose alpha reaches `threshold`, reduced to at
    most `count`: (palette of RGB tuples, iterator of those pixels' indices)."""
    colours = [p[:3] for p in image.getdata() if p[3] >= threshold]
    strip = Image.new("RGB", (max(1, len(colours)), 1))
    strip.putdata(colours)
    strip = strip.quantize(count, Image.Quantize.MAXCOVERAGE, kmeans=10)
    flat = strip.getpalette() + [0] * 3 * count
    return [tuple(flat[i:i + 3]) for i in range(0, 3 * count, 3)], iter(strip.getdata())


def bottom_up(image, rawmode):
    """An image's rows for a BMP: bottom first, each padded to 32 bits."""
    data = image.transpose(Image.Transpose.FLIP_TOP_BOTTOM).tobytes("raw", rawmode)
    row = len(data) // image.height
    return b"".join(data[i:i + row].ljust(-(-row // 4) * 4, b"\0")
                    for i in range(0, len(data), row))


def bmp(image, bpp, colours, xor):
    """An icon's BMP image: its header (of twice the height), colours, XOR
    bitmap and AND mask (set where the image is transparent)."""
    mask = bottom_up(ImageChops.invert(opaque(image)).convert("1"), "1")
    return struct.pack("<IiiHHIIiiII", 40, image.width, 2 * image.height, 1, bpp, 0,
                       len(xor) + len(mask), 0, 0, 0, 0) + colours + xor + mask


def encode_8bit(image):
    palette, indices = quantise(image, 255, ALPHA_THRESHOLD)
    index = Image.new("L", image.size)
    index.putdata([next(indices) + 1 if a >= ALPHA_THRESHOLD else 0
                   for a in image.getchannel("A").getdata()])
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in [(0, 0, 0)] + palette)
    return bmp(image, 8, colours, bottom_up(index, "L"))


def encode_32bit(image):
    # Where the mask says transparent the colour is black, so that systems
    # that pick this image but ignore alpha (mask + XOR drawing) show the
    # background there rather than inverted garbage.
    shown = Image.composite(image, Image.new("RGBA", image.size), opaque(image))
    shown.putalpha(image.getchannel("A"))
    return bmp(image, 32, b"", bottom_up(shown, "BGRA"))


def png(image):
    out = io.BytesIO()  # zlib's default strategy packs these images the tightest
    image.save(out, "PNG", compress_level=9, compress_type=zlib.Z_DEFAULT_STRATEGY)
    return out.getvalue()


def encode_png(image):
    """A PNG with alpha; its opaque pixels reduced to PNG_COLOURS colours, so
    that it compresses well, its partly transparent edges as drawn. Stored as
    a palette image, each colour's alpha in its tRNS chunk: PIL filters the
    rows of an RGBA image (Sub, Up, Paeth), which makes these small images of
    few colours over half as big again; a palette image it leaves unfiltered."""
    palette, indices = quantise(image, PNG_COLOURS, 255)
    pixels = [palette[next(indices)] + (255,) if p[3] == 255 else p if p[3] else (0, 0, 0, 0)
              for p in image.getdata()]
    colours = sorted(set(pixels))
    if len(colours) > 256:
        raise ValueError("a %dx%d PNG image takes %d colours, more than a palette holds"
                         % (image.width, image.height, len(colours)))
    index = {colour: i for i, colour in enumerate(colours)}
    out = Image.new("P", image.size)
    out.putdata([index[p] for p in pixels])
    out.putpalette([c for colour in colours for c in colour[:3]])
    data = io.BytesIO()
    out.save(data, "PNG", optimize=True, transparency=bytes(colour[3] for colour in colours))
    return data.getvalue()


ENCODERS = {8: encode_8bit, 32: encode_32bit, PNG: encode_png}
ICONDIR, ICONDIRENTRY = struct.Struct("<HHH"), struct.Struct("<BBBBHHII")


def ico(entries):
    """An .ico file of (size, format, image data) entries, in that order."""
    offset = ICONDIR.size + ICONDIRENTRY.size * len(entries)
    head, body = ICONDIR.pack(0, 1, len(entries)), b""
    for size, kind, data in entries:
        bpp = 32 if kind == PNG else kind
        head += ICONDIRENTRY.pack(size, size, 0, 0, 1, bpp, len(data), offset)
        offset, body = offset + len(data), body + data
    return head + body


def ico_entries(data):
    """The images of an .ico file in file order, as (size, format, data)."""
    for i in range(ICONDIR.unpack_from(data)[2]):
        size, _, _, _, _, bpp, length, offset = ICONDIRENTRY.unpack_from(
            data, ICONDIR.size + ICONDIRENTRY.size * i)
        blob = data[offset:offset + length]
        yield size, PNG if blob.startswith(b"\x89PNG\r\n\x1a\n") else bpp, blob


def read_ico(data):
    """The images of an .ico file in file order, as (size, format, RGBA image;
    a BMP image's alpha is its AND mask, the 32-bit one's its alpha). PIL
    decodes each image: a BMP image handed to it as an icon of that image
    alone, a PNG image as a PNG file (PIL's icon reader drops its tRNS)."""
    return [(size, kind, Image.open(io.BytesIO(blob if kind == PNG else ico([(size, kind, blob)])))
             .convert("RGBA")) for size, kind, blob in ico_entries(data)]


def png_formats(data):
    """The bit depth and colour type (from IHDR) of each PNG image in an .ico
    file."""
    return [blob[24:26] for _, kind, blob in ico_entries(data) if kind == PNG]


def preview(icons):
    """Every icon (columns) at each tray size (rows), as the files hold them
    (at each size, the image with alpha: the last), four times enlarged, on a
    light and on a dark taskbar."""
    order = ["internet.ico", "host.ico", "computer.ico", "error.ico", "checking.ico",
             "disabled.ico", "netvik.ico"]
    gap, step = 12, 4 * max(TRAY_SIZES) + 12
    half = gap + step * len(TRAY_SIZES)
    sheet = Image.new("RGB", (gap + step * len(order), 2 * half))
    for b, background in enumerate([(240, 240, 240), (32, 32, 32)]):
        sheet.paste(background, (0, b * half, sheet.width, (b + 1) * half))
        for (c, name), (r, size) in itertools.product(enumerate(order), enumerate(TRAY_SIZES)):
            image = [im for s, _, im in icons[name] if s == size][-1]
            big = image.resize((4 * size, 4 * size), Image.Resampling.NEAREST)
            sheet.paste(big, (gap + c * step, b * half + gap + r * step), big)
    return sheet


def generate(drawn):
    """{path: bytes} of every generated file, from {name: {size: drawing}}."""
    files = {ICON_DIR / name: ico([(s, kind, ENCODERS[kind](drawn[name][s]))
                                   for s, kind in images])
             for name, (images, _) in ICONS.items()}
    files[PREVIEW] = png(preview({name: read_ico(files[ICON_DIR / name]) for name in ICONS}))
    return files


# --------------------------------------------------------------------------
# --check.

# How far a colour read back may stray from the drawing, by format.
TOLERANCE = {32: 0, 8: 24, PNG: 32}


def check_shows(where, kind, image, drawn):
    """Whether an image read from a file shows the drawing: opaque where the
    drawing is (the AND mask) or as opaque as it (alpha), its colours near the
    drawing's where they show, black where a BMP image is transparent."""
    problems = []
    alpha = opaque(drawn) if kind == 8 else drawn.getchannel("A")
    if image.getchannel("A").tobytes() != alpha.tobytes():
        problems.append("%s: %s differs from the drawing"
                        % (where, "the AND mask" if kind == 8 else "alpha"))
    shows = opaque(drawn) if kind != PNG else drawn.getchannel("A").point(lambda a: 255 * (a > 0))
    want = Image.composite(drawn, Image.new("RGBA", drawn.size), shows).convert("RGB")
    difference = ImageChops.difference(image.convert("RGB"), want)
    stray = max(high for _, high in difference.getextrema())
    if stray > TOLERANCE[kind]:
        problems.append("%s: colours stray up to %d from the drawing" % (where, stray))
    return problems


# Backgrounds the notification area may have: light, dark, grey, coloured.
TASKBARS = [(255, 255, 255), (0, 0, 0), (128, 128, 128), (0, 84, 150)]


def check_tray_swaps(icons):
    """icons: {name: images read} of the tray icons. The program swaps them in
    place, and a shell that does not erase the old icon first draws the new
    one over it, by its AND mask or blended by its alpha; so at every size
    the icons must cover the same pixels, and what shows after a swap must
    not depend on the icon that was there."""
    problems = []
    for i, (size, kind, first) in enumerate(icons[TRAY_ICONS[0]]):
        where = "%dx%d %s" % (size, size, kind)
        alpha = first.getchannel("A").tobytes()
        if any(icons[name][i][2].getchannel("A").tobytes() != alpha for name in TRAY_ICONS):
            problems.append("tray icons %s: their %s differ"
                            % (where, "AND masks" if kind == 8 else "alpha"))
        for new, old in itertools.permutations(TRAY_ICONS if kind != 8 else (), 2):
            top, below = icons[new][i][2], icons[old][i][2]
            for background in TASKBARS:
                screen = Image.new("RGBA", top.size, background)
                shown = Image.alpha_composite(Image.alpha_composite(screen, below), top)
                redrawn = Image.alpha_composite(Image.alpha_composite(screen, top), top)
                leaks = [p != q for p, q in zip(shown.getdata(), redrawn.getdata())]
                if any(leaks):
                    first_leak = leaks.index(True)
                    problems.append("%s drawn over %s at %s on #%02x%02x%02x: the old icon "
                                    "shows through at %d pixels, first at (%d, %d)"
                                    % ((new, old, where) + background + (
                                        sum(leaks), first_leak % size, first_leak // size)))
                    break
    return problems


def check():
    """Read the files on disk back and compare them with a fresh drawing;
    prints the problems and returns the exit status."""
    drawn = draw_all()
    expected = generate(drawn)
    problems, icons = [], {}
    for name, (layout, _) in ICONS.items():
        path = ICON_DIR / name
        try:
            images = read_ico(path.read_bytes())
        except Exception as e:  # missing, or not an icon that PIL reads
            problems.append("%s: unreadable: %s" % (name, e))
            continue
        if [im[:2] for im in images] != list(layout):
            problems.append("%s: images %s, expected %s"
                            % (name, [im[:2] for im in images], list(layout)))
            continue
        icons[name] = images
        for size, kind, image in images:
            where = "%s %dx%d %s" % (name, size, size, kind)
            problems += check_shows(where, kind, image, drawn[name][size])
        written = read_ico(expected[path])
        if [im[2].tobytes() for im in images] != [im[2].tobytes() for im in written]:
            problems.append("%s: differs from what this script writes" % name)
        # The same pixels stored as RGBA take over half as much room again.
        if png_formats(path.read_bytes()) != png_formats(expected[path]):
            problems.append("%s: its PNG images are not stored as this script stores them"
                            % name)
    if all(name in icons for name in TRAY_ICONS):
        problems += check_tray_swaps(icons)

    def sheet(source):
        image = Image.open(source).convert("RGB")
        return image.size, image.tobytes()
    try:
        fresh = sheet(PREVIEW) == sheet(io.BytesIO(expected[PREVIEW]))
    except OSError:
        fresh = False
    if not fresh:
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
    for path, data in generate(draw_all()).items():
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        print("wrote", path.relative_to(ROOT))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
