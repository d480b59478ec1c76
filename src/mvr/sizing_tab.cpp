#include "mvr/sizing_tab.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "mvr/evaporator_sizing.h"

namespace vapentis {

SizingTab::SizingTab(QWidget* parent) : TabPage(parent) {
  addLabel(this, "Label7", QStringLiteral("选择用途"), TwipRect(600, 480, 1335, 255));
  application_ = addCombo(this, "Combo1", kApplicationList, TwipRect(2280, 480, 1335, 360));
  application_->setCurrentIndex(0);

  QLabel* throughput_label =
      addLabel(this, "Label1", QStringLiteral("处理量"), TwipRect(600, 960, 1335, 255));
  throughput_ = addInput(this, "Text1", QStringLiteral("5"), TwipRect(2400, 960, 1200, 400));
  addLabel(this, "Label4", QStringLiteral("（吨/小时）"), TwipRect(3720, 960, 1335, 255));

  QLabel* feed_label =
      addLabel(this, "Label2", QStringLiteral("原液浓度"), TwipRect(600, 1440, 1335, 255));
  feed_ = addInput(this, "Text2", QStringLiteral("10"), TwipRect(2400, 1440, 1200, 400));
  addLabel(this, "Label5", QStringLiteral("（%）"), TwipRect(3720, 1560, 1335, 255));

  QLabel* product_label =
      addLabel(this, "Label3", QStringLiteral("最终出料浓度"), TwipRect(600, 2040, 1695, 255));
  product_ = addInput(this, "Text3", QStringLiteral("40"), TwipRect(2400, 1920, 1200, 400));
  addLabel(this, "Label6", QStringLiteral("（%）"), TwipRect(3720, 2040, 1335, 255));

  QPushButton* calculate =
      addButton(this, "Command5", QStringLiteral("确定"), TwipRect(5520, 840, 1300, 500));
  addExitButton(this, "Command1", QStringLiteral("退出"), TwipRect(5520, 1560, 1300, 500));
  result_ = addResultBox(this, "Text4", TwipRect(120, 2400, 6735, 2535));

  bindInput(kThroughputInput, throughput_, throughput_label);
  bindInput(kFeedConcentrationInput, feed_, feed_label);
  bindInput(kProductConcentrationInput, product_, product_label);
  pressOnEnter({throughput_, feed_, product_, application_->lineEdit()}, calculate);
  connect(calculate, &QPushButton::clicked, this, &SizingTab::onCalculateClicked);
}

void SizingTab::onCalculateClicked() {
  const std::string throughput = throughput_->text().toStdString();
  const std::string feed = feed_->text().toStdString();
  const std::string product = product_->text().toStdString();
  const std::string application = application_->currentText().toStdString();
  const auto result = runReportingFailure([&] {
    return SizeEvaporator({throughput, feed, product, application, LocaleDecimalSeparator()});
  });
  if (result) ReplaceResult(*result_, result->lines);
}

}  // namespace vapentis
