// The exchanger layout as a tool: its inputs, and the boxes shown for
// reference, as the window and the command line show them.
#pragma once

#include "core/description/tool_description.h"
#include "core/process/exchanger_layout.h"  // the input keys

namespace vapentis {

const ToolDescription& ExchangerTool();

}  // namespace vapentis
