// Checks that hold for every tool's description, so that a new tool or input
// is held to them without a test of its own.
#include "core/catalog/tool_catalog.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <vector>

#include "core/description/presenter.h"
#include "core/numeric/numeric.h"
#include "failure_expectation.h"

namespace vapentis {
namespace {

// The texts a calculation is given when nothing was typed: the start texts,
// with the first choice where none is ticked at start.
InputTexts StartTexts(const ToolDescription& tool) {
  InputTexts texts(tool);
  for (const InputDescription& input : tool.inputs) {
    const bool none_ticked = input.start_text.empty() && !input.choices.empty();
    texts[input.key] = none_ticked ? input.choices.front().key : input.start_text;
  }
  return texts;
}

bool IsTyped(const InputDescription& input) { return input.choices.empty() && input.list.empty(); }

TEST(ToolCatalog, FindsEachToolByItsOwnNameAndNoneByAnother) {
  std::set<std::string_view> names;
  for (const ToolDescription* tool : Tools()) {
    SCOPED_TRACE(tool->name);
    EXPECT_TRUE(names.insert(tool->name).second) << "one name, one tool";
    EXPECT_EQ(FindTool(tool->name), tool);
  }
  EXPECT_EQ(FindTool("Sizing"), nullptr);
  EXPECT_EQ(FindTool(""), nullptr);
}

// A tab shown beside another's needs a tool with a menu command of its own to show it.
TEST(ToolCatalog, EveryToolShownBesideAnotherNamesOneWithItsOwnCommand) {
  for (const ToolDescription* tool : Tools()) {
    if (tool->shown_beside.empty()) continue;
    SCOPED_TRACE(tool->name);
    const ToolDescription* shower = FindTool(tool->shown_beside);
    ASSERT_NE(shower, nullptr);
    EXPECT_TRUE(shower->shown_beside.empty());
  }
}

TEST(ToolCatalog, EveryToolHasItsOwnMenuAndTabCaption) {
  std::set<std::string_view> captions;
  for (const ToolDescription* tool : Tools()) {
    SCOPED_TRACE(tool->name);
    EXPECT_FALSE(tool->summary.empty());
    EXPECT_FALSE(tool->basis.empty());
    EXPECT_NE(tool->calculate, nullptr);
    EXPECT_TRUE(captions.insert(tool->menu_caption).second);
    EXPECT_TRUE(captions.insert(tool->tab_caption).second);
  }
}

TEST(ToolCatalog, EveryInputHasAUniqueKeyACaptionAndAUsableStartText) {
  for (const ToolDescription* tool : Tools()) {
    SCOPED_TRACE(tool->name);
    std::set<std::string_view> keys;
    for (const auto inputs : {tool->inputs, tool->shown_only}) {
      for (const InputDescription& input : inputs) {
        SCOPED_TRACE(input.key);
        EXPECT_TRUE(keys.insert(input.key).second) << "key given twice";
        EXPECT_EQ(FindInput(*tool, input.key), &input);
        EXPECT_FALSE(input.label.empty());
        EXPECT_FALSE(input.hint.empty());
        // A unit the caption shows comes from `unit`, never from the label too.
        for (const UnitInCaption brackets :
             {UnitInCaption::FullWidthBrackets, UnitInCaption::AsciiBrackets}) {
          EXPECT_FALSE(!input.unit.empty() &&
                       input.label.ends_with(BracketedUnit(input.unit, brackets)));
        }
        if (input.unit_in_caption != UnitInCaption::No) {
          EXPECT_FALSE(input.unit.empty());
        }
        if (IsTyped(input)) {
          EXPECT_NO_THROW(ParseNumber(input.start_text));
        }
        if (!input.list.empty()) {
          EXPECT_EQ(input.start_text, input.list.front()) << "the list starts on its first item";
        }
        if (!input.start_text.empty() && !input.choices.empty()) {
          EXPECT_NE(FindChoice(input, input.start_text), nullptr);
        }
        if (!input.read_when.input.empty()) {
          const InputDescription* chooser = FindReadInput(*tool, input.read_when.input);
          ASSERT_NE(chooser, nullptr);
          EXPECT_NE(FindChoice(*chooser, input.read_when.choice), nullptr);
        }
      }
    }
  }
}

// A tab shown beside another's needs that tool's menu command to reach it.
TEST(ToolCatalog, AToolShownBesideAnotherNamesOneWithAMenuCommandOfItsOwn) {
  for (const ToolDescription* tool : Tools()) {
    if (tool->shown_beside.empty()) continue;
    SCOPED_TRACE(tool->name);
    const ToolDescription* host = FindTool(tool->shown_beside);
    ASSERT_NE(host, nullptr);
    EXPECT_NE(host, tool);
    EXPECT_TRUE(host->shown_beside.empty());
  }
}

// Where the figures hold lies where the value makes sense, one stretch after
// another, and what is promised there is said.
TEST(ToolCatalog, AccurateStretchesLieInOrderInsideTheValidRange) {
  for (const ToolDescription* tool : Tools()) {
    for (const InputDescription& input : tool->inputs) {
      SCOPED_TRACE(std::string(tool->name) + " " + std::string(input.key));
      EXPECT_EQ(input.accurate.empty(), input.accuracy.empty());
      EXPECT_EQ(input.valid.Unbounded(), input.valid_note.empty());
      double previous_high = -std::numeric_limits<double>::infinity();
      for (const Range& range : input.accurate) {
        EXPECT_LT(range.low, range.high);
        EXPECT_GT(range.low, previous_high);
        EXPECT_TRUE(input.valid.Contains(range.low) && input.valid.Contains(range.high));
        previous_high = range.high;
      }
    }
  }
}

TEST(ToolCatalog, StartTextsGiveResultLinesWithoutWarnings) {
  for (const ToolDescription* tool : Tools()) {
    SCOPED_TRACE(tool->name);
    const Presented presented = Present(StartTexts(*tool), '.');
    ASSERT_TRUE(presented.Succeeded());
    ASSERT_TRUE(presented.outcome.has_value());
    EXPECT_FALSE(presented.outcome->lines.empty());
    EXPECT_FALSE(presented.outcome->figures.empty());
    EXPECT_TRUE(presented.warnings.empty());
  }
}

// A failed conversion names the input it came from by its key: the window
// blames that input's box, the command line its option.
TEST(ToolCatalog, ATextThatIsNoNumberIsBlamedOnItsInput) {
  for (const ToolDescription* tool : Tools()) {
    for (const InputDescription& input : tool->inputs) {
      if (!IsTyped(input)) continue;
      InputTexts texts = StartTexts(*tool);
      if (!input.read_when.input.empty()) texts[input.read_when.input] = input.read_when.choice;
      texts[input.key] = "x";
      testing::ExpectFailure(
          std::string(tool->name) + " " + std::string(input.key),
          [&] { tool->calculate(texts, '.'); }, CalcFailure::Kind::NotANumber, input.key);
    }
  }
}

}  // namespace
}  // namespace vapentis
