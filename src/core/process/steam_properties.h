// Saturated water steam at low pressure: temperature or pressure, density and
// latent heat from an Antoine vapour-pressure correlation.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vapentis {

enum class SteamMode { Pressure, Temperature };

struct SteamInputs {
  SteamMode mode = SteamMode::Pressure;
  std::string_view pressure;     // MPa, read in pressure mode only
  std::string_view temperature;  // ℃, read in temperature mode only
  char decimal_separator = '.';
};

// Figures as the result lines show them. Pressure mode: temperature_c is the
// shown (1-decimal) temperature and pressure_mpa the typed pressure.
// Temperature mode: pressure_mpa is the shown (4-decimal) pressure and
// temperature_c the typed temperature.
// The IAPWS-IF97 figures beside the correlation's, rounded as the line shows
// them: the temperature (pressure mode) or the pressure (temperature mode),
// the vapour's density and the latent heat.
struct SteamReference {
  double temperature_c = 0;  // to 1 place
  double pressure_mpa = 0;   // to 4 places
  double density_kg_per_m3 = 0;
  double latent_heat_kj_per_kg = 0;
};

struct SteamResult {
  double temperature_c = 0;
  double pressure_mpa = 0;
  double density_kg_per_m3 = 0;      // rounded to 4 places
  double latent_heat_kj_per_kg = 0;  // rounded to a whole number
  // None where the typed value lies outside the standard's 0.01~350 ℃.
  std::optional<SteamReference> reference;
  std::vector<std::string> lines;  // the three result lines and the IF97 line
};

// The IF97 line where the typed value lies outside the standard's range.
inline constexpr std::string_view kNoReferenceLine = "按IAPWS-IF97：超出0.01~350℃，无参考值";

// Keys of the inputs, as a failure names them.
inline constexpr std::string_view kSteamModeInput = "mode";
inline constexpr std::string_view kPressureInput = "pressure";
inline constexpr std::string_view kTemperatureInput = "temperature";

// Each of these throws CalcFailure. t in ℃, p in MPa.
double AntoineTerm(double t_c);
// Whether t is the one temperature where the correlation divides by zero.
bool AntoineDenominatorIsZero(double t_c);
double SaturationPressure(double t_c);
double SaturationTemperature(double p_mpa);
double SteamDensity(double t_c);  // kg/m3, in three temperature bands
double LatentHeat(double t_c);    // kJ/kg

// The result for the chosen mode, converting only the text that mode reads.
SteamResult SteamPropertiesResult(const SteamInputs& in);

}  // namespace vapentis
