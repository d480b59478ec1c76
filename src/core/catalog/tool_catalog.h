// Every tool of the program, in the order of the menu, for the command line,
// the tests and whoever else needs them all.
#pragma once

#include <span>
#include <string_view>

#include "core/description/tool_description.h"

namespace vapentis {

std::span<const ToolDescription* const> Tools();
// The tool with this name; nullptr if none.
const ToolDescription* FindTool(std::string_view name);

}  // namespace vapentis
