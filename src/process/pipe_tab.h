// The pipe diameter tab.
#pragma once

#include "shell/tab_page.h"

namespace vapentis {

class PipeTab : public TabPage {
  Q_OBJECT

 public:
  explicit PipeTab(QWidget* parent = nullptr);
};

}  // namespace vapentis
