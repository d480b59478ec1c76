#include "shell/help_tab.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "shell/maker_info.h"

namespace vapentis {

namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Blanks(int count) { return QString(count, QLatin1Char(' ')); }

}  // namespace

QString HelpText() {
  const QString lines[] = {
      Blanks(4) + QStringLiteral("本软件是Ardelle发布的一款"),
      QStringLiteral("免费的、与MVR蒸发器相关的基本功能软件，目前版本为"),
      QStringLiteral("KOVALT2.0。我公司后续会发布更多更新的版本，请关注官网。"),
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

HelpTab::HelpTab(QWidget* parent) : TabPage(parent) {
  QPlainTextEdit* help = addResultBox(this, "Text8", TwipRect(120, 480, 6735, 3855));
  help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  help->setPlainText(HelpText());
  addExitButton(this, "Command8", QStringLiteral("关闭"), TwipRect(5760, 4560, 1065, 500));
}

}  // namespace vapentis
