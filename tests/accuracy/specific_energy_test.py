#!/usr/bin/env python3
"""The heat check's specific energy on docs/accuracy.md: each row carries the figures the
program gave for its own case, the start case is the tool's start texts, a figure is placed
against its kind's published range, and the triple effect's steam is turned into heat in
kWh per t."""
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools" / "accuracy"))
import specific_energy as se  # noqa: E402


class FakeCalc:
    """Answers each heat check request with figures made from its own inputs, so that a row
    holding another request's figures shows."""

    def __init__(self, drop_last=False):
        self.requests = []
        self.drop_last = drop_last

    def records(self, requests):
        self.requests += requests
        answered = requests[:-1] if self.drop_last else requests
        return [{"figures": {"lift_k": float(r["boiling_point_rise"])
                             + float(r["heater_difference"]),
                             "discharge_temperature_c": float(r["vapour_temperature"]) + 40,
                             se.FIGURE: float(r["vapour_temperature"])
                             + 10 * float(r["boiling_point_rise"])
                             + float(r["isentropic_efficiency"])},
                 "lines": ["…", f"closing of {r['vapour_temperature']}"]}
                for r in answered]


def description(drive_efficiency="0.95"):
    start = {"evaporation": "3.75", "vapour_temperature": "65", "boiling_point_rise": "4",
             "heater_difference": "7", "isentropic_efficiency": "0.78",
             "drive_efficiency": drive_efficiency, "heat_transfer_coefficient": "1800"}
    return {"tools": [{"name": "pump", "inputs": []},
                      {"name": "thermal",
                       "inputs": [{"key": k, "start_text": v} for k, v in start.items()]}]}


class Rows(unittest.TestCase):
    def test_each_row_holds_the_figures_of_its_own_case(self):
        calc = FakeCalc()
        rows = se.rows(calc, se.TYPICAL)
        self.assertEqual(len(calc.requests), len(se.TYPICAL))
        for case, request, row in zip(se.TYPICAL, calc.requests, rows):
            with self.subTest(case=case):
                self.assertEqual(request, dict(case.request()))
                self.assertEqual(request["drive_efficiency"], se.DRIVE_EFFICIENCY)
                self.assertIs(row.case, case)
                self.assertEqual(row.specific_energy,
                                 float(case.vapour_temperature)
                                 + 10 * float(case.boiling_point_rise)
                                 + float(case.isentropic_efficiency))
                self.assertEqual(row.lift_k, float(case.boiling_point_rise)
                                 + float(case.heater_difference))
                self.assertEqual(row.lines[-1], f"closing of {case.vapour_temperature}")

    def test_an_answer_short_of_the_cases_is_an_error(self):
        with self.assertRaises(ValueError):
            se.rows(FakeCalc(drop_last=True), se.TYPICAL)


class StartCase(unittest.TestCase):
    def test_the_start_case_is_the_tools_start_texts(self):
        case = se.start_case(description())
        self.assertEqual((case.vapour_temperature, case.boiling_point_rise,
                          case.heater_difference, case.isentropic_efficiency),
                         ("65", "4", "7", "0.78"))
        self.assertIs(case.kind, se.LOW_RISE)

    def test_a_start_drive_efficiency_the_table_does_not_assume_is_refused(self):
        with self.assertRaises(ValueError):
            se.start_case(description(drive_efficiency="0.9"))


# (case, kWh/t, published range, the table's word)
PLACEMENTS = [
    ("under the low end", 14.9, se.LOW_RISE, "0.1 below"),
    ("the low end itself", 15, se.LOW_RISE, "within"),
    ("the high end itself", 25, se.LOW_RISE, "within"),
    ("over the high end", 25.5, se.LOW_RISE, "0.5 above"),
    ("a food figure against salt's range", 23, se.SALT, "17.0 below"),
    ("well over salt's", 61.2, se.SALT, "1.2 above"),
]


class Placement(unittest.TestCase):
    def test_a_figure_is_placed_against_its_range(self):
        for case, value, kind, expected in PLACEMENTS:
            with self.subTest(case):
                self.assertEqual(se.placement(value, kind), expected)

    def test_a_kind_counts_its_own_cases_only(self):
        def row(kind, energy):
            return se.Row(se.Case(kind, "80", "8", "5", "0.8"), 13, 150, energy, ())

        found = [row(se.SALT, 32.5), row(se.SALT, 45), row(se.SALT, 62), row(se.LOW_RISE, 16)]
        self.assertEqual(se.kind_sentence(se.SALT, found),
                         "Salt crystallisation: the 3 cases give 32.5–62.0 kWh/t against the "
                         "published 40–60 kWh/t; 1 within, 1 below, 1 above.")
        self.assertEqual(se.kind_sentence(se.LOW_RISE, found),
                         "Food, dilute liquors: the one case gives 16.0 kWh/t against the "
                         "published 15–25 kWh/t; 1 within.")


class TripleEffect(unittest.TestCase):
    def test_the_steam_is_heat_in_kwh_per_t_of_water(self):
        # Steam tables: h_fg 2086 kJ/kg at 0.6 MPa and 2202 kJ/kg at 0.2 MPa, so 0.3 t of the
        # first and 0.45 t of the second carry 174 and 275 kWh.
        least, most = se.live_steam_heat_kwh_per_t()
        self.assertAlmostEqual(least, 0.3 * 2086 / 3.6, delta=0.5)
        self.assertAlmostEqual(most, 0.45 * 2202 / 3.6, delta=0.5)


if __name__ == "__main__":
    unittest.main(verbosity=2)
