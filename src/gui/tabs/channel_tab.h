// The hot-rolled channel steel lookup tab: the size list, the section
// drawing, the result box and the exit button.
#pragma once

#include "gui/widgets/tab_page.h"

class QComboBox;

namespace vapentis {

class ChannelTab : public TabPage {
  Q_OBJECT

 public:
  explicit ChannelTab(QWidget* parent = nullptr);
  ~ChannelTab() override;

 private:
  void onSizeChosen(int index);
  void onTypingFinished();
  void showSize(const QString& designation);

  QComboBox* size_;
  bool typed_ = false;  // the box's text was typed since the last lookup
};

}  // namespace vapentis
