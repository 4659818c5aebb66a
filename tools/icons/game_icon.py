#!/usr/bin/env python3
"""Writes the game program's icon: a 32 x 32 picture of a small hero on a hill, drawn here.

    game_icon.py OUT.ico
"""
import struct
import sys

SIZE = 32
SKY, HILL, GRASS, BODY, FACE, EYE = (
    (96, 160, 248), (56, 128, 40), (104, 200, 72), (216, 48, 40), (248, 208, 160), (24, 24, 24))


def pixel(x, y):
    # The hill is a circle's top rising from the bottom edge; the hero stands on its crest.
    if (x - 16) ** 2 + (y - 44) ** 2 <= 18 ** 2:
        return GRASS if (x - 16) ** 2 + (y - 44) ** 2 >= 16 ** 2 else HILL
    if 12 <= x <= 19 and 6 <= y <= 12:
        return EYE if y == 9 and x in (14, 17) else FACE
    if 11 <= x <= 20 and 13 <= y <= 25:
        return BODY
    return SKY


def icon():
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up rows
        for x in range(SIZE):
            r, g, b = pixel(x, y)
            rows.append(struct.pack('<BBBB', b, g, r, 255))
    xor = b''.join(rows)
    mask = bytes(SIZE * SIZE // 8)  # every pixel opaque
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + image


if __name__ == '__main__':
    with open(sys.argv[1], 'wb') as out:
        out.write(icon())
