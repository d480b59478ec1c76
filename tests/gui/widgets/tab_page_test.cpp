// What TabPage refuses to build: a tool input that its table gives no control.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "core/catalog/tool_catalog.h"
#include "core/process/exchanger_tool.h"
#include "gui/tabs/tool_pages.h"
#include "gui/widgets/tab_page.h"

namespace vapentis {
namespace {

using enum ControlKind;

// The exchanger's three read inputs and its two boxes shown for reference.
struct Table {
  const char* name;
  std::vector<ControlRow> rows;
  bool built;
};

TEST(TabPage, RefusesATableThatLeavesAnInputWithoutABox) {
  const ControlRow area{Input, "A", {0, 0, 600, 300}, kAreaInput};
  const ControlRow diameter{Input, "B", {0, 400, 600, 300}, kTubeDiameterInput};
  const ControlRow length{Input, "C", {0, 800, 600, 300}, kTubeLengthInput};
  const ControlRow arrangement{List, "D", {0, 1200, 600, 300}, kArrangementInput};
  const ControlRow pitch{Input, "E", {0, 1600, 600, 300}, kPitchInput};
  const Table kTables[] = {
      {"every input has a box", {area, diameter, length, arrangement, pitch}, true},
      {"a read input has only its label",
       {area, diameter, {Label, "C", {0, 800, 600, 300}, kTubeLengthInput}, arrangement, pitch},
       false},
      {"a box shown for reference is missing", {area, diameter, length, arrangement}, false},
  };
  for (const Table& t : kTables) {
    SCOPED_TRACE(t.name);
    if (t.built) {
      EXPECT_NO_THROW(TabPage(&ExchangerTool(), t.rows));
    } else {
      EXPECT_THROW(TabPage(&ExchangerTool(), t.rows), std::logic_error);
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
