#include "gui/widgets/offered_file.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vapentis {

namespace {

// Long enough for a project's name, short enough for Windows' path limit.
constexpr int kLongestName = 60;

}  // namespace

QString DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString DatedFileName(const QString& name, QDate date, const QString& suffix) {
  QString part;
  int characters = 0;
  for (const char32_t c : name.toUcs4()) {
    if (characters++ == kLongestName) break;
    const bool forbidden = c < 0x20 || (c >= 0x7F && c < 0xA0) ||
                           (c < 0x80 && QStringLiteral("\\/:*?\"<>|").contains(QChar(c)));
    part += forbidden ? QStringLiteral("_") : QString::fromUcs4(&c, 1);
  }
  return QStringLiteral("%1-%2%3").arg(part, date.toString(QStringLiteral("yyyyMMdd")), suffix);
}

}  // namespace vapentis
