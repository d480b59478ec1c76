// The case file (算例): every tool's input texts, the sheet's header and prices,
// which tool was pressed and which tab is shown, kept as UTF-8 JSON so that a
// quote can be saved and opened again. One reader and one writer, here.
//
// kCaseVersion is raised whenever a tool or an input is added to the catalog: an
// older program then refuses the file as newer instead of as unknown.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/description/tool_description.h"

namespace vapentis {

inline constexpr std::string_view kCaseFormat = "vapentis-case";
inline constexpr int kCaseVersion = 1;
inline constexpr std::string_view kCaseExtension = ".vapentis";
// The longest text of a box, in characters (code points).
inline constexpr std::size_t kMaxCaseTextCharacters = 10'000;
// A larger file is refused unread.
inline constexpr std::size_t kMaxCaseFileBytes = std::size_t{8} << 20U;
// `shown` when the help tab is current; an empty `shown` means the tabs are hidden.
inline constexpr std::string_view kCaseHelpShown = "help";

struct CaseHeader {
  std::string project;  // 项目名称
  std::string client;   // 客户
  std::string author;   // 计算人
};

// One tool's boxes as they stand.
struct CaseTool {
  const ToolDescription* tool = nullptr;
  // One text per input: the read ones (`tool->inputs`), then those shown only for
  // reference (`tool->shown_only`), in the description's order. A choice holds its
  // key, or is empty when none is ticked.
  std::vector<std::string> texts;
  // The last press succeeded and no box has been edited since; the window decides.
  bool calculated = false;

  // The text of the input with this key, read or shown only; throws
  // std::out_of_range if the tool has none.
  const std::string& operator[](std::string_view key) const;
  std::string& operator[](std::string_view key);
  // The texts the calculation reads, for Present.
  InputTexts Request() const;
};

struct Case {
  CaseHeader header;
  InputTexts running_cost;      // texts of RunningCostDescription()
  std::vector<CaseTool> tools;  // in the file's order; read cases hold every catalog tool
  std::string shown;            // a tool's name, kCaseHelpShown, or empty
};

struct CaseRefusal {
  std::string reason;  // Chinese sentences, ending in "。", that name where the file is wrong
};

// The tool with every box at its start text, not calculated.
CaseTool StartTool(const ToolDescription& tool);
// Every tool of the catalog at its start texts, in catalog order, the header
// empty, the prices at their start texts, nothing calculated and no tab shown.
Case StartCase();

// The case in `bytes`, read whole, or the reason it is refused whole. Tools the
// file leaves out follow those it holds, at their start texts, as do inputs,
// header texts and prices left out.
std::variant<Case, CaseRefusal> ReadCase(std::string_view bytes);

// The file of this case, `saved` (ISO 8601 with offset) as the time it is saved.
// Throws std::invalid_argument, its what() a Chinese reason, where the case holds
// what ReadCase would refuse: a text over the limit or not UTF-8, a choice that is
// none of its keys, a tool not of the catalog or twice, or an unknown `shown`.
std::string WriteCase(const Case& c, std::string_view saved);

// "无法打开算例“<file_name>”：<reason>", ended by a full stop.
std::string CaseRefusalMessage(std::string_view file_name, std::string_view reason);

}  // namespace vapentis
