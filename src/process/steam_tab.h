// The low-pressure saturated steam tab: the pressure or temperature mode, its
// input, the calculate button and the result box.
#pragma once

#include "shell/tab_page.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace vapentis {

class SteamTab : public TabPage {
  Q_OBJECT

 public:
  explicit SteamTab(QWidget* parent = nullptr);

 private:
  void onPressureModeClicked(bool ticked);
  void onTemperatureModeClicked(bool ticked);
  void onCalculateClicked();

  QCheckBox* pressure_mode_;
  QCheckBox* temperature_mode_;
  QLabel* pressure_label_;
  QLineEdit* pressure_;
  QLabel* temperature_label_;
  QLineEdit* temperature_;
  QPlainTextEdit* result_;
};

}  // namespace vapentis
