#include "cli/calc_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/batch.h"
#include "cli/case_command.h"
#include "cli/help_format.h"
#include "cli/output.h"
#include "cli/sheet_command.h"
#include "cli/tools.h"
#include "core/catalog/program_info.h"
#include "core/catalog/tool_catalog.h"
#include "core/numeric/numeric.h"

namespace vapentis::cli {

namespace {

constexpr const char* kMainFooter =
    "数字按窗口的规则读取，小数点一律为英文句点“.”（如 0.1013、.5、1.5E3）；"
    "每个选项的缺省值就是窗口中输入框的初始文字。\n"
    "输出：默认为窗口中的结果行，每行一行；--json 输出一个JSON对象"
    "（tool、inputs、figures、lines）。失败时在标准错误输出失败的原因"
    "（--json 时为 {\"error\":{\"kind\",\"message\",\"input\"}}）。"
    "输入超出其有效范围、常见范围或精度范围时给出提醒（--json 时为 \"warnings\"），"
    "不改变结果和退出码；只有 thermal 拒绝超出其定义域的数值（kind 为 OutOfRange，退出码 1）。\n"
    "退出码：0 成功；1 计算失败，或批处理中有失败的行；2 命令行用法错误。";

constexpr const char* kToolFooter =
    "小数点为英文句点“.”。--json 输出 {\"tool\",\"inputs\",\"figures\",\"lines\"}，"
    "figures 中每个数值均为JSON数字。\n"
    "只在某一方式下读取的输入（如 steam 的 --temperature）自动选定该方式；"
    "与所选方式不符的输入是用法错误。\n"
    "退出码：0 成功；1 计算失败，或规格不在列表中（原因写到标准错误）；2 命令行用法错误。";

constexpr const char* kBatchFooter =
    "标准输入每行一个JSON对象，例如 {\"tool\":\"sizing\",\"throughput\":\"5\",\"feed\":10}："
    "\"tool\" 为子命令名，其余的键为该子命令的选项名（去掉“--”，“-”写作“_”，如 "
    "specific_gravity）；未给出的输入取窗口的初始文字；输入可写成字符串，也可写成JSON数字"
    "（按其JSON文字原样读取）。\n"
    "标准输出每行一个JSON对象，顺序与输入相同，带行号 \"line\"；成功的行同 --json 的输出，"
    "失败的行带 \"error\":{\"kind\",\"message\",\"input\"}，之后的行照常计算。空行跳过；"
    "超过1 MiB的行不读取并报错。\n"
    "kind：NotANumber、DivisionByZero、Overflow、InvalidArgument（计算失败）；"
    "OutOfRange（数值超出定义域，只有 thermal 拒绝）；"
    "NotInList（规格不在列表中，结果行照常给出）；"
    "MalformedJson、NotAnObject、MissingTool、UnknownTool、UnknownInput、DuplicateInput、"
    "InvalidInputValue、UnreadInput、LineTooLong（请求有误）。\n"
    "退出码：每一行都成功为0，否则为1（失败的行数写到标准错误）。";

// What --help says of an input: its caption, meaning, unit and accuracy, and
// the choices or list items it takes.
std::string OptionHelp(const InputDescription& input) {
  std::string help = Caption(input);
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
  if (!input.list.empty()) help += "（" + ListText(input) + "）";
  return help;
}

// An option, with the input whose text it sets.
struct InputOption {
  const InputDescription* input;
  CLI::Option* option;
};

struct ToolCommand {
  const ToolDescription* tool = nullptr;
  CLI::App* app = nullptr;
  std::vector<InputOption> options;  // one per input
  InputTexts texts;
  bool json = false;
};

// "vapentis-calc sizing：", or "vapentis-calc：" for the program as a whole.
std::string Prefix(const CLI::App* subcommand) {
  std::string prefix(program::kCommandName);
  if (subcommand != nullptr) prefix += " " + subcommand->get_name();
  return prefix + "：";
}

std::string Prefix(const ToolCommand* command) {
  return Prefix(command != nullptr ? command->app : nullptr);
}

// Plain output gives each warning a line of standard error, before the result.
void PrintWarnings(const ToolCommand& command, const std::vector<std::string>& warnings,
                   std::ostream& err) {
  for (const std::string& warning : warnings)
    err << Prefix(&command) << "注意：" << warning << '\n';
}

// The failure's message; where nothing was calculated, the option to blame with the
// text it was given.
void PrintFailure(const ToolCommand& command, const Presented& presented, std::ostream& err) {
  const Failed& failed = *presented.failure;
  err << Prefix(&command) << failed.message();
  if (const InputDescription* input = failed.culprit;
      input != nullptr && !presented.outcome && FindReadInput(*command.tool, input->key)) {
    err << "（" << OptionName(*input) << " \"" << command.texts[input->key] << "\"）";
  }
  err << '\n';
}

int RunTool(const ToolCommand& command, std::ostream& out, std::ostream& err) {
  const Presented presented = Present(command.texts, '.');
  if (command.json) {
    JsonWriter json;
    json.BeginObject();
    WriteRecordMembers(json, command.texts, presented);
    json.EndObject();
    (presented.Succeeded() ? out : err) << json.text() << '\n';
  } else {
    PrintWarnings(command, presented.warnings, err);
    // Lines without values still show, as the window shows them.
    if (presented.outcome) WriteLines(out, *presented.outcome);
    if (presented.failure) PrintFailure(command, presented, err);
  }
  return presented.Succeeded() ? kExitSuccess : kExitFailure;
}

int RunBatchCommand(const CLI::App* batch, std::istream& in, std::ostream& out, std::ostream& err) {
  const BatchCounts counts = RunBatch(in, out);
  if (counts.read_error) {
    err << Prefix(batch) << "读取标准输入失败\n";
    return kExitFailure;
  }
  if (counts.failed > 0) {
    err << Prefix(batch) << counts.requests << "行中有" << counts.failed << "行失败\n";
    return kExitFailure;
  }
  return kExitSuccess;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : "、") + word;
  return text;
}

// Help in Chinese: the labels CLI11 prints around the options and subcommands.
std::shared_ptr<CLI::Formatter> ChineseFormatter() {
  auto formatter = DisplayWidthFormatter();
  const std::pair<const char*, const char*> kLabels[] = {
      {"Usage", "用法"},         {"OPTIONS", "选项"},  {"SUBCOMMAND", "子命令"},
      {"SUBCOMMANDS", "子命令"}, {"REQUIRED", "必填"}, {"Positionals", "参数"},
  };
  for (const auto& [key, label] : kLabels) formatter->label(key, label);
  formatter->column_width(34);
  return formatter;
}

// A subcommand listed, its help flag grouped and worded as the rest, its
// unknown words left for this program to report.
void SubcommandDefaults(CLI::App* subcommand) {
  subcommand->group("子命令");
  subcommand->option_defaults()->group("选项");
  subcommand->set_help_flag("-h,--help", "显示帮助并退出");
  subcommand->allow_extras();
}

// A usage error: what is wrong, in Chinese, then the help of the command it concerns.
struct UsageError {
  std::string message;
  const CLI::App* subcommand = nullptr;  // nullptr: the program as a whole
};

// The option named at the start of a CLI11 message ("--feed: ...").
std::string OptionOfMessage(const std::string& what) {
  const std::size_t colon = what.find(':');
  return colon == std::string::npos ? std::string{} : what.substr(0, colon);
}

// CLI11's own errors, said in Chinese.
std::string TranslateParseError(const CLI::ParseError& e, const ToolCommand* command) {
  const std::string what = e.what();
  const std::string option = OptionOfMessage(what);
  if (dynamic_cast<const CLI::ValidationError*>(&e) != nullptr && command != nullptr) {
    for (const InputOption& bound : command->options) {
      if (bound.option->check_name(option)) {
        std::vector<std::string> keys;
        for (const Choice& choice : bound.input->choices) keys.emplace_back(choice.key);
        return option + " 只能取 " + Joined(keys) + " 之一";
      }
    }
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
    if (what.find("missing") != std::string::npos) return option + " 后面缺少取值";
    return option + " 只能给出一次";
  }
  return "命令行有误（" + what + "）";
}

std::vector<std::string> SubcommandNames(CLI::App& app) {
  std::vector<std::string> names;
  for (const CLI::App* sub : app.get_subcommands({})) names.push_back(sub->get_name());
  return names;
}

// The arguments CLI11 left over: an unknown subcommand or option, or a stray value.
std::optional<UsageError> LeftOverProblem(CLI::App& app, const ToolCommand* command,
                                          CLI::App* chosen) {
  const std::vector<std::string> left = chosen != nullptr ? chosen->remaining() : app.remaining();
  if (left.empty()) return std::nullopt;
  const std::string& first = left.front();
  const bool looks_like_option = first.rfind("-", 0) == 0;
  if (chosen == nullptr && !looks_like_option) {
    const std::vector<std::string> names = SubcommandNames(app);
    std::string message = "没有子命令“" + first + "”";
    if (const std::string_view near = NearestName(first, names); !near.empty()) {
      message += "：您是否想输入 " + std::string(near) + "？";
    } else {
      message += "。";
    }
    return UsageError{message + "可用的子命令：" + Joined(names), nullptr};
  }
  if (!looks_like_option) {
    std::string message = "多余的参数“" + first + "”：输入要写成选项";
    if (command != nullptr && !command->tool->inputs.empty()) {
      message += "，如 " + OptionName(command->tool->inputs.front()) + " " + first;
    }
    return UsageError{message, chosen};
  }
  std::vector<std::string> names;
  if (chosen != nullptr) {
    for (const CLI::Option* option : chosen->get_options()) {
      for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
    }
  }
  const std::string typed = first.substr(0, first.find('='));
  std::string message = "未知的选项 " + typed;
  if (const std::string_view near = NearestName(typed, names); !near.empty()) {
    message = typed + "：您是否想输入 " + std::string(near) + "？";
  }
  return UsageError{message, chosen};
}

// Options that the chosen mode does not read, or that need different modes.
std::optional<UsageError> ChoiceProblem(ToolCommand& command) {
  std::vector<std::string_view> given;
  for (const InputOption& bound : command.options) {
    if (bound.option->count() > 0) given.push_back(bound.input->key);
  }
  std::string problem = SettleChoices(command.texts, given, OptionName);
  if (problem.empty()) return std::nullopt;
  return UsageError{problem, command.app};
}

}  // namespace

