// The MVR sizing as a tool: its inputs as the window and the command line show them.
#pragma once

#include "description/tool_description.h"

namespace vapentis {

const ToolDescription& SizingTool();

}  // namespace vapentis
