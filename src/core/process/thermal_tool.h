// The MVR heat check as a tool: its inputs as the window, beside the sizing's, and the command
// line show them.
#pragma once

#include "core/description/tool_description.h"
#include "core/process/mvr_thermal.h"  // the input keys

namespace vapentis {

const ToolDescription& ThermalTool();

}  // namespace vapentis
