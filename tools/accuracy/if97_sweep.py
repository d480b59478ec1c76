"""Our IAPWS-IF97 saturation figures against python3-iapws, over the whole line that
src/core/process/iapws_if97 covers: every 0.1 K from 273.16 K to 623.15 K, and 200 pressures
spaced evenly in their logarithm from 0.000611657 MPa to 16.5291 MPa.

Our figures come from tests/accuracy/if97_values.cpp, which reads "t <℃>" and "p <MPa>" lines
and prints the pressure, temperature, liquid and vapour density and enthalpy of each.
"""
import math
import subprocess
from dataclasses import dataclass
from decimal import Decimal

from iapws import IAPWS97

KELVIN_OFFSET = Decimal("273.15")
LOWEST_K, HIGHEST_K, STEP_K = Decimal("273.16"), Decimal("623.15"), Decimal("0.1")
LOWEST_MPA, HIGHEST_MPA = 0.000611657, 16.5291
PRESSURE_POINTS = 200
# The agreement the sweep must show, relative.
TOLERANCE = 1e-6


@dataclass(frozen=True)
class Quantity:
    key: str
    label: str
    unit: str


P_SAT = Quantity("p_sat", "saturation pressure p_s", "MPa")
T_SAT = Quantity("t_sat", "saturation temperature T_s", "K")
LIQUID_DENSITY = Quantity("rho_l", "liquid density ρ′", "kg/m³")
VAPOUR_DENSITY = Quantity("rho_v", "vapour density ρ″", "kg/m³")
LIQUID_ENTHALPY = Quantity("h_l", "liquid enthalpy h′", "kJ/kg")
VAPOUR_ENTHALPY = Quantity("h_v", "vapour enthalpy h″", "kJ/kg")

PROPERTIES = (LIQUID_DENSITY, VAPOUR_DENSITY, LIQUID_ENTHALPY, VAPOUR_ENTHALPY)
# What each sweep compares: the line's other variable, then the phases' properties.
BY_TEMPERATURE = (P_SAT,) + PROPERTIES
BY_PRESSURE = (T_SAT,) + PROPERTIES
QUANTITIES = (P_SAT, T_SAT) + PROPERTIES


def temperatures_k():
    """Every 0.1 K from the lowest temperature, and the highest, as exact decimals."""
    grid, t = [], LOWEST_K
    while t <= HIGHEST_K:
        grid.append(t)
        t += STEP_K
    if grid[-1] != HIGHEST_K:
        grid.append(HIGHEST_K)
    return grid


def pressures_mpa():
    """PRESSURE_POINTS pressures evenly spaced in their logarithm, ends exact."""
    ratio = math.log(HIGHEST_MPA / LOWEST_MPA)
    inner = [LOWEST_MPA * math.exp(ratio * k / (PRESSURE_POINTS - 1))
             for k in range(1, PRESSURE_POINTS - 1)]
    return [LOWEST_MPA] + inner + [HIGHEST_MPA]


def ours(program, lines):
    """The program's figures for each input line: a dict per line, or None for "none"."""
    run = subprocess.run([str(program)], input="".join(f"{line}\n" for line in lines),
                         capture_output=True, encoding="utf-8", check=True)
    out = run.stdout.splitlines()
    if len(out) != len(lines):
        raise RuntimeError(f"{program} answered {len(out)} lines to {len(lines)}: {run.stderr}")
    figures = []
    for text in out:
        if text == "none":
            figures.append(None)
            continue
        p, t_c, rho_l, rho_v, h_l, h_v = (float(f) for f in text.split())
        figures.append({"p_sat": p, "t_sat": t_c + float(KELVIN_OFFSET), "rho_l": rho_l,
                        "rho_v": rho_v, "h_l": h_l, "h_v": h_v})
    return figures


def reference(**given):
    """python3-iapws on the line at T (K) or P (MPa)."""
    liquid, vapour = IAPWS97(x=0, **given), IAPWS97(x=1, **given)
    return {"p_sat": vapour.P, "t_sat": vapour.T, "rho_l": liquid.rho, "rho_v": vapour.rho,
            "h_l": liquid.h, "h_v": vapour.h}


@dataclass(frozen=True)
class Worst:
    quantity: Quantity
    sweep: str       # "temperature" or "pressure"
    points: int      # how many inputs the sweep compared
    deviation: float  # the largest |ours / reference − 1|
    at: str          # the input where it is largest, with its unit


@dataclass(frozen=True)
class Sweep:
    worst: tuple     # one Worst per quantity compared, per sweep
    missing: tuple   # inputs the program gave no figures for


def _compare(name, texts, figures, references, quantities):
    missing = [text for text, o in zip(texts, figures) if o is None]
    worst = []
    for q in quantities:
        found = max(((abs(o[q.key] / r[q.key] - 1), text)
                     for text, o, r in zip(texts, figures, references) if o is not None),
                    default=(math.inf, "nowhere"))
        worst.append(Worst(q, name, len(texts), found[0], found[1]))
    return worst, missing


def sweep(program):
    """Both sweeps, each quantity's largest relative deviation, and the inputs missed."""
    temperatures = temperatures_k()
    celsius = [t - KELVIN_OFFSET for t in temperatures]
    by_t = ours(program, [f"t {c}" for c in celsius])
    ref_t = [reference(T=float(t)) for t in temperatures]
    worst_t, missing_t = _compare("temperature", [f"{t} K" for t in temperatures], by_t, ref_t,
                                  BY_TEMPERATURE)

    pressures = pressures_mpa()
    by_p = ours(program, [f"p {p!r}" for p in pressures])
    ref_p = [reference(P=p) for p in pressures]
    worst_p, missing_p = _compare("pressure", [f"{p:.6g} MPa" for p in pressures], by_p, ref_p,
                                  BY_PRESSURE)
    return Sweep(tuple(worst_t + worst_p), tuple(missing_t + missing_p))


def largest_by_quantity(result):
    """Each quantity's largest deviation over both sweeps, in QUANTITIES order."""
    largest = {}
    for w in result.worst:
        if w.quantity.key not in largest or w.deviation > largest[w.quantity.key].deviation:
            largest[w.quantity.key] = w
    return [largest[q.key] for q in QUANTITIES]
