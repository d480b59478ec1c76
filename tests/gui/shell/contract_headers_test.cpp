// The three headers code outside the project includes by their old paths, which
// must keep resolving to what they always named.
#include "numeric/numeric.h"
#include "shell/main_window.h"
#include "shell/start_up.h"

#include <QTabWidget>

#include <gtest/gtest.h>

#include <type_traits>

namespace {

TEST(ContractHeaders, StillNameTheNumericRulesTheWindowAndItsStartUp) {
  EXPECT_EQ(vapentis::ParseNumber("1.5E3"), 1500);
  EXPECT_EQ(vapentis::RoundHalfEven(2.5, 0), 2);
  EXPECT_EQ(vapentis::NumberText(12.5), "12.5");
  static_assert(std::is_default_constructible_v<vapentis::MainWindow>);
  // The test program has prepared the application already; it is prepared once.
  static_assert(std::is_same_v<decltype(&vapentis::PrepareApplication), void (*)()>);
  const vapentis::MainWindow window;
  EXPECT_NE(window.findChild<QTabWidget*>(QStringLiteral("SSTab2")), nullptr);
}

}  // namespace
