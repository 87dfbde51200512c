#!/usr/bin/env python3
"""Writes a seed corpus of our own pictures for the fuzz targets: every variant of BMP and TGA
the readers take (written by the tests' picture writer, the program write_bitmap_seeds of the
fuzz build), PNG, JPEG, GIF, icons and cursors for the whole chain, a cut and a damaged copy of
each, and the damaged files kept in tests/data. JPEG files are made with ImageMagick.

Usage: make-seeds.py OUTPUT_FOLDER WRITE_BITMAP_SEEDS  (creates bmp/, tga/ and load/ inside it)
"""
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
REGRESSIONS = os.path.join(HERE, "..", "tests", "data")


def pad(row):
    return row + b"\0" * (-len(row) % 4)


def pixel(x, y):
    return bytes(((x * 40) & 255, (y * 60) & 255, ((x + y) * 25) & 255))


# BMP and TGA ---------------------------------------------------------------------------------

def bitmaps(writer, scratch):
    """The BMP and TGA seeds as the tests' picture writer makes them: {kind: {name: bytes}}."""
    for kind in ("bmp", "tga"):
        os.makedirs(os.path.join(scratch, kind))
    subprocess.run([writer, scratch], check=True)
    out = {}
    for kind in ("bmp", "tga"):
        folder = os.path.join(scratch, kind)
        out[kind] = {}
        for name in sorted(os.listdir(folder)):
            with open(os.path.join(folder, name), "rb") as f:
                out[kind][name] = f.read()
    return out


def packed_rows(width, height, bits, index):
    """Rows of palette indexes packed at 1, 4 or 8 bits, padded."""
    return [pad(scanline(width, bits, [index(x, y) for x in range(width)]))
            for y in range(height)]


# PNG ------------------------------------------------------------------------------------------

def chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body
            + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}
ADAM7 = ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2),
         (0, 1, 1, 2))


def scanline(width, depth, samples):
    """One row of samples packed at the bit depth."""
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    if depth == 8:
        return bytes(samples)
    value, count, out = 0, 0, bytearray()
    for s in samples:
        value = value << depth | s
        count += depth
        if count == 8:
            out.append(value)
            value, count = 0, 0
    if count:
        out.append(value << (8 - count))
    return bytes(out)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def filtered(rows, step, kinds):
    """Rows with a filter byte each, the filter types taken in turn from `kinds`."""
    out, previous = bytearray(), bytes(len(rows[0])) if rows else b""
    for i, row in enumerate(rows):
        kind = kinds[i % len(kinds)]
        left = lambda j: row[j - step] if j >= step else 0
        corner = lambda j: previous[j - step] if j >= step else 0
        predict = (lambda j: 0, left, lambda j: previous[j],
                   lambda j: (left(j) + previous[j]) // 2,
                   lambda j: paeth(left(j), previous[j], corner(j)))[kind]
        out.append(kind)
        out.extend((row[j] - predict(j)) & 255 for j in range(len(row)))
        previous = row
    return bytes(out)


