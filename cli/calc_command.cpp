#include "cli/calc_command.h"

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "catalog/tool_catalog.h"
#include "cli/batch.h"
#include "cli/output.h"
#include "cli/tools.h"
#include "numeric/numeric.h"

#ifndef VAPENTIS_VERSION
#define VAPENTIS_VERSION "unknown"
#endif

namespace vapentis::cli {

namespace {

constexpr const char* kMainFooter =
    "数字按窗口的规则读取，小数点一律为英文句点“.”（如 0.1013、.5、1.5E3）；"
    "每个选项的缺省值就是窗口中输入框的初始文字。\n"
    "输出：默认为窗口中的结果行，每行一行；--json 输出一个JSON对象"
    "（tool、inputs、figures、lines）。失败时在标准错误输出失败的原因"
    "（--json 时为 {\"error\":{\"kind\",\"message\",\"input\"}}）。\n"
    "退出码：0 成功；1 计算失败，或批处理中有失败的行；2 命令行用法错误。";

constexpr const char* kToolFooter =
    "小数点为英文句点“.”。--json 输出 {\"tool\",\"inputs\",\"figures\",\"lines\"}，"
    "figures 中每个数值均为JSON数字。\n"
    "退出码：0 成功；1 计算失败（原因写到标准错误）；2 命令行用法错误。";

constexpr const char* kBatchFooter =
    "标准输入每行一个JSON对象，例如 {\"tool\":\"sizing\",\"throughput\":\"5\",\"feed\":10}："
    "\"tool\" 为子命令名，其余的键为该子命令的选项名（去掉“--”，“-”写作“_”，如 "
    "specific_gravity）；未给出的输入取窗口的初始文字；输入可写成字符串，也可写成JSON数字"
    "（按其JSON文字原样读取）。\n"
    "标准输出每行一个JSON对象，顺序与输入相同，带行号 \"line\"；成功的行同 --json 的输出，"
    "失败的行带 \"error\":{\"kind\",\"message\",\"input\"}，之后的行照常计算。空行跳过；"
    "超过1 MiB的行不读取并报错。\n"
    "kind：NotANumber、DivisionByZero、Overflow、InvalidArgument（计算失败）；"
    "MalformedJson、NotAnObject、MissingTool、UnknownTool、UnknownInput、DuplicateInput、"
    "InvalidInputValue、LineTooLong（请求有误）。\n"
    "退出码：每一行都成功为0，否则为1（失败的行数写到标准错误）。";

// What --help says of an input: its caption, meaning, unit and accuracy, and
// the choices or list items it takes.
std::string OptionHelp(const InputDescription& input) {
  std::string help(input.caption);
  const std::string hint = InputHint(input);
  if (!hint.empty()) help += "：" + hint;
  if (!input.choices.empty()) {
    help += "（";
    for (const Choice& choice : input.choices) {
      if (&choice != &input.choices.front()) help += "，";
      help += std::string(choice.key) + " " + std::string(choice.caption);
    }
    help += "）";
  }
  if (!input.read_when.input.empty()) {
    help += "（只在 " + std::string(input.read_when.choice) + " 时读取）";
  }
  if (!input.list.empty()) help += "（" + std::string(input.list) + "）";
  return help;
}

struct ToolCommand {
  const ToolDescription* tool = nullptr;
  CLI::App* app = nullptr;
  std::vector<std::string> texts;
  bool json = false;
};

// Plain output gives each warning a line of standard error, before the result.
void PrintWarnings(const ToolCommand& command, const std::vector<std::string>& warnings,
                   std::ostream& err) {
  for (const std::string& warning : warnings) {
    err << "vapentis-calc " << command.tool->name << "：注意：" << warning << '\n';
  }
}

void ReportFailure(const ToolCommand& command, const CalcFailure& failure,
                   const std::vector<std::string>& warnings, std::ostream& err) {
  if (command.json) {
    JsonWriter json;
    json.BeginObject();
    WriteFailureMembers(json, *command.tool, command.texts, failure, warnings);
    json.EndObject();
    err << json.text() << '\n';
    return;
  }
  PrintWarnings(command, warnings, err);
  err << "vapentis-calc " << command.tool->name << "：" << failure.what();
  for (std::size_t i = 0; i < command.tool->inputs.size(); ++i) {
    if (command.tool->inputs[i].key == failure.input()) {
      err << "（" << OptionName(command.tool->inputs[i]) << " \"" << command.texts[i] << "\"）";
    }
  }
  err << '\n';
}

int RunTool(const ToolCommand& command, std::ostream& out, std::ostream& err) {
  const std::vector<std::string> warnings = RangeWarnings(*command.tool, command.texts);
  ToolOutcome output;
  try {
    output = command.tool->calculate(command.texts, '.');
  } catch (const CalcFailure& failure) {
    ReportFailure(command, failure, warnings, err);
    return kExitFailure;
  }
  if (command.json) {
    JsonWriter json;
    json.BeginObject();
    WriteResultMembers(json, *command.tool, command.texts, output, warnings);
    json.EndObject();
    out << json.text() << '\n';
  } else {
    PrintWarnings(command, warnings, err);
    WriteLines(out, output);
    if (!output.notice.empty())
      err << "vapentis-calc " << command.tool->name << "：" << output.notice << '\n';
  }
  return kExitSuccess;
}

int RunBatchCommand(std::istream& in, std::ostream& out, std::ostream& err) {
  const BatchCounts counts = RunBatch(in, out);
  if (counts.read_error) {
    err << "vapentis-calc batch：读取标准输入失败\n";
    return kExitFailure;
  }
  if (counts.failed > 0) {
    err << "vapentis-calc batch：" << counts.requests << "行中有" << counts.failed << "行失败\n";
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace

int RunCalc(int argc, const char* const* argv, std::istream& in, std::ostream& out,
            std::ostream& err) {
  CLI::App app{"Vapentis 命令行计算：与窗口程序同样的计算、同样的结果。", "vapentis-calc"};
  app.require_subcommand(1);
  app.set_version_flag("--version", "vapentis-calc " VAPENTIS_VERSION);
  app.footer(kMainFooter);

  std::vector<ToolCommand> commands(Tools().size());
  for (std::size_t t = 0; t < Tools().size(); ++t) {
    ToolCommand& command = commands[t];
    command.tool = Tools()[t];
    command.app =
        app.add_subcommand(std::string(command.tool->name), std::string(command.tool->summary));
    command.app->footer(kToolFooter);
    command.texts.reserve(command.tool->inputs.size());
    for (const InputDescription& input : command.tool->inputs)
      command.texts.emplace_back(DefaultText(input));
    for (std::size_t i = 0; i < command.tool->inputs.size(); ++i) {
      const InputDescription& input = command.tool->inputs[i];
      CLI::Option* option =
          command.app->add_option(OptionName(input), command.texts[i], OptionHelp(input))
              ->type_name("TEXT")
              ->capture_default_str();
      if (!input.choices.empty()) {
        std::vector<std::string> keys;
        for (const Choice& choice : input.choices) keys.emplace_back(choice.key);
        option->check(CLI::IsMember(keys));
      }
    }
    command.app->add_flag("--json", command.json, "输出一个JSON对象，而不是结果行");
  }
  CLI::App* describe = app.add_subcommand(
      "describe", "以一个JSON对象列出每个工具及其输入：键、标题、单位、初始文字、提示和范围");
  CLI::App* batch = app.add_subcommand(
      "batch", "批处理：从标准输入读取JSON Lines，每行一个计算，每行输出一个JSON结果");
  batch->footer(kBatchFooter);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, out, err);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, out, err);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e, out, err);
  } catch (const CLI::ParseError& e) {
    err << "vapentis-calc：用法错误：" << e.what() << "\n\n" << app.help();
    return kExitUsage;
  }

  int code = kExitSuccess;
  if (batch->parsed()) {
    code = RunBatchCommand(in, out, err);
  } else if (describe->parsed()) {
    JsonWriter json;
    json.BeginObject();
    WriteDescriptions(json);
    json.EndObject();
    out << json.text() << '\n';
  } else {
    for (const ToolCommand& command : commands) {
      if (command.app->parsed()) code = RunTool(command, out, err);
    }
  }
  out.flush();
  if (!out) {
    err << "vapentis-calc：写入标准输出失败\n";
    return kExitFailure;
  }
  return code;
}

}  // namespace vapentis::cli
