#include "gui/widgets/picture.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace vapentis {
namespace {

struct PictureCase {
  const char* resource;
  QSize size;
  qreal ratio;
};

// The pixels stored at build time must be the drawing itself, in the right
// byte order and format, for every picture and pixel ratio the window uses.
TEST(PicturePixmap, StoredPixelsMatchTheDrawing) {
  const PictureCase kCases[] = {
      {":/resources/background.svg", QSize(750, 475), 1.0},
      {":/resources/background.svg", QSize(750, 475), 2.0},
      {":/resources/channel_section.svg", QSize(194, 198), 1.0},
      {":/resources/channel_section.svg", QSize(194, 198), 2.0},
  };
  for (const PictureCase& c : kCases) {
    const QString resource = QString::fromLatin1(c.resource);
    const QPixmap pixmap = PicturePixmap(resource, c.size, c.ratio);
    EXPECT_EQ(pixmap.size(), c.size * c.ratio) << c.resource << " " << c.ratio;
    EXPECT_EQ(pixmap.devicePixelRatio(), c.ratio) << c.resource;
    EXPECT_FALSE(pixmap.hasAlphaChannel()) << c.resource << " " << c.ratio;

    QImage drawn(c.size * c.ratio, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    QSvgRenderer(resource).render(&painter);
    painter.end();
    EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_RGB32),
              drawn.convertToFormat(QImage::Format_RGB32))
        << c.resource << " " << c.ratio;
  }
}

}  // namespace
}  // namespace vapentis
