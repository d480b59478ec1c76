#include "gui/tabs/tool_pages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

#include "core/process/exchanger_tool.h"
#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::Find;
using testing::ModalCatcher;

const QString kDefaultResult = testing::CoreResult(ExchangerTool());

TEST(ExchangerTab, ArrangementListHoldsExactlyTheOneArrangement) {
  const std::unique_ptr<TabPage> page = MakePage(ExchangerTool());
  TabPage& tab = *page;
  auto* list = Find<QComboBox>(&tab, "Combo3");
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->itemText(0),
            testing::Utf8(FindInput(ExchangerTool(), kArrangementInput)->list.front()));
  EXPECT_EQ(list->currentIndex(), 0);
  EXPECT_TRUE(list->isEditable());
  EXPECT_EQ(list->insertPolicy(), QComboBox::NoInsert);
}

TEST(ExchangerTab, PitchAndArrangementAreShownButNotRead) {
  const std::unique_ptr<TabPage> page = MakePage(ExchangerTool());
  TabPage& tab = *page;
  Find<QLineEdit>(&tab, "Text22")->setText(QStringLiteral("abc"));
  Find<QComboBox>(&tab, "Combo3")->setEditText(QStringLiteral("正方形"));
  ModalCatcher catcher;
  Find<QPushButton>(&tab, "Command11")->click();
  EXPECT_TRUE(catcher.texts().isEmpty());
  EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text21")->toPlainText(), kDefaultResult);
}

}  // namespace
}  // namespace vapentis
