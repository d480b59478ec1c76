// The pipe diameter calculation as a tool: the fluid state and the inputs as
// the window and the command line show them.
#pragma once

#include <string_view>

#include "core/description/tool_description.h"
#include "core/process/pipe_diameter.h"  // the input keys

namespace vapentis {

// The choices of the fluid state.
inline constexpr std::string_view kSteamState = "steam";
inline constexpr std::string_view kLiquidState = "liquid";

const ToolDescription& PipeTool();

}  // namespace vapentis
