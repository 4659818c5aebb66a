#!/usr/bin/env python3
"""Writes run-length BMPs (8 bits) the way many encoders do: every row is encoded out to its
padded width (a multiple of 4), so a row's last run or stretch of pixels as they are reaches past
the picture's width. The pictures are 21, 91 and 426 dots wide.

    make-padded-rle.py FOLDER

writes padded-W.bmp into FOLDER. The expected pixels beside them (padded-W.ppm) were made by
another decoder, once, and committed:

    convert padded-W.bmp -depth 8 -compress none padded-W.ppm
"""
import struct
import sys

SHAPES = [(21, 9), (91, 7), (426, 5)]


def colours():
    # Every entry its own colour, so that the expected RGB names the index.
    return [((i * 37) & 255, (i * 91 + 11) & 255, i) for i in range(256)]


def pixel(width, x, y):
    # Stretches of one value (runs) and of changing values (pixels as they are), the stretches'
    # edges moved row by row so that both kinds cross the picture's right edge in some row.
    band = (x + 3 * y) // 5
    if band % 2 == 0:
        return (band * 29 + y) % 250 + 1
    return (x * 7 + y * 13) % 250 + 1


def encode_row(values):
    out = bytearray()
    i = 0
    n = len(values)
    while i < n:
        run = 1
        while i + run < n and run < 255 and values[i + run] == values[i]:
            run += 1
        if run >= 3:
            out += bytes([run, values[i]])
            i += run
            continue
        # Pixels as they are: up to the next run of three.
        j = i
        while j < n and j - i < 255:
            if j + 2 < n and values[j] == values[j + 1] == values[j + 2]:
                break
            j += 1
        count = j - i
        if count < 3:
            for k in range(count):
                out += bytes([1, values[i + k]])
        else:
            out += bytes([0, count]) + bytes(values[i:j])
            if count % 2:
                out += b"\0"
        i = j
    return out


def write(folder, width, height):
    padded = (width + 3) // 4 * 4
    data = bytearray()
    for y in range(height - 1, -1, -1):  # rows go from the bottom up
        row = [pixel(width, x, y) for x in range(width)]
        # The pad continues the row's last value, as an encoder that codes the stored row does
        # when its padding repeats the last pixel; a row whose last stretch changes value ends
        # with pixels as they are, the padding among them.
        row += [row[-1] if y % 2 == 0 else 0] * (padded - width)
        data += encode_row(row) + b"\0\0"
    data += b"\0\1"
    table = b"".join(bytes([b, g, r, 0]) for r, g, b in colours())
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 1, len(data), 2835, 2835, 256, 0)
    with open(f"{folder}/padded-{width}.bmp", "wb") as f:
        f.write(header + info + table + data)


def main():
    for width, height in SHAPES:
        write(sys.argv[1], width, height)


if __name__ == "__main__":
    main()
