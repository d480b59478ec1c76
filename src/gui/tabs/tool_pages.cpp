#include "gui/tabs/tool_pages.h"

#include <stdexcept>
#include <string>

namespace vapentis {

// Each tool's page, defined beside its table in the tab's own file.
extern const ToolPage kSizingPage;
extern const ToolPage kSteamPage;
extern const ToolPage kPipePage;
extern const ToolPage kPumpPage;
extern const ToolPage kExchangerPage;
extern const ToolPage kChannelPage;
extern const ToolPage kThermalPage;

namespace {

const ToolPage* const kPages[] = {
    &kSizingPage,    &kSteamPage,   &kPipePage,    &kPumpPage,
    &kExchangerPage, &kChannelPage, &kThermalPage,
};

}  // namespace

const ToolPage& PageOf(const ToolDescription& tool) {
  for (const ToolPage* page : kPages) {
    if (&page->tool() == &tool) return *page;
  }
  throw std::logic_error("no page for the tool " + std::string(tool.name));
}

std::vector<HandOn> HandOns() {
  std::vector<HandOn> hand_ons;
  for (const ToolPage* page : kPages) {
    hand_ons.insert(hand_ons.end(), page->hand_ons.begin(), page->hand_ons.end());
  }
  return hand_ons;
}

std::unique_ptr<TabPage> MakePage(const ToolDescription& tool) {
  const ToolPage& page = PageOf(tool);
  if (page.make != nullptr) return std::unique_ptr<TabPage>(page.make());
  return std::make_unique<TabPage>(&tool, page.controls);
}

}  // namespace vapentis
