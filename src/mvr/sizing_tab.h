// The MVR sizing tab: the four inputs, the calculate button and the result box.
#pragma once

#include "shell/tab_page.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace vapentis {

class SizingTab : public TabPage {
  Q_OBJECT

 public:
  explicit SizingTab(QWidget* parent = nullptr);

 private:
  void onCalculateClicked();

  QComboBox* application_;
  QLineEdit* throughput_;
  QLineEdit* feed_;
  QLineEdit* product_;
  QPlainTextEdit* result_;
};

}  // namespace vapentis
