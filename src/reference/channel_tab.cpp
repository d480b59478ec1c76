#include "reference/channel_tab.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "reference/channel_steel.h"

namespace vapentis {

ChannelTab::ChannelTab(QWidget* parent) : TabPage(parent) {
  addLabel(this, "Label10", QStringLiteral("选择槽钢规格"), TwipRect(1320, 480, 2055, 255));
  size_ = addCombo(this, "Combo2", kChannelList, TwipRect(4080, 480, 1215, 360));
  addPicture(this, "Image1", QStringLiteral(":/resources/channel_section.svg"), QSize(194, 198),
             TwipRect(240, 1200, 2910, 2970));
  result_ = addResultBox(this, "Text10", TwipRect(3240, 1200, 3495, 2895));
  addExitButton(this, "Command6", QStringLiteral("退出"), TwipRect(5400, 4200, 1300, 500));

  // An editable list selects the item matching typed text when editing ends
  // (Enter, focus loss, even while the tab is destroyed) and reports it as
  // chosen; here only a pick from the list may look a size up.
  QObject::disconnect(size_->lineEdit(), &QLineEdit::editingFinished, size_, nullptr);
  // Picking the shown size again looks it up again: `activated` reports
  // every choice, `currentIndexChanged` only changes.
  connect(size_, &QComboBox::activated, this, &ChannelTab::onSizeChosen);
  // The window opens on the first size with its figures already shown.
  size_->setCurrentIndex(0);
  showSize(size_->currentText());
}

void ChannelTab::onSizeChosen(int index) { showSize(size_->itemText(index)); }

void ChannelTab::showSize(const QString& designation) {
  const std::string text = designation.toStdString();
  ReplaceResult(*result_, ChannelResultText(LookupChannel(text), LocaleDecimalSeparator()));
}

}  // namespace vapentis
