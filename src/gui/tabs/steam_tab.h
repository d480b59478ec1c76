// The low-pressure saturated steam tab: the pressure or temperature mode, the
// box of the mode, the calculate and exit buttons and the result box.
#pragma once

#include "gui/widgets/tab_page.h"

namespace vapentis {

class SteamTab : public TabPage {
  Q_OBJECT

 public:
  explicit SteamTab(QWidget* parent = nullptr);
};

}  // namespace vapentis
