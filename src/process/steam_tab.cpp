#include "process/steam_tab.h"

namespace vapentis {

SteamTab::SteamTab(QWidget* parent) : TabPage(parent) {}

}  // namespace vapentis
