// The calculation sheet on paper: its HTML laid out on A4 pages, each with
// "第 n 页 共 m 页", drawn the same way into a PDF file and onto a printer.
#pragma once

#include <QDate>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

namespace vapentis {

// A4 portrait with the sheet's margins, set on the device before drawing.
void SetSheetPageLayout(QPagedPaintDevice& device);

// Lays the sheet out in `document` for pages of `device`, each `body` high and
// wide: long words break anywhere rather than run off the page.
void LayOutSheet(QTextDocument& document, const QString& html, QPagedPaintDevice& device,
                 QSizeF body);

// Draws the sheet's pages on a device whose page layout is set; returns how many.
int DrawSheetPages(const QString& html, QPagedPaintDevice& device);

// The name a PDF of the sheet is offered under: 计算书-<name>-<yyyyMMdd>.pdf.
QString SheetFileName(const QString& name, QDate date);

}  // namespace vapentis
