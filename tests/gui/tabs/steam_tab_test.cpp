#include "gui/tabs/tool_pages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include <vector>

#include "core/process/steam_tool.h"
#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::Find;
using testing::ModalCatcher;

const QString kPressureResult = testing::CoreResult(SteamTool());

void Click(TabPage& tab, const char* name) {
  QTest::mouseClick(Find<QCheckBox>(&tab, name), Qt::LeftButton);
}

TEST(SteamTab, StartsInPressureModeWithTheTemperaturePairHidden) {
  const std::unique_ptr<TabPage> page = MakePage(SteamTool());
  TabPage& tab = *page;
  EXPECT_TRUE(Find<QPlainTextEdit>(&tab, "Text6")->toPlainText().isEmpty());
  EXPECT_TRUE(Find<QCheckBox>(&tab, "Check1")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(&tab, "Check2")->isChecked());
  EXPECT_TRUE(Find<QLineEdit>(&tab, "Text5")->isVisibleTo(&tab));
  EXPECT_FALSE(Find<QLabel>(&tab, "Label9")->isVisibleTo(&tab));
  EXPECT_FALSE(Find<QLineEdit>(&tab, "Text7")->isVisibleTo(&tab));
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
    const std::unique_ptr<TabPage> page = MakePage(SteamTool());
    TabPage& tab = *page;
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
  const std::unique_ptr<TabPage> page = MakePage(SteamTool());
  TabPage& tab = *page;
  tab.show();
  Find<QCheckBox>(&tab, "Check2")->setChecked(true);
  EXPECT_TRUE(Find<QCheckBox>(&tab, "Check1")->isChecked());
  EXPECT_TRUE(Find<QLineEdit>(&tab, "Text5")->isVisibleTo(&tab));
  EXPECT_FALSE(Find<QLineEdit>(&tab, "Text7")->isVisibleTo(&tab));
}

TEST(SteamTab, SwitchingModesKeepsTheTypedTexts) {
  const std::unique_ptr<TabPage> page = MakePage(SteamTool());
  TabPage& tab = *page;
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

// The old result must not stand as the answer when neither mode is ticked.
TEST(SteamTab, CalculateWithNeitherModeAsksForOneAndKeepsTheResult) {
  const std::unique_ptr<TabPage> page = MakePage(SteamTool());
  TabPage& tab = *page;
  tab.show();
  Click(tab, "Check1");
  Find<QLineEdit>(&tab, "Text5")->setText(QStringLiteral("abc"));
  auto* result = Find<QPlainTextEdit>(&tab, "Text6");
  result->setPlainText(QStringLiteral("earlier result"));
  ModalCatcher catcher;
  Find<QPushButton>(&tab, "Command3")->click();
  ASSERT_EQ(catcher.texts().size(), 1);
  EXPECT_EQ(catcher.texts()[0], QStringLiteral("请选择“以压力为准”或“以温度为准”。"));
  EXPECT_EQ(catcher.titles()[0], QStringLiteral("Vapentis"));
  EXPECT_EQ(result->toPlainText(), QStringLiteral("earlier result"));
  EXPECT_FALSE(Find<QCheckBox>(&tab, "Check1")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(&tab, "Check2")->isChecked());
}

TEST(SteamTab, EnterInTheShownBoxCalculates) {
  const std::unique_ptr<TabPage> page = MakePage(SteamTool());
  TabPage& tab = *page;
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

}  // namespace
}  // namespace vapentis
