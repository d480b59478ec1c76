#include "cli/help_format.h"

#include <gtest/gtest.h>

#include <cstring>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/tools.h"
#include "cli_test_support.h"
#include "core/catalog/tool_catalog.h"

namespace vapentis::cli {
namespace {

struct WidthCase {
  const char* text;
  std::size_t width;
};

TEST(DisplayWidth, CountsWideAndFullwidthCharactersTwice) {
  const WidthCase kCases[] = {
      {"", 0},
      {"--feed", 6},
      {"值", 2},
      {"值=蒸发结晶", 11},
      {"（吨/小时）", 11},          // FF08 and FF09 are fullwidth
      {"、。「」", 8},              // CJK punctuation
      {"\u3000", 2},                // ideographic space
      {"\u303F", 1},                // half fill space: narrow, though in the CJK punctuation block
      {"１２．５", 8},              // fullwidth digits and full stop
      {"\uFF61\uFF76\uFF9F", 3},    // halfwidth forms
      {"￥￡", 4},                  // FFE5, FFE1
      {"\uFFE8", 1},                // halfwidth forms light vertical
      {"한글", 4},                  // Hangul syllables
      {"\u1100", 2},                // Hangul Jamo initial
      {"かなカナ", 8},              // kana
      {"℃“”…é", 5},                 // ambiguous and Latin: one column
      {"\U00020000\U0002A6DF", 4},  // CJK extension B
      {"\U0001F600", 2},            // emoji
      {"\xFF", 1},                  // not UTF-8
      {"\xE5\x80", 2},              // truncated sequence
      {"\xC0\xAF", 2},              // overlong
      {"\xED\xA0\x80", 3},          // surrogate
      {"\xF4\x90\x80\x80", 4},      // beyond U+10FFFF
      {"a\xE5\x80值", 5},           // valid again after a broken sequence
  };
  for (const WidthCase& c : kCases) EXPECT_EQ(DisplayWidth(c.text), c.width) << c.text;
}

struct EntryCase {
  const char* name;
  const char* entry;
  const char* description;
  std::size_t column;
  const char* expected;
};

TEST(HelpEntry, PadsTheNameToTheColumnByDisplayWidth) {
  const EntryCase kCases[] = {
      {"ASCII", "--feed 值=10", "原液浓度", 20, "  --feed 值=10      原液浓度\n"},
      {"wide name", "--application 值=蒸发结晶", "用途", 32,
       "  --application 值=蒸发结晶     用途\n"},
      {"name one short of the column", "值值值", "说明", 9, "  值值值 说明\n"},
      {"name reaching the column", "值值值", "说明", 8, "  值值值\n        说明\n"},
      {"further lines", "--mode", "第一行\n第二行\n第三行", 10,
       "  --mode  第一行\n          第二行\n          第三行\n"},
      {"further lines after a long name", "--long-option-name", "第一行\n第二行", 8,
       "  --long-option-name\n        第一行\n        第二行\n"},
      {"description ending its line", "-h", "帮助\n", 6, "  -h  帮助\n"},
      {"no description", "--json", "", 10, "  --json\n"},
  };
  for (const EntryCase& c : kCases) {
    EXPECT_EQ(HelpEntry(c.entry, c.description, c.column), c.expected) << c.name;
  }
}

// The display columns where descriptions start in the lists of a help text:
// one for each entry line and each line that goes on with a description. An
// entry is a name (a subcommand or an option), with its value ("值=5") if it
// takes one, then the description.
std::vector<std::size_t> DescriptionColumns(const std::string& help) {
  std::vector<std::size_t> columns;
  bool in_list = false;
  bool description_follows = false;
  for (const std::string& line : SplitLines(help)) {
    if (line.empty()) {
      in_list = false;
      continue;
    }
    if (!in_list) {
      in_list = line.back() == ':' && line.front() != ' ';
      continue;
    }
    const std::size_t indent = line.find_first_not_of(' ');
    if (indent > 2 || description_follows) {
      EXPECT_GT(indent, 2U) << "no description after the entry before: " << line;
      columns.push_back(indent);
      description_follows = false;
      continue;
    }
    // The entry: the names, then the value's type (值, 格式, …) with its default, if any.
    std::size_t name_end = line.find(' ', 2);
    for (const char* type : {"值", "格式", "文字", "日期", "文件"}) {
      if (name_end != std::string::npos &&
          line.compare(name_end + 1, std::strlen(type), type) == 0) {
        name_end = line.find(' ', name_end + 1);
      }
    }
    const std::size_t description = line.find_first_not_of(' ', name_end);
    if (description == std::string::npos) {
      description_follows = true;
      continue;
    }
    columns.push_back(DisplayWidth(line.substr(0, description)));
  }
  EXPECT_FALSE(description_follows) << help;
  return columns;
}

// The names listed under "子命令:" in the program's help.
std::vector<std::string> ListedSubcommands() {
  std::vector<std::string> names;
  bool in_list = false;
  for (const std::string& line : SplitLines(RunWith({"--help"}).out)) {
    if (line == "子命令:") {
      in_list = true;
    } else if (line.empty()) {
      in_list = false;
    } else if (in_list && line.rfind("  ", 0) == 0 && line[2] != ' ') {
      names.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
  }
  return names;
}

// A Chinese character takes two columns in a terminal: every description of every
// list starts in one column, whatever the names before it hold.
TEST(Help, DescriptionsOfEveryListStartInOneDisplayColumn) {
  const std::vector<std::string> subcommands = ListedSubcommands();
  for (const ToolDescription* tool : Tools()) {
    EXPECT_NE(std::find(subcommands.begin(), subcommands.end(), tool->name), subcommands.end())
        << tool->name;
  }
  const std::size_t column = DescriptionColumns(RunWith({"--help"}).out).at(0);
  std::vector<std::vector<std::string>> runs = {{"--help"}};
  for (const std::string& name : subcommands) runs.push_back({name, "--help"});
  for (const std::vector<std::string>& args : runs) {
    const Outcome run = RunWith(args);
    SCOPED_TRACE(args.front());
    EXPECT_EQ(run.code, kExitSuccess);
    const std::vector<std::size_t> columns = DescriptionColumns(run.out);
    EXPECT_FALSE(columns.empty()) << run.out;
    for (std::size_t found : columns) EXPECT_EQ(found, column) << run.out;
  }
}

}  // namespace
}  // namespace vapentis::cli
