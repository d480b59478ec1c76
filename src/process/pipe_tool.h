// The pipe diameter calculation as a tool: the fluid state and the inputs as
// the window and the command line show them.
#pragma once

#include "description/tool_description.h"

namespace vapentis {

const ToolDescription& PipeTool();

}  // namespace vapentis
