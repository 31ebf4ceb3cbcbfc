#!/usr/bin/env python3
"""Print the playing length in seconds of standard MIDI files.

The length is the time of the last event of the longest track (its end-of-track
marker included), following every tempo change on the way. A sequencer that
plays the file reports it as stopped at that moment, which is when the game
starts the piece again.

usage: midi_length.py FILE.mid [FILE.mid ...]
"""

import struct
import sys

DEFAULT_TEMPO = 500_000  # microseconds per quarter note, 120 bpm


def read_varlen(data, pos):
    """Read a variable-length quantity; return (value, next position)."""
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos


def chunks(data):
    """Yield (type, body) for each chunk of the file."""
    pos = 0
    while pos + 8 <= len(data):
        kind, size = struct.unpack(">4sI", data[pos:pos + 8])
        yield kind, data[pos + 8:pos + 8 + size]
        pos += 8 + size


def scan_track(track):
    """Return (tick of the last event, [(tick, tempo), ...]) of one track."""
    pos, tick, status = 0, 0, 0
    tempos = []
    while pos < len(track):
        delta, pos = read_varlen(track, pos)
        tick += delta
        if track[pos] & 0x80:
            status = track[pos]
            pos += 1
        # otherwise running status: the data byte belongs to the last status
        if status == 0xFF:
            meta = track[pos]
            size, pos = read_varlen(track, pos + 1)
            if meta == 0x51 and size == 3:
                tempos.append((tick, int.from_bytes(track[pos:pos + 3], "big")))
            pos += size
            if meta == 0x2F:
                break
        elif status in (0xF0, 0xF7):
            size, pos = read_varlen(track, pos)
            pos += size
        elif status & 0xF0 in (0xC0, 0xD0):
            pos += 1
        else:
            pos += 2
    return tick, tempos


def midi_length(path):
    """Playing length of the MIDI file at path, in seconds."""
    with open(path, "rb") as f:
        data = f.read()
    parts = list(chunks(data))
    if not parts or parts[0][0] != b"MThd":
        raise ValueError(f"{path}: not a standard MIDI file")
    _, _, division = struct.unpack(">HHH", parts[0][1][:6])

    last, tempos = 0, []
    for kind, body in parts[1:]:
        if kind == b"MTrk":
            end, found = scan_track(body)
            last = max(last, end)
            tempos += found

    if division & 0x8000:
        # SMPTE time: frames per second (negative byte) times ticks per frame
        fps = 256 - (division >> 8)
        return last / (fps * (division & 0xFF))

    seconds, tick, tempo = 0.0, 0, DEFAULT_TEMPO
    for at, new_tempo in sorted(tempos):
        if at >= last:
            break
        seconds += (at - tick) * tempo / division / 1e6
        tick, tempo = at, new_tempo
    return seconds + (last - tick) * tempo / division / 1e6


def main(paths):
    if not paths:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    for path in paths:
        length = midi_length(path)
        print(f"{length:.3f}" if len(paths) == 1 else f"{length:.3f}\t{path}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
