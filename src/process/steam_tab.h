// The low-pressure saturated steam tab.
#pragma once

#include "shell/tab_page.h"

namespace vapentis {

class SteamTab : public TabPage {
  Q_OBJECT

 public:
  explicit SteamTab(QWidget* parent = nullptr);
};

}  // namespace vapentis
