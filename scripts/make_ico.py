#!/usr/bin/env python3
"""Packs the tool's drawn icons into a Windows icon file.

    python3 scripts/make_ico.py OUTPUT.ico data/icons/app-16.png ... data/icons/app-256.png

Run by the Windows build, so the program's icon group comes from the very
pictures the Linux desktop gets (scripts/make_images.py draws them). Sizes up
to 64 pixels are stored as 32-bit bitmaps with their mask, which every Windows
draws; larger ones stay PNG, as Windows expects for 128 and 256 pixels.
Standard library only; reads the 8-bit RGBA, non-interlaced PNG files that
make_images.py writes and refuses anything else.
"""

import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
LARGEST_BITMAP = 64


def read_png(data):
    if not data.startswith(PNG_SIGNATURE):
        raise ValueError("not a PNG file")
    pos, idat, header = len(PNG_SIGNATURE), b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, 6, 0):
        raise ValueError("only 8-bit RGBA, non-interlaced PNG files are read")
    raw, stride, rows, prior = zlib.decompress(idat), width * 4, [], bytearray(width * 4)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for x in range(stride):
            a = line[x - 4] if x >= 4 else 0
            b = prior[x]
            c = prior[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + a) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + b) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        rows.append(bytes(line))
        prior = line
    return width, height, rows


def bitmap_entry(width, height, rows):
    """A DIB as icons hold it: height doubled for the mask, rows bottom-up, BGRA."""
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels, mask = b"", b""
    mask_stride = ((width + 31) // 32) * 4
    for row in reversed(rows):
        pixels += b"".join(bytes((row[i + 2], row[i + 1], row[i], row[i + 3]))
                           for i in range(0, len(row), 4))
        bits = bytearray(mask_stride)
        for x in range(width):
            if row[x * 4 + 3] == 0:  # transparent: shown through
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + pixels + mask


def main(output, inputs):
    images = []
    for path in inputs:
        with open(path, "rb") as f:
            data = f.read()
        width, height, rows = read_png(data)
        if width != height or width > 256:
            raise ValueError(f"{path}: icons are square and at most 256 pixels")
        body = bitmap_entry(width, height, rows) if width <= LARGEST_BITMAP else data
        images.append((width, body))
    images.sort()
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, body in images:
        size_byte = width % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", size_byte, size_byte, 0, 0, 1, 32, len(body), offset)
        offset += len(body)
    with open(output, "wb") as f:
        f.write(directory + b"".join(body for _, body in images))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2:])
