#!/usr/bin/env python3
"""Writes docs/accuracy.md and its plots in docs/accuracy/: the program's
figures against IAPWS-IF97, Sinnott's bundle diameter and GB/T 706-2016, next
to the ranges the tool descriptions declare, and the MVR heat check against
python3-iapws and beside the specific energy published for MVR plants. Stops
before writing anything when a declared range claims more than the figures
deliver, or when the IF97 line or the heat check parts from python3-iapws.

Usage: accuracy.py VAPENTIS_CALC IF97_VALUES THERMAL_VALUES REPOSITORY_ROOT

IF97_VALUES is tests/accuracy/if97_values.cpp built: our own IAPWS-IF97 line, swept against
python3-iapws as the test run does. THERMAL_VALUES is tests/accuracy/thermal_values.cpp built:
the heat check's figures before rounding, swept as the test run does.
"""
import sys
from pathlib import Path

import matplotlib

matplotlib.use("Agg")
from matplotlib import pyplot as plt  # noqa: E402 (after choosing the backend)

import if97_sweep  # noqa: E402
import measure  # noqa: E402
from measure import range_text, span_text  # noqa: E402
import references  # noqa: E402
import specific_energy as se  # noqa: E402
import thermal_sweep  # noqa: E402

LIMITS = (1, 2, 5)
CHANNEL_FILE = "data/gb-t-706-2016-channels.csv"
PLOT_DIR = "docs/accuracy"
PAGE = "docs/accuracy.md"
# A run of fewer points is listed only by count: the shown rounding makes the
# deviation flicker about a limit there.
SHORT_RUN = 10
DEVIATION_AXIS = (-6, 16)

REPRESENTATIVE = {
    measure.STEAM_TEMPERATURE: ["20", "40", "55", "60", "80", "100", "105", "120", "125",
                                "125.1", "140", "150", "165", "180", "200"],
    measure.STEAM_PRESSURE: ["0.002", "0.005", "0.01", "0.016", "0.02", "0.05", "0.1013", "0.12",
                             "0.2", "0.3", "0.5", "0.8", "1", "1.2", "1.6"],
    measure.PIPE_TEMPERATURE: ["20", "40", "55", "60", "80", "100", "105", "120", "125", "140",
                               "150", "165", "180", "200"],
}
SHELL_TUBES_MM = ("19", "25", "32", "38")
SHELL_LENGTH_M = "6"
SHELL_AREAS_M2 = ("10", "50", "100", "200", "500", "1000")
SHELL_SWEEP_M2 = tuple(str(a) for a in range(5, 2001, 5))


# ---- numbers as the page writes them -------------------------------------------------------

def percent(deviation):
    """Signed, two decimals, never "-0.00"."""
    return "0.00" if abs(deviation) < 0.005 else f"{deviation:+.2f}"


def power_of_ten(x):
    """1e-06 as "1e-6"."""
    mantissa, exponent = f"{x:.0e}".split("e")
    return f"{mantissa}e{int(exponent)}"


def fixed(value, places):
    return f"{value:.{places}f}"


def runs_text(subject, points, figures, limit):
    index = {p.text: i for i, p in enumerate(points)}
    found = measure.runs(points, figures, limit)
    if not found:
        return "nowhere"
    if len(found) == 1 and found[0] == (points[0], points[-1]):
        return f"everywhere ({span_text(points[0].text, points[-1].text, subject.unit)})"
    long = [(a, b) for a, b in found if index[b.text] - index[a.text] + 1 >= SHORT_RUN]
    short = len(found) - len(long)
    parts = [span_text(a.text, b.text, subject.unit) for a, b in long]
    if short:
        parts.append(f"{short} short stretch{'es' if short > 1 else ''} of under "
                     f"{SHORT_RUN} points")
    return "; ".join(parts)


def worst_text(subject, points, figure):
    p = measure.worst(points, figure)
    return f"{percent(p.deviation[figure.key])} % at {p.text} {subject.unit}"


def joined(items):
    """"a", "a and b", "a, b and c"."""
    items = [str(i) for i in items]
    return items[0] if len(items) == 1 else ", ".join(items[:-1]) + " and " + items[-1]


def figures_label(figures):
    return joined(f.label for f in figures)


