"""The heat check's specific energy (吨水电耗, kWh per t of water evaporated) for typical
plants, read through vapentis-calc, beside the orders of magnitude the trade literature gives
for MVR plants and beside the steam a triple-effect evaporator takes.
"""
from dataclasses import dataclass

import references

TOOL = "thermal"
FIGURE = "specific_energy_kwh_per_t"
DRIVE_EFFICIENCY = "0.95"


@dataclass(frozen=True)
class Published:
    """A range of specific energy the trade literature quotes for a kind of MVR plant."""
    label: str   # what the plants evaporate, for the prose
    plant: str   # the same, short, for the table
    low: float
    high: float
    unit: str = "kWh/t"

    @property
    def text(self):
        return f"{self.low:g}–{self.high:g} {self.unit}"


# Orders of magnitude from suppliers' and trade papers, not a standard: a whole plant's
# electricity per t of water evaporated.
LOW_RISE = Published("a low boiling point rise (food, dilute liquors)", "food, dilute liquors",
                     15, 25)
SALT = Published("salt crystallisation", "salt crystallisation", 40, 60)
PUBLISHED = (LOW_RISE, SALT)
# What a triple-effect evaporator takes instead, in t of live steam per t of water, and the
# live steam's pressure for turning it into heat.
TRIPLE_EFFECT_STEAM_T_PER_T = (0.3, 0.45)
LIVE_STEAM_MPA = (0.2, 0.6)
KJ_PER_KWH = 3600


@dataclass(frozen=True)
class Case:
    """One plant: its kind, and the inputs that set the specific energy; the evaporation and the
    heat transfer coefficient keep their start texts, since the figure is per t and leaves the
    heater out."""
    kind: Published
    vapour_temperature: str
    boiling_point_rise: str
    heater_difference: str
    isentropic_efficiency: str
    note: str = ""

    def request(self):
        return {"tool": TOOL, "vapour_temperature": self.vapour_temperature,
                "boiling_point_rise": self.boiling_point_rise,
                "heater_difference": self.heater_difference,
                "isentropic_efficiency": self.isentropic_efficiency,
                "drive_efficiency": DRIVE_EFFICIENCY}


# Food and dilute liquors: a small rise and a lift of 6–9 K, at 60 ℃ as evaporators of heat
# sensitive liquors run; salt: a rise of 8–12 K and a heater difference of 5–8 K, at 80 ℃.
TYPICAL = (
    Case(LOW_RISE, "60", "1", "5", "0.8"),
    Case(LOW_RISE, "60", "1", "5", "0.75"),
    Case(LOW_RISE, "60", "2", "7", "0.8"),
    Case(LOW_RISE, "60", "2", "7", "0.75"),
    Case(SALT, "80", "8", "5", "0.8"),
    Case(SALT, "80", "8", "5", "0.75"),
    Case(SALT, "80", "10", "6", "0.8"),
    Case(SALT, "80", "10", "6", "0.75"),
    Case(SALT, "80", "12", "8", "0.8"),
    Case(SALT, "80", "12", "8", "0.75"),
)

# The plot's curves: the lift made of this heater difference and a growing rise.
CURVE_TEMPERATURES_C = ("60", "80", "100")
CURVE_HEATER_DIFFERENCE_K = 6
CURVE_LIFTS_K = tuple(CURVE_HEATER_DIFFERENCE_K + i / 2 for i in range(0, 37))
CURVE_ISENTROPIC_EFFICIENCY = "0.8"


def start_case(description):
    """The tool's start texts as a case; it is a food plant's small rise."""
    tool = next(t for t in description["tools"] if t["name"] == TOOL)
    start = {i["key"]: i["start_text"] for i in tool["inputs"]}
    if start["drive_efficiency"] != DRIVE_EFFICIENCY:
        raise ValueError(f"the start drive efficiency is {start['drive_efficiency']}, not "
                         f"{DRIVE_EFFICIENCY}; the table's cases assume it")
    return Case(LOW_RISE, start["vapour_temperature"], start["boiling_point_rise"],
                start["heater_difference"], start["isentropic_efficiency"], "the start texts")


@dataclass(frozen=True)
class Row:
    case: Case
    lift_k: float
    discharge_c: float
    specific_energy: float  # kWh/t, as line 4 shows it
    lines: tuple            # the result lines

    @property
    def per_kelvin(self):
        return self.specific_energy / self.lift_k

    @property
    def placement(self):
        return placement(self.specific_energy, self.case.kind)


def placement(value, published):
    """"within", or how far below or above the published range, in its unit."""
    if value < published.low:
        return f"{published.low - value:.1f} below"
    if value > published.high:
        return f"{value - published.high:.1f} above"
    return "within"


def rows(calc, cases):
    """Each case's figures as the program gives them."""
    records = calc.records([c.request() for c in cases])
    return [Row(c, r["figures"]["lift_k"], r["figures"]["discharge_temperature_c"],
                r["figures"][FIGURE], tuple(r["lines"]))
            for c, r in zip(cases, records, strict=True)]


def curves(calc):
    """(vapour temperature, [(lift K, kWh/t)]) for each curve of the plot."""
    cases = [Case(LOW_RISE, t, f"{lift - CURVE_HEATER_DIFFERENCE_K:g}",
                  str(CURVE_HEATER_DIFFERENCE_K), CURVE_ISENTROPIC_EFFICIENCY)
             for t in CURVE_TEMPERATURES_C for lift in CURVE_LIFTS_K]
    found = rows(calc, cases)
    return [(t, [(r.lift_k, r.specific_energy) for r in found if r.case.vapour_temperature == t])
            for t in CURVE_TEMPERATURES_C]


def spread(values, unit, form=".1f"):
    low, high = min(values), max(values)
    if low == high:
        return f"{low:{form}} {unit}"
    return f"{low:{form}}–{high:{form}} {unit}"


def lifts_text(kind, found):
    return spread([r.lift_k for r in found if r.case.kind is kind], "K", "g")


def kind_sentence(kind, found):
    """Where the cases of one kind fall against its published range."""
    mine = [r for r in found if r.case.kind is kind]
    within = sum(r.placement == "within" for r in mine)
    below = sum(r.specific_energy < kind.low for r in mine)
    above = sum(r.specific_energy > kind.high for r in mine)
    parts = [f"{within} within"]
    if below:
        parts.append(f"{below} below")
    if above:
        parts.append(f"{above} above")
    cases = "the one case gives" if len(mine) == 1 else f"the {len(mine)} cases give"
    return (f"{kind.plant[0].upper()}{kind.plant[1:]}: {cases} "
            f"{spread([r.specific_energy for r in mine], kind.unit)} against the published "
            f"{kind.text}; {', '.join(parts)}.")


def live_steam_heat_kwh_per_t():
    """The heat in a triple effect's steam per t of water, lowest to highest: the least steam at
    the highest pressure, whose latent heat is the smallest, to the most at the lowest."""
    low_t, high_t = TRIPLE_EFFECT_STEAM_T_PER_T
    low_p, high_p = LIVE_STEAM_MPA
    least = low_t * references.saturation_at_pressure(high_p)["latent_heat_kj_per_kg"]
    most = high_t * references.saturation_at_pressure(low_p)["latent_heat_kj_per_kg"]
    # t of steam per t of water times kJ per kg is kJ per kg of water, or 1000 kJ per t.
    return least * 1000 / KJ_PER_KWH, most * 1000 / KJ_PER_KWH
