// Where a save or open dialog first points, and the dated name it offers: shared by
// the calculation sheet's PDF and the case file.
#pragma once

#include <QDate>
#include <QString>

namespace vapentis {

// The user's documents folder, or the home folder where there is none yet (a new
// Linux account may lack it), never the folder the program happened to start in.
QString DocumentsFolder();

// "<name>-<yyyyMMdd><suffix>", where a character Windows forbids in a file name, or a
// control character, becomes "_" and the name is cut to 60 characters.
QString DatedFileName(const QString& name, QDate date, const QString& suffix);

}  // namespace vapentis
