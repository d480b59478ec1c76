// The centrifugal pump power tab: five inputs, the calculate and exit buttons
// and the result box.
#pragma once

#include "gui/widgets/tab_page.h"

namespace vapentis {

class PumpTab : public TabPage {
  Q_OBJECT

 public:
  explicit PumpTab(QWidget* parent = nullptr);
};

}  // namespace vapentis
