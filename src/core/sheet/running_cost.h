// The running cost of a sized MVR plant beside the steam of a multi-effect
// evaporator, at the customer's prices: four assumptions and seven lines.
#pragma once

#include <string>
#include <string_view>

#include "core/description/tool_description.h"

namespace vapentis {

// Keys of the assumptions, as options, JSON keys and failures name them.
inline constexpr std::string_view kElectricityPriceInput = "electricity_price";
inline constexpr std::string_view kSteamPriceInput = "steam_price";
inline constexpr std::string_view kSteamPerTonInput = "steam_per_ton";
inline constexpr std::string_view kHoursInput = "hours";

// The four assumptions, described as a tool's inputs are, for boxes, options and
// the sheet. It is not a tool of the catalog: its figures need a sizing's, so its
// `calculate` only reads the assumptions, failing as a box does, and gives them as
// figures, with no lines.
const ToolDescription& RunningCostDescription();

// What the cost takes from a successful sizing.
struct SizingBasis {
  double throughput_t_per_h = 0;   // T, as typed
  double evaporation_t_per_h = 0;  // W, as the sizing lines show it
  double power_kwh_per_h = 0;      // P, as the sizing lines show it
  bool listed_application = true;  // false: P is 0 for want of the application's coefficients
};

// T, W and P of a sizing that was calculated from `sizing_texts`.
SizingBasis SizingBasisOf(const InputTexts& sizing_texts, const ToolOutcome& sizing,
                          char decimal_separator);

// The seven lines of MVR electricity against multi-effect steam, per hour, per ton
// of feed and per year, with their figures; or, where the comparison would mislead,
// one line saying why and no figures. Throws CalcFailure for an assumption that is
// no number, tagged with its key, or a step that overflows; RefusedValue for one
// outside its valid range, which a tool's input would only be warned of.
ToolOutcome RunningCost(const SizingBasis& sizing, const InputTexts& assumptions,
                        char decimal_separator);

// What the comparison leaves out, for the sheet's notes.
inline constexpr std::string_view kRunningCostNote = "多效蒸发只计蒸汽费用";

}  // namespace vapentis
