#include "core/sheet/sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalog/maker_info.h"
#include "core/catalog/tool_catalog.h"
#include "core/description/presenter.h"
#include "core/sheet/running_cost.h"
#include "sheet_test_support.h"

namespace vapentis {
namespace {

using testing::Request;
using testing::SheetOf;

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

TEST(BuildSheet, GivesASectionPerRequestInOrderAndAFailureLeavesTheOthersStanding) {
  const std::vector<InputTexts> requests = {
      Request("sizing"),
      Request("pump", {{"efficiency", "abc"}}),
      Request("steam"),
      Request("sizing", {{"application", "中药浓缩"}}),
  };
  const Sheet sheet = SheetOf(requests);
  ASSERT_EQ(sheet.sections.size(), requests.size());
  for (std::size_t i = 0; i < requests.size(); ++i) {
    const SheetSection& section = sheet.sections[i];
    const ToolDescription& tool = requests[i].tool();
    SCOPED_TRACE(section.tool);
    EXPECT_EQ(section.tool, tool.name);
    EXPECT_EQ(section.title, tool.menu_caption);
    EXPECT_EQ(section.basis, tool.basis);
    const Presented presented = Present(requests[i], '.');
    const std::vector<std::string> answered =
        presented.Succeeded() ? presented.outcome->lines : std::vector<std::string>{};
    EXPECT_EQ(section.lines, answered) << "the lines a press would show";
    EXPECT_EQ(section.failure.has_value(), presented.failure.has_value());
    EXPECT_EQ(section.running_cost.has_value(), tool.name == "sizing");
  }
  const SheetSection& pump = sheet.sections[1];
  ASSERT_TRUE(pump.failure.has_value());
  EXPECT_EQ(pump.failure->kind, "NotANumber");
  EXPECT_EQ(pump.failure->culprit_key(), "efficiency");
  EXPECT_EQ(FailureText(*pump.failure, ""), "输入的内容不是数字。请检查输入框“泵的效率”。");
  EXPECT_TRUE(pump.figures.empty());
  EXPECT_EQ(sheet.FailedSections(), 1U);
  EXPECT_NE(sheet.sections[0].running_cost->lines, sheet.sections[3].running_cost->lines)
      << "each sizing has its own running cost";
}

TEST(BuildSheet, CarriesTheHeaderAsGivenAndTheMakersFooter) {
  const SheetHeader header{"<b>&\"x", "", "李工", "2024-02-29"};
  const Sheet sheet = SheetOf({Request("pump")}, {}, header);
  EXPECT_EQ(sheet.title, "计算书");
  EXPECT_EQ(sheet.header.project, header.project);
  EXPECT_EQ(sheet.header.client, "");
  EXPECT_EQ(sheet.header.author, header.author);
  EXPECT_EQ(sheet.header.date, header.date);
  EXPECT_EQ(sheet.program, "Vapentis");
  EXPECT_FALSE(sheet.version.empty());
  EXPECT_EQ(sheet.version.find_first_not_of("0123456789."), std::string::npos) << sheet.version;
  EXPECT_EQ(sheet.maker, maker::kName);
  const std::vector<std::pair<std::string, std::string_view>> kContacts = {
      {"网址", maker::kWebAddress},
      {"电话", maker::kTelephone},
      {"传真", maker::kFax},
      {"邮箱", maker::kEmail},
  };
  ASSERT_EQ(sheet.contacts.size(), kContacts.size());
  for (std::size_t i = 0; i < kContacts.size(); ++i) {
    EXPECT_EQ(sheet.contacts[i].label, kContacts[i].first);
    EXPECT_EQ(sheet.contacts[i].text, kContacts[i].second);
  }
  EXPECT_EQ(sheet.remark, "估算值，详细情况需要针对性设计");
}

// The input table holds what the calculation read, as typed.
struct RowsCase {
  const char* name;
  InputTexts request;
  std::vector<std::pair<std::string_view, std::string>> rows;  // key and value
};

TEST(BuildSheet, ListsTheInputsReadAsTypedWithLabelAndUnit) {
  const RowsCase kCases[] = {
      {"sizing as typed, blanks and full-width digits kept",
       Request("sizing", {{"throughput", " ５ "}, {"application", "其他"}}),
       {{"throughput", " ５ "}, {"feed", "10"}, {"product", "40"}, {"application", "其他"}}},
      {"steam by temperature: the pressure is not read",
       Request("steam", {{"mode", "temperature"}, {"temperature", "30"}}),
       {{"mode", "以温度为准"}, {"temperature", "30"}}},
      {"liquid in a pipe: no steam temperature",
       Request("pipe", {{"state", "liquid"}}),
       {{"state", "液体"}, {"flow", "5000"}, {"velocity", "22"}, {"density", "1000"}}},
      {"exchanger: the boxes shown for reference are not read",
       Request("exchanger"),
       {{"area", "90"}, {"tube_diameter", "38"}, {"tube_length", "6"}}},
  };
  for (const RowsCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const SheetSection section = SheetOf({c.request}).sections.front();
    ASSERT_EQ(section.inputs.size(), c.rows.size());
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
      const InputDescription& input = *FindInput(c.request.tool(), c.rows[i].first);
      EXPECT_EQ(section.inputs[i].key, input.key);
      EXPECT_EQ(section.inputs[i].caption, input.label);
      EXPECT_EQ(section.inputs[i].unit, input.unit);
      EXPECT_EQ(section.inputs[i].value, c.rows[i].second);
    }
  }
}

TEST(BuildSheet, NotesTheRangeWarningsAndWhereEachInputKeepsItsAccuracy) {
  const InputTexts steam = Request("steam", {{"mode", "temperature"}, {"temperature", "30"}});
  const SheetSection section = SheetOf({steam}).sections.front();
  const InputDescription& temperature = *FindInput(steam.tool(), "temperature");
  const std::vector<std::string> warnings = RangeWarnings(steam);
  ASSERT_EQ(warnings.size(), 1U) << "30 ℃ lies outside where the figures hold";
  const std::vector<std::string> expected = {
      warnings.front(), Caption(temperature) + "，" + AccuracyStatement(temperature)};
  EXPECT_EQ(section.notes, expected);
  // The accuracy statement is the tooltip's own clause.
  EXPECT_TRUE(Contains(InputHint(temperature, "\n"), AccuracyStatement(temperature)));

  const Sheet sizing = SheetOf({Request("sizing", {{"throughput", "-5"}})});
  ASSERT_EQ(sizing.sections.front().notes.size(), 1U);
  EXPECT_TRUE(Contains(sizing.sections.front().notes.front(), "超出有效范围"));
  EXPECT_TRUE(SheetOf({Request("pump")}).sections.front().notes.empty());
}

TEST(BuildSheet, ASizingGetsTheRunningCostAtTheAssumptionsGiven) {
  const Sheet sheet = SheetOf({Request("sizing")});
  const SheetPart& cost = *sheet.sections.front().running_cost;
  const ToolDescription& description = RunningCostDescription();
  EXPECT_EQ(cost.title, "运行费用估算");
  EXPECT_EQ(cost.basis, description.basis);
  EXPECT_EQ(cost.notes, std::vector<std::string>{"多效蒸发只计蒸汽费用"});
  ASSERT_EQ(cost.inputs.size(), description.inputs.size()) << "all four are printed";
  for (std::size_t i = 0; i < cost.inputs.size(); ++i) {
    EXPECT_EQ(cost.inputs[i].caption, description.inputs[i].label);
    EXPECT_EQ(cost.inputs[i].value, description.inputs[i].start_text);
    EXPECT_EQ(cost.inputs[i].unit, description.inputs[i].unit);
  }
  ASSERT_EQ(cost.lines.size(), 7U);
  EXPECT_EQ(cost.lines.front(), "MVR电费=125.4元/小时");
  EXPECT_EQ(cost.lines.back(), "采用MVR年节约=125.7万元");
  EXPECT_EQ(cost.figures.size(), 7U);
}

// Where a part has no figures, it says why, naming the box to check.
struct FailureCase {
  const char* name;
  InputTexts request;
  testing::Given assumptions;
  bool in_running_cost;
  const char* kind;
  const char* input;
  const char* message;
};

TEST(BuildSheet, APartWithoutFiguresSaysWhyAndNamesTheBox) {
  const FailureCase kCases[] = {
      {"zero throughput",
       Request("sizing", {{"throughput", "0"}}),
       {},
       false,
       "Overflow",
       "throughput",
       "计算溢出：数值超出范围或运算无效。处理量为零，无法计算每吨水电耗。请检查输入框“处理量”。"},
      {"size not in the table",
       Request("channel", {{"designation", "99z"}}),
       {},
       false,
       "NotInList",
       "designation",
       "没有规格为“99z”的槽钢，结果中没有数值。请检查输入框“选择槽钢规格”。"},
      {"no mode ticked",
       Request("steam", {{"mode", ""}}),
       {},
       false,
       "MissingChoice",
       "",
       "请选择“以压力为准”或“以温度为准”。"},
      {"negative electricity price",
       Request("sizing"),
       {{"electricity_price", "-0.7"}},
       true,
       "OutOfRange",
       "electricity_price",
       "输入的数值超出有效范围。电价不能为负。请检查输入框“电价”。"},
      {"hours that are no number",
       Request("sizing"),
       {{"hours", "全年"}},
       true,
       "NotANumber",
       "hours",
       "输入的内容不是数字。请检查输入框“年运行时间”。"},
  };
  for (const FailureCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const Sheet sheet = SheetOf({c.request, Request("pump")}, c.assumptions);
    const SheetSection& section = sheet.sections.front();
    const SheetPart& part = c.in_running_cost ? *section.running_cost : section;
    ASSERT_TRUE(part.failure.has_value());
    EXPECT_EQ(part.failure->kind, c.kind);
    EXPECT_EQ(part.failure->culprit_key(), c.input);
    EXPECT_EQ(FailureText(*part.failure, ""), c.message);
    EXPECT_TRUE(part.lines.empty());
    EXPECT_TRUE(part.figures.empty());
    if (c.in_running_cost) {
      EXPECT_FALSE(section.failure.has_value()) << "the sizing itself stands";
      EXPECT_FALSE(section.lines.empty());
    }
    EXPECT_FALSE(sheet.sections.back().failure.has_value());
    EXPECT_EQ(sheet.FailedSections(), 1U);
  }
}

TEST(BuildSheet, ASizingThatFailsHasNoRunningCost) {
  const Sheet sheet = SheetOf({Request("sizing", {{"product", "0"}})});
  EXPECT_TRUE(sheet.sections.front().failure.has_value());
  EXPECT_FALSE(sheet.sections.front().running_cost.has_value());
}

}  // namespace
}  // namespace vapentis
