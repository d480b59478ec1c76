#include "process/pump_tab.h"

#include <QApplication>
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
using testing::PlacedControl;
using testing::TabOrder;

const QString kDefaultResult = QStringLiteral("泵的计算功率=23.8kW\n选择比计算值稍大的额定电机");

// In tab order, rows top to bottom.
const PlacedControl kControls[] = {
    {"Frame2", "", "", QRect(8, 24, 449, 121)},
    {"Label20", "Frame2", "流量（m3/h）", QRect(8, 16, 129, 23)},
    {"Text18", "Frame2", "100", QRect(144, 16, 53, 24)},
    {"Label19", "Frame2", "扬程（m）", QRect(232, 16, 105, 23)},
    {"Text17", "Frame2", "30", QRect(384, 16, 53, 24)},
    {"Label18", "Frame2", "比重", QRect(8, 48, 97, 31)},
    {"Text16", "Frame2", "1.4", QRect(144, 48, 53, 24)},
    {"Label17", "Frame2", "泵的效率", QRect(232, 48, 137, 23)},
    {"Text15", "Frame2", "0.6", QRect(384, 48, 53, 24)},
    {"Label16", "Frame2", "安全系数", QRect(8, 80, 105, 23)},
    {"Text20", "Frame2", "1.25", QRect(144, 80, 53, 24)},
    {"Command10", "", "计算", QRect(264, 160, 87, 30)},
    {"Command9", "", "退出", QRect(368, 160, 87, 30)},
    {"Text19", "", "", QRect(8, 200, 451, 126)},
};

TEST(PumpTab, ControlsCarryTheirTextsAndPlaces) {
  PumpTab tab;
  ExpectControlsAsListed(&tab, kControls);
}

TEST(PumpTab, TabMovesThroughTheControlsRowByRow) {
  PumpTab tab;
  tab.show();
  tab.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&tab));
  EXPECT_EQ(TabOrder(&tab, "Text18", 8),
            QStringList({"Text18", "Text17", "Text16", "Text15", "Text20", "Command10", "Command9",
                         "Text19"}));
}

TEST(PumpTab, NoControlOverlapsAnotherOrLeavesItsParent) {
  PumpTab tab;
  tab.show();  // labels take the height their text needs once shown
  ExpectControlsApart(&tab, QRect(0, 0, 465, 345));
  ExpectControlsApart(Find<QWidget>(&tab, "Frame2"), Find<QWidget>(&tab, "Frame2")->rect());
}

struct Inputs {
  const char* flow;
  const char* head;
  const char* specific_gravity;
  const char* efficiency;
  const char* safety_factor;
};

void Type(PumpTab& tab, const Inputs& in) {
  Find<QLineEdit>(&tab, "Text18")->setText(QString::fromUtf8(in.flow));
  Find<QLineEdit>(&tab, "Text17")->setText(QString::fromUtf8(in.head));
  Find<QLineEdit>(&tab, "Text16")->setText(QString::fromUtf8(in.specific_gravity));
  Find<QLineEdit>(&tab, "Text15")->setText(QString::fromUtf8(in.efficiency));
  Find<QLineEdit>(&tab, "Text20")->setText(QString::fromUtf8(in.safety_factor));
}

TEST(PumpTab, CalculateWritesThePowerAndTheAdvice) {
  struct Case {
    const char* name;
    Inputs in;
    const char* power;  // shown between "泵的计算功率=" and "kW"
  };
  const Case kCases[] = {
      {"start-up inputs", {"100", "30", "1.4", "0.6", "1.25"}, "23.8"},
      {"small pump", {"50", "20", "1", "0.7", "1.1"}, "4.3"},
      {"zero flow", {"0", "30", "1.4", "0.6", "1.25"}, "0"},
      {"negative efficiency", {"100", "30", "1.4", "-0.6", "1.25"}, "-23.8"},
      {"efficiency as a percentage", {"100", "30", "1.4", "60", "1.25"}, "0.2"},
      {"safety factor doubled", {"100", "30", "1.4", "0.6", "2.5"}, "47.7"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    PumpTab tab;
    Type(tab, c.in);
    Find<QPushButton>(&tab, "Command10")->click();
    EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text19")->toPlainText(),
              QStringLiteral("泵的计算功率=%1kW\n选择比计算值稍大的额定电机")
                  .arg(QString::fromLatin1(c.power)));
  }
}

TEST(PumpTab, EnterInAnInputBoxCalculates) {
  for (const char* box : {"Text18", "Text17", "Text16", "Text15", "Text20"}) {
    SCOPED_TRACE(box);
    PumpTab tab;
    tab.show();
    QTest::keyClick(Find<QLineEdit>(&tab, box), Qt::Key_Return);
    EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text19")->toPlainText(), kDefaultResult);
  }
}

TEST(PumpTab, FailureShowsTheKindAndKeepsTheOldResult) {
  struct Case {
    const char* name;
    Inputs in;
    const char* word;       // names the kind in the message
    const char* focus_box;  // box that gets the cursor, or nullptr
    const char* label;      // the box's label named in the message
  };
  const Case kCases[] = {
      {"empty flow", {"", "30", "1.4", "0.6", "1.25"}, "不是数字", "Text18", "流量（m3/h）"},
      {"letters for head", {"100", "abc", "1.4", "0.6", "1.25"}, "不是数字", "Text17", "扬程（m）"},
      {"blank specific gravity", {"100", "30", "  ", "0.6", "1.25"}, "不是数字", "Text16", "比重"},
      {"empty efficiency", {"100", "30", "1.4", "", "1.25"}, "不是数字", "Text15", "泵的效率"},
      {"empty safety factor", {"100", "30", "1.4", "0.6", ""}, "不是数字", "Text20", "安全系数"},
      {"zero efficiency", {"100", "30", "1.4", "0", "1.25"}, "除数为零", nullptr, nullptr},
      {"zero efficiency before the empty safety factor",
       {"100", "30", "1.4", "0", ""},
       "除数为零",
       nullptr,
       nullptr},
      {"zero flow and zero efficiency", {"0", "30", "1.4", "0", "1.25"}, "溢出", nullptr, nullptr},
      {"flow beyond the double range",
       {"1E400", "30", "1.4", "0.6", "1.25"},
       "溢出",
       "Text18",
       "流量（m3/h）"},
      {"product beyond the double range",
       {"1E300", "1E300", "1.4", "0.6", "1.25"},
       "溢出",
       nullptr,
       nullptr},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    PumpTab tab;
    tab.show();
    tab.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tab));
    Type(tab, c.in);
    ExpectFailureKeepsTheResult(&tab, "Command10", "Text19", {c.word, c.focus_box, c.label});
  }
}

TEST(PumpTab, ExitButtonAsksToHideTheToolsAndKeepsTheTexts) {
  PumpTab tab;
  Find<QPushButton>(&tab, "Command10")->click();
  QSignalSpy exits(&tab, &TabPage::exitRequested);
  Find<QPushButton>(&tab, "Command9")->click();
  EXPECT_EQ(exits.count(), 1);
  EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text19")->toPlainText(), kDefaultResult);
}

}  // namespace
}  // namespace vapentis
