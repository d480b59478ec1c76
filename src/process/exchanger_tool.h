// The exchanger layout as a tool: its inputs, and the boxes shown for
// reference, as the window and the command line show them.
#pragma once

#include "description/tool_description.h"
#include "process/exchanger_layout.h"  // the input keys

namespace vapentis {

const ToolDescription& ExchangerTool();

}  // namespace vapentis
