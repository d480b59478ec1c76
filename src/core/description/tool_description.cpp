#include "core/description/tool_description.h"

#include <algorithm>
#include <stdexcept>

#include "core/numeric/numeric.h"

namespace vapentis {

const InputDescription* FindInput(const ToolDescription& tool, std::string_view key) {
  for (const auto inputs : {tool.inputs, tool.shown_only}) {
    for (const InputDescription& input : inputs) {
      if (input.key == key) return &input;
    }
  }
  return nullptr;
}

const InputDescription* FindReadInput(const ToolDescription& tool, std::string_view key) {
  for (const InputDescription& input : tool.inputs) {
    if (input.key == key) return &input;
  }
  return nullptr;
}

void InputTexts::Reset(const ToolDescription& tool) {
  tool_ = &tool;
  texts_.resize(tool.inputs.size());
  for (std::string& text : texts_) text.clear();
}

std::size_t InputTexts::Index(std::string_view key) const {
  const std::span<const InputDescription> inputs = tool_->inputs;
  // The keys a calculation asks for are the description's own, so the same pointer is the quick
  // match.
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    if (inputs[i].key.data() == key.data() && inputs[i].key.size() == key.size()) return i;
  }
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    if (inputs[i].key == key) return i;
  }
  throw std::out_of_range("the tool " + std::string(tool_->name) + " reads no input " +
                          std::string(key));
}

std::string BracketedUnit(std::string_view unit, UnitInCaption brackets) {
  switch (brackets) {
    case UnitInCaption::FullWidthBrackets:
      return "（" + std::string(unit) + "）";
    case UnitInCaption::AsciiBrackets:
      return "(" + std::string(unit) + ")";
    case UnitInCaption::No:
      break;
  }
  return {};
}

std::string ListText(const InputDescription& input) {
  std::string text;
  for (const std::string_view item : input.list) {
    if (!text.empty()) text += ' ';
    text += item;
  }
  return text;
}

std::string Caption(const InputDescription& input) {
  return std::string(input.label) + BracketedUnit(input.unit, input.unit_in_caption);
}

const Choice* FindChoice(const InputDescription& input, std::string_view key) {
  for (const Choice& choice : input.choices) {
    if (choice.key == key) return &choice;
  }
  return nullptr;
}

namespace {

// Appends a clause after the separator, unless an earlier sentence ended on a
// full stop and the separator would only repeat it.
void AddClause(std::string& text, std::string_view clause, std::string_view separator) {
  constexpr std::string_view kFullStop = "。";
  if (!text.empty() && !(text.ends_with(kFullStop) && separator == "；")) text += separator;
  text += clause;
}

}  // namespace

std::string InputHint(const InputDescription& input, std::string_view separator) {
  std::string text(input.hint);
  if (!input.unit.empty()) AddClause(text, "单位：" + std::string(input.unit), separator);
  if (!input.accurate.empty()) AddClause(text, AccuracyStatement(input), separator);
  if (!input.valid.Unbounded()) {
    AddClause(text, "有效范围：" + RangeText(input.valid, input.unit), separator);
  }
  if (!input.usual.Unbounded()) {
    AddClause(text, "常见范围：" + RangeText(input.usual, input.unit), separator);
  }
  return text;
}

std::string AccuracyStatement(const InputDescription& input) {
  if (input.accurate.empty()) return {};
  return std::string(input.accuracy) + "的范围：" + RangeText(input.accurate, input.unit);
}

std::string RangeText(const Range& range, std::string_view unit) {
  const bool low = range.low != -std::numeric_limits<double>::infinity();
  const bool high = range.high != std::numeric_limits<double>::infinity();
  std::string text;
  if (range.low_open && low) {
    text = "大于" + NumberText(range.low);
    if (high) text += "且不超过" + NumberText(range.high);
  } else if (low && high) {
    text = NumberText(range.low) + "~" + NumberText(range.high);
  } else if (high) {
    text = "不超过" + NumberText(range.high);
  } else if (low) {
    text = "不低于" + NumberText(range.low);
  }
  return text + std::string(unit);
}

std::string RangeText(std::span<const Range> ranges, std::string_view unit) {
  std::string text;
  for (const Range& range : ranges) {
    if (!text.empty()) text += "、";
    text += RangeText(range, unit);
  }
  return text;
}

bool KeepsAccuracy(const InputDescription& input, double value) {
  return input.accurate.empty() ||
         std::any_of(input.accurate.begin(), input.accurate.end(),
                     [value](const Range& range) { return range.Contains(value); });
}

bool IsRead(const InputDescription& input, const InputTexts& texts) {
  return input.read_when.input.empty() || texts[input.read_when.input] == input.read_when.choice;
}

std::vector<std::string> RangeWarnings(const InputTexts& texts, char decimal_separator,
                                       std::string_view except) {
  std::vector<std::string> warnings;
  const std::span<const InputDescription> inputs = texts.tool().inputs;
  const std::span<const std::string> in_order = texts.InOrder();
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    const InputDescription& input = inputs[i];
    if (input.valid.Unbounded() && input.usual.Unbounded() && input.accurate.empty()) continue;
    if (!except.empty() && input.key == except) continue;
    if (!IsRead(input, texts)) continue;
    const std::string& text = in_order[i];
    // A text that is no number gives none: the calculation reports it.
    const ReadNumber read = TryParseNumber(text, decimal_separator);
    if (read.failure) continue;
    const double value = read.value;
    if (!input.valid.Contains(value)) {
      warnings.push_back(Caption(input) + "为" + text + "，超出有效范围（" +
                         RangeText(input.valid, input.unit) + "）：" +
                         std::string(input.valid_note));
    } else if (!input.usual.Contains(value)) {
      warnings.push_back(Caption(input) + "为" + text + "，超出常见范围（" +
                         RangeText(input.usual, input.unit) + "）：" +
                         std::string(input.usual_note));
    } else if (!KeepsAccuracy(input, value)) {
      warnings.push_back(Caption(input) + "为" + text + "，在" +
                         RangeText(input.accurate, input.unit) + "以外，" +
                         std::string(input.accuracy) + "已不能保证");
    }
  }
  return warnings;
}

}  // namespace vapentis
