#!/usr/bin/env python3
"""Our MVR heat check agrees with python3-iapws to 1e-7, relative, in every figure before
rounding, over vapour temperatures of 20–150 ℃, boiling point rises of 0–15 K, heater
differences of 3–15 K and isentropic efficiencies of 0.6–0.9.

The reference solves the isentropic and the real discharge temperature with scipy's brentq
on python3-iapws's region 2, independently of our Newton iteration.

Usage: thermal_sweep_test.py THERMAL_VALUES
"""
import itertools
import subprocess
import sys
import unittest

from iapws.iapws97 import _PSat_T, _Region1, _Region2
from scipy.optimize import brentq

PROGRAM = None  # the path of thermal_values, from the command line
TOLERANCE = 1e-7
KELVIN = 273.15
HOTTEST_K = 1073.15

FIGURES = (
    "boiling_temperature_c", "condensing_temperature_c", "lift_k", "suction_pressure_kpa",
    "discharge_pressure_kpa", "compression_ratio", "suction_volume_m3_per_h",
    "isentropic_work_kj_per_kg", "discharge_temperature_c", "shaft_power_kw", "motor_power_kw",
    "specific_energy_kwh_per_t", "desuperheating_water_kg_per_h", "heater_duty_kw",
    "heater_area_m2",
)

VAPOUR_TEMPERATURES_C = tuple(range(20, 151, 10))
RISES_K = (0, 3, 6, 9, 12, 15)
DIFFERENCES_K = (3, 6, 9, 12, 15)
ISENTROPIC_EFFICIENCIES = ("0.6", "0.7", "0.8", "0.9")
# Taken in turn along the grid, so that every figure scales with more than one value of each.
EVAPORATIONS = ("0.5", "3.75", "20", "150")
DRIVE_EFFICIENCIES = ("0.85", "0.9", "0.95", "0.98")
COEFFICIENTS = ("300", "1800", "4000")


def grid():
    """The input texts of every point, in the tool's order."""
    points = itertools.product(VAPOUR_TEMPERATURES_C, RISES_K, DIFFERENCES_K,
                               ISENTROPIC_EFFICIENCIES)
    return [(EVAPORATIONS[i % 4], str(t1), str(bpe), str(dt), eta_s, DRIVE_EFFICIENCIES[i % 4],
             COEFFICIENTS[i % 3])
            for i, (t1, bpe, dt, eta_s) in enumerate(points)]


def reference(texts):
    """The fifteen figures from python3-iapws, in FIGURES' order."""
    w, t1, bpe, dt, eta_s, eta_m, u = (float(t) for t in texts)
    tb = t1 + bpe
    tc = tb + dt
    p1 = _PSat_T(t1 + KELVIN)
    p2 = _PSat_T(tc + KELVIN)
    suction = _Region2(tb + KELVIN, p1)
    t2s = brentq(lambda t: _Region2(t, p2)["s"] - suction["s"], tc + KELVIN, HOTTEST_K,
                 xtol=1e-12)
    ws = _Region2(t2s, p2)["h"] - suction["h"]
    work = ws / eta_s
    h2 = suction["h"] + work
    t2 = brentq(lambda t: _Region2(t, p2)["h"] - h2, t2s, HOTTEST_K, xtol=1e-12)
    m = w / 3.6
    shaft = m * work
    motor = shaft / eta_m
    h_vapour = _Region2(tc + KELVIN, p2)["h"]
    h_liquid = _Region1(tc + KELVIN, p2)["h"]
    water = m * (h2 - h_vapour) / (h_vapour - h_liquid) * 3600
    duty = m * (h2 - h_liquid)
    return (tb, tc, bpe + dt, p1 * 1000, p2 * 1000, p2 / p1, m * suction["v"] * 3600, ws,
            t2 - KELVIN, shaft, motor, motor / w, water, duty, duty * 1000 / (u * dt))


def ours(points):
    text = "".join(" ".join(p) + "\n" for p in points)
    run = subprocess.run([PROGRAM], input=text, capture_output=True, encoding="utf-8",
                         check=True)
    return run.stdout.splitlines()


class AgreesWithPythonIapws(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.points = grid()
        cls.lines = ours(cls.points)
        # figure -> (relative deviation, the point's texts)
        cls.worst = {name: (-1.0, None) for name in FIGURES}
        cls.unanswered = []
        for texts, line in zip(cls.points, cls.lines):
            fields = line.split()
            if len(fields) != len(FIGURES):
                cls.unanswered.append((texts, line))
                continue
            for name, got, expected in zip(FIGURES, map(float, fields), reference(texts)):
                deviation = abs(got - expected) / abs(expected)
                if deviation > cls.worst[name][0]:
                    cls.worst[name] = (deviation, texts)
        overall = max(d for d, _ in cls.worst.values())
        print(f"\nLargest relative deviation from python3-iapws over {len(cls.points)} points: "
              f"{overall:.2e}", file=sys.stderr)
        for name, (deviation, texts) in cls.worst.items():
            print(f"  {name:<31} {deviation:.2e} at {' '.join(texts or ())}", file=sys.stderr)

    def test_the_grid_spans_the_ranges(self):
        self.assertEqual(len(self.points), 14 * 6 * 5 * 4)
        self.assertEqual((VAPOUR_TEMPERATURES_C[0], VAPOUR_TEMPERATURES_C[-1]), (20, 150))
        self.assertEqual(len(self.lines), len(self.points))

    def test_every_point_gives_figures(self):
        self.assertEqual(self.unanswered, [])

    def test_each_figure_agrees_everywhere(self):
        for name, (deviation, texts) in self.worst.items():
            with self.subTest(name):
                self.assertLessEqual(deviation, TOLERANCE, f"at {texts}")

    def test_the_reference_tells_a_wrong_figure(self):
        # An efficiency read 1 % off moves the work by 1 %: the comparison must see it.
        texts = ("3.75", "70", "3", "6", "0.8", "0.95", "1800")
        shifted = reference(texts[:4] + ("0.808",) + texts[5:])
        self.assertGreater(abs(shifted[9] / reference(texts)[9] - 1), 100 * TOLERANCE)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    PROGRAM = sys.argv.pop(1)
    unittest.main(verbosity=2)
