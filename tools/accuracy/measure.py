"""The program's figures, read through vapentis-calc, set against the references:
what is measured over which inputs, the deviations, the ranges where they stay
small, and whether the ranges the tool descriptions declare hold.
"""
import json
import re
import subprocess
from dataclasses import dataclass
from decimal import Decimal
from typing import Callable, Optional

import references


class Calc:
    """vapentis-calc: its descriptions, and many calculations in one batch."""

    def __init__(self, path):
        self.path = str(path)

    def describe(self):
        run = subprocess.run([self.path, "describe"], check=True, capture_output=True,
                             encoding="utf-8")
        return json.loads(run.stdout)

    def records(self, requests):
        """The whole record of each request: inputs, figures, lines and any warnings."""
        text = "".join(json.dumps(r, ensure_ascii=False) + "\n" for r in requests)
        run = subprocess.run([self.path, "batch"], input=text, capture_output=True,
                             encoding="utf-8")
        records = [json.loads(line) for line in run.stdout.splitlines()]
        failed = [r for r in records if "error" in r]
        if failed or len(records) != len(requests):
            first = failed[0] if failed else run.stderr
            raise RuntimeError(f"vapentis-calc batch failed on {len(failed)} of "
                               f"{len(requests)} requests, first: {first}")
        return records

    def batch(self, requests):
        return [r["figures"] for r in self.records(requests)]


@dataclass(frozen=True)
class Figure:
    key: str      # the figure's name in the JSON records
    label: str    # its name on the page
    word: str     # the word an accuracy phrase uses for it
    unit: str
    places: int   # decimals the result box shows


PRESSURE = Figure("pressure_mpa", "pressure", "压力", "MPa", 4)
TEMPERATURE = Figure("temperature_c", "temperature", "温度", "℃", 1)
DENSITY = Figure("density_kg_per_m3", "density", "密度", "kg/m³", 4)
LATENT_HEAT = Figure("latent_heat_kj_per_kg", "latent heat", "潜热", "kJ/kg", 0)


def number_text(x):
    """The shortest text that reads back as x: 55.0 -> "55", 0.016 -> "0.016"."""
    text = repr(float(x))
    return text[:-2] if text.endswith(".0") else text


def span_text(first, last, unit):
    return f"{first}–{last} {unit}" if first != last else f"{first} {unit}"


def range_text(low, high, unit, low_open=False):
    """A declared range from describe, where null is an open end and low_open leaves the low
    end itself out."""
    if low is None and high is None:
        return ""
    if high is None:
        return f"{'>' if low_open else '≥'} {number_text(low)} {unit}".rstrip()
    if low is None:
        return f"≤ {number_text(high)} {unit}".rstrip()
    if low_open:
        return (f"> {number_text(low)} and ≤ {number_text(high)} "
                f"{unit}").rstrip()
    return span_text(number_text(low), number_text(high), unit).rstrip()


def temperature_grid(low_c=20, high_c=200):
    """Every 0.1 ℃ from low_c to high_c."""
    return [number_text(i / 10) for i in range(low_c * 10, high_c * 10 + 1)]


def pressure_grid(low="0.002", high="1.6"):
    """Three significant digits in every decade, from low to high (MPa)."""
    low, high = Decimal(low), Decimal(high)
    texts = []
    for exponent in range(-8, 3):
        for mantissa in range(100, 1000):
            value = Decimal(mantissa).scaleb(exponent)
            if low <= value <= high:
                texts.append(format(value.normalize(), "f"))
    return texts


@dataclass(frozen=True)
class Subject:
    """One input of one tool, swept over its span, and the figures compared."""
    tool: str
    input: str
    title: str
    unit: str
    request: tuple  # the request's other members, as (key, value) pairs
    figures: tuple
    claimed: tuple  # the figures a range is stated for when none is declared
    reference: Callable[[float], dict]
    span: tuple     # the input texts measured, ascending

    @property
    def name(self):
        return f"{self.tool} {self.input}"

    def requests(self, texts):
        return [dict(self.request, **{self.input: t}) for t in texts]


STEAM_TEMPERATURE = Subject(
    "steam", "temperature", "Saturated steam, temperature given", "℃",
    (("tool", "steam"), ("mode", "temperature")), (PRESSURE, DENSITY, LATENT_HEAT),
    (DENSITY, LATENT_HEAT), references.saturation_at_temperature, tuple(temperature_grid()))
STEAM_PRESSURE = Subject(
    "steam", "pressure", "Saturated steam, pressure given", "MPa",
    (("tool", "steam"), ("mode", "pressure")), (TEMPERATURE, DENSITY, LATENT_HEAT),
    (DENSITY, LATENT_HEAT), references.saturation_at_pressure, tuple(pressure_grid()))
PIPE_TEMPERATURE = Subject(
    "pipe", "temperature", "Pipe tool, steam density from the temperature", "℃",
    (("tool", "pipe"), ("state", "steam")), (DENSITY,), (DENSITY,),
    references.saturation_at_temperature, tuple(temperature_grid()))

SUBJECTS = (STEAM_TEMPERATURE, STEAM_PRESSURE, PIPE_TEMPERATURE)


@dataclass(frozen=True)
class Point:
    text: str
    value: float
    program: dict    # figure key -> the figure as the program gives it
    reference: dict  # figure key -> the reference value
    deviation: dict  # figure key -> (program - reference) / reference in %


