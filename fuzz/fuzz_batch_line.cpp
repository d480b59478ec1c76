// Fuzzes one line of a batch through RunBatch, the function vapentis-calc batch
// runs: a blank line gives no record, any other line exactly one, and that
// record is valid JSON (so valid UTF-8: a byte that is not comes back as
// U+FFFD), begins with its line number and either succeeds or names a known
// failure. A line longer than a shorter limit gives the record of a line too
// long under it. After a byte order mark, which the JSON parser steps over and
// which keeps the line from the quick reading of plain requests, a line gives
// the same record, but for where a malformed line is blamed.
//
// The input is the line: its bytes up to the first newline, or all of them.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/batch.h"
#include "core/catalog/tool_catalog.h"

namespace {

using nlohmann::json;

// A limit that ordinary requests pass and the longer fuzzed lines exceed.
constexpr std::size_t kShortLimit = 96;

[[noreturn]] void Fail(std::string_view line, const std::string& record, const char* what) {
  std::fprintf(stderr, "batch line of %zu bytes: %s\n  line: ", line.size(), what);
  for (const char c : line) std::fprintf(stderr, "\\x%02x", static_cast<unsigned char>(c));
  std::fprintf(stderr, "\n  output: %s\n", record.c_str());
  std::abort();
}

bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

struct Run {
  vapentis::cli::BatchCounts counts;
  std::string out;
};

Run RunLine(std::string_view line, std::size_t max_line_bytes) {
  std::istringstream in{std::string(line)};
  std::ostringstream out;
  Run run;
  try {
    run.counts = vapentis::cli::RunBatch(in, out, max_line_bytes);
  } catch (const std::exception& e) {
    Fail(line, out.str(), e.what());
  } catch (...) {
    Fail(line, out.str(), "threw something that is not a std::exception");
  }
  run.out = out.str();
  return run;
}

const std::set<std::string, std::less<>>& FailureKinds() {
  static const std::set<std::string, std::less<>> kinds = {
      "NotANumber",  "DivisionByZero", "Overflow",          "InvalidArgument", "MalformedJson",
      "NotAnObject", "MissingTool",    "UnknownTool",       "UnknownInput",    "DuplicateInput",
      "NotInList",   "MissingChoice",  "InvalidInputValue", "LineTooLong",     "UnreadInput"};
  return kinds;
}

// The one record of a line that is not blank, checked; returns it parsed.
json CheckRecord(std::string_view line, const Run& run) {
  const std::string& out = run.out;
  if (out.empty() || out.back() != '\n' || out.find('\n') != out.size() - 1) {
    Fail(line, out, "did not give exactly one record on one line");
  }
  if (run.counts.requests != 1 || run.counts.read_error) Fail(line, out, "was not counted once");
  json record;
  try {
    // Strict: a byte that is not UTF-8, or a raw control character, fails here.
    record = json::parse(std::string_view(out).substr(0, out.size() - 1));
  } catch (const json::exception& e) {
    Fail(line, out, e.what());
  }
  if (!record.is_object()) Fail(line, out, "the record is not an object");
  if (out.rfind(R"({"line":1,)", 0) != 0)
    Fail(line, out, "the record does not begin with its line");
  const bool failed = record.contains("error");
  if (run.counts.failed != (failed ? 1U : 0U)) Fail(line, out, "counted wrong as failed");
  if (failed) {
    const json& error = record["error"];
    if (!error.is_object() || !error["kind"].is_string() ||
        FailureKinds().count(error["kind"].get<std::string>()) == 0) {
      Fail(line, out, "names no known failure");
    }
    if (!error["message"].is_string() || error["message"].get<std::string>().empty()) {
      Fail(line, out, "the failure has no message");
    }
    if (!error["input"].is_null() && !error["input"].is_string()) {
      Fail(line, out, "the failure's input is neither a key nor null");
    }
  } else if (!record["lines"].is_array() || record["lines"].empty()) {
    Fail(line, out, "succeeded without result lines");
  }
  if (record.contains("tool")) {
    if (!record["tool"].is_string() ||
        vapentis::FindTool(record["tool"].get<std::string>()) == nullptr) {
      Fail(line, out, "names a tool that does not exist");
    }
  }
  return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string_view line = bytes.substr(0, bytes.find('\n'));

  using vapentis::cli::kMaxLineBytes;
  const Run run = RunLine(line, kMaxLineBytes);
  if (IsBlank(line)) {
    if (!run.out.empty() || run.counts.requests != 0) Fail(line, run.out, "a blank line answered");
    return 0;
  }
  const json record = CheckRecord(line, run);

  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (!line.starts_with(kByteOrderMark.substr(0, 1))) {
    const Run parsed = RunLine(std::string(kByteOrderMark) + std::string(line), kMaxLineBytes);
    const json marked = CheckRecord(line, parsed);
    if (record.contains("error") && record["error"]["kind"] == "MalformedJson") {
      if (marked["error"]["kind"] != "MalformedJson") {
        Fail(line, parsed.out, "malformed, yet read after a byte order mark");
      }
    } else if (parsed.out != run.out) {
      Fail(line, parsed.out, "read otherwise than the JSON parser reads it");
    }
  }

  // A line within the limit is read as before, which the first run already covers.
  if (line.size() > kShortLimit) {
    const Run limited = RunLine(line, kShortLimit);
    const json too_long = CheckRecord(line, limited);
    if (too_long["error"]["kind"] != "LineTooLong") Fail(line, limited.out, "too long, yet read");
  }
  return 0;
}
