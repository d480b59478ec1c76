#include "gui/tabs/channel_tab.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::Find;

const QString k20a = QStringLiteral("槽钢背高h=200mm\n槽钢腿宽b=73mm\n槽钢每米的重量=22.63kg");
const QString k5 = QStringLiteral("槽钢背高h=50mm\n槽钢腿宽b=37mm\n槽钢每米的重量=5.44kg");
const QString k63 = QStringLiteral("槽钢背高h=63mm\n槽钢腿宽b=40mm\n槽钢每米的重量=6.63kg");
const QString k25a = QStringLiteral("槽钢背高h=250mm\n槽钢腿宽b=78mm\n槽钢每米的重量=27.4kg");
const QString kNoSize = QStringLiteral("槽钢背高h=mm\n槽钢腿宽b=mm\n槽钢每米的重量=kg");
const QString k40c = QStringLiteral("槽钢背高h=400mm\n槽钢腿宽b=104mm\n槽钢每米的重量=71.47kg");

// A shown, active tab, so that keys and clicks reach the list as a user's would.
struct ShownTab {
  ShownTab() {
    tab.show();
    tab.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&tab));
    combo = Find<QComboBox>(&tab, "Combo2");
    result = Find<QPlainTextEdit>(&tab, "Text10");
  }

  // Opens the list and clicks the item at `index`, as with the mouse.
  void pickFromPopup(int index) {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    const QPoint spot = view->visualRect(item).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, spot);
    ASSERT_FALSE(view->isVisible());
  }

  ChannelTab tab;
  QComboBox* combo;
  QPlainTextEdit* result;
};

TEST(ChannelTab, ShowsTheFirstSizeBeforeTheTabIsEverShown) {
  ChannelTab tab;
  EXPECT_FALSE(tab.isVisible());
  EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text10")->toPlainText(), k20a);
  EXPECT_EQ(Find<QComboBox>(&tab, "Combo2")->currentText(), QStringLiteral("20a"));
}

TEST(ChannelTab, ListsTheThirtySizesInOrderWithTheFirstOnTop) {
  ChannelTab tab;
  auto* combo = Find<QComboBox>(&tab, "Combo2");
  const QStringList kSizes = QStringLiteral(
                                 "20a 5 6.3 8 10 12 14a 14b 16a 16b 18a 18b 20b 22a 22b 25a 25b "
                                 "25c 28a 28b 28c 32a 32b 32c 36a 36b 36c 40a 40b 40c")
                                 .split(QLatin1Char(' '));
  ASSERT_EQ(combo->count(), 30);
  for (int i = 0; i < combo->count(); ++i) EXPECT_EQ(combo->itemText(i), kSizes[i]) << i;
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_TRUE(combo->isEditable());
  EXPECT_EQ(combo->insertPolicy(), QComboBox::NoInsert);
}

TEST(ChannelTab, PictureShowsTheSectionDrawingUnscaled) {
  ChannelTab tab;
  auto* picture = Find<QWidget>(&tab, "Image1");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->size(), QSize(194, 198));
  const QImage image = picture->grab().toImage();
  // A drawing, not a blank: both dark strokes and a light ground are present.
  bool dark = false;
  bool light = false;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor colour = image.pixelColor(x, y);
      if (colour.alpha() > 128 && colour.lightness() < 100) dark = true;
      if (colour.alpha() < 128 || colour.lightness() > 200) light = true;
    }
  }
  EXPECT_TRUE(dark);
  EXPECT_TRUE(light);
}

