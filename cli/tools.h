// The tools the command line offers: their inputs with units and start texts,
// and how each runs its calculation and names the figures it yields.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vapentis::cli {

struct InputSpec {
  std::string_view key;           // JSON key; the option is --key with '-' for '_'
  std::string_view caption;       // what --help shows: the window's label and the unit
  std::string_view default_text;  // the text the window's box starts with
  // Name a failed conversion of this input carries in the core, when it differs from key.
  std::string_view core_name = {};
  std::span<const std::string_view> choices = {};  // empty: any text
};

struct Figure {
  std::string_view name;  // with its unit, e.g. power_kw
  double value;
};

struct ToolOutput {
  std::vector<Figure> figures;
  std::vector<std::string> lines;  // the window's result lines
  std::string notice;              // a hint for the user, not part of the result; may be empty
};

struct Tool {
  std::string_view name;
  std::string_view summary;
  std::span<const InputSpec> inputs;
  // Texts in the order of `inputs`. Throws CalcFailure as the window would report it.
  ToolOutput (*run)(std::span<const std::string> texts);
};

std::span<const Tool> Tools();
const Tool* FindTool(std::string_view name);

// The option that sets an input: "--" and the key with '-' for '_'.
std::string OptionName(const InputSpec& input);

// The key of the input a failed conversion came from; empty when it names none.
std::string_view InputKeyOfFailure(const Tool& tool, std::string_view core_name);

}  // namespace vapentis::cli
