#include "process/pipe_tab.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::ExpectControlsApart;
using testing::ExpectFailureKeepsTheResult;
using testing::Find;
using testing::ModalCatcher;

const QString kSteamResult = QStringLiteral(
    "饱和蒸汽密度=0.6044kg/m3\n"
    "圆形管道直径=365mm，按标准管径选择");

void Click(PipeTab& tab, const char* name) {
  QTest::mouseClick(Find<QRadioButton>(&tab, name), Qt::LeftButton);
}

TEST(PipeTab, StartsWithTheInitialTextsAndNoStateChosen) {
  PipeTab tab;
  struct Caption {
    const char* name;
    const char* text;
    bool in_frame;
  };
  const Caption kCaptions[] = {
      {"Option1", "饱和水蒸汽", true},
      {"Option2", "液体", true},
      {"Label11", "水蒸汽温度（℃）", true},
      {"Label12", "流体的流量（kg/h）", true},
      {"Label13", "流体的流速（m/s）", true},
      {"Label14", "实际密度（kg/m3）", true},
      {"Label15", "蒸汽流速一般在20~40m/s之间，液体一般在1~2.5m/s之间。", true},
      {"Command4", "计算", false},
      {"Command7", "退出", false},
  };
  auto* frame = Find<QFrame>(&tab, "Frame3");
  for (const Caption& c : kCaptions) {
    auto* control = tab.findChild<QWidget*>(QString::fromLatin1(c.name));
    ASSERT_NE(control, nullptr) << c.name;
    EXPECT_EQ(control->property("text").toString(), QString::fromUtf8(c.text)) << c.name;
    EXPECT_EQ(control->parentWidget() == frame, c.in_frame) << c.name;
  }
  const std::pair<const char*, const char*> kInputs[] = {
      {"Text11", "100"}, {"Text12", "5000"}, {"Text13", "22"}, {"Text14", "1000"}};
  for (const auto& [name, text] : kInputs) {
    auto* box = Find<QLineEdit>(&tab, name);
    EXPECT_EQ(box->text(), QString::fromUtf8(text)) << name;
    EXPECT_EQ(box->parentWidget(), frame) << name;
  }
  EXPECT_TRUE(Find<QPlainTextEdit>(&tab, "Text9")->toPlainText().isEmpty());
  EXPECT_FALSE(Find<QRadioButton>(&tab, "Option1")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>(&tab, "Option2")->isChecked());

  const std::pair<const char*, QRect> kGeometry[] = {
      {"Frame3", QRect(8, 24, 449, 145)},
      {"Command4", QRect(264, 176, 87, 30)},
      {"Command7", QRect(368, 176, 87, 30)},
      {"Text9", QRect(8, 216, 451, 110)},
  };
  for (const auto& [name, rect] : kGeometry) {
    EXPECT_EQ(tab.findChild<QWidget*>(QString::fromLatin1(name))->geometry(), rect) << name;
  }
}

// Every control lies inside its parent, siblings do not overlap, and no
// caption is cut off.
TEST(PipeTab, ControlsFitWithoutOverlap) {
  PipeTab tab;
  tab.resize(465, 345);
  tab.show();  // labels take the height their text needs once shown
  ExpectControlsApart(&tab, tab.rect());
  ExpectControlsApart(Find<QWidget>(&tab, "Frame3"), Find<QWidget>(&tab, "Frame3")->rect());
}

struct VisibilityCase {
  const char* name;
  std::vector<const char*> clicks;
  bool option1;
  bool option2;
  bool temperature_shown;  // Label11, Text11
  bool density_shown;      // Label14, Text14
};

