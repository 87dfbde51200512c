#!/usr/bin/env python3
"""Writes a small seed corpus of our own pictures for the fuzz targets.

Usage: make-seeds.py OUTPUT_FOLDER  (creates bmp/, tga/ and load/ inside it)
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib


def bmp(width, height, bits, rows, palette=b"", compression=0, top_down=False, masks=b""):
    """A BMP file from already padded pixel rows (bottom row first unless top_down)."""
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, -height if top_down else height, 1, bits,
                       compression, len(data), 2835, 2835, len(palette) // 4, 0)
    offset = 14 + len(info) + len(masks) + len(palette)
    head = b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset)
    return head + info + masks + palette + data


def pad(row):
    return row + b"\0" * (-len(row) % 4)


def pixel(x, y):
    return bytes(((x * 40) & 255, (y * 60) & 255, ((x + y) * 25) & 255))


def bmps():
    w, h = 5, 3
    rows24 = [pad(b"".join(pixel(x, y) for x in range(w))) for y in range(h)]
    grey = b"".join(bytes((i, i, i, 0)) for i in range(256))
    colour = b"".join(bytes((i, 255 - i, (i * 7) & 255, 0)) for i in range(16))
    rows8 = [pad(bytes((x * 3 + y) % 16 for x in range(w))) for y in range(h)]
    rle8 = b"\x03\x01\x02\x05\x00\x00" + b"\x05\x02\x00\x00" + b"\x02\x07\x03\x09\x00\x01"
    rows16 = [pad(b"".join(struct.pack("<H", (x * 5 << 10) | (y * 9 << 5) | 17)
                           for x in range(w))) for y in range(h)]
    rows32 = [b"".join(pixel(x, y) + b"\x80" for x in range(w)) for y in range(h)]
    return {
        "24.bmp": bmp(w, h, 24, rows24),
        "24-top-down.bmp": bmp(w, h, 24, rows24[::-1], top_down=True),
        "8-grey.bmp": bmp(w, h, 8, rows8, grey),
        "8-colour.bmp": bmp(w, h, 8, rows8, colour),
        "8-rle.bmp": bmp(w, h, 8, [rle8], colour, compression=1),
        "16.bmp": bmp(w, h, 16, rows16),
        "32.bmp": bmp(w, h, 32, rows32),
    }


def tga(width, height, bits, data, image_type=2, descriptor=0, footer=False):
    head = struct.pack("<BBBHHBHHHHBB", 0, 0, image_type, 0, 0, 0, 0, 0, width, height, bits,
                       descriptor)
    tail = struct.pack("<II", 0, 0) + b"TRUEVISION-XFILE.\0" if footer else b""
    return head + data + tail


def tgas():
    w, h = 4, 2
    raw24 = b"".join(pixel(x, y) for y in range(h) for x in range(w))
    raw32 = b"".join(pixel(x, y) + bytes((x * 60,)) for y in range(h) for x in range(w))
    rle = b"\x83" + pixel(1, 1) + b"\x01" + pixel(2, 0) + pixel(0, 2) + b"\x81" + pixel(3, 3)
    return {
        "24.tga": tga(w, h, 24, raw24),
        "24-footer.tga": tga(w, h, 24, raw24, footer=True),
        "24-top.tga": tga(w, h, 24, raw24, descriptor=0x20, footer=True),
        "32.tga": tga(w, h, 32, raw32, descriptor=8, footer=True),
        "24-rle.tga": tga(w, h, 24, rle, image_type=10, footer=True),
    }


def png(width, height):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(
            ">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    rows = b"".join(b"\0" + b"".join(pixel(x, y) + b"\xff" for x in range(width))
                    for y in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6,
                                                              0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def icon(kind, width, height):
    """A 32-bit icon (kind 1) or cursor (kind 2) with an AND mask that hides the first pixel."""
    xor = b"".join(pixel(x, y) + bytes((255 * (x > 0),)) for y in range(height)
                   for x in range(width))
    mask_row = pad(bytes((0x80,) + (0,) * ((width + 7) // 8 - 1)))
    info = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0, 0, 0, 0, 0, 0)
    body = info + xor + mask_row * height
    entry = struct.pack("<BBBBHHII", width, height, 0, 0, 1, 32, len(body), 22)
    return struct.pack("<HHH", 0, kind, 1) + entry + body


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


def write(folder, files):
    os.makedirs(folder, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    write(os.path.join(out, "bmp"), bmps())
    write(os.path.join(out, "tga"), tgas())
    load = {**bmps(), **tgas(), "6x4.png": png(6, 4), "3x2.ico": icon(1, 3, 2),
            "3x2.cur": icon(2, 3, 2), "5x3.gif": gif(5, 3), "3x9-interlaced.gif": gif(3, 9, True)}
    write(os.path.join(out, "load"), load)
    # JPEG and GIF seeds come from the PNG, when ImageMagick is at hand.
    convert = shutil.which("convert")
    if convert:
        with tempfile.TemporaryDirectory() as scratch:
            source = os.path.join(scratch, "seed.png")
            with open(source, "wb") as f:
                f.write(png(6, 4))
            for kind in ("jpg", "gif"):
                subprocess.run([convert, source, os.path.join(out, "load", "6x4." + kind)],
                               check=False, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


if __name__ == "__main__":
    main()