def png(width, height, colour=6, depth=8, interlace=False, palette=None, trns=None,
        before=(), after=(), kinds=(0,), parts=1):
    """A PNG of a small pattern in any colour type and depth; `before` and `after` are chunks
    placed ahead of PLTE and between PLTE and IDAT."""
    channels = CHANNELS[colour]
    top = (1 << depth) - 1

    def samples(x, y):
        if colour == 3:
            return [(x + y * 3) % (len(palette) // 3)]
        return [(x * 7 + y * 5 + c * 3) * (top // 15 or 1) % (top + 1) for c in range(channels)]

    step = max(1, channels * depth // 8)
    passes = ADAM7 if interlace else ((0, 0, 1, 1),)
    raw = b""
    for x0, y0, dx, dy in passes:
        xs, ys = range(x0, width, dx), range(y0, height, dy)
        if not xs or not ys:
            continue
        rows = [scanline(len(xs), depth, [s for x in xs for s in samples(x, y)]) for y in ys]
        raw += filtered(rows, step, kinds)
    data = zlib.compress(raw, 9)
    body = b"".join(before)
    if palette is not None:
        body += chunk(b"PLTE", palette)
    body += b"".join(after)
    if trns is not None:
        body += chunk(b"tRNS", trns)
    cut = max(1, len(data) // parts)
    body += b"".join(chunk(b"IDAT", data[i:i + cut]) for i in range(0, len(data), cut))
    ihdr = struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, 1 if interlace else 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + body + chunk(b"IEND", b"")


def ancillary(colour, depth):
    profile = zlib.compress(b"not a real profile, but deflated like one" * 4)
    early = [chunk(b"gAMA", struct.pack(">I", 45455)),
             chunk(b"cHRM", struct.pack(">8I", 31270, 32900, 64000, 33000, 30000, 60000,
                                        15000, 6000)),
             chunk(b"iCCP", b"moon\0\0" + profile),
             chunk(b"sBIT", bytes((min(5, depth),) * (3 if colour in (2, 3) else CHANNELS[colour])))]
    background = {0: b"\0\x07", 2: b"\0\x10\0\x20\0\x30", 3: b"\x01", 4: b"\0\x07",
                  6: b"\0\x10\0\x20\0\x30"}[colour]
    late = [chunk(b"bKGD", background), chunk(b"pHYs", struct.pack(">IIB", 3780, 3780, 1)),
            chunk(b"tIME", struct.pack(">HBBBBB", 2024, 2, 29, 12, 30, 59)),
            chunk(b"tEXt", b"Title\0Moon"), chunk(b"zTXt", b"Comment\0\0" + zlib.compress(b"x" * 300)),
            chunk(b"iTXt", b"Author\0\0\0en\0Autor\0nobody"), chunk(b"prVt", b"private")]
    return early, late


def pngs():
    palette = b"".join(bytes((i * 17, 255 - i * 17, (i * 50) & 255)) for i in range(16))
    files = {}
    for colour, depths in ((0, (1, 2, 4, 8, 16)), (2, (8, 16)), (3, (1, 2, 4, 8)), (4, (8, 16)),
                           (6, (8, 16))):
        for depth in depths:
            entries = palette[:3 * min(16, 1 << depth)] if colour == 3 else None
            files["c%d-%d.png" % (colour, depth)] = png(7, 5, colour, depth, palette=entries,
                                                        kinds=(0, 1, 2, 3, 4))
    files["c6-8-interlaced.png"] = png(11, 9, 6, 8, interlace=True, kinds=(4, 1))
    files["c0-2-interlaced.png"] = png(9, 11, 0, 2, interlace=True)
    files["c3-4-interlaced.png"] = png(10, 10, 3, 4, interlace=True, palette=palette)
    files["c2-16-interlaced.png"] = png(3, 5, 2, 16, interlace=True, kinds=(3,))
    files["c3-8-trns.png"] = png(6, 4, 3, 8, palette=palette, trns=bytes((0, 128, 255, 7)))
    files["c0-8-trns.png"] = png(6, 4, 0, 8, trns=b"\0\x07")
    files["c2-8-trns.png"] = png(6, 4, 2, 8, trns=b"\0\x00\0\x03\0\x06")
    files["c2-16-trns.png"] = png(6, 4, 2, 16, trns=b"\x11\x11\x22\x22\x33\x33")
    for colour, depth in ((2, 8), (3, 8), (6, 16), (0, 4)):
        early, late = ancillary(colour, depth)
        files["c%d-%d-chunks.png" % (colour, depth)] = png(
            8, 6, colour, depth, palette=palette if colour == 3 else None, before=early,
            after=late, parts=3)
    files["1x1.png"] = png(1, 1, 6, 8)
    return files


# Icons, cursors, GIF --------------------------------------------------------------------------

def icon_image(width, height, bits, alpha=True):
    """A bitmap image as an icon holds it, with an AND mask that hides the first pixel."""
    palette = b""
    if bits <= 8:
        count = 1 << bits
        palette = b"".join(bytes((i * 37 & 255, i * 91 & 255, i * 13 & 255, 0))
                           for i in range(count))
        rows = packed_rows(width, height, bits, lambda x, y: (x + y * 3) % count)
    else:
        extra = lambda x: bytes((255 * (x > 0) if alpha else 0,)) if bits == 32 else b""
        rows = [pad(b"".join(pixel(x, y) + extra(x) for x in range(width)))
                for y in range(height)]
    mask = packed_rows(width, height, 1, lambda x, y: int(x == 0 and y == 0))
    info = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, bits, 0, 0, 0, 0, 0, 0)
    return info + palette + b"".join(rows) + b"".join(mask)


def icon_file(kind, images):
    """An icon (kind 1) or cursor (kind 2) file of (width, height, colours, body) images."""
    head = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries, bodies = b"", b""
    for width, height, colours, body in images:
        entries += struct.pack("<BBBBHHII", width & 255, height & 255, colours & 255, 0,
                               1 if kind == 1 else 2, 32 if kind == 1 else 3, len(body),
                               offset + len(bodies))
        bodies += body
    return head + entries + bodies


def icons():
    files = {}
    for bits in (1, 4, 8, 24, 32):
        files["%d.ico" % bits] = icon_file(1, [(3, 2, (1 << bits) & 255, icon_image(3, 2, bits))])
    files["32-no-alpha.ico"] = icon_file(1, [(4, 3, 0, icon_image(4, 3, 32, alpha=False))])
    files["png-inside.ico"] = icon_file(1, [(6, 4, 0, png(6, 4, 6, 8))])
    files["three.ico"] = icon_file(1, [(2, 2, 2, icon_image(2, 2, 1)),
                                       (5, 3, 16, icon_image(5, 3, 4)),
                                       (4, 4, 0, png(4, 4, 3, 2, palette=b"\0\0\0" * 3 + b"\xff" * 3))])
    files["8.cur"] = icon_file(2, [(3, 2, 0, icon_image(3, 2, 8))])
    files["32.cur"] = icon_file(2, [(3, 2, 0, icon_image(3, 2, 32))])
    files["png-inside.cur"] = icon_file(2, [(6, 4, 0, png(6, 4, 2, 8))])
    return files


def gif(width, height, interlaced=False):
    """A GIF with a global and a local table, a transparent colour and plain LZW codes."""
    table = b"".join(pixel(i, 3 - i) for i in range(4))
    control = b"\x21\xf9\x04\x01\x00\x00\x02\x00"
    descriptor = b"\x2c" + struct.pack("<HHHHB", 1, 0, width, height,
                                       0x81 | (0x40 if interlaced else 0))
    # Every pixel its own 3-bit code, with a clear code before the table would grow.
    bits, count = 0, 0
    codes = []
    for i in range(width * height):
        if i % 2 == 0:
            codes.append(4)
        codes.append((i * 3) % 4)
    codes.append(5)
    for code in codes:
        bits |= code << count
        count += 3
    data = bits.to_bytes((count + 7) // 8, "little")
    return (b"GIF89a" + struct.pack("<HHBBB", width + 1, height, 0x81, 0, 0) + table + control
            + descriptor + table[::-1] + b"\x02" + bytes((len(data),)) + data + b"\x00\x3b")


# JPEG -----------------------------------------------------------------------------------------

JPEG_OPTIONS = {
    "420.jpg": [],
    "444.jpg": ["-sampling-factor", "1x1"],
    "422.jpg": ["-sampling-factor", "2x1"],
    "optimised.jpg": ["-define", "jpeg:optimize-coding=true"],
    "progressive.jpg": ["-interlace", "JPEG"],
    "grey.jpg": ["-colorspace", "Gray"],
    "grey-progressive.jpg": ["-colorspace", "Gray", "-interlace", "JPEG"],
    "cmyk.jpg": ["-colorspace", "CMYK"],
    "cmyk-progressive.jpg": ["-colorspace", "CMYK", "-interlace", "JPEG"],
    "low-quality.jpg": ["-quality", "5"],
}


def repeated_scans(data, count):
    """A progressive JPEG with its last scan header repeated without data before the end."""
    at = data.rfind(b"\xff\xda")
    length = struct.unpack(">H", data[at + 2:at + 4])[0]
    return data[:-2] + data[at:at + 2 + length] * count + data[-2:]


def jpegs(convert, scratch):
    source = os.path.join(scratch, "source.png")
    with open(source, "wb") as f:
        f.write(png(37, 13, 2, 8))
    files = {}
    for name, options in JPEG_OPTIONS.items():
        target = os.path.join(scratch, name)
        subprocess.run([convert, source] + options + [target], check=True)
        with open(target, "rb") as f:
            files[name] = f.read()
    files["many-scans.jpg"] = repeated_scans(files["progressive.jpg"], 120)
    gif_file = os.path.join(scratch, "made.gif")
    subprocess.run([convert, source, gif_file], check=True)
    with open(gif_file, "rb") as f:
        files["made.gif"] = f.read()
    return files


# Damage ---------------------------------------------------------------------------------------

def damaged(files):
    """Each file, cut in the middle, cut short at the end, and with bytes changed in the
    header and in the body: deterministic, from the file's name."""
    out = dict(files)
    for name, data in files.items():
        stem, dot, ending = name.rpartition(".")
        rng = random.Random(name)
        out["%s-cut-half.%s" % (stem, ending)] = data[:len(data) // 2]
        out["%s-cut-end.%s" % (stem, ending)] = data[:max(1, len(data) - 3)]
        for part, low, high in (("head", 2, min(len(data), 64)), ("body", 0, len(data))):
            changed = bytearray(data)
            for _ in range(3):
                at = rng.randrange(low, high) if high > low else 0
                changed[at] ^= rng.randrange(1, 256)
            out["%s-damaged-%s.%s" % (stem, part, ending)] = bytes(changed)
    return out


def write(folder, files):
    os.makedirs(folder, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    convert = shutil.which("convert")
    if not convert:
        sys.exit("error: ImageMagick's convert is needed for the JPEG seeds")
    out = sys.argv[1]
    with tempfile.TemporaryDirectory() as scratch:
        made = jpegs(convert, scratch)
        written = bitmaps(sys.argv[2], os.path.join(scratch, "written"))
    write(os.path.join(out, "bmp"), damaged(written["bmp"]))
    write(os.path.join(out, "tga"), damaged(written["tga"]))
    load = {**written["bmp"], **written["tga"], **pngs(), **icons(), **made, "5x3.gif": gif(5, 3),
            "3x9-interlaced.gif": gif(3, 9, True)}
    write(os.path.join(out, "load"), damaged(load))
    for name in sorted(os.listdir(REGRESSIONS)):
        shutil.copy(os.path.join(REGRESSIONS, name), os.path.join(out, "load", name))


if __name__ == "__main__":
    main()
