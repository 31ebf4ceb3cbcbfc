"""Reading the frame log: steps, due times and lateness of each dissolve.
Run: python3 -m unittest discover tools/measure"""

import unittest

import frames


def fade_log(start, span, shown_after_due, cpu=(100.0, 112.5), skip=(), clock=None):
    """A log of one dissolve noted at `start` (ms, fractional): every step but those in
    `skip` made 0.2 ms after it is due and on screen `shown_after_due` ms after it is due.
    The game reads its start as `clock` (logged) or, without one, as `start` truncated."""
    lines = [f"note {start:.3f} cpu {cpu[0]:.3f} fade {span} 0"]
    t0 = int(start) if clock is None else clock
    if clock is not None:
        lines.append(f"clock {clock}")
    for step in range(1, 17):
        if step in skip:
            continue
        due = t0 + span if step == 16 else frames.due_ms(t0, span, step)
        lines.append(f"frame {due + 0.2:.3f} {due + shown_after_due:.3f} cpu {cpu[1]:.3f}")
    return lines


class DissolveTest(unittest.TestCase):
    def test_steps_due_times_lateness_and_cpu(self):
        [d] = frames.dissolves(fade_log(5000.7, 1000, 0.9))
        steps = [f[0] for f in d["frames"]]
        self.assertEqual(steps, list(range(1, 17)))
        # Step k of 16 is due at the first whole ms of k * 62.5 ms; the start is truncated.
        dues = [f[1] - 5000 for f in d["frames"]]
        self.assertEqual(dues[:4], [63, 125, 188, 250])
        self.assertEqual(dues[-1], 1000)
        s = frames.summary(d)
        self.assertAlmostEqual(s["late_max"], 0.9)
        self.assertAlmostEqual(s["made_max"], 0.2)
        self.assertAlmostEqual(s["paint_max"], 0.7)
        self.assertAlmostEqual(s["cpu_ms"], 12.5)
        self.assertEqual(s["over_2ms"], 0)

    def test_late_and_skipped_steps(self):
        [d] = frames.dissolves(fade_log(0.0, 1000, 2.5, skip=(4, 5)))
        self.assertEqual([f[0] for f in d["frames"]][:4], [1, 2, 3, 6])
        self.assertEqual(frames.summary(d)["over_2ms"], 14)

    def test_only_refreshes_inside_a_dissolve_count(self):
        lines = (["frame 10.0 10.5 cpu 1", "note 11.0 cpu 1 picture 1 gra/x.jpg"] +
                 fade_log(20.0, 500, 0.5) + ["frame 900.0 900.5 cpu 50"] +
                 fade_log(1000.0, 1000, 1.0, cpu=(60.0, 70.0)))
        found = frames.dissolves(lines)
        self.assertEqual([(d["span"], len(d["frames"])) for d in found], [(500, 16), (1000, 16)])
        self.assertAlmostEqual(found[1]["cpu_ms"], 10.0)

    def test_the_games_own_clock_reading_is_the_start(self):
        # The note came at the very end of a ms; the game read its start in the next one.
        [d] = frames.dissolves(fade_log(4999.98, 1000, 0.5, clock=5000))
        self.assertEqual(d["frames"][0][1], 5063)
        self.assertAlmostEqual(frames.summary(d)["late_max"], 0.5)

    def test_an_unfinished_dissolve_is_not_reported(self):
        self.assertEqual(frames.dissolves(fade_log(0.0, 1000, 0.5)[:-1]), [])


if __name__ == "__main__":
    unittest.main()
