#include "gui/tabs/tool_pages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include <vector>

#include "core/process/pipe_tool.h"
#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::Find;

void Click(TabPage& tab, const char* name) {
  QTest::mouseClick(Find<QRadioButton>(&tab, name), Qt::LeftButton);
}

TEST(PipeTab, StartsWithNoStateChosenAndAnEmptyResult) {
  const std::unique_ptr<TabPage> page = MakePage(PipeTool());
  TabPage& tab = *page;
  EXPECT_TRUE(Find<QPlainTextEdit>(&tab, "Text9")->toPlainText().isEmpty());
  EXPECT_FALSE(Find<QRadioButton>(&tab, "Option1")->isChecked());
  EXPECT_FALSE(Find<QRadioButton>(&tab, "Option2")->isChecked());
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
    const std::unique_ptr<TabPage> page = MakePage(PipeTool());
    TabPage& tab = *page;
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
  const std::unique_ptr<TabPage> page = MakePage(PipeTool());
  TabPage& tab = *page;
  tab.show();
  Find<QRadioButton>(&tab, "Option2")->setChecked(true);
  EXPECT_TRUE(Find<QLineEdit>(&tab, "Text11")->isVisibleTo(&tab));
  EXPECT_TRUE(Find<QLineEdit>(&tab, "Text14")->isVisibleTo(&tab));
}

TEST(PipeTab, SwitchingStatesKeepsTheHiddenTexts) {
  const std::unique_ptr<TabPage> page = MakePage(PipeTool());
  TabPage& tab = *page;
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

}  // namespace
}  // namespace vapentis
