#include "process/pump_tab.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "process/pump_power.h"

namespace vapentis {

PumpTab::PumpTab(QWidget* parent) : TabPage(parent) {
  QFrame* frame = addFrame("Frame2", TwipRect(120, 360, 6735, 1815));
  QLabel* flow_label =
      addLabel(frame, "Label20", QStringLiteral("流量（m3/h）"), TwipRect(120, 240, 1935, 345));
  flow_ = addInput(frame, "Text18", QStringLiteral("100"), TwipRect(2160, 240, 800, 360));
  QLabel* head_label =
      addLabel(frame, "Label19", QStringLiteral("扬程（m）"), TwipRect(3480, 240, 1575, 345));
  head_ = addInput(frame, "Text17", QStringLiteral("30"), TwipRect(5760, 240, 800, 360));

  QLabel* specific_gravity_label =
      addLabel(frame, "Label18", QStringLiteral("比重"), TwipRect(120, 720, 1455, 465));
  specific_gravity_ =
      addInput(frame, "Text16", QStringLiteral("1.4"), TwipRect(2160, 720, 800, 360));
  QLabel* efficiency_label =
      addLabel(frame, "Label17", QStringLiteral("泵的效率"), TwipRect(3480, 720, 2055, 345));
  efficiency_ = addInput(frame, "Text15", QStringLiteral("0.6"), TwipRect(5760, 720, 800, 360));

  QLabel* safety_factor_label =
      addLabel(frame, "Label16", QStringLiteral("安全系数"), TwipRect(120, 1200, 1575, 345));
  safety_factor_ =
      addInput(frame, "Text20", QStringLiteral("1.25"), TwipRect(2160, 1200, 800, 360));

  QPushButton* calculate =
      addButton(this, "Command10", QStringLiteral("计算"), TwipRect(3960, 2400, 1300, 450));
  addExitButton(this, "Command9", QStringLiteral("退出"), TwipRect(5520, 2400, 1300, 450));
  result_ = addResultBox(this, "Text19", TwipRect(120, 3000, 6765, 1890));

  bindInput(kPumpFlowInput, flow_, flow_label);
  bindInput(kHeadInput, head_, head_label);
  bindInput(kSpecificGravityInput, specific_gravity_, specific_gravity_label);
  bindInput(kEfficiencyInput, efficiency_, efficiency_label);
  bindInput(kSafetyFactorInput, safety_factor_, safety_factor_label);
  pressOnEnter({flow_, head_, specific_gravity_, efficiency_, safety_factor_}, calculate);
  connect(calculate, &QPushButton::clicked, this, &PumpTab::onCalculateClicked);
}

void PumpTab::onCalculateClicked() {
  const std::string flow = flow_->text().toStdString();
  const std::string head = head_->text().toStdString();
  const std::string specific_gravity = specific_gravity_->text().toStdString();
  const std::string efficiency = efficiency_->text().toStdString();
  const std::string safety_factor = safety_factor_->text().toStdString();
  const auto result = runReportingFailure([&] {
    return PumpPower(
        {flow, head, specific_gravity, efficiency, safety_factor, LocaleDecimalSeparator()});
  });
  if (result) ReplaceResult(*result_, result->lines);
}

}  // namespace vapentis
