"""The independent references the program's figures are compared with.

Saturated steam from IAPWS-IF97 (Debian's python3-iapws), the tube-bundle
diameter of Sinnott (Coulson & Richardson's Chemical Engineering vol. 6), and
the channel masses of GB/T 706-2016 from the data file.
"""
import csv
from dataclasses import dataclass

from iapws import IAPWS97

KELVIN_OFFSET = 273.15


def _saturation(vapour, liquid):
    return {
        "temperature_c": vapour.T - KELVIN_OFFSET,
        "pressure_mpa": vapour.P,
        "density_kg_per_m3": vapour.rho,
        "latent_heat_kj_per_kg": vapour.h - liquid.h,
    }


def saturation_at_temperature(t_c):
    """Saturated steam at t_c in ℃: pressure, vapour density, latent heat."""
    t_k = t_c + KELVIN_OFFSET
    return _saturation(IAPWS97(T=t_k, x=1), IAPWS97(T=t_k, x=0))


def saturation_at_pressure(p_mpa):
    """Saturated steam at p_mpa in MPa: temperature, vapour density, latent heat."""
    return _saturation(IAPWS97(P=p_mpa, x=1), IAPWS97(P=p_mpa, x=0))


# Sinnott, Chemical Engineering Design (C&R vol. 6), bundle diameter for a
# triangular pitch of 1.25 d_o and one tube pass.
BUNDLE_K1 = 0.319
BUNDLE_N1 = 2.142


def bundle_diameter_mm(tube_count, tube_od_mm):
    """D_b = d_o (N_t / K1)^(1 / n1), in mm."""
    return tube_od_mm * (tube_count / BUNDLE_K1) ** (1 / BUNDLE_N1)


@dataclass(frozen=True)
class Channel:
    designation: str
    h_mm: int
    b_mm: int
    d_mm: float
    mass_kg_per_m: float


def read_channels(path):
    """The rows of the GB/T 706-2016 data file, in file order."""
    with open(path, encoding="utf-8", newline="") as f:
        rows = csv.DictReader(line for line in f if not line.startswith("#"))
        return [
            Channel(r["designation"], int(r["h_mm"]), int(r["b_mm"]), float(r["d_mm"]),
                    float(r["mass_kg_per_m"]))
            for r in rows
        ]


def source_of(path):
    """The data file's first comment, which names its source."""
    with open(path, encoding="utf-8") as f:
        first = f.readline()
    return first.lstrip("#").strip()
