#include "gui/shell/case_io.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>
#include <string>

#include "gui/widgets/offered_file.h"
#include "gui/widgets/qt_text.h"

namespace vapentis {

std::variant<Case, QString> ReadCaseFile(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  const auto refused = [&name](const QString& reason) {
    return Utf8(CaseRefusalMessage(name.toStdString(), reason.toStdString()));
  };
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return refused(file.errorString());
  // One byte past the limit is enough for the reader to refuse a file too large.
  const QByteArray bytes = file.read(static_cast<qint64>(kMaxCaseFileBytes) + 1);
  if (file.error() != QFileDevice::NoError) return refused(file.errorString());
  std::variant<Case, CaseRefusal> read =
      ReadCase(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (auto* refusal = std::get_if<CaseRefusal>(&read)) return refused(Utf8(refusal->reason));
  return std::get<Case>(std::move(read));
}

QString WriteCaseFile(const QString& path, const Case& c) {
  const QString name = QFileInfo(path).fileName();
  const auto failed = [&name](const QString& reason) {
    return QStringLiteral("无法保存算例“%1”：%2").arg(name, reason);
  };
  std::string bytes;
  try {
    const QDateTime now = QDateTime::currentDateTime();
    const QString saved = now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
    bytes = WriteCase(c, saved.toStdString());
  } catch (const std::invalid_argument& e) {
    return failed(QString::fromUtf8(e.what()));
  }
  // Written aside and put in place at the end: the old file stays whole if anything fails.
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) &&
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
          static_cast<qint64>(bytes.size()) &&
      file.commit()) {
    return {};
  }
  const QString reason = file.errorString();
  file.cancelWriting();
  return failed(reason);
}

QString CaseFileName(const QString& project, QDate date) {
  return DatedFileName(
      project.trimmed().isEmpty() ? QStringLiteral("算例") : project.trimmed(), date,
      QString::fromUtf8(kCaseExtension.data(), static_cast<qsizetype>(kCaseExtension.size())));
}

}  // namespace vapentis
