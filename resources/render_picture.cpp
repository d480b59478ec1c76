// Build-time tool: renders an SVG picture at a given size into a PNG, or into
// raw opaque RGB32 pixels in this machine's byte order (".rgb32") that the
// window shows without decoding, so the rasters always match their drawings.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s input.svg output.png|output.rgb32 width height\n", argv[0]);
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
  const QString output = QString::fromLocal8Bit(argv[2]);
  if (!output.endsWith(QStringLiteral(".rgb32"))) return image.save(output, "PNG") ? 0 : 1;
  // Shown as RGB32, which spares the window a scan for transparency; a drawing
  // that is not opaque everywhere would show black where it is clear.
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(line[x]) != 255) {
        std::fprintf(stderr, "%s is not opaque at %d,%d\n", argv[1], x, y);
        return 1;
      }
    }
  }
  QFile raw(output);
  const auto bytes = static_cast<qint64>(image.sizeInBytes());
  const bool written = raw.open(QIODevice::WriteOnly) &&
                       raw.write(reinterpret_cast<const char*>(image.constBits()), bytes) == bytes;
  return written && raw.flush() ? 0 : 1;
}