TEST(PipeTab, ClicksOnTheOptionsFollowTheVisibilityRules) {
  const VisibilityCase kCases[] = {
      {"start", {}, false, false, true, true},
      {"steam", {"Option1"}, true, false, true, false},
      {"liquid", {"Option2"}, false, true, false, true},
      {"steam then liquid", {"Option1", "Option2"}, false, true, false, true},
      {"liquid then steam", {"Option2", "Option1"}, true, false, true, false},
      {"steam clicked twice", {"Option1", "Option1"}, true, false, true, false},
      {"liquid clicked twice", {"Option2", "Option2"}, false, true, false, true},
  };
  const char* kAlwaysShown[] = {"Label12", "Text12", "Label13", "Text13", "Label15"};
  for (const VisibilityCase& c : kCases) {
    SCOPED_TRACE(c.name);
    PipeTab tab;
    tab.show();
    for (const char* option : c.clicks) Click(tab, option);
    EXPECT_EQ(Find<QRadioButton>(&tab, "Option1")->isChecked(), c.option1);
    EXPECT_EQ(Find<QRadioButton>(&tab, "Option2")->isChecked(), c.option2);
    EXPECT_EQ(Find<QLabel>(&tab, "Label11")->isVisibleTo(&tab), c.temperature_shown);
    EXPECT_EQ(Find<QLineEdit>(&tab, "Text11")->isVisibleTo(&tab), c.temperature_shown);
    EXPECT_EQ(Find<QLabel>(&tab, "Label14")->isVisibleTo(&tab), c.density_shown);
    EXPECT_EQ(Find<QLineEdit>(&tab, "Text14")->isVisibleTo(&tab), c.density_shown);
    for (const char* name : kAlwaysShown) {
      EXPECT_TRUE(tab.findChild<QWidget*>(QString::fromLatin1(name))->isVisibleTo(&tab)) << name;
    }
  }
}

TEST(PipeTab, ChoosingAnOptionInCodeRunsNoRule) {
  PipeTab tab;
  tab.show();
  Find<QRadioButton>(&tab, "Option2")->setChecked(true);
  EXPECT_TRUE(Find<QLineEdit>(&tab, "Text11")->isVisibleTo(&tab));
  EXPECT_TRUE(Find<QLineEdit>(&tab, "Text14")->isVisibleTo(&tab));
}

TEST(PipeTab, SwitchingStatesKeepsTheHiddenTexts) {
  PipeTab tab;
  tab.show();
  Find<QLineEdit>(&tab, "Text11")->setText(QStringLiteral("150"));
  Find<QLineEdit>(&tab, "Text14")->setText(QStringLiteral("800"));
  Click(tab, "Option2");
  EXPECT_EQ(Find<QLineEdit>(&tab, "Text11")->text(), QStringLiteral("150"));
  Click(tab, "Option1");
  EXPECT_EQ(Find<QLineEdit>(&tab, "Text14")->text(), QStringLiteral("800"));
  Find<QPushButton>(&tab, "Command4")->click();
  EXPECT_TRUE(Find<QPlainTextEdit>(&tab, "Text9")
                  ->toPlainText()
                  .startsWith(QStringLiteral("饱和蒸汽密度=2.7855kg/m3\n")));
}

struct SuccessCase {
  const char* name;
  const char* option;  // clicked before the press, or nullptr
  const char* temperature;
  const char* flow;
  const char* velocity;
  const char* density;
  const char* expected;
};

