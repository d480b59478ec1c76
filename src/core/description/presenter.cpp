#include "core/description/presenter.h"

#include <utility>

namespace vapentis {

namespace {

constexpr std::string_view kFullStop = "。";

// "请选择“以压力为准”或“以温度为准”。"
std::string AskForChoice(const InputDescription& input) {
  std::string choices;
  for (const Choice& choice : input.choices) {
    if (!choices.empty()) choices += "或";
    choices += "“" + std::string(choice.caption) + "”";
  }
  return "请选择" + choices + "。";
}

const InputDescription* Culprit(const ToolDescription& tool, std::string_view key) {
  return key.empty() ? nullptr : FindInput(tool, key);
}

}  // namespace

std::string Failed::message() const {
  std::string text;
  for (const std::string& sentence : sentences) text += sentence;
  return text;
}

std::string FailureText(const Failed& failed, std::string_view line_break) {
  std::string text;
  for (const std::string& sentence : failed.sentences) {
    if (!text.empty()) text += line_break;
    text += sentence;
  }
  if (!text.ends_with(kFullStop)) text += kFullStop;
  if (failed.culprit != nullptr) {
    text += line_break;
    text += "请检查输入框“" + Caption(*failed.culprit) + "”。";
  }
  return text;
}

Failed FailureOf(const ToolDescription& tool, const CalcFailure& failure) {
  Failed failed{
      KindName(failure.kind()), {std::string(failure.what())}, Culprit(tool, failure.input())};
  if (!failure.cause().empty()) failed.sentences.push_back(failure.cause() + "。");
  return failed;
}

Failed FailureOf(const ToolDescription& tool, const RefusedValue& refused) {
  return {kOutOfRangeKind,
          {std::string(RefusedValue::kMessage), std::string(refused.note()) + "。"},
          Culprit(tool, refused.input())};
}

Presented Present(const InputTexts& texts, char decimal_separator) {
  Presented presented;
  const ToolDescription& tool = texts.tool();
  for (const InputDescription& input : tool.inputs) {
    // The old result must not stand as the answer to what was asked now.
    if (input.choice_required && texts[input.key].empty()) {
      presented.failure = Failed{kMissingChoiceKind, {AskForChoice(input)}, nullptr};
      return presented;
    }
  }
  presented.warnings = RangeWarnings(texts, decimal_separator);
  try {
    presented.outcome = tool.calculate(texts, decimal_separator);
  } catch (const CalcFailure& failure) {
    presented.failure = FailureOf(tool, failure);
    return presented;
  } catch (const RefusedValue& refused) {
    presented.failure = FailureOf(tool, refused);
    // The refusal names the value and why; a warning of the same would only repeat it.
    presented.warnings = RangeWarnings(texts, decimal_separator, refused.input());
    return presented;
  }
  if (!presented.outcome->unmatched_input.empty()) {
    // The lines stand without values; the press still gave no answer.
    presented.failure = Failed{kNotInListKind,
                               {presented.outcome->notice},
                               Culprit(tool, presented.outcome->unmatched_input)};
  }
  return presented;
}

}  // namespace vapentis
