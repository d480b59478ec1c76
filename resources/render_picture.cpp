// Build-time tool: renders an SVG picture at a given size into a PNG, into a
// 24-bit BMP (".bmp", for the installer), or into raw opaque RGB32 pixels in this
// machine's byte order (".rgb32") that the window shows without decoding, or at
// several square sizes into one Windows icon (".ico"), so the rasters always
// match their drawings. It refuses a
// drawing whose text this machine would draw in a face other than the one named.
#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtEndian>

#include <cstdio>

namespace {

// The CSS generic families: they stand for whatever face the machine maps them
// to, which suits Latin text, which every such face holds.
bool IsGenericFamily(const QString& family) {
  static const QStringList kGeneric = {QStringLiteral("serif"),     QStringLiteral("sans-serif"),
                                       QStringLiteral("monospace"), QStringLiteral("cursive"),
                                       QStringLiteral("fantasy"),   QStringLiteral("system-ui")};
  return family.isEmpty() || kGeneric.contains(family, Qt::CaseInsensitive);
}

// The font-family an element sets, by attribute or in its style, unquoted; or
// a null string where it sets none.
QString FamilyOf(const QXmlStreamAttributes& attributes) {
  QString family;
  if (attributes.hasAttribute(QStringLiteral("font-family"))) {
    family = attributes.value(QStringLiteral("font-family")).toString();
  }
  static const QRegularExpression kStyleFamily(
      QStringLiteral("(?:^|;)\\s*font-family\\s*:([^;]*)"));
  const QRegularExpressionMatch match =
      kStyleFamily.match(attributes.value(QStringLiteral("style")).toString());
  if (match.hasMatch()) family = match.captured(1);
  if (family.isNull()) return family;
  family = family.trimmed();
  if (family.size() >= 2 && (family.front() == u'\'' || family.front() == u'"') &&
      family.back() == family.front()) {
    family = family.mid(1, family.size() - 2);
  }
  return family;
}

// The text the drawing draws, by the font family it asks for ("" where it
// names none), or an error when the drawing cannot be read.
QMap<QString, QString> TextByFamily(const QString& svg, QString* error) {
  QMap<QString, QString> texts;
  QFile file(svg);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = file.errorString();
    return texts;
  }
  QXmlStreamReader reader(&file);
  QStringList families{QString()};  // inherited down the elements
  QStringList elements{QString()};
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      const QString own = FamilyOf(reader.attributes());
      families.append(own.isNull() ? families.back() : own);
      elements.append(reader.name().toString());
    } else if (reader.isEndElement()) {
      families.removeLast();
      elements.removeLast();
    } else if (reader.isCharacters() && !reader.isWhitespace()) {
      static const QStringList kTextElements = {QStringLiteral("text"), QStringLiteral("tspan"),
                                                QStringLiteral("textArea")};
      if (kTextElements.contains(elements.back())) texts[families.back()] += reader.text();
    }
  }
  if (reader.hasError()) *error = reader.errorString();
  return texts;
}

// Text is drawn in the face its family names, every character from that face
// itself: a face that is missing, or lacks a glyph, would let Qt draw the text
// in another face, which differs from machine to machine. Says why and returns
// false where that would happen.
bool FacesAreInstalled(const QString& svg) {
  QString error;
  const QMap<QString, QString> texts = TextByFamily(svg, &error);
  if (!error.isEmpty()) {
    std::fprintf(stderr, "cannot read %s: %s\n", qPrintable(svg), qPrintable(error));
    return false;
  }
  for (auto it = texts.begin(); it != texts.end(); ++it) {
    const QString& family = it.key();
    if (family.contains(u',')) {
      std::fprintf(stderr,
                   "%s: font-family \"%s\" is a list; name one face, which the build "
                   "installs, so that no other face draws the text\n",
                   qPrintable(svg), qPrintable(family));
      return false;
    }
    QFont font;
    if (!family.isEmpty()) font.setFamilies({family});
    font.setStyleStrategy(QFont::NoFontMerging);
    const QString drawn_in = QFontInfo(font).family();
    if (!IsGenericFamily(family) && drawn_in.compare(family, Qt::CaseInsensitive) != 0) {
      std::fprintf(stderr,
                   "%s: the font \"%s\" is not installed; its text would be drawn in \"%s\". "
                   "Install it (the build scripts install fonts-wqy-microhei from Debian).\n",
                   qPrintable(svg), qPrintable(family), qPrintable(drawn_in));
      return false;
    }
    const QFontMetrics metrics(font);
    for (const char32_t c : it.value().toUcs4()) {
      if (!metrics.inFontUcs4(c)) {
        std::fprintf(stderr,
                     "%s: \"%s\" (drawn in \"%s\") has no glyph for U+%04X; another face "
                     "would draw it\n",
                     qPrintable(svg), qPrintable(family.isEmpty() ? drawn_in : family),
                     qPrintable(drawn_in), static_cast<unsigned>(c));
        return false;
      }
    }
  }
  return true;
}

QImage Render(QSvgRenderer& renderer, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return image;
}