TEST(ChannelTab, ChoosingASizeLooksItUp) {
  struct Case {
    const char* name;
    void (*choose)(ShownTab&);
    const QString& expected;
  };
  const Case kCases[] = {
      {"Down key on the closed list", [](ShownTab& s) { QTest::keyClick(s.combo, Qt::Key_Down); },
       k5},
      {"Down key twice",
       [](ShownTab& s) {
         QTest::keyClick(s.combo, Qt::Key_Down);
         QTest::keyClick(s.combo, Qt::Key_Down);
       },
       k63},
      {"click on the second item", [](ShownTab& s) { s.pickFromPopup(1); }, k5},
      {"click on the last item", [](ShownTab& s) { s.pickFromPopup(29); }, k40c},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ShownTab shown;
    shown.combo->setFocus();
    c.choose(shown);
    EXPECT_EQ(shown.result->toPlainText(), c.expected);
    EXPECT_EQ(shown.combo->count(), 30);
  }
}

TEST(ChannelTab, ChoosingTheShownSizeAgainLooksItUpAgain) {
  ShownTab shown;
  shown.combo->setFocus();
  QTest::keyClick(shown.combo, Qt::Key_Down);
  ASSERT_EQ(shown.result->toPlainText(), k5);

  // The user overwrites the result box, then picks "5" again from the list.
  shown.result->setFocus();
  shown.result->selectAll();
  QTest::keyClicks(shown.result, QStringLiteral("edited"));
  ASSERT_EQ(shown.result->toPlainText(), QStringLiteral("edited"));
  shown.pickFromPopup(1);
  EXPECT_EQ(shown.result->toPlainText(), k5);
  EXPECT_EQ(shown.combo->currentText(), QStringLiteral("5"));
}

TEST(ChannelTab, PickingAfterTypingInTheListLooksUpThePickedSize) {
  ShownTab shown;
  shown.combo->setFocus();
  shown.combo->lineEdit()->clear();
  QTest::keyClicks(shown.combo, QStringLiteral("xyz"));
  shown.pickFromPopup(0);
  EXPECT_EQ(shown.combo->currentText(), QStringLiteral("20a"));
  EXPECT_EQ(shown.result->toPlainText(), k20a);
}

// The box and the result never show two different sizes: the typed text is
// looked up on Enter or when the cursor leaves the box, never while typing.
TEST(ChannelTab, TypedSizeIsLookedUpOnEnterOrLeavingTheBox) {
  struct Case {
    const char* name;
    const char* typed;
    bool enter;
    bool leave;  // the cursor moves on to the result box
    const QString& expected;
  };
  // Every row also destroys the tab with the typed text still in the list,
  // which must run no lookup.
  const Case kCases[] = {
      {"a size, no Enter", "5", false, false, k20a},
      {"a size and Enter", "5", true, false, k5},
      {"another size and Enter", "25a", true, false, k25a},
      {"a size, then focus elsewhere", "40c", false, true, k40c},
      {"a size, Enter, then focus elsewhere", "25a", true, true, k25a},
      {"upper case of a size and Enter", "20A", true, true, kNoSize},
      {"not a size and Enter", "21", true, false, kNoSize},
      {"not a size, then focus elsewhere", "99", false, true, kNoSize},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ShownTab shown;
    shown.combo->setFocus();
    shown.combo->lineEdit()->clear();
    QTest::keyClicks(shown.combo, QString::fromLatin1(c.typed));
    EXPECT_EQ(shown.result->toPlainText(), k20a) << "typing alone looks nothing up";
    if (c.enter) QTest::keyClick(shown.combo, Qt::Key_Return);
    if (c.leave) shown.result->setFocus();
    EXPECT_EQ(shown.combo->currentText(), QString::fromLatin1(c.typed));
    EXPECT_EQ(shown.result->toPlainText(), c.expected);
    EXPECT_EQ(shown.combo->count(), 30);
  }
}

TEST(ChannelTab, LeavingTheBoxWithoutTypingLooksNothingUp) {
  ShownTab shown;
  shown.combo->setFocus();
  shown.result->setPlainText(QStringLiteral("edited"));
  shown.result->setFocus();
  EXPECT_EQ(shown.result->toPlainText(), QStringLiteral("edited"));
}

}  // namespace
}  // namespace vapentis
