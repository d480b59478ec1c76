#include "gui/tabs/channel_tab.h"

#include <QComboBox>
#include <QLineEdit>

#include "core/reference/channel_tool.h"
#include "gui/tabs/tool_pages.h"
#include "gui/widgets/result_box.h"

namespace vapentis {

namespace {

using enum ControlKind;

constexpr char kSizeList[] = "Combo2";

constexpr ControlRow kControls[] = {
    {Label, "Label10", {1320, 480, 2055, 255}, kDesignationInput},
    {List, kSizeList, {4080, 480, 1215, 360}, kDesignationInput},
    {Picture, "Image1", {240, 1200, 2910, 2970}, {}, ":/resources/channel_section.svg"},
    {ResultBox, "Text10", {3240, 1200, 3495, 2895}},
    {ExitButton, "Command6", {5400, 4200, 1300, 500}, {}},
};

}  // namespace

extern const ToolPage kChannelPage = {ChannelTool, "CGCX", kControls,
                                      []() -> TabPage* { return new ChannelTab; }};

ChannelTab::ChannelTab(QWidget* parent)
    : TabPage(&ChannelTool(), kControls, parent), size_(control<QComboBox>(kSizeList)) {
  // An editable list selects the item matching typed text when editing ends
  // and reports it as chosen, which would show the figures of another size
  // than the one typed; the typed text itself is looked up instead.
  QLineEdit* typed = size_->lineEdit();
  QObject::disconnect(typed, &QLineEdit::editingFinished, size_, nullptr);
  connect(typed, &QLineEdit::textEdited, this, [this] { typed_ = true; });
  // Enter, or leaving the box after typing in it; typing alone looks nothing up.
  connect(typed, &QLineEdit::editingFinished, this, &ChannelTab::onTypingFinished);
  // Picking the shown size again looks it up again: `activated` reports
  // every choice, `currentIndexChanged` only changes.
  connect(size_, &QComboBox::activated, this, &ChannelTab::onSizeChosen);
  // The window opens on the first size with its figures already shown.
  size_->setCurrentIndex(0);
  showSize(size_->currentText());
}

ChannelTab::~ChannelTab() {
  // The box loses its focus while the page is destroyed; nothing is to be looked up then.
  QObject::disconnect(size_->lineEdit(), nullptr, this, nullptr);
}

void ChannelTab::onSizeChosen(int index) {
  typed_ = false;
  emit used();
  showSize(size_->itemText(index));
}

void ChannelTab::onTypingFinished() {
  if (!typed_) return;
  typed_ = false;
  emit used();
  showSize(size_->currentText());
}

void ChannelTab::showSize(const QString& designation) {
  InputTexts texts(*tool());
  texts[kDesignationInput] = designation.toStdString();
  // A size not in the table shows the labels without values, as the lookup gives them.
  present(Present(texts, LocaleDecimalSeparator()));
}

}  // namespace vapentis
