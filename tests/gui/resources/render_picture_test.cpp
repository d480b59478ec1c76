// The build-time picture renderer, run as the build runs it: its Windows icon
// and its PNGs, read back as any reader of those files would, and its refusal to
// draw text in a face other than the one named.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QStringList>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace vapentis {
namespace {

const QString kRenderer = QStringLiteral(VAPENTIS_RENDER_PICTURE);

QString Drawing(const char* name) {
  return QStringLiteral(VAPENTIS_RESOURCES_DIR "/%1.svg").arg(QLatin1String(name));
}

int Render(const QStringList& arguments, QString* errors = nullptr) {
  QProcess renderer;
  renderer.start(kRenderer, arguments);
  if (!renderer.waitForFinished(60000)) return -1;
  if (errors != nullptr) *errors = QString::fromLocal8Bit(renderer.readAllStandardError());
  return renderer.exitStatus() == QProcess::NormalExit ? renderer.exitCode() : -1;
}

// The drawing as the renderer draws it, with straight alpha.
QImage Drawn(const QString& svg, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  QSvgRenderer(svg).render(&painter);
  painter.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

TEST(RenderPicture, IconHoldsTheDrawingAtEverySize) {
  QTemporaryDir dir;
  const QString icon = dir.filePath(QStringLiteral("icon.ico"));
  const QList<int> sides = {16, 24, 32, 48, 64, 256};
  QStringList arguments = {Drawing("icon"), icon};
  for (int side : sides) arguments << QString::number(side);
  ASSERT_EQ(Render(arguments), 0);

  QImageReader reader(icon, "ico");
  ASSERT_EQ(reader.imageCount(), sides.size()) << reader.errorString().toStdString();
  for (int i = 0; i < sides.size(); ++i) {
    SCOPED_TRACE(sides[i]);
    ASSERT_TRUE(reader.jumpToImage(i));
    const QImage image = reader.read();
    ASSERT_EQ(image.size(), QSize(sides[i], sides[i])) << reader.errorString().toStdString();
    EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32),
              Drawn(Drawing("icon"), QSize(sides[i], sides[i])));
  }
}

struct PngCase {
  const char* drawing;
  QSize size;
  bool alpha;  // only a drawing with clear parts keeps an alpha channel
};

TEST(RenderPicture, PngsKeepAlphaOnlyWhereTheDrawingIsClear) {
  const PngCase kCases[] = {{"background", QSize(938, 594), false},
                            {"channel_section", QSize(340, 347), false},
                            {"icon", QSize(24, 24), true}};
  QTemporaryDir dir;
  for (const PngCase& c : kCases) {
    SCOPED_TRACE(c.drawing);
    const QString png = dir.filePath(QStringLiteral("%1.png").arg(QLatin1String(c.drawing)));
    ASSERT_EQ(Render({Drawing(c.drawing), png, QString::number(c.size.width()),
                      QString::number(c.size.height())}),
              0);
    const QImage image(png);
    EXPECT_EQ(image.hasAlphaChannel(), c.alpha);
    EXPECT_EQ(image.convertToFormat(QImage::Format_ARGB32), Drawn(Drawing(c.drawing), c.size));
  }
}

struct BitmapCase {
  const char* drawing;
  QSize size;  // as Modern UI lays the picture out
};

// The installer's pictures: BMPs of 24 bits a pixel, as NSIS shows them, holding
// the drawing.
TEST(RenderPicture, BitmapsHoldTheDrawingInTwentyFourBits) {
  const BitmapCase kCases[] = {{"installer_welcome", QSize(164, 314)},
                               {"installer_header", QSize(150, 57)}};
  QTemporaryDir dir;
  for (const BitmapCase& c : kCases) {
    SCOPED_TRACE(c.drawing);
    const QString bmp = dir.filePath(QStringLiteral("%1.bmp").arg(QLatin1String(c.drawing)));
    ASSERT_EQ(Render({Drawing(c.drawing), bmp, QString::number(c.size.width()),
                      QString::number(c.size.height())}),
              0);
    QFile file(bmp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    ASSERT_EQ(header.size(), 30);
    EXPECT_TRUE(header.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(header.constData() + 14), 40U);  // BITMAPINFOHEADER
    EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 28), 24);   // bits a pixel
    const QImage image(bmp, "BMP");
    EXPECT_EQ(image.size(), c.size);
    EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32),
              Drawn(Drawing(c.drawing), c.size).convertToFormat(QImage::Format_RGB32));
  }
}

