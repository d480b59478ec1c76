#!/usr/bin/env python3
"""Our MVR heat check agrees with python3-iapws to 1e-7, relative, in every figure before
rounding, over vapour temperatures of 20–150 ℃, boiling point rises of 0–15 K, heater
differences of 3–15 K and isentropic efficiencies of 0.6–0.9.

The reference solves the isentropic and the real discharge temperature with scipy's brentq
on python3-iapws's region 2, independently of our own search.

Usage: thermal_sweep_test.py THERMAL_VALUES
"""
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "accuracy"))
import thermal_sweep as ts  # noqa: E402

PROGRAM = None  # the path of thermal_values, from the command line


class AgreesWithPythonIapws(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.points = ts.grid()
        cls.lines = ts.ours(PROGRAM, cls.points)
        cls.result = ts.compare(cls.points, cls.lines)
        print(f"\nLargest relative deviation from python3-iapws over {cls.result.points} "
              f"points: {ts.largest(cls.result).deviation:.2e}", file=sys.stderr)
        for w in cls.result.worst:
            print(f"  {w.figure.key:<31} {w.deviation:.2e} at {' '.join(w.at or ())}",
                  file=sys.stderr)

    def test_the_grid_spans_the_ranges(self):
        self.assertEqual(len(self.points), 14 * 6 * 5 * 4)
        self.assertEqual((ts.VAPOUR_TEMPERATURES_C[0], ts.VAPOUR_TEMPERATURES_C[-1]), (20, 150))
        self.assertEqual(len(self.lines), len(self.points))

    def test_every_point_gives_figures(self):
        self.assertEqual(self.result.unanswered, ())

    def test_each_figure_agrees_everywhere(self):
        for w in self.result.worst:
            with self.subTest(w.figure.key):
                self.assertLessEqual(w.deviation, ts.TOLERANCE, f"at {w.at}")

    def test_the_reference_tells_a_wrong_figure(self):
        # An efficiency read 1 % off moves the work by 1 %: the comparison must see it.
        texts = ("3.75", "70", "3", "6", "0.8", "0.95", "1800")
        shifted = ts.reference(texts[:4] + ("0.808",) + texts[5:])
        self.assertGreater(abs(shifted[9] / ts.reference(texts)[9] - 1), 100 * ts.TOLERANCE)

    def test_a_line_off_by_a_point_is_not_answered(self):
        # A line lost or gained shifts every later figure onto the wrong point; it must be
        # seen as a gap, not compared.
        points, lines = self.points[:3], self.lines[:3]
        for case, answered in [("one line short", lines[:-1]),
                               ("one line more", lines + lines[-1:]),
                               ("a refusal", ["refused evaporation"] + lines[1:])]:
            with self.subTest(case):
                self.assertEqual(len(ts.compare(points, answered).unanswered), 1)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)
