"""Our MVR heat check against python3-iapws, every figure before rounding, over a grid of
plants: vapour temperatures of 20–150 ℃, boiling point rises of 0–15 K, heater differences of
3–15 K and isentropic efficiencies of 0.6–0.9.

Our figures come from tests/accuracy/thermal_values.cpp, which reads the seven input texts a
line and prints the fifteen figures in full precision. The reference solves the isentropic and
the real discharge temperature with scipy's brentq on python3-iapws's region 2, independently
of our own search.
"""
import itertools
import subprocess
from dataclasses import dataclass

from iapws.iapws97 import _PSat_T, _Region1, _Region2
from scipy.optimize import brentq

KELVIN = 273.15
HOTTEST_K = 1073.15
# The agreement the sweep must show, relative.
TOLERANCE = 1e-7


@dataclass(frozen=True)
class Figure:
    key: str
    label: str
    unit: str


# In the order thermal_values prints them.
FIGURES = (
    Figure("boiling_temperature_c", "boiling temperature 物料沸点", "℃"),
    Figure("condensing_temperature_c", "condensing temperature 冷凝温度", "℃"),
    Figure("lift_k", "lift 饱和温升", "K"),
    Figure("suction_pressure_kpa", "suction pressure 吸气压力", "kPa"),
    Figure("discharge_pressure_kpa", "discharge pressure 排气压力", "kPa"),
    Figure("compression_ratio", "compression ratio 压缩比", ""),
    Figure("suction_volume_m3_per_h", "suction volume 吸气量", "m³/h"),
    Figure("isentropic_work_kj_per_kg", "isentropic work 等熵压缩功", "kJ/kg"),
    Figure("discharge_temperature_c", "discharge temperature 排气温度", "℃"),
    Figure("shaft_power_kw", "shaft power 压缩机轴功率", "kW"),
    Figure("motor_power_kw", "motor power 电机功率", "kW"),
    Figure("specific_energy_kwh_per_t", "specific energy 吨水电耗", "kWh/t"),
    Figure("desuperheating_water_kg_per_h", "desuperheating water 喷水减温水量", "kg/h"),
    Figure("heater_duty_kw", "heater duty 加热器热负荷", "kW"),
    Figure("heater_area_m2", "heater area 换热面积", "m²"),
)

VAPOUR_TEMPERATURES_C = tuple(range(20, 151, 10))
RISES_K = (0, 3, 6, 9, 12, 15)
DIFFERENCES_K = (3, 6, 9, 12, 15)
ISENTROPIC_EFFICIENCIES = ("0.6", "0.7", "0.8", "0.9")
# Taken in turn along the grid, so that every figure scales with more than one value of each.
EVAPORATIONS = ("0.5", "3.75", "20", "150")
DRIVE_EFFICIENCIES = ("0.85", "0.9", "0.95", "0.98")
COEFFICIENTS = ("300", "1800", "4000")

# The input texts' names, in the tool's order, as the page writes a point.
INPUT_NAMES = ("W", "T1", "BPE", "ΔT", "ηs", "ηm", "U")


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


def ours(program, points):
    """The program's output line for each point."""
    text = "".join(" ".join(p) + "\n" for p in points)
    run = subprocess.run([str(program)], input=text, capture_output=True, encoding="utf-8",
                         check=True)
    return run.stdout.splitlines()


def point_text(texts):
    return ", ".join(f"{name} {text}" for name, text in zip(INPUT_NAMES, texts))


@dataclass(frozen=True)
class Worst:
    figure: Figure
    deviation: float  # the largest |ours − reference| / |reference|
    at: tuple         # the input texts of the point where it is largest


@dataclass(frozen=True)
class Sweep:
    points: int
    worst: tuple       # one Worst per figure, in FIGURES' order
    unanswered: tuple  # (input texts, output line) where the program gave no figures


def compare(points, lines):
    """Each figure's largest relative deviation over the points, and the points not answered."""
    worst = {f.key: (-1.0, None) for f in FIGURES}
    unanswered = []
    for texts, line in itertools.zip_longest(points, lines):
        fields = line.split() if line is not None else []
        if texts is None or len(fields) != len(FIGURES):
            unanswered.append((texts, line))
            continue
        for figure, got, expected in zip(FIGURES, map(float, fields), reference(texts)):
            deviation = abs(got - expected) / abs(expected)
            if deviation > worst[figure.key][0]:
                worst[figure.key] = (deviation, texts)
    return Sweep(len(points), tuple(Worst(f, *worst[f.key]) for f in FIGURES),
                 tuple(unanswered))


def sweep(program):
    points = grid()
    return compare(points, ours(program, points))


def largest(result):
    return max(result.worst, key=lambda w: w.deviation)
