#!/usr/bin/env python3
"""Our IAPWS-IF97 saturation line agrees with python3-iapws to 1e-6, relative, in every
figure at every 0.1 K and at 200 pressures over the range it covers.

Usage: if97_sweep_test.py IF97_VALUES
"""
import sys
import unittest
from decimal import Decimal
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "accuracy"))
import if97_sweep  # noqa: E402

PROGRAM = None  # the path of if97_values, from the command line


class AgreesWithPythonIapws(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.result = if97_sweep.sweep(PROGRAM)
        print("\nLargest relative deviation from python3-iapws:", file=sys.stderr)
        for w in if97_sweep.largest_by_quantity(cls.result):
            print(f"  {w.quantity.label:<28} {w.deviation:.2e} at {w.at} "
                  f"({w.points} {w.sweep}s)", file=sys.stderr)

    def test_every_input_of_the_range_has_figures(self):
        self.assertEqual(self.result.missing, ())
        points = {(w.sweep, w.points) for w in self.result.worst}
        self.assertEqual(points, {("temperature", 3501), ("pressure", 200)})

    def test_the_sweeps_run_from_end_to_end_of_the_range(self):
        temperatures = if97_sweep.temperatures_k()
        self.assertEqual((str(temperatures[0]), str(temperatures[-1])), ("273.16", "623.15"))
        steps = {b - a for a, b in zip(temperatures, temperatures[1:-1])}
        self.assertEqual(steps, {Decimal("0.1")})
        pressures = if97_sweep.pressures_mpa()
        self.assertEqual((pressures[0], pressures[-1]), (0.000611657, 16.5291))
        self.assertEqual(pressures, sorted(set(pressures)))

    def test_each_figure_agrees_everywhere(self):
        for w in self.result.worst:
            with self.subTest(f"{w.quantity.label}, {w.sweep} sweep"):
                self.assertLessEqual(w.deviation, if97_sweep.TOLERANCE, f"at {w.at}")


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)
