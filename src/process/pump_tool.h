// The pump power calculation as a tool: its inputs as the window and the
// command line show them.
#pragma once

#include "description/tool_description.h"

namespace vapentis {

const ToolDescription& PumpTool();

}  // namespace vapentis
