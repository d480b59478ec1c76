#include "process/pump_tab.h"

namespace vapentis {

PumpTab::PumpTab(QWidget* parent) : TabPage(parent) {}

}  // namespace vapentis
