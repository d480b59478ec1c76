#include "gui/widgets/result_box.h"

#include <QLocale>
#include <QPlainTextEdit>

#include "core/numeric/numeric.h"

namespace vapentis {

char LocaleDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  if (point.size() == 1 && point.at(0).unicode() < 0x80) return point.at(0).toLatin1();
  return '.';
}

void ReplaceResult(QPlainTextEdit& box, const std::vector<std::string>& lines) {
  box.setPlainText(QString::fromStdString(JoinLines(lines)));
}

}  // namespace vapentis
