// Fuzzes every tool's calculation with arbitrary input texts: each call gives a
// result or a CalcFailure, never a crash, and no line shows a non-finite number.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/tool_catalog.h"
#include "numeric/numeric.h"

namespace {

using vapentis::CalcFailure;
using vapentis::ToolDescription;

constexpr std::size_t kMaxTexts = 6;
using Texts = std::array<std::string_view, kMaxTexts>;
using Lines = std::vector<std::string>;

[[noreturn]] void Fail(const ToolDescription& tool, const std::vector<std::string>& texts, char sep,
                       const std::string& what) {
  std::fprintf(stderr, "%.*s (separator '%c'): %s\n", static_cast<int>(tool.name.size()),
               tool.name.data(), sep, what.c_str());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    std::fprintf(stderr, "  text %zu: \"%s\"\n", i, texts[i].c_str());
  }
  std::abort();
}

// Any spelling of infinity or NaN, whichever case a formatter picks.
bool ShowsNonFinite(std::string_view line) {
  std::string lower(line);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

void Run(const ToolDescription& tool, const std::vector<std::string>& texts, char sep) {
  Lines lines;
  try {
    lines = tool.calculate(texts, sep).lines;
  } catch (const CalcFailure&) {
    return;
  } catch (const std::exception& e) {
    Fail(tool, texts, sep, std::string("threw ") + e.what());
  } catch (...) {
    Fail(tool, texts, sep, "threw something that is not a CalcFailure");
  }
  if (lines.empty()) Fail(tool, texts, sep, "gave no result lines");
  for (const std::string& line : lines) {
    if (ShowsNonFinite(line)) Fail(tool, texts, sep, "shows a non-finite number: " + line);
  }
}

// Runs the tool once for each choice of its ticked input (and once with none
// ticked where the window allows that); typed inputs take the fuzzed texts in order.
void RunEveryChoice(const ToolDescription& tool, const Texts& fuzzed, char sep) {
  std::vector<std::string> texts;
  std::size_t next = 0;
  std::size_t choice_input = tool.inputs.size();
  for (std::size_t i = 0; i < tool.inputs.size(); ++i) {
    if (!tool.inputs[i].choices.empty()) {
      choice_input = i;
      texts.emplace_back();
    } else {
      texts.emplace_back(next < fuzzed.size() ? fuzzed[next++] : std::string_view{});
    }
  }
  if (choice_input == tool.inputs.size()) {
    Run(tool, texts, sep);
    return;
  }
  const vapentis::InputDescription& input = tool.inputs[choice_input];
  for (const vapentis::Choice& choice : input.choices) {
    texts[choice_input] = choice.key;
    Run(tool, texts, sep);
  }
  if (!input.choice_required) {
    texts[choice_input].clear();
    Run(tool, texts, sep);
  }
}

}  // namespace

// The input is the texts of the boxes, one per line; missing ones are empty.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  Texts texts{};
  std::size_t start = 0;
  for (std::size_t i = 0; i < kMaxTexts && start <= input.size(); ++i) {
    std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    texts[i] = input.substr(start, end - start);
    start = end + 1;
  }
  for (const ToolDescription* tool : vapentis::Tools()) {
    RunEveryChoice(*tool, texts, '.');
    RunEveryChoice(*tool, texts, ',');
  }
  return 0;
}
