// The shell-and-tube exchanger layout tab.
#pragma once

#include "shell/tab_page.h"

namespace vapentis {

class ExchangerTab : public TabPage {
  Q_OBJECT

 public:
  explicit ExchangerTab(QWidget* parent = nullptr);
};

}  // namespace vapentis
