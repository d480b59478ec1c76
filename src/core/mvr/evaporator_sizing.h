// MVR evaporator sizing: evaporation rate by mass balance, recommended type,
// model code, power estimate, footprint and staffing from four input texts.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vapentis {

struct SizingInputs {
  std::string_view throughput;             // t/h
  std::string_view feed_concentration;     // %
  std::string_view product_concentration;  // %
  std::string_view application;
  char decimal_separator = '.';
};

// The texts other than the model code are the tables' own, which live as long as the program.
struct SizingResult {
  double evaporation_t_per_h = 0;  // rounded to 2 places
  std::string_view application_code;
  std::string_view type_code;
  std::string_view type_name;
  std::string model_code;
  double power_kwh_per_h = 0;  // rounded to 1 place
  double power_kwh_per_t = 0;  // rounded to 1 place
  std::string_view footprint;
  std::string_view staffing;
  std::vector<std::string> lines;  // the eight result lines
};

// Keys of the inputs, as a failure names them.
inline constexpr std::string_view kThroughputInput = "throughput";
inline constexpr std::string_view kFeedConcentrationInput = "feed";
inline constexpr std::string_view kProductConcentrationInput = "product";
inline constexpr std::string_view kApplicationInput = "application";

enum class EvaporatorFamily { Circulation, Film };

struct Application {
  std::string_view name;
  double main_power_coefficient;
  double auxiliary_power_factor;
  std::string_view code;
  EvaporatorFamily family;
};

// The seven applications, in the order of the drop-down list; any other text
// has no coefficients, code or family.
inline constexpr std::array<Application, 7> kApplications = {{
    {"蒸发结晶", 17, 1.9, "CRY", EvaporatorFamily::Circulation},
    {"废水零排放", 17, 1.9, "ZLD", EvaporatorFamily::Circulation},
    {"垃圾渗滤液", 16, 1.6, "ZLD", EvaporatorFamily::Circulation},
    {"化工行业", 17, 1.9, "ZLD", EvaporatorFamily::Circulation},
    {"危废行业", 19, 2, "ZLD", EvaporatorFamily::Circulation},
    {"中药浓缩", 11, 1.1, "CON", EvaporatorFamily::Film},
    {"食品行业", 12, 1.1, "CON", EvaporatorFamily::Film},
}};

SizingResult SizeEvaporator(const SizingInputs& in);  // throws CalcFailure

// The eight result lines of a sizing.
std::vector<std::string> SizingResultLines(const SizingResult& result,
                                           char decimal_separator = '.');

}  // namespace vapentis
