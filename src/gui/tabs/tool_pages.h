// The window's side of each tool of the catalog: the object name of its menu
// command, which the core does not know, and the table of its page.
#pragma once

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "core/description/tool_description.h"
#include "gui/widgets/tab_page.h"

namespace vapentis {

// A figure one tool's press hands on to another tool's box: after a press of
// `button` on `from`'s page succeeded, the box of `to`'s input `input` takes the
// figure as the result lines show it.
struct HandOn {
  const ToolDescription& (*from)();
  const char* button;
  std::string_view figure;
  const ToolDescription& (*to)();
  std::string_view input;
  // `to`'s tab is then shown as its menu command shows it, and calculated.
  bool show_and_calculate = false;
};

struct ToolPage {
  const ToolDescription& (*tool)();  // its description in the catalog
  // objectName of the menu command that shows the page; nullptr for a tool whose
  // tab is shown beside another's (ToolDescription::shown_beside).
  const char* menu_code;
  std::span<const ControlRow> controls;
  // A page with behaviour of its own; nullptr: the plain TabPage of `controls`.
  TabPage* (*make)() = nullptr;
  // The figures handed from one tab to another that this tool takes part in,
  // declared once, by the tool that needs them.
  std::span<const HandOn> hand_ons = {};
};

// Every page's hand-ons.
std::vector<HandOn> HandOns();

// The page of a tool of the catalog. Throws std::logic_error for a tool
// without one, so a tool added to the catalog alone fails at the first start.
const ToolPage& PageOf(const ToolDescription& tool);

// A new page of the tool, as the window shows it.
std::unique_ptr<TabPage> MakePage(const ToolDescription& tool);

}  // namespace vapentis
