#include "description/tool_description.h"

#include "numeric/numeric.h"

namespace vapentis {

const InputDescription* FindInput(const ToolDescription& tool, std::string_view key) {
  for (const auto inputs : {tool.inputs, tool.shown_only}) {
    for (const InputDescription& input : inputs) {
      if (input.key == key) return &input;
    }
  }
  return nullptr;
}

std::size_t InputIndex(const ToolDescription& tool, std::string_view key) {
  std::size_t i = 0;
  while (i < tool.inputs.size() && tool.inputs[i].key != key) ++i;
  return i;
}

const Choice* FindChoice(const InputDescription& input, std::string_view key) {
  for (const Choice& choice : input.choices) {
    if (choice.key == key) return &choice;
  }
  return nullptr;
}

namespace {

// Appends a clause, with "；" after an earlier one unless it closed a sentence.
void AddClause(std::string& text, std::string_view clause) {
  constexpr std::string_view kFullStop = "。";
  if (!text.empty() && !text.ends_with(kFullStop)) text += "；";
  text += clause;
}

}  // namespace

std::string InputHint(const InputDescription& input) {
  std::string text(input.hint);
  if (!input.unit.empty()) AddClause(text, "单位：" + std::string(input.unit));
  if (!input.accurate.Unbounded()) {
    AddClause(text,
              std::string(input.accuracy) + "的范围：" + RangeText(input.accurate, input.unit));
  }
  if (!input.valid.Unbounded()) {
    AddClause(text, "有效范围：" + RangeText(input.valid, input.unit));
  }
  return text;
}

std::string RangeText(const Range& range, std::string_view unit) {
  const bool low = range.low != -std::numeric_limits<double>::infinity();
  const bool high = range.high != std::numeric_limits<double>::infinity();
  std::string text;
  if (low && high) {
    text = NumberText(range.low) + "~" + NumberText(range.high);
  } else if (high) {
    text = "不超过" + NumberText(range.high);
  } else if (low) {
    text = "不低于" + NumberText(range.low);
  }
  return text + std::string(unit);
}

bool IsRead(const ToolDescription& tool, const InputDescription& input,
            std::span<const std::string> texts) {
  if (input.read_when.input.empty()) return true;
  const std::size_t chooser = InputIndex(tool, input.read_when.input);
  return chooser < texts.size() && texts[chooser] == input.read_when.choice;
}

std::vector<std::string> RangeWarnings(const ToolDescription& tool,
                                       std::span<const std::string> texts, char decimal_separator) {
  std::vector<std::string> warnings;
  for (std::size_t i = 0; i < tool.inputs.size() && i < texts.size(); ++i) {
    const InputDescription& input = tool.inputs[i];
    if (input.valid.Unbounded() && input.accurate.Unbounded()) continue;
    if (!IsRead(tool, input, texts)) continue;
    double value = 0;
    try {
      value = ParseNumber(texts[i], decimal_separator);
    } catch (const CalcFailure&) {
      continue;
    }
    const std::string given = std::string(input.caption) + "为" + texts[i] + "，";
    if (!input.valid.Contains(value)) {
      warnings.push_back(given + "超出有效范围（" + RangeText(input.valid, input.unit) + "）：" +
                         std::string(input.valid_note));
    } else if (!input.accurate.Contains(value)) {
      warnings.push_back(given + "在" + RangeText(input.accurate, input.unit) + "以外，" +
                         std::string(input.accuracy) + "已不能保证");
    }
  }
  return warnings;
}

}  // namespace vapentis
