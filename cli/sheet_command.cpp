#include "cli/sheet_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <iterator>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/batch.h"
#include "cli/calc_command.h"
#include "cli/case_command.h"
#include "cli/output.h"
#include "cli/sheet_json.h"
#include "cli/tools.h"
#include "core/catalog/program_info.h"
#include "core/sheet/running_cost.h"
#include "core/text/json_text.h"

namespace vapentis::cli {

namespace {

constexpr const char* kSummary =
    "计算书：从标准输入读取JSON Lines（同 "
    "batch）或读取算例文件，输出一份计算书（HTML、文本或JSON）";

constexpr const char* kFooter =
    "标准输入每行一个计算请求，写法与 batch 相同，例如 "
    "{\"tool\":\"sizing\",\"throughput\":5,\"feed\":10,\"product\":40}；"
    "计算书按请求的顺序每个请求一节：输入表、结果行、说明和计算依据；"
    "选型一节另有运行费用估算，按上面四个运行费用选项计算。\n"
    "--case 算例文件：计算书取算例中已计算的工具（按算例中的顺序）、表头和运行费用，"
    "不读标准输入；命令行上给出的表头和运行费用选项优先于算例。\n"
    "格式：--format html（缺省）输出一个独立的HTML文件；text 输出以制表符分隔的文本，"
    "可粘贴到 Excel 或 WPS 表格；json 输出计算书本身，数值为JSON数字。\n"
    "退出码：0 成功；1 有计算失败（该节写明失败原因，其他各节照常）、有一行不是有效的请求"
    "（写到标准错误，带行号，不输出计算书）、没有请求，或算例无法打开；2 命令行用法错误。";

constexpr std::string_view kFormats[] = {"html", "text", "json"};

// The day in the local time zone, as yyyy-MM-dd.
std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char text[16] = {};
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

// Whether the text is a day of the calendar written yyyy-MM-dd.
bool IsDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  int fields[3] = {0, 0, 0};
  int field = 0;
  for (const char c : text) {
    if (c == '-') {
      ++field;
    } else if (c >= '0' && c <= '9') {
      fields[field] = fields[field] * 10 + (c - '0');
    } else {
      return false;
    }
  }
  const std::chrono::year_month_day day{std::chrono::year{fields[0]},
                                        std::chrono::month{static_cast<unsigned>(fields[1])},
                                        std::chrono::day{static_cast<unsigned>(fields[2])}};
  return day.ok();
}

}  // namespace

SheetCommand::SheetCommand(CLI::App& subcommand) : app_(&subcommand) {
  app_->description(kSummary);
  app_->footer(kFooter);
  app_->add_option("--case", case_file_, "算例文件（.vapentis），代替标准输入的请求")
      ->type_name("文件");
  app_->add_option("--format", format_, "输出格式：html、text 或 json")
      ->type_name("格式")
      ->capture_default_str();
  app_->add_option("--project", header_.project, "项目名称")->type_name("文字");
  app_->add_option("--client", header_.client, "客户")->type_name("文字");
  app_->add_option("--author", header_.author, "计算人")->type_name("文字");
  app_->add_option("--date", header_.date, "日期，写作 yyyy-MM-dd；缺省为今天")->type_name("日期");
  SetDefaultTexts(RunningCostDescription(), assumptions_);
  for (const InputDescription& input : RunningCostDescription().inputs) {
    std::string help = "运行费用估算：" + Caption(input);
    if (const std::string hint = InputHint(input); !hint.empty()) help += "：" + hint;
    app_->add_option(OptionName(input), assumptions_[input.key], help)
        ->type_name("值")
        ->capture_default_str();
  }
}

std::optional<std::string> SheetCommand::UsageProblem() const {
  if (std::find(std::begin(kFormats), std::end(kFormats), format_) == std::end(kFormats)) {
    return "--format 只能取 html、text、json 之一";
  }
  if (!header_.date.empty() && !IsDate(header_.date)) {
    return "--date 应为 yyyy-MM-dd 形式的日期，如 2024-03-15";
  }
  return std::nullopt;
}

std::string SheetCommand::Prefix() const {
  return std::string(program::kCommandName) + " " + app_->get_name() + "：";
}

bool SheetCommand::ReadRequests(std::istream& in, std::vector<InputTexts>& requests,
                                std::ostream& err) const {
  const std::string prefix = Prefix();
  RequestReader reader;
  LineReader lines(in);
  bool not_requests = false;
  std::uint64_t number = 0;
  std::string_view line;
  for (LineRead read; (read = lines.Next(line)) != LineRead::End;) {
    if (read == LineRead::Failed) {
      err << prefix << "读取标准输入失败\n";
      return false;
    }
    ++number;
    if (read == LineRead::TooLong) {
      err << prefix << "用法错误：第" << number << "行超过" << kMaxLineBytes << "字节，没有读取\n";
      not_requests = true;
      continue;
    }
    if (IsBlankLine(line)) continue;
    InputTexts texts;
    if (const std::optional<RequestProblem> problem = reader.Read(line, texts)) {
      err << prefix << "用法错误：第" << number << "行不是有效的请求：" << problem->message << '\n';
      not_requests = true;
    } else {
      requests.push_back(std::move(texts));
    }
  }
  if (not_requests) return false;
  if (requests.empty()) {
    err << prefix << "标准输入中没有计算请求，没有输出计算书\n";
    return false;
  }
  return true;
}

bool SheetCommand::ReadCaseFile(std::vector<InputTexts>& requests, SheetHeader& header,
                                InputTexts& assumptions, std::ostream& err) const {
  const std::variant<Case, std::string> loaded = LoadCase(case_file_);
  if (const auto* message = std::get_if<std::string>(&loaded)) {
    err << Prefix() << *message << '\n';
    return false;
  }
  const Case& opened = std::get<Case>(loaded);
  for (const CaseTool& tool : opened.tools) {
    if (tool.calculated) requests.push_back(tool.Request());
  }
  if (requests.empty()) {
    err << Prefix() << "算例中没有已计算的工具，没有输出计算书\n";
    return false;
  }
  const auto given = [this](const std::string& option) {
    return app_->get_option(option)->count() > 0;
  };
  if (!given("--project")) header.project = opened.header.project;
  if (!given("--client")) header.client = opened.header.client;
  if (!given("--author")) header.author = opened.header.author;
  for (const InputDescription& input : RunningCostDescription().inputs) {
    if (!given(OptionName(input))) assumptions[input.key] = opened.running_cost[input.key];
  }
  return true;
}

int SheetCommand::Run(std::istream& in, std::ostream& out, std::ostream& err) const {
  const std::string prefix = Prefix();
  std::vector<InputTexts> requests;
  SheetHeader header = header_;
  InputTexts assumptions = assumptions_;
  const bool from_case = app_->get_option("--case")->count() > 0;
  const bool read = from_case ? ReadCaseFile(requests, header, assumptions, err)
                              : ReadRequests(in, requests, err);
  if (!read) return kExitFailure;

  if (header.date.empty()) header.date = Today();
  const Sheet sheet = BuildSheet(header, requests, assumptions, '.');
  if (format_ == "json") {
    JsonWriter json;
    json.BeginObject();
    WriteSheetMembers(json, sheet);
    json.EndObject();
    out << json.text() << '\n';
  } else {
    out << (format_ == "text" ? SheetText(sheet) : SheetHtml(sheet));
  }
  if (const std::size_t failed = sheet.FailedSections(); failed > 0) {
    err << prefix << sheet.sections.size() << "个计算中有" << failed << "个失败\n";
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace vapentis::cli
