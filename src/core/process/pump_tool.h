// The pump power calculation as a tool: its inputs as the window and the
// command line show them.
#pragma once

#include "core/description/tool_description.h"
#include "core/process/pump_power.h"  // the input keys

namespace vapentis {

const ToolDescription& PumpTool();

}  // namespace vapentis
