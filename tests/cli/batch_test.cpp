#include "cli/batch.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli_test_support.h"

namespace vapentis::cli {
namespace {

using nlohmann::json;

std::vector<json> Records(const std::string& out) {
  std::vector<json> records;
  for (const std::string& line : SplitLines(out)) records.push_back(json::parse(line));
  return records;
}

TEST(Batch, AFailingLineDoesNotStopTheLinesAfterIt) {
  const Outcome run = RunWith({"batch"},
                              "{\"tool\":\"sizing\"}\n"
                              "{\"tool\":\"sizing\",\"feed\":\"abc\"}\n"
                              "{broken\n"
                              "{\"tool\":\"sizing\",\"throughput\":\"10\"}\n");
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(run.err, "vapentis-calc batch：4行中有2行失败\n");
  const std::vector<json> records = Records(run.out);
  ASSERT_EQ(records.size(), 4U);
  for (std::size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i]["line"], i + 1);
  EXPECT_EQ(records[0]["lines"], SplitLines(StartUpLines("sizing")));
  EXPECT_EQ(records[1]["error"]["kind"], "NotANumber");
  EXPECT_EQ(records[1]["error"]["input"], "feed");
  EXPECT_EQ(records[2]["error"]["kind"], "MalformedJson");
  EXPECT_EQ(records[3]["lines"][0], "蒸发量=7.5吨/小时");
  EXPECT_FALSE(records[3].contains("error"));
}

TEST(Batch, EveryLineSucceedingExitsZero) {
  const Outcome run = RunWith({"batch"}, "{\"tool\":\"sizing\"}\n{\"tool\":\"sizing\",\"feed\":0}");
  EXPECT_EQ(run.code, kExitSuccess);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Records(run.out).size(), 2U) << "the last line needs no newline";
  EXPECT_EQ(RunWith({"batch"}, "").code, kExitSuccess);
}

// A line that cannot be answered gives an error record naming why.
struct RequestCase {
  const char* name;
  const char* line;
  const char* kind;
  const char* input;  // nullptr: "input" is null
};

const RequestCase kRequestCases[] = {
    {"cut-off object", R"({"tool":"sizing",)", "MalformedJson", nullptr},
    {"not JSON at all", "throughput=5", "MalformedJson", nullptr},
    {"trailing text", R"({"tool":"sizing"} x)", "MalformedJson", nullptr},
    {"two objects on one line", R"({"tool":"sizing"}{"tool":"sizing"})", "MalformedJson", nullptr},
    {"bytes that are not UTF-8", "{\"tool\":\"sizing\",\"application\":\"\xff\"}", "MalformedJson",
     nullptr},
    {"array", R"([{"tool":"sizing"}])", "NotAnObject", nullptr},
    {"string", R"("sizing")", "NotAnObject", nullptr},
    {"number", "5", "NotAnObject", nullptr},
    {"no tool", R"({"throughput":"5"})", "MissingTool", "tool"},
    {"tool not a text", R"({"tool":1})", "MissingTool", "tool"},
    {"unknown tool", R"({"tool":"Sizing"})", "UnknownTool", "tool"},
    {"tool twice", R"({"tool":"sizing","tool":"sizing"})", "DuplicateInput", "tool"},
    {"unknown input", R"({"tool":"sizing","throughput ":"5"})", "UnknownInput", "throughput "},
    {"option spelling as key", R"({"tool":"sizing","--feed":"5"})", "UnknownInput", "--feed"},
    {"input twice", R"({"tool":"sizing","feed":"1","feed":"1"})", "DuplicateInput", "feed"},
    {"null input", R"({"tool":"sizing","feed":null})", "InvalidInputValue", "feed"},
    {"boolean input", R"({"tool":"sizing","feed":true})", "InvalidInputValue", "feed"},
    {"nested input", R"({"tool":"sizing","feed":[10]})", "InvalidInputValue", "feed"},
    {"object input", R"({"tool":"sizing","feed":{"value":10}})", "InvalidInputValue", "feed"},
    {"mode not offered", R"({"tool":"steam","mode":"none"})", "InvalidInputValue", "mode"},
    {"state as a number", R"({"tool":"pipe","state":1})", "InvalidInputValue", "state"},
    {"input of another tool", R"({"tool":"pump","area":"90"})", "UnknownInput", "area"},
    {"calculation: not a number", R"({"tool":"sizing","throughput":"5t"})", "NotANumber",
     "throughput"},
    {"calculation: zero product", R"({"tool":"sizing","product":0})", "DivisionByZero", "product"},
    {"calculation: zero throughput", R"({"tool":"sizing","throughput":0})", "Overflow",
     "throughput"},
    {"calculation: pump input as a number", R"({"tool":"pump","efficiency":0})", "DivisionByZero",
     "efficiency"},
    {"calculation: a number beyond the double range, read by its text",
     R"({"tool":"pump","flow":1e400})", "Overflow", "flow"},
    {"calculation: a negative number beyond the range after a masked one",
     R"({"tool":"pump","head":2E999,"flow":-1e400})", "Overflow", "flow"},
    {"pressure in temperature mode", R"({"tool":"steam","mode":"temperature","pressure":"0.2"})",
     "UnreadInput", "pressure"},
    {"pressure and temperature together", R"({"tool":"steam","pressure":0.2,"temperature":130})",
     "UnreadInput", "temperature"},
    {"calculation: exchanger", R"({"tool":"exchanger","tube_length":"x"})", "NotANumber",
     "tube_length"},
};

