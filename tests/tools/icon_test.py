#!/usr/bin/env python3
"""Checks the icon painter's PNGs with a decoder of its own (Python's zlib): valid chunks and
checksums, the asked size, a round badge on a transparent square, the same bytes every run,
and refusals of bad requests.
Usage: icon_test.py MAKE-ICON"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib

failures = 0


def expect(what, ok):
    global failures
    print(("ok   - " if ok else "FAIL - ") + what)
    if not ok:
        failures += 1


def decode(path):
    """Returns width, height and rows of (r, g, b, a) tuples; raises ValueError on damage."""
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("no PNG signature")
    pos, chunks = 8, []
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        (crc,) = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        if len(body) != length or zlib.crc32(kind + body) != crc:
            raise ValueError("chunk %r damaged" % kind)
        chunks.append((kind, body))
        pos += 12 + length
    kinds = [k for k, _ in chunks]
    if kinds[0] != b"IHDR" or kinds[-1] != b"IEND":
        raise ValueError("chunks out of order: %r" % kinds)
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    if (depth, colour, interlace) != (8, 6, 0):
        raise ValueError("not 8-bit RGBA without interlace")
    raw = zlib.decompress(b"".join(b for k, b in chunks if k == b"IDAT"))
    stride = 1 + width * 4
    if len(raw) != stride * height:
        raise ValueError("%d bytes of pixels for %d x %d" % (len(raw), width, height))
    rows = []
    for y in range(height):
        line = raw[y * stride:(y + 1) * stride]
        if line[0] != 0:
            raise ValueError("row %d has filter %d" % (y, line[0]))
        rows.append([tuple(line[1 + 4 * x:5 + 4 * x]) for x in range(width)])
    return width, height, rows


def main():
    tool = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as scratch:
        for size in (16, 48, 256):
            path = os.path.join(scratch, "icon-%d.png" % size)
            run = subprocess.run([tool, str(size), path])
            expect("a %d pixel icon is written" % size, run.returncode == 0)
            try:
                width, height, rows = decode(path)
            except (OSError, ValueError, zlib.error) as error:
                expect("the %d pixel icon decodes (%s)" % (size, error), False)
                continue
            expect("the %d pixel icon decodes, %d x %d" % (size, width, height),
                   (width, height) == (size, size))
            corners = [rows[0][0], rows[0][-1], rows[-1][0], rows[-1][-1]]
            middle = rows[size // 2][size // 2]
            expect("its corners are transparent %r" % [c[3] for c in corners],
                   all(c[3] == 0 for c in corners))
            expect("its middle is opaque (alpha %d)" % middle[3], middle[3] == 255)
            colours = {p[:3] for row in rows for p in row if p[3] == 255}
            expect("it is a picture, not a blank (%d colours)" % len(colours),
                   len(colours) > (20 if size < 32 else 200))
            again = os.path.join(scratch, "again.png")
            subprocess.run([tool, str(size), again], check=True)
            expect("the %d pixel icon is the same on every run" % size,
                   open(path, "rb").read() == open(again, "rb").read())

        for args in ([], ["48"], ["big", "x.png"], ["48x", "x.png"], ["8", "x.png"],
                     ["4096", "x.png"], ["48", "x.png", "more"]):
            run = subprocess.run([tool] + args, cwd=scratch, capture_output=True)
            expect("refused with usage: make_icon %s (status %d)" % (" ".join(args), run.returncode),
                   run.returncode == 2 and b"usage" in run.stderr
                   and not os.path.exists(os.path.join(scratch, "x.png")))
        run = subprocess.run([tool, "48", os.path.join(scratch, "no-such-folder", "x.png")],
                             capture_output=True)
        expect("an unwritable file is reported (status %d)" % run.returncode,
               run.returncode == 1 and b"cannot write" in run.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
