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

std::string InputHint(const InputDescription& input) {
  std::string text(input.hint);
  if (!input.unit.empty()) {
    text += text.empty() ? "" : "；";
    text += "单位：";
    text += input.unit;
  }
  if (!input.accurate.Unbounded()) {
    text += text.empty() ? "" : "；";
    text += input.accuracy;
    text += "：";
    text += NumberText(input.accurate.low);
    text += "~";
    text += NumberText(input.accurate.high);
    text += input.unit;
  }
  return text;
}

}  // namespace vapentis
