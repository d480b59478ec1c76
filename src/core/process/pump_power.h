// Shaft power of a centrifugal pump from flow, head, specific gravity,
// efficiency and a safety factor, to choose the motor by.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vapentis {

struct PumpInputs {
  std::string_view flow;              // m3/h
  std::string_view head;              // m
  std::string_view specific_gravity;  // relative to water
  std::string_view efficiency;        // fraction, 0.6 for 60 %
  std::string_view safety_factor;
  char decimal_separator = '.';
};

struct PumpResult {
  double power_kw = 0;             // rounded to 1 place
  std::vector<std::string> lines;  // the two result lines
};

// Keys of the inputs, as a failure names them.
inline constexpr std::string_view kPumpFlowInput = "flow";
inline constexpr std::string_view kHeadInput = "head";
inline constexpr std::string_view kSpecificGravityInput = "specific_gravity";
inline constexpr std::string_view kEfficiencyInput = "efficiency";
inline constexpr std::string_view kSafetyFactorInput = "safety_factor";

PumpResult PumpPower(const PumpInputs& in);  // throws CalcFailure

std::vector<std::string> PumpResultText(double power_kw, char decimal_separator = '.');

}  // namespace vapentis
