#include "cli/case_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <vector>

#include "cli/calc_command.h"
#include "cli/output.h"
#include "core/catalog/program_info.h"
#include "core/description/presenter.h"
#include "core/text/utf8.h"

namespace vapentis::cli {

namespace {

constexpr const char* kSummary =
    "算例：按窗口的计算重新计算算例文件（.vapentis）中已计算的工具，或输出一个初始算例";

constexpr const char* kFooter =
    "算例文件由窗口程序保存：每个工具的输入、计算书的表头和运行费用，以及哪些工具已计算。\n"
    "输出：按算例中的顺序，每个已计算的工具先输出一行“== 工具名”，再输出它的结果行；"
    "--json 每个工具输出一行JSON，与 batch 的输出相同，\"line\" 为该工具在算例中的序号"
    "（从1起）。--all 计算算例中的全部工具。小数点为英文句点“.”。\n"
    "--template 在标准输出写出一个初始算例：各输入为窗口的初始文字，没有已计算的工具。\n"
    "退出码：0 全部成功；1 有计算失败，或算例无法打开（原因写到标准错误）；2 命令行用法错误。";

// Control characters, C1 ones included, and bytes that are no UTF-8 as U+FFFD: a text from a file
// must not steer the terminal it is printed on.
std::string TerminalSafe(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceLength(text.substr(i));
    const auto lead = static_cast<unsigned char>(text[i]);
    const bool c0 = length == 1 && (lead < 0x20 || lead == 0x7F);
    const bool c1 = length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
    if (length == 0 || c0 || c1) {
      out += kReplacementCharacter;
    } else {
      out.append(text, i, length);
    }
    i += std::max<std::size_t>(length, 1);
  }
  return out;
}

// Days since 1970-01-01 of the date in `tm`.
long long DaysOf(const std::tm& tm) {
  const std::chrono::sys_days day{std::chrono::year{tm.tm_year + 1900} /
                                  std::chrono::month{static_cast<unsigned>(tm.tm_mon + 1)} /
                                  std::chrono::day{static_cast<unsigned>(tm.tm_mday)}};
  return day.time_since_epoch().count();
}

long long SecondsOf(const std::tm& tm) {
  return DaysOf(tm) * 86'400 + tm.tm_hour * 3'600LL + tm.tm_min * 60LL + tm.tm_sec;
}

}  // namespace

std::variant<Case, std::string> LoadCase(const std::string& path) {
  const std::filesystem::path file(
      std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) {
    return CaseRefusalMessage(path, "这是一个文件夹，不是算例文件。");
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) return CaseRefusalMessage(path, "文件不存在或无法读取。");
  // One byte past the limit is enough for the reader to refuse the file as too large.
  std::string bytes;
  std::vector<char> chunk(1U << 16U);
  while (bytes.size() <= kMaxCaseFileBytes) {
    in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    if (!in) break;
  }
  if (in.bad()) return CaseRefusalMessage(path, "读取文件失败。");
  std::variant<Case, CaseRefusal> read = ReadCase(bytes);
  if (auto* refusal = std::get_if<CaseRefusal>(&read)) {
    return CaseRefusalMessage(path, refusal->reason);
  }
  return std::get<Case>(std::move(read));
}

std::string IsoLocalTime(std::time_t time) {
  std::tm local{};
  std::tm utc{};
#ifdef _WIN32
  localtime_s(&local, &time);
  gmtime_s(&utc, &time);
#else
  localtime_r(&time, &local);
  gmtime_r(&time, &utc);
#endif
  // The local fields read as if they were UTC lie the offset ahead of the instant.
  const long long offset_minutes = (SecondsOf(local) - SecondsOf(utc)) / 60;
  char text[32] = {};
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  const long long minutes = std::llabs(offset_minutes);
  const auto two_digits = [](long long n) {
    return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
  };
  return std::string(text) + (offset_minutes < 0 ? "-" : "+") + two_digits(minutes / 60) + ":" +
         two_digits(minutes % 60);
}

CaseCommand::CaseCommand(CLI::App& subcommand) : app_(&subcommand) {
  app_->description(kSummary);
  app_->footer(kFooter);
  app_->add_option("file", file_, "算例文件（.vapentis）")->type_name("文件");
  app_->add_flag("--json", json_, "每个工具输出一行JSON，而不是结果行");
  app_->add_flag("--all", all_, "计算算例中的全部工具，而不只是已计算的工具");
  app_->add_flag("--template", template_, "在标准输出写出一个初始算例");
}

std::optional<std::string> CaseCommand::UsageProblem() const {
  if (template_ && (!file_.empty() || json_ || all_)) {
    return "--template 不能与算例文件、--json 或 --all 同用";
  }
  if (!template_ && file_.empty()) return "请给出算例文件，或用 --template 输出一个初始算例";
  return std::nullopt;
}

int CaseCommand::Run(std::ostream& out, std::ostream& err) const {
  const std::string prefix = std::string(program::kCommandName) + " " + app_->get_name() + "：";
  if (template_) {
    out << WriteCase(StartCase(), IsoLocalTime(std::time(nullptr)));
    return kExitSuccess;
  }
  const std::variant<Case, std::string> loaded = LoadCase(file_);
  if (const auto* message = std::get_if<std::string>(&loaded)) {
    err << prefix << *message << '\n';
    return kExitFailure;
  }
  const Case& opened = std::get<Case>(loaded);
  std::size_t ran = 0;
  std::size_t failed = 0;
  JsonWriter json;
  for (std::size_t place = 1; place <= opened.tools.size(); ++place) {
    const CaseTool& tool = opened.tools[place - 1];
    if (!all_ && !tool.calculated) continue;
    ++ran;
    const InputTexts request = tool.Request();
    const Presented presented = Present(request, '.');
    if (!presented.Succeeded()) ++failed;
    if (json_) {
      json.Clear();
      json.BeginObject();
      json.Key("line");
      json.Integer(place);
      WriteRecordMembers(json, request, presented);
      json.EndObject();
      out << json.text() << '\n';
      continue;
    }
    const std::string where = prefix + std::string(tool.tool->menu_caption) + "：";
    out << "== " << tool.tool->menu_caption << '\n';
    for (const std::string& warning : presented.warnings) {
      err << where << "注意：" << TerminalSafe(warning) << '\n';
    }
    // Lines without values still show, as the window shows them.
    if (presented.outcome) {
      for (const std::string& line : presented.outcome->lines) out << TerminalSafe(line) << '\n';
    }
    if (const std::optional<Failed>& failure = presented.failure) {
      err << where << TerminalSafe(failure->message());
      if (failure->culprit != nullptr && !presented.outcome) {
        err << "（" << failure->culprit->key << " \"" << TerminalSafe(tool[failure->culprit->key])
            << "\"）";
      }
      err << '\n';
    }
  }
  if (ran == 0) err << prefix << "算例中没有已计算的工具（--all 计算全部工具）\n";
  if (failed > 0) {
    err << prefix << ran << "个计算中有" << failed << "个失败\n";
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace vapentis::cli
