// The centrifugal pump power tab: five inputs, the calculate button and the
// result box.
#pragma once

#include "shell/tab_page.h"

class QLineEdit;
class QPlainTextEdit;

namespace vapentis {

class PumpTab : public TabPage {
  Q_OBJECT

 public:
  explicit PumpTab(QWidget* parent = nullptr);

 private:
  void onCalculateClicked();

  QLineEdit* flow_;
  QLineEdit* head_;
  QLineEdit* specific_gravity_;
  QLineEdit* efficiency_;
  QLineEdit* safety_factor_;
  QPlainTextEdit* result_;
};

}  // namespace vapentis
