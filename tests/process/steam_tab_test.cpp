#include "process/steam_tab.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::ExpectControlsApart;
using testing::ExpectFailureKeepsTheResult;
using testing::Find;
using testing::ModalCatcher;

const QString kPressureResult = QStringLiteral(
    "饱和蒸汽温度=100℃\n"
    "饱和蒸汽密度=0.6044kg/m3\n"
    "饱和蒸汽潜热=2259kJ/kg");

void Click(SteamTab& tab, const char* name) {
  QTest::mouseClick(Find<QCheckBox>(&tab, name), Qt::LeftButton);
}

TEST(SteamTab, StartsWithTheInitialTextsInPressureMode) {
  SteamTab tab;
  const std::pair<const char*, const char*> kTexts[] = {
      {"Label8", "饱和蒸汽压力(MPa)"},
      {"Label9", "饱和蒸汽温度（℃）"},
      {"Check1", "以压力为准"},
      {"Check2", "以温度为准"},
      {"Command3", "确定"},
      {"Command2", "退出"},
  };
  for (const auto& [name, caption] : kTexts) {
    auto* control = tab.findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(control, nullptr) << name;
    const QVariant text = control->property("text");
    EXPECT_EQ(text.toString(), QString::fromUtf8(caption)) << name;
  }
  EXPECT_EQ(Find<QLineEdit>(&tab, "Text5")->text(), QStringLiteral("0.1013"));
  EXPECT_EQ(Find<QLineEdit>(&tab, "Text7")->text(), QStringLiteral("100"));
  EXPECT_TRUE(Find<QPlainTextEdit>(&tab, "Text6")->toPlainText().isEmpty());
  EXPECT_TRUE(Find<QCheckBox>(&tab, "Check1")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(&tab, "Check2")->isChecked());
  EXPECT_EQ(Find<QCheckBox>(&tab, "Check1")->parentWidget(), Find<QFrame>(&tab, "Frame1"));
  EXPECT_EQ(Find<QCheckBox>(&tab, "Check2")->parentWidget(), Find<QFrame>(&tab, "Frame1"));

  const std::pair<const char*, QRect> kGeometry[] = {
      {"Frame1", QRect(56, 32, 273, 73)},
      {"Command3", QRect(368, 56, 87, 33)},
      {"Command2", QRect(368, 104, 87, 33)},
      {"Text6", QRect(8, 160, 449, 169)},
  };
  for (const auto& [name, rect] : kGeometry) {
    EXPECT_EQ(tab.findChild<QWidget*>(QString::fromLatin1(name))->geometry(), rect) << name;
  }
  EXPECT_EQ(Find<QLabel>(&tab, "Label8")->geometry(), Find<QLabel>(&tab, "Label9")->geometry());
  EXPECT_EQ(Find<QLineEdit>(&tab, "Text5")->geometry(), Find<QLineEdit>(&tab, "Text7")->geometry());
}

// Every control lies inside its parent, siblings do not overlap (but for the
// two pairs that share a spot), and no caption is cut off.
TEST(SteamTab, ControlsFitWithoutOverlap) {
  SteamTab tab;
  tab.resize(465, 345);
  tab.show();  // labels take the height their text needs once shown
  const std::set<std::pair<QString, QString>> kSharedSpots = {{"Label8", "Label9"},
                                                              {"Text5", "Text7"}};
  ExpectControlsApart(&tab, tab.rect(), kSharedSpots);
  ExpectControlsApart(Find<QWidget>(&tab, "Frame1"), Find<QWidget>(&tab, "Frame1")->rect());
}

struct ModeCase {
  const char* name;
  std::vector<const char*> clicks;
  bool check1;
  bool check2;
  bool pressure_shown;  // else the temperature pair
};

