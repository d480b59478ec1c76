// Requests and sheets for the sheet's tests, from the descriptions' start texts.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/catalog/tool_catalog.h"
#include "core/sheet/running_cost.h"
#include "core/sheet/sheet.h"

namespace vapentis::testing {

using Given = std::initializer_list<std::pair<std::string_view, std::string_view>>;

// The texts of a press of `description` at its start texts (the first choice
// where none is ticked at start), with the given ones typed over them.
inline InputTexts TextsOf(const ToolDescription& description, Given given = {}) {
  InputTexts texts(description);
  for (const InputDescription& input : description.inputs) {
    const bool none_ticked = input.start_text.empty() && !input.choices.empty();
    texts[input.key] = none_ticked ? input.choices.front().key : input.start_text;
  }
  for (const auto& [key, text] : given) texts[key] = std::string(text);
  return texts;
}

inline InputTexts Request(std::string_view tool, Given given = {}) {
  const ToolDescription* description = FindTool(tool);
  if (description == nullptr) throw std::logic_error("no tool " + std::string(tool));
  return TextsOf(*description, given);
}

inline Sheet SheetOf(const std::vector<InputTexts>& requests, Given assumptions = {},
                     SheetHeader header = {"项目", "客户", "计算人", "2024-03-15"}) {
  return BuildSheet(header, requests, TextsOf(RunningCostDescription(), assumptions), '.');
}

}  // namespace vapentis::testing
