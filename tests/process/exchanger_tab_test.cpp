#include "process/exchanger_tab.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::ExpectControlsApart;
using testing::ExpectControlsAsListed;
using testing::ExpectFailureKeepsTheResult;
using testing::Find;
using testing::ModalCatcher;
using testing::PlacedControl;
using testing::TabOrder;

const QString kDefaultResult = QStringLiteral("换热管数量=127条\n换热器筒体直径=700mm");

const PlacedControl kControls[] = {
    {"Frame4", "", "", QRect(8, 24, 449, 121)},
    {"Label22", "Frame4", "换热面积（m2）", QRect(8, 24, 129, 23)},
    {"Text23", "Frame4", "90", QRect(160, 24, 53, 24)},
    {"Label23", "Frame4", "换热管外径", QRect(224, 24, 105, 23)},
    {"Text24", "Frame4", "38", QRect(360, 24, 77, 24)},
    {"Label24", "Frame4", "换热管长度（m）", QRect(8, 56, 129, 31)},
    {"Text25", "Frame4", "6", QRect(160, 56, 53, 24)},
    {"Label25", "Frame4", "排列方式", QRect(224, 56, 105, 23)},
    {"Combo3", "Frame4", "正三角形", QRect(344, 56, 97, 24)},
    {"Label21", "Frame4", "管中心距", QRect(8, 88, 113, 31)},
    {"Text22", "Frame4", "48", QRect(160, 88, 53, 24)},
    {"Command11", "", "计算", QRect(264, 160, 87, 30)},
    {"Command12", "", "退出", QRect(368, 160, 87, 30)},
    {"Text21", "", "", QRect(8, 200, 451, 126)},
};

TEST(ExchangerTab, ControlsCarryTheirTextsAndPlaces) {
  ExchangerTab tab;
  ExpectControlsAsListed(&tab, kControls);
}

TEST(ExchangerTab, ArrangementListHoldsExactlyTheOneArrangement) {
  ExchangerTab tab;
  auto* list = Find<QComboBox>(&tab, "Combo3");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->itemText(0), QStringLiteral("正三角形"));
  EXPECT_EQ(list->currentIndex(), 0);
  EXPECT_TRUE(list->isEditable());
  EXPECT_EQ(list->insertPolicy(), QComboBox::NoInsert);
}

TEST(ExchangerTab, TabMovesThroughTheControlsRowByRow) {
  ExchangerTab tab;
  tab.show();
  tab.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&tab));
  EXPECT_EQ(TabOrder(&tab, "Text23", 8),
            QStringList({"Text23", "Text24", "Text25", "Combo3", "Text22", "Command11", "Command12",
                         "Text21"}));
}

TEST(ExchangerTab, NoControlOverlapsAnotherOrLeavesItsParent) {
  ExchangerTab tab;
  tab.show();  // labels take the height their text needs once shown
  ExpectControlsApart(&tab, QRect(0, 0, 465, 345));
  ExpectControlsApart(Find<QWidget>(&tab, "Frame4"), Find<QWidget>(&tab, "Frame4")->rect());
}

struct Inputs {
  const char* area;
  const char* tube_diameter;
  const char* tube_length;
};

void Type(ExchangerTab& tab, const Inputs& in) {
  Find<QLineEdit>(&tab, "Text23")->setText(QString::fromUtf8(in.area));
  Find<QLineEdit>(&tab, "Text24")->setText(QString::fromUtf8(in.tube_diameter));
  Find<QLineEdit>(&tab, "Text25")->setText(QString::fromUtf8(in.tube_length));
}

TEST(ExchangerTab, CalculateWritesTheTubeCountAndShellDiameter) {
  struct Case {
    const char* name;
    Inputs in;
    const char* tubes;
    const char* diameter_mm;
  };
  const Case kCases[] = {
      {"start-up inputs", {"90", "38", "6"}, "127", "700"},
      {"area 10", {"10", "38", "6"}, "15", "300"},
      {"area 0", {"0", "38", "6"}, "1", "200"},
      {"short thin tubes", {"50", "25", "3"}, "213", "600"},
      {"long thin tubes", {"200", "25", "6"}, "426", "800"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ExchangerTab tab;
    Type(tab, c.in);
    Find<QPushButton>(&tab, "Command11")->click();
    EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text21")->toPlainText(),
              QStringLiteral("换热管数量=%1条\n换热器筒体直径=%2mm")
                  .arg(QString::fromLatin1(c.tubes), QString::fromLatin1(c.diameter_mm)));
  }
}

TEST(ExchangerTab, PitchAndArrangementAreShownButNotRead) {
  ExchangerTab tab;
  Find<QLineEdit>(&tab, "Text22")->setText(QStringLiteral("abc"));
  Find<QComboBox>(&tab, "Combo3")->setEditText(QStringLiteral("正方形"));
  ModalCatcher catcher;
  Find<QPushButton>(&tab, "Command11")->click();
  EXPECT_TRUE(catcher.texts().isEmpty());
  EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text21")->toPlainText(), kDefaultResult);
}

TEST(ExchangerTab, EnterInAnInputBoxCalculates) {
  for (const char* box : {"Text23", "Text24", "Text25", "Text22"}) {
    SCOPED_TRACE(box);
    ExchangerTab tab;
    tab.show();
    QTest::keyClick(Find<QLineEdit>(&tab, box), Qt::Key_Return);
    EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text21")->toPlainText(), kDefaultResult);
  }
}

TEST(ExchangerTab, FailureShowsTheKindAndKeepsTheOldResult) {
  struct Case {
    const char* name;
    Inputs in;
    const char* word;       // names the kind in the message
    const char* focus_box;  // box that gets the cursor, or nullptr
    const char* label;      // the box's label named in the message
  };
  const Case kCases[] = {
      {"empty area", {"", "38", "6"}, "不是数字", "Text23", "换热面积（m2）"},
      {"letters for the diameter", {"90", "x", "6"}, "不是数字", "Text24", "换热管外径"},
      {"blank length", {"90", "38", " "}, "不是数字", "Text25", "换热管长度（m）"},
      {"zero diameter", {"90", "0", "6"}, "除数为零", nullptr, nullptr},
      {"zero diameter before the empty length", {"90", "0", ""}, "除数为零", nullptr, nullptr},
      {"zero length", {"90", "38", "0"}, "除数为零", nullptr, nullptr},
      {"zero area and zero length", {"0", "38", "0"}, "溢出", nullptr, nullptr},
      {"negative tube count", {"-100", "38", "6"}, "无效的参数", nullptr, nullptr},
      {"area beyond the double range", {"1E400", "38", "6"}, "溢出", "Text23", "换热面积（m2）"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ExchangerTab tab;
    tab.show();
    tab.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tab));
    Type(tab, c.in);
    ExpectFailureKeepsTheResult(&tab, "Command11", "Text21", {c.word, c.focus_box, c.label});
  }
}

TEST(ExchangerTab, ExitButtonAsksToHideTheToolsAndKeepsTheTexts) {
  ExchangerTab tab;
  Find<QPushButton>(&tab, "Command11")->click();
  QSignalSpy exits(&tab, &TabPage::exitRequested);
  Find<QPushButton>(&tab, "Command12")->click();
  EXPECT_EQ(exits.count(), 1);
  EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text21")->toPlainText(), kDefaultResult);
}

}  // namespace
}  // namespace vapentis
