#!/usr/bin/env python3
"""Checks the factory project folder that the build writes: every file both programs need
is there, pictures are 256-colour BMP files with the sizes and cell layouts the programs cut
them by, the palette keeps its ranges, the colour-mix tables hold the nearest halfway colours,
and the sounds and songs are well-formed WAV, MIDI and Ogg files.

    check_factory.py PROJECT_FOLDER
"""

import os
import struct
import subprocess
import sys
import unittest

ROOT = None

# (file, width, height): sizes that follow from how the programs cut the pictures.
PICTURES = [
    ("bmp/Block.bmp", 256, 480),             # 32 x 32 blocks, 15 to a column, numbers 0-119
    ("bmp/Item.bmp", 512, 480),              # 64-dot columns: two 32 x 32 frames per item
    ("bmp/Item_Mini.bmp", 256, 240),         # 32-dot columns: two 16 x 16 frames per item
    ("bmp/Shot.bmp", 128, 480),              # 16 x 16 shots, two frames, 30 to a column
    ("bmp/Mark.bmp", 256, 480),              # 32 x 32 marks, 15 to a column
    ("bmp/Accessory.bmp", 128, 208),
    ("bmp/Word.bmp", 320, 160),
    ("bmp/Symbol.bmp", 416, 16),             # 26 symbols of 16 x 16 for a-z
    ("bmp/WorldMapChip.bmp", 160, 64),       # 5 chips to a row, the world map's 10 chips
    ("bmp/WorldEvent.bmp", 64, 256),         # two 32-dot columns (open, cleared), 8 rows
    ("bmp/Window.bmp", 640, 480),
    ("bmp/Title.bmp", 640, 480),
    ("bmp/Back.bmp", 640, 480),
    ("bmp/WorldBack.bmp", 640, 480),
    ("bmp/Debug.bmp", 256, 16),
    ("bmp/plt/Palette.bmp", 16, 24),
    ("bmp/plt/Palette2.bmp", 16, 24),
    ("e_bmp/ToolBar_Palette.bmp", 48, 15),   # 16 x 15 buttons: block, chara, item
    ("e_bmp/ToolBar_TestPlay.bmp", 32, 15),
    ("e_bmp/ToolBar_Pen.bmp", 80, 15),
    ("e_bmp/ToolBar_PltEdit.bmp", 32, 15),
    ("e_bmp/ToolBar_WorldPalette.bmp", 32, 15),
    ("bmp/effect/Burst.bmp", 256, 32),       # effect frames side by side
    ("bmp/effect/Smoke.bmp", 256, 32),
    ("bmp/effect/Sparkle.bmp", 96, 16),
    ("bmp/sword/SwordRight.bmp", 64, 64),
    ("bmp/sword/SwordLeft.bmp", 64, 64),
] + [("bmp/Character%d.bmp" % k, 640, 480) for k in range(1, 9)]  # 20 frames x 15 characters

SYSTEM_SOUNDS = ["Cursor", "Decide", "Cancel", "Error", "Menu", "Save", "Page", "Damage",
                 "PlayerDeath", "EnemyDeath", "BlockJump", "Message", "MessageNext", "Warning",
                 "StageClear", "ExtraLife", "Ranking"]
MUSIC_SLOTS = ["Title", "WorldMap", "Challenge", "Option", "Stage"]


class Bmp:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.raw = f.read()
        (self.magic, self.file_size, _, _, self.offset) = struct.unpack_from("<2sIHHI", self.raw, 0)
        (self.info_size, self.width, self.height, self.planes, self.bits, self.compression,
         self.image_size, _, _, self.used, _) = struct.unpack_from("<IiiHHIIiiII", self.raw, 14)
        self.table = [tuple(self.raw[54 + 4 * i:54 + 4 * i + 3][::-1]) for i in range(256)]

    def pixel(self, x, y):
        """Index at (x, y), y counted from the top (rows are stored bottom-up)."""
        return self.raw[self.offset + (self.height - 1 - y) * self.width + x]

    def opaque_in(self, x, y, w, h):
        return sum(1 for yy in range(y, y + h) for xx in range(x, x + w) if self.pixel(xx, yy) != 0)