void Append16(QByteArray& out, quint16 value) {
  const quint16 le = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void Append32(QByteArray& out, quint32 value) {
  const quint32 le = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

// One icon image: PNG from 256 pixels up, as Windows expects there; below, a
// 32-bit bitmap with its alpha and the transparency mask older readers use.
QByteArray IconImage(const QImage& drawn) {
  QByteArray out;
  if (drawn.width() >= 256) {
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    drawn.save(&buffer, "PNG");
    return out;
  }
  const QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
  const int w = image.width();
  const int h = image.height();
  const int mask_stride = ((w + 31) / 32) * 4;
  Append32(out, 40);     // size of BITMAPINFOHEADER
  Append32(out, w);      // width
  Append32(out, 2 * h);  // height of the colour rows and the mask rows together
  Append16(out, 1);      // planes
  Append16(out, 32);     // bits per pixel
  Append32(out, 0);      // BI_RGB
  Append32(out, static_cast<quint32>(w * h * 4 + mask_stride * h));
  for (int i = 0; i < 4; ++i) Append32(out, 0);  // resolution and palette: unused
  // Bottom-up rows of blue, green, red and straight alpha.
  for (int y = h - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      for (int channel : {qBlue(line[x]), qGreen(line[x]), qRed(line[x]), qAlpha(line[x])}) {
        out.append(static_cast<char>(channel));
      }
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    QByteArray row(mask_stride, '\0');
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      if (qAlpha(line[x]) == 0) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    }
    out.append(row);
  }
  return out;
}

bool WriteIcon(QSvgRenderer& renderer, const QList<int>& sides, const QString& path) {
  QList<QByteArray> images;
  for (int side : sides) images.append(IconImage(Render(renderer, QSize(side, side))));
  QByteArray out;
  Append16(out, 0);  // reserved
  Append16(out, 1);  // an icon, not a cursor
  Append16(out, static_cast<quint16>(images.size()));
  quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
  for (qsizetype i = 0; i < images.size(); ++i) {
    const int side = sides[i];
    out.append(static_cast<char>(side >= 256 ? 0 : side));  // 0 stands for 256
    out.append(static_cast<char>(side >= 256 ? 0 : side));
    out.append('\0');  // no palette
    out.append('\0');
    Append16(out, 1);   // planes
    Append16(out, 32);  // bits per pixel
    Append32(out, static_cast<quint32>(images[i].size()));
    Append32(out, offset);
    offset += static_cast<quint32>(images[i].size());
  }
  for (const QByteArray& image : images) out.append(image);
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(out) == out.size() && file.flush();
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool icon = argc >= 4 && QByteArray(argv[2]).endsWith(".ico");
  if (argc != 5 && !icon) {
    std::fprintf(stderr,
                 "usage: %s input.svg output.png|output.bmp|output.rgb32 width height\n"
                 "       %s input.svg output.ico side...\n",
                 argv[0], argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  const QString output = QString::fromLocal8Bit(argv[2]);
  if (!FacesAreInstalled(QString::fromLocal8Bit(argv[1]))) return 1;
  if (icon) {
    QList<int> sides;
    bool sides_valid = true;
    for (int i = 3; i < argc; ++i) {
      const int side = QString::fromLocal8Bit(argv[i]).toInt();
      sides_valid = sides_valid && side > 0 && side <= 256;  // an icon entry holds at most 256
      sides.append(side);
    }
    if (!renderer.isValid() || !sides_valid) {
      std::fprintf(stderr, "cannot render %s at those sizes\n", argv[1]);
      return 1;
    }
    return WriteIcon(renderer, sides, output) ? 0 : 1;
  }
  const QSize size(QString::fromLocal8Bit(argv[3]).toInt(),
                   QString::fromLocal8Bit(argv[4]).toInt());
  if (!renderer.isValid() || size.isEmpty()) {
    std::fprintf(stderr, "cannot render %s\n", argv[1]);
    return 1;
  }
  const QImage image = Render(renderer, size);
  const bool raw_pixels = output.endsWith(QStringLiteral(".rgb32"));
  const bool bitmap = output.endsWith(QStringLiteral(".bmp"));
  bool opaque = true;
  for (int y = 0; y < image.height() && opaque; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width() && opaque; ++x) {
      opaque = qAlpha(line[x]) == 255;
      if (!opaque && (raw_pixels || bitmap)) {
        // Shown as RGB32, which spares the window a scan for transparency, or as
        // a BMP without alpha: a drawing that is not opaque everywhere would show
        // black where it is clear.
        std::fprintf(stderr, "%s is not opaque at %d,%d\n", argv[1], x, y);
        return 1;
      }
    }
  }
  if (bitmap) {
    // 24 bits a pixel, as Qt writes an image without alpha: what an NSIS page shows.
    return image.convertToFormat(QImage::Format_RGB32).save(output, "BMP") ? 0 : 1;
  }
  if (!raw_pixels) {
    // An opaque picture is stored without alpha, so that it is shown without a
    // scan for transparency.
    const QImage stored = opaque ? image.convertToFormat(QImage::Format_RGB32) : image;
    return stored.save(output, "PNG") ? 0 : 1;
  }
  QFile raw(output);
  const auto bytes = static_cast<qint64>(image.sizeInBytes());
  const bool written = raw.open(QIODevice::WriteOnly) &&
                       raw.write(reinterpret_cast<const char*>(image.constBits()), bytes) == bytes;
  return written && raw.flush() ? 0 : 1;
}
