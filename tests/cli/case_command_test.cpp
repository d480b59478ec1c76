#include "cli/case_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "core/case/case_file.h"
#include "core/sheet/running_cost.h"
#include "core/sheet/sheet.h"

namespace vapentis::cli {
namespace {

constexpr const char* kPumpLines = "泵的计算功率=4.3kW\n选择比计算值稍大的额定电机\n";

// A file in the test's folder holding these bytes; its path.
std::string FileOf(const std::string& name, const std::string& bytes) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string CaseFileOf(const std::string& name, const Case& c) {
  return FileOf(name, WriteCase(c, "2026-12-09T10:15:00+08:00"));
}

CaseTool& ToolIn(Case& c, std::string_view name) {
  return *std::find_if(c.tools.begin(), c.tools.end(),
                       [name](const CaseTool& tool) { return tool.tool->name == name; });
}

// The pump pressed with other inputs first, the steam tool second and never
// pressed, the sizing third, pressed at its start texts.
Case PumpAndSizing() {
  Case c = StartCase();
  CaseTool& pump = ToolIn(c, "pump");
  pump["flow"] = "50";
  pump["head"] = "20";
  pump["specific_gravity"] = "1";
  pump["efficiency"] = "0.7";
  pump["safety_factor"] = "1.1";
  pump.calculated = true;
  ToolIn(c, "sizing").calculated = true;
  const auto place = [&c](std::string_view name) {
    return std::find_if(c.tools.begin(), c.tools.end(),
                        [name](const CaseTool& tool) { return tool.tool->name == name; });
  };
  std::rotate(c.tools.begin(), place("pump"), place("pump") + 1);
  std::rotate(c.tools.begin() + 1, place("steam"), place("steam") + 1);
  return c;
}

TEST(CaseCommand, RecalculatesTheCalculatedToolsInTheFilesOrder) {
  const std::string path = CaseFileOf("pump_and_sizing.vapentis", PumpAndSizing());
  const Outcome run = RunWith({"case", path});
  EXPECT_EQ(run.code, kExitSuccess);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, std::string("== 离心泵功率\n") + kPumpLines + "== MVR蒸发器选型\n" +
                         StartUpLines("sizing"));
}

TEST(CaseCommand, JsonGivesBatchsRecordsNumberedByTheToolsPlaceInTheFile) {
  const std::string path = CaseFileOf("pump_and_sizing.vapentis", PumpAndSizing());
  const Outcome run = RunWith({"case", path, "--json"});
  EXPECT_EQ(run.code, kExitSuccess);
  // The pump is the first tool of the file and the sizing the third: a blank line
  // gives batch the same numbers.
  const Outcome batch =
      RunWith({"batch"},
              "{\"tool\":\"pump\",\"flow\":\"50\",\"head\":\"20\",\"specific_gravity\":\"1\","
              "\"efficiency\":\"0.7\",\"safety_factor\":\"1.1\"}\n\n{\"tool\":\"sizing\"}\n");
  ASSERT_EQ(batch.code, kExitSuccess);
  EXPECT_EQ(run.out, batch.out);
  EXPECT_TRUE(run.out.starts_with("{\"line\":1,\"tool\":\"pump\""));
}

TEST(CaseCommand, AllRunsEveryToolAndOneFailureExitsOne) {
  Case c = StartCase();
  ToolIn(c, "pump")["efficiency"] = "0";
  const std::string path = CaseFileOf("every_tool.vapentis", c);
  const Outcome run = RunWith({"case", path, "--all"});
  EXPECT_EQ(run.code, kExitFailure);
  std::vector<std::string> captions;
  for (const std::string& line : SplitLines(run.out)) {
    if (line.starts_with("== ")) captions.push_back(line.substr(3));
  }
  std::vector<std::string> expected;
  for (const ToolDescription* tool : Tools()) expected.emplace_back(tool->menu_caption);
  EXPECT_EQ(captions, expected);
  EXPECT_EQ(run.err,
            "vapentis-calc case：离心泵功率：计算中除数为零。泵的效率为零，无法计算轴功率。"
            "（efficiency \"0\"）\n"
            "vapentis-calc case：" +
                std::to_string(Tools().size()) + "个计算中有1个失败\n");
}

TEST(CaseCommand, SaysSoWhenNoToolWasCalculated) {
  const Outcome run = RunWith({"case", CaseFileOf("start.vapentis", StartCase())});
  EXPECT_EQ(run.code, kExitSuccess);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "vapentis-calc case：算例中没有已计算的工具（--all 计算全部工具）\n");
}

