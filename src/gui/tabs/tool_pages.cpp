#include "gui/tabs/tool_pages.h"

#include <array>
#include <stdexcept>
#include <string>

#include "gui/tabs/channel_tab.h"
#include "gui/tabs/exchanger_tab.h"
#include "gui/tabs/pipe_tab.h"
#include "gui/tabs/pump_tab.h"
#include "gui/tabs/sizing_tab.h"
#include "gui/tabs/steam_tab.h"

namespace vapentis {

namespace {

template <class Page>
TabPage* Make() {
  return new Page;
}

// Menu codes are the pinyin initials of their captions, or Latin abbreviations.
constexpr std::array kPages = {
    ToolPage{"sizing", "MVR", Make<SizingTab>},      ToolPage{"steam", "ZQXZ", Make<SteamTab>},
    ToolPage{"pipe", "GLJS", Make<PipeTab>},         ToolPage{"pump", "P", Make<PumpTab>},
    ToolPage{"exchanger", "HE", Make<ExchangerTab>}, ToolPage{"channel", "CGCX", Make<ChannelTab>},
};

}  // namespace

const ToolPage& PageOf(std::string_view tool) {
  for (const ToolPage& page : kPages) {
    if (page.tool == tool) return page;
  }
  throw std::logic_error("no page for the tool " + std::string(tool));
}

}  // namespace vapentis