TEST(Batch, ErrorRecordsNameTheKindAndTheInput) {
  for (const RequestCase& c : kRequestCases) {
    SCOPED_TRACE(c.name);
    const Outcome run = RunWith({"batch"}, std::string(c.line) + "\n{\"tool\":\"sizing\"}\n");
    EXPECT_EQ(run.code, kExitFailure);
    const std::vector<json> records = Records(run.out);
    ASSERT_EQ(records.size(), 2U);
    const json& error = records[0]["error"];
    EXPECT_EQ(records[0]["line"], 1);
    EXPECT_EQ(error["kind"], c.kind);
    EXPECT_EQ(error["input"], c.input ? json(c.input) : json(nullptr));
    EXPECT_FALSE(error["message"].get<std::string>().empty());
    EXPECT_EQ(error["message"].get<std::string>().find("JSON "), std::string::npos)
        << "no message of the JSON library, which is English";
    EXPECT_FALSE(records[0].contains("lines"));
    EXPECT_EQ(records[1]["line"], 2);
    EXPECT_FALSE(records[1].contains("error")) << "the next line still runs";
  }
}

TEST(Batch, JsonNumbersReachTheCalculationAsTheirJsonText) {
  // Digits and escaped quotes inside strings must not be taken for the numbers after them.
  const Outcome run = RunWith(
      {"batch"},
      R"({"tool":"sizing","application":"1 \"2\" 3","throughput":-0,"feed":1E1,"product":40.0})"
      "\n");
  const json record = json::parse(run.out);
  EXPECT_EQ(record["inputs"], json::parse(R"({"throughput":"-0","feed":"1E1","product":"40.0",)"
                                          R"("application":"1 \"2\" 3"})"));
  EXPECT_EQ(record["error"]["kind"], "Overflow")
      << "-0 t/h divides 0 by -0, as typed in the window";

  const json big = json::parse(
      RunWith({"batch"}, R"({"tool":"sizing","throughput":12345678901234567890123,"feed":0})").out);
  EXPECT_EQ(big["inputs"]["throughput"], "12345678901234567890123");
  EXPECT_EQ(big["lines"][0], "蒸发量=1.23456789012346E+22吨/小时");
}

// The record of a line, alone in a batch.
std::string RecordOf(std::string_view line) {
  std::istringstream in{std::string(line)};
  std::ostringstream out;
  RunBatch(in, out);
  return out.str();
}