TEST(PipeTab, CalculateReplacesTheResult) {
  const SuccessCase kCases[] = {
      {"steam at 100", "Option1", "100", "5000", "22", "1000",
       "饱和蒸汽密度=0.6044kg/m3\n圆形管道直径=365mm，按标准管径选择"},
      {"steam at 150", "Option1", "150", "5000", "22", "1000",
       "饱和蒸汽密度=2.7855kg/m3\n圆形管道直径=170mm，按标准管径选择"},
      {"liquid at 1.5 m/s", "Option2", "100", "5000", "1.5", "1000",
       "圆形管道直径=34mm，按标准管径选择"},
      {"liquid at 22 m/s", "Option2", "100", "5000", "22", "1000",
       "圆形管道直径=9mm，按标准管径选择"},
      {"liquid without flow", "Option2", "100", "0", "1.5", "1000",
       "圆形管道直径=0mm，按标准管径选择"},
      {"steam ignores the density box", "Option1", "100", "5000", "22", "abc",
       "饱和蒸汽密度=0.6044kg/m3\n圆形管道直径=365mm，按标准管径选择"},
      {"liquid ignores the temperature box", "Option2", "", "5000", "1.5", "1000",
       "圆形管道直径=34mm，按标准管径选择"},
      {"no state chosen", nullptr, "100", "5000", "22", "1000", "请选择流体形态"},
      {"no state chosen reads nothing", nullptr, "x", "x", "x", "x", "请选择流体形态"},
  };
  for (const SuccessCase& c : kCases) {
    SCOPED_TRACE(c.name);
    PipeTab tab;
    tab.show();
    if (c.option != nullptr) Click(tab, c.option);
    Find<QLineEdit>(&tab, "Text11")->setText(QString::fromUtf8(c.temperature));
    Find<QLineEdit>(&tab, "Text12")->setText(QString::fromUtf8(c.flow));
    Find<QLineEdit>(&tab, "Text13")->setText(QString::fromUtf8(c.velocity));
    Find<QLineEdit>(&tab, "Text14")->setText(QString::fromUtf8(c.density));
    auto* result = Find<QPlainTextEdit>(&tab, "Text9");
    result->setPlainText(QStringLiteral("earlier result"));
    ModalCatcher catcher;
    Find<QPushButton>(&tab, "Command4")->click();
    EXPECT_TRUE(catcher.texts().isEmpty());
    EXPECT_EQ(result->toPlainText(), QString::fromUtf8(c.expected));
  }
}

struct FailureCase {
  const char* name;
  const char* option;
  const char* box;
  const char* text;
  const char* word;       // names the kind in the message
  const char* focus_box;  // box that gets the cursor, or nullptr
  const char* label;      // the box's label named in the message, or nullptr
};

TEST(PipeTab, FailureShowsTheKindAndKeepsTheOldResult) {
  const FailureCase kCases[] = {
      {"letters for the temperature", "Option1", "Text11", "abc", "不是数字", "Text11",
       "水蒸汽温度（℃）"},
      {"empty flow", "Option2", "Text12", "", "不是数字", "Text12", "流体的流量（kg/h）"},
      {"blank velocity", "Option1", "Text13", "  ", "不是数字", "Text13", "流体的流速（m/s）"},
      {"letters for the density", "Option2", "Text14", "x", "不是数字", "Text14",
       "实际密度（kg/m3）"},
      {"zero velocity for steam", "Option1", "Text13", "0", "除数为零", nullptr, nullptr},
      {"zero density", "Option2", "Text14", "0", "除数为零", nullptr, nullptr},
      {"Antoine denominator zero", "Option1", "Text11", "-227.53", "除数为零", nullptr, nullptr},
      {"negative density", "Option2", "Text14", "-1000", "无效的参数", nullptr, nullptr},
      {"flow beyond the doubles", "Option2", "Text12", "1E400", "溢出", "Text12",
       "流体的流量（kg/h）"},
  };
  for (const FailureCase& c : kCases) {
    SCOPED_TRACE(c.name);
    PipeTab tab;
    tab.show();
    tab.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tab));
    Click(tab, c.option);
    Find<QLineEdit>(&tab, c.box)->setText(QString::fromUtf8(c.text));
    ExpectFailureKeepsTheResult(&tab, "Command4", "Text9", {c.word, c.focus_box, c.label});
    EXPECT_TRUE(Find<QRadioButton>(&tab, c.option)->isChecked());
  }
}

TEST(PipeTab, EnterInAnInputBoxCalculates) {
  PipeTab tab;
  tab.show();
  Click(tab, "Option1");
  QTest::keyClick(Find<QLineEdit>(&tab, "Text13"), Qt::Key_Return);
  EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text9")->toPlainText(), kSteamResult);
}

TEST(PipeTab, ExitButtonAsksToHideTheTools) {
  PipeTab tab;
  QSignalSpy exits(&tab, &TabPage::exitRequested);
  Find<QPushButton>(&tab, "Command7")->click();
  EXPECT_EQ(exits.count(), 1);
  Find<QPushButton>(&tab, "Command4")->click();
  EXPECT_EQ(exits.count(), 1);
}

}  // namespace
}  // namespace vapentis
