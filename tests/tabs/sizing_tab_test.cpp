#include "tabs/sizing_tab.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::Find;

TEST(SizingTab, ListsTheSevenApplicationsWithTheFirstShown) {
  SizingTab tab;
  EXPECT_TRUE(Find<QPlainTextEdit>(&tab, "Text4")->toPlainText().isEmpty());
  auto* combo = Find<QComboBox>(&tab, "Combo1");
  const QStringList kItems = {"蒸发结晶", "废水零排放", "垃圾渗滤液", "化工行业",
                              "危废行业", "中药浓缩",   "食品行业"};
  ASSERT_EQ(combo->count(), kItems.size());
  for (int i = 0; i < combo->count(); ++i) EXPECT_EQ(combo->itemText(i), kItems[i]);
  EXPECT_EQ(combo->currentText(), QStringLiteral("蒸发结晶"));
  EXPECT_TRUE(combo->isEditable());
}

// A name longer than the box is shown whole in the open list, and from its
// start in the box once picked.
TEST(SizingTab, ApplicationListShowsEveryNameWhole) {
  SizingTab tab;
  tab.show();
  auto* combo = Find<QComboBox>(&tab, "Combo1");
  combo->showPopup();
  const QFontMetrics metrics(combo->font());
  for (int i = 0; i < combo->count(); ++i) {
    EXPECT_GT(combo->view()->minimumWidth(), metrics.horizontalAdvance(combo->itemText(i)))
        << combo->itemText(i).toStdString();
  }
  combo->hidePopup();
  const int zero_discharge = combo->findText(QStringLiteral("废水零排放"));
  combo->setCurrentIndex(zero_discharge);
  emit combo->activated(zero_discharge);
  EXPECT_EQ(combo->currentText(), QStringLiteral("废水零排放"));
  EXPECT_EQ(combo->lineEdit()->cursorPosition(), 0);
}

TEST(SizingTab, UsesTheApplicationTypedIntoTheList) {
  SizingTab tab;
  Find<QComboBox>(&tab, "Combo1")->setEditText(QStringLiteral("中药浓缩"));
  Find<QPushButton>(&tab, "Command5")->click();
  EXPECT_TRUE(Find<QPlainTextEdit>(&tab, "Text4")
                  ->toPlainText()
                  .contains(QStringLiteral("MVR蒸发器型号：KOV3.75-CON-FF")));
}

}  // namespace
}  // namespace vapentis