TEST(SteamTab, ClicksOnTheModeBoxesFollowTheModeRules) {
  const ModeCase kCases[] = {
      {"start", {}, true, false, true},
      {"tick Check2", {"Check2"}, false, true, false},
      {"clear Check2 again", {"Check2", "Check2"}, false, false, false},
      {"clear Check1", {"Check1"}, false, false, true},
      {"clear Check1 and tick it again", {"Check1", "Check1"}, true, false, true},
      {"Check2 then Check1", {"Check2", "Check1"}, true, false, true},
      {"clear Check1 then tick Check2", {"Check1", "Check2"}, false, true, false},
      {"both clear then Check1", {"Check2", "Check2", "Check1"}, true, false, true},
      {"Check2, Check1, Check2", {"Check2", "Check1", "Check2"}, false, true, false},
  };
  for (const ModeCase& c : kCases) {
    SCOPED_TRACE(c.name);
    SteamTab tab;
    tab.show();
    for (const char* box : c.clicks) Click(tab, box);
    EXPECT_EQ(Find<QCheckBox>(&tab, "Check1")->isChecked(), c.check1);
    EXPECT_EQ(Find<QCheckBox>(&tab, "Check2")->isChecked(), c.check2);
    EXPECT_EQ(Find<QLabel>(&tab, "Label8")->isVisibleTo(&tab), c.pressure_shown);
    EXPECT_EQ(Find<QLineEdit>(&tab, "Text5")->isVisibleTo(&tab), c.pressure_shown);
    EXPECT_EQ(Find<QLabel>(&tab, "Label9")->isVisibleTo(&tab), !c.pressure_shown);
    EXPECT_EQ(Find<QLineEdit>(&tab, "Text7")->isVisibleTo(&tab), !c.pressure_shown);
  }
}

TEST(SteamTab, TickingABoxInCodeRunsNoRule) {
  SteamTab tab;
  tab.show();
  Find<QCheckBox>(&tab, "Check2")->setChecked(true);
  EXPECT_TRUE(Find<QCheckBox>(&tab, "Check1")->isChecked());
  EXPECT_TRUE(Find<QLineEdit>(&tab, "Text5")->isVisibleTo(&tab));
  EXPECT_FALSE(Find<QLineEdit>(&tab, "Text7")->isVisibleTo(&tab));
}

TEST(SteamTab, SwitchingModesKeepsTheTypedTexts) {
  SteamTab tab;
  tab.show();
  Find<QLineEdit>(&tab, "Text5")->setText(QStringLiteral("0.5"));
  Click(tab, "Check2");
  Find<QLineEdit>(&tab, "Text7")->setText(QStringLiteral("130"));
  Click(tab, "Check1");
  EXPECT_EQ(Find<QLineEdit>(&tab, "Text5")->text(), QStringLiteral("0.5"));
  EXPECT_EQ(Find<QLineEdit>(&tab, "Text7")->text(), QStringLiteral("130"));
  Click(tab, "Check2");
  EXPECT_EQ(Find<QLineEdit>(&tab, "Text5")->text(), QStringLiteral("0.5"));
  EXPECT_EQ(Find<QLineEdit>(&tab, "Text7")->text(), QStringLiteral("130"));
}

struct SuccessCase {
  const char* name;
  std::vector<const char*> clicks;
  const char* pressure;
  const char* temperature;
  const char* expected;
};

TEST(SteamTab, CalculateReplacesTheResultWithTheThreeLines) {
  const SuccessCase kCases[] = {
      {"start-up pressure",
       {},
       "0.1013",
       "100",
       "饱和蒸汽温度=100℃\n饱和蒸汽密度=0.6044kg/m3\n饱和蒸汽潜热=2259kJ/kg"},
      {"third band by pressure",
       {},
       "0.5",
       "100",
       "饱和蒸汽温度=151.8℃\n饱和蒸汽密度=2.671kg/m3\n饱和蒸汽潜热=2134kJ/kg"},
      {"start-up temperature",
       {"Check2"},
       "0.1013",
       "100",
       "饱和蒸汽压力=0.1013Mpa\n饱和蒸汽密度=0.6044kg/m3\n饱和蒸汽潜热=2259kJ/kg"},
      {"second band by temperature",
       {"Check2"},
       "0.1013",
       "130",
       "饱和蒸汽压力=0.27Mpa\n饱和蒸汽密度=1.4872kg/m3\n饱和蒸汽潜热=2187kJ/kg"},
      {"hidden pressure box not read",
       {"Check2"},
       "abc",
       "150",
       "饱和蒸汽压力=0.476Mpa\n饱和蒸汽密度=2.5431kg/m3\n饱和蒸汽潜热=2138kJ/kg"},
      {"hidden temperature box not read",
       {"Check2", "Check1"},
       "0.2320",
       "",
       "饱和蒸汽温度=125℃\n饱和蒸汽密度=1.2798kg/m3\n饱和蒸汽潜热=2199kJ/kg"},
  };
  for (const SuccessCase& c : kCases) {
    SCOPED_TRACE(c.name);
    SteamTab tab;
    tab.show();
    for (const char* box : c.clicks) Click(tab, box);
    Find<QLineEdit>(&tab, "Text5")->setText(QString::fromUtf8(c.pressure));
    Find<QLineEdit>(&tab, "Text7")->setText(QString::fromUtf8(c.temperature));
    auto* result = Find<QPlainTextEdit>(&tab, "Text6");
    result->setPlainText(QStringLiteral("earlier result"));
    ModalCatcher catcher;
    Find<QPushButton>(&tab, "Command3")->click();
    EXPECT_TRUE(catcher.texts().isEmpty());
    EXPECT_EQ(result->toPlainText(), QString::fromUtf8(c.expected));
    EXPECT_EQ(result->document()->blockCount(), 3);
  }
}

