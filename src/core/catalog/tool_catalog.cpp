#include "core/catalog/tool_catalog.h"

#include "core/mvr/sizing_tool.h"
#include "core/process/exchanger_tool.h"
#include "core/process/pipe_tool.h"
#include "core/process/pump_tool.h"
#include "core/process/steam_tool.h"
#include "core/process/thermal_tool.h"
#include "core/reference/channel_tool.h"

namespace vapentis {

std::span<const ToolDescription* const> Tools() {
  // In the order of the menu; a tool shown beside another's tab comes where it reads best.
  static const ToolDescription* const tools[] = {
      &SizingTool(),    &SteamTool(),   &PipeTool(),    &PumpTool(),
      &ExchangerTool(), &ChannelTool(), &ThermalTool(),
  };
  return tools;
}

const ToolDescription* FindTool(std::string_view name) {
  for (const ToolDescription* tool : Tools()) {
    if (tool->name == name) return tool;
  }
  return nullptr;
}

}  // namespace vapentis
