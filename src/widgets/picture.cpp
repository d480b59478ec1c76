#include "widgets/picture.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>

#include <utility>

namespace vapentis {

QPixmap PicturePixmap(const QString& svg_resource, QSize size, qreal device_pixel_ratio) {
  if (device_pixel_ratio == 1.0 || device_pixel_ratio == 2.0) {
    const QSize pixels = size * device_pixel_ratio;
    const QResource raw(QStringLiteral(":/pictures/%1@%2x.rgb32")
                            .arg(QFileInfo(svg_resource).completeBaseName())
                            .arg(static_cast<int>(device_pixel_ratio)));
    const qint64 bytes_per_line = qint64{pixels.width()} * 4;
    const bool aligned = reinterpret_cast<quintptr>(raw.data()) % alignof(quint32) == 0;
    if (raw.isValid() && raw.compressionAlgorithm() == QResource::NoCompression &&
        raw.size() == bytes_per_line * pixels.height() && aligned) {
      // Shares the resource's pixels; the pixmap copies them only if painted on.
      // The pictures are opaque, so the pixmap need not look for transparency.
      QImage image(raw.data(), pixels.width(), pixels.height(), bytes_per_line,
                   QImage::Format_RGB32);
      image.setDevicePixelRatio(device_pixel_ratio);
      return QPixmap::fromImage(std::move(image));
    }
  }
  QPixmap pixmap(size * device_pixel_ratio);
  pixmap.setDevicePixelRatio(device_pixel_ratio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(svg_resource);
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

}  // namespace vapentis