TEST(SteamTab, CalculateWithNeitherModeKeepsTheResult) {
  SteamTab tab;
  tab.show();
  Click(tab, "Check1");
  Find<QLineEdit>(&tab, "Text5")->setText(QStringLiteral("abc"));
  auto* result = Find<QPlainTextEdit>(&tab, "Text6");
  result->setPlainText(QStringLiteral("earlier result"));
  ModalCatcher catcher;
  Find<QPushButton>(&tab, "Command3")->click();
  EXPECT_TRUE(catcher.texts().isEmpty());
  EXPECT_EQ(result->toPlainText(), QStringLiteral("earlier result"));
}

struct FailureCase {
  const char* name;
  bool temperature_mode;
  const char* text;       // typed into the box of the mode
  const char* word;       // names the kind in the message
  const char* focus_box;  // box that gets the cursor, or nullptr
  const char* label;      // the box's label named in the message, or nullptr
};

TEST(SteamTab, FailureShowsTheKindAndKeepsTheOldResult) {
  const FailureCase kCases[] = {
      {"empty pressure", false, "", "不是数字", "Text5", "饱和蒸汽压力(MPa)"},
      {"letters for the temperature", true, "abc", "不是数字", "Text7", "饱和蒸汽温度（℃）"},
      {"zero pressure", false, "0", "无效的参数", nullptr, nullptr},
      {"negative pressure", false, "-0.1", "无效的参数", nullptr, nullptr},
      {"Antoine denominator zero", true, "-227.53", "除数为零", nullptr, nullptr},
      {"pressure beyond the doubles", false, "1E400", "溢出", "Text5", "饱和蒸汽压力(MPa)"},
  };
  for (const FailureCase& c : kCases) {
    SCOPED_TRACE(c.name);
    SteamTab tab;
    tab.show();
    tab.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tab));
    if (c.temperature_mode) Click(tab, "Check2");
    Find<QLineEdit>(&tab, c.temperature_mode ? "Text7" : "Text5")
        ->setText(QString::fromUtf8(c.text));
    ExpectFailureKeepsTheResult(&tab, "Command3", "Text6", {c.word, c.focus_box, c.label});
    EXPECT_EQ(Find<QCheckBox>(&tab, "Check1")->isChecked(), !c.temperature_mode);
    EXPECT_EQ(Find<QCheckBox>(&tab, "Check2")->isChecked(), c.temperature_mode);
  }
}

TEST(SteamTab, EnterInTheShownBoxCalculates) {
  SteamTab tab;
  tab.show();
  QTest::keyClick(Find<QLineEdit>(&tab, "Text5"), Qt::Key_Return);
  EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text6")->toPlainText(), kPressureResult);
  Click(tab, "Check2");
  Find<QLineEdit>(&tab, "Text7")->setText(QStringLiteral("130"));
  QTest::keyClick(Find<QLineEdit>(&tab, "Text7"), Qt::Key_Enter);
  EXPECT_TRUE(Find<QPlainTextEdit>(&tab, "Text6")
                  ->toPlainText()
                  .startsWith(QStringLiteral("饱和蒸汽压力=0.27Mpa")));
}

TEST(SteamTab, ExitButtonAsksToHideTheTools) {
  SteamTab tab;
  QSignalSpy exits(&tab, &TabPage::exitRequested);
  Find<QPushButton>(&tab, "Command2")->click();
  EXPECT_EQ(exits.count(), 1);
  Find<QPushButton>(&tab, "Command3")->click();
  EXPECT_EQ(exits.count(), 1);
}

}  // namespace
}  // namespace vapentis
