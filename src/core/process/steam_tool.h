// The saturated steam calculation as a tool: its mode and inputs as the window
// and the command line show them.
#pragma once

#include <string_view>

#include "core/description/tool_description.h"
#include "core/process/steam_properties.h"  // the input keys

namespace vapentis {

// The choices of the mode input: which of the two is given.
inline constexpr std::string_view kPressureMode = "pressure";
inline constexpr std::string_view kTemperatureMode = "temperature";

const ToolDescription& SteamTool();

}  // namespace vapentis
