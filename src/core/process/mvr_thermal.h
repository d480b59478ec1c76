// The heat check of a sized MVR plant from IAPWS-IF97: the compressor's lift, work, discharge
// temperature and power, the desuperheating water, and the heater's duty and area.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vapentis {

struct ThermalInputs {
  std::string_view evaporation;                // t/h of water evaporated
  std::string_view vapour_temperature;         // ℃, saturated vapour leaving the separator
  std::string_view boiling_point_rise;         // K, the liquor's boiling point above it
  std::string_view heater_difference;          // K, condensing temperature − liquor's boiling
  std::string_view isentropic_efficiency;      // fraction
  std::string_view drive_efficiency;           // fraction, motor and transmission together
  std::string_view heat_transfer_coefficient;  // W/(m2 K)
  char decimal_separator = '.';
};

// The figures of a check, in the units the lines show them.
struct ThermalFigures {
  double boiling_temperature_c = 0;
  double condensing_temperature_c = 0;
  double lift_k = 0;
  double suction_pressure_kpa = 0;
  double discharge_pressure_kpa = 0;
  double compression_ratio = 0;
  double suction_volume_m3_per_h = 0;
  double isentropic_work_kj_per_kg = 0;
  double discharge_temperature_c = 0;
  double shaft_power_kw = 0;
  double motor_power_kw = 0;
  double specific_energy_kwh_per_t = 0;
  double desuperheating_water_kg_per_h = 0;
  double heater_duty_kw = 0;
  double heater_area_m2 = 0;
};

// The vapour's states at suction and discharge, which the two temperatures solved for must meet.
struct CompressionStates {
  double suction_pressure_mpa = 0;
  double discharge_pressure_mpa = 0;
  double suction_entropy_kj_per_kg_k = 0;
  double isentropic_temperature_k = 0;  // where the discharge pressure has the suction's entropy
  double discharge_enthalpy_kj_per_kg = 0;
  double discharge_temperature_k = 0;  // where the discharge pressure has that enthalpy
};

struct ThermalResult {
  ThermalFigures exact;  // unrounded
  ThermalFigures shown;  // rounded as the lines show them
  CompressionStates states;
  int fan_stages = 0;              // centrifugal fans in series; 0 when the lift needs more
  std::vector<std::string> lines;  // the seven result lines
};

// Keys of the inputs, as a failure names them.
inline constexpr std::string_view kEvaporationInput = "evaporation";
inline constexpr std::string_view kVapourTemperatureInput = "vapour_temperature";
inline constexpr std::string_view kBoilingPointRiseInput = "boiling_point_rise";
inline constexpr std::string_view kHeaterDifferenceInput = "heater_difference";
inline constexpr std::string_view kIsentropicEfficiencyInput = "isentropic_efficiency";
inline constexpr std::string_view kDriveEfficiencyInput = "drive_efficiency";
inline constexpr std::string_view kHeatTransferCoefficientInput = "heat_transfer_coefficient";

// What each input must be, as a refusal and the description's valid range say it.
inline constexpr std::string_view kEvaporationNote = "蒸发量须大于0";
inline constexpr std::string_view kVapourTemperatureNote =
    "二次蒸汽温度须在0.01~350℃之间，且冷凝温度不超过350℃";
inline constexpr std::string_view kBoilingPointRiseNote = "沸点升高不能为负";
inline constexpr std::string_view kHeaterDifferenceNote = "传热温差须大于0";
inline constexpr std::string_view kIsentropicEfficiencyNote =
    "压缩机等熵效率须大于0且不大于1，排气温度不超过800℃";
inline constexpr std::string_view kDriveEfficiencyNote = "电机及传动效率须大于0且不大于1";
inline constexpr std::string_view kHeatTransferCoefficientNote = "总传热系数须大于0";

// Throws CalcFailure for a text that is no number or a step that overflows, and RefusedValue
// for a value outside the domain where IAPWS-IF97 and the figures mean anything.
ThermalResult MvrThermalCheck(const ThermalInputs& in);

// Centrifugal fans in series for a lift as line 1 shows it, each raising the saturation
// temperature by at most 8 K; 0 above 24 K, more than three can take.
int FanStages(double lift_shown_k);

// The seven result lines from the shown figures.
std::vector<std::string> ThermalResultLines(const ThermalFigures& shown, int fan_stages,
                                            char decimal_separator = '.');

}  // namespace vapentis
