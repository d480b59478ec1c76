// One press of a tool as every reader shows it: the window, the command line,
// a batch and the calculation sheet all turn input texts into a record here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "description/tool_description.h"
#include "numeric/numeric.h"

namespace vapentis {

struct Presented {
  // Inputs outside their valid range, or outside where their figures hold.
  std::vector<std::string> warnings;
  // A choice the tool needs is not made: what to choose; nothing was calculated.
  std::string unchosen;
  // The calculation failed: why, and the input to blame.
  std::optional<CalcFailure> failure;
  // Figures and lines, also when a list text matched nothing (`notice` says which).
  ToolOutcome outcome;

  bool Calculated() const { return unchosen.empty() && !failure; }
  // Calculated, and every list text was one the tool knows.
  bool Succeeded() const { return Calculated() && outcome.unmatched_input.empty(); }
};

Presented Present(const InputTexts& texts, char decimal_separator);

// Machine-readable names of the two ways a press gives no figures other than a
// CalcFailure (whose kinds KindName names).
inline constexpr std::string_view kMissingChoiceKind = "MissingChoice";
inline constexpr std::string_view kNotInListKind = "NotInList";

}  // namespace vapentis
