// MVR evaporator sizing: evaporation rate by mass balance, recommended type,
// model code, power estimate, footprint and staffing from four input texts.
#pragma once

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

struct SizingResult {
  double evaporation_t_per_h = 0;  // rounded to 2 places
  std::string application_code;
  std::string type_code;
  std::string type_name;
  std::string model_code;
  double power_kwh_per_h = 0;  // rounded to 1 place
  double power_kwh_per_t = 0;  // rounded to 1 place
  std::string footprint;
  std::string staffing;
  std::vector<std::string> lines;  // the eight result lines
};

// Keys of the inputs, as a failure names them.
inline constexpr std::string_view kThroughputInput = "throughput";
inline constexpr std::string_view kFeedConcentrationInput = "feed";
inline constexpr std::string_view kProductConcentrationInput = "product";
inline constexpr std::string_view kApplicationInput = "application";

// The seven applications of the drop-down list, in list order, one blank between.
inline constexpr std::string_view kApplicationList =
    "蒸发结晶 废水零排放 垃圾渗滤液 化工行业 危废行业 中药浓缩 食品行业";

SizingResult SizeEvaporator(const SizingInputs& in);  // throws CalcFailure

// The eight result lines of a sizing.
std::vector<std::string> SizingResultLines(const SizingResult& result,
                                           char decimal_separator = '.');

}  // namespace vapentis
