// The hot-rolled channel steel lookup tab.
#pragma once

#include "shell/tab_page.h"

namespace vapentis {

class ChannelTab : public TabPage {
  Q_OBJECT

 public:
  explicit ChannelTab(QWidget* parent = nullptr);
};

}  // namespace vapentis