TEST(CaseCommand, AFileThatCannotBeOpenedExitsOneWithItsNameAndTheReason) {
  struct Row {
    const char* name;
    std::string path;
    const char* reason;
  };
  const std::string folder = ::testing::TempDir() + "a_folder.vapentis";
  std::filesystem::create_directories(folder);
  const Row kRows[] = {
      {"empty", FileOf("empty.vapentis", ""), "文件是空的。"},
      {"newer", FileOf("newer.vapentis", R"({"format":"vapentis-case","version":99})"),
       "由较新版本的Vapentis保存，请升级后打开（文件的格式版本为99，本程序能打开的最高版本为1）。"},
      {"missing", ::testing::TempDir() + "no_such_case.vapentis", "文件不存在或无法读取。"},
      {"a folder", folder, "这是一个文件夹，不是算例文件。"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const Outcome run = RunWith({"case", row.path});
    EXPECT_EQ(run.code, kExitFailure);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "vapentis-calc case：无法打开算例“" + row.path + "”：" + row.reason + "\n");
  }
}

// Whether the text is a time written yyyy-MM-ddTHH:mm:ss±hh:mm.
bool IsIsoTimeWithOffset(std::string_view text) {
  constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:dd+dd:dd";
  if (text.size() != kShape.size()) return false;
  for (std::size_t i = 0; i < kShape.size(); ++i) {
    const char c = text[i];
    const bool fits = kShape[i] == 'd'   ? c >= '0' && c <= '9'
                      : kShape[i] == '+' ? c == '+' || c == '-'
                                         : c == kShape[i];
    if (!fits) return false;
  }
  return true;
}

TEST(CaseCommand, TheTemplateIsTheStartCaseSavedNow) {
  const Outcome run = RunWith({"case", "--template"});
  EXPECT_EQ(run.code, kExitSuccess);
  EXPECT_EQ(run.err, "");
  constexpr std::string_view kSavedMember = "\"saved\": \"";
  const std::size_t start = run.out.find(kSavedMember);
  ASSERT_NE(start, std::string::npos) << run.out;
  const std::size_t from = start + kSavedMember.size();
  const std::string saved = run.out.substr(from, run.out.find('"', from) - from);
  EXPECT_TRUE(IsIsoTimeWithOffset(saved)) << saved;
  EXPECT_EQ(run.out, WriteCase(StartCase(), saved));
}

