#!/usr/bin/env python3
"""Prints one table from Google Benchmark JSON files: ns per op and the ratios."""
import json
import sys

NUMERIC = {
    "BM_ParseNumber": "ParseNumber",
    "BM_FromChars": "std::from_chars",
    "BM_NumberText": "NumberText",
    "BM_ToCharsShortest": "std::to_chars (shortest)",
    "BM_Snprintf15g": 'snprintf("%.15g")',
}
# (numerator, denominator, target ratio or None)
RATIOS = [
    ("ParseNumber", "std::from_chars", 2.0),
    ("NumberText", "std::to_chars (shortest)", 3.0),
    ("NumberText", 'snprintf("%.15g")', None),
]
# Each calculation with its result lines; the steam tool and the pipe tool for
# steam also compute their IAPWS-IF97 line.
CALCULATION_TARGET_NS = 500.0
WITH_IF97_TARGET_NS = 1000.0
WITH_IF97 = ("SteamPropertiesResult", "PipeDiameterResult steam")
# The heat check solves region 2 twice for a temperature.
HEAT_CHECK_TARGET_NS = 2000.0
# Every tool of the catalog through the presenter: the calculation, its range
# warnings and its record, as one press of its button makes them.
PRESENT_TARGET_NS = 2000.0
# Opening a case file: the file of every tool read and every tool pressed again, the
# writer, and the largest file accepted; the first is held to its target.
CASE_TARGET_NS = {"BM_ReadAndRecalculateCase": 50e6}
CASE = ("BM_ReadAndRecalculateCase", "BM_WriteCase", "BM_ReadLargestCase")


def calculation_target_ns(name):
    if name.startswith("Present ") or name == "MvrThermalCheck":
        return PRESENT_TARGET_NS if name.startswith("Present ") else HEAT_CHECK_TARGET_NS
    return WITH_IF97_TARGET_NS if name.startswith(WITH_IF97) else CALCULATION_TARGET_NS


def ns_per_op(entry):
    """The benchmark's own CPU time: on a shared machine the wall-clock time also
    carries other programs' turns on the cores. In a quiet run the two agree."""
    scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}[entry.get("time_unit", "ns")]
    return entry["cpu_time"] * scale


def load(paths):
    """Name -> ns per op, and name -> items per second for throughput runs;
    the median when the run repeated, else the single run."""
    times, medians, rates, rate_medians = {}, {}, {}, {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            for entry in json.load(f)["benchmarks"]:
                name = entry.get("run_name", entry["name"])
                median = entry.get("run_type") == "aggregate"
                if median and entry.get("aggregate_name") != "median":
                    continue
                if "items_per_second" in entry:
                    (rate_medians if median else rates).setdefault(name, entry["items_per_second"])
                else:
                    (medians if median else times).setdefault(name, ns_per_op(entry))
    times.update(medians)
    rates.update(rate_medians)
    return times, rates


def main(paths):
    times, rates = load(paths)
    rows = []
    for key, label in NUMERIC.items():
        if key in times:
            rows.append((label, times.pop(key), "", ""))
    named = {label: t for label, t, _, _ in rows}
    for num, den, target in RATIOS:
        if num in named and den in named:
            ratio = named[num] / named[den]
            verdict = "" if target is None else ("met" if ratio <= target else "MISSED")
            goal = "" if target is None else f"<= {target:g}"
            rows.append((f"{num} / {den}", ratio, goal, verdict))
    for name in CASE:
        if name not in times:
            continue
        t = times.pop(name)
        rows.append((name.removeprefix("BM_"), t, "", ""))
        if name in CASE_TARGET_NS:
            target = CASE_TARGET_NS[name]
            rows.append((f"{name.removeprefix('BM_')} / {target / 1e6:g} ms", t / target, "< 1",
                         "met" if t < target else "MISSED"))
    for name, t in sorted(times.items()):
        target = calculation_target_ns(name)
        ratio = t / target
        rows.append((f"{name}", t, "", ""))
        rows.append((f"{name} / {target / 1000:g} us", ratio, "< 1", "met" if ratio < 1 else "MISSED"))

    for name, rate in sorted(rates.items()):
        rows.append((name.removeprefix("BM_"), rate, "", "lines/s"))

    width = max(len(r[0]) for r in rows)
    print(f"{'benchmark (CPU time)':<{width}}  {'ns/op or ratio':>14}  {'target':>7}  result")
    print("-" * (width + 34))
    for name, value, goal, verdict in rows:
        if verdict == "lines/s":
            text, verdict = f"{value / 1e6:.2f} M/s", ""
        elif goal or "/" in name:
            text = f"{value:.2f}x"
        else:
            text = f"{value:.1f} ns"
        print(f"{name:<{width}}  {text:>14}  {goal:>7}  {verdict}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
