#include "gui/shell/start_up.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace vapentis {
namespace {

// The prepared style must look exactly like the platform style it stands for.
TEST(PrepareApplication, KeepsEveryStandardIconOfThePlatformStyle) {
  const auto* prepared = qobject_cast<QProxyStyle*>(QApplication::style());
  ASSERT_NE(prepared, nullptr);
  const std::unique_ptr<QStyle> platform(QStyleFactory::create(prepared->baseStyle()->name()));
  ASSERT_NE(platform, nullptr);
  const QStyle::StandardPixmap kIcons[] = {QStyle::SP_ToolBarHorizontalExtensionButton,
                                           QStyle::SP_ToolBarVerticalExtensionButton,
                                           QStyle::SP_MessageBoxCritical, QStyle::SP_ArrowDown};
  for (QStyle::StandardPixmap which : kIcons) {
    const QIcon expected = platform->standardIcon(which);
    const QIcon icon = QApplication::style()->standardIcon(which);
    ASSERT_FALSE(icon.isNull()) << which;
    for (int side : {16, 32}) {
      EXPECT_EQ(icon.actualSize(QSize(side, side)), expected.actualSize(QSize(side, side)))
          << which;
      EXPECT_EQ(icon.pixmap(side).toImage(), expected.pixmap(side).toImage()) << which;
    }
  }
}

TEST(PrepareApplication, MenuBarOverflowButtonStillShowsItsArrow) {
  QMenuBar bar;
  auto* extension = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
  ASSERT_NE(extension, nullptr);
  const QImage arrow = extension->icon().pixmap(16).toImage();
  ASSERT_FALSE(arrow.isNull());
  EXPECT_EQ(arrow, QApplication::style()
                       ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                       .pixmap(16)
                       .toImage());
  bool drawn = false;
  for (int y = 0; y < arrow.height() && !drawn; ++y) {
    for (int x = 0; x < arrow.width() && !drawn; ++x) drawn = qAlpha(arrow.pixel(x, y)) != 0;
  }
  EXPECT_TRUE(drawn);
}

// Qt's own texts read Chinese as the window does: the button of an error
// message and the edit menu of an input box.
TEST(PrepareApplication, QtsOwnTextsAreChinese) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Vapentis"), QStringLiteral("x"),
                  QMessageBox::Ok);
  EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
  QLineEdit input;
  const std::unique_ptr<QMenu> menu(input.createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions()) texts << action->text();
  EXPECT_TRUE(texts.join(QLatin1Char(' ')).contains(QStringLiteral("粘贴")))
      << texts.join(' ').toStdString();
}

}  // namespace
}  // namespace vapentis
