#include "core/case/case_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/catalog/tool_catalog.h"
#include "core/sheet/running_cost.h"

namespace vapentis {
namespace {

constexpr std::string_view kSaved = "2026-12-09T10:15:00+08:00";

// A file of this format and version, with `members` on a line of their own, so
// that the columns in a reason count from the members' first character.
std::string File(std::string_view members) {
  std::string file = R"({"format":"vapentis-case","version":1,)";
  file += "\n";
  file += members;
  file += "\n}";
  return file;
}

std::string Repeated(std::string_view piece, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

// The reason the file is refused; empty when it is read.
std::string Refusal(std::string_view bytes) {
  const auto read = ReadCase(bytes);
  if (const auto* refusal = std::get_if<CaseRefusal>(&read)) return refusal->reason;
  return {};
}

Case Read(std::string_view bytes) {
  auto read = ReadCase(bytes);
  if (const auto* refusal = std::get_if<CaseRefusal>(&read)) {
    ADD_FAILURE() << "refused: " << refusal->reason;
    return StartCase();
  }
  return std::get<Case>(std::move(read));
}

CaseTool& ToolIn(Case& c, std::string_view name) {
  for (CaseTool& tool : c.tools) {
    if (tool.tool->name == name) return tool;
  }
  throw std::out_of_range(std::string(name));
}

TEST(CaseFile, WritesOneMemberALineInAStableOrder) {
  Case c = StartCase();
  c.header = {"蒸发站二期", "某化工", "王工"};
  c.running_cost[kHoursInput] = "8000";
  c.tools = {StartTool(*FindTool("sizing")), StartTool(*FindTool("exchanger"))};
  c.tools[0].calculated = true;
  c.tools[1]["pitch"] = "47.5";
  c.shown = "sizing";
  EXPECT_EQ(WriteCase(c, kSaved), R"({
  "format": "vapentis-case",
  "version": 1,
  "program": "Vapentis 2.0.0",
  "saved": "2026-12-09T10:15:00+08:00",
  "header": {
    "project": "蒸发站二期",
    "client": "某化工",
    "author": "王工"
  },
  "running_cost": {
    "electricity_price": "0.7",
    "steam_price": "200",
    "steam_per_ton": "0.4",
    "hours": "8000"
  },
  "tools": [
    {
      "tool": "sizing",
      "inputs": {
        "throughput": "5",
        "feed": "10",
        "product": "40",
        "application": "蒸发结晶"
      },
      "calculated": true
    },
    {
      "tool": "exchanger",
      "inputs": {
        "area": "90",
        "tube_diameter": "38",
        "tube_length": "6",
        "arrangement": "正三角形",
        "pitch": "47.5"
      },
      "calculated": false
    }
  ],
  "shown": "sizing"
}
)");
}

TEST(CaseFile, StartsEveryCatalogToolAtItsStartTextsWithNothingCalculated) {
  const Case start = StartCase();
  ASSERT_EQ(start.tools.size(), Tools().size());
  for (std::size_t t = 0; t < Tools().size(); ++t) {
    const CaseTool& tool = start.tools[t];
    SCOPED_TRACE(Tools()[t]->name);
    EXPECT_EQ(tool.tool, Tools()[t]);
    EXPECT_FALSE(tool.calculated);
    for (const auto inputs : {tool.tool->inputs, tool.tool->shown_only}) {
      for (const InputDescription& input : inputs) EXPECT_EQ(tool[input.key], input.start_text);
    }
  }
  EXPECT_EQ(start.shown, "");
  EXPECT_EQ(start.header.project + start.header.client + start.header.author, "");
  for (const InputDescription& input : RunningCostDescription().inputs) {
    EXPECT_EQ(start.running_cost[input.key], input.start_text);
  }
}

TEST(CaseFile, WritesWhatItReadsByteForByteWhateverTheBoxesHold) {
  Case c = StartCase();
  CaseTool& sizing = ToolIn(c, "sizing");
  sizing["throughput"] = "５";  // full-width digits, as the window reads them
  sizing["feed"] = "";
  sizing["product"] = Repeated("浓", kMaxCaseTextCharacters);
  sizing["application"] = "自定义\"用途\"\\";
  sizing.calculated = true;
  CaseTool& steam = ToolIn(c, "steam");
  steam["mode"] = "";  // none ticked
  steam["pressure"] = "0,1013";
  steam["temperature"] = "１００";
  CaseTool& pipe = ToolIn(c, "pipe");
  pipe["state"] = "liquid";
  pipe["velocity"] = "\t2\r\n";
  pipe["density"] = "😀\x01\x7F";
  CaseTool& exchanger = ToolIn(c, "exchanger");
  exchanger["arrangement"] = "正方形";
  exchanger["pitch"] = "";
  CaseTool& channel = ToolIn(c, "channel");
  channel["designation"] = "22b自定";  // typed, not in the list
  channel.calculated = true;
  // The pump is never pressed; the tools stand in another order than the catalog's.
  std::reverse(c.tools.begin(), c.tools.end());
  c.header = {"<项目>&\"", "", Repeated("a", kMaxCaseTextCharacters)};
  c.running_cost[kElectricityPriceInput] = "０.７";
  c.running_cost[kHoursInput] = "";
  c.shown = std::string(kCaseHelpShown);

  const std::string written = WriteCase(c, kSaved);
  Case read = Read(written);
  EXPECT_EQ(WriteCase(read, kSaved), written);
  EXPECT_EQ(read.tools.front().tool->name, Tools().back()->name) << "in the file's order";
  EXPECT_EQ(ToolIn(read, "sizing")["product"], Repeated("浓", kMaxCaseTextCharacters));
  EXPECT_EQ(ToolIn(read, "pipe")["density"], "😀\x01\x7F");
  EXPECT_EQ(ToolIn(read, "steam")["mode"], "");
  EXPECT_TRUE(ToolIn(read, "channel").calculated);
  EXPECT_FALSE(ToolIn(read, "pump").calculated);
  EXPECT_EQ(read.shown, "help");
}

TEST(CaseFile, RewritesAnotherProgramsFileAlikeButForProgramAndSaved) {
  const std::string mine = WriteCase(StartCase(), kSaved);
  std::string theirs = mine;
  theirs.replace(theirs.find("Vapentis 2.0.0"), 14, "Vapentis 1.9");
  theirs.replace(theirs.find(kSaved), kSaved.size(), "昨天");
  ASSERT_NE(theirs, mine);
  EXPECT_EQ(WriteCase(Read(theirs), kSaved), mine);
}

TEST(CaseFile, ReadsEscapesAsTheirCharacters) {
  struct Row {
    const char* name;
    const char* written;  // the project's text in the file, between its quotes
    std::string read;
  };
  const Row kRows[] = {
      {"quote, backslash and slash", R"(\"\\\/)", "\"\\/"},
      {"control characters", R"(\b\f\n\r\t\u0000)", std::string("\b\f\n\r\t\0", 6)},
      {"characters of the first plane", R"(\u6c49\u00E9)", "汉é"},
      {"a pair of surrogates", R"(\ud83d\ude00)", "😀"},
      {"raw UTF-8", "汉😀", "汉😀"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const Case read = Read(File(std::string(R"("header":{"project":")") + row.written + "\"}"));
    EXPECT_EQ(read.header.project, row.read);
  }
}

TEST(CaseFile, TakesTheStartTextsOfWhatTheFileLeavesOut) {
  Case read = Read(File(
      R"("header":{"project":"X"},"running_cost":{"hours":"8000"},)"
      R"("tools":[{"tool":"steam","inputs":{"pressure":"0.2"}},{"tool":"pump","calculated":true}])"));
  // The file's tools first, in its order, then the others in the catalog's.
  std::vector<std::string_view> order;
  for (const CaseTool& tool : read.tools) order.push_back(tool.tool->name);
  std::vector<std::string_view> expected_order = {"steam", "pump"};
  for (const ToolDescription* tool : Tools()) {
    if (tool->name != "steam" && tool->name != "pump") expected_order.push_back(tool->name);
  }
  EXPECT_EQ(order, expected_order);

  struct Row {
    const char* tool;
    const char* key;
    const char* text;  // nullptr: the input's start text
  };
  const Row kRows[] = {
      {"steam", "pressure", "0.2"},      {"steam", "mode", nullptr},
      {"steam", "temperature", nullptr}, {"pipe", "state", nullptr},
      {"pump", "head", nullptr},         {"exchanger", "pitch", nullptr},
      {"sizing", "throughput", nullptr},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(std::string(row.tool) + " " + row.key);
    const std::string_view expected =
        row.text != nullptr ? row.text : FindInput(*FindTool(row.tool), row.key)->start_text;
    EXPECT_EQ(ToolIn(read, row.tool)[row.key], expected);
  }
  EXPECT_EQ(ToolIn(read, "pipe")["state"], "");  // the pipe starts with none ticked
  EXPECT_FALSE(ToolIn(read, "steam").calculated);
  EXPECT_TRUE(ToolIn(read, "pump").calculated);
  EXPECT_EQ(read.header.project, "X");
  EXPECT_EQ(read.header.client, "");
  EXPECT_EQ(read.running_cost[kHoursInput], "8000");
  EXPECT_EQ(read.running_cost[kSteamPriceInput],
            FindInput(RunningCostDescription(), kSteamPriceInput)->start_text);
  EXPECT_EQ(read.shown, "");

  // A file of nothing but its format and version is the start case.
  EXPECT_EQ(WriteCase(Read(R"({"format":"vapentis-case","version":1})"), kSaved),
            WriteCase(StartCase(), kSaved));
}

TEST(CaseFile, ReadsEveryVersionUpToItsOwnAndRefusesANewerOne) {
  struct Row {
    int version;
    bool read;
  };
  const Row kRows[] = {{0, true}, {kCaseVersion, true}, {kCaseVersion + 1, false}};
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.version);
    const std::string file =
        R"({"format":"vapentis-case","version":)" + std::to_string(row.version) + "}";
    const std::string newer = "由较新版本的Vapentis保存，请升级后打开（文件的格式版本为" +
                              std::to_string(row.version) + "，本程序能打开的最高版本为" +
                              std::to_string(kCaseVersion) + "）。";
    EXPECT_EQ(Refusal(file), row.read ? "" : newer);
  }
}

TEST(CaseFile, HoldsTextsAndFilesToTheirLimits) {
  const auto project = [](const std::string& text) {
    return File(R"("header":{"project":")" + text + "\"}");
  };
  const std::string too_long = "表头的“project”（项目名称）超过10000个字符（第2行第21列）。";
  const std::string padded = WriteCase(StartCase(), kSaved);
  struct Row {
    const char* name;
    std::string file;
    std::string refusal;  // empty: read
  };
  const Row kRows[] = {
      {"10,000 characters of three bytes", project(Repeated("汉", 10'000)), ""},
      {"10,001 characters of three bytes", project(Repeated("汉", 10'001)), too_long},
      {"10,000 characters written as escapes", project(Repeated("\\u6c49", 10'000)), ""},
      {"10,001 characters, the last a surrogate pair",
       project(Repeated("a", 10'000) + "\\ud83d\\ude00"), too_long},
      {"exactly 8 MiB", padded + std::string(kMaxCaseFileBytes - padded.size(), ' '), ""},
      {"one byte over 8 MiB", padded + std::string(kMaxCaseFileBytes + 1 - padded.size(), ' '),
       "文件大于8 MiB，超出算例的大小上限。"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Refusal(row.file), row.refusal);
  }
}

struct RefusalRow {
  const char* name;
  std::string file;
  std::string reason;
};

const std::string kNewer = "，该文件可能由较新版本的Vapentis保存。";

const RefusalRow kRefusals[] = {
    // Not a file to read at all.
    {"empty", "", "文件是空的。"},
    {"blanks only, after a byte order mark", "\xEF\xBB\xBF \r\n\t", "文件是空的。"},
    {"a byte that starts no character", "{\"format\":\"\xFF\"}",
     "文件不是UTF-8编码的文字（第1行第12列）。"},
    {"GBK on the second line", "{\n\"\xCF\xEE\xC4\xBF\":1}",
     "文件不是UTF-8编码的文字（第2行第2列）。"},
    {"an overlong form", "{\"a\":\"\xC0\xAF\"}", "文件不是UTF-8编码的文字（第1行第7列）。"},
    {"an encoded surrogate", "{\"a\":\"\xED\xA0\x80\"}", "文件不是UTF-8编码的文字（第1行第7列）。"},
    // Not JSON, with the place counted in characters and lines of every ending.
    {"no colon", R"({"format" "vapentis-case"})",
     "文件不是有效的JSON：此处应为“:”（第1行第11列）。"},
    {"a comma before the brace", R"({"a":1,})",
     "文件不是有效的JSON：此处应为带引号的成员名（第1行第8列）。"},
    {"a comma before the bracket", R"({"a":[1,]})",
     "文件不是有效的JSON：此处应为一个值（第1行第9列）。"},
    {"a text not closed", R"({"a":"x)", "文件不是有效的JSON：文字缺少结束的引号（第1行第6列）。"},
    {"a second value", R"({"a":1} x)",
     "文件不是有效的JSON：JSON值之后还有多余的内容（第1行第9列）。"},
    {"a raw line break in a text", "{\"a\":\"1\n2\"}",
     "文件不是有效的JSON：文字中有未转义的控制字符（第1行第8列）。"},
    {"an unknown escape", R"({"a":"\q"})",
     "文件不是有效的JSON：反斜杠后的转义无效（第1行第7列）。"},
    {"a lone surrogate", R"({"a":"\ud800"})",
     "文件不是有效的JSON：“\\u”转义是不成对的代理项（第1行第7列）。"},
    {"a low surrogate first", R"({"a":"\udc00\ud800"})",
     "文件不是有效的JSON：“\\u”转义是不成对的代理项（第1行第7列）。"},
    {"a short \\u", R"({"a":"\u12"})",
     "文件不是有效的JSON：“\\u”后应为4位十六进制数（第1行第7列）。"},
    {"a leading zero", R"({"a":01})", "文件不是有效的JSON：此处应为“,”或“}”（第1行第7列）。"},
    {"a number without fraction digits", R"({"a":1.})",
     "文件不是有效的JSON：数字的写法不正确（第1行第6列）。"},
    {"a misspelt literal", R"({"a":tru})", "文件不是有效的JSON：此处应为一个值（第1行第6列）。"},
    {"single quotes", R"({'a':1})",
     "文件不是有效的JSON：此处应为带引号的成员名或“}”（第1行第2列）。"},
    {"nested too deep", "{\"a\":" + Repeated("[", 64) + Repeated("]", 64) + "}",
     "文件不是有效的JSON：嵌套超过64层（第1行第69列）。"},
    {"CRLF lines", "{\r\n  \"a\": x\r\n}", "文件不是有效的JSON：此处应为一个值（第2行第8列）。"},
    {"a lone CR ending a line", "{\r\"a\":x}",
     "文件不是有效的JSON：此处应为一个值（第2行第5列）。"},
    {"columns count characters", R"({"项目":x})",
     "文件不是有效的JSON：此处应为一个值（第1行第7列）。"},
    {"a byte order mark takes no column", "\xEF\xBB\xBF{x}",
     "文件不是有效的JSON：此处应为带引号的成员名或“}”（第1行第2列）。"},
    // JSON, but no case of this program.
    {"an array", "[]", "文件不是Vapentis算例：最外层不是JSON对象。"},
    {"no format", "{}", "文件不是Vapentis算例：没有“format”。"},
    {"another format", R"({"format":"vapentis-project","version":1})",
     "文件不是Vapentis算例：“format”应为“vapentis-case”（第1行第11列）。"},
    {"a format that is no text", R"({"format":1,"version":1})",
     "文件不是Vapentis算例：“format”应为“vapentis-case”（第1行第11列）。"},
    {"no version", R"({"format":"vapentis-case"})", "文件没有格式版本“version”。"},
    {"a version in quotes", R"({"format":"vapentis-case","version":"1"})",
     "格式版本“version”应为不小于0的整数（第1行第37列）。"},
    {"a negative version", R"({"format":"vapentis-case","version":-1})",
     "格式版本“version”应为不小于0的整数（第1行第37列）。"},
    {"a version with a fraction", R"({"format":"vapentis-case","version":1.0})",
     "格式版本“version”应为不小于0的整数（第1行第37列）。"},
    {"a newer version, whatever else it holds",
     R"({"tools":[{"tool":"dryer"}],"format":"vapentis-case","version":2})",
     "由较新版本的Vapentis保存，请升级后打开（文件的格式版本为2，本程序能打开的最高版本为1）。"},
    {"a version beyond an int", R"({"format":"vapentis-case","version":123456789012})",
     "由较新版本的Vapentis保存，请升级后打开（文件的格式版本为123456789012，"
     "本程序能打开的最高版本为1）。"},
    {"format twice", R"({"format":"vapentis-case","format":"vapentis-case","version":1})",
     "“format”出现了两次（第1行第27列）。"},
    // Names this program does not know.
    {"an unknown member", File(R"("colour":"red")"),
     "算例中有未知的项“colour”（第2行第1列）" + kNewer},
    {"an unknown tool", File(R"("tools":[{"tool":"dryer"}])"),
     "未知的工具“dryer”（第2行第18列）" + kNewer},
    {"an unknown input", File(R"("tools":[{"tool":"pump","inputs":{"speed":"3"}}])"),
     "工具“pump”（离心泵功率）的输入中有未知的项“speed”（第2行第35列）" + kNewer},
    {"an unknown member of a tool", File(R"("tools":[{"tool":"pump","result":"x"}])"),
     "工具“pump”（离心泵功率）中有未知的项“result”（第2行第25列）" + kNewer},
    {"an unknown header member", File(R"("header":{"date":"2024"})"),
     "表头“header”中有未知的项“date”（第2行第11列）" + kNewer},
    {"an unknown price", File(R"("running_cost":{"gas_price":"3"})"),
     "运行费用“running_cost”中有未知的项“gas_price”（第2行第17列）" + kNewer},
    {"an unknown tool shown", File(R"("shown":"dryer")"),
     "“shown”是未知的工具“dryer”（第2行第9列）" + kNewer},
    {"an unknown name with a control character", File(R"("\u001b[31m":1)"),
     "算例中有未知的项“\xEF\xBF\xBD[31m”（第2行第1列）" + kNewer},
    {"a long unknown name, cut", File("\"" + Repeated("x", 40) + "\":1"),
     "算例中有未知的项“" + Repeated("x", 32) + "…”（第2行第1列）" + kNewer},
    // Texts a box cannot hold.
    {"a mode that is none of its choices",
     File(R"("tools":[{"tool":"steam","inputs":{"mode":"pressur"}}])"),
     "工具“steam”（低压饱和蒸汽性质）的输入“mode”（已知量）只能是“pressure”（以压力为准）、"
     "“temperature”（以温度为准）或空，而不是“pressur”（第2行第43列）。"},
    {"a state that is none of its choices",
     File(R"("tools":[{"tool":"pipe","inputs":{"state":"gas"}}])"),
     "工具“pipe”（流体管径计算）的输入“state”（流体形态）只能是“steam”（饱和水蒸汽）、"
     "“liquid”（液体）或空，而不是“gas”（第2行第43列）。"},
    {"a text too long",
     File(R"("tools":[{"tool":"pump","inputs":{"head":")" + Repeated("9", 10'001) + "\"}}]"),
     "工具“pump”（离心泵功率）的输入“head”（扬程）超过10000个字符（第2行第42列）。"},
    // Members of the wrong type.
    {"tools as an object", File(R"("tools":{})"), "“tools”应为数组（第2行第9列）。"},
    {"a tool as a text", File(R"("tools":["sizing"])"),
     "“tools”的第1项应为JSON对象（第2行第10列）。"},
    {"inputs as an array", File(R"("tools":[{"tool":"pump","inputs":[]}])"),
     "工具“pump”（离心泵功率）的“inputs”应为JSON对象（第2行第34列）。"},
    {"an input as a number", File(R"("tools":[{"tool":"pump","inputs":{"head":30}}])"),
     "工具“pump”（离心泵功率）的输入“head”（扬程）应为带引号的文字（第2行第42列）。"},
    {"calculated as a text", File(R"("tools":[{"tool":"pump","calculated":"yes"}])"),
     "工具“pump”（离心泵功率）的“calculated”应为true或false（第2行第38列）。"},
    {"a tool's name as a number", File(R"("tools":[{"tool":7}])"),
     "“tools”的第1项的“tool”应为带引号的文字（第2行第18列）。"},
    {"a tool without its name", File(R"("tools":[{"tool":"pump"},{"inputs":{}}])"),
     "“tools”的第2项没有“tool”（第2行第26列）。"},
    {"the header as a text", File(R"("header":"x")"), "“header”应为JSON对象（第2行第10列）。"},
    {"a header text as null", File(R"("header":{"author":null})"),
     "表头的“author”（计算人）应为带引号的文字（第2行第20列）。"},
    {"a price as a number", File(R"("running_cost":{"hours":7200})"),
     "运行费用的“hours”（年运行时间）应为带引号的文字（第2行第25列）。"},
    {"shown as a number", File(R"("shown":0)"), "“shown”应为带引号的文字（第2行第9列）。"},
    {"saved as a number", File(R"("saved":20261209)"), "“saved”应为带引号的文字（第2行第9列）。"},
    // Anything twice.
    {"a member twice", File(R"("shown":"","shown":"")"), "“shown”出现了两次（第2行第12列）。"},
    {"a tool twice", File(R"("tools":[{"tool":"pump"},{"tool":"pump"}])"),
     "工具“pump”（离心泵功率）出现了两次（第2行第34列）。"},
    {"an input twice", File(R"("tools":[{"tool":"pump","inputs":{"head":"1","head":"2"}}])"),
     "工具“pump”（离心泵功率）的输入“head”（扬程）出现了两次（第2行第46列）。"},
    {"a tool's name twice", File(R"("tools":[{"tool":"pump","tool":"pump"}])"),
     "“tools”的第1项的“tool”出现了两次（第2行第25列）。"},
    {"a tool's inputs twice", File(R"("tools":[{"tool":"pump","inputs":{},"inputs":{}}])"),
     "工具“pump”（离心泵功率）的“inputs”出现了两次（第2行第37列）。"},
    {"calculated twice", File(R"("tools":[{"tool":"pump","calculated":true,"calculated":true}])"),
     "工具“pump”（离心泵功率）的“calculated”出现了两次（第2行第43列）。"},
    {"a header text twice", File(R"("header":{"client":"a","client":"b"})"),
     "表头的“client”（客户）出现了两次（第2行第24列）。"},
    {"a price twice", File(R"("running_cost":{"hours":"1","hours":"2"})"),
     "运行费用的“hours”（年运行时间）出现了两次（第2行第29列）。"},
};

TEST(CaseFile, RefusesAFileWholeWithAReasonThatSaysWhere) {
  for (const RefusalRow& row : kRefusals) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Refusal(row.file), row.reason);
  }
}

TEST(CaseFile, RefusesToWriteWhatItWouldRefuseToRead) {
  // A copy is a description the catalog does not hold.
  static const ToolDescription kForeign = *FindTool("pump");
  struct Row {
    const char* name;
    std::function<void(Case&)> change;
    std::string reason;
  };
  const Row kRows[] = {
      {"a text too long", [](Case& c) { ToolIn(c, "sizing")["product"] = Repeated("浓", 10'001); },
       "工具“sizing”（MVR蒸发器选型）的输入“product”（最终出料浓度）超过10000个字符。"},
      {"a header text that is no UTF-8", [](Case& c) { c.header.author = "\xFF"; },
       "表头的“author”（计算人）不是有效的UTF-8文字。"},
      {"a price too long", [](Case& c) { c.running_cost[kHoursInput] = Repeated("1", 10'001); },
       "运行费用的“hours”（年运行时间）超过10000个字符。"},
      {"a mode that is none of its choices", [](Case& c) { ToolIn(c, "steam")["mode"] = "both"; },
       "工具“steam”（低压饱和蒸汽性质）的输入“mode”（已知量）只能是“pressure”（以压力为准）、"
       "“temperature”（以温度为准）或空，而不是“both”。"},
      {"an unknown tool shown", [](Case& c) { c.shown = "dryer"; }, "“shown”是未知的工具“dryer”。"},
      {"a tool twice", [](Case& c) { c.tools.push_back(c.tools.front()); },
       "工具“sizing”（MVR蒸发器选型）出现了两次。"},
      {"a tool not of the catalog", [](Case& c) { c.tools.front().tool = &kForeign; },
       "算例的第1个工具不是本程序的工具。"},
      {"a tool missing a text", [](Case& c) { ToolIn(c, "pump").texts.pop_back(); },
       "工具“pump”（离心泵功率）的文字与它的输入数目不符。"},
      {"no prices", [](Case& c) { c.running_cost = InputTexts(); },
       "运行费用不是运行费用估算的输入。"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    Case c = StartCase();
    row.change(c);
    try {
      WriteCase(c, kSaved);
      ADD_FAILURE() << "written";
    } catch (const std::invalid_argument& e) {
      EXPECT_EQ(std::string(e.what()), row.reason);
    }
  }
  EXPECT_THROW(WriteCase(StartCase(), Repeated("9", 10'001)), std::invalid_argument);
}

TEST(CaseFile, NamesTheFileInTheMessageOfARefusal) {
  struct Row {
    const char* file_name;
    const char* reason;
    const char* message;
  };
  const Row kRows[] = {
      {"报价.vapentis", "文件是空的。", "无法打开算例“报价.vapentis”：文件是空的。"},
      {"a.vapentis", "没有句号", "无法打开算例“a.vapentis”：没有句号。"},
      {"\x1b[2Jb.vapentis", "文件是空的。",
       "无法打开算例“\xEF\xBF\xBD[2Jb.vapentis”：文件是空的。"},
  };
  for (const Row& row : kRows)
    EXPECT_EQ(CaseRefusalMessage(row.file_name, row.reason), row.message);
}

TEST(CaseFile, GivesTheCalculationOnlyTheInputsItReads) {
  CaseTool exchanger = StartTool(*FindTool("exchanger"));
  exchanger["area"] = "120";
  exchanger["pitch"] = "50";
  const InputTexts request = exchanger.Request();
  EXPECT_EQ(request.InOrder().size(), FindTool("exchanger")->inputs.size());
  EXPECT_EQ(request["area"], "120");
  EXPECT_THROW(exchanger["no_such_input"], std::out_of_range);
}

// A file of one version names the same tools and keys for ever: adding a tool or an
// input to the catalog needs the next version, and this table with it.
TEST(CaseFile, TheCatalogHoldsTheToolsAndInputsOfItsFormatVersion) {
  struct Row {
    const char* tool;
    std::vector<std::string_view> keys;
  };
  const Row kVersion1[] = {
      {"sizing", {"throughput", "feed", "product", "application"}},
      {"steam", {"mode", "pressure", "temperature"}},
      {"pipe", {"state", "temperature", "flow", "velocity", "density"}},
      {"pump", {"flow", "head", "specific_gravity", "efficiency", "safety_factor"}},
      {"exchanger", {"area", "tube_diameter", "tube_length", "arrangement", "pitch"}},
      {"channel", {"designation"}},
      {"thermal",
       {"evaporation", "vapour_temperature", "boiling_point_rise", "heater_difference",
        "isentropic_efficiency", "drive_efficiency", "heat_transfer_coefficient"}},
  };
  ASSERT_EQ(kCaseVersion, 1) << "give this test the table of the new version";
  ASSERT_EQ(Tools().size(), std::size(kVersion1)) << "a tool was added: raise kCaseVersion";
  for (std::size_t t = 0; t < Tools().size(); ++t) {
    const ToolDescription& tool = *Tools()[t];
    EXPECT_EQ(tool.name, kVersion1[t].tool);
    std::vector<std::string_view> keys;
    for (const auto inputs : {tool.inputs, tool.shown_only}) {
      for (const InputDescription& input : inputs) keys.push_back(input.key);
    }
    EXPECT_EQ(keys, kVersion1[t].keys) << tool.name << ": an input changed: raise kCaseVersion";
  }
}

}  // namespace
}  // namespace vapentis
