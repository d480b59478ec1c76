#include "core/process/exchanger_layout.h"

#include <gtest/gtest.h>

#include "core/numeric/numeric.h"
#include "failure_expectation.h"

namespace vapentis {
namespace {

using Kind = CalcFailure::Kind;

TEST(ExchangerLayout, StartUpInputsGiveTheTwoLines) {
  const ExchangerResult r =
      ExchangerLayout({.area = "90", .tube_diameter = "38", .tube_length = "6"});
  EXPECT_EQ(JoinLines(r.lines),
            "换热管数量=127条\r\n"
            "换热器筒体直径=700mm");
}

struct Case {
  const char* name;
  const char* area;
  const char* tube_diameter;
  const char* tube_length;
  double tube_count;
  double shell_diameter_mm;
};

TEST(ExchangerLayout, GivesEachWorkedResult) {
  const Case kCases[] = {
      {"start-up inputs", "90", "38", "6", 127, 700},
      {"area 10", "10", "38", "6", 15, 300},
      {"area 1", "1", "38", "6", 2, 200},
      {"no area", "0", "38", "6", 1, 200},
      {"short thin tubes", "50", "25", "3", 213, 600},
      {"long thin tubes", "200", "25", "6", 426, 800},
      // Exact halves after adding 1: 20.5, 51.5 and 12.5 hundreds go to the even one.
      {"half rounds down to even", "4.71", "500", "1", 4, 2000},
      {"half rounds up to even", "0", "2000", "1", 1, 5200},
      {"half a tube rounds to none", "-1.57", "1000", "1", 0, 1200},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const ExchangerResult r = ExchangerLayout(
        {.area = c.area, .tube_diameter = c.tube_diameter, .tube_length = c.tube_length});
    EXPECT_EQ(r.tube_count, c.tube_count);
    EXPECT_EQ(r.shell_diameter_mm, c.shell_diameter_mm);
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0], "换热管数量=" + NumberText(c.tube_count) + "条");
    EXPECT_EQ(r.lines[1], "换热器筒体直径=" + NumberText(c.shell_diameter_mm) + "mm");
  }
}

struct FailureCase {
  const char* name;
  const char* area;
  const char* tube_diameter;
  const char* tube_length;
  Kind kind;
  const char* input;  // the input blamed: its text is no number, or its value failed a step; or ""
};

TEST(ExchangerLayout, ReportsTheFirstFailureInTheOrderOfTheFormula) {
  const FailureCase kFailures[] = {
      {"zero tube diameter", "90", "0", "6", Kind::DivisionByZero, "tube_diameter"},
      {"zero tube length", "90", "38", "0", Kind::DivisionByZero, "tube_length"},
      {"zero area and tube length", "0", "38", "0", Kind::Overflow, "tube_length"},
      {"zero area and tube diameter", "0", "0", "6", Kind::Overflow, "tube_diameter"},
      {"zero diameter before empty length", "90", "0", "", Kind::DivisionByZero, "tube_diameter"},
      // -138.7 tubes round to -139, which has no square root.
      {"negative area", "-100", "38", "6", Kind::InvalidArgument, "area"},
      {"negative length", "90", "38", "-6", Kind::InvalidArgument, "tube_length"},
      {"tube count beyond range", "1e308", "38", "6", Kind::Overflow, ""},
      {"empty area", "", "38", "6", Kind::NotANumber, "area"},
      {"bad area before bad diameter", "a", "d", "6", Kind::NotANumber, "area"},
      {"letters as diameter", "90", "abc", "6", Kind::NotANumber, "tube_diameter"},
      {"blank length", "90", "38", "  ", Kind::NotANumber, "tube_length"},
  };
  for (const FailureCase& c : kFailures) {
    testing::ExpectFailure(
        c.name,
        [&] {
          ExchangerLayout(
              {.area = c.area, .tube_diameter = c.tube_diameter, .tube_length = c.tube_length});
        },
        c.kind, c.input);
  }
}

TEST(ExchangerLayout, ReadsTheLocaleSeparator) {
  const ExchangerResult r = ExchangerLayout(
      {.area = "4,71", .tube_diameter = "500", .tube_length = "1", .decimal_separator = ','});
  EXPECT_EQ(r.tube_count, 4);
  EXPECT_EQ(r.shell_diameter_mm, 2000);
}

}  // namespace
}  // namespace vapentis
