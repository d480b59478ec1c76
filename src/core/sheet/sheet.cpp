#include "core/sheet/sheet.h"

#include <utility>

#include "core/catalog/maker_info.h"
#include "core/catalog/program_info.h"
#include "core/description/presenter.h"
#include "core/mvr/sizing_tool.h"
#include "core/numeric/numeric.h"
#include "core/sheet/running_cost.h"

namespace vapentis {

namespace {

// The inputs the calculation read, as typed; a ticked choice by its caption.
std::vector<SheetRow> InputRows(const InputTexts& texts) {
  std::vector<SheetRow> rows;
  for (const InputDescription& input : texts.tool().inputs) {
    if (!IsRead(input, texts)) continue;
    const std::string& text = texts[input.key];
    const Choice* choice = FindChoice(input, text);
    rows.push_back({std::string(input.key), std::string(input.label),
                    choice != nullptr ? std::string(choice->caption) : text,
                    std::string(input.unit)});
  }
  return rows;
}

// The range warnings, then where each input read keeps its stated accuracy.
std::vector<std::string> Notes(const InputTexts& texts, const Presented& presented) {
  std::vector<std::string> notes = presented.warnings;
  for (const InputDescription& input : texts.tool().inputs) {
    if (input.accurate.empty() || !IsRead(input, texts)) continue;
    notes.push_back(Caption(input) + "，" + AccuracyStatement(input));
  }
  return notes;
}

SheetPart RunningCostPart(const InputTexts& sizing_texts, const ToolOutcome& sizing,
                          const InputTexts& assumptions, char decimal_separator) {
  const ToolDescription& description = assumptions.tool();
  SheetPart part;
  part.title = description.menu_caption;
  part.inputs = InputRows(assumptions);
  part.notes.emplace_back(kRunningCostNote);
  part.basis = description.basis;
  try {
    ToolOutcome outcome = RunningCost(SizingBasisOf(sizing_texts, sizing, decimal_separator),
                                      assumptions, decimal_separator);
    part.figures = std::move(outcome.figures);
    part.lines = std::move(outcome.lines);
  } catch (const CalcFailure& failure) {
    part.failure = FailureOf(description, failure);
  } catch (const RefusedValue& refused) {
    part.failure = FailureOf(description, refused);
  }
  return part;
}

SheetSection Section(const InputTexts& texts, const InputTexts& assumptions,
                     char decimal_separator) {
  const ToolDescription& tool = texts.tool();
  SheetSection section;
  section.tool = tool.name;
  section.title = tool.menu_caption;
  section.inputs = InputRows(texts);
  section.basis = tool.basis;
  Presented presented = Present(texts, decimal_separator);
  section.notes = Notes(texts, presented);
  if (presented.failure) {
    // Where the window shows the labels without values, a sheet shows why there are none.
    section.failure = std::move(presented.failure);
  } else {
    ToolOutcome& outcome = *presented.outcome;
    if (&tool == &SizingTool()) {
      section.running_cost = RunningCostPart(texts, outcome, assumptions, decimal_separator);
    }
    section.figures = std::move(outcome.figures);
    section.lines = std::move(outcome.lines);
  }
  return section;
}

}  // namespace

std::size_t Sheet::FailedSections() const {
  std::size_t failed = 0;
  for (const SheetSection& section : sections) {
    if (section.failure || (section.running_cost && section.running_cost->failure)) ++failed;
  }
  return failed;
}

Sheet BuildSheet(const SheetHeader& header, std::span<const InputTexts> requests,
                 const InputTexts& assumptions, char decimal_separator) {
  Sheet sheet;
  sheet.title = kSheetTitle;
  sheet.header = header;
  sheet.program = program::kName;
  sheet.version = program::kVersion;
  for (const InputTexts& texts : requests) {
    sheet.sections.push_back(Section(texts, assumptions, decimal_separator));
  }
  sheet.maker = maker::kName;
  sheet.contacts = {
      {"网址", std::string(maker::kWebAddress)},
      {"电话", std::string(maker::kTelephone)},
      {"传真", std::string(maker::kFax)},
      {"邮箱", std::string(maker::kEmail)},
  };
  sheet.remark = "估算值，详细情况需要针对性设计";
  return sheet;
}

}  // namespace vapentis