def measure(calc, subject, texts):
    """The subject's figures at each input text, against the reference."""
    texts = list(texts)
    points = []
    for text, figures in zip(texts, calc.batch(subject.requests(texts))):
        reference = subject.reference(float(text))
        deviation = {f.key: (figures[f.key] / reference[f.key] - 1) * 100
                     for f in subject.figures}
        points.append(Point(text, float(text), figures, reference, deviation))
    return points


def within(point, figures, limit):
    return all(abs(point.deviation[f.key]) <= limit for f in figures)


def runs(points, figures, limit):
    """The maximal runs of consecutive points where every figure is within
    limit %, as (first, last) points."""
    found, start = [], None
    for i, point in enumerate(points):
        if within(point, figures, limit):
            start = point if start is None else start
            if i == len(points) - 1 or not within(points[i + 1], figures, limit):
                found.append((start, point))
                start = None
    return found


def worst(points, figure):
    return max(points, key=lambda p: abs(p.deviation[figure.key]))


@dataclass(frozen=True)
class Claim:
    """An `accurate` range a tool description declares, read from describe."""
    subject: Subject
    low: float
    high: float
    phrase: str
    limit: float      # the percentage the phrase states
    figures: tuple    # the figures the phrase names


class ClaimError(Exception):
    pass


def declared_claims(description):
    """Every declared `accurate` range, with what its phrase promises; an input
    may declare several stretches. Fails on one that nothing here measures or
    whose phrase states no percentage or names no figure measured, since its
    truth could not be checked."""
    subjects = {(s.tool, s.input): s for s in SUBJECTS}
    claims = []
    for tool in description["tools"]:
        for given in tool["inputs"]:
            for stretch in given["accurate"]:
                claims.append(declared_claim(subjects, tool, given, stretch))
    return claims


def declared_claim(subjects, tool, given, stretch):
    """One declared stretch of an input, as a claim to check."""
    low, high = stretch["low"], stretch["high"]
    where = f'{tool["name"]} {given["key"]}'
    subject = subjects.get((tool["name"], given["key"]))
    if subject is None:
        raise ClaimError(f"{where}: declares an accurate range that is not measured here")
    if low is None or high is None:
        raise ClaimError(f"{where}: an open end cannot be measured")
    phrase = given["accuracy"]
    percent = re.search(r"(\d+(?:\.\d+)?)\s*%", phrase)
    figures = tuple(f for f in subject.figures if f.word in phrase)
    if percent is None or not figures:
        raise ClaimError(f"{where}: the phrase {phrase!r} must state a percentage and "
                         f"name figures among {[f.word for f in subject.figures]}")
    return Claim(subject, low, high, phrase, float(percent.group(1)), figures)


def edges(calc, claim):
    """The claim's figures at both ends of its range."""
    return measure(calc, claim.subject, [number_text(claim.low), number_text(claim.high)])


def breaches(points, claim):
    """(input text, figure label, deviation %) for each figure beyond the claim's limit."""
    return [(p.text, f.label, round(p.deviation[f.key], 2)) for p in points for f in claim.figures
            if abs(p.deviation[f.key]) > claim.limit]


def check(calc, claim, span_points):
    """What the claim promises and the code does not deliver, in sentences: at
    its ends, at the measured points inside it, and wherever it reaches past
    what is measured."""
    unit = claim.subject.unit
    problems = [f"at its end {text} {unit}: {label} {dev:+.2f} %"
                for text, label, dev in breaches(edges(calc, claim), claim)]
    inside = breaches([p for p in span_points if claim.low <= p.value <= claim.high], claim)
    if inside:
        text, label, dev = max(inside, key=lambda b: abs(b[2]))
        problems.append(f"at {len(inside)} measured points from {inside[0][0]} to "
                        f"{inside[-1][0]} {unit}, worst {label} {dev:+.2f} % at {text} {unit}")
    first, last = span_points[0].value, span_points[-1].value
    if claim.low < first or claim.high > last:
        problems.append(f"past the measured {span_points[0].text}–{span_points[-1].text} {unit}")
    return problems


def run_around(points, claim):
    """The measured run, at the claim's limit, that holds every measured point
    of the claimed range; None when they do not all lie in one run."""
    inside = [p for p in points if claim.low <= p.value <= claim.high]
    for first, last in runs(points, claim.figures, claim.limit):
        if inside and first.value <= inside[0].value and inside[-1].value <= last.value:
            return first, last
    return None


@dataclass(frozen=True)
class ShellCase:
    area_m2: str
    tube_od_mm: str
    tube_length_m: str
    tube_count: float
    shell_mm: float
    bundle_mm: float

    @property
    def clearance_mm(self):
        return self.shell_mm - self.bundle_mm

    @property
    def excess_percent(self):
        return (self.shell_mm / self.bundle_mm - 1) * 100


def shells(calc, cases):
    """The exchanger's shell for each (area, tube od, tube length) text triple,
    with the Sinnott bundle diameter of the tube count the program gives."""
    figures = calc.batch([{"tool": "exchanger", "area": a, "tube_diameter": d, "tube_length": l}
                          for a, d, l in cases])
    return [ShellCase(a, d, l, f["tube_count"], f["shell_diameter_mm"],
                      references.bundle_diameter_mm(f["tube_count"], float(d)))
            for (a, d, l), f in zip(cases, figures)]


def channels(calc, standard):
    """The program's figures for each designation of the standard's rows."""
    return calc.batch([{"tool": "channel", "designation": row.designation} for row in standard])


def find_subject(tool, key) -> Optional[Subject]:
    return next((s for s in SUBJECTS if (s.tool, s.input) == (tool, key)), None)
