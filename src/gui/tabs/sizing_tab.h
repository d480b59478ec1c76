// The MVR sizing tab: the application list, three inputs, the calculate and
// exit buttons and the result box.
#pragma once

#include "gui/widgets/tab_page.h"

namespace vapentis {

class SizingTab : public TabPage {
  Q_OBJECT

 public:
  explicit SizingTab(QWidget* parent = nullptr);
};

}  // namespace vapentis
