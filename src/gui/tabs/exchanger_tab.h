// The shell-and-tube exchanger tab: three inputs, the pitch and arrangement
// shown for reference, the calculate and exit buttons and the result box.
#pragma once

#include "gui/widgets/tab_page.h"

namespace vapentis {

class ExchangerTab : public TabPage {
  Q_OBJECT

 public:
  explicit ExchangerTab(QWidget* parent = nullptr);
};

}  // namespace vapentis
