// The help tab: what the program is and how to reach the maker.
#pragma once

#include <QString>

#include "gui/widgets/tab_page.h"

namespace vapentis {

// The ten lines of the help text, each ended by "\r\n", the last one too.
QString HelpText();

class HelpTab : public TabPage {
  Q_OBJECT

 public:
  explicit HelpTab(QWidget* parent = nullptr);
};

}  // namespace vapentis
