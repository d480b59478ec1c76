#include "process/pipe_tab.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "process/pipe_diameter.h"

namespace vapentis {

PipeTab::PipeTab(QWidget* parent) : TabPage(parent) {
  // Inside the frame: two columns of label and box, the hint across both.
  QFrame* frame = addFrame("Frame3", TwipRect(120, 360, 6735, 2175));
  steam_ = addOptionButton(frame, "Option1", QStringLiteral("饱和水蒸汽"),
                           TwipRect(180, 120, 1800, 360));
  liquid_ =
      addOptionButton(frame, "Option2", QStringLiteral("液体"), TwipRect(3480, 120, 900, 360));
  // An exclusive group may start with neither button chosen, and a click
  // never clears the chosen one.
  auto* states = new QButtonGroup(this);
  states->setExclusive(true);
  states->addButton(steam_);
  states->addButton(liquid_);

  temperature_label_ =
      addLabel(frame, "Label11", QStringLiteral("水蒸汽温度（℃）"), TwipRect(180, 660, 2100, 300));
  temperature_ = addInput(frame, "Text11", QStringLiteral("100"), TwipRect(2340, 600, 840, 400));
  QLabel* flow_label = addLabel(frame, "Label12", QStringLiteral("流体的流量（kg/h）"),
                                TwipRect(3480, 660, 2220, 300));
  flow_ = addInput(frame, "Text12", QStringLiteral("5000"), TwipRect(5760, 600, 840, 400));
  QLabel* velocity_label = addLabel(frame, "Label13", QStringLiteral("流体的流速（m/s）"),
                                    TwipRect(180, 1200, 2100, 300));
  velocity_ = addInput(frame, "Text13", QStringLiteral("22"), TwipRect(2340, 1140, 840, 400));
  density_label_ = addLabel(frame, "Label14", QStringLiteral("实际密度（kg/m3）"),
                            TwipRect(3480, 1200, 2220, 300));
  density_ = addInput(frame, "Text14", QStringLiteral("1000"), TwipRect(5760, 1140, 840, 400));
  addLabel(frame, "Label15", QStringLiteral("蒸汽流速一般在20~40m/s之间，液体一般在1~2.5m/s之间。"),
           TwipRect(180, 1680, 6420, 300));

  QPushButton* calculate =
      addButton(this, "Command4", QStringLiteral("计算"), TwipRect(3960, 2640, 1300, 450));
  addExitButton(this, "Command7", QStringLiteral("退出"), TwipRect(5520, 2640, 1300, 450));
  result_ = addResultBox(this, "Text9", TwipRect(120, 3240, 6765, 1650));

  bindInput(kSteamTemperatureInput, temperature_, temperature_label_);
  bindInput(kFlowInput, flow_, flow_label);
  bindInput(kVelocityInput, velocity_, velocity_label);
  bindInput(kDensityInput, density_, density_label_);
  pressOnEnter({temperature_, flow_, velocity_, density_}, calculate);
  connect(steam_, &QRadioButton::clicked, this, &PipeTab::onSteamClicked);
  connect(liquid_, &QRadioButton::clicked, this, &PipeTab::onLiquidClicked);
  connect(calculate, &QPushButton::clicked, this, &PipeTab::onCalculateClicked);
}

void PipeTab::onSteamClicked() {
  temperature_label_->show();
  temperature_->show();
  density_label_->hide();
  density_->hide();
}

void PipeTab::onLiquidClicked() {
  temperature_label_->hide();
  temperature_->hide();
  density_label_->show();
  density_->show();
}

void PipeTab::onCalculateClicked() {
  FluidState state = FluidState::None;
  if (steam_->isChecked()) {
    state = FluidState::Steam;
  } else if (liquid_->isChecked()) {
    state = FluidState::Liquid;
  }
  const std::string temperature = temperature_->text().toStdString();
  const std::string flow = flow_->text().toStdString();
  const std::string velocity = velocity_->text().toStdString();
  const std::string density = density_->text().toStdString();
  const auto result = runReportingFailure([&] {
    return PipeDiameterResult(
        {state, temperature, flow, velocity, density, LocaleDecimalSeparator()});
  });
  if (result) ReplaceResult(*result_, result->lines);
}

}  // namespace vapentis
