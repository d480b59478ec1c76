// The pipe diameter tab: the fluid state, flow, velocity and density or steam
// temperature, the calculate button and the result box.
#pragma once

#include "shell/tab_page.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace vapentis {

class PipeTab : public TabPage {
  Q_OBJECT

 public:
  explicit PipeTab(QWidget* parent = nullptr);

 private:
  void onSteamClicked();
  void onLiquidClicked();
  void onCalculateClicked();

  QRadioButton* steam_;
  QRadioButton* liquid_;
  QLabel* temperature_label_;
  QLineEdit* temperature_;
  QLineEdit* flow_;
  QLineEdit* velocity_;
  QLabel* density_label_;
  QLineEdit* density_;
  QPlainTextEdit* result_;
};

}  // namespace vapentis