def table(header, rows):
    lines = ["| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    lines += ["| " + " | ".join(str(c) for c in row) + " |" for row in rows]
    return "\n".join(lines)


# ---- plots -------------------------------------------------------------------------------------

def configure_plots():
    # Fixed ids and text kept as text, so a run elsewhere writes the same bytes.
    plt.rcParams.update({
        "svg.hashsalt": "vapentis-accuracy",
        "svg.fonttype": "none",
        "font.family": "DejaVu Sans",
        "font.size": 9,
        "figure.figsize": (7.2, 3.9),
        "axes.grid": True,
        "grid.alpha": 0.3,
    })


def save(fig, root, name):
    path = Path(root, PLOT_DIR, name)
    path.parent.mkdir(parents=True, exist_ok=True)
    fig.tight_layout()
    fig.savefig(path, format="svg", metadata={"Date": None, "Creator": None})
    plt.close(fig)
    return f"{Path(PLOT_DIR).name}/{name}"


def guide_limit(claim):
    """The deviation a plot marks: the declared one, else 2 %."""
    return claim.limit if claim else 2


def deviation_plot(root, name, subject, curves, declared, logx=False):
    """curves: (label, points, figure, style) drawn against the input; declared:
    the subject's claims, each a shaded stretch."""
    fig, ax = plt.subplots()
    for i, claim in enumerate(declared):
        ax.axvspan(claim.low, claim.high, color="tab:green", alpha=0.12,
                   label=f"declared range ({claim.limit:g} %)" if i == 0 else None)
    claim = declared[0] if declared else None
    for limit in (guide_limit(claim), -guide_limit(claim)):
        ax.axhline(limit, color="grey", linestyle=":", linewidth=1)
    for label, points, figure, style in curves:
        ax.plot([p.value for p in points], [p.deviation[figure.key] for p in points], style,
                linewidth=1.2, label=label)
    if logx:
        ax.set_xscale("log")
    ax.set_xlim(float(subject.span[0]), float(subject.span[-1]))
    ax.set_ylim(*DEVIATION_AXIS)
    ax.set_xlabel(f"{subject.input} ({subject.unit})")
    ax.set_ylabel("deviation from IAPWS-IF97 (%)")
    ax.legend(loc="upper right", fontsize=8)
    return save(fig, root, name)


def specific_energy_plot(root, curves, rows):
    fig, ax = plt.subplots()
    colours = ("tab:orange", "tab:blue")
    for kind, colour in zip(se.PUBLISHED, colours):
        ax.axhspan(kind.low, kind.high, color=colour, alpha=0.15,
                   label=f"published, {kind.plant}: {kind.text}")
    for (t, points), style in zip(curves, ("-", "--", ":")):
        ax.plot([lift for lift, _ in points], [e for _, e in points], style, color="dimgrey",
                linewidth=1.2, label=f"T1 = {t} ℃")
    for kind, colour, marker in zip(se.PUBLISHED, colours, ("o", "s")):
        mine = [r for r in rows if r.case.kind is kind]
        ax.plot([r.lift_k for r in mine], [r.specific_energy for r in mine], marker,
                color=colour, markersize=4, linestyle="none", label=f"table, {kind.plant}")
    ax.set_xlabel("lift BPE + ΔT (K)")
    ax.set_ylabel("specific energy (kWh per t of water)")
    ax.legend(loc="upper left", fontsize=7)
    return save(fig, root, "thermal-specific-energy.svg")


def clearance_plot(root, sweep):
    fig, ax = plt.subplots()
    for tube in SHELL_TUBES_MM:
        cases = sorted((c for c in sweep if c.tube_od_mm == tube), key=lambda c: c.bundle_mm)
        ax.plot([c.bundle_mm for c in cases], [c.clearance_mm for c in cases], linewidth=1,
                label=f"d_o = {tube} mm")
    ax.set_xlabel("bundle diameter D_b, Sinnott (mm)")
    ax.set_ylabel("shell diameter − D_b (mm)")
    ax.legend(loc="upper left", fontsize=8)
    return save(fig, root, "exchanger-clearance.svg")


# ---- page sections ------------------------------------------------------------------------------

def claims_of(claims, subject):
    """The stretches the subject's input declares, in order."""
    return [c for c in claims if c.subject is subject]


def claim_of(claims, subject):
    """The subject's first declared stretch; they share one phrase, so its figures and limit."""
    declared = claims_of(claims, subject)
    return declared[0] if declared else None


def ranges_section(subject, points, claim):
    figures = claim.figures if claim else subject.claimed
    rows = [[f.label] + [runs_text(subject, points, (f,), limit) for limit in LIMITS]
            + [worst_text(subject, points, f)] for f in subject.figures]
    if len(figures) > 1:
        rows.append([f"{figures_label(figures)} together"]
                    + [runs_text(subject, points, figures, limit) for limit in LIMITS] + [""])
    return table(["Figure", "within 1 %", "within 2 %", "within 5 %", "worst case"], rows)


def representative_section(subject, points):
    header = [f"{subject.input} ({subject.unit})"]
    for f in subject.figures:
        header += [f"{f.label} ({f.unit})", "IAPWS-IF97", "deviation %"]
    rows = []
    for p in points:
        row = [p.text]
        for f in subject.figures:
            row += [fixed(p.program[f.key], f.places), fixed(p.reference[f.key], f.places + 1),
                    percent(p.deviation[f.key])]
        rows.append(row)
    return table(header, rows)


def declared_section(description, claims, spans):
    rows = []
    for tool in description["tools"]:
        for given in tool["inputs"]:
            valid = range_text(given["valid"]["low"], given["valid"]["high"], given["unit"],
                               given["valid"].get("low_open", False))
            accurate = ", ".join(range_text(r["low"], r["high"], given["unit"])
                                 for r in given["accurate"])
            if not valid and not accurate:
                continue
            declared = [c for c in claims
                        if (c.subject.tool, c.subject.input) == (tool["name"], given["key"])]
            measured = ", ".join(around_text(spans[c.subject], c) for c in declared)
            rows.append([f'{tool["name"]} `{given["key"]}` {given["caption"]}',
                         f'{valid} ({given["valid_note"]})' if valid else "",
                         f'{accurate}: {given["accuracy"]}' if accurate else "", measured])
    return table(["Input", "Valid, and why", "Declared accurate range: what holds there",
                  "Measured run that holds it"], rows)


def around_text(points, claim):
    around = measure.run_around(points, claim)
    return span_text(around[0].text, around[1].text, claim.subject.unit) if around else "none"


def other_runs_text(claims, spans):
    """Where a declared figure holds its limit outside every declared stretch."""
    lines = []
    for subject in measure.SUBJECTS:
        declared = claims_of(claims, subject)
        if not declared:
            continue
        claim = declared[0]
        points = spans[subject]
        arounds = [measure.run_around(points, c) for c in declared]
        others = [span_text(a.text, b.text, subject.unit)
                  for a, b in measure.runs(points, claim.figures, claim.limit)
                  if (a, b) not in arounds]
        if others:
            lines.append(f"{subject.title}: the {figures_label(claim.figures)} also hold "
                         f"{claim.limit:g} % over {', '.join(others)}.")
    if not lines:
        return ""
    return ("The declared ranges are rounded inward from the measured runs; the figures also "
            "hold their limit elsewhere:\n\n" + "\n".join(f"- {line}" for line in lines))


def summary_section(claims, spans):
    rows = []
    for subject in measure.SUBJECTS:
        claim = claim_of(claims, subject)
        points = spans[subject]
        figures = claim.figures if claim else subject.claimed
        declared = ("; ".join(range_text(c.low, c.high, subject.unit)
                              for c in claims_of(claims, subject)) or "none")
        rows.append([f"{subject.title}: {figures_label(figures)}", declared]
                    + [runs_text(subject, points, figures, limit) for limit in LIMITS]
                    + ["; ".join(f"{f.label} {worst_text(subject, points, f)}" for f in figures)])
    return table(["Figures", "Declared", "within 1 %", "within 2 %", "within 5 %",
                  "worst case in the measured span"], rows)


def steam_sections(calc, root, claims, spans):
    out = []
    plots = {
        measure.STEAM_TEMPERATURE: "steam-temperature.svg",
        measure.STEAM_PRESSURE: "steam-pressure.svg",
        measure.PIPE_TEMPERATURE: "pipe-density.svg",
    }
    notes = {
        measure.STEAM_TEMPERATURE: (
            "`vapentis-calc steam --mode temperature`: the pressure, density and latent heat "
            "the steam tab shows for a saturation temperature."),
        measure.STEAM_PRESSURE: (
            "`vapentis-calc steam --mode pressure`: the temperature, density and latent heat "
            "for a saturation pressure. The temperature's deviation is relative to its value "
            "in ℃."),
        measure.PIPE_TEMPERATURE: (
            "`vapentis-calc pipe --state steam`: the density the pipe tab shows and sizes the "
            "pipe with. It has its own density formula (the first density band of the steam "
            "tool at every temperature), so above 125 ℃ it parts from the steam tool; the "
            "dashed line is the steam tool's density for comparison."),
    }
    for subject in measure.SUBJECTS:
        points = spans[subject]
        claim = claim_of(claims, subject)
        curves = [(f.label, points, f, "-") for f in subject.figures]
        if subject is measure.PIPE_TEMPERATURE:
            curves = [("pipe tool's density", points, measure.DENSITY, "-")]
            curves.append(("steam tool's density", spans[measure.STEAM_TEMPERATURE],
                           measure.DENSITY, "--"))
        plot = deviation_plot(root, plots[subject], subject, curves, claims_of(claims, subject),
                              logx=subject is measure.STEAM_PRESSURE)
        sample = measure.measure(calc, subject, REPRESENTATIVE[subject])
        out += [
            f"## {subject.title}", "",
            notes[subject],
            f"Measured at {len(points)} inputs from {points[0].text} to {points[-1].text} "
            f"{subject.unit}.", "",
            ranges_section(subject, points, claim), "",
            f"![{subject.title}: deviation from IAPWS-IF97]({plot})", "",
            f"The plot is cut at {DEVIATION_AXIS[0]} % and +{DEVIATION_AXIS[1]} %; the dotted "
            f"lines are ±{guide_limit(claim):g} %, the shaded bands the declared ranges.", "",
            representative_section(subject, sample), "",
        ]
    return out


def exchanger_section(calc, root):
    sample = measure.shells(calc, [(a, d, SHELL_LENGTH_M)
                                   for d in SHELL_TUBES_MM for a in SHELL_AREAS_M2])
    sweep = measure.shells(calc, [(a, d, SHELL_LENGTH_M)
                                  for d in SHELL_TUBES_MM for a in SHELL_SWEEP_M2])
    plot = clearance_plot(root, sweep)
    rows = [[c.tube_od_mm, c.area_m2, f"{c.tube_count:.0f}", f"{c.shell_mm:.0f}",
             f"{c.bundle_mm:.0f}", f"{c.clearance_mm:.0f}", f"{c.excess_percent:.1f}"]
            for c in sample]
    per_tube = []
    for tube in SHELL_TUBES_MM:
        cases = [c for c in sweep if c.tube_od_mm == tube]
        per_tube.append([tube, f"{min(c.clearance_mm for c in cases):.0f}–"
                               f"{max(c.clearance_mm for c in cases):.0f}",
                         f"{min(c.excess_percent for c in cases):.1f}–"
                         f"{max(c.excess_percent for c in cases):.1f}"])
    smallest = min(sweep, key=lambda c: c.clearance_mm)
    close = [sum(abs(c.excess_percent) <= limit for c in sweep) for limit in LIMITS]
    fits = (f"The shell holds the bundle in every case: the smallest clearance is "
            f"{smallest.clearance_mm:.0f} mm ({smallest.tube_od_mm} mm tubes, "
            f"{smallest.area_m2} m²)."
            if smallest.clearance_mm > 0 else
            f"The shell is smaller than the bundle in "
            f"{sum(c.clearance_mm <= 0 for c in sweep)} cases, the worst by "
            f"{-smallest.clearance_mm:.0f} mm ({smallest.tube_od_mm} mm tubes, "
            f"{smallest.area_m2} m²).")
    return [
        "## Exchanger shell and tube bundle", "",
        "`vapentis-calc exchanger` gives the tube count N and the shell's inside diameter D, "
        "rounded to whole hundreds of millimetres. The reference is the bundle diameter of "
        "Sinnott (Coulson & Richardson vol. 6) for the same tube count, triangular pitch "
        f"1.25 d_o and one pass: D_b = d_o (N/{references.BUNDLE_K1})^(1/{references.BUNDLE_N1}). "
        "D − D_b is the diametral clearance between shell and bundle that the shell diameter "
        f"implies. Tubes {SHELL_LENGTH_M} m long; the length only changes N.", "",
        table(["d_o (mm)", "area (m²)", "tubes N", "shell D (mm)", "bundle D_b (mm)",
               "clearance D − D_b (mm)", "D / D_b − 1 (%)"], rows), "",
        f"Over areas of {SHELL_SWEEP_M2[0]}–{SHELL_SWEEP_M2[-1]} m² in steps of 5 m²:", "",
        table(["d_o (mm)", "clearance (mm)", "D / D_b − 1 (%)"], per_tube), "",
        f"![Shell diameter less the Sinnott bundle diameter]({plot})", "",
        fits + f" The shell diameter is within {joined(f'{limit} %' for limit in LIMITS)} of "
        f"the bundle diameter in {joined(close)} of the {len(sweep)} cases. Typical "
        "shell-to-bundle clearances run from about 10 mm (fixed tube sheet, U-tube) to about "
        "100 mm (pull-through floating head) for bundles of 0.2–1.2 m (Sinnott's chart of "
        "shell-bundle clearance). The program's clearance is mostly the rounding "
        "up to the next hundred plus one more hundred; for large bundles the layout factor "
        "1.1 √N also grows faster than the correlation. The shell diameter is thus a "
        "conservative first size, on the large side, not an estimate with an error band, and "
        "no tooltip states an accurate range for the exchanger's inputs: its margin depends "
        "on the area, the tube diameter and the length together, which a range on one input "
        "cannot express.", "",
    ]


def channel_section(calc, root):
    standard = references.read_channels(Path(root, CHANNEL_FILE))
    program = measure.channels(calc, standard)
    rows, worst = [], None
    for row, figures in zip(standard, program):
        difference = figures["mass_kg_per_m"] - row.mass_kg_per_m
        if worst is None or abs(difference) > abs(worst[1]):
            worst = (row.designation, difference)
        dims = "same" if (figures["h_mm"], figures["b_mm"]) == (row.h_mm, row.b_mm) else (
            f'**{figures["h_mm"]:.0f} × {figures["b_mm"]:.0f}**')
        rows.append([row.designation, f"{row.h_mm} × {row.b_mm} × {row.d_mm:g}", dims,
                     f'{figures["mass_kg_per_m"]:.2f}', f"{row.mass_kg_per_m:.3f}",
                     f"{difference:+.3f}", percent(difference / row.mass_kg_per_m * 100)])
    return [
        "## Channel steel masses", "",
        f"`vapentis-calc channel` for each of the {len(standard)} sizes against "
        f"`{CHANNEL_FILE}` ({references.source_of(Path(root, CHANNEL_FILE))}). The "
        f"largest difference is {worst[1]:+.3f} kg/m ({worst[0]}): the program shows the "
        "masses to two decimals. A test (`tests/reference/channel_standard_test.cpp`) holds "
        "every row within 0.05 kg/m of the file, and the file to its own consistency.", "",
        table(["size", "standard h × b × d (mm)", "program h × b", "program kg/m",
               "standard kg/m", "difference kg/m", "difference %"], rows), "",
    ]


def if97_section(sweep):
    rows = [[w.quantity.label, w.quantity.unit, f"{w.deviation:.1e}", w.at]
            for w in if97_sweep.largest_by_quantity(sweep)]
    by_t = next(w for w in sweep.worst if w.sweep == "temperature")
    by_p = next(w for w in sweep.worst if w.sweep == "pressure")
    return [
        "## Our IF97 against python3-iapws", "",
        "`src/core/process/iapws_if97` computes saturated water and steam from IAPWS-IF97 itself "
        "(regions 1, 2 and 4), for the tools to take their figures from. Its saturation line, "
        "printed by `tests/accuracy/if97_values.cpp` in full precision, is set beside "
        f"python3-iapws at {by_t.points} temperatures, every {if97_sweep.STEP_K} K from "
        f"{if97_sweep.LOWEST_K} K to {if97_sweep.HIGHEST_K} K, and at {by_p.points} pressures "
        f"spaced evenly in their logarithm from {if97_sweep.LOWEST_MPA} MPa to "
        f"{if97_sweep.HIGHEST_MPA} MPa. The pressure comes from the temperature sweep, the "
        "temperature from the pressure sweep, the rest from both; a deviation here is "
        "|ours / python3-iapws − 1|, not a percentage. `tests/accuracy/if97_sweep_test.py` "
        f"holds every figure to {power_of_ten(if97_sweep.TOLERANCE)} in each test run.", "",
        table(["Figure", "unit", "largest relative deviation", "where"], rows), "",
        "The liquid enthalpy is nearly zero at the triple point (0.0006 kJ/kg), so there a "
        "rounding difference weighs most.", "",
    ]


def thermal_grid_text():
    ts = thermal_sweep

    def every(values, unit):
        step = values[1] - values[0]
        return f"{values[0]}–{values[-1]} {unit} every {step:g} {unit}"

    return (f"T1 {every(ts.VAPOUR_TEMPERATURES_C, 'K').replace(' K every', ' ℃ every', 1)}, "
            f"BPE {every(ts.RISES_K, 'K')}, ΔT {every(ts.DIFFERENCES_K, 'K')} and "
            f"ηs {joined(ts.ISENTROPIC_EFFICIENCIES)}, with W, ηm and U taken in turn from "
            f"{joined(ts.EVAPORATIONS)} t/h, {joined(ts.DRIVE_EFFICIENCIES)} and "
            f"{joined(ts.COEFFICIENTS)} W/(m² K)")


def thermal_sweep_section(sweep):
    rows = [[w.figure.label, w.figure.unit,
             "0 (exact)" if w.deviation == 0 else f"{w.deviation:.1e}",
             "every point" if w.deviation == 0 else thermal_sweep.point_text(w.at)]
            for w in sweep.worst]
    top = thermal_sweep.largest(sweep)
    return [
        "### Against python3-iapws", "",
        "`tests/accuracy/thermal_values.cpp` prints the check's fifteen figures before "
        "rounding, in full precision. `tools/accuracy/thermal_sweep.py` sets them beside the "
        "same figures from python3-iapws's own region 1, 2 and 4 functions, whose two discharge "
        "temperatures (isentropic and real) it solves with scipy's brentq, independently of the "
        f"program's own search, at {sweep.points} points: {thermal_grid_text()}. A deviation "
        "here is |ours − python3-iapws| / |python3-iapws|, not a percentage. "
        "`tests/accuracy/thermal_sweep_test.py` runs the same comparison in each test run and "
        f"holds every figure to {power_of_ten(thermal_sweep.TOLERANCE)}.", "",
        table(["Figure", "unit", "largest relative deviation", "where"], rows), "",
        f"The largest, {top.deviation:.1e} in the {top.figure.label}, lies in the last digits "
        "of a double, far below the last digit the lines show (at most three decimals). The "
        "temperatures and the lift are sums of the inputs in both.", "",
    ]


def specific_energy_section(calc, root, description):
    cases = (se.start_case(description),) + se.TYPICAL
    rows = se.rows(calc, cases)
    plot = specific_energy_plot(root, se.curves(calc), rows)
    table_rows = [[r.case.kind.plant + (f" ({r.case.note})" if r.case.note else ""),
                   r.case.vapour_temperature, r.case.boiling_point_rise,
                   r.case.heater_difference, f"{r.lift_k:g}", r.case.isentropic_efficiency,
                   f"{r.discharge_c:.1f}", f"{r.specific_energy:.1f}", f"{r.per_kelvin:.2f}",
                   r.placement]
                  for r in rows]
    per_kelvin = [r.per_kelvin for r in rows]
    energies = [r.specific_energy for r in rows]
    below = [r for r in rows if r.specific_energy < r.case.kind.low]
    above = [r for r in rows if r.specific_energy > r.case.kind.high]
    efficiencies = sorted({float(r.case.isentropic_efficiency) for r in rows})
    worse, better = efficiencies[0], efficiencies[-1]
    least, most = se.live_steam_heat_kwh_per_t()
    steam_low, steam_high = se.TRIPLE_EFFECT_STEAM_T_PER_T
    p_low, p_high = se.LIVE_STEAM_MPA
    ratios = {k: (least / k.high, most / k.low) for k in se.PUBLISHED}
    closing = rows[0].lines[-1]

    def cases_text(found):
        return joined(f"{r.case.kind.plant} at a lift of {r.lift_k:g} K and ηs "
                      f"{r.case.isentropic_efficiency} ({r.specific_energy:.1f} kWh/t, "
                      f"{r.placement})" for r in found)

    outside_text = ""
    if below:
        outside_text += (f" Below the published range: {cases_text(below)}. The check leaves "
                         "out what the published whole-plant figures count, so a figure under "
                         "its range is what the compressor alone takes, with room left for the "
                         "rest.")
    if above:
        outside_text += (f" Above the published range: {cases_text(above)}, before anything "
                         "the check leaves out: a plant of this kind quoted in the range runs a "
                         "smaller lift or a better compressor.")
    return [
        "### Specific energy beside MVR plants", "",
        "Line 4 of the check gives the specific energy 吨水电耗: the motor's power per t of water "
        "evaporated. Suppliers' and trade papers quote about "
        + " and about ".join(f"{k.text} for MVR plants on {k.label}" for k in se.PUBLISHED)
        + f", where a triple-effect evaporator takes {steam_low:g}–{steam_high:g} t of live "
        "steam per t of water. These are orders of magnitude from the trade literature for whole "
        "plants, not a standard and not measurements this page could repeat. The cases below come "
        f"from `vapentis-calc batch` with ηm {se.DRIVE_EFFICIENCY}; the evaporation and U keep "
        "their start texts, since the figure is per t and leaves the heater out.", "",
        table(["plant", "T1 (℃)", "BPE (K)", "ΔT (K)", "lift (K)", "ηs", "discharge (℃)",
               "kWh/t", "kWh/t per K of lift", "against the published range"], table_rows), "",
        " ".join(se.kind_sentence(k, rows) for k in se.PUBLISHED), "",
        "The check counts the compressor's shaft work and the drive's losses only: no pipe "
        "pressure losses, heat losses, pumps or make-up steam, as its last line says "
        f"(\"{closing}\"). A real plant draws somewhat more than these figures: the "
        "circulation, feed and condensate pumps, the vacuum pump, the pressure lost between "
        "the separator and the heater, which the fan must make up in lift, and the steam that "
        "replaces the heat lost.", "",
        *([outside_text.strip(), ""] if outside_text else []),
        f"The lift dominates. Per kelvin of lift the cases take {se.spread(per_kelvin, 'kWh/t')}, "
        f"while their specific energy spans {se.spread(energies, 'kWh/t')}: the compressor raises "
        "the vapour from the separator's pressure, the saturation pressure at T1, to the "
        "saturation pressure at the condensing temperature T1 + BPE + ΔT, so the boiling point "
        "rise and the heater difference add to the work alike. By Clausius–Clapeyron the "
        "isentropic work per kg is close to the latent heat × lift ÷ the absolute temperature, "
        "so a hotter plant takes a little less per kelvin; the efficiency divides it, so ηs "
        f"{worse:g} takes {(better / worse - 1) * 100:.1f} % more than {better:g}. A small rise "
        f"keeps a food plant's lift at {se.lifts_text(se.LOW_RISE, rows)} and its figure in the "
        "lower range; a salt liquor's rise comes on top of the heater difference and takes the "
        f"lift to {se.lifts_text(se.SALT, rows)}.", "",
        f"![Specific energy against the lift]({plot})", "",
        f"The curves run at ηs {se.CURVE_ISENTROPIC_EFFICIENCY} and ηm {se.DRIVE_EFFICIENCY}, "
        f"with ΔT {se.CURVE_HEATER_DIFFERENCE_K} K and the rest of the lift as BPE; the shaded "
        "bands are the published ranges, the marks the table's cases.", "",
        f"A triple effect's {steam_low:g}–{steam_high:g} t of steam per t of water carries, at "
        f"the latent heat of {p_low:g}–{p_high:g} MPa live steam from IAPWS-IF97, "
        f"{least:.0f}–{most:.0f} kWh of heat per t: "
        + " and ".join(f"{lo:.0f}–{hi:.0f} times the MVR figures published for {k.label}"
                       for k, (lo, hi) in ratios.items())
        + ". That heat is not the same energy as the compressor's electricity, which takes two "
        "to three times its own amount in fuel to generate; what decides is the price of each, "
        "and the calculation sheet's running cost sets the two side by side at the customer's "
        "prices.", "",
    ]


def thermal_section(calc, root, description, sweep):
    return [
        "## MVR heat check", "",
        "`vapentis-calc thermal` takes its figures from the core's own IAPWS-IF97 (regions 1, "
        "2 and 4) and has no correlation of its own, so it declares no accurate range: its "
        "inputs state the usual range of a conventional plant instead, and warn outside it. "
        "This section checks it in two ways: its figures against python3-iapws, and its "
        "specific energy against what MVR plants are quoted to draw.", "",
        *thermal_sweep_section(sweep),
        *specific_energy_section(calc, root, description),
    ]


def write_page(calc, root, description, claims, spans, if97, thermal):
    lines = [
        "# How far the figures can be trusted", "",
        "<!-- Made by ./scripts/accuracy from tools/accuracy/; do not edit by hand. -->", "",
        "This page sets the figures Vapentis shows beside independent references: saturated "
        "steam from IAPWS-IF97 (Debian's python3-iapws), the exchanger shell beside the tube "
        "bundle diameter of Sinnott (Coulson & Richardson vol. 6), and the channel masses "
        "beside GB/T 706-2016. Every tool's figure comes from `vapentis-calc batch`, as the "
        "result box shows it, rounded; a deviation is (program − reference) / reference in "
        "percent. Then the IAPWS-IF97 unit of the core, from which the steam and pipe tools' "
        "IAPWS-IF97 lines and the MVR heat check take their figures, is set beside python3-iapws "
        "in full precision, and last the heat check itself: its figures before rounding beside "
        "python3-iapws, and its specific energy beside the ranges quoted for MVR plants.",
        "",
        "The ranges under *Declared* are read from the tool descriptions (`vapentis-calc "
        "describe`), the same text the tooltips, `--help` and the warnings show. "
        "`./scripts/accuracy` checks each at its ends and at every measured input inside it "
        "and writes nothing when one claims more than the figures deliver; "
        "`tests/accuracy/` checks the ends in every test run.", "",
        "## Summary", "",
        summary_section(claims, spans), "",
        *([other_runs_text(claims, spans), ""] if other_runs_text(claims, spans) else []),
        "## Declared ranges", "",
        declared_section(description, claims, spans), "",
    ]
    lines += steam_sections(calc, root, claims, spans)
    lines += exchanger_section(calc, root)
    lines += channel_section(calc, root)
    lines += if97_section(if97)
    lines += thermal_section(calc, root, description, thermal)
    lines += [
        "## Making this page", "",
        "`./scripts/accuracy` installs what is missing, builds `vapentis-calc`, "
        "`tests/accuracy/if97_values.cpp` and `tests/accuracy/thermal_values.cpp` and runs "
        "`tools/accuracy/accuracy.py`, which writes this page and the plots in "
        "`docs/accuracy/`. The output holds no date or version, so the same sources give the "
        "same bytes. The run prints the measured ranges, to update a description by.", "",
    ]
    page = Path(root, PAGE)
    page.write_text("\n".join(lines), encoding="utf-8")


def report_ranges(claims, spans):
    print("Measured ranges (inputs where the figures stay within the limit):")
    for subject in measure.SUBJECTS:
        claim = claim_of(claims, subject)
        figures = claim.figures if claim else subject.claimed
        points = spans[subject]
        print(f"  {subject.name}: {figures_label(figures)}")
        for limit in LIMITS:
            print(f"    within {limit} %: {runs_text(subject, points, figures, limit)}")
        if claim is None:
            print("    declared: none")
            continue
        for declared in claims_of(claims, subject):
            print(f"    declared {range_text(declared.low, declared.high, subject.unit)} "
                  f"({declared.phrase}); the measured run at {declared.limit:g} % around it: "
                  f"{around_text(points, declared)}")


def report_thermal(sweep):
    print(f"The heat check against python3-iapws over {sweep.points} points, largest relative "
          "deviation:")
    for w in sweep.worst:
        print(f"  {w.figure.label}: {w.deviation:.2e} at {thermal_sweep.point_text(w.at or ())}")


def report_if97(sweep):
    print("Our IF97 against python3-iapws, largest relative deviation:")
    for w in if97_sweep.largest_by_quantity(sweep):
        print(f"  {w.quantity.label}: {w.deviation:.2e} at {w.at}")


def main(argv):
    if len(argv) != 5:
        sys.exit(__doc__)
    calc, if97_values, thermal_values, root = (measure.Calc(argv[1]), Path(argv[2]),
                                               Path(argv[3]), Path(argv[4]))
    description = calc.describe()
    try:
        claims = measure.declared_claims(description)
    except measure.ClaimError as e:
        sys.exit(f"error: {e}")
    spans = {s: measure.measure(calc, s, s.span) for s in measure.SUBJECTS}
    report_ranges(claims, spans)
    problems = [(claim, problem) for claim in claims
                for problem in measure.check(calc, claim, spans[claim.subject])]
    if problems:
        for claim, problem in problems:
            print(f"error: {claim.subject.name} declares {claim.phrase!r} over "
                  f"{range_text(claim.low, claim.high, claim.subject.unit)}; it fails "
                  f"{problem}", file=sys.stderr)
        sys.exit(f"error: a declared range claims more than the figures deliver; {PAGE} is "
                 "not written")
    if97 = if97_sweep.sweep(if97_values)
    report_if97(if97)
    if if97.missing:
        sys.exit(f"error: our IF97 gave no figures at {', '.join(if97.missing)}; {PAGE} is not "
                 "written")
    beyond = [w for w in if97.worst if w.deviation > if97_sweep.TOLERANCE]
    if beyond:
        sys.exit(f"error: our IF97 parts from python3-iapws by more than "
                 f"{power_of_ten(if97_sweep.TOLERANCE)}: " + "; ".join(
                     f"{w.quantity.label} {w.deviation:.2e} at {w.at}" for w in beyond)
                 + f"; {PAGE} is not written")
    thermal = thermal_sweep.sweep(thermal_values)
    report_thermal(thermal)
    if thermal.unanswered:
        sys.exit(f"error: the heat check gave no figures at {len(thermal.unanswered)} points, "
                 f"first {thermal.unanswered[0]}; {PAGE} is not written")
    beyond = [w for w in thermal.worst if w.deviation > thermal_sweep.TOLERANCE]
    if beyond:
        sys.exit(f"error: the heat check parts from python3-iapws by more than "
                 f"{power_of_ten(thermal_sweep.TOLERANCE)}: " + "; ".join(
                     f"{w.figure.label} {w.deviation:.2e} at {thermal_sweep.point_text(w.at)}"
                     for w in beyond) + f"; {PAGE} is not written")
    configure_plots()
    write_page(calc, root, description, claims, spans, if97, thermal)
    print(f"Wrote {PAGE} and {PLOT_DIR}/")


if __name__ == "__main__":
    main(sys.argv)
