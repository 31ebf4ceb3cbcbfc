"""Restoring positions in the real window: a program just started continues from a slot of
the walkthrough's last line (the whole story replayed), then goes back one line (Ctrl+Z)
and fifty lines (chosen in the history, then Enter). Each is timed from the key sent to
the restored line's arrival on the frame log: the scene is repainted before the line is
shown, and the line's label is painted in the same turn of the event loop."""

import os
import re
import shutil
import statistics
import subprocess
import tempfile
import time

from game import Game

GOAL_MS = 300
REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def last_line_slot(build):
    """A data folder whose only slot holds the walkthrough's last line, waiting; returns the
    folder and the line's number."""
    folder = tempfile.mkdtemp(prefix="hazama-slots-")
    data = os.path.join(folder, "hazama")
    with open(os.path.join(REPO, "tests", "story", "walkthrough.txt")) as f:
        script = re.sub(r"#.*", "", f.read())
    script = "\n".join(l for l in script.splitlines() if l.strip() not in ("", "quit"))
    subprocess.run([os.path.join(build, "hazama-story"), "--data", data],
                   input=script + "\nslot save last\n", text=True, stdout=subprocess.DEVNULL,
                   check=True)
    path = os.path.join(data, "saves", "last.hzs")
    with open(path, encoding="utf-8") as f:
        text = f.read()
    # Saved idle after the last line: the same position with that line waiting.
    m = re.search(r"^# idle (\d+) ", text, re.M)
    if not m:
        raise RuntimeError("the walkthrough's slot does not end idle")
    with open(path, "w", encoding="utf-8") as f:
        f.write(with_check(text[:m.start()] + "# at " + text[m.start() + len("# idle "):]))
    return folder, int(m[1])


def with_check(text):
    """The slot's text with its check line made anew for the body after it (FNV-1a of its
    bytes, as src/replay/slot_file.cpp writes it): the game takes an edited slot whose check
    no longer matches for a damaged one and will not continue from it."""
    header, check, body = text.split("\n", 2)
    if not check.startswith("# check "):
        raise RuntimeError("the walkthrough's slot has no check line")
    h = 14695981039346656037
    for byte in body.encode("utf-8"):
        h = ((h ^ byte) * 1099511628211) % (1 << 64)
    return f"{header}\n# check {h:016x}\n{body}"


def timed(game, keys, send, calls):
    """Ms from just before `send` (the last keys) is sent to the next line shown, and that
    line; the xdotool call's own ms go to `calls` (it counts in the figure)."""
    if keys:
        game.key(*keys)
        time.sleep(0.3)
    before = len(game.lines)
    start = time.monotonic()
    game.key(*send)
    calls.append((time.monotonic() - start) * 1000)
    index, line = game.wait_line(r"^note \S+ cpu \S+ message ", after=before, timeout=20)
    return (game.arrived[index] - start) * 1000, line.split(" ", 5)[5]


def one_run(args, x, data, calls):
    game = Game(args.build, x.display, {"XDG_DATA_HOME": data})
    try:
        game.find_window()
        time.sleep(1)  # the title is up
        game.focus()
        figures = {}
        figures["slot"], last = timed(game, [], ["F9"], calls)
        time.sleep(0.5)
        figures["back 1"], _ = timed(game, [], ["ctrl+z"], calls)
        time.sleep(0.5)
        # Up chooses the line shown last, and each Up after it one line further back.
        figures["back 50"], _ = timed(game, ["Prior"] + ["Up"] * 51, ["Return"], calls)
        return figures, last
    finally:
        game.close()


def restore(args, x, saves):
    data, line = last_line_slot(args.build)
    with open("/proc/loadavg") as f:
        load = " ".join(f.read().split()[:3])
    print(f"restore: {args.runs} fresh programs continue from a slot of line {line}, then go "
          f"back 1 and 50 lines; ms from the key to the line shown (load average {load})")
    runs, calls = [], []
    try:
        for _ in range(args.runs):
            try:
                figures, last = one_run(args, x, data, calls)
            except RuntimeError as e:
                # On a machine shared with other builds a start now and then finds no
                # display; one more try, then the failure stands.
                print(f"    (once more: {e})")
                figures, last = one_run(args, x, data, calls)
            runs.append(figures)
    finally:
        shutil.rmtree(data, ignore_errors=True)
    print(f"    line restored first: {last}; the key's xdotool call, counted in each figure: "
          f"median {statistics.median(calls):.1f} ms")
    for name in ("slot", "back 1", "back 50"):
        values = [r[name] for r in runs]
        median = statistics.median(values)
        print(f"    {name:<8} " + " ".join(f"{v:.0f}" for v in values) +
              f"; median {median:.1f} ms")
        goal = {"slot": "the last line from a slot, program just started",
                "back 1": "back 1 line (Ctrl+Z)",
                "back 50": "back 50 lines (the history)"}[name]
        ok = median <= GOAL_MS
        print(f"  {goal + ' within 300 ms':<60} {median:.1f} ms median  "
              f"{'ok' if ok else 'MISSED'}  worst {max(values):.1f}")
