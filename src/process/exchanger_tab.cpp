#include "process/exchanger_tab.h"

namespace vapentis {

ExchangerTab::ExchangerTab(QWidget* parent) : TabPage(parent) {}

}  // namespace vapentis
