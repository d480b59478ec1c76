#include "process/steam_tab.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "process/steam_properties.h"

namespace vapentis {

SteamTab::SteamTab(QWidget* parent) : TabPage(parent) {
  QFrame* modes = addFrame("Frame1", TwipRect(840, 480, 4095, 1095));
  pressure_mode_ =
      addCheckBox(modes, "Check1", QStringLiteral("以压力为准"), TwipRect(240, 120, 1800, 375));
  temperature_mode_ =
      addCheckBox(modes, "Check2", QStringLiteral("以温度为准"), TwipRect(240, 600, 1800, 375));
  pressure_mode_->setChecked(true);

  // The two pairs share one spot; the mode decides which of them shows.
  pressure_label_ =
      addLabel(this, "Label8", QStringLiteral("饱和蒸汽压力(MPa)"), TwipRect(840, 1860, 2280, 300));
  pressure_ = addInput(this, "Text5", QStringLiteral("0.1013"), TwipRect(3240, 1800, 1695, 400));
  temperature_label_ =
      addLabel(this, "Label9", QStringLiteral("饱和蒸汽温度（℃）"), TwipRect(840, 1860, 2280, 300));
  temperature_ = addInput(this, "Text7", QStringLiteral("100"), TwipRect(3240, 1800, 1695, 400));
  temperature_label_->hide();
  temperature_->hide();

  QPushButton* calculate =
      addButton(this, "Command3", QStringLiteral("确定"), TwipRect(5520, 840, 1300, 500));
  addExitButton(this, "Command2", QStringLiteral("退出"), TwipRect(5520, 1560, 1300, 500));
  result_ = addResultBox(this, "Text6", TwipRect(120, 2400, 6735, 2535));

  bindInput(kPressureInput, pressure_, pressure_label_);
  bindInput(kTemperatureInput, temperature_, temperature_label_);
  pressOnEnter({pressure_, temperature_}, calculate);
  // clicked, not toggled: the box a rule clears in code must not run the rules.
  connect(pressure_mode_, &QCheckBox::clicked, this, &SteamTab::onPressureModeClicked);
  connect(temperature_mode_, &QCheckBox::clicked, this, &SteamTab::onTemperatureModeClicked);
  connect(calculate, &QPushButton::clicked, this, &SteamTab::onCalculateClicked);
}

// A click that clears the box leaves the shown pair as it is.
void SteamTab::onPressureModeClicked(bool ticked) {
  if (!ticked) return;
  pressure_label_->show();
  pressure_->show();
  temperature_label_->hide();
  temperature_->hide();
  temperature_mode_->setChecked(false);
}

void SteamTab::onTemperatureModeClicked(bool ticked) {
  if (!ticked) return;
  temperature_label_->show();
  temperature_->show();
  pressure_label_->hide();
  pressure_->hide();
  pressure_mode_->setChecked(false);
}

void SteamTab::onCalculateClicked() {
  SteamMode mode = SteamMode::None;
  if (pressure_mode_->isChecked()) {
    mode = SteamMode::Pressure;
  } else if (temperature_mode_->isChecked()) {
    mode = SteamMode::Temperature;
  }
  const std::string pressure = pressure_->text().toStdString();
  const std::string temperature = temperature_->text().toStdString();
  const auto result = runReportingFailure([&] {
    return SteamPropertiesResult({mode, pressure, temperature, LocaleDecimalSeparator()});
  });
  // Nothing to write after a failure, nor when no mode is ticked.
  if (result && *result) ReplaceResult(*result_, (*result)->lines);
}

}  // namespace vapentis
