#include "core/process/steam_properties.h"

#include <array>
#include <limits>

#include "core/numeric/numeric.h"
#include "core/process/iapws_if97.h"

namespace vapentis {

namespace {

// The correlation's own constants; 273 is its Celsius offset, not 273.15.
constexpr double kAntoineA = 9.3876;
constexpr double kAntoineB = 3826.36;
constexpr double kAntoineC = 45.47;
constexpr double kKelvinOffset = 273;
constexpr double kCombinedOffset = 227.53;  // 273 - 45.47 written as one constant
constexpr double kPressureFactor = 1.00524;
constexpr double kPowerBase = 2.718281828459;

// Density linear in the saturation pressure; the first band whose upper
// limit is not below t applies.
struct DensityBand {
  double up_to_c;
  double slope_kg_per_m3_per_mpa;
  double offset_kg_per_m3;
};

constexpr double kNoUpperLimit = std::numeric_limits<double>::infinity();

constexpr std::array<DensityBand, 3> kDensityBands = {{
    {125, 5.8215, 0.01465},
    {140, 5.4597, 0.01315},
    {kNoUpperLimit, 5.3197, 0.01115},
}};

const DensityBand& BandOf(double t_c) {
  for (const DensityBand& band : kDensityBands) {
    if (t_c <= band.up_to_c) return band;
  }
  return kDensityBands.back();
}

// The standard's saturated vapour at the typed pressure or temperature, as the
// last line shows it.
std::optional<SteamReference> Reference(SteamMode mode, double typed) {
  const std::optional<if97::Saturation> state = mode == SteamMode::Pressure
                                                    ? if97::SaturationAtPressure(typed)
                                                    : if97::SaturationAtTemperature(typed);
  if (!state) return std::nullopt;
  return SteamReference{
      RoundHalfEven(state->temperature_c, 1), RoundHalfEven(state->pressure_mpa, 4),
      RoundHalfEven(state->vapour_density_kg_m3, 4), RoundHalfEven(state->LatentHeat(), 0)};
}

std::string ReferenceLine(SteamMode mode, const std::optional<SteamReference>& reference,
                          char sep) {
  if (!reference) return std::string(kNoReferenceLine);
  const bool pressure_mode = mode == SteamMode::Pressure;
  return Concat(
      {"按IAPWS-IF97：", pressure_mode ? "温度=" : "压力=",
       ShownNumber(pressure_mode ? reference->temperature_c : reference->pressure_mpa, sep),
       pressure_mode ? "℃" : "MPa", "，密度=", ShownNumber(reference->density_kg_per_m3, sep),
       "kg/m3，潜热=", ShownNumber(reference->latent_heat_kj_per_kg, sep), "kJ/kg"});
}

// The correlation's three lines, then the standard's.
std::vector<std::string> SteamLines(std::string_view first, double first_value,
                                    std::string_view first_unit, const SteamResult& r,
                                    SteamMode mode, char sep) {
  std::vector<std::string> lines;
  lines.reserve(4);
  lines.push_back(Concat({first, ShownNumber(first_value, sep), first_unit}));
  lines.push_back(Concat({"饱和蒸汽密度=", ShownNumber(r.density_kg_per_m3, sep), "kg/m3"}));
  lines.push_back(Concat({"饱和蒸汽潜热=", ShownNumber(r.latent_heat_kj_per_kg, sep), "kJ/kg"}));
  lines.push_back(ReferenceLine(mode, r.reference, sep));
  return lines;
}

SteamResult PressureMode(const SteamInputs& in) {
  const char sep = in.decimal_separator;
  const double p = ParseInput(in.pressure, kPressureInput, sep);
  double t = 0;
  try {
    t = SaturationTemperature(p);
  } catch (const CalcFailure& failure) {
    if (p <= 0) throw Blamed(failure, {kPressureInput, "饱和蒸汽压力为零或负数，无法取对数"});
    throw;
  }
  const double density = RoundHalfEven(SteamDensity(t), 4);
  const double latent_heat = RoundHalfEven(LatentHeat(t), 0);
  // Made after the last step that can fail, so that a failure need not stop here to free it.
  SteamResult r;
  r.pressure_mpa = p;
  r.density_kg_per_m3 = density;
  r.latent_heat_kj_per_kg = latent_heat;
  r.temperature_c = RoundHalfEven(t, 1);
  r.reference = Reference(SteamMode::Pressure, p);
  r.lines = SteamLines("饱和蒸汽温度=", r.temperature_c, "℃", r, SteamMode::Pressure, sep);
  return r;
}

SteamResult TemperatureMode(const SteamInputs& in) {
  const char sep = in.decimal_separator;
  const double t = ParseInput(in.temperature, kTemperatureInput, sep);
  double pressure = 0;
  try {
    pressure = RoundHalfEven(SaturationPressure(t), 4);
  } catch (const CalcFailure& failure) {
    if (AntoineDenominatorIsZero(t)) {
      throw Blamed(failure, {kTemperatureInput, "饱和蒸汽温度使蒸汽压公式的分母为零"});
    }
    throw;
  }
  const double density = RoundHalfEven(SteamDensity(t), 4);
  const double latent_heat = RoundHalfEven(LatentHeat(t), 0);
  // Made after the last step that can fail, so that a failure need not stop here to free it.
  SteamResult r;
  r.temperature_c = t;
  r.pressure_mpa = pressure;
  r.density_kg_per_m3 = density;
  r.latent_heat_kj_per_kg = latent_heat;
  r.reference = Reference(SteamMode::Temperature, t);
  // "Mpa" is the unit as engineers know it from earlier quotes.
  r.lines = SteamLines("饱和蒸汽压力=", r.pressure_mpa, "Mpa", r, SteamMode::Temperature, sep);
  return r;
}

}  // namespace

double AntoineTerm(double t_c) {
  Checked c;
  const double denominator = c.sub(c.add(t_c, kKelvinOffset), kAntoineC);
  c.check();
  const double exponent = c.sub(kAntoineA, c.div(kAntoineB, denominator));
  c.check();
  const double term = c.pow(kPowerBase, exponent);
  c.check();
  return term;
}

bool AntoineDenominatorIsZero(double t_c) { return t_c + kKelvinOffset - kAntoineC == 0; }

double SaturationPressure(double t_c) {
  const double term = AntoineTerm(t_c);
  Checked c;
  const double p = c.mul(kPressureFactor, term);
  c.check();
  return p;
}

double SaturationTemperature(double p_mpa) {
  Checked c;
  const double ratio = c.div(p_mpa, kPressureFactor);
  c.check();
  const double ln = c.log(ratio);
  const double t = c.sub(c.div(kAntoineB, c.sub(kAntoineA, ln)), kCombinedOffset);
  c.check();
  return t;
}

double SteamDensity(double t_c) {
  const DensityBand& band = BandOf(t_c);
  const double p = SaturationPressure(t_c);
  Checked c;
  const double density = c.add(c.mul(band.slope_kg_per_m3_per_mpa, p), band.offset_kg_per_m3);
  c.check();
  return density;
}

double LatentHeat(double t_c) {
  Checked c;
  const double r = c.sub(c.add(c.div(c.mul(t_c, 356.324), 200), 2500.89), c.mul(t_c, 4.2));
  c.check();
  return r;
}

SteamResult SteamPropertiesResult(const SteamInputs& in) {
  return in.mode == SteamMode::Pressure ? PressureMode(in) : TemperatureMode(in);
}

}  // namespace vapentis
