// The window's side of each tool of the catalog: the object name of its menu
// command, which the core does not know, and the table of its page.
#pragma once

#include <memory>
#include <span>

#include "core/description/tool_description.h"
#include "gui/widgets/tab_page.h"

namespace vapentis {

struct ToolPage {
  const ToolDescription& (*tool)();  // its description in the catalog
  // objectName of the menu command that shows the page; nullptr for a tool whose
  // tab is shown beside another's (ToolDescription::shown_beside).
  const char* menu_code;
  std::span<const ControlRow> controls;
  // A page with behaviour of its own; nullptr: the plain TabPage of `controls`.
  TabPage* (*make)() = nullptr;
};

// The page of a tool of the catalog. Throws std::logic_error for a tool
// without one, so a tool added to the catalog alone fails at the first start.
const ToolPage& PageOf(const ToolDescription& tool);

// A new page of the tool, as the window shows it.
std::unique_ptr<TabPage> MakePage(const ToolDescription& tool);

}  // namespace vapentis
