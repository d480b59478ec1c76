#include "description/presenter.h"

namespace vapentis {

namespace {

// "请选择“以压力为准”或“以温度为准”。"
std::string AskForChoice(const InputDescription& input) {
  std::string choices;
  for (const Choice& choice : input.choices) {
    if (!choices.empty()) choices += "或";
    choices += "“" + std::string(choice.caption) + "”";
  }
  return "请选择" + choices + "。";
}

}  // namespace

Presented Present(const InputTexts& texts, char decimal_separator) {
  Presented presented;
  const ToolDescription& tool = texts.tool();
  for (const InputDescription& input : tool.inputs) {
    // The old result must not stand as the answer to what was asked now.
    if (input.choice_required && texts[input.key].empty()) {
      presented.unchosen = AskForChoice(input);
      return presented;
    }
  }
  presented.warnings = RangeWarnings(texts, decimal_separator);
  try {
    presented.outcome = tool.calculate(texts, decimal_separator);
  } catch (const CalcFailure& failure) {
    presented.failure = failure;
  }
  return presented;
}

}  // namespace vapentis
