#include "gui/dialogs/sheet_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextOption>

#include "gui/widgets/metrics.h"
#include "gui/widgets/offered_file.h"

namespace vapentis {

namespace {

constexpr double kMarginMm = 18;

}  // namespace

void SetSheetPageLayout(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                   QPageLayout::Millimeter));
}

void LayOutSheet(QTextDocument& document, const QString& html, QPagedPaintDevice& device,
                 QSizeF body) {
  // Laid out in the device's own units, so what is measured is what is printed.
  document.documentLayout()->setPaintDevice(&device);
  document.setDefaultFont(SheetFont());
  QTextOption option = document.defaultTextOption();
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document.setDefaultTextOption(option);
  document.setHtml(html);
  document.setPageSize(body);
}

int DrawSheetPages(const QString& html, QPagedPaintDevice& device) {
  QPainter painter(&device);
  if (!painter.isActive()) return 0;
  const QRect page(0, 0, device.width(), device.height());
  const QFontMetrics metrics(SheetFont(), &device);
  const int footer = metrics.height() * 2;
  const QSizeF body(page.width(), page.height() - footer);
  QTextDocument document;
  LayOutSheet(document, html, device, body);
  const int pages = document.pageCount();
  for (int i = 0; i < pages; ++i) {
    if (i > 0) device.newPage();
    painter.save();
    painter.translate(0, -i * body.height());
    const QRectF view(QPointF(0, i * body.height()), body);
    painter.setClipRect(view);
    // A line that ends one page may reach a hair into the next, where it would be
    // drawn again, clipped but still in the PDF's text; only a line that starts on
    // a page is drawn there.
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view.adjusted(0, metrics.height() / 2.0, 0, 0);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
    painter.setFont(SheetFont());
    painter.drawText(QRect(0, page.height() - metrics.height(), page.width(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignBottom,
                     QStringLiteral("第 %1 页 共 %2 页").arg(i + 1).arg(pages));
  }
  return pages;
}

QString SheetFileName(const QString& name, QDate date) {
  return QStringLiteral("计算书-") + DatedFileName(name, date, QStringLiteral(".pdf"));
}

}  // namespace vapentis