int RunCalc(int argc, const char* const* argv, std::istream& in, std::ostream& out,
            std::ostream& err) {
  CLI::App app{std::string(program::kName) + " 命令行计算：与窗口程序同样的计算、同样的结果。",
               std::string(program::kCommandName)};
  app.formatter(ChineseFormatter());
  app.option_defaults()->group("选项");
  app.set_help_flag("-h,--help", "显示帮助并退出");
  app.set_version_flag("--version",
                       std::string(program::kCommandName) + " " + std::string(program::kVersion),
                       "显示版本并退出");
  // Unknown words are reported here, in Chinese, with a guess at what was meant.
  app.allow_extras();
  app.require_subcommand(0, 1);
  app.footer(kMainFooter);

  std::vector<ToolCommand> commands(Tools().size());
  for (std::size_t t = 0; t < Tools().size(); ++t) {
    ToolCommand& command = commands[t];
    command.tool = Tools()[t];
    command.app =
        app.add_subcommand(std::string(command.tool->name), std::string(command.tool->summary));
    SubcommandDefaults(command.app);
    command.app->footer(kToolFooter);
    SetDefaultTexts(*command.tool, command.texts);
    for (const InputDescription& input : command.tool->inputs) {
      // The option writes straight into the text, which stays where it is.
      CLI::Option* option =
          command.app->add_option(OptionName(input), command.texts[input.key], OptionHelp(input))
              ->type_name("值")
              ->capture_default_str();
      if (!input.choices.empty()) {
        std::vector<std::string> keys;
        for (const Choice& choice : input.choices) keys.emplace_back(choice.key);
        option->check(CLI::IsMember(keys));
      }
      command.options.push_back({&input, option});
    }
    command.app->add_flag("--json", command.json, "输出一个JSON对象，而不是结果行");
  }
  CLI::App* describe = app.add_subcommand(
      "describe", "以一个JSON对象列出每个工具及其输入：键、标题、单位、初始文字、提示和范围");
  SubcommandDefaults(describe);
  CLI::App* batch = app.add_subcommand(
      "batch", "批处理：从标准输入读取JSON Lines，每行一个计算，每行输出一个JSON结果");
  SubcommandDefaults(batch);
  batch->footer(kBatchFooter);
  CLI::App* sheet_app = app.add_subcommand("sheet");
  SubcommandDefaults(sheet_app);
  SheetCommand sheet(*sheet_app);
  CLI::App* case_app = app.add_subcommand("case");
  SubcommandDefaults(case_app);
  CaseCommand case_command(*case_app);

  const auto chosen_command = [&]() -> ToolCommand* {
    for (ToolCommand& command : commands) {
      if (command.app->parsed()) return &command;
    }
    return nullptr;
  };
  const auto chosen_app = [&]() -> CLI::App* {
    for (CLI::App* sub : {describe, batch, sheet_app, case_app}) {
      if (sub->parsed()) return sub;
    }
    ToolCommand* command = chosen_command();
    return command != nullptr ? command->app : nullptr;
  };

  std::optional<UsageError> usage;
  try {
    app.parse(argc, argv);
    ToolCommand* command = chosen_command();
    usage = LeftOverProblem(app, command, chosen_app());
    if (!usage && chosen_app() == nullptr) {
      usage = UsageError{"请给出子命令：" + Joined(SubcommandNames(app)), nullptr};
    }
    if (!usage && command != nullptr) usage = ChoiceProblem(*command);
    if (!usage && sheet_app->parsed()) {
      if (std::optional<std::string> problem = sheet.UsageProblem())
        usage = UsageError{*problem, sheet_app};
    }
    if (!usage && case_app->parsed()) {
      if (std::optional<std::string> problem = case_command.UsageProblem())
        usage = UsageError{*problem, case_app};
    }
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, out, err);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, out, err);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e, out, err);
  } catch (const CLI::ParseError& e) {
    usage = UsageError{TranslateParseError(e, chosen_command()), chosen_app()};
  }
  if (usage) {
    err << Prefix(usage->subcommand) << "用法错误：" << usage->message << "\n\n"
        << (usage->subcommand != nullptr
                ? usage->subcommand->help(std::string(program::kCommandName))
                : app.help());
    return kExitUsage;
  }

  int code = kExitSuccess;
  if (batch->parsed()) {
    code = RunBatchCommand(batch, in, out, err);
  } else if (sheet_app->parsed()) {
    code = sheet.Run(in, out, err);
  } else if (case_app->parsed()) {
    code = case_command.Run(out, err);
  } else if (describe->parsed()) {
    JsonWriter json;
    json.BeginObject();
    WriteDescriptions(json);
    json.EndObject();
    out << json.text() << '\n';
  } else if (ToolCommand* command = chosen_command()) {
    code = RunTool(*command, out, err);
  }
  out.flush();
  if (!out) {
    err << Prefix(static_cast<const CLI::App*>(nullptr)) << "写入标准输出失败\n";
    return kExitFailure;
  }
  return code;
}

}  // namespace vapentis::cli
