// Pictures of the window: an SVG drawing shown unscaled and crisp at the
// screen's pixel ratio, from pixels rendered at build time where there are any.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

namespace vapentis {

// An SVG resource drawn at `size` for the pixel ratio; ratios 1 and 2 show the
// raw pixels rendered from it at build time, when there are any. A build without
// SVG at run time shows its rasters for 1.25, 1.5 and 1.75 too, and for any
// other ratio the nearest larger one scaled smoothly.
QPixmap PicturePixmap(const QString& svg_resource, QSize size, qreal device_pixel_ratio);

// The icon drawn from an SVG resource, at whatever size is asked for; in a build
// without SVG at run time, from its rasters rendered at build time.
QIcon PictureIcon(const QString& svg_resource);

// A picture shown unscaled at the top left of the widget, drawn for the pixel
// ratio of what it is painted on: its own window's screen, so a window moved to
// a screen of another scale draws it again, sharp, at the next paint.
class PictureView : public QWidget {
 public:
  PictureView(QString svg_resource, QSize size, QWidget* parent = nullptr);

  // The pixel ratio the picture was last drawn for; 0 before the first paint.
  qreal drawnRatio() const { return pixmap_.isNull() ? 0 : pixmap_.devicePixelRatio(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString resource_;
  QSize size_;
  QPixmap pixmap_;
};

}  // namespace vapentis