def path(name):
    return os.path.join(ROOT, *name.split("/"))


def load(name):
    return Bmp(path(name))


def rgb565(c):
    return (c[0] >> 3, c[1] >> 2, c[2] >> 3)


class Files(unittest.TestCase):
    def test_every_named_file_exists(self):
        names = [n for n, _, _ in PICTURES]
        names += ["bmp/hbt/hbt%02d.dat" % n for n in range(24)]
        names += ["wave/%s.wav" % n for n in SYSTEM_SOUNDS] + ["wave/free.wav"]
        names += ["bgm/%s.mid" % n for n in MUSIC_SLOTS + ["Free"]]
        names += ["bgm/Title.ogg", "bgm/Free.ogg", "System.ini"]
        for name in names:
            with self.subTest(name=name):
                self.assertTrue(os.path.isfile(path(name)), name)


class Pictures(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.palette = load("bmp/plt/Palette.bmp").table

    def test_headers_sizes_and_colour_table(self):
        for name, w, h in PICTURES:
            with self.subTest(name=name):
                bmp = load(name)
                self.assertEqual(bmp.magic, b"BM")
                self.assertEqual(bmp.file_size, len(bmp.raw))
                self.assertEqual((bmp.info_size, bmp.planes, bmp.bits, bmp.compression), (40, 1, 8, 0))
                self.assertEqual((bmp.width, bmp.height), (w, h))
                self.assertEqual(bmp.width % 4, 0, "the editor reads rows without padding")
                self.assertEqual(bmp.offset, 54 + 1024)
                self.assertEqual(len(bmp.raw), bmp.offset + w * h)
                if "Palette2" not in name:
                    # At 16 bits the game takes each picture's colours from its own table.
                    self.assertEqual(bmp.table, self.palette)

    def test_palette_ranges(self):
        pal = self.palette
        key = rgb565(pal[0])
        self.assertEqual([i for i in range(1, 256) if rgb565(pal[i]) == key], [],
                         "no colour may turn transparent on a 16-bit display")
        self.assertEqual(pal[15], (0, 0, 0), "the editor's masks use the colour of entry 15")
        self.assertEqual(pal[16], (0, 0, 0))
        self.assertEqual(pal[31], (255, 255, 255))
        for block in range(12):
            ramp = pal[16 + 16 * block:32 + 16 * block]
            with self.subTest(block=block):
                self.assertEqual(len(set(ramp)), 16)
                self.assertLess(sum(ramp[0]), sum(ramp[15]), "ramps run from dark to light")
        for group in range(8):
            with self.subTest(group=group):
                self.assertGreater(len(set(pal[208 + 4 * group:212 + 4 * group])), 2)
        self.assertNotEqual(pal[241], pal[242])
        self.assertNotEqual(pal[240], pal[16])

    def test_palette_pictures_layout(self):
        for name in ("bmp/plt/Palette.bmp", "bmp/plt/Palette2.bmp"):
            bmp = load(name)
            with self.subTest(name=name):
                self.assertEqual(bmp.pixel(0, 0), 0, "the transparent colour comes from the first pixel")
                self.assertEqual([bmp.pixel(i % 16, 8 + i // 16) for i in range(256)], list(range(256)))
        second = load("bmp/plt/Palette2.bmp").table
        self.assertEqual(second[0], self.palette[0])
        self.assertEqual(second[16:208], self.palette[16:208])

    def test_opaque_pictures_have_no_transparent_pixel(self):
        for name in ("bmp/Window.bmp", "bmp/Title.bmp", "bmp/Back.bmp", "bmp/WorldBack.bmp"):
            with self.subTest(name=name):
                bmp = load(name)
                self.assertNotIn(0, bmp.raw[bmp.offset:])

    def assertCellsDrawn(self, bmp, cells, w, h):
        for x, y, label in cells:
            with self.subTest(picture=label):
                self.assertGreater(bmp.opaque_in(x, y, w, h), 0)

    def test_every_graphic_number_has_a_picture(self):
        block = load("bmp/Block.bmp")
        self.assertEqual(block.opaque_in(0, 0, 32, 32), 0, "block 0 is the empty block")
        self.assertCellsDrawn(block, [(32 * (n // 15), 32 * (n % 15), "block %d" % n) for n in range(1, 120)], 32, 32)
        item, mini = load("bmp/Item.bmp"), load("bmp/Item_Mini.bmp")
        for f in (0, 1):
            self.assertCellsDrawn(item, [(64 * (n // 15) + 32 * f, 32 * (n % 15), "item %d.%d" % (n, f))
                                         for n in range(1, 120)], 32, 32)
            self.assertCellsDrawn(mini, [(32 * (n // 15) + 16 * f, 16 * (n % 15), "mini %d.%d" % (n, f))
                                         for n in range(1, 120)], 16, 16)
        shot = load("bmp/Shot.bmp")
        self.assertCellsDrawn(shot, [(32 * (n // 30) + 16 * f, 16 * (n % 30), "shot %d.%d" % (n, f))
                                     for n in range(120) for f in (0, 1)], 16, 16)
        mark = load("bmp/Mark.bmp")
        self.assertCellsDrawn(mark, [(32 * (n // 15), 32 * (n % 15), "mark %d" % n) for n in range(120)], 32, 32)

    def test_characters_fill_twenty_frames(self):
        for sheet in range(8):
            bmp = load("bmp/Character%d.bmp" % (sheet + 1))
            for row in range(15):
                number = 15 * sheet + row
                with self.subTest(character=number):
                    drawn = [bmp.opaque_in(32 * f, 32 * row, 32, 32) > 0 for f in range(20)]
                    self.assertEqual(drawn, [number != 0] * 20)

    def test_accessory_pieces(self):
        bmp = load("bmp/Accessory.bmp")
        pieces = [(0, 0, 32, 32, "menu cursor"), (64, 0, 16, 16, "cursor"), (80, 0, 16, 16, "slot marker"),
                  (96, 0, 32, 32, "cleared mark"), (0, 48, 16, 16, "notice"), (16, 48, 16, 16, "ranking marker")]
        pieces += [(16 * k, 32, 16, 16, "status symbol %d" % k) for k in range(5)]
        pieces += [(x, y, 32, 32, "walker %d,%d" % (x, y)) for y in (64, 96) for x in (0, 32, 64, 96)]
        for x, y, w, h, label in pieces:
            with self.subTest(piece=label):
                self.assertGreater(bmp.opaque_in(x, y, w, h), 0)
        for x in (0, 64):
            for y in (128, 144, 160, 176, 192):
                with self.subTest(gauge=(x, y)):
                    # The gauges over characters cut 2-row strips from the top of these.
                    self.assertEqual(bmp.opaque_in(x, y, 50, 2), 100)
                    self.assertEqual(bmp.opaque_in(x, y, 50, 10), 500)

    def test_word_symbol_and_world_pieces(self):
        word = load("bmp/Word.bmp")
        for x, y, w, h in [(0, 0, 128, 32), (0, 32, 128, 32), (0, 64, 144, 32)] + [(32 * d, y, 32, 32) for d in range(10) for y in (96, 128)]:
            with self.subTest(word=(x, y)):
                self.assertGreater(word.opaque_in(x, y, w, h), 0)
        self.assertEqual(word.opaque_in(144, 64, 176, 32), 0, "the game-over banner is 144 dots wide")
        symbol = load("bmp/Symbol.bmp")
        self.assertCellsDrawn(symbol, [(16 * k, 0, "symbol %s" % chr(97 + k)) for k in range(26)], 16, 16)
        chips = load("bmp/WorldMapChip.bmp")
        self.assertCellsDrawn(chips, [(32 * (g % 5), 32 * (g // 5), "chip %d" % g) for g in range(10)], 32, 32)
        events = load("bmp/WorldEvent.bmp")
        self.assertCellsDrawn(events, [(32 * c, 32 * r, "event %d.%d" % (r, c)) for r in range(8) for c in (0, 1)], 32, 32)


    def test_database_pictures(self):
        for name, w, frames in (("Burst", 32, 8), ("Smoke", 32, 8), ("Sparkle", 16, 6)):
            bmp = load("bmp/effect/%s.bmp" % name)
            self.assertCellsDrawn(bmp, [(w * f, 0, "%s %d" % (name, f)) for f in range(frames)], w, w)
        right, left = load("bmp/sword/SwordRight.bmp"), load("bmp/sword/SwordLeft.bmp")
        for x, y, w, h in ((0, 0, 32, 12), (0, 16, 24, 24), (32, 0, 12, 32), (32, 32, 24, 24)):
            with self.subTest(piece=(x, y)):
                self.assertGreater(right.opaque_in(x, y, w, h), 0)
                self.assertEqual([[right.pixel(x + w - 1 - i, y + j) for i in range(w)] for j in range(h)],
                                 [[left.pixel(x + i, y + j) for i in range(w)] for j in range(h)])


def variation(pal, n):
    """The colours the game shows for colour variation n, rebuilt from Palette.bmp."""
    user = pal[16:208]
    if n < 12:
        user = user[len(user) - 16 * n:] + user[:len(user) - 16 * n]
    else:
        user = pal[16 * (n - 11):16 * (n - 11) + 16] * 12
    return pal[:16] + user + pal[208:]


def nearest_halfway(pal, a, b):
    if a == b:
        return a
    mid = [pal[a][k] + pal[b][k] for k in range(3)]
    return min(range(10, 208), key=lambda i: (sum((2 * pal[i][k] - mid[k]) ** 2 for k in range(3)), i))


class MixTables(unittest.TestCase):
    def test_size_and_spot_values(self):
        pal = load("bmp/plt/Palette.bmp").table
        pairs = [(a, b) for a in (0, 15, 16, 31, 40, 52, 100, 207, 208, 241, 255) for b in (16, 31, 77, 150, 200, 230)]
        pairs += [(7 * k % 256, 13 * k % 256) for k in range(40)]
        for n in range(24):
            with open(path("bmp/hbt/hbt%02d.dat" % n), "rb") as f:
                table = f.read()
            colours = variation(pal, n)
            with self.subTest(table=n):
                self.assertEqual(len(table), 65536)
                for a, b in pairs:
                    self.assertEqual(table[a * 256 + b], nearest_halfway(colours, a, b), (a, b))
                    self.assertEqual(table[a * 256 + b], table[b * 256 + a])
                self.assertTrue(all(10 <= table[a * 256 + b] <= 207 for a in range(0, 256, 5) for b in range(256) if a != b),
                                "a blend is neither transparent nor a cycling colour")

    def test_variations_differ(self):
        with open(path("bmp/hbt/hbt00.dat"), "rb") as f0, open(path("bmp/hbt/hbt01.dat"), "rb") as f1:
            self.assertNotEqual(f0.read(), f1.read())


def read_chunks(data, start, end):
    chunks, pos = [], start
    while pos + 8 <= end:
        cid, size = data[pos:pos + 4], struct.unpack_from("<I", data, pos + 4)[0]
        chunks.append((cid, pos + 8, size))
        pos += 8 + size + (size & 1)
    return chunks, pos


class Sounds(unittest.TestCase):
    def test_wav_files_are_pcm_22050_8bit_mono(self):
        names = sorted(n for n in os.listdir(path("wave")) if n.endswith(".wav"))
        self.assertGreaterEqual(len(names), len(SYSTEM_SOUNDS) + 1)
        for name in names:
            with self.subTest(name=name):
                with open(path("wave/" + name), "rb") as f:
                    data = f.read()
                self.assertEqual((data[:4], data[8:12]), (b"RIFF", b"WAVE"))
                self.assertEqual(struct.unpack_from("<I", data, 4)[0], len(data) - 8)
                chunks, end = read_chunks(data, 12, len(data))
                self.assertEqual(end, len(data))
                found = {cid: (pos, size) for cid, pos, size in chunks}
                pos, size = found[b"fmt "]
                tag, channels, rate, avg, align, bits = struct.unpack_from("<HHIIHH", data, pos)
                self.assertEqual((tag, channels, rate, avg, align, bits), (1, 1, 22050, 22050, 1, 8))
                self.assertGreater(found[b"data"][1], 0)


def read_vlq(data, pos):
    value = 0
    for count in range(4):
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos
    raise AssertionError("variable-length quantity longer than 4 bytes")


def parse_track(data, pos, end):
    """Walks one track's events with running status; returns the position after the
    end-of-track event and the number of note-on events."""
    status, notes = None, 0
    while pos < end:
        _, pos = read_vlq(data, pos)
        if data[pos] & 0x80:
            status = data[pos]
            pos += 1
        assert status is not None, "data byte without a status"
        if status in (0xF0, 0xF7):
            size, pos = read_vlq(data, pos)
            pos += size
        elif status == 0xFF:
            kind = data[pos]
            size, pos = read_vlq(data, pos + 1)
            pos += size
            if kind == 0x2F:
                return pos, notes
        else:
            if status & 0xF0 == 0x90 and data[pos + 1]:
                notes += 1
            pos += 1 if status & 0xF0 in (0xC0, 0xD0) else 2
    raise AssertionError("track without an end-of-track event")


class Music(unittest.TestCase):
    def test_midi_chunk_structure(self):
        for name in MUSIC_SLOTS + ["Free"]:
            with self.subTest(name=name):
                with open(path("bgm/%s.mid" % name), "rb") as f:
                    data = f.read()
                self.assertEqual(data[:4], b"MThd")
                length, fmt, tracks, division = struct.unpack_from(">IHHH", data, 4)
                self.assertEqual(length, 6)
                self.assertIn(fmt, (0, 1))
                self.assertFalse(division & 0x8000)
                pos, notes = 14, 0
                for _ in range(tracks):
                    # The player expects every track to follow the previous one directly.
                    self.assertEqual(data[pos:pos + 4], b"MTrk")
                    size = struct.unpack_from(">I", data, pos + 4)[0]
                    after, found = parse_track(data, pos + 8, pos + 8 + size)
                    self.assertEqual(after, pos + 8 + size, "end of track closes the chunk")
                    notes += found
                    pos = after
                self.assertEqual(pos, len(data))
                self.assertGreater(notes, 50)

    def test_ogg_files_hold_vorbis(self):
        for name in ("Title", "Free"):
            with self.subTest(name=name):
                with open(path("bgm/%s.ogg" % name), "rb") as f:
                    data = f.read()
                self.assertEqual(data[:4], b"OggS")
                ident = data.find(b"\x01vorbis")
                self.assertGreater(ident, 0)
                channels, rate = struct.unpack_from("<BI", data, ident + 11)
                self.assertEqual((channels, rate), (1, 22050))
                # The whole stream decodes, to a loop of several seconds that is not silent.
                wav = subprocess.run(["oggdec", "--quiet", "--output", "-", path("bgm/%s.ogg" % name)],
                                     check=True, stdout=subprocess.PIPE).stdout
                chunks, _ = read_chunks(wav, 12, len(wav))
                found = {cid: (pos, size) for cid, pos, size in chunks}
                pos, size = found[b"data"]
                samples = struct.unpack_from("<%dh" % (size // 2), wav, pos)
                self.assertGreater(len(samples), 8 * 22050)
                self.assertGreater(max(abs(v) for v in samples), 3000)


class Settings(unittest.TestCase):
    def test_system_ini_starts_in_a_window(self):
        with open(path("System.ini"), "rb") as f:
            lines = f.read().split(b"\n")
        keys = dict(line.strip().split(b"=", 1) for line in lines if b"=" in line)
        self.assertEqual(int(keys[b"WindowMode"]), 1)
        self.assertEqual(int(keys[b"Bpp"]), 16)
        self.assertIn(b"Exit", [line.strip() for line in lines], "the reader needs Exit to succeed")


if __name__ == "__main__":
    ROOT = sys.argv.pop(1)
    unittest.main(verbosity=1)
