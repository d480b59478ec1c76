#include "gui/shell/help_tab.h"

#include <QPlainTextEdit>

#include "core/catalog/maker_info.h"
#include "core/catalog/program_info.h"
#include "gui/widgets/qt_text.h"

namespace vapentis {

namespace {

QString Blanks(int count) { return QString(count, QLatin1Char(' ')); }

}  // namespace

QString HelpText() {
  const QString lines[] = {
      Blanks(4) + QStringLiteral("本软件是") + Utf8(maker::kName) + QStringLiteral("发布的一款"),
      QStringLiteral("免费的、与MVR蒸发器相关的基本功能软件，目前版本为"),
      Utf8(program::kProductCode) +
          QStringLiteral("。我公司后续会发布更多更新的版本，请关注官网。"),
      Blanks(4) + Utf8(maker::kBusinessFirstHalf),
      Utf8(maker::kBusinessSecondHalf) + Blanks(16),
      Blanks(5),
      QStringLiteral("网址：") + Utf8(maker::kWebAddress) + Blanks(30),
      QStringLiteral("电话：") + Utf8(maker::kTelephone) + Blanks(25),
      QStringLiteral("传真：") + Utf8(maker::kFax),
      QStringLiteral("邮箱：") + Utf8(maker::kEmail),
  };
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  return text;
}

namespace {

using enum ControlKind;

constexpr ControlRow kControls[] = {
    {ResultBox, "Text8", {120, 480, 6735, 3855}},
    {ExitButton, "Command8", {5760, 4560, 1065, 500}, {}, "关闭"},
};

}  // namespace

HelpTab::HelpTab(QWidget* parent) : TabPage(nullptr, kControls, parent) {
  resultBox()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  resultBox()->setPlainText(HelpText());
}

}  // namespace vapentis
