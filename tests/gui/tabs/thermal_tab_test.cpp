// What the heat check's tab does beside every tab's rules: it takes the sizing's
// evaporation, and "排管计算" hands its heater area on to the exchanger tab.
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "core/description/presenter.h"
#include "core/process/exchanger_tool.h"
#include "gui/shell/main_window.h"
#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::Find;
using testing::ModalCatcher;

class ThermalTabTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>();
    window_->show();
    tabs_ = Find<QTabWidget>(window_.get(), "SSTab2");
  }

  QLineEdit* box(const char* name) { return Find<QLineEdit>(window_.get(), name); }
  QString result(const char* name) {
    return Find<QPlainTextEdit>(window_.get(), name)->toPlainText();
  }
  void click(const char* name) { Find<QPushButton>(window_.get(), name)->click(); }
  QWidget* pageOf(const char* control) {
    return Find<QWidget>(window_.get(), control)->parentWidget();
  }

  std::unique_ptr<MainWindow> window_;
  QTabWidget* tabs_ = nullptr;
};

// The evaporation as the sizing's first line shows it, and only from a press that succeeded.
TEST_F(ThermalTabTest, ASizingThatSucceedsHandsItsEvaporationOnAndOneThatFailsDoesNot) {
  struct Case {
    const char* name;
    const char* throughput;
    const char* product;
    const char* evaporation;  // the heat check's box afterwards
  };
  const Case kCases[] = {
      {"start-up sizing", "5", "40", "3.75"},
      {"a whole evaporation", "8", "40", "6"},
      {"two decimals kept", "2.17", "41", "1.64"},
      {"a failed sizing leaves the box", "8", "0", "1.64"},
  };
  Find<QAction>(window_.get(), "MVR")->trigger();
  box("ThermalEvaporation")->setText(QStringLiteral("typed"));
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    box("Text1")->setText(QString::fromLatin1(c.throughput));
    box("Text3")->setText(QString::fromLatin1(c.product));
    ModalCatcher catcher;
    click("Command5");
    EXPECT_EQ(box("ThermalEvaporation")->text(), QString::fromLatin1(c.evaporation));
    EXPECT_EQ(tabs_->currentWidget(), pageOf("Text4")) << "the sizing stays in front";
  }
}

TEST_F(ThermalTabTest, LayingOutTheHeaterShowsTheExchangerCalculatedForItsArea) {
  Find<QAction>(window_.get(), "MVR")->trigger();
  tabs_->setCurrentWidget(pageOf("ThermalResult"));
  ModalCatcher catcher;
  click("ThermalToExchanger");
  EXPECT_TRUE(catcher.texts().isEmpty());
  EXPECT_EQ(box("Text23")->text(), QStringLiteral("229.5"));
  EXPECT_EQ(tabs_->currentWidget(), pageOf("Text21"));
  for (int i = 0; i < tabs_->count(); ++i) {
    EXPECT_EQ(tabs_->isTabVisible(i), tabs_->widget(i) == pageOf("Text21")) << i;
  }
  const std::pair<const char*, const char*> kArea[] = {{"area", "229.5"}};
  EXPECT_EQ(result("Text21"), testing::CoreResult(ExchangerTool(), kArea));
  EXPECT_FALSE(result("ThermalResult").isEmpty()) << "it calculated as 确定 does";
}

TEST_F(ThermalTabTest, LayingOutAHeaterThatIsRefusedShowsWhyAndStays) {
  Find<QAction>(window_.get(), "MVR")->trigger();
  QWidget* thermal = pageOf("ThermalResult");
  tabs_->setCurrentWidget(thermal);
  Find<QPlainTextEdit>(window_.get(), "ThermalResult")->setPlainText(QStringLiteral("earlier"));
  box("ThermalEvaporation")->setText(QStringLiteral("0"));
  ModalCatcher catcher;
  click("ThermalToExchanger");
  ASSERT_EQ(catcher.texts().size(), 1);
  EXPECT_EQ(catcher.texts().front(),
            QStringLiteral("输入的数值超出有效范围。\n蒸发量须大于0。\n请检查输入框“蒸发量”。"));
  EXPECT_EQ(tabs_->currentWidget(), thermal);
  EXPECT_EQ(box("Text23")->text(), QStringLiteral("90"));
  EXPECT_EQ(result("ThermalResult"), QStringLiteral("earlier"));
  EXPECT_TRUE(result("Text21").isEmpty());
}

}  // namespace
}  // namespace vapentis