struct RefusedCase {
  const char* name;
  QStringList arguments;  // after the drawing
  int code;
};

TEST(RenderPicture, RefusesWhatItCannotWriteAndWritesNothing) {
  QTemporaryDir dir;
  const QString icon = dir.filePath(QStringLiteral("icon.ico"));
  const RefusedCase kCases[] = {
      {"icon side 0", {icon, QStringLiteral("16"), QStringLiteral("0")}, 1},
      {"icon side above 256", {icon, QStringLiteral("512")}, 1},
      {"icon side not a number", {icon, QStringLiteral("x")}, 1},
      {"icon without sides", {icon}, 2},
      {"raw pixels of a drawing with clear parts",
       {dir.filePath(QStringLiteral("icon.rgb32")), QStringLiteral("48"), QStringLiteral("48")},
       1},
      {"a bitmap of a drawing with clear parts",
       {dir.filePath(QStringLiteral("icon.bmp")), QStringLiteral("48"), QStringLiteral("48")},
       1},
  };
  for (const RefusedCase& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Render(QStringList{Drawing("icon")} + c.arguments), c.code);
    EXPECT_FALSE(QFile::exists(c.arguments.front()));
  }
}

struct FaceCase {
  const char* name;
  const char* body;  // inside <svg>
  bool drawn;
  const char* named = "";  // what the refusal names
};

// The pictures' Chinese labels name the face the build installs; the renderer
// draws no text in another face, whether the one named is missing or lacks a glyph.
TEST(RenderPicture, DrawsTextOnlyInTheFaceItNames) {
  const FaceCase kCases[] = {
      {"installed CJK face", R"(<text y="20" font-family="WenQuanYi Micro Hei">网址：</text>)",
       true},
      {"quoted, in a style, inherited",
       R"(<g style="fill:#fff;font-family:'WenQuanYi Micro Hei'"><text y="20">邮箱：</text></g>)",
       true},
      {"inner family over the outer",
       R"(<g font-family="No Such Face"><text y="20" font-family="WenQuanYi Micro Hei">电话</text></g>)",
       true},
      {"Latin in a generic family", R"(<text y="20" font-family="sans-serif">+86 000</text>)",
       true},
      {"face not installed", R"(<text y="20" font-family="Vapentis No Such Face">传真</text>)",
       false, "Vapentis No Such Face"},
      {"a list, which Qt reads as one name",
       R"(<text y="20" font-family="WenQuanYi Micro Hei, sans-serif">网址</text>)", false,
       "WenQuanYi Micro Hei, sans-serif"},
      {"Chinese in a generic family", R"(<text y="20" font-family="sans-serif">网址</text>)", false,
       "U+7F51"},
      {"Chinese in no family", R"(<text y="20">网址</text>)", false, "U+7F51"},
      {"a glyph the face lacks",
       "<text y=\"20\" font-family=\"WenQuanYi Micro Hei\">\U00017000</text>", false, "U+17000"},
  };
  QTemporaryDir dir;
  for (const FaceCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const QString svg = dir.filePath(QStringLiteral("drawing.svg"));
    const QString png = dir.filePath(QStringLiteral("drawing.png"));
    QFile::remove(png);
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(R"(<svg xmlns="http://www.w3.org/2000/svg" width="80" height="30">)") +
               c.body + "</svg>");
    file.close();
    QString errors;
    const int code = Render({svg, png, QStringLiteral("80"), QStringLiteral("30")}, &errors);
    EXPECT_EQ(code, c.drawn ? 0 : 1) << errors.toStdString();
    EXPECT_EQ(QFile::exists(png), c.drawn);
    EXPECT_TRUE(errors.contains(QString::fromUtf8(c.named))) << errors.toStdString();
  }
}

}  // namespace
}  // namespace vapentis
