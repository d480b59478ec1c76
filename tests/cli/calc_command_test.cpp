#include "cli/calc_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/tools.h"
#include "cli_test_support.h"

namespace vapentis::cli {
namespace {

using nlohmann::json;

// The command's text output for the same inputs as the window's worked examples.
struct WindowCase {
  const char* name;
  std::vector<std::string> args;
  const char* expected;  // the window's result lines, one per line
};

const WindowCase kWindowCases[] = {
    {"sizing at start-up",
     {"sizing"},
     "蒸发量=3.75吨/小时\n"
     "推荐蒸发器形式：强制循环\n"
     "MVR蒸发器型号：KOV3.75-CRY-FC\n"
     "MVR蒸发器每小时耗电量（估算）：179.1kWh\n"
     "MVR蒸发器处理每吨水电耗（估算）：35.8kWh\n"
     "MVR蒸发器占地空间（长x宽x高）：7米x6米x（7~8）米\n"
     "MVR蒸发器运行方式：全自动，蒸发系统只需操作人员1名\n"
     "详细情况需要针对性设计\n"},
    {"sizing, leachate, options with =",
     {"sizing", "--throughput=5", "--feed=10", "--product=40", "--application=垃圾渗滤液"},
     "蒸发量=3.75吨/小时\n"
     "推荐蒸发器形式：强制循环\n"
     "MVR蒸发器型号：KOV3.75-ZLD-FC\n"
     "MVR蒸发器每小时耗电量（估算）：165kWh\n"
     "MVR蒸发器处理每吨水电耗（估算）：33kWh\n"
     "MVR蒸发器占地空间（长x宽x高）：7米x6米x（7~8）米\n"
     "MVR蒸发器运行方式：全自动，蒸发系统只需操作人员1名\n"
     "详细情况需要针对性设计\n"},
    {"sizing, product below feed, negative figures",
     {"sizing", "--feed", "40", "--product", "10"},
     "蒸发量=-15吨/小时\n"
     "推荐蒸发器形式：强制循环\n"
     "MVR蒸发器型号：KOV-15-CRY-FC\n"
     "MVR蒸发器每小时耗电量（估算）：-958.5kWh\n"
     "MVR蒸发器处理每吨水电耗（估算）：-191.7kWh\n"
     "MVR蒸发器占地空间（长x宽x高）：\n"
     "MVR蒸发器运行方式：\n"
     "详细情况需要针对性设计\n"},
    {"sizing, unlisted application, full-width digits",
     {"sizing", "--throughput", "５", "--application", ""},
     "蒸发量=3.75吨/小时\n"
     "推荐蒸发器形式：\n"
     "MVR蒸发器型号：KOV3.75--\n"
     "MVR蒸发器每小时耗电量（估算）：0kWh\n"
     "MVR蒸发器处理每吨水电耗（估算）：0kWh\n"
     "MVR蒸发器占地空间（长x宽x高）：7米x6米x（7~8）米\n"
     "MVR蒸发器运行方式：全自动，蒸发系统只需操作人员1名\n"
     "详细情况需要针对性设计\n"},
};

TEST(CalcCommand, PrintsTheWindowsResultLines) {
  for (const WindowCase& c : kWindowCases) {
    SCOPED_TRACE(c.name);
    const Outcome run = RunWith(c.args);
    EXPECT_EQ(run.code, kExitSuccess);
    EXPECT_EQ(run.out, c.expected);
    EXPECT_EQ(run.err, "");
  }
}

TEST(CalcCommand, JsonHoldsTheInputsAsGivenTheFiguresAsNumbersAndTheLines) {
  for (const WindowCase& c : kWindowCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = c.args;
    args.emplace_back("--json");
    const Outcome run = RunWith(args);
    ASSERT_EQ(run.code, kExitSuccess);
    ASSERT_EQ(run.out.back(), '\n');
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << "one object on one line";
    const json record = json::parse(run.out);
    EXPECT_EQ(record["tool"], args.front());
    EXPECT_EQ(record["lines"], SplitLines(c.expected));
    const Tool* tool = FindTool(args.front());
    ASSERT_NE(tool, nullptr);
    ASSERT_EQ(record["inputs"].size(), tool->inputs.size());
    for (const InputSpec& input : tool->inputs)
      EXPECT_TRUE(record["inputs"][input.key].is_string());
    for (const auto& [name, value] : record["figures"].items()) {
      EXPECT_TRUE(value.is_number()) << name;
    }
  }
}

TEST(CalcCommand, JsonFiguresOfTheStartUpSizing) {
  const json record = json::parse(RunWith({"sizing", "--json", "--throughput", " 5 "}).out);
  EXPECT_EQ(record["inputs"]["throughput"], " 5 ");
  EXPECT_EQ(record["inputs"]["application"], "蒸发结晶");
  EXPECT_EQ(record["figures"], json::parse(R"({"evaporation_t_per_h":3.75,"power_kwh_per_h":179.1,)"
                                           R"("power_kwh_per_t":35.8})"));
}

// Failures of a calculation: exit 1, nothing on standard output, the reason on standard error.
struct FailureCase {
  const char* name;
  std::vector<std::string> args;
  const char* kind;
  const char* input;  // key of the input named by the failure, or nullptr
  const char* message;
};

const FailureCase kFailureCases[] = {
    {"feed not a number",
     {"sizing", "--feed", "abc"},
     "NotANumber",
     "feed",
     "输入的内容不是数字。（--feed \"abc\"）"},
    {"empty throughput",
     {"sizing", "--throughput", ""},
     "NotANumber",
     "throughput",
     "输入的内容不是数字。（--throughput \"\"）"},
    {"product failure wins over throughput's",
     {"sizing", "--product", "x", "--throughput", "y"},
     "NotANumber",
     "product",
     "输入的内容不是数字。（--product \"x\"）"},
    {"zero product", {"sizing", "--product", "0"}, "DivisionByZero", nullptr, "计算中除数为零。"},
    {"zero throughput",
     {"sizing", "--throughput", "0"},
     "Overflow",
     nullptr,
     "计算溢出：数值超出范围或运算无效。"},
    {"throughput beyond the double range",
     {"sizing", "--throughput", "1E400"},
     "Overflow",
     "throughput",
     "计算溢出：数值超出范围或运算无效。（--throughput \"1E400\"）"},
};

TEST(CalcCommand, FailureGoesToStandardErrorWithExitOne) {
  for (const FailureCase& c : kFailureCases) {
    SCOPED_TRACE(c.name);
    const Outcome text = RunWith(c.args);
    EXPECT_EQ(text.code, kExitFailure);
    EXPECT_EQ(text.out, "");
    EXPECT_EQ(text.err, "vapentis-calc " + c.args.front() + "：" + c.message + "\n");

    std::vector<std::string> args = c.args;
    args.emplace_back("--json");
    const Outcome json_run = RunWith(args);
    EXPECT_EQ(json_run.code, kExitFailure);
    EXPECT_EQ(json_run.out, "");
    const json record = json::parse(json_run.err);
    EXPECT_EQ(record["tool"], c.args.front());
    EXPECT_EQ(record["error"]["kind"], c.kind);
    EXPECT_EQ(record["error"]["input"], c.input ? json(c.input) : json(nullptr));
    EXPECT_TRUE(record["inputs"].is_object());
  }
}

// Usage errors exit 2 and show the help of the command that was meant.
struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  const char* help_of;  // text the help shown must hold
};

const UsageCase kUsageCases[] = {
    {"no subcommand", {}, "Subcommands:"},
    {"unknown subcommand", {"sizeing"}, "Subcommands:"},
    {"unknown option", {"sizing", "--thoughput", "5"}, "--throughput"},
    {"option without value", {"sizing", "--feed"}, "--feed"},
    {"option given twice", {"sizing", "--feed", "1", "--feed", "2"}, "--feed"},
    {"stray argument", {"sizing", "5"}, "--throughput"},
    {"batch takes no options", {"batch", "--json"}, "batch"},
};

TEST(CalcCommand, UsageErrorExitsTwoWithHelp) {
  for (const UsageCase& c : kUsageCases) {
    SCOPED_TRACE(c.name);
    const Outcome run = RunWith(c.args);
    EXPECT_EQ(run.code, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("用法错误"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.help_of), std::string::npos) << run.err;
  }
}

TEST(CalcCommand, HelpOfEverySubcommandListsItsInputsWithUnitsAndDefaults) {
  for (const Tool& tool : Tools()) {
    SCOPED_TRACE(tool.name);
    const Outcome run = RunWith({std::string(tool.name), "--help"});
    EXPECT_EQ(run.code, kExitSuccess);
    for (const InputSpec& input : tool.inputs) {
      EXPECT_NE(run.out.find(OptionName(input) + " TEXT=" + std::string(input.default_text)),
                std::string::npos)
          << input.key;
      EXPECT_NE(run.out.find(input.caption), std::string::npos) << input.key;
    }
    EXPECT_NE(run.out.find("英文句点"), std::string::npos) << "names the decimal separator";
  }
  const Outcome main_help = RunWith({"--help"});
  EXPECT_EQ(main_help.code, kExitSuccess);
  for (const Tool& tool : Tools()) EXPECT_NE(main_help.out.find(tool.name), std::string::npos);
  EXPECT_NE(RunWith({"batch", "--help"}).out.find("MalformedJson"), std::string::npos);
}

TEST(CalcCommand, VersionNamesTheProgram) {
  const Outcome run = RunWith({"--version"});
  EXPECT_EQ(run.code, kExitSuccess);
  EXPECT_EQ(run.out.rfind("vapentis-calc ", 0), 0U) << run.out;
}

}  // namespace
}  // namespace vapentis::cli
