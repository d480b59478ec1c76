// How the command line names a tool's inputs and fills those not given.
#pragma once

#include <string>
#include <string_view>

#include "description/tool_description.h"

namespace vapentis::cli {

// The option that sets an input: "--" and the key with '-' for '_'.
std::string OptionName(const InputDescription& input);

// The text of an input left out: the window's start text, or the first choice
// where the window starts with none ticked.
std::string_view DefaultText(const InputDescription& input);

}  // namespace vapentis::cli
