#include "cli/tools.h"

#include <algorithm>
#include <numeric>

namespace vapentis::cli {

std::string OptionName(const InputDescription& input) {
  std::string option = "--";
  for (const char c : input.key) option.push_back(c == '_' ? '-' : c);
  return option;
}

std::string_view DefaultText(const InputDescription& input) {
  if (input.start_text.empty() && !input.choices.empty()) return input.choices.front().key;
  return input.start_text;
}

void SetDefaultTexts(const ToolDescription& tool, InputTexts& texts) {
  texts.Reset(tool);
  for (const InputDescription& input : tool.inputs) texts[input.key] = DefaultText(input);
}

std::string SettleChoices(InputTexts& texts, std::span<const std::string_view> given,
                          std::string (*name)(const InputDescription& input),
                          const InputDescription** blamed) {
  const auto is_given = [given](std::string_view key) {
    return std::find(given.begin(), given.end(), key) != given.end();
  };
  const std::span<const InputDescription> inputs = texts.tool().inputs;
  for (const InputDescription& choice_input : inputs) {
    if (choice_input.choices.empty()) continue;
    const bool chooser_given = is_given(choice_input.key);
    std::string& chosen = texts[choice_input.key];
    // The given inputs that are read under one choice of this input only.
    const InputDescription* first = nullptr;
    for (const InputDescription& input : inputs) {
      if (input.read_when.input != choice_input.key || !is_given(input.key)) continue;
      if (blamed != nullptr) *blamed = &input;
      if (chooser_given && chosen != input.read_when.choice) {
        return name(input) + " 只在 " + name(choice_input) + " 为 " +
               std::string(input.read_when.choice) + " 时读取，而 " + name(choice_input) + " 是 " +
               chosen;
      }
      if (first != nullptr && first->read_when.choice != input.read_when.choice) {
        return name(*first) + " 与 " + name(input) + " 分别只在 " + name(choice_input) + " 为 " +
               std::string(first->read_when.choice) + " 和 " + std::string(input.read_when.choice) +
               " 时读取，不能同时给出";
      }
      if (first == nullptr) first = &input;
    }
    if (!chooser_given && first != nullptr) chosen = first->read_when.choice;
  }
  if (blamed != nullptr) *blamed = nullptr;
  return {};
}

namespace {

// Edits that turn one word into the other: insertions, deletions,
// substitutions and swaps of neighbours.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::string_view NearestName(std::string_view typed, std::span<const std::string> candidates) {
  std::string_view nearest;
  std::size_t best = 0;
  for (const std::string& candidate : candidates) {
    const std::size_t distance = EditDistance(typed, candidate);
    if (nearest.empty() || distance < best) {
      nearest = candidate;
      best = distance;
    }
  }
  // Close enough to be a slip of the fingers: a third of the word, at least two.
  const std::size_t allowed = std::max<std::size_t>(2, typed.size() / 3);
  return best <= allowed ? nearest : std::string_view{};
}

}  // namespace vapentis::cli