TEST(Batch, EveryLineIsReadAsTheJsonParserReadsIt) {
  // The byte order mark the parser steps over sends a line past the quick reading of plain
  // requests; the record must not change, but for the byte a malformed line is blamed at.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const std::string_view kLines[] = {
      R"({"tool":"pump","flow":5,"head":-0,"specific_gravity":0.5,"efficiency":1E-1})",
      R"({"tool":"pump","flow":-12.5e3,"head":1e+2,"safety_factor":10})",
      R"({"tool":"pump","flow":1e400,"head":-1E400,"efficiency":12345678901234567890123})",
      " \t{ \"tool\" :\"pump\" ,\r\"flow\"\t: 5 }\r ",
      R"({"tool":"sizing","application":"é蒸发😀\u00e9","":"x"})",
      R"({"tool":"sizing","application":"a\"b\\c\/d\n"})",
      R"({"tool":"sizing","application":"\ud83d\ude00"})",
      "{\"tool\":\"sizing\",\"application\":\"\x7f\"}",
      R"({"tool":"sizing","tool":"pump"})",
      R"({"tool":"sizing","feed":true,"product":null,"throughput":[1],"application":{}})",
      R"({})",
      R"({"tool":"pump","flow":01})",
      R"({"tool":"pump","flow":1.})",
      R"({"tool":"pump","flow":.5})",
      R"({"tool":"pump","flow":+1})",
      R"({"tool":"pump","flow":1e})",
      R"({"tool":"pump","flow":1e+})",
      R"({"tool":"pump","flow":--1})",
      R"({"tool":"pump","flow":0x1})",
      R"({"tool":"pump","flow":5,})",
      R"({"tool":"pump","flow" 5})",
      R"({"tool":"pump" "flow":5})",
      R"({"tool":"pump"} x)",
      R"({"tool":"pump"}{})",
      R"({"tool":"pump)",
      R"({"tool":)",
      "{",
      "{\"tool\":\"sizing\",\"application\":\"a\tb\"}",
      "{\"tool\":\"sizing\",\"application\":\"a\x01\"}",
      "{\"tool\":\"sizing\",\"application\":\"\xC0\xAF\"}",
      "{\"tool\":\"sizing\",\"application\":\"\xE0\x9F\xBF\"}",
      "{\"tool\":\"sizing\",\"application\":\"\xED\xA0\x80\"}",
      "{\"tool\":\"sizing\",\"application\":\"\xF0\x8F\xBF\xBF\"}",
      "{\"tool\":\"sizing\",\"application\":\"\xF4\x90\x80\x80\"}",
      "{\"tool\":\"sizing\",\"application\":\"\xE8\x92\"}",
      "{\"tool\":\"sizing\",\"application\":\"\xF5\x80\x80\x80\"}",
      "{\"tool\":\"sizing\",\"app\xFF\":\"x\"}",
      std::string_view("{\"tool\":\"pump\",\"flow\":5\0}", 24),
  };
  for (const std::string_view line : kLines) {
    SCOPED_TRACE(line);
    const std::string plain = RecordOf(line);
    const std::string parsed = RecordOf(std::string(kByteOrderMark) + std::string(line));
    ASSERT_FALSE(plain.empty());
    const json record = json::parse(plain);
    if (record.contains("error") && record["error"]["kind"] == "MalformedJson") {
      EXPECT_EQ(json::parse(parsed)["error"]["kind"], "MalformedJson");
    } else {
      EXPECT_EQ(plain, parsed);
    }
  }
}

TEST(Batch, RecordIsTheSingleCommandsJsonWithTheLineNumber) {
  json single = json::parse(
      RunWith({"sizing", "--json", "--throughput", "20", "--application", "危废行业"}).out);
  const json batch = json::parse(
      RunWith({"batch"}, R"({"application":"危废行业","throughput":20,"tool":"sizing"})").out);
  single["line"] = 1;
  EXPECT_EQ(batch, single);
}

TEST(Batch, BlankLinesAreSkippedButCountedAndCrLfIsAccepted) {
  const std::vector<json> records =
      Records(RunWith({"batch"}, "\n  \r\n{\"tool\":\"sizing\"}\r\n\n{\"tool\":\"sizing\"}").out);
  ASSERT_EQ(records.size(), 2U);
  EXPECT_EQ(records[0]["line"], 3);
  EXPECT_EQ(records[1]["line"], 5);
  EXPECT_FALSE(records[0].contains("error"));
}

