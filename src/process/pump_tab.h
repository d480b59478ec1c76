// The centrifugal pump power tab.
#pragma once

#include "shell/tab_page.h"

namespace vapentis {

class PumpTab : public TabPage {
  Q_OBJECT

 public:
  explicit PumpTab(QWidget* parent = nullptr);
};

}  // namespace vapentis
