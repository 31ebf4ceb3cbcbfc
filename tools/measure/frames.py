"""Reading the window's frame log (HAZAMA_LOG_FRAMES): every dissolve with its frames, when
each was due, when it was drawn and when it was on screen, and the CPU the dissolve took.

The log's lines, times in ms on the window's clock (the clock the game's waits use):
    note TIME cpu CPU_MS fade SPAN OP     a dissolve begins
    clock MS                               the game's first clock reading after a note: the
                                           dissolve's start, from which its frames are due
    frame ASKED SHOWN cpu CPU_MS           a refresh was asked for, and was on screen at SHOWN
"""

import math


def due_ms(start, span, step):
    """When step `step` of 16 begins: the first whole ms at or after step * span / 16."""
    return start + (step * span + 15) // 16


def dissolves(lines):
    """Each dissolve in the log as a dict: span, op, cpu_ms, and frames, a list of
    (step, due, asked, shown) where step 16 is the final refresh with the whole picture."""
    found = []
    current = None
    for line in lines:
        parts = line.split()
        if len(parts) >= 7 and parts[0] == "note" and parts[4] == "fade":
            current = {"start": math.floor(float(parts[1])), "cpu_start": float(parts[3]),
                       "span": int(parts[5]), "op": int(parts[6]), "frames": []}
            continue
        if current is not None and len(parts) == 2 and parts[0] == "clock" and not current["frames"]:
            current["start"] = int(parts[1])
            continue
        if current is None or len(parts) != 5 or parts[0] != "frame":
            continue
        asked, shown, cpu = float(parts[1]), float(parts[2]), float(parts[4])
        start, span = current["start"], current["span"]
        elapsed = math.floor(asked) - start
        if elapsed >= span:
            current["frames"].append((16, start + span, asked, shown))
            current["cpu_ms"] = cpu - current.pop("cpu_start")
            found.append(current)
            current = None
            continue
        # The game reads the step just before it makes the frame, which takes some 30 us:
        # the step of the time the refresh was asked for is the frame's own.
        step = elapsed * 16 // span
        current["frames"].append((step, due_ms(start, span, step), asked, shown))
    return found


def summary(dissolve):
    """Frames drawn, CPU ms, and in ms the worst lateness on screen, split into the frame
    being made (the wake-up and the dissolve step) and being painted and flushed."""
    frames = dissolve["frames"]
    return {
        "frames": len(frames),
        "cpu_ms": dissolve["cpu_ms"],
        "late_max": max(shown - due for _, due, _, shown in frames),
        "late_mean": sum(shown - due for _, due, _, shown in frames) / len(frames),
        "made_max": max(asked - due for _, due, asked, _ in frames),
        "paint_max": max(shown - asked for _, _, asked, shown in frames),
        "over_2ms": sum(1 for _, due, _, shown in frames if shown - due > 2),
        "paints": [shown - asked for _, _, asked, shown in frames],
    }
