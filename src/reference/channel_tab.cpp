#include "reference/channel_tab.h"

namespace vapentis {

ChannelTab::ChannelTab(QWidget* parent) : TabPage(parent) {}

}  // namespace vapentis
