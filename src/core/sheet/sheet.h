// The calculation sheet (计算书) as a value: a header, one section per request
// with its inputs, result lines, notes and basis, and the maker's footer. Built
// from input texts through the one presenter; SheetHtml and SheetText write it.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/description/presenter.h"
#include "core/description/tool_description.h"

namespace vapentis {

// What the caller fills in; each text may be empty and is printed as given.
struct SheetHeader {
  std::string project;  // 项目名称
  std::string client;   // 客户
  std::string author;   // 计算人
  std::string date;     // yyyy-MM-dd: the caller's today, so that building stays deterministic
};

// One row of an input table.
struct SheetRow {
  std::string key;
  std::string caption;  // the box's label, without the unit
  std::string value;    // as typed; a ticked choice as its caption
  std::string unit;
};

// What a tool, or the running cost under a sizing, puts on the sheet.
struct SheetPart {
  std::string title;
  std::vector<SheetRow> inputs;  // the inputs the calculation read, in the tool's order
  std::vector<Figure> figures;   // empty when it failed
  std::vector<std::string> lines;
  std::optional<Failed> failure;   // the presenter's, printed as FailureText(…, "")
  std::vector<std::string> notes;  // range warnings, then accuracy statements and remarks
  std::string basis;               // 计算依据
};

struct SheetSection : SheetPart {
  std::string tool;                       // the tool's name: "sizing"
  std::optional<SheetPart> running_cost;  // under a sizing that succeeded
};

struct SheetContact {
  std::string label;  // 网址, 电话, 传真, 邮箱
  std::string text;
};

struct Sheet {
  std::string title;
  SheetHeader header;
  std::string program;  // the program's name
  std::string version;  // the program's version: "2.0.0"
  std::vector<SheetSection> sections;
  std::string maker;
  std::vector<SheetContact> contacts;
  std::string remark;

  // Sections, counting a section whose running cost failed, that show a failure.
  std::size_t FailedSections() const;
};

// The sheet of these requests, in their order, each through the presenter; a
// sizing's section gets the running cost at `assumptions` (texts of
// RunningCostDescription()). A failing request shows its failure; the rest stand.
Sheet BuildSheet(const SheetHeader& header, std::span<const InputTexts> requests,
                 const InputTexts& assumptions, char decimal_separator);

// One self-contained HTML document, in what both browsers and Qt's rich text
// show: every text of the sheet is escaped here, and nowhere else.
std::string SheetHtml(const Sheet& sheet);

// Plain text whose tables are tab-separated, so that they paste into a
// spreadsheet as cells; lines end in "\n".
std::string SheetText(const Sheet& sheet);

// Words both writers print.
inline constexpr std::string_view kSheetTitle = "计算书";
inline constexpr std::string_view kProjectLabel = "项目名称";
inline constexpr std::string_view kClientLabel = "客户";
inline constexpr std::string_view kAuthorLabel = "计算人";
inline constexpr std::string_view kDateLabel = "日期";
inline constexpr std::string_view kProgramLabel = "计算程序";
inline constexpr std::string_view kInputLabel = "输入";
inline constexpr std::string_view kValueLabel = "数值";
inline constexpr std::string_view kUnitLabel = "单位";
inline constexpr std::string_view kResultsLabel = "计算结果";
inline constexpr std::string_view kFailureLabel = "计算失败";
inline constexpr std::string_view kNotesLabel = "说明";
inline constexpr std::string_view kBasisLabel = "计算依据";

}  // namespace vapentis