TEST(Batch, OverlongLineIsRefusedUnreadAndTheNextLineRuns) {
  const std::string fits = R"({"tool":"sizing","throughput":"5"})";  // 34 bytes
  std::istringstream in(fits + "\n" + std::string(100, ' ') + fits + "\n" + fits);
  std::ostringstream out;
  const BatchCounts counts = RunBatch(in, out, fits.size());
  EXPECT_EQ(counts.requests, 3U);
  EXPECT_EQ(counts.failed, 1U);
  const std::vector<json> records = Records(out.str());
  ASSERT_EQ(records.size(), 3U);
  EXPECT_FALSE(records[0].contains("error")) << "a line of exactly the limit is read";
  EXPECT_EQ(records[1]["error"]["kind"], "LineTooLong");
  EXPECT_EQ(records[1]["line"], 2);
  EXPECT_FALSE(records[2].contains("error"));
  EXPECT_EQ(records[2]["line"], 3);
}

// A sizing request of exactly `bytes` bytes, its application text padded with x.
std::string RequestOfLength(std::size_t bytes) {
  const std::string head = R"({"tool":"sizing","application":")";
  const std::string tail = R"("})";
  return head + std::string(bytes - head.size() - tail.size(), 'x') + tail;
}

TEST(Batch, ALineUpToTheLimitIsReadWholeAndALongerOneIsRefused) {
  constexpr std::size_t kLimit = 10000;
  // Around the first room the reader takes, where it doubles, and the limit.
  for (const std::size_t bytes :
       {50, 4095, 4096, 4097, 8191, 8192, 8193, 9999, 10000, 10001, 30000}) {
    for (const std::string_view end : {"\n", "\r\n", ""}) {
      SCOPED_TRACE(std::to_string(bytes) + " bytes, then " + std::to_string(end.size()));
      const std::string first = RequestOfLength(bytes);
      const bool last = end.empty();
      std::istringstream in(first + std::string(end) + (last ? "" : R"({"tool":"pump"})"));
      std::ostringstream out;
      const BatchCounts counts = RunBatch(in, out, kLimit);
      const std::vector<json> records = Records(out.str());
      ASSERT_EQ(records.size(), last ? 1U : 2U);
      const bool fits = bytes + (end == "\r\n" ? 1 : 0) <= kLimit;
      if (fits) {
        EXPECT_EQ(records[0]["inputs"]["application"].get<std::string>().size(),
                  static_cast<std::size_t>(std::count(first.begin(), first.end(), 'x')));
      } else {
        EXPECT_EQ(records[0]["error"]["kind"], "LineTooLong");
      }
      EXPECT_EQ(counts.failed, fits ? 0U : 1U) << "an unknown application still calculates";
      if (!last) {
        EXPECT_EQ(records[1]["line"], 2);
        EXPECT_EQ(records[1]["tool"], "pump") << "the next line is read from its start";
      }
    }
  }
}

TEST(Batch, UnknownChannelIsAFailedRecordThatStillHoldsItsEmptyLines) {
  const Outcome run = RunWith({"batch"}, R"({"tool":"channel","designation":"21"})"
                                         "\n"
                                         R"({"tool":"channel","designation":"25a"})");
  EXPECT_EQ(run.code, kExitFailure);
  EXPECT_EQ(run.err, "vapentis-calc batch：2行中有1行失败\n");
  const std::vector<json> records = Records(run.out);
  ASSERT_EQ(records.size(), 2U);
  EXPECT_EQ(records[0]["error"]["kind"], "NotInList");
  EXPECT_EQ(records[0]["error"]["input"], "designation");
  EXPECT_EQ(records[0]["lines"],
            json::parse(R"(["槽钢背高h=mm","槽钢腿宽b=mm","槽钢每米的重量=kg"])"));
  EXPECT_EQ(records[1]["figures"]["mass_kg_per_m"], 27.4);
}

TEST(Batch, AnInputReadUnderOneModeAlonePicksThatMode) {
  const Outcome run = RunWith({"batch"}, R"({"tool":"steam","temperature":130})"
                                         "\n"
                                         R"({"tool":"pipe","density":800,"velocity":1.5})");
  EXPECT_EQ(run.code, kExitSuccess) << run.out;
  const std::vector<json> records = Records(run.out);
  ASSERT_EQ(records.size(), 2U);
  EXPECT_EQ(records[0]["inputs"]["mode"], "temperature");
  EXPECT_EQ(records[0]["figures"]["pressure_mpa"], 0.27);
  EXPECT_EQ(records[1]["inputs"]["state"], "liquid");
  EXPECT_FALSE(records[1]["figures"].contains("density_kg_per_m3"));
}

}  // namespace
}  // namespace vapentis::cli
