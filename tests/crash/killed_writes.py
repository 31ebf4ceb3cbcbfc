#!/usr/bin/python3
"""Kills the story runner with SIGKILL at random moments while it writes, and checks that
every file it writes is always whole.

The runner plays the whole-story walkthrough and, after every command, writes a slot, the
quick slot and the automatic slot, changes a choice (which writes the settings file) and
lets five seconds pass (so the next line writes the read record): the same files, written
through the same code (write_slot, ReadRecord::save, write_settings_file, each through
write_file_atomically), as the window writes them. After each kill, each of those files
must be there whole: a slot whose check matches, a read record whose check matches and
that never holds fewer lines than before, a settings file of whole lines. At the end the
runner loads each slot, which must replay.

tests/crash/killed_writes.py --runner build/hazama-story --source . [--kills 200] [--seed N]
"""
import argparse
import os
import random
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

FNV_OFFSET = 14695981039346656037
FNV_PRIME = 1099511628211
SLOTS = ["slot01", "quick", "auto"]
CHOICES = ["text slow", "text instant", "skip-mode all", "skip-mode read", "auto fast",
           "auto off"]


def fnv(data):
    h = FNV_OFFSET
    for b in data:
        h = ((h ^ b) * FNV_PRIME) & 0xFFFFFFFFFFFFFFFF
    return h


def slot_whole(data):
    """A slot of this build: its check matches what follows it."""
    first = data.find(b"\n")
    second = data.find(b"\n", first + 1)
    if first < 0 or second < 0 or data[:first] != b"# hazama position 2":
        return False
    check = data[first + 1:second]
    if not check.startswith(b"# check ") or len(check) != 24:
        return False
    return int(check[8:], 16) == fnv(data[second + 1:])


def record_lines(data):
    """The number of lines a whole read record holds, or None."""
    if len(data) < 20 or data[:8] != b"HZMREAD1":
        return None
    (count,) = struct.unpack("<I", data[8:12])
    if len(data) != 12 + 8 * count + 8:
        return None
    (check,) = struct.unpack("<Q", data[-8:])
    return count if check == fnv(data[:-8]) else None


def settings_whole(data):
    lines = data.decode("utf-8").split("\n")
    return (lines[0] == "[General]" and lines[-1] == "" and
            all("=" in line for line in lines[1:-1]) and
            {line.split("=")[0] for line in lines[1:-1]} ==
            {"auto_advance", "auto_speed", "skip_mode", "text_speed", "language"})


def script(source):
    commands = []
    with open(os.path.join(source, "tests/story/walkthrough.txt")) as f:
        for line in f:
            line = line.split("#")[0].strip()
            if line and line != "quit":
                commands.append(line)
    out = []
    for i, command in enumerate(commands):
        out += ["wait 5000", command, "slot save slot01", "quicksave", "slot save auto",
                CHOICES[i % len(CHOICES)]]
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runner", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--kills", type=int, default=200)
    parser.add_argument("--seed", type=int, default=random.randrange(1 << 30))
    args = parser.parse_args()
    rng = random.Random(args.seed)
    work = tempfile.mkdtemp(prefix="hazama-kills-", dir=os.path.dirname(
        os.path.abspath(args.runner)))
    data = os.path.join(work, "data")
    settings = os.path.join(work, "config", "settings.ini")
    text = script(args.source).encode()
    files = {"read.dat": os.path.join(data, "read.dat"), "settings.ini": settings}
    for name in SLOTS:
        files[name] = os.path.join(data, "saves", name + ".hzs")
    lines_before = 0
    killed_writing = 0
    failures = []
    started = time.monotonic()
    try:
        # A first run to the end, so that every file exists before the kills begin.
        subprocess.run([args.runner, "--data", data, "--settings", settings], input=text,
                       stdout=subprocess.DEVNULL, check=True)
        for kill in range(args.kills):
            runner = subprocess.Popen(
                [args.runner, "--data", data, "--settings", settings],
                stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            runner.stdin.write(text)
            runner.stdin.close()
            time.sleep(rng.uniform(0.005, 0.15))
            runner.send_signal(signal.SIGKILL)
            runner.wait()
            names = os.listdir(os.path.join(data, "saves")) + os.listdir(data) + \
                os.listdir(os.path.dirname(settings))
            if any(".tmp-" in name for name in names):
                killed_writing += 1
            for name, path in files.items():
                try:
                    with open(path, "rb") as f:
                        content = f.read()
                except OSError as e:
                    failures.append("kill %d: %s: %s" % (kill, name, e))
                    continue
                if name == "read.dat":
                    lines = record_lines(content)
                    if lines is None or lines < lines_before:
                        failures.append("kill %d: the read record is not whole (%s lines, %d"
                                        " before)" % (kill, lines, lines_before))
                    else:
                        lines_before = lines
                elif name == "settings.ini":
                    if not settings_whole(content):
                        failures.append("kill %d: the settings file is not whole" % kill)
                elif not slot_whole(content):
                    failures.append("kill %d: slot %s is not whole (%d bytes)"
                                    % (kill, name, len(content)))
            # Leftovers of a writer killed in the middle go once it is a while gone; here
            # they are cleared so that the next kill's count is its own.
            for folder in (os.path.join(data, "saves"), data, os.path.dirname(settings)):
                for name in os.listdir(folder):
                    if ".tmp-" in name:
                        os.unlink(os.path.join(folder, name))
        # Every slot left loads and replays.
        load = "".join("slot load %s\n" % name for name in SLOTS)
        loaded = subprocess.run([args.runner, "--data", data], input=load.encode(),
                                capture_output=True)
        out = loaded.stdout.decode()
        if loaded.returncode != 0 or "slot refused" in out or \
                out.count("replay to message") != len(SLOTS):
            failures.append("the slots left do not load:\n" + out[-2000:] +
                            loaded.stderr.decode()[-2000:])
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("killed writes: seed %d, %d kills (%d while a file was being written), %d lines in"
          " the read record, %.1f s" % (args.seed, args.kills, killed_writing, lines_before,
                                        time.monotonic() - started))
    if failures:
        print("FAILED:\n" + "\n".join(failures[:20]))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
