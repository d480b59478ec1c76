#include "gui/tabs/tool_pages.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

#include "core/mvr/sizing_tool.h"
#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::Find;

TEST(SizingTab, ListsTheSevenApplicationsWithTheFirstShown) {
  const std::unique_ptr<TabPage> page = MakePage(SizingTool());
  TabPage& tab = *page;
  EXPECT_TRUE(Find<QPlainTextEdit>(&tab, "Text4")->toPlainText().isEmpty());
  auto* combo = Find<QComboBox>(&tab, "Combo1");
  const InputDescription& application = *FindInput(SizingTool(), kApplicationInput);
  ASSERT_EQ(combo->count(), static_cast<int>(application.list.size()));
  for (int i = 0; i < combo->count(); ++i) {
    EXPECT_EQ(combo->itemText(i), testing::Utf8(application.list[static_cast<std::size_t>(i)]));
  }
  EXPECT_EQ(combo->currentText(), testing::Utf8(application.start_text));
  EXPECT_TRUE(combo->isEditable());
}

// A name longer than the box is shown whole in the open list, and from its
// start in the box once picked.
TEST(SizingTab, ApplicationListShowsEveryNameWhole) {
  const std::unique_ptr<TabPage> page = MakePage(SizingTool());
  TabPage& tab = *page;
  tab.show();
  auto* combo = Find<QComboBox>(&tab, "Combo1");
  combo->showPopup();
  const QFontMetrics metrics(combo->font());
  for (int i = 0; i < combo->count(); ++i) {
    EXPECT_GT(combo->view()->minimumWidth(), metrics.horizontalAdvance(combo->itemText(i)))
        << combo->itemText(i).toStdString();
  }
  combo->hidePopup();
  const int longest = 1;  // 废水零排放
  combo->setCurrentIndex(longest);
  emit combo->activated(longest);
  EXPECT_EQ(combo->currentText(), combo->itemText(longest));
  EXPECT_EQ(combo->lineEdit()->cursorPosition(), 0);
}

TEST(SizingTab, UsesTheApplicationTypedIntoTheList) {
  const std::unique_ptr<TabPage> page = MakePage(SizingTool());
  TabPage& tab = *page;
  Find<QComboBox>(&tab, "Combo1")->setEditText(QStringLiteral("中药浓缩"));
  Find<QPushButton>(&tab, "Command5")->click();
  EXPECT_TRUE(Find<QPlainTextEdit>(&tab, "Text4")
                  ->toPlainText()
                  .contains(QStringLiteral("MVR蒸发器型号：KOV3.75-CON-FF")));
}

}  // namespace
}  // namespace vapentis
