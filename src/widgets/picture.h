// Pictures of the window: an SVG drawing shown unscaled and crisp at the
// screen's pixel ratio, from pixels rendered at build time where there are any.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace vapentis {

// An SVG resource drawn at `size` for the pixel ratio; ratios 1 and 2 show the
// raw pixels rendered from it at build time, when there are any.
QPixmap PicturePixmap(const QString& svg_resource, QSize size, qreal device_pixel_ratio);

}  // namespace vapentis
