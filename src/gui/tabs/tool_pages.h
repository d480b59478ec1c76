// The window's side of each tool of the catalog: the object name of its menu
// command, which the core does not know, and the page that shows it.
#pragma once

#include <string_view>

#include "gui/widgets/tab_page.h"

namespace vapentis {

struct ToolPage {
  std::string_view tool;  // the name in the catalog
  const char* menu_code;  // objectName of the menu command that shows the page
  TabPage* (*make)();
};

// The page of a tool of the catalog. Throws std::logic_error for a tool
// without one, so a tool added to the catalog alone fails at the first start.
const ToolPage& PageOf(std::string_view tool);

}  // namespace vapentis
