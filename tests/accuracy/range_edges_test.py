#!/usr/bin/env python3
"""Each `accurate` range a tool description declares holds at both its ends: the
figures its phrase names stay within its percentage of IAPWS-IF97 there.

Usage: range_edges_test.py VAPENTIS_CALC
"""
import sys
import unittest
from dataclasses import replace
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "accuracy"))
import measure  # noqa: E402

CALC = None  # the path of vapentis-calc, from the command line


class DeclaredRanges(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.calc = measure.Calc(CALC)
        cls.claims = measure.declared_claims(cls.calc.describe())

    def test_every_measured_input_declares_a_range(self):
        declared = {(c.subject.tool, c.subject.input) for c in self.claims}
        for subject in measure.SUBJECTS:
            with self.subTest(subject.name):
                self.assertIn((subject.tool, subject.input), declared)

    def test_each_range_holds_at_both_ends(self):
        for claim in self.claims:
            for point in measure.edges(self.calc, claim):
                with self.subTest(f"{claim.subject.name} at {point.text} {claim.subject.unit}"):
                    self.assertEqual(measure.breaches([point], claim), [])

    def test_a_range_reaching_over_the_whole_span_is_caught(self):
        for claim in self.claims:
            wider = replace(claim, low=float(claim.subject.span[0]),
                            high=float(claim.subject.span[-1]))
            with self.subTest(claim.subject.name):
                self.assertNotEqual(measure.breaches(measure.edges(self.calc, wider), wider), [])


def description(key, accurate, phrase):
    """A describe document with one steam input."""
    low, high = accurate
    return {"tools": [{"name": "steam", "inputs": [
        {"key": key, "accurate": {"low": low, "high": high}, "accuracy": phrase}]}]}


# (case, input key, accurate range, phrase, the claim's limit and figure keys, or None: refused)
PHRASES = [
    ("both figures at 2 %", "temperature", (55, 105), "密度和潜热与IAPWS-IF97相差不超过2%",
     (2.0, ("density_kg_per_m3", "latent_heat_kj_per_kg"))),
    ("one figure at 1.5 %", "pressure", (0.02, 0.1), "潜热相差不超过1.5 %",
     (1.5, ("latent_heat_kj_per_kg",))),
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

    def test_a_description_without_ranges_claims_nothing(self):
        unbounded = description("temperature", (None, None), "")
        self.assertEqual(measure.declared_claims(unbounded), [])


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    CALC = sys.argv.pop(1)
    unittest.main(verbosity=2)
