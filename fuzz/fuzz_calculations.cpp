// Fuzzes every tool's calculation with arbitrary input texts: each press gives a
// result or a CalcFailure, never a crash, and no line shows a non-finite number.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/tool_catalog.h"
#include "core/description/presenter.h"
#include "core/numeric/numeric.h"

namespace {

using vapentis::InputTexts;
using vapentis::Presented;
using vapentis::ToolDescription;

using Texts = std::vector<std::string_view>;

// The most typed inputs any tool of the catalog has: that many lines of the input are read.
std::size_t MostInputs() {
  std::size_t most = 0;
  for (const ToolDescription* tool : vapentis::Tools()) most = std::max(most, tool->inputs.size());
  return most;
}

[[noreturn]] void Fail(const InputTexts& texts, char sep, const std::string& what) {
  const std::string_view name = texts.tool().name;
  std::fprintf(stderr, "%.*s (separator '%c'): %s\n", static_cast<int>(name.size()), name.data(),
               sep, what.c_str());
  for (const vapentis::InputDescription& input : texts.tool().inputs) {
    std::fprintf(stderr, "  %.*s: \"%s\"\n", static_cast<int>(input.key.size()), input.key.data(),
                 texts[input.key].c_str());
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

// Through the presenter, as every reader of a tool calls it.
void Run(const InputTexts& texts, char sep) {
  Presented presented;
  try {
    presented = vapentis::Present(texts, sep);
  } catch (const std::exception& e) {
    Fail(texts, sep, std::string("threw ") + e.what());
  } catch (...) {
    Fail(texts, sep, "threw something");
  }
  // Lines stand beside a failure only where a list text was not in the list.
  if (presented.outcome && presented.failure &&
      presented.failure->kind != vapentis::kNotInListKind) {
    Fail(texts, sep, "gave lines beside a failure");
  }
  if (!presented.outcome && !presented.failure)
    Fail(texts, sep, "gave neither lines nor a failure");
  if (!presented.outcome) return;
  if (presented.outcome->lines.empty()) Fail(texts, sep, "gave no result lines");
  for (const std::string& line : presented.outcome->lines) {
    if (ShowsNonFinite(line)) Fail(texts, sep, "shows a non-finite number: " + line);
  }
}

// Runs the tool once for each choice of its ticked input (and once with none
// ticked); typed inputs take the fuzzed texts in order.
void RunEveryChoice(const ToolDescription& tool, const Texts& fuzzed, char sep) {
  InputTexts texts(tool);
  std::size_t next = 0;
  const vapentis::InputDescription* choice_input = nullptr;
  for (const vapentis::InputDescription& input : tool.inputs) {
    if (!input.choices.empty()) {
      choice_input = &input;
    } else if (next < fuzzed.size()) {
      texts[input.key] = fuzzed[next++];
    }
  }
  Run(texts, sep);
  if (choice_input == nullptr) return;
  for (const vapentis::Choice& choice : choice_input->choices) {
    texts[choice_input->key] = choice.key;
    Run(texts, sep);
  }
}

}  // namespace

// The input is the texts of the boxes, one per line; missing ones are empty.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  static const std::size_t kMostInputs = MostInputs();
  Texts texts(kMostInputs);
  std::size_t start = 0;
  for (std::size_t i = 0; i < kMostInputs && start <= input.size(); ++i) {
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
