// What a tool is to the window, the command line and the tests alike: its
// inputs in order, each with its key, caption, unit, start text, hint and
// ranges, and the calculation that turns their texts into figures and lines.
#pragma once

#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vapentis {

// Values from low to high, both included; an open end is infinite.
struct Range {
  double low = -std::numeric_limits<double>::infinity();
  double high = std::numeric_limits<double>::infinity();

  constexpr bool Contains(double x) const { return x >= low && x <= high; }
  constexpr bool Unbounded() const {
    return low == -std::numeric_limits<double>::infinity() &&
           high == std::numeric_limits<double>::infinity();
  }
};

// One of the fixed values of an input that is ticked rather than typed.
struct Choice {
  std::string_view key;      // the value on the command line: "pressure"
  std::string_view caption;  // the window's caption of its box: "以压力为准"
};

// An input that is read only while another input holds one choice.
struct Condition {
  std::string_view input;   // key of the input with the choices; empty: always read
  std::string_view choice;  // key of the choice
};

struct InputDescription {
  std::string_view key;         // the command-line name and the failure tag
  std::string_view caption;     // the label beside the window's box
  std::string_view unit;        // the unit of the value, as the window writes it; empty if none
  std::string_view start_text;  // the box's text at start; for choices the key ticked, or empty
  std::string_view hint = {};   // what the value means, in a sentence
  Range valid = {};             // where the value makes physical sense
  std::string_view valid_note = {};      // why values outside `valid` make none, in a phrase
  Range accurate = {};                   // where the figures keep the accuracy `accuracy` states
  std::string_view accuracy = {};        // what holds inside `accurate`, in a phrase
  std::string_view list = {};            // items of a drop-down list, one blank between
  bool list_only = false;                // the list's items are the only texts the tool knows
  std::span<const Choice> choices = {};  // the only values; empty: any text
  bool choice_required = false;          // the window needs one ticked to calculate
  Condition read_when = {};
};

// One figure of a result, its unit in its name ("power_kw").
struct Figure {
  std::string_view name;
  double value;
};

struct ToolOutcome {
  std::vector<Figure> figures;
  std::vector<std::string> lines;  // the result box's lines
  // Set when the text of a list-only input matched nothing: the lines still
  // show, without values, and `notice` says which text it was.
  std::string_view unmatched_input = {};
  std::string notice = {};
};

struct ToolDescription {
  std::string_view name;     // the subcommand
  std::string_view summary;  // what the tool gives, in a sentence
  std::span<const InputDescription> inputs;
  // Boxes the window shows for reference that the calculation does not read.
  std::span<const InputDescription> shown_only = {};
  // The calculation, given the texts in the order of `inputs`. Throws CalcFailure.
  ToolOutcome (*calculate)(std::span<const std::string> texts, char decimal_separator) = nullptr;
};

// The input with this key among the read and the shown ones; nullptr if none.
const InputDescription* FindInput(const ToolDescription& tool, std::string_view key);
// Position of the read input with this key in `inputs`; inputs.size() if none.
std::size_t InputIndex(const ToolDescription& tool, std::string_view key);
// The choice with this key; nullptr if none.
const Choice* FindChoice(const InputDescription& input, std::string_view key);

// Meaning, unit and the range where the figures hold, for a tooltip or a help line.
std::string InputHint(const InputDescription& input);

// A range as the user reads it, with the unit: "45~120℃", "不超过373.946℃".
std::string RangeText(const Range& range, std::string_view unit);

// Whether the calculation reads this input, given the texts of all inputs.
bool IsRead(const ToolDescription& tool, const InputDescription& input,
            std::span<const std::string> texts);

// One message for each read input whose number lies outside its valid range,
// or else outside the range where its figures keep their accuracy. Texts that
// are no number give none: the calculation reports them.
std::vector<std::string> RangeWarnings(const ToolDescription& tool,
                                       std::span<const std::string> texts,
                                       char decimal_separator = '.');

}  // namespace vapentis
