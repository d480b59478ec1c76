// What a tool is to the window, the command line and the tests alike: its
// inputs in order, each with its key, caption, unit, start text, hint and
// ranges, and the calculation that turns their texts into figures and lines.
#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vapentis {

// Values from low to high, both included unless `low_open` leaves the low end
// out ("above zero"); an unbounded end is infinite.
struct Range {
  double low = -std::numeric_limits<double>::infinity();
  double high = std::numeric_limits<double>::infinity();
  bool low_open = false;

  constexpr bool Contains(double x) const { return (low_open ? x > low : x >= low) && x <= high; }
  constexpr bool Unbounded() const {
    return low == -std::numeric_limits<double>::infinity() &&
           high == std::numeric_limits<double>::infinity();
  }
};

// One of the fixed values of an input that is ticked rather than typed.
struct Choice {
  std::string_view key;      // the value on the command line: "pressure"
  std::string_view caption;  // the caption of its tick box or option button
};

// An input that is read only while another input holds one choice.
struct Condition {
  std::string_view input;   // key of the input with the choices; empty: always read
  std::string_view choice;  // key of the choice
};

// How a caption ends in its input's unit: in full-width brackets, in ASCII ones, or not at all.
enum class UnitInCaption { No, FullWidthBrackets, AsciiBrackets };

struct InputDescription {
  std::string_view key;    // the command-line name and the failure tag
  std::string_view label;  // the caption beside the window's box, without the unit
  std::string_view unit;   // the unit of the value, as the window writes it; empty if none
  UnitInCaption unit_in_caption = UnitInCaption::No;
  std::string_view start_text =
      {};                      // the box's text at start; for choices the key ticked, or empty
  std::string_view hint = {};  // what the value means, in a sentence
  Range valid = {};            // where the value makes physical sense
  std::string_view valid_note = {};  // why values outside `valid` make none, in a phrase
  // Where the value lies in the plants the tool serves; outside it the figures are
  // still right, and only a warning asks to check the value.
  Range usual = {};
  std::string_view usual_note = {};  // what lies outside `usual`, in a phrase
  // Where the figures keep the accuracy `accuracy` states: one or more stretches.
  std::span<const Range> accurate = {};
  std::string_view accuracy = {};               // what holds inside `accurate`, in a phrase
  std::span<const std::string_view> list = {};  // items of a drop-down list, in list order
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
  // The standard whose figures the tool shows beside its own, if it does; the
  // figures as its line shows them, none where the inputs lie outside its range.
  std::string_view reference_standard = {};
  std::vector<Figure> reference = {};
  // Set when the text of a list-only input matched nothing: the lines still
  // show, without values, and `notice` says which text it was.
  std::string_view unmatched_input = {};
  std::string notice = {};
};

class InputTexts;

struct ToolDescription {
  std::string_view name;          // the subcommand
  std::string_view menu_caption;  // the window's menu command
  std::string_view tab_caption;   // the caption of its tab
  std::string_view summary;       // what the tool gives, in a sentence
  std::string_view basis;         // what the figures come from, in a line (计算依据)
  // The tool whose menu command shows this tool's tab beside its own; empty for a
  // tool with a menu command of its own. Such a tab comes after help, so that the
  // tabs before it keep their places.
  std::string_view shown_beside = {};
  std::span<const InputDescription> inputs;
  // Boxes the window shows for reference that the calculation does not read.
  std::span<const InputDescription> shown_only = {};
  // The calculation of the texts of `inputs`. Throws CalcFailure.
  ToolOutcome (*calculate)(const InputTexts& texts, char decimal_separator) = nullptr;
};

// The texts of a tool's inputs, set and read by key, kept in the tool's order.
class InputTexts {
 public:
  InputTexts() = default;
  // Every input of the tool with an empty text.
  explicit InputTexts(const ToolDescription& tool) { Reset(tool); }

  // Empties every text, keeping the room the texts took, for another line of a batch.
  void Reset(const ToolDescription& tool);

  const ToolDescription& tool() const { return *tool_; }
  // The text of the input with this key; throws std::out_of_range if the tool has none.
  const std::string& operator[](std::string_view key) const { return texts_[Index(key)]; }
  std::string& operator[](std::string_view key) { return texts_[Index(key)]; }
  // The texts in the order of the tool's inputs.
  std::span<const std::string> InOrder() const { return texts_; }

 private:
  std::size_t Index(std::string_view key) const;

  const ToolDescription* tool_ = nullptr;
  std::vector<std::string> texts_;
};

// The caption beside the window's box: the label, and the unit where the caption carries it.
std::string Caption(const InputDescription& input);
// The items of a drop-down list, one blank between; empty for an input without one.
std::string ListText(const InputDescription& input);
// The unit in the brackets given, as a unit label or a caption shows it.
std::string BracketedUnit(std::string_view unit, UnitInCaption brackets);

// The names of a table's rows, in table order, as a drop-down list's items.
template <class Row, std::size_t N>
constexpr std::array<std::string_view, N> ListOf(const std::array<Row, N>& rows,
                                                 std::string_view Row::*name) {
  std::array<std::string_view, N> items{};
  for (std::size_t i = 0; i < N; ++i) items[i] = rows[i].*name;
  return items;
}

// The input with this key among the read and the shown ones; nullptr if none.
const InputDescription* FindInput(const ToolDescription& tool, std::string_view key);
// The read input with this key; nullptr if the tool reads none.
const InputDescription* FindReadInput(const ToolDescription& tool, std::string_view key);
// The choice with this key; nullptr if none.
const Choice* FindChoice(const InputDescription& input, std::string_view key);

// Meaning, unit and the ranges where the figures hold and where the value makes
// sense, as one help line ("；" between) or as a tooltip's lines ("\n").
std::string InputHint(const InputDescription& input, std::string_view separator = "；");
// The tooltip's clause on where the figures keep their accuracy: "密度和潜热与
// IAPWS-IF97相差不超过2%的范围：55~105℃、126~165℃"; empty for an input that states none.
std::string AccuracyStatement(const InputDescription& input);

// A range as the user reads it, with the unit: "45~120℃", "不超过373.946℃".
std::string RangeText(const Range& range, std::string_view unit);
// Several ranges, one after another: "55~105℃、126~165℃".
std::string RangeText(std::span<const Range> ranges, std::string_view unit);

// Whether the value lies where the input's figures keep their stated accuracy,
// or the input states none.
bool KeepsAccuracy(const InputDescription& input, double value);

// Whether the calculation reads this input, given the texts of all inputs.
bool IsRead(const InputDescription& input, const InputTexts& texts);

// One message for each read input whose number lies outside its valid range,
// or else outside its usual range, or else outside the range where its figures
// keep their accuracy. Texts that are no number give none: the calculation
// reports them.
// `except` names an input to pass over: one whose refusal says it all already.
std::vector<std::string> RangeWarnings(const InputTexts& texts, char decimal_separator = '.',
                                       std::string_view except = {});

}  // namespace vapentis
