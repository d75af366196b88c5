#!/usr/bin/env python3
"""Synthesises the game's sounds into sounds/*.wav: every one made here from sine waves and a
seeded noise, no sample taken from anywhere.

Standard library only. 16-bit mono PCM at 22 050 Hz, which Qt's sound effects play as they are.
Events last at most 1.5 s, the click and the tick at most 40 ms. The events are made equally
loud (over their loudest tenth of a second), the click and the tick softer, as they come with
every key; each fades in and out over a few milliseconds, so none starts or ends in a crack.
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050
LOUDNESS = 0.25  # root mean square over the loudest 100 ms, of full scale
KEYLOUDNESS = 0.12  # the same for the click and the tick
PEAK = 0.8  # never above this, so nothing clips
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sounds")

# Partials (harmonic, weight) of the voices used below.
BELL = ((1, 1.0), (2, 0.35), (3, 0.12), (4.2, 0.06))
SOFT = ((1, 1.0), (2, 0.15))
BRASS = ((1, 1.0), (2, 0.6), (3, 0.4), (4, 0.25), (5, 0.12), (6, 0.06))
REED = ((1, 1.0), (3, 0.3), (5, 0.12))


def hz(name):
    """The frequency of a note such as "C5", "F#4", "Eb4" (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        steps, rest = steps + 1, rest[1:]
    elif rest.startswith("b"):
        steps, rest = steps - 1, rest[1:]
    return 440.0 * 2 ** ((steps + 12 * (int(rest) - 4)) / 12)


class Track:
    def __init__(self, seconds):
        self.samples = [0.0] * int(seconds * RATE)

    def add(self, at, seconds, voice, gain=1.0):
        """Adds `voice(t)` for t in [0, seconds) from `at` seconds on."""
        start = int(at * RATE)
        for i in range(int(seconds * RATE)):
            if start + i >= len(self.samples):
                break
            self.samples[start + i] += gain * voice(i / RATE)

    def note(self, at, name_or_hz, seconds, partials=BELL, attack=0.005, decay=0.25, gain=1.0,
             vibrato=0.0):
        f = hz(name_or_hz) if isinstance(name_or_hz, str) else name_or_hz
        total = sum(w for _, w in partials)

        def voice(t):
            env = min(1.0, t / attack) * math.exp(-t / decay)
            wobble = 1 + vibrato * math.sin(2 * math.pi * 5.5 * t)
            return env * sum(w * math.sin(2 * math.pi * f * h * t * wobble)
                             for h, w in partials) / total

        self.add(at, seconds, voice, gain)

    def glide(self, at, seconds, f0, f1, partials=SOFT, attack=0.01, decay=0.3, gain=1.0):
        """A tone sliding from f0 to f1, evenly in pitch."""
        total = sum(w for _, w in partials)
        ratio = math.log(f1 / f0)

        def voice(t):
            # The phase is the integral of f0 * exp(ratio * t / seconds).
            phase = f0 * seconds / ratio * (math.exp(ratio * t / seconds) - 1)
            env = min(1.0, t / attack) * math.exp(-t / decay)
            return env * sum(w * math.sin(2 * math.pi * h * phase) for h, w in partials) / total

        self.add(at, seconds, voice, gain)

    def noise(self, at, seconds, decay, brightness, seed, gain=1.0):
        """A burst of seeded noise; `brightness` near 1 keeps the highs, near 0 only the lows."""
        draw = random.Random(seed)
        low = [0.0]

        def voice(t):
            white = draw.uniform(-1, 1)
            low[0] += (1 - brightness) * (white - low[0])
            shaped = white - low[0] if brightness >= 0.5 else low[0]
            return math.exp(-t / decay) * shaped

        self.add(at, seconds, voice, gain)

    def loudest(self):
        """The root mean square over the loudest 100 ms (the whole sound when shorter)."""
        window = min(len(self.samples), RATE // 10)
        squares = [v * v for v in self.samples]
        best = running = sum(squares[:window])
        for i in range(window, len(squares)):
            running += squares[i] - squares[i - window]
            best = max(best, running)
        return math.sqrt(best / window)

    def write(self, name, loudness):
        top = max(abs(v) for v in self.samples) or 1.0
        gain = min(loudness / (self.loudest() or 1.0), PEAK / top)
        fade = int(0.004 * RATE) if len(self.samples) > RATE // 20 else int(0.002 * RATE)
        rise = int(0.0005 * RATE)
        frames = bytearray()
        for i, v in enumerate(self.samples):
            end = len(self.samples) - 1 - i
            edge = min(1.0, end / fade, (i + 1) / rise)
            frames += struct.pack("<h", int(round(v * gain * edge * 32767)))
        with wave.open(os.path.join(OUT, name + ".wav"), "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(bytes(frames))


def start():
    """Ready, set, go: two short beeps and a higher, longer one."""
    t = Track(1.1)
    for at in (0.0, 0.35):
        t.note(at, "A5", 0.14, REED, attack=0.004, decay=0.08)
    t.note(0.7, "A6", 0.4, REED, attack=0.004, decay=0.18)
    return t


def won():
    """A bright major arpeggio up to the octave, which rings on."""
    t = Track(0.95)
    for i, name in enumerate(("C5", "E5", "G5")):
        t.note(i * 0.09, name, 0.3, BELL, decay=0.15)
    t.note(0.27, "C6", 0.68, BELL, decay=0.3)
    t.note(0.27, "G5", 0.68, BELL, decay=0.3, gain=0.4)
    return t


def lost():
    """Two notes falling a minor third, the last one wavering: too bad."""
    t = Track(1.0)
    t.note(0.0, "G4", 0.35, REED, attack=0.02, decay=0.3)
    t.note(0.32, "E4", 0.68, REED, attack=0.02, decay=0.35, vibrato=0.004)
    return t


def rank():
    """A fanfare: a rising call and a held major chord."""
    t = Track(1.3)
    for i, name in enumerate(("G4", "C5", "E5")):
        t.note(i * 0.11, name, 0.2, BRASS, attack=0.015, decay=0.12)
    for name, gain in (("C5", 0.6), ("E5", 0.6), ("G5", 0.8), ("C6", 1.0)):
        t.note(0.33, name, 0.97, BRASS, attack=0.02, decay=0.4, gain=gain)
    return t


def found():
    """A coin: a short note and one a fourth higher that rings."""
    t = Track(0.55)
    t.note(0.0, "B5", 0.08, BELL, attack=0.002, decay=0.05)
    t.note(0.07, "E6", 0.48, BELL, attack=0.002, decay=0.16)
    return t


def stolen():
    """Money gone: a tone sliding down."""
    t = Track(0.5)
    t.glide(0.0, 0.5, 620, 240, SOFT, decay=0.25)
    return t


def windfall():
    """A sparkle: a quick run up a pentatonic scale."""
    t = Track(0.75)
    for i, name in enumerate(("C6", "D6", "E6", "G6", "A6", "C7")):
        t.note(i * 0.045, name, 0.75 - i * 0.045, BELL, attack=0.002, decay=0.12,
               gain=0.7 + 0.06 * i)
    return t


def mishap():
    """A thud: a low tone dropping, with a dull burst of noise."""
    t = Track(0.45)
    t.glide(0.0, 0.45, 190, 80, SOFT, attack=0.003, decay=0.12)
    t.noise(0.0, 0.2, 0.04, 0.1, seed=7, gain=2.5)
    return t


def doubled():
    """Double or Nothing doubled: a quick swoop up an octave into a bright fifth."""
    t = Track(0.45)
    t.glide(0.0, 0.09, hz("E5"), hz("E6"), SOFT, attack=0.003, decay=0.2, gain=0.6)
    t.note(0.08, "E6", 0.37, BELL, attack=0.002, decay=0.12)
    t.note(0.08, "B6", 0.37, BELL, attack=0.002, decay=0.1, gain=0.45)
    return t


def busted():
    """Double or Nothing lost: a low buzzer, wavering."""
    t = Track(0.6)
    buzz = tuple((h, 1.0 / h) for h in (1, 3, 5, 7, 9))

    def tremolo(t0):
        return 0.75 + 0.25 * math.sin(2 * math.pi * 11 * t0)

    t.note(0.0, 110, 0.6, buzz, attack=0.01, decay=0.35)
    t.samples = [v * tremolo(i / RATE) for i, v in enumerate(t.samples)]
    return t


def drawn():
    """A draw: the same note twice, softly."""
    t = Track(0.55)
    for at in (0.0, 0.2):
        t.note(at, "A4", 0.35, SOFT, attack=0.004, decay=0.1)
    return t


def learned():
    """A strategy learned: a little blip rising."""
    t = Track(0.3)
    t.glide(0.0, 0.12, hz("C6"), hz("G6"), SOFT, attack=0.003, decay=0.08)
    t.note(0.12, "G6", 0.18, SOFT, attack=0.003, decay=0.06)
    return t


def hired():
    """The career won: a longer fanfare ending in a bright, held chord."""
    t = Track(1.5)
    for i, name in enumerate(("C5", "E5", "G5", "C6")):
        t.note(i * 0.12, name, 0.22, BRASS, attack=0.015, decay=0.12)
    for name, gain in (("G5", 0.6), ("C6", 0.8), ("E6", 0.7), ("C5", 0.5)):
        t.note(0.5, name, 1.0, BRASS, attack=0.02, decay=0.45, gain=gain)
    t.note(0.5, "C7", 1.0, BELL, decay=0.3, gain=0.25)
    return t


def gameover():
    """The career over: a slow fall by semitones to a fading low note."""
    t = Track(1.5)
    for i, name in enumerate(("G4", "F#4", "F4")):
        t.note(i * 0.3, name, 0.32, REED, attack=0.02, decay=0.2)
    t.note(0.9, "E4", 0.6, REED, attack=0.02, decay=0.3, vibrato=0.005)
    return t


def done():
    """An exercise or a drill ended: a gentle two-tone chime."""
    t = Track(0.7)
    t.note(0.0, "G5", 0.5, BELL, decay=0.18, gain=0.8)
    t.note(0.13, "C6", 0.57, BELL, decay=0.22)
    return t


def tick():
    """A wrong key: a short wooden tock, higher and rounder than the click."""
    t = Track(0.03)
    t.note(0.0, 1500, 0.03, ((1, 1.0), (2.7, 0.3)), attack=0.001, decay=0.008)
    return t


def click():
    """A key: a very short burst of bright noise."""
    t = Track(0.015)
    t.noise(0.0, 0.015, 0.003, 0.9, seed=3)
    return t


SOUNDS = (start, won, lost, rank, found, stolen, windfall, mishap, doubled, busted, drawn,
          learned, hired, gameover, done, tick, click)


def main():
    os.makedirs(OUT, exist_ok=True)
    for make in SOUNDS:
        keys = make in (tick, click)
        make().write(make.__name__, KEYLOUDNESS if keys else LOUDNESS)
    return 0


if __name__ == "__main__":
    sys.exit(main())
