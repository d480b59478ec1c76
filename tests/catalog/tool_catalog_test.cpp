// Checks that hold for every tool's description, so that a new tool or input
// is held to them without a test of its own.
#include "catalog/tool_catalog.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <vector>

#include "numeric/numeric.h"

namespace vapentis {
namespace {

// The texts a calculation is given when nothing was typed: the start texts,
// with the first choice where none is ticked at start.
std::vector<std::string> StartTexts(const ToolDescription& tool) {
  std::vector<std::string> texts;
  for (const InputDescription& input : tool.inputs) {
    const bool none_ticked = input.start_text.empty() && !input.choices.empty();
    texts.emplace_back(none_ticked ? input.choices.front().key : input.start_text);
  }
  return texts;
}

bool IsTyped(const InputDescription& input) { return input.choices.empty() && input.list.empty(); }

TEST(ToolCatalog, ListsTheSixToolsInMenuOrderAndFindsEachByName) {
  const std::vector<std::string> kNames = {"sizing", "steam",     "pipe",
                                           "pump",   "exchanger", "channel"};
  ASSERT_EQ(Tools().size(), kNames.size());
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    EXPECT_EQ(Tools()[i]->name, kNames[i]);
    EXPECT_EQ(FindTool(kNames[i]), Tools()[i]);
  }
  EXPECT_EQ(FindTool("Sizing"), nullptr);
  EXPECT_EQ(FindTool(""), nullptr);
}

TEST(ToolCatalog, EveryInputHasAUniqueKeyACaptionAndAUsableStartText) {
  for (const ToolDescription* tool : Tools()) {
    SCOPED_TRACE(tool->name);
    EXPECT_FALSE(tool->summary.empty());
    EXPECT_NE(tool->calculate, nullptr);
    std::set<std::string_view> keys;
    for (const auto inputs : {tool->inputs, tool->shown_only}) {
      for (const InputDescription& input : inputs) {
        SCOPED_TRACE(input.key);
        EXPECT_TRUE(keys.insert(input.key).second) << "key given twice";
        EXPECT_EQ(FindInput(*tool, input.key), &input);
        EXPECT_FALSE(input.caption.empty());
        EXPECT_FALSE(input.hint.empty());
        if (IsTyped(input)) {
          EXPECT_NO_THROW(ParseNumber(input.start_text));
        }
        if (!input.list.empty()) {
          EXPECT_EQ(std::string(input.list).substr(0, input.start_text.size()), input.start_text)
              << "the list starts on its first item";
        }
        if (!input.start_text.empty() && !input.choices.empty()) {
          EXPECT_NE(FindChoice(input, input.start_text), nullptr);
        }
        if (!input.read_when.input.empty()) {
          const InputDescription* chooser = FindInput(*tool, input.read_when.input);
          ASSERT_NE(chooser, nullptr);
          EXPECT_NE(FindChoice(*chooser, input.read_when.choice), nullptr);
        }
      }
    }
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

TEST(ToolCatalog, StartTextsGiveResultLines) {
  for (const ToolDescription* tool : Tools()) {
    SCOPED_TRACE(tool->name);
    const ToolOutcome outcome = tool->calculate(StartTexts(*tool), '.');
    EXPECT_FALSE(outcome.lines.empty());
    EXPECT_FALSE(outcome.figures.empty());
    EXPECT_TRUE(outcome.unmatched_input.empty());
  }
}

// A failed conversion names the input it came from by its key: the window
// blames that input's box, the command line its option.
TEST(ToolCatalog, ATextThatIsNoNumberIsBlamedOnItsInput) {
  for (const ToolDescription* tool : Tools()) {
    for (std::size_t i = 0; i < tool->inputs.size(); ++i) {
      const InputDescription& input = tool->inputs[i];
      if (!IsTyped(input)) continue;
      SCOPED_TRACE(std::string(tool->name) + " " + std::string(input.key));
      std::vector<std::string> texts = StartTexts(*tool);
      if (!input.read_when.input.empty()) {
        texts[InputIndex(*tool, input.read_when.input)] = input.read_when.choice;
      }
      texts[i] = "x";
      try {
        tool->calculate(texts, '.');
        ADD_FAILURE() << "no failure";
      } catch (const CalcFailure& failure) {
        EXPECT_EQ(failure.kind(), CalcFailure::Kind::NotANumber);
        EXPECT_EQ(failure.input(), input.key);
      }
    }
  }
}

}  // namespace
}  // namespace vapentis
