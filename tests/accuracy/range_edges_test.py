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


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    CALC = sys.argv.pop(1)
    unittest.main(verbosity=2)
