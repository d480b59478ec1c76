// Fuzzes the case file's reader: any bytes give a case or a refusal, never a crash;
// a refusal is a sentence of UTF-8 with no control character, and a case it reads
// writes, reads back and writes again to the very same bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "core/case/case_file.h"
#include "core/text/utf8.h"

namespace {

// The checks need no coverage of their own: left out, they leave the fuzzer's
// time to the code under test.
#define ORACLE __attribute__((no_sanitize("coverage")))

constexpr std::string_view kSaved = "2026-12-09T10:15:00+08:00";

[[noreturn]] void Fail(const char* what, std::string_view detail, std::string_view file) {
  std::fprintf(stderr, "%s: %.*s\n--- file ---\n%.*s\n", what, static_cast<int>(detail.size()),
               detail.data(), static_cast<int>(file.size()), file.data());
  std::abort();
}

ORACLE void CheckReason(std::string_view reason, std::string_view file) {
  if (reason.empty() || !reason.ends_with("。")) Fail("a reason that is no sentence", reason, file);
  for (std::size_t i = 0; i < reason.size();) {
    const std::size_t length = vapentis::Utf8SequenceLength(reason.substr(i));
    if (length == 0) Fail("a reason that is no UTF-8", reason, file);
    const auto byte = static_cast<unsigned char>(reason[i]);
    if (length == 1 && (byte < 0x20 || byte == 0x7F)) {
      Fail("a reason with a control character", reason, file);
    }
    i += length;
  }
}

ORACLE std::string Written(const vapentis::Case& c, std::string_view file) {
  try {
    return vapentis::WriteCase(c, kSaved);
  } catch (const std::invalid_argument& e) {
    Fail("a case read that the writer refuses", e.what(), file);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto read = vapentis::ReadCase(bytes);
  if (const auto* refusal = std::get_if<vapentis::CaseRefusal>(&read)) {
    CheckReason(refusal->reason, bytes);
    return 0;
  }
  const std::string first = Written(std::get<vapentis::Case>(read), bytes);
  auto again = vapentis::ReadCase(first);
  if (const auto* refusal = std::get_if<vapentis::CaseRefusal>(&again)) {
    Fail("the writer's file refused", refusal->reason, first);
  }
  if (Written(std::get<vapentis::Case>(again), first) != first) {
    Fail("written again otherwise", "", first);
  }
  return 0;
}
