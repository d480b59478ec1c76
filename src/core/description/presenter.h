// One press of a tool as every reader shows it: the window, the command line,
// a batch, the calculation sheet and a case's recalculation all turn input texts
// into one record here, and only read what it decided.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/description/tool_description.h"
#include "core/numeric/numeric.h"

namespace vapentis {

// Why a press gave no answer to stand on: decided once, here.
struct Failed {
  // "NotANumber", "DivisionByZero", "Overflow", "InvalidArgument" (KindName's),
  // kMissingChoiceKind, kNotInListKind or kOutOfRangeKind.
  std::string_view kind;
  // The kind in words, then what the value did, each a sentence: "计算中除数为零。",
  // "泵的效率为零，无法计算轴功率。".
  std::vector<std::string> sentences;
  // The input to blame, whose box the window points at; nullptr when none is.
  const InputDescription* culprit = nullptr;

  // The sentences one after another, as a record's "message".
  std::string message() const;
  // The key of the input to blame; empty when none is.
  std::string_view culprit_key() const {
    return culprit != nullptr ? culprit->key : std::string_view{};
  }
};

// The failure as the user reads it: the sentences, `line_break` between them, ended
// by a full stop, and where an input is to blame, "请检查输入框“<caption>”。" after.
std::string FailureText(const Failed& failed, std::string_view line_break);

struct Presented {
  // Inputs outside their valid range, or outside where their figures hold.
  std::vector<std::string> warnings;
  // The figures and lines; none when nothing could be calculated.
  std::optional<ToolOutcome> outcome;
  // Why the press did not succeed; none when it did. A list text not in the list
  // fails with its lines still standing, without values.
  std::optional<Failed> failure;

  bool Succeeded() const { return !failure; }
};

Presented Present(const InputTexts& texts, char decimal_separator);

// The decision on a calculation's failure, blaming the tool's input it names.
Failed FailureOf(const ToolDescription& tool, const CalcFailure& failure);
Failed FailureOf(const ToolDescription& tool, const RefusedValue& refused);

// Machine-readable names of the ways a press fails other than a CalcFailure
// (whose kinds KindName names).
inline constexpr std::string_view kMissingChoiceKind = "MissingChoice";
inline constexpr std::string_view kNotInListKind = "NotInList";
inline constexpr std::string_view kOutOfRangeKind = "OutOfRange";

}  // namespace vapentis
