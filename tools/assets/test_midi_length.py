#!/usr/bin/env python3
"""Checks midi_length.py against small hand-made MIDI files."""

import os
import struct
import tempfile
import unittest

from midi_length import midi_length


def varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, 0x80 | (value & 0x7F))
        value >>= 7
    return bytes(out)


def track(*events):
    """events: (delta, raw bytes); an end-of-track marker is appended."""
    body = b"".join(varlen(d) + raw for d, raw in events) + b"\x00\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(body)) + body


def tempo(us_per_quarter):
    return b"\xff\x51\x03" + us_per_quarter.to_bytes(3, "big")


def smf(division, *tracks, fmt=1):
    return b"MThd" + struct.pack(">IHHH", 6, fmt, len(tracks), division) + b"".join(tracks)


class MidiLengthTest(unittest.TestCase):
    def length_of(self, data):
        fd, path = tempfile.mkstemp(suffix=".mid")
        with os.fdopen(fd, "wb") as f:
            f.write(data)
        self.addCleanup(os.remove, path)
        return midi_length(path)

    def test_tempo_map_across_tracks(self):
        # Track 0: 120 bpm, then 60 bpm from beat 4. Track 1 plays on to beat 6,
        # with running status, a long delta, a text event and a sysex to skip over.
        conductor = track((0, tempo(500_000)), (4 * 480, tempo(1_000_000)))
        notes = track(
            (0, b"\xff\x01\x05hello"),
            (0, b"\xf0\x03\x7e\x7f\xf7"),
            (0, b"\x90\x3c\x64"),
            (480, b"\x3c\x00"),       # running status note-off
            (0, b"\xc0\x05"),         # program change: one data byte
            (5 * 480, b"\x80\x3c\x00"),
        )
        # beats 0..4 at 0.5 s, beats 4..6 at 1 s
        self.assertAlmostEqual(self.length_of(smf(480, conductor, notes)), 4.0)

    def test_defaults_and_other_time_bases(self):
        # No tempo event: 120 bpm. Format 0, one track, 4 beats.
        single = track((0, b"\x90\x40\x50"), (192, b"\x80\x40\x00"), (192, b"\xb0\x07\x64"))
        self.assertAlmostEqual(self.length_of(smf(96, single, fmt=0)), 2.0)
        # 25 frames per second, 40 ticks per frame: 1000 ticks a second.
        smpte = (256 - 25) << 8 | 40
        self.assertAlmostEqual(self.length_of(smf(smpte, track((2500, b"\x90\x40\x50")))), 2.5)
        # A tempo change on the last tick does not stretch the time before it.
        late = track((960, b"\x90\x40\x50"), (480, tempo(250_000)))
        self.assertAlmostEqual(self.length_of(smf(480, late)), 1.5)

    def test_rejects_other_files(self):
        with self.assertRaises(ValueError):
            self.length_of(b"RIFF\x00\x00\x00\x00WAVE")


if __name__ == "__main__":
    unittest.main()
