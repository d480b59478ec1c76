// Water and steam from IAPWS-IF97: liquid (region 1), vapour (region 2) and the saturation line.
#pragma once

#include <array>
#include <optional>

namespace vapentis::if97 {

// Properties at a pressure p (MPa) and a temperature T (K): specific volume m3/kg, enthalpy
// kJ/kg, internal energy kJ/kg, entropy kJ/(kg K), isobaric heat capacity kJ/(kg K), speed of
// sound m/s.
struct State {
  double v, h, u, s, cp, w;
};

// Region 1 (liquid) and region 2 (vapour), each up to the saturation line. Neither checks the
// range: outside its region a figure means nothing.
State Region1(double p_mpa, double t_k);
State Region2(double p_mpa, double t_k);

// Enthalpy kJ/kg, entropy kJ/(kg K), isobaric heat capacity kJ/(kg K) and its slope
// kJ/(kg K²) of region 2 alone.
struct IsobarPoint {
  double h, s, cp, dcp_dt;
};

// Region 2 along one isobar, for searches at a fixed pressure: what the pressure alone gives
// (ln π, the powers of π) is worked out once, and each point only what a search needs.
class Region2Isobar {
 public:
  static constexpr int kPressurePowers = 25;  // π^0 … π^24, the residual part's exponents

  explicit Region2Isobar(double p_mpa);
  IsobarPoint At(double t_k) const;

 private:
  double pi_;
  double log_pi_;
  std::array<double, kPressurePowers> pi_powers_{};
};

// A temperature found on an isobar, and the point there.
struct IsobarRoot {
  double t_k;
  IsobarPoint at;
};

// The temperature (K) at which region 2 on the isobar has the entropy s (kJ/(kg K)) or the
// enthalpy h (kJ/kg), between t_low_k and t_high_k, to well within 1e-9 K, searched from
// t_guess_k, with the point there. Both rise with the temperature at a fixed pressure: a value
// below the low end's gives the low end, one above the high end's nullopt. Neither checks the
// range.
std::optional<IsobarRoot> Region2AtEntropy(const Region2Isobar& isobar, double s, double t_low_k,
                                           double t_high_k, double t_guess_k);
std::optional<IsobarRoot> Region2AtEnthalpy(const Region2Isobar& isobar, double h, double t_low_k,
                                            double t_high_k, double t_guess_k);
// Volume (m3/kg) and enthalpy (kJ/kg) of region 2 alone, for a state whose other
// properties are not needed.
struct VolumeEnthalpy {
  double v, h;
};
VolumeEnthalpy Region2VolumeEnthalpy(double p_mpa, double t_k);
VolumeEnthalpy Region1VolumeEnthalpy(double p_mpa, double t_k);

// The saturation line of region 4, 273.15–647.096 K; neither checks the range.
double SaturationPressure(double t_k);       // MPa
double SaturationTemperature(double p_mpa);  // K

// Saturated liquid (′) and vapour (″) at one point of the line.
struct Saturation {
  double temperature_c, pressure_mpa;
  double liquid_density_kg_m3, vapour_density_kg_m3;
  double liquid_enthalpy_kj_kg, vapour_enthalpy_kj_kg;
  double LatentHeat() const { return vapour_enthalpy_kj_kg - liquid_enthalpy_kj_kg; }  // kJ/kg
};

// Where the two regions meet the saturation line: from the triple point to 350 ℃, the highest
// temperature of region 1. The pressures are the line's at those ends to six figures, the
// highest rounded down so that its saturation temperature stays in region 1.
inline constexpr double kLowestTemperatureC = 0.01;
inline constexpr double kHighestTemperatureC = 350;
inline constexpr double kLowestPressureMpa = 0.000611657;
inline constexpr double kHighestPressureMpa = 16.5291;

// Saturated liquid and vapour at a temperature in ℃ or a pressure in MPa, over the ranges
// above with their ends; nullopt (no reference) outside them and for NaN.
std::optional<Saturation> SaturationAtTemperature(double t_c);
std::optional<Saturation> SaturationAtPressure(double p_mpa);

}  // namespace vapentis::if97
