// The channel steel lookup as a tool: the size designation as the window and
// the command line show it.
#pragma once

#include "core/description/tool_description.h"
#include "core/reference/channel_steel.h"  // the input key

namespace vapentis {

const ToolDescription& ChannelTool();

}  // namespace vapentis
