#include "gui/widgets/picture.h"

#include <QFileInfo>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QResource>

#ifdef VAPENTIS_RUNTIME_SVG
#include <QSvgRenderer>
#endif

#include <array>
#include <utility>

namespace vapentis {

namespace {

QString PictureName(const QString& svg_resource) {
  return QFileInfo(svg_resource).completeBaseName();
}

// The raw pixels stored for ratio 1 or 2, or a null pixmap.
QPixmap RawPixmap(const QString& name, QSize size, qreal device_pixel_ratio) {
  const QSize pixels = size * device_pixel_ratio;
  const QResource raw(QStringLiteral(":/pictures/%1@%2x.rgb32")
                          .arg(name)
                          .arg(static_cast<int>(device_pixel_ratio)));
  const qint64 bytes_per_line = qint64{pixels.width()} * 4;
  const bool aligned = reinterpret_cast<quintptr>(raw.data()) % alignof(quint32) == 0;
  if (!raw.isValid() || raw.compressionAlgorithm() != QResource::NoCompression ||
      raw.size() != bytes_per_line * pixels.height() || !aligned) {
    return {};
  }
  // Shares the resource's pixels; the pixmap copies them only if painted on.
  // The pictures are opaque, so the pixmap need not look for transparency.
  QImage image(raw.data(), pixels.width(), pixels.height(), bytes_per_line, QImage::Format_RGB32);
  image.setDevicePixelRatio(device_pixel_ratio);
  return QPixmap::fromImage(std::move(image));
}

#ifdef VAPENTIS_RUNTIME_SVG

QPixmap DrawnPixmap(const QString& svg_resource, QSize size, qreal device_pixel_ratio) {
  QPixmap pixmap(size * device_pixel_ratio);
  pixmap.setDevicePixelRatio(device_pixel_ratio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(svg_resource);
  QPainter painter(&pixmap);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return pixmap;
}

// Draws the icon from its SVG only when a size is asked for, so start-up
// does not pay for sizes the platform never shows.
class SvgIconEngine : public QIconEngine {
 public:
  explicit SvgIconEngine(QString resource) : resource_(std::move(resource)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    QSvgRenderer(resource_).render(painter, rect);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }

  QIconEngine* clone() const override { return new SvgIconEngine(resource_); }

 private:
  QString resource_;
};

#else

// The screen scales with a raster of their own, as cmake/pictures.cmake renders
// them: raw pixels for 1 and 2, PNGs for the others.
constexpr std::array<qreal, 5> kStoredRatios = {1.0, 1.25, 1.5, 1.75, 2.0};

QPixmap StoredPixmap(const QString& name, QSize size, qreal ratio) {
  if (ratio == 1.0 || ratio == 2.0) return RawPixmap(name, size, ratio);
  QPixmap pixmap(QStringLiteral(":/pictures/%1@%2x.png").arg(name).arg(ratio));
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

// The icon sizes rendered at build time, smallest first.
constexpr std::array<int, 6> kIconSides = {16, 24, 32, 48, 64, 256};

// Reads the icon's stored size that fits a request only when it is asked for, and
// scales it smoothly where none fits exactly.
class RasterIconEngine : public QIconEngine {
 public:
  explicit RasterIconEngine(QString name) : name_(std::move(name)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1;
    QPixmap picture = pixmap(rect.size() * ratio, mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect.topLeft(), picture);
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int wanted = qMax(size.width(), size.height());
    int side = kIconSides.back();
    for (int stored : kIconSides) {
      if (stored >= wanted) {
        side = stored;
        break;
      }
    }
    QPixmap stored(QStringLiteral(":/pictures/%1@%2.png").arg(name_).arg(side));
    if (stored.isNull() || stored.size() == size) return stored;
    return stored.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = qMin(size.width(), size.height());
    return {side, side};
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int side : kIconSides) sizes.append(QSize(side, side));
    return sizes;
  }

  QIconEngine* clone() const override { return new RasterIconEngine(name_); }

 private:
  QString name_;
};

#endif

}  // namespace

QPixmap PicturePixmap(const QString& svg_resource, QSize size, qreal device_pixel_ratio) {
  const QString name = PictureName(svg_resource);
#ifdef VAPENTIS_RUNTIME_SVG
  if (device_pixel_ratio == 1.0 || device_pixel_ratio == 2.0) {
    QPixmap raw = RawPixmap(name, size, device_pixel_ratio);
    if (!raw.isNull()) return raw;
  }
  return DrawnPixmap(svg_resource, size, device_pixel_ratio);
#else
  // The nearest stored ratio at or above the screen's, so scaling only ever
  // shrinks, which keeps the lines sharp; above 2, the pixels for 2 enlarged.
  qreal stored = kStoredRatios.back();
  for (qreal ratio : kStoredRatios) {
    if (ratio >= device_pixel_ratio) {
      stored = ratio;
      break;
    }
  }
  QPixmap pixmap = StoredPixmap(name, size, stored);
  if (stored == device_pixel_ratio || pixmap.isNull()) return pixmap;
  pixmap =
      pixmap.scaled(size * device_pixel_ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  pixmap.setDevicePixelRatio(device_pixel_ratio);
  return pixmap;
#endif
}

QIcon PictureIcon(const QString& svg_resource) {
#ifdef VAPENTIS_RUNTIME_SVG
  return QIcon(new SvgIconEngine(svg_resource));
#else
  return QIcon(new RasterIconEngine(PictureName(svg_resource)));
#endif
}

PictureView::PictureView(QString svg_resource, QSize size, QWidget* parent)
    : QWidget(parent), resource_(std::move(svg_resource)), size_(size) {}

void PictureView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  // The scale from the widget's pixels to the device's, not the application's
  // ratio: with screens of two scales the window's own decides, and a pixmap the
  // widget is rendered into has its own.
  const qreal scale = painter.deviceTransform().m11();
  const qreal ratio = scale > 0 ? scale : devicePixelRatioF();
  if (pixmap_.isNull() || pixmap_.devicePixelRatio() != ratio) {
    pixmap_ = PicturePixmap(resource_, size_, ratio);
  }
  painter.drawPixmap(0, 0, pixmap_);
}

}  // namespace vapentis
