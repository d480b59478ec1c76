// What TabPage refuses to build: a tool input that its table gives no control.
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

#include "core/catalog/tool_catalog.h"
#include "gui/tabs/tool_pages.h"
#include "gui/widgets/tab_page.h"

namespace vapentis {
namespace {

using enum ControlKind;

ToolOutcome NoOutcome(const InputTexts& /*texts*/, char /*decimal_separator*/) { return {}; }

constexpr std::array kRead = {
    InputDescription{.key = "flow", .label = "流量", .unit = "", .start_text = "1"},
    InputDescription{.key = "head", .label = "扬程", .unit = "", .start_text = "2"},
};
constexpr std::array kShown = {InputDescription{.key = "pitch", .label = "管中心距", .unit = ""}};

constexpr ToolDescription kTool{
    .name = "two",
    .menu_caption = "两个输入",
    .tab_caption = "两个输入",
    .summary = "两个输入和一个参考值",
    .basis = "无",
    .inputs = kRead,
    .shown_only = kShown,
    .calculate = NoOutcome,
};

struct Table {
  const char* name;
  std::vector<ControlRow> rows;
  bool built;
};

TEST(TabPage, RefusesATableThatLeavesAnInputWithoutABox) {
  const Table kTables[] = {
      {"every input has a box",
       {{Input, "A", {0, 0, 600, 300}, "flow"},
        {Input, "B", {0, 400, 600, 300}, "head"},
        {Input, "C", {0, 800, 600, 300}, "pitch"}},
       true},
      {"a read input has only its label",
       {{Input, "A", {0, 0, 600, 300}, "flow"},
        {Label, "B", {0, 400, 600, 300}, "head"},
        {Input, "C", {0, 800, 600, 300}, "pitch"}},
       false},
      {"a box shown for reference is missing",
       {{Input, "A", {0, 0, 600, 300}, "flow"}, {Input, "B", {0, 400, 600, 300}, "head"}},
       false},
  };
  for (const Table& t : kTables) {
    SCOPED_TRACE(t.name);
    if (t.built) {
      EXPECT_NO_THROW(TabPage(&kTool, t.rows));
    } else {
      EXPECT_THROW(TabPage(&kTool, t.rows), std::logic_error);
    }
  }
}

TEST(TabPage, EveryToolOfTheCatalogHasABoxForEachOfItsInputs) {
  for (const ToolDescription* tool : Tools()) {
    SCOPED_TRACE(tool->name);
    EXPECT_NO_THROW(MakePage(*tool));
  }
}

}  // namespace
}  // namespace vapentis
