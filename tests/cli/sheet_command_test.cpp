#include "cli/sheet_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli_test_support.h"
#include "core/sheet/running_cost.h"
#include "core/sheet/sheet.h"

namespace vapentis::cli {
namespace {

using nlohmann::json;

constexpr const char* kSizingAndPump =
    "{\"tool\":\"sizing\",\"throughput\":5,\"feed\":10,\"product\":40}\n{\"tool\":\"pump\"}\n";

// The sheet the core makes of these requests at the start-up assumptions.
Sheet CoreSheet(const std::vector<std::pair<std::string_view, std::string>>& sizing_given,
                SheetHeader header) {
  InputTexts sizing;
  SetDefaultTexts(*FindTool("sizing"), sizing);
  for (const auto& [key, text] : sizing_given) sizing[key] = text;
  InputTexts pump;
  SetDefaultTexts(*FindTool("pump"), pump);
  InputTexts assumptions;
  SetDefaultTexts(RunningCostDescription(), assumptions);
  return BuildSheet(header, std::vector<InputTexts>{sizing, pump}, assumptions, '.');
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(SheetCommand, WritesTheCoresSheetOfTheRequestsAsText) {
  const Outcome run =
      RunWith({"sheet", "--format", "text", "--date", "2024-03-15"}, kSizingAndPump);
  EXPECT_EQ(run.code, kExitSuccess);
  EXPECT_EQ(run.err, "");
  const Sheet sheet = CoreSheet({{"throughput", "5"}, {"feed", "10"}, {"product", "40"}},
                                {"", "", "", "2024-03-15"});
  EXPECT_EQ(run.out, SheetText(sheet));
  for (const char* line :
       {"1 MVR蒸发器选型", "2 离心泵功率", "MVR电费=125.4元/小时", "MVR吨料液电费=25.07元/吨",
        "MVR年电费=90.3万元", "多效蒸发蒸汽费=300元/小时", "多效蒸发吨料液蒸汽费=60元/吨",
        "多效蒸发年蒸汽费=216万元", "采用MVR年节约=125.7万元", "多效蒸发只计蒸汽费用"}) {
    EXPECT_TRUE(Has(run.out, std::string(line) + "\n")) << line;
  }
  for (const SheetSection& section : sheet.sections) {
    EXPECT_TRUE(Has(run.out, "计算依据\t" + section.basis + "\n")) << section.tool;
  }
}

TEST(SheetCommand, HtmlIsTheDefaultAndEscapesTheHeaderWhichTextKeepsLiterally) {
  const std::vector<std::string> header = {"--project", "<b>&\"x",  "--client",
                                           "客户'甲'",  "--author", "王工"};
  std::vector<std::string> html_args = {"sheet"};
  html_args.insert(html_args.end(), header.begin(), header.end());
  const Outcome html = RunWith(html_args, kSizingAndPump);
  EXPECT_EQ(html.code, kExitSuccess);
  EXPECT_TRUE(html.out.starts_with("<!DOCTYPE html>"));
  EXPECT_TRUE(Has(html.out, "&lt;b&gt;&amp;&quot;x"));
  EXPECT_TRUE(Has(html.out, "客户&#39;甲&#39;"));
  EXPECT_FALSE(Has(html.out, "<b>&\"x"));

  std::vector<std::string> text_args = html_args;
  text_args.insert(text_args.end(), {"--format", "text"});
  const Outcome text = RunWith(text_args, kSizingAndPump);
  EXPECT_TRUE(Has(text.out, "项目名称\t<b>&\"x\n"));
  EXPECT_TRUE(Has(text.out, "客户\t客户'甲'\n"));
  EXPECT_TRUE(Has(text.out, "计算人\t王工\n"));
}

TEST(SheetCommand, AFailingRequestShowsItsFailureAndTheOthersStandWithExitOne) {
  const Outcome run = RunWith({"sheet", "--format", "text"},
                              "{\"tool\":\"sizing\"}\n"
                              "{\"tool\":\"pump\",\"efficiency\":\"abc\"}\n"
                              "{\"tool\":\"channel\",\"designation\":\"25a\"}\n");
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(run.err, "vapentis-calc sheet：3个计算中有1个失败\n");
  EXPECT_TRUE(Has(run.out, "1 MVR蒸发器选型\n"));
  EXPECT_TRUE(Has(run.out, "计算失败\t输入的内容不是数字。请检查输入框“泵的效率”。\n"));
  EXPECT_TRUE(Has(run.out, "3 国标槽钢查询\n"));
  EXPECT_TRUE(Has(run.out, "槽钢背高h=250mm\n"));
}

TEST(SheetCommand, ReadsRequestsAsBatchDoes) {
  const Outcome run = RunWith({"sheet", "--format", "json"},
                              "{\"tool\":\"sizing\",\"throughput\":5.0,\"feed\":\"１０\"}\r\n"
                              "\r\n"
                              "{\"tool\":\"pump\",\"flow\":1e400}\n"
                              "{\"tool\":\"steam\",\"temperature\":130}");
  EXPECT_EQ(run.code, kExitFailure);
  const json sheet = json::parse(run.out);
  const json& sections = sheet["sections"];
  ASSERT_EQ(sections.size(), 3U);
  EXPECT_EQ(sections[0]["inputs"][0]["value"], "5.0") << "a number as its JSON text";
  EXPECT_EQ(sections[0]["inputs"][1]["value"], "１０");
  EXPECT_EQ(sections[1]["error"]["kind"], "Overflow");
  EXPECT_EQ(sections[1]["error"]["input"], "flow");
  EXPECT_EQ(sections[2]["inputs"][0]["value"], "以温度为准")
      << "an input read under one mode picks it";
}

TEST(SheetCommand, JsonIsTheSheetWithItsFiguresAsNumbers) {
  const Outcome run = RunWith(
      {"sheet", "--format", "json", "--project", "一期", "--date", "2024-03-15", "--hours", "8000"},
      kSizingAndPump);
  EXPECT_EQ(run.code, kExitSuccess);
  const json sheet = json::parse(run.out);
  EXPECT_EQ(sheet["title"], "计算书");
  EXPECT_EQ(sheet["project"], "一期");
  EXPECT_EQ(sheet["date"], "2024-03-15");
  EXPECT_EQ(sheet["program"], "Vapentis");
  EXPECT_EQ(sheet["remark"], "估算值，详细情况需要针对性设计");
  EXPECT_EQ(sheet["contacts"][0]["label"], "网址");
  const json& sizing = sheet["sections"][0];
  EXPECT_EQ(sizing["tool"], "sizing");
  EXPECT_EQ(sizing["title"], "MVR蒸发器选型");
  EXPECT_EQ(sizing["figures"]["evaporation_t_per_h"], 3.75);
  EXPECT_EQ(sizing["inputs"][0]["caption"], "处理量");
  EXPECT_EQ(sizing["inputs"][0]["unit"], "吨/小时");
  const json& cost = sizing["running_cost"];
  EXPECT_EQ(cost["inputs"][3]["value"], "8000");
  EXPECT_EQ(cost["figures"]["mvr_electricity_yuan_per_h"], 125.4);
  // 125.37 × 8000 / 10⁴ and 300 × 8000 / 10⁴
  EXPECT_EQ(cost["figures"]["mvr_electricity_10k_yuan_per_year"], 100.3);
  EXPECT_EQ(cost["figures"]["multi_effect_steam_10k_yuan_per_year"], 240);
  EXPECT_EQ(cost["figures"]["saving_10k_yuan_per_year"], 139.7);
  EXPECT_EQ(cost["notes"], json::array({"多效蒸发只计蒸汽费用"}));
  EXPECT_FALSE(sheet["sections"][1].contains("running_cost"));
}

struct AssumptionCase {
  const char* name;
  std::vector<std::string> args;
  int code;
  const char* line;  // a line standard output must hold
};

const AssumptionCase kAssumptionCases[] = {
    {"electricity price", {"--electricity-price", "1"}, kExitSuccess, "MVR电费=179.1元/小时"},
    {"steam price and use: 3.75 × 0.3 × 250 is 281.25, a tie, to the even 281.2",
     {"--steam-price", "250", "--steam-per-ton", "0.3"},
     kExitSuccess,
     "多效蒸发蒸汽费=281.2元/小时"},
    {"price of nothing", {"--electricity-price", "0"}, kExitSuccess, "MVR电费=0元/小时"},
    {"price that is no number",
     {"--electricity-price", "abc"},
     kExitFailure,
     "计算失败\t输入的内容不是数字。请检查输入框“电价”。"},
    {"negative steam price",
     {"--steam-price", "-200"},
     kExitFailure,
     "计算失败\t输入的数值超出有效范围。蒸汽价格不能为负。请检查输入框“蒸汽价格”。"},
};

TEST(SheetCommand, TheRunningCostTakesItsAssumptionsFromTheOptions) {
  for (const AssumptionCase& c : kAssumptionCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = {"sheet", "--format", "text"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Outcome run = RunWith(args, "{\"tool\":\"sizing\"}\n");
    EXPECT_EQ(run.code, c.code) << run.err;
    EXPECT_TRUE(Has(run.out, std::string(c.line) + "\n")) << run.out;
  }
}

// A line that is no request stops the sheet: nothing is written.
struct NotARequestCase {
  const char* name;
  std::string input;
  const char* message;  // how standard error starts
};

const NotARequestCase kNotARequestCases[] = {
    {"not JSON", "{\"tool\":\"sizing\"}\nnot json\n",
     "vapentis-calc sheet：用法错误：第2行不是有效的请求：不是有效的JSON"},
    {"blank lines are counted", "\n\n{\"tool\":\"teapot\"}\n",
     "vapentis-calc sheet：用法错误：第3行不是有效的请求：没有名为“teapot”的工具"},
    {"unknown input", "{\"tool\":\"pump\",\"speed\":3}",
     "vapentis-calc sheet：用法错误：第1行不是有效的请求：工具pump没有输入“speed”"},
    {"input of the other mode", "{\"tool\":\"steam\",\"mode\":\"pressure\",\"temperature\":100}",
     "vapentis-calc sheet：用法错误：第1行不是有效的请求：“temperature” 只在"},
    {"line too long", std::string(kMaxLineBytes + 1, ' ') + "\n{\"tool\":\"pump\"}\n",
     "vapentis-calc sheet：用法错误：第1行超过1048576字节，没有读取"},
    {"no request at all", "\n \n", "vapentis-calc sheet：标准输入中没有计算请求"},
};

TEST(SheetCommand, ALineThatIsNoRequestIsAUsageFailureWithItsNumber) {
  for (const NotARequestCase& c : kNotARequestCases) {
    SCOPED_TRACE(c.name);
    const Outcome run = RunWith({"sheet"}, c.input);
    EXPECT_EQ(run.code, kExitFailure);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with(c.message)) << run.err;
  }
  const Outcome two = RunWith({"sheet"}, "x\n{\"tool\":\"pump\"}\ny\n");
  EXPECT_EQ(SplitLines(two.err).size(), 2U) << "every line that is no request is named";
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  const char* message;
};

const UsageCase kUsageCases[] = {
    {"unknown format", {"--format", "pdf"}, "--format 只能取 html、text、json 之一"},
    {"no such day", {"--date", "2023-02-29"}, "--date 应为 yyyy-MM-dd 形式的日期"},
    {"date in another form", {"--date", "2024/03/15"}, "--date 应为 yyyy-MM-dd 形式的日期"},
    {"mistyped option", {"--hour", "8000"}, "--hour：您是否想输入 --hours？"},
};

TEST(SheetCommand, AWrongCommandLineExitsTwoWithTheHelp) {
  for (const UsageCase& c : kUsageCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = {"sheet"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Outcome run = RunWith(args, kSizingAndPump);
    EXPECT_EQ(run.code, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with(std::string("vapentis-calc sheet：用法错误：") + c.message))
        << run.err;
    EXPECT_TRUE(Has(run.err, "--electricity-price")) << "the help of sheet follows";
  }
}

// yyyy-MM-dd: four digits, two, two, between dashes.
bool LooksLikeADate(const std::string& text) {
  if (text.size() != 10) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool dash = i == 4 || i == 7;
    if (dash ? text[i] != '-' : (text[i] < '0' || text[i] > '9')) return false;
  }
  return true;
}

TEST(SheetCommand, DatesTheSheetTodayUnlessToldOtherwise) {
  const json sheet = json::parse(RunWith({"sheet", "--format", "json"}, kSizingAndPump).out);
  EXPECT_TRUE(LooksLikeADate(sheet["date"].get<std::string>())) << sheet["date"];
  const json leap = json::parse(
      RunWith({"sheet", "--format", "json", "--date", "2024-02-29"}, kSizingAndPump).out);
  EXPECT_EQ(leap["date"], "2024-02-29");
}

TEST(SheetCommand, HelpListsTheAssumptionsWithTheirDefaults) {
  const Outcome run = RunWith({"sheet", "--help"});
  EXPECT_EQ(run.code, kExitSuccess);
  for (const InputDescription& input : RunningCostDescription().inputs) {
    EXPECT_TRUE(Has(run.out, OptionName(input))) << input.key;
    EXPECT_TRUE(Has(run.out, Caption(input))) << input.key;
    EXPECT_TRUE(Has(run.out, OptionName(input) + " 值=" + std::string(input.start_text)))
        << input.key;
  }
}

TEST(Describe, ListsTheRunningCostAndEachToolsCaptionsAndBasis) {
  const json description = json::parse(RunWith({"describe"}).out);
  const json& cost = description["running_cost"];
  EXPECT_EQ(cost["name"], "running_cost");
  EXPECT_EQ(cost["basis"], RunningCostDescription().basis);
  ASSERT_EQ(cost["inputs"].size(), RunningCostDescription().inputs.size());
  for (std::size_t i = 0; i < cost["inputs"].size(); ++i) {
    const InputDescription& input = RunningCostDescription().inputs[i];
    EXPECT_EQ(cost["inputs"][i]["key"], input.key);
    EXPECT_EQ(cost["inputs"][i]["start_text"], input.start_text);
    EXPECT_EQ(cost["inputs"][i]["valid"]["low"], 0);
  }
  for (std::size_t i = 0; i < Tools().size(); ++i) {
    const json& tool = description["tools"][i];
    EXPECT_EQ(tool["menu_caption"], Tools()[i]->menu_caption);
    EXPECT_EQ(tool["tab_caption"], Tools()[i]->tab_caption);
    EXPECT_EQ(tool["basis"], Tools()[i]->basis);
  }
}

}  // namespace
}  // namespace vapentis::cli