#ifndef _WIN32
TEST(CaseCommand, WritesTheLocalTimeWithItsOffset) {
  struct Row {
    const char* zone;  // POSIX TZ, which needs no time zone database
    const char* text;  // of the first second of 1970, UTC
  };
  const Row kRows[] = {
      {"UTC0", "1970-01-01T00:00:00+00:00"},
      {"CST-8", "1970-01-01T08:00:00+08:00"},
      {"EST+5", "1969-12-31T19:00:00-05:00"},
      {"IST-5:30", "1970-01-01T05:30:00+05:30"},
  };
  const char* was = std::getenv("TZ");
  const std::string saved_zone = was != nullptr ? was : "";
  for (const Row& row : kRows) {
    setenv("TZ", row.zone, 1);
    tzset();
    EXPECT_EQ(IsoLocalTime(0), row.text) << row.zone;
  }
  if (was != nullptr) {
    setenv("TZ", saved_zone.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
}
#endif

TEST(CaseCommand, UsageErrorsExitTwo) {
  struct Row {
    const char* name;
    std::vector<std::string> args;
    const char* message;
  };
  const std::string path = CaseFileOf("start.vapentis", StartCase());
  const Row kRows[] = {
      {"no file", {"case"}, "请给出算例文件，或用 --template 输出一个初始算例"},
      {"a file and the template",
       {"case", path, "--template"},
       "--template 不能与算例文件、--json 或 --all 同用"},
      {"the template as JSON",
       {"case", "--template", "--json"},
       "--template 不能与算例文件、--json 或 --all 同用"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const Outcome run = RunWith(row.args);
    EXPECT_EQ(run.code, kExitUsage);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("vapentis-calc case：用法错误：" + std::string(row.message)))
        << run.err;
  }
}

TEST(CaseCommand, TextsFromTheFileCannotSteerTheTerminal) {
  Case c = StartCase();
  ToolIn(c, "channel")["designation"] = "\x1b[2J\xC2\x9B";
  ToolIn(c, "channel").calculated = true;
  const std::string path = CaseFileOf("escape.vapentis", c);
  const Outcome plain = RunWith({"case", path});
  EXPECT_EQ(plain.code, kExitFailure);
  EXPECT_EQ(plain.out.find('\x1b'), std::string::npos);
  EXPECT_EQ(plain.err.find('\x1b'), std::string::npos);
  EXPECT_EQ(plain.err.find("\xC2\x9B"), std::string::npos);
  EXPECT_TRUE(plain.err.starts_with(
      "vapentis-calc case：国标槽钢查询：没有规格为“\xEF\xBF\xBD[2J\xEF\xBF\xBD”的槽钢"))
      << plain.err;
  const Outcome json = RunWith({"case", path, "--json"});
  EXPECT_NE(json.out.find("\\u001b[2J"), std::string::npos) << json.out;
}

// The sheet the core builds of the file's pressed tools, header and prices.
Sheet SheetOf(const Case& c, const std::string& date) {
  std::vector<InputTexts> requests;
  for (const CaseTool& tool : c.tools) {
    if (tool.calculated) requests.push_back(tool.Request());
  }
  return BuildSheet({c.header.project, c.header.client, c.header.author, date}, requests,
                    c.running_cost, '.');
}

Case QuotedCase() {
  Case c = PumpAndSizing();
  c.header = {"一期", "某厂", "王工"};
  c.running_cost[kHoursInput] = "8000";
  return c;
}

TEST(CaseCommand, TheSheetOfACaseHoldsItsCalculatedToolsHeaderAndPricesAndReadsNoInput) {
  const Case c = QuotedCase();
  const std::string path = CaseFileOf("quoted.vapentis", c);
  const Outcome run =
      RunWith({"sheet", "--case", path, "--format", "text", "--date", "2024-03-15"}, "not json\n");
  EXPECT_EQ(run.code, kExitSuccess) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, SheetText(SheetOf(c, "2024-03-15")));
  for (const char* line : {"1 离心泵功率\n", "2 MVR蒸发器选型\n", "项目名称\t一期\n",
                           "客户\t某厂\n", "计算人\t王工\n", "MVR年电费=100.3万元\n"}) {
    EXPECT_NE(run.out.find(line), std::string::npos) << line;
  }
}

TEST(CaseCommand, TheSheetsOptionsOverrideTheCase) {
  struct Row {
    const char* name;
    std::vector<std::string> args;
    const char* line;  // a line the sheet must hold
  };
  const Row kRows[] = {
      {"project", {"--project", "二期"}, "项目名称\t二期\n"},
      {"an empty client", {"--client", ""}, "客户\t\n"},
      {"hours", {"--hours", "7200"}, "MVR年电费=90.3万元\n"},
  };
  const std::string path = CaseFileOf("quoted.vapentis", QuotedCase());
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    std::vector<std::string> args = {"sheet", "--case", path, "--format", "text"};
    args.insert(args.end(), row.args.begin(), row.args.end());
    const Outcome run = RunWith(args);
    EXPECT_EQ(run.code, kExitSuccess) << run.err;
    EXPECT_NE(run.out.find(row.line), std::string::npos) << run.out;
  }
}

TEST(CaseCommand, NoSheetOfACaseThatCannotBeOpenedOrHoldsNoCalculatedTool) {
  struct Row {
    const char* name;
    std::string path;
    std::string err;
  };
  const std::string empty = FileOf("empty.vapentis", "");
  const Row kRows[] = {
      {"nothing calculated", CaseFileOf("start.vapentis", StartCase()),
       "vapentis-calc sheet：算例中没有已计算的工具，没有输出计算书\n"},
      {"an empty file", empty, "vapentis-calc sheet：无法打开算例“" + empty + "”：文件是空的。\n"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const Outcome run = RunWith({"sheet", "--case", row.path}, "{\"tool\":\"pump\"}\n");
    EXPECT_EQ(run.code, kExitFailure);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, row.err);
  }
}

}  // namespace
}  // namespace vapentis::cli
