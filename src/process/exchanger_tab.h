// The shell-and-tube exchanger layout tab: the three inputs of the
// calculation, the pitch and arrangement shown beside them, the calculate
// button and the result box.
#pragma once

#include "shell/tab_page.h"

class QLineEdit;
class QPlainTextEdit;

namespace vapentis {

class ExchangerTab : public TabPage {
  Q_OBJECT

 public:
  explicit ExchangerTab(QWidget* parent = nullptr);

 private:
  void onCalculateClicked();

  QLineEdit* area_;
  QLineEdit* tube_diameter_;
  QLineEdit* tube_length_;
  QPlainTextEdit* result_;
};

}  // namespace vapentis
