"""Background music: short looping tunes composed here from a chord progression and a seeded
melody, written as Standard MIDI Files (format 1: a tempo track and one track per part) and
rendered with simple waves to a WAV that oggenc turns into Ogg Vorbis."""

import math
import struct

from sound import Noise, note_hz

DIVISION = 480  # ticks per quarter note
BAR = 4 * DIVISION

MELODY, HARMONY, BASS, DRUMS = range(4)
CHANNELS = {MELODY: 0, HARMONY: 1, BASS: 2, DRUMS: 9}
PROGRAMS = {MELODY: 80, HARMONY: 4, BASS: 38}  # square lead, electric piano, synth bass
KICK, SNARE, HAT = 36, 38, 42

# name: tempo (beats per minute), key (MIDI note of the tonic), scale steps, chords (scale
# degrees, one per bar), melody seed, drum pattern
SONGS = {
    "Title": (120, 60, "major", [0, 5, 3, 4, 0, 5, 3, 4], 11, "march"),
    "WorldMap": (104, 65, "major", [0, 3, 4, 0, 5, 3, 1, 4], 23, "walk"),
    "Challenge": (140, 57, "minor", [0, 5, 6, 4, 0, 5, 6, 4], 37, "drive"),
    "Option": (90, 62, "major", [0, 4, 5, 3, 0, 4, 3, 4], 41, "walk"),
    "Stage": (132, 64, "minor", [0, 6, 5, 6, 0, 6, 5, 4], 53, "drive"),
    "Free": (112, 67, "major", [0, 3, 0, 4, 5, 3, 4, 0], 67, "march"),
}
SCALES = {"major": [0, 2, 4, 5, 7, 9, 11], "minor": [0, 2, 3, 5, 7, 8, 10]}
RHYTHMS = [[2, 2, 2, 2], [3, 1, 2, 2], [2, 1, 1, 4], [1, 1, 2, 2, 2], [4, 2, 2], [2, 2, 1, 1, 2]]


class Rng:
    """A small repeatable generator, so every build writes the same tunes."""

    def __init__(self, seed):
        self.state = seed * 2654435761 % 2 ** 32 or 1

    def next(self, n):
        self.state = (1103515245 * self.state + 12345) % 2 ** 31
        return (self.state >> 8) % n


def _degree_note(key, scale, degree, octave=0):
    steps = SCALES[scale]
    return key + 12 * (octave + degree // 7) + steps[degree % 7]


def compose(name):
    """The song's notes as (part, start tick, length in ticks, note, velocity)."""
    tempo, key, scale, chords, seed, groove = SONGS[name]
    rng = Rng(seed)
    notes = []
    motif = [RHYTHMS[rng.next(len(RHYTHMS))] for _ in range(2)]
    for bar, chord in enumerate(chords):
        start = bar * BAR
        triad = [chord, chord + 2, chord + 4]
        # bass: root on the beats, fifth on the offbeat of beat 3
        for beat in range(4):
            degree = chord if beat != 2 else chord + 4
            notes.append((BASS, start + beat * DIVISION, DIVISION - 40, _degree_note(key - 24, scale, degree), 96))
        # harmony: the triad broken into eighth notes
        for eighth in range(8):
            degree = triad[[0, 1, 2, 1][eighth % 4]]
            notes.append((HARMONY, start + eighth * DIVISION // 2, DIVISION // 2 - 20,
                          _degree_note(key - 12, scale, degree), 64))
        # melody: the bar's rhythm (a two-bar motif) with chord tones on strong beats
        t = start
        degree = triad[rng.next(3)] + 7
        for k, length in enumerate(motif[bar % 2] if bar < 7 else [4, 4]):
            if k == 0 or rng.next(3) == 0:
                degree = triad[rng.next(3)] + 7
            else:
                degree += [-1, 1, -2, 2][rng.next(4)]
            notes.append((MELODY, t, length * DIVISION // 2 - 30, _degree_note(key, scale, degree), 100))
            t += length * DIVISION // 2
        # drums
        for eighth in range(8):
            tick = start + eighth * DIVISION // 2
            notes.append((DRUMS, tick, 60, HAT, 60))
            if groove == "drive" and eighth % 2 == 0 or groove != "drive" and eighth in (0, 4):
                notes.append((DRUMS, tick, 60, KICK, 100))
            if eighth in (2, 6) and groove != "walk" or groove == "walk" and eighth == 4:
                notes.append((DRUMS, tick, 60, SNARE, 90))
    return tempo, sorted(notes, key=lambda n: (n[1], n[0], n[3]))


def _vlq(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def _track(events):
    """events: (tick, bytes) in any order; sorted, delta-timed and closed by end of track."""
    data, now = b"", 0
    for tick, payload in sorted(events, key=lambda e: (e[0], e[1][0] & 0xF0 != 0x80)):
        data += _vlq(tick - now) + payload
        now = tick
    data += b"\x00\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + data


def write_midi(path, name):
    tempo, notes = compose(name)
    length = len(SONGS[name][3]) * BAR
    tracks = [_track([(0, b"\xff\x03" + _vlq(len(name)) + name.encode("ascii")),
                      (0, b"\xff\x51\x03" + struct.pack(">I", 60000000 // tempo)[1:]),
                      (0, b"\xff\x58\x04\x04\x02\x18\x08"),
                      (length, b"\xff\x06\x04LOOP")])]
    for part in (MELODY, HARMONY, BASS, DRUMS):
        ch = CHANNELS[part]
        events = [] if part == DRUMS else [(0, bytes([0xC0 | ch, PROGRAMS[part]]))]
        events.append((0, bytes([0xB0 | ch, 7, 100])))
        for p, start, dur, note, vel in notes:
            if p == part:
                events.append((start, bytes([0x90 | ch, note, vel])))
                events.append((start + dur, bytes([0x80 | ch, note, 0])))
        tracks.append(_track(events))
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), DIVISION)
    with open(path, "wb") as f:
        f.write(header + b"".join(tracks))


def render(name, rate=22050):
    """The song played once with simple waves: samples in -1 .. 1."""
    tempo, notes = compose(name)
    seconds_per_tick = 60.0 / tempo / DIVISION
    total = int(len(SONGS[name][3]) * BAR * seconds_per_tick * rate)
    out = [0.0] * total
    noise = Noise()
    for part, start, dur, note, vel in notes:
        first = int(start * seconds_per_tick * rate)
        n = int(dur * seconds_per_tick * rate)
        if part == DRUMS:
            n = int((0.12 if note == KICK else 0.08 if note == SNARE else 0.03) * rate)
        hz = note_hz(note)
        gain = vel / 127 * {MELODY: 0.28, HARMONY: 0.12, BASS: 0.3, DRUMS: 0.2}[part]
        phase = 0.0
        for i in range(min(n, total - first)):
            env = min(1.0, i / 60) * min(1.0, (n - i) / 200)
            if part == DRUMS:
                if note == KICK:
                    v = math.sin(2 * math.pi * 60 * i / rate * (1.5 - i / n))
                else:
                    v = noise.next() * (0.5 if note == HAT else 1.0)
                env *= 1 - i / n
            else:
                phase = (phase + hz / rate) % 1.0
                if part == MELODY:
                    v = 1.0 if phase < 0.25 else -1.0
                elif part == BASS:
                    v = 4 * abs(phase - 0.5) - 1
                else:
                    v = 1.0 if phase < 0.5 else -1.0
                    env *= math.exp(-3 * i / rate)
            out[first + i] += v * env * gain
    return out
