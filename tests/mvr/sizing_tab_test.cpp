#include "mvr/sizing_tab.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::ExpectFailureKeepsTheResult;
using testing::Find;

const QString kStartUpResult = QStringLiteral(
    "蒸发量=3.75吨/小时\n"
    "推荐蒸发器形式：强制循环\n"
    "MVR蒸发器型号：KOV3.75-CRY-FC\n"
    "MVR蒸发器每小时耗电量（估算）：179.1kWh\n"
    "MVR蒸发器处理每吨水电耗（估算）：35.8kWh\n"
    "MVR蒸发器占地空间（长x宽x高）：7米x6米x（7~8）米\n"
    "MVR蒸发器运行方式：全自动，蒸发系统只需操作人员1名\n"
    "详细情况需要针对性设计");

TEST(SizingTab, StartsWithTheInitialTextsAndApplications) {
  SizingTab tab;
  EXPECT_EQ(Find<QLineEdit>(&tab, "Text1")->text(), QStringLiteral("5"));
  EXPECT_EQ(Find<QLineEdit>(&tab, "Text2")->text(), QStringLiteral("10"));
  EXPECT_EQ(Find<QLineEdit>(&tab, "Text3")->text(), QStringLiteral("40"));
  EXPECT_TRUE(Find<QPlainTextEdit>(&tab, "Text4")->toPlainText().isEmpty());
  auto* combo = Find<QComboBox>(&tab, "Combo1");
  const QStringList kItems = {"蒸发结晶", "废水零排放", "垃圾渗滤液", "化工行业",
                              "危废行业", "中药浓缩",   "食品行业"};
  ASSERT_EQ(combo->count(), kItems.size());
  for (int i = 0; i < combo->count(); ++i) EXPECT_EQ(combo->itemText(i), kItems[i]);
  EXPECT_EQ(combo->currentText(), QStringLiteral("蒸发结晶"));
  EXPECT_TRUE(combo->isEditable());
  const std::pair<const char*, const char*> kCaptions[] = {
      {"Label7", "选择用途"}, {"Label1", "处理量"}, {"Label4", "（吨/小时）"},
      {"Label2", "原液浓度"}, {"Label5", "（%）"},  {"Label3", "最终出料浓度"},
      {"Label6", "（%）"},
  };
  for (const auto& [name, caption] : kCaptions) {
    EXPECT_EQ(Find<QLabel>(&tab, name)->text(), QString::fromUtf8(caption)) << name;
  }
  EXPECT_EQ(Find<QPushButton>(&tab, "Command5")->text(), QStringLiteral("确定"));
  EXPECT_EQ(Find<QPushButton>(&tab, "Command1")->text(), QStringLiteral("退出"));
  EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text4")->geometry(), QRect(8, 160, 449, 169));
  EXPECT_EQ(Find<QPushButton>(&tab, "Command5")->geometry(), QRect(368, 56, 87, 33));
}

TEST(SizingTab, CalculateWritesTheEightLines) {
  SizingTab tab;
  Find<QPushButton>(&tab, "Command5")->click();
  EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text4")->toPlainText(), kStartUpResult);
}

TEST(SizingTab, UsesTheApplicationTypedIntoTheList) {
  SizingTab tab;
  Find<QComboBox>(&tab, "Combo1")->setEditText(QStringLiteral("中药浓缩"));
  Find<QPushButton>(&tab, "Command5")->click();
  EXPECT_TRUE(Find<QPlainTextEdit>(&tab, "Text4")
                  ->toPlainText()
                  .contains(QStringLiteral("MVR蒸发器型号：KOV3.75-CON-FF")));
}

TEST(SizingTab, EnterInAnInputBoxCalculates) {
  SizingTab tab;
  tab.show();
  QTest::keyClick(Find<QLineEdit>(&tab, "Text2"), Qt::Key_Return);
  EXPECT_EQ(Find<QPlainTextEdit>(&tab, "Text4")->toPlainText(), kStartUpResult);
}

struct BadInput {
  const char* box;
  const char* text;
  const char* word;       // names the kind in the message
  const char* focus_box;  // box that gets the cursor, or nullptr
  const char* label;      // the box's label named in the message, or nullptr
};

TEST(SizingTab, FailureShowsTheKindAndKeepsTheOldResult) {
  const BadInput kCases[] = {
      {"Text1", "", "不是数字", "Text1", "处理量"},
      {"Text2", "abc", "不是数字", "Text2", "原液浓度"},
      {"Text3", "  ", "不是数字", "Text3", "最终出料浓度"},
      {"Text3", "0", "除数为零", nullptr, nullptr},
      {"Text1", "0", "溢出", nullptr, nullptr},
      {"Text1", "1E400", "溢出", "Text1", "处理量"},
  };
  for (const BadInput& c : kCases) {
    SCOPED_TRACE(std::string(c.box) + "=" + c.text);
    SizingTab tab;
    tab.show();
    tab.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tab));
    Find<QLineEdit>(&tab, c.box)->setText(QString::fromUtf8(c.text));
    ExpectFailureKeepsTheResult(&tab, "Command5", "Text4", {c.word, c.focus_box, c.label});
  }
}

}  // namespace
}  // namespace vapentis
