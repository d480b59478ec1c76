// First layout of a shell-and-tube exchanger: tube count and shell diameter
// from the heat-transfer area, the tube outer diameter and the tube length.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vapentis {

struct ExchangerInputs {
  std::string_view area;           // m2
  std::string_view tube_diameter;  // outer, mm
  std::string_view tube_length;    // m
  char decimal_separator = '.';
};

struct ExchangerResult {
  double tube_count = 0;           // a whole number
  double shell_diameter_mm = 0;    // a whole multiple of 100
  std::vector<std::string> lines;  // the two result lines
};

// Keys of the inputs, as a failure names them.
inline constexpr std::string_view kAreaInput = "area";
inline constexpr std::string_view kTubeDiameterInput = "tube_diameter";
inline constexpr std::string_view kTubeLengthInput = "tube_length";
// Keys of the boxes shown for reference, which the calculation does not read.
inline constexpr std::string_view kArrangementInput = "arrangement";
inline constexpr std::string_view kPitchInput = "pitch";

// The one arrangement of the drop-down list; the calculation assumes it.
inline constexpr std::array<std::string_view, 1> kArrangementList = {"正三角形"};

ExchangerResult ExchangerLayout(const ExchangerInputs& in);  // throws CalcFailure

std::vector<std::string> ExchangerResultText(double tube_count, double shell_diameter_mm,
                                             char decimal_separator = '.');

}  // namespace vapentis
