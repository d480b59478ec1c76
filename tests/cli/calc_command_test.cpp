#include "cli/calc_command.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/tools.h"
#include "cli_test_support.h"
#include "core/catalog/tool_catalog.h"
#include "core/reference/channel_tool.h"

namespace vapentis::cli {
namespace {

using nlohmann::json;

// The line on standard error that warns of an input's value, its caption from the description.
std::string Warning(std::string_view tool, std::string_view key, const std::string& rest) {
  return "vapentis-calc " + std::string(tool) + "：注意：" +
         Caption(*FindInput(*FindTool(tool), key)) + "为" + rest + "\n";
}

// The command's text output for the same inputs as the window's worked examples.
struct WindowCase {
  const char* name;
  std::vector<std::string> args;
  std::string expected;       // the window's result lines, one per line
  std::string warnings = "";  // standard error's lines on inputs outside their ranges
};

const WindowCase kWindowCases[] = {
    {"sizing at start-up", {"sizing"}, StartUpLines("sizing")},
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
    {"steam from the start-up pressure", {"steam"}, StartUpLines("steam")},
    {"steam just above the first density band",
     {"steam", "--pressure", "0.2320"},
     "饱和蒸汽温度=125℃\n饱和蒸汽密度=1.2798kg/m3\n饱和蒸汽潜热=2199kJ/"
     "kg\n按IAPWS-IF97：温度=125℃，密度=1.2973kg/m3，潜热=2188kJ/kg\n",
     Warning(
         "steam", "pressure",
         "0.2320，在0.016~0.12MPa、0.24~0.7MPa以外，密度和潜热与IAPWS-IF97相差不超过2%已不能保证")},
    {"steam from a temperature alone, which picks the temperature mode",
     {"steam", "--temperature", "130"},
     "饱和蒸汽压力=0.27Mpa\n饱和蒸汽密度=1.4872kg/m3\n饱和蒸汽潜热=2187kJ/"
     "kg\n按IAPWS-IF97：压力=0.2703MPa，密度=1.4968kg/m3，潜热=2174kJ/kg\n"},
    {"steam at 120 ℃, between the stretches where its figures hold",
     {"steam", "--temperature", "120"},
     "饱和蒸汽压力=0.1984Mpa\n饱和蒸汽密度=1.1698kg/m3\n饱和蒸汽潜热=2211kJ/"
     "kg\n按IAPWS-IF97：压力=0.1987MPa，密度=1.122kg/m3，潜热=2202kJ/kg\n",
     Warning("steam", "temperature",
             "120，在55~105℃、126~165℃以外，密度和潜热与IAPWS-IF97相差不超过2%已不能保证")},
    {"steam pipe at start-up", {"pipe"}, StartUpLines("pipe")},
    {"steam pipe at 150 ℃",
     {"pipe", "--temperature", "150"},
     "饱和蒸汽密度=2.7855kg/"
     "m3\n圆形管道直径=170mm，按标准管径选择\n按IAPWS-IF97：饱和蒸汽密度=2.5478kg/"
     "m3，圆形管道直径=178mm\n",
     Warning("pipe", "temperature",
             "150，在55~105℃以外，蒸汽密度与IAPWS-IF97相差不超过2%已不能保证")},
    {"liquid pipe from its density alone, which picks the liquid",
     {"pipe", "--density", "1000", "--velocity", "1.5"},
     "圆形管道直径=34mm，按标准管径选择\n"},
    {"pump at start-up", {"pump"}, StartUpLines("pump")},
    {"pump, other inputs",
     {"pump", "--flow", "50", "--head", "20", "--specific-gravity", "1", "--efficiency", "0.7",
      "--safety-factor", "1.1"},
     "泵的计算功率=4.3kW\n选择比计算值稍大的额定电机\n"},
    {"pump, negative efficiency",
     {"pump", "--efficiency", "-0.6"},
     "泵的计算功率=-23.8kW\n选择比计算值稍大的额定电机\n",
     Warning("pump", "efficiency", "-0.6，超出有效范围（0~1）：效率是小数，0.6 即 60%")},
    {"exchanger at start-up", {"exchanger"}, StartUpLines("exchanger")},
    {"exchanger, small area",
     {"exchanger", "--area", "10"},
     "换热管数量=15条\n换热器筒体直径=300mm\n"},
    {"exchanger, other tubes",
     {"exchanger", "--area", "50", "--tube-diameter", "25", "--tube-length", "3"},
     "换热管数量=213条\n换热器筒体直径=600mm\n"},
    {"channel at start-up", {"channel"}, StartUpLines("channel")},
    {"channel with a whole mass",
     {"channel", "--designation", "10"},
     "槽钢背高h=100mm\n槽钢腿宽b=48mm\n槽钢每米的重量=10kg\n"},
    {"largest channel",
     {"channel", "--designation", "40c"},
     "槽钢背高h=400mm\n槽钢腿宽b=104mm\n槽钢每米的重量=71.47kg\n"},
};

TEST(CalcCommand, PrintsTheWindowsResultLines) {
  for (const WindowCase& c : kWindowCases) {
    SCOPED_TRACE(c.name);
    const Outcome run = RunWith(c.args);
    EXPECT_EQ(run.code, kExitSuccess);
    EXPECT_EQ(run.out, c.expected);
    EXPECT_EQ(run.err, c.warnings);
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
    const ToolDescription* tool = FindTool(args.front());
    ASSERT_NE(tool, nullptr);
    ASSERT_EQ(record["inputs"].size(), tool->inputs.size());
    for (const InputDescription& input : tool->inputs)
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

struct FiguresCase {
  const char* name;
  std::vector<std::string> args;
  const char* figures;  // the "figures" object, as JSON
};

const FiguresCase kFiguresCases[] = {
    {"steam from a pressure: the typed pressure, the shown figures",
     {"steam", "--pressure", "0.5"},
     R"({"temperature_c":151.8,"pressure_mpa":0.5,"density_kg_per_m3":2.671,)"
     R"("latent_heat_kj_per_kg":2134})"},
    {"steam from a temperature",
     {"steam", "--mode", "temperature", "--temperature", "150"},
     R"({"temperature_c":150,"pressure_mpa":0.476,"density_kg_per_m3":2.5431,)"
     R"("latent_heat_kj_per_kg":2138})"},
    {"steam pipe", {"pipe"}, R"({"density_kg_per_m3":0.6044,"diameter_mm":365})"},
    {"liquid pipe has no density figure",
     {"pipe", "--state", "liquid", "--velocity", "22"},
     R"({"diameter_mm":9})"},
    {"pump", {"pump", "--efficiency", "60"}, R"({"power_kw":0.2})"},
    {"exchanger",
     {"exchanger", "--area", "200", "--tube-diameter", "25"},
     R"({"tube_count":426,"shell_diameter_mm":800})"},
    {"channel",
     {"channel", "--designation", "32b"},
     R"({"h_mm":320,"b_mm":90,"mass_kg_per_m":43.1})"},
};

TEST(CalcCommand, JsonFiguresOfEachTool) {
  for (const FiguresCase& c : kFiguresCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = c.args;
    args.emplace_back("--json");
    const Outcome run = RunWith(args);
    ASSERT_EQ(run.code, kExitSuccess) << run.err;
    EXPECT_EQ(json::parse(run.out)["figures"], json::parse(c.figures));
  }
}

// The standard's figures beside the tool's own, as the last line shows them;
// null where the typed value lies outside the standard's range, absent where the
// tool sets none beside its own.
TEST(CalcCommand, JsonCarriesTheStandardsFiguresWhereTheToolSetsThem) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    const char* reference;  // the "reference" member as JSON; nullptr: absent
  };
  const Case kCases[] = {
      {"steam, temperature given",
       {"steam", "--temperature", "120"},
       R"({"standard":"IAPWS-IF97","pressure_mpa":0.1987,"density_kg_m3":1.122,)"
       R"("latent_heat_kj_kg":2202})"},
      {"steam, pressure given",
       {"steam", "--pressure", "0.1013"},
       R"({"standard":"IAPWS-IF97","temperature_c":100,"density_kg_m3":0.5975,)"
       R"("latent_heat_kj_kg":2257})"},
      {"steam beyond the standard", {"steam", "--temperature", "360"}, "null"},
      {"steam pipe",
       {"pipe", "--temperature", "150"},
       R"({"standard":"IAPWS-IF97","density_kg_m3":2.5478,"diameter_mm":178})"},
      {"steam pipe beyond the standard", {"pipe", "--temperature", "351"}, "null"},
      {"liquid pipe", {"pipe", "--state", "liquid"}, nullptr},
      {"pump", {"pump"}, nullptr},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = c.args;
    args.emplace_back("--json");
    const Outcome run = RunWith(args);
    ASSERT_EQ(run.code, kExitSuccess) << run.err;
    const json record = json::parse(run.out);
    if (c.reference == nullptr) {
      EXPECT_FALSE(record.contains("reference"));
    } else {
      EXPECT_EQ(record["reference"], json::parse(c.reference));
    }
  }
}

// A size not in the table fails, so a script cannot take the empty lines for
// figures; the lines still show, as the window shows them.
TEST(CalcCommand, UnknownChannelFailsNamingTheSizeAndStillShowsTheEmptyLines) {
  const Outcome text = RunWith({"channel", "--designation", "20A"});
  EXPECT_EQ(text.code, kExitFailure);
  EXPECT_EQ(text.out, "槽钢背高h=mm\n槽钢腿宽b=mm\n槽钢每米的重量=kg\n");
  EXPECT_EQ(text.err, "vapentis-calc channel：没有规格为“20A”的槽钢，结果中没有数值\n");
  const Outcome json_run = RunWith({"channel", "--designation", "6.30", "--json"});
  EXPECT_EQ(json_run.code, kExitFailure);
  EXPECT_EQ(json_run.out, "");
  const json record = json::parse(json_run.err);
  EXPECT_TRUE(record["figures"].empty());
  EXPECT_EQ(record["lines"].size(), 3U);
  EXPECT_EQ(record["error"]["kind"], "NotInList");
  EXPECT_EQ(record["error"]["input"], "designation");
  EXPECT_EQ(record["error"]["message"], "没有规格为“6.30”的槽钢，结果中没有数值");
}

TEST(CalcCommand, ChannelHelpListsEveryDesignationOfTheTable) {
  EXPECT_NE(
      RunWith({"channel", "--help"}).out.find(ListText(*FindInput(ChannelTool(), "designation"))),
      std::string::npos);
}

// Failures of a calculation: exit 1, nothing on standard output, the reason on standard error.
struct FailureCase {
  const char* name;
  std::vector<std::string> args;
  const char* kind;
  const char* input;  // key of the input named by the failure, or nullptr
  const char* message;
  std::string warnings = "";  // lines before the failure's, on inputs outside their ranges
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
    {"zero product",
     {"sizing", "--product", "0"},
     "DivisionByZero",
     "product",
     "计算中除数为零。最终出料浓度为零，无法计算浓缩比。（--product \"0\"）"},
    {"zero throughput",
     {"sizing", "--throughput", "0"},
     "Overflow",
     "throughput",
     "计算溢出：数值超出范围或运算无效。处理量为零，无法计算每吨水电耗。（--throughput \"0\"）"},
    {"throughput beyond the double range",
     {"sizing", "--throughput", "1E400"},
     "Overflow",
     "throughput",
     "计算溢出：数值超出范围或运算无效。（--throughput \"1E400\"）"},
    {"steam at zero pressure",
     {"steam", "--pressure", "0"},
     "InvalidArgument",
     "pressure",
     "数学函数收到无效的参数：对零或负数取对数，或对负数开非整数次幂。"
     "饱和蒸汽压力为零或负数，无法取对数。（--pressure \"0\"）",
     Warning("steam", "pressure",
             "0，超出有效范围（0.000611657~22.064MPa）："
             "饱和蒸汽只在三相点0.000611657MPa与临界点22.064MPa之间存在")},
    {"steam temperature not a number",
     {"steam", "--mode", "temperature", "--temperature", "hot"},
     "NotANumber",
     "temperature",
     "输入的内容不是数字。（--temperature \"hot\"）"},
    {"pipe at zero velocity",
     {"pipe", "--velocity", "0"},
     "DivisionByZero",
     "velocity",
     "计算中除数为零。流体的流速为零，无法计算管径。（--velocity \"0\"）"},
    {"liquid density not a number",
     {"pipe", "--state", "liquid", "--density", "水"},
     "NotANumber",
     "density",
     "输入的内容不是数字。（--density \"水\"）"},
    {"pipe, negative flow under the root",
     {"pipe", "--flow", "-5000"},
     "InvalidArgument",
     "flow",
     "数学函数收到无效的参数：对零或负数取对数，或对负数开非整数次幂。"
     "流体的流量为负数，无法开平方求管径。（--flow \"-5000\"）",
     Warning("pipe", "flow", "-5000，超出有效范围（不低于0kg/h）：流量不能为负")},
    {"pipe, two negatives under the root blame neither",
     {"pipe", "--state", "liquid", "--flow", "-5000", "--velocity", "-1", "--density", "-1000"},
     "InvalidArgument",
     nullptr,
     "数学函数收到无效的参数：对零或负数取对数，或对负数开非整数次幂。",
     Warning("pipe", "flow", "-5000，超出有效范围（不低于0kg/h）：流量不能为负") +
         Warning("pipe", "velocity", "-1，超出有效范围（不低于0m/s）：流速不能为负") +
         Warning("pipe", "density", "-1000，超出有效范围（不低于0kg/m3）：密度不能为负")},
    {"pump efficiency zero, before the empty safety factor is read",
     {"pump", "--efficiency", "0", "--safety-factor", ""},
     "DivisionByZero",
     "efficiency",
     "计算中除数为零。泵的效率为零，无法计算轴功率。（--efficiency \"0\"）"},
    {"pump flow and efficiency zero",
     {"pump", "--flow", "0", "--efficiency", "0"},
     "Overflow",
     "efficiency",
     "计算溢出：数值超出范围或运算无效。泵的效率为零，无法计算轴功率。（--efficiency \"0\"）"},
    {"pump power beyond the double range blames no input",
     {"pump", "--flow", "1e300", "--head", "1e300"},
     "Overflow",
     nullptr,
     "计算溢出：数值超出范围或运算无效。"},
    {"pump specific gravity not a number",
     {"pump", "--specific-gravity", "1,4.0"},
     "NotANumber",
     "specific_gravity",
     "输入的内容不是数字。（--specific-gravity \"1,4.0\"）"},
    {"exchanger tube diameter zero",
     {"exchanger", "--tube-diameter", "0"},
     "DivisionByZero",
     "tube_diameter",
     "计算中除数为零。换热管外径为零，无法计算换热管数量。（--tube-diameter \"0\"）"},
    {"exchanger negative tube count",
     {"exchanger", "--area", "-100"},
     "InvalidArgument",
     "area",
     "数学函数收到无效的参数：对零或负数取对数，或对负数开非整数次幂。"
     "换热面积为负数，换热管数量为负，无法开平方。（--area \"-100\"）",
     Warning("exchanger", "area", "-100，超出有效范围（不低于0m2）：换热面积不能为负")},
    {"exchanger tube length not a number",
     {"exchanger", "--tube-length", "6m"},
     "NotANumber",
     "tube_length",
     "输入的内容不是数字。（--tube-length \"6m\"）"},
};

TEST(CalcCommand, FailureGoesToStandardErrorWithExitOne) {
  for (const FailureCase& c : kFailureCases) {
    SCOPED_TRACE(c.name);
    const Outcome text = RunWith(c.args);
    EXPECT_EQ(text.code, kExitFailure);
    EXPECT_EQ(text.out, "");
    EXPECT_EQ(text.err, c.warnings + ("vapentis-calc " + c.args.front() + "：" + c.message + "\n"));

    std::vector<std::string> args = c.args;
    args.emplace_back("--json");
    const Outcome json_run = RunWith(args);
    EXPECT_EQ(json_run.code, kExitFailure);
    EXPECT_EQ(json_run.out, "");
    const json record = json::parse(json_run.err);
    EXPECT_EQ(record["tool"], c.args.front());
    EXPECT_EQ(record["error"]["kind"], c.kind);
    EXPECT_EQ(record["error"]["input"], c.input ? json(c.input) : json(nullptr));
    EXPECT_EQ(text.err.find(record["error"]["message"].get<std::string>()),
              c.warnings.size() + std::string("vapentis-calc " + c.args.front() + "：").size())
        << "the same message as the plain text";
    EXPECT_TRUE(record["inputs"].is_object());
  }
}

// Usage errors exit 2 and show the help of the command that was meant.
struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  const char* help_of;  // text the help shown must hold
  const char* message;  // how standard error starts
};

const UsageCase kUsageCases[] = {
    {"no subcommand", {}, "子命令:", "vapentis-calc：用法错误：请给出子命令：sizing、steam、"},
    {"unknown subcommand",
     {"sizeing"},
     "子命令:",
     "vapentis-calc：用法错误：没有子命令“sizeing”：您是否想输入 sizing？可用的子命令："},
    {"unknown subcommand far from every name",
     {"plot"},
     "子命令:",
     "vapentis-calc：用法错误：没有子命令“plot”。可用的子命令：sizing、"},
    {"unknown option",
     {"sizing", "--thoughput", "5"},
     "--throughput",
     "vapentis-calc sizing：用法错误：--thoughput：您是否想输入 --throughput？"},
    {"mistyped option",
     {"sizing", "--thruput", "5"},
     "--throughput",
     "vapentis-calc sizing：用法错误：--thruput：您是否想输入 --throughput？"},
    {"option with an underscore",
     {"pump", "--specific_gravity=2"},
     "--head",
     "vapentis-calc pump：用法错误：--specific_gravity：您是否想输入 --specific-gravity？"},
    {"option without value",
     {"sizing", "--feed"},
     "--feed",
     "vapentis-calc sizing：用法错误：--feed 后面缺少取值"},
    {"option given twice",
     {"sizing", "--feed", "1", "--feed", "2"},
     "--feed",
     "vapentis-calc sizing：用法错误：--feed 只能给出一次"},
    {"stray argument",
     {"sizing", "5"},
     "--throughput",
     "vapentis-calc sizing：用法错误：多余的参数“5”：输入要写成选项，如 --throughput 5"},
    {"batch takes no options",
     {"batch", "--json"},
     "batch",
     "vapentis-calc batch：用法错误：未知的选项 --json"},
    {"steam mode none",
     {"steam", "--mode", "none"},
     "--mode",
     "vapentis-calc steam：用法错误：--mode 只能取 pressure、temperature 之一"},
    {"fluid state not offered",
     {"pipe", "--state", "gas"},
     "--state",
     "vapentis-calc pipe：用法错误：--state 只能取 steam、liquid 之一"},
    {"option of another tool",
     {"pump", "--area", "5"},
     "--safety-factor",
     "vapentis-calc pump：用法错误：未知的选项 --area"},
    {"pressure in temperature mode",
     {"steam", "--mode", "temperature", "--pressure", "0.2"},
     "--mode",
     "vapentis-calc steam：用法错误：--pressure 只在 --mode 为 pressure 时读取，而 --mode 是 "
     "temperature"},
    {"pressure and temperature together",
     {"steam", "--pressure", "0.2", "--temperature", "130"},
     "--mode",
     "vapentis-calc steam：用法错误：--pressure 与 --temperature 分别只在 --mode 为 pressure 和 "
     "temperature 时读取，不能同时给出"},
    {"density of a steam pipe",
     {"pipe", "--state", "steam", "--density", "800"},
     "--state",
     "vapentis-calc pipe：用法错误：--density 只在 --state 为 liquid 时读取，而 --state 是 steam"},
};

TEST(CalcCommand, UsageErrorExitsTwoWithHelp) {
  for (const UsageCase& c : kUsageCases) {
    SCOPED_TRACE(c.name);
    const Outcome run = RunWith(c.args);
    EXPECT_EQ(run.code, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind(c.message, 0), 0U) << run.err;
    EXPECT_NE(run.err.find(c.help_of), std::string::npos) << run.err;
  }
}

TEST(CalcCommand, HelpOfEverySubcommandListsItsInputsWithUnitsAndDefaults) {
  for (const ToolDescription* tool : Tools()) {
    SCOPED_TRACE(tool->name);
    const Outcome run = RunWith({std::string(tool->name), "--help"});
    EXPECT_EQ(run.code, kExitSuccess);
    for (const InputDescription& input : tool->inputs) {
      const std::size_t option = run.out.find(OptionName(input) + " 值");
      ASSERT_NE(option, std::string::npos) << input.key;
      const std::size_t equals = run.out.find('=', option) + 1;
      const std::size_t end = run.out.find_first_of(" \n", equals);
      EXPECT_EQ(run.out.substr(equals, end - equals), DefaultText(input))
          << input.key << ": the default follows the option";
      EXPECT_NE(run.out.find(Caption(input)), std::string::npos) << input.key;
    }
    EXPECT_NE(run.out.find("英文句点"), std::string::npos) << "names the decimal separator";
  }
  const Outcome main_help = RunWith({"--help"});
  EXPECT_EQ(main_help.code, kExitSuccess);
  for (const ToolDescription* tool : Tools()) {
    EXPECT_NE(main_help.out.find(tool->name), std::string::npos);
  }
  EXPECT_NE(RunWith({"batch", "--help"}).out.find("MalformedJson"), std::string::npos);
}

// Each input has its option, and the option sets that input and no other: a text
// given to it alone shows under its key in the record, every other input at its default.
TEST(CalcCommand, EveryInputIsSetByItsOwnOption) {
  for (const ToolDescription* tool : Tools()) {
    for (const InputDescription& input : tool->inputs) {
      SCOPED_TRACE(std::string(tool->name) + " " + std::string(input.key));
      const std::string given =
          input.choices.empty() ? "7.25" : std::string(input.choices.back().key);
      const Outcome run = RunWith({std::string(tool->name), OptionName(input), given, "--json"});
      ASSERT_NE(run.code, kExitUsage) << run.err;
      const json record = json::parse(run.code == kExitSuccess ? run.out : run.err);
      for (const InputDescription& other : tool->inputs) {
        if (&other == &input) {
          EXPECT_EQ(record["inputs"][other.key], given);
        } else if (other.choices.empty()) {
          EXPECT_EQ(record["inputs"][other.key], DefaultText(other)) << other.key;
        }
      }
    }
  }
}

TEST(CalcCommand, VersionNamesTheProgram) {
  const Outcome run = RunWith({"--version"});
  EXPECT_EQ(run.code, kExitSuccess);
  EXPECT_EQ(run.out.rfind("vapentis-calc ", 0), 0U) << run.out;
}

}  // namespace
}  // namespace vapentis::cli
