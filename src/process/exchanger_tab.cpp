#include "process/exchanger_tab.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "process/exchanger_layout.h"

namespace vapentis {

ExchangerTab::ExchangerTab(QWidget* parent) : TabPage(parent) {
  QFrame* frame = addFrame("Frame4", TwipRect(120, 360, 6735, 1815));
  QLabel* area_label =
      addLabel(frame, "Label22", QStringLiteral("换热面积（m2）"), TwipRect(120, 360, 1935, 345));
  area_ = addInput(frame, "Text23", QStringLiteral("90"), TwipRect(2400, 360, 800, 360));
  QLabel* tube_diameter_label =
      addLabel(frame, "Label23", QStringLiteral("换热管外径"), TwipRect(3360, 360, 1575, 345));
  tube_diameter_ = addInput(frame, "Text24", QStringLiteral("38"), TwipRect(5400, 360, 1155, 360));

  QLabel* tube_length_label =
      addLabel(frame, "Label24", QStringLiteral("换热管长度（m）"), TwipRect(120, 840, 1935, 465));
  tube_length_ = addInput(frame, "Text25", QStringLiteral("6"), TwipRect(2400, 840, 800, 360));
  addLabel(frame, "Label25", QStringLiteral("排列方式"), TwipRect(3360, 840, 1575, 345));
  // Shown for the engineer's reference; the layout always assumes this arrangement.
  QComboBox* arrangement =
      addCombo(frame, "Combo3", kArrangementList, TwipRect(5160, 840, 1455, 360));
  arrangement->setCurrentIndex(0);

  addLabel(frame, "Label21", QStringLiteral("管中心距"), TwipRect(120, 1320, 1695, 465));
  // Shown, not read: the calculation takes the pitch as 1.25 times the tube diameter.
  QLineEdit* pitch =
      addInput(frame, "Text22", QStringLiteral("48"), TwipRect(2400, 1320, 800, 360));

  QPushButton* calculate =
      addButton(this, "Command11", QStringLiteral("计算"), TwipRect(3960, 2400, 1300, 450));
  addExitButton(this, "Command12", QStringLiteral("退出"), TwipRect(5520, 2400, 1300, 450));
  result_ = addResultBox(this, "Text21", TwipRect(120, 3000, 6765, 1890));

  bindInput(kAreaInput, area_, area_label);
  bindInput(kTubeDiameterInput, tube_diameter_, tube_diameter_label);
  bindInput(kTubeLengthInput, tube_length_, tube_length_label);
  pressOnEnter({area_, tube_diameter_, tube_length_, pitch, arrangement->lineEdit()}, calculate);
  connect(calculate, &QPushButton::clicked, this, &ExchangerTab::onCalculateClicked);
}

void ExchangerTab::onCalculateClicked() {
  const std::string area = area_->text().toStdString();
  const std::string tube_diameter = tube_diameter_->text().toStdString();
  const std::string tube_length = tube_length_->text().toStdString();
  const auto result = runReportingFailure([&] {
    return ExchangerLayout({area, tube_diameter, tube_length, LocaleDecimalSeparator()});
  });
  if (result) ReplaceResult(*result_, result->lines);
}

}  // namespace vapentis
