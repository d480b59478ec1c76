// The build-time picture renderer, run as the build runs it: its Windows icon
// and its PNGs, read back as any reader of those files would.
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QStringList>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vapentis {
namespace {

const QString kRenderer = QStringLiteral(VAPENTIS_RENDER_PICTURE);

QString Drawing(const char* name) {
  return QStringLiteral(VAPENTIS_RESOURCES_DIR "/%1.svg").arg(QLatin1String(name));
}

int Render(const QStringList& arguments) {
  QProcess renderer;
  renderer.start(kRenderer, arguments);
  if (!renderer.waitForFinished(60000)) return -1;
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
  };
  for (const RefusedCase& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Render(QStringList{Drawing("icon")} + c.arguments), c.code);
    EXPECT_FALSE(QFile::exists(c.arguments.front()));
  }
}

}  // namespace
}  // namespace vapentis
