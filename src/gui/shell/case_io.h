// A case file on disk for the window: read whole before anything changes,
// written whole or not at all, and named with the reason when either fails.
#pragma once

#include <QDate>
#include <QString>

#include <variant>

#include "core/case/case_file.h"

namespace vapentis {

// The case in the file, or the message, naming the file, that says why it cannot be opened.
std::variant<Case, QString> ReadCaseFile(const QString& path);

// Writes the case into the file in one step; the message naming the file and the reason
// when it cannot, the old file then left whole. Empty when written.
QString WriteCaseFile(const QString& path, const Case& c);

// The name the save dialog offers: "<项目名称, or 算例>-<yyyyMMdd>.vapentis".
QString CaseFileName(const QString& project, QDate date);

}  // namespace vapentis
