#include "cli/tools.h"

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

}  // namespace vapentis::cli
