"""Sound effects as 22050 Hz, 8-bit, mono PCM WAV files (the format the game mixes in), made
from square waves, sweeps and noise."""

import math
import struct

RATE = 22050


def write_wav(path, samples, rate=RATE, bits=8):
    """samples: floats in -1 .. 1. 8-bit data is unsigned, 16-bit signed."""
    if bits == 8:
        data = bytes(max(0, min(255, round(128 + 127 * s))) for s in samples)
    else:
        data = b"".join(struct.pack("<h", max(-32767, min(32767, round(32767 * s)))) for s in samples)
    channels, align = 1, bits // 8
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * align, align, bits)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    if len(data) % 2:
        body += b"\0"
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


class Noise:
    """A repeatable noise source (a 16-bit linear feedback shift register)."""

    def __init__(self):
        self.state = 0xACE1

    def next(self):
        bit = (self.state ^ (self.state >> 2) ^ (self.state >> 3) ^ (self.state >> 5)) & 1
        self.state = (self.state >> 1) | (bit << 15)
        return 1.0 if self.state & 1 else -1.0


def tone(seconds, start_hz, end_hz=None, wave="square", volume=0.6, decay=0.0, noise=None):
    """One sound: a frequency gliding from start_hz to end_hz (exponentially), shaped by a short
    attack, an optional exponential decay and a short release so it ends without a click."""
    end_hz = end_hz or start_hz
    n = int(seconds * RATE)
    out, phase, held = [], 0.0, 0.0
    for i in range(n):
        t = i / n
        hz = start_hz * (end_hz / start_hz) ** t
        step = hz / RATE
        wrapped = phase + step >= 1.0 or i == 0
        phase = (phase + step) % 1.0
        if wave == "square":
            v = 1.0 if phase < 0.5 else -1.0
        elif wave == "triangle":
            v = 4 * abs(phase - 0.5) - 1
        elif wave == "sine":
            v = math.sin(2 * math.pi * phase)
        else:
            if wrapped:
                held = noise.next()
            v = held
        env = min(1.0, i / (0.004 * RATE)) * min(1.0, (n - i) / (0.01 * RATE)) * math.exp(-decay * i / RATE)
        out.append(v * env * volume)
    return out


def noise_burst(seconds, start_hz, end_hz=None, volume=0.6, decay=6.0):
    """Noise whose sample-and-hold rate glides from start_hz to end_hz: high rates hiss, low
    rates rumble."""
    return tone(seconds, start_hz, end_hz, "noise", volume, decay, Noise())


def seq(*parts):
    out = []
    for p in parts:
        out += p
    return out


def mix(*parts):
    n = max(len(p) for p in parts)
    return [sum(p[i] for p in parts if i < len(p)) / len(parts) * 1.6 for i in range(n)]


def note_hz(midi_note):
    return 440.0 * 2 ** ((midi_note - 69) / 12)


def notes(pitches, each, wave="square", volume=0.5, decay=4.0):
    return seq(*[tone(each, note_hz(p), wave=wave, volume=volume, decay=decay) for p in pitches])


# The 17 system sounds, in slot order, with the file names the factory settings give them.
SYSTEM_SOUNDS = [
    ("Cursor.wav", lambda: tone(0.04, 1400, volume=0.4)),
    ("Decide.wav", lambda: seq(tone(0.05, 988, volume=0.5), tone(0.09, 1319, volume=0.5, decay=10))),
    ("Cancel.wav", lambda: seq(tone(0.05, 660, volume=0.5), tone(0.09, 440, volume=0.5, decay=10))),
    ("Error.wav", lambda: tone(0.22, 140, 120, volume=0.6)),
    ("Menu.wav", lambda: notes([72, 76, 79], 0.05)),
    ("Save.wav", lambda: notes([72, 76, 79, 84], 0.07, "triangle", 0.8, 3)),
    ("Page.wav", lambda: noise_burst(0.08, 9000, 3000, 0.4, 20)),
    ("Damage.wav", lambda: mix(tone(0.18, 400, 120, volume=0.7), noise_burst(0.18, 4000, 1000, 0.7, 10))),
    ("PlayerDeath.wav", lambda: seq(notes([76, 72, 67], 0.1), tone(0.7, 700, 80, "triangle", 0.8, 2))),
    ("EnemyDeath.wav", lambda: noise_burst(0.35, 6000, 400, 0.8, 6)),
    ("BlockJump.wav", lambda: tone(0.25, 220, 880, "triangle", 0.8, 4)),
    ("Message.wav", lambda: tone(0.3, 1568, wave="sine", volume=0.7, decay=9)),
    ("MessageNext.wav", lambda: tone(0.03, 2000, volume=0.3)),
    ("Warning.wav", lambda: seq(tone(0.08, 1000, volume=0.5), [0.0] * int(0.08 * RATE))),
    ("StageClear.wav", lambda: seq(notes([67, 72, 76, 79], 0.12, "square", 0.5, 2),
                                   tone(0.6, note_hz(84), wave="square", volume=0.5, decay=2))),
    ("ExtraLife.wav", lambda: notes([76, 79, 88, 84, 86, 91], 0.07, "square", 0.5, 2)),
    ("Ranking.wav", lambda: seq(notes([72, 72, 72], 0.09, "triangle", 0.8, 5),
                                tone(0.5, note_hz(79), wave="triangle", volume=0.8, decay=2))),
]

# Sounds for the database and the editor.
OTHER_SOUNDS = [
    ("free.wav", lambda: notes([79, 84], 0.15, "sine", 0.7, 5)),
    ("Jump.wav", lambda: tone(0.18, 300, 900, volume=0.45, decay=5)),
    ("Shot.wav", lambda: tone(0.12, 1800, 400, volume=0.45, decay=8)),
    ("Item.wav", lambda: seq(tone(0.05, 1976, volume=0.45), tone(0.2, 2637, volume=0.45, decay=12))),
    ("Hit.wav", lambda: mix(tone(0.1, 180, 60, "triangle", 0.9, 15), noise_burst(0.06, 3000, 800, 0.6, 30))),
    ("Explosion.wav", lambda: noise_burst(0.8, 2000, 60, 0.9, 3)),
]
