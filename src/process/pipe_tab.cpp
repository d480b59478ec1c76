#include "process/pipe_tab.h"

namespace vapentis {

PipeTab::PipeTab(QWidget* parent) : TabPage(parent) {}

}  // namespace vapentis
