#!/usr/bin/env python3
"""The measuring behind docs/accuracy.md on made-up deviations: where figures
hold a limit, which run holds a declared range, what a declared phrase promises,
and the inputs swept."""
import sys
import unittest
from decimal import Decimal
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "accuracy"))
import measure  # noqa: E402

D, L = measure.DENSITY, measure.LATENT_HEAT


def points(*deviations):
    """Points at inputs 0, 1, 2, … with these (density, latent heat) deviations in %."""
    return [measure.Point(str(i), float(i), {}, {}, {D.key: d, L.key: l})
            for i, (d, l) in enumerate(deviations)]


# (case, (density, latent heat) deviations, figures, limit, expected runs as input texts)
RUNS = [
    ("every point within", [(0.5, 0), (-0.5, 0), (1.0, 0)], (D,), 1, [("0", "2")]),
    ("no point within", [(3, 0), (-3, 0)], (D,), 1, []),
    ("a run at each end", [(0, 0), (2, 0), (0, 0)], (D,), 1, [("0", "0"), ("2", "2")]),
    ("a run inside", [(2, 0), (0, 0), (0, 0), (-2, 0)], (D,), 1, [("1", "2")]),
    ("the limit itself holds", [(-1.0, 0), (1.0000001, 0)], (D,), 1, [("0", "0")]),
    ("both figures must hold", [(0, 3), (0, 0), (3, 0)], (D, L), 2, [("1", "1")]),
    ("the other figure is not asked", [(0, 3), (0, 0), (3, 0)], (D,), 2, [("0", "1")]),
]

# (case, declared low and high, the run around it as input texts, or None), over
# points whose density holds 2 % at inputs 0 and 2 to 4
AROUND = [
    ("inside a run", (2, 3), ("2", "4")),
    ("a whole run", (2, 4), ("2", "4")),
    ("ends between measured points", (1.5, 3.5), ("2", "4")),
    ("past a run's end", (2, 5), None),
    ("over the gap between runs", (0, 3), None),
]


class Runs(unittest.TestCase):
    def test_runs_are_the_longest_stretches_within_the_limit(self):
        for case, deviations, figures, limit, expected in RUNS:
            with self.subTest(case):
                found = measure.runs(points(*deviations), figures, limit)
                self.assertEqual([(a.text, b.text) for a, b in found], expected)

    def test_the_run_around_a_declared_range(self):
        swept = points((0, 0), (5, 0), (0, 0), (0, 0), (0, 0), (5, 0))
        for case, (low, high), expected in AROUND:
            with self.subTest(case):
                claim = measure.Claim(measure.STEAM_TEMPERATURE, low, high, "", 2, (D,))
                around = measure.run_around(swept, claim)
                self.assertEqual(around and (around[0].text, around[1].text), expected)


class Grids(unittest.TestCase):
    def test_the_swept_inputs_run_evenly_from_end_to_end(self):
        temperatures = measure.temperature_grid()
        self.assertEqual((temperatures[0], temperatures[-1], len(temperatures)),
                         ("20", "200", 1801))
        self.assertIn("100", temperatures)
        pressures = measure.pressure_grid()
        self.assertEqual((pressures[0], pressures[-1]), ("0.002", "1.6"))
        self.assertEqual([p for p in pressures if p in ("0.01", "0.1", "1")],
                         ["0.01", "0.1", "1"])
        values = [float(p) for p in pressures]
        self.assertEqual(values, sorted(set(values)))
        self.assertTrue(all(len(Decimal(p).as_tuple().digits) <= 3 for p in pressures))


def description(key, accurate, phrase):
    """A describe document with one steam input declaring one stretch, or none."""
    low, high = accurate
    stretches = [] if low is None and high is None else [{"low": low, "high": high}]
    return {"tools": [{"name": "steam", "inputs": [
        {"key": key, "accurate": stretches, "accuracy": phrase}]}]}


# (case, input key, accurate range, phrase, the claim's limit and figure keys, or None: refused)
PHRASES = [
    ("both figures at 2 %", "temperature", (55, 105), "密度和潜热与IAPWS-IF97相差不超过2%",
     (2.0, (D.key, L.key))),
    ("one figure at 1.5 %", "pressure", (0.02, 0.1), "潜热相差不超过1.5 %", (1.5, (L.key,))),
    ("no percentage", "temperature", (55, 105), "密度和潜热与IAPWS-IF97相符", None),
    ("no figure measured for the input", "pressure", (0.02, 0.1), "压力相差不超过2%", None),
    ("an open end", "temperature", (55, None), "密度相差不超过2%", None),
    ("an input nothing measures", "mode", (0, 1), "密度相差不超过2%", None),
]


class ReadingClaims(unittest.TestCase):
    def test_a_phrase_gives_its_limit_and_figures_or_is_refused(self):
        for case, key, accurate, phrase, expected in PHRASES:
            with self.subTest(case):
                doc = description(key, accurate, phrase)
                if expected is None:
                    with self.assertRaises(measure.ClaimError):
                        measure.declared_claims(doc)
                    continue
                (claim,) = measure.declared_claims(doc)
                self.assertEqual((claim.limit, tuple(f.key for f in claim.figures)), expected)

    def test_each_declared_stretch_is_a_claim_of_its_own(self):
        doc = description("temperature", (55, 105), "密度和潜热与IAPWS-IF97相差不超过2%")
        doc["tools"][0]["inputs"][0]["accurate"].append({"low": 126, "high": 165})
        claims = measure.declared_claims(doc)
        self.assertEqual([(c.low, c.high) for c in claims], [(55, 105), (126, 165)])

    def test_a_description_without_ranges_claims_nothing(self):
        unbounded = description("temperature", (None, None), "")
        self.assertEqual(measure.declared_claims(unbounded), [])


# (case, low, high, unit, low_open, the text the page writes)
RANGE_TEXTS = [
    ("both ends", 0.01, 350, "℃", False, "0.01–350 ℃"),
    ("from a value on", 0, None, "m", False, "≥ 0 m"),
    ("above a value, the value left out", 0, None, "K", True, "> 0 K"),
    ("up to a value", None, 8760, "h", False, "≤ 8760 h"),
    ("an open low end and a high one, no unit", 0, 1, "", True, "> 0 and ≤ 1"),
    ("no end at all", None, None, "K", False, ""),
]


class RangeTexts(unittest.TestCase):
    def test_a_range_reads_as_describe_bounds_it(self):
        for case, low, high, unit, low_open, expected in RANGE_TEXTS:
            with self.subTest(case):
                self.assertEqual(measure.range_text(low, high, unit, low_open), expected)


if __name__ == "__main__":
    unittest.main(verbosity=2)
