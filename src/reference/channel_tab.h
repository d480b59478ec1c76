// The hot-rolled channel steel lookup tab: the size list, the section
// drawing and the result box.
#pragma once

#include "shell/tab_page.h"

class QComboBox;
class QPlainTextEdit;

namespace vapentis {

class ChannelTab : public TabPage {
  Q_OBJECT

 public:
  explicit ChannelTab(QWidget* parent = nullptr);

 private:
  void onSizeChosen(int index);
  void showSize(const QString& designation);

  QComboBox* size_;
  QPlainTextEdit* result_;
};

}  // namespace vapentis
