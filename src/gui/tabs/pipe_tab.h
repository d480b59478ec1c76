// The pipe diameter tab: the fluid state, the inputs of the state, the
// calculate and exit buttons and the result box.
#pragma once

#include "gui/widgets/tab_page.h"

namespace vapentis {

class PipeTab : public TabPage {
  Q_OBJECT

 public:
  explicit PipeTab(QWidget* parent = nullptr);
};

}  // namespace vapentis
