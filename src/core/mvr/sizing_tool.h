// The MVR sizing as a tool: its inputs as the window and the command line show them.
#pragma once

#include "core/description/tool_description.h"
#include "core/mvr/evaporator_sizing.h"  // the input keys

namespace vapentis {

const ToolDescription& SizingTool();

}  // namespace vapentis
