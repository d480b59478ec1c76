// The saturated steam calculation as a tool: its mode and inputs as the window
// and the command line show them.
#pragma once

#include "description/tool_description.h"

namespace vapentis {

const ToolDescription& SteamTool();

}  // namespace vapentis
