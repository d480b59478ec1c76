// What every reader of a description relies on: ranges and hints in words,
// captions with their units, texts by key, the warnings, and one press as data.
#include "core/description/tool_description.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/description/presenter.h"
#include "core/numeric/numeric.h"

namespace vapentis {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(RangeText, WritesEachKindOfRangeWithItsUnit) {
  struct Case {
    const char* name;
    Range range;
    const char* unit;
    const char* expected;
  };
  const Case kCases[] = {
      {"both ends", {45, 120}, "℃", "45~120℃"},
      {"upper end only", {-kInf, 373.946}, "℃", "不超过373.946℃"},
      {"lower end only", {0}, "kg/h", "不低于0kg/h"},
      {"no unit", {0, 1}, "", "0~1"},
      {"no end", {}, "m", "m"},
      {"fifteen digits at most", {0.1 + 0.2, 1}, "", "0.3~1"},
      {"above the lower end", {.low = 0, .low_open = true}, "K", "大于0K"},
      {"above the lower end, up to the upper",
       {.low = 0, .high = 1, .low_open = true},
       "",
       "大于0且不超过1"},
  };
  for (const Case& c : kCases) EXPECT_EQ(RangeText(c.range, c.unit), c.expected) << c.name;
}

TEST(Range, LeavesOutAnOpenLowerEndAndKeepsAClosedOne) {
  constexpr Range kAboveZero{.low = 0, .high = 1, .low_open = true};
  constexpr Range kFromZero{0, 1};
  EXPECT_FALSE(kAboveZero.Contains(0));
  EXPECT_TRUE(kAboveZero.Contains(4.9e-324));
  EXPECT_TRUE(kAboveZero.Contains(1));
  EXPECT_TRUE(kFromZero.Contains(0));
  EXPECT_FALSE(kAboveZero.Unbounded());
}

TEST(RangeText, JoinsSeveralStretchesWithAnEnumerationComma) {
  const std::array stretches = {Range{55, 105}, Range{126, 165}};
  EXPECT_EQ(RangeText(stretches, "℃"), "55~105℃、126~165℃");
  EXPECT_EQ(RangeText(std::span<const Range>{}, "℃"), "");
}

constexpr std::array kAccurate = {Range{55, 105}, Range{126, 165}};
constexpr std::array kChoices = {Choice{"a", "甲方式"}, Choice{"b", "乙方式"}};

constexpr std::array kInputs = {
    InputDescription{
        .key = "mode",
        .label = "方式",
        .unit = "",
        .start_text = "a",
        .hint = "选一种",
        .choices = kChoices,
        .choice_required = true,
    },
    InputDescription{
        .key = "temperature",
        .label = "温度",
        .unit = "℃",
        .unit_in_caption = UnitInCaption::FullWidthBrackets,
        .start_text = "100",
        .hint = "蒸汽的温度。",
        .valid = {0.01, 373.946},
        .valid_note = "只在三相点与临界点之间存在",
        .accurate = kAccurate,
        .accuracy = "相差不超过2%",
        .read_when = {"mode", "a"},
    },
    InputDescription{
        .key = "pressure",
        .label = "压力",
        .unit = "MPa",
        .unit_in_caption = UnitInCaption::AsciiBrackets,
        .start_text = "1",
        .hint = "绝对压力",
        .valid = {0},
        .valid_note = "压力不能为负",
        .usual = {0.5, 5},
        .usual_note = "多在0.5~5MPa之间",
        .read_when = {"mode", "b"},
    },
    InputDescription{.key = "count", .label = "数量", .unit = "条", .start_text = "1"},
};

// Fails like a calculation: no number in `count`, a zero divisor there; lines otherwise.
ToolOutcome Calculate(const InputTexts& in, char decimal_separator) {
  const double count = ParseInput(in["count"], "count", decimal_separator);
  Checked c;
  const double inverse = c.div(1, count);
  c.check({"count", "数量为零"});
  return {{{"inverse", inverse}}, {"倒数=" + NumberText(inverse, decimal_separator)}};
}

constexpr ToolDescription kTool{
    .name = "test",
    .menu_caption = "测试",
    .tab_caption = "测",
    .summary = "测试用",
    .basis = "测试公式",
    .inputs = kInputs,
    .calculate = Calculate,
};

TEST(Caption, CarriesTheUnitInTheBracketsTheInputAsksFor) {
  EXPECT_EQ(Caption(kInputs[0]), "方式");
  EXPECT_EQ(Caption(kInputs[1]), "温度（℃）");
  EXPECT_EQ(Caption(kInputs[2]), "压力(MPa)");
  EXPECT_EQ(Caption(kInputs[3]), "数量");
  EXPECT_EQ(BracketedUnit("吨/小时", UnitInCaption::FullWidthBrackets), "（吨/小时）");
}

TEST(InputHint, SaysMeaningUnitAccuracyAndValidRangeOneClauseEach) {
  EXPECT_EQ(InputHint(kInputs[1]),
            "蒸汽的温度。单位：℃；相差不超过2%的范围：55~105℃、126~165℃；"
            "有效范围：0.01~373.946℃");
  EXPECT_EQ(InputHint(kInputs[1], "\n"),
            "蒸汽的温度。\n单位：℃\n相差不超过2%的范围：55~105℃、126~165℃\n"
            "有效范围：0.01~373.946℃");
  EXPECT_EQ(InputHint(kInputs[2]), "绝对压力；单位：MPa；有效范围：不低于0MPa；常见范围：0.5~5MPa");
  EXPECT_EQ(InputHint(kInputs[0]), "选一种");
}

TEST(InputTexts, ReadsAndWritesByKeyInTheToolsOrder) {
  InputTexts texts(kTool);
  texts["count"] = "3";
  texts["mode"] = "b";
  EXPECT_EQ(texts["count"], "3");
  const std::vector<std::string> in_order(texts.InOrder().begin(), texts.InOrder().end());
  EXPECT_EQ(in_order, (std::vector<std::string>{"b", "", "", "3"}));
  EXPECT_THROW(texts["no such input"], std::out_of_range);
  texts.Reset(kTool);
  EXPECT_EQ(texts["count"], "");
}

TEST(RangeWarnings, NameEachReadInputOutsideItsValidOrAccurateRange) {
  struct Case {
    const char* name;
    const char* mode;
    const char* temperature;
    const char* pressure;
    std::vector<std::string> expected;
  };
  const Case kCases[] = {
      {"inside both", "a", "100", "-5", {}},
      {"between two stretches",
       "a",
       "120",
       "1",
       {"温度（℃）为120，在55~105℃、126~165℃以外，相差不超过2%已不能保证"}},
      {"outside the valid range, said once",
       "a",
       "400",
       "1",
       {"温度（℃）为400，超出有效范围（0.01~373.946℃）：只在三相点与临界点之间存在"}},
      {"the unread input is not looked at", "b", "400", "1", {}},
      {"the read one is",
       "b",
       "400",
       "-1",
       {"压力(MPa)为-1，超出有效范围（不低于0MPa）：压力不能为负"}},
      {"outside the usual range, inside the valid one",
       "b",
       "400",
       "20",
       {"压力(MPa)为20，超出常见范围（0.5~5MPa）：多在0.5~5MPa之间"}},
      {"no number gives no warning", "a", "abc", "1", {}},
      {"a number beyond the double range gives none either", "a", "-1e400", "1", {}},
      {"full-width digits are read",
       "a",
       "４００",
       "1",
       {"温度（℃）为４００，超出有效范围（0.01~373.946℃）：只在三相点与临界点之间存在"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    InputTexts texts(kTool);
    texts["mode"] = c.mode;
    texts["temperature"] = c.temperature;
    texts["pressure"] = c.pressure;
    texts["count"] = "1";
    EXPECT_EQ(RangeWarnings(texts), c.expected);
  }
}

TEST(RangeWarnings, ReadTheNumbersWithTheGivenSeparator) {
  InputTexts texts(kTool);
  texts["mode"] = "a";
  texts["temperature"] = "120,5";
  EXPECT_EQ(RangeWarnings(texts, ',').size(), 1u);
  EXPECT_TRUE(RangeWarnings(texts, '.').empty()) << "120,5 is no number with a point";
}

TEST(Present, GivesTheRecordOfOnePress) {
  struct Case {
    const char* name;
    const char* mode;
    const char* temperature;
    const char* count;
    const char* unchosen;  // nullptr: a choice was made
    bool failed;
    const char* line;  // the first line, when calculated
    std::size_t warnings;
  };
  const Case kCases[] = {
      {"calculated", "a", "100", "4", nullptr, false, "倒数=0.25", 0},
      {"calculated with a warning", "a", "20", "2", nullptr, false, "倒数=0.5", 1},
      {"failed, warnings kept", "a", "20", "0", nullptr, true, nullptr, 1},
      {"no choice, nothing read", "", "x", "x", "请选择“甲方式”或“乙方式”。", false, nullptr, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    InputTexts texts(kTool);
    texts["mode"] = c.mode;
    texts["temperature"] = c.temperature;
    texts["count"] = c.count;
    const Presented presented = Present(texts, '.');
    EXPECT_EQ(presented.failure.has_value(), c.failed || c.unchosen != nullptr);
    if (c.unchosen != nullptr) {
      EXPECT_EQ(presented.failure->kind, kMissingChoiceKind);
      EXPECT_EQ(presented.failure->message(), c.unchosen);
      EXPECT_EQ(presented.failure->culprit, nullptr);
    }
    if (c.failed) {
      EXPECT_EQ(presented.failure->culprit_key(), "count");
    }
    EXPECT_EQ(presented.Succeeded(), c.line != nullptr);
    EXPECT_EQ(presented.outcome.has_value(), c.line != nullptr);
    if (c.line != nullptr) {
      EXPECT_EQ(presented.outcome->lines.at(0), c.line);
    }
    EXPECT_EQ(presented.warnings.size(), c.warnings);
  }
}

}  // namespace
}  // namespace vapentis
