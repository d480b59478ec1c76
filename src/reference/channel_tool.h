// The channel steel lookup as a tool: the size designation as the window and
// the command line show it.
#pragma once

#include "description/tool_description.h"

namespace vapentis {

const ToolDescription& ChannelTool();

}  // namespace vapentis
