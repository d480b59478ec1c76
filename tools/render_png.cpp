// Build-time tool: renders an SVG picture into a PNG of a given size, so that
// the raster pictures always match their drawings.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s input.svg output.png width height\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QSize size(QString::fromLocal8Bit(argv[3]).toInt(),
                   QString::fromLocal8Bit(argv[4]).toInt());
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  if (!renderer.isValid() || size.isEmpty()) {
    std::fprintf(stderr, "cannot render %s\n", argv[1]);
    return 1;
  }
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return image.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
