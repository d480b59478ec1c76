// Runs the command in-process on string streams, as the shell would run it.
#pragma once

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/calc_command.h"
#include "cli/tools.h"
#include "core/catalog/tool_catalog.h"
#include "core/description/presenter.h"

namespace vapentis::cli {

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

inline Outcome RunWith(const std::vector<std::string>& args, const std::string& input = {}) {
  std::vector<const char*> argv{"vapentis-calc"};
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int code = RunCalc(static_cast<int>(argv.size()), argv.data(), in, out, err);
  return {code, out.str(), err.str()};
}

// The lines of a text, without the newline that ends each.
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// What the command prints for a tool given no option: the core's lines for
// the default texts, each followed by a newline.
inline std::string StartUpLines(std::string_view tool) {
  InputTexts texts;
  SetDefaultTexts(*FindTool(tool), texts);
  std::string lines;
  const Presented presented = Present(texts, '.');
  for (const std::string& line : presented.outcome->lines) lines += line + "\n";
  return lines;
}

}  // namespace vapentis::cli
