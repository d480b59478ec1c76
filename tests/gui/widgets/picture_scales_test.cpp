// The pictures and the icon at every screen scale, whether the build draws its
// SVG at run time or shows rasters rendered at build time.
#include <QColor>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <cmath>

#include "gui/widgets/picture.h"

namespace vapentis {
namespace {

// The mean difference of two images of one size, per colour channel, 0 to 255.
double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

struct Picture {
  const char* resource;
  QSize size;
};

// At any scale a picture has the screen's pixels and shows what it shows at
// 100 %: a picture from the wrong drawing, with red and blue swapped or with
// shifted rows would differ by far more than the blur of rescaling.
TEST(PicturePixmap, FitsEveryScaleAndShowsTheSameDrawing) {
  const Picture kPictures[] = {{":/resources/background.svg", QSize(750, 475)},
                               {":/resources/channel_section.svg", QSize(194, 198)}};
  const qreal kRatios[] = {1.25, 1.5, 1.75, 2.0, 1.1, 2.5, 3.0};
  for (const Picture& picture : kPictures) {
    const QString resource = QString::fromLatin1(picture.resource);
    const QImage at_one =
        PicturePixmap(resource, picture.size, 1.0).toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(at_one.size(), picture.size) << picture.resource;
    for (qreal ratio : kRatios) {
      SCOPED_TRACE(QStringLiteral("%1 at %2").arg(resource).arg(ratio).toStdString());
      const QPixmap pixmap = PicturePixmap(resource, picture.size, ratio);
      EXPECT_EQ(pixmap.size(),
                QSize(qRound(picture.size.width() * ratio), qRound(picture.size.height() * ratio)));
      EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
      const QImage shrunk =
          pixmap.toImage()
              .convertToFormat(QImage::Format_RGB32)
              .scaled(picture.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      EXPECT_LT(MeanDifference(shrunk, at_one), 6.0);
    }
  }
}

// The window icon at the sizes a desktop asks for: exactly that size, the disc
// drawn in the middle and the corners clear.
TEST(PictureIcon, GivesTheDrawingAtEverySizeAskedFor) {
  const QIcon icon = PictureIcon(QStringLiteral(":/resources/icon.svg"));
  for (int side : {16, 20, 24, 32, 40, 48, 64, 96, 128, 256}) {
    SCOPED_TRACE(side);
    const QImage image = icon.pixmap(QSize(side, side)).toImage();
    ASSERT_EQ(image.size(), QSize(side, side));
    const QColor middle = image.pixelColor(side / 2, side / 2);
    EXPECT_EQ(middle.alpha(), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(side - 1, side - 1)), 0);
  }
}

// A picture is drawn for what it is painted on, not for the application: on a
// laptop at 150 % with a monitor at 100 %, each window draws at its own scale.
TEST(PictureView, DrawsAtThePixelRatioOfWhatItIsPaintedOn) {
  const QSize size(194, 198);
  const QString resource = QStringLiteral(":/resources/channel_section.svg");
  PictureView view(resource, size);
  view.resize(size);
  EXPECT_EQ(view.drawnRatio(), 0);
  ASSERT_EQ(qApp->devicePixelRatio(), 1.0);
  for (const qreal ratio : {2.0, 1.5, 1.0}) {
    SCOPED_TRACE(ratio);
    QPixmap target(size * ratio);
    target.setDevicePixelRatio(ratio);
    target.fill(Qt::black);
    view.render(&target);
    EXPECT_EQ(view.drawnRatio(), ratio);
    const QImage expected =
        PicturePixmap(resource, size, ratio).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_LT(MeanDifference(target.toImage().convertToFormat(QImage::Format_RGB32), expected), 1.0)
        << "the pixels of that ratio, not the 100 % ones scaled";
  }
}

}  // namespace
}  // namespace vapentis
