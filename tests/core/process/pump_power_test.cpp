#include "core/process/pump_power.h"

#include <gtest/gtest.h>

#include <string>

#include "core/numeric/numeric.h"
#include "failure_expectation.h"

namespace vapentis {
namespace {

using Kind = CalcFailure::Kind;

TEST(PumpPower, StartUpInputsGiveTheTwoLines) {
  const PumpResult r = PumpPower({.flow = "100",
                                  .head = "30",
                                  .specific_gravity = "1.4",
                                  .efficiency = "0.6",
                                  .safety_factor = "1.25"});
  EXPECT_EQ(JoinLines(r.lines),
            "泵的计算功率=23.8kW\r\n"
            "选择比计算值稍大的额定电机");
  EXPECT_EQ(r.power_kw, 23.8);
}

struct Case {
  const char* name;
  const char* flow;
  const char* head;
  const char* specific_gravity;
  const char* efficiency;
  const char* safety_factor;
  const char* power_shown;
};

TEST(PumpPower, GivesEachWorkedResult) {
  const Case kCases[] = {
      {"start-up inputs", "100", "30", "1.4", "0.6", "1.25", "23.8"},
      {"water at 70 %", "50", "20", "1", "0.7", "1.1", "4.3"},
      {"no flow", "0", "30", "1.4", "0.6", "1.25", "0"},
      {"no flow, negative efficiency", "0", "30", "1.4", "-0.6", "1.25", "0"},
      {"negative efficiency", "100", "30", "1.4", "-0.6", "1.25", "-23.8"},
      {"efficiency typed in percent", "100", "30", "1.4", "60", "1.25", "0.2"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const PumpResult r = PumpPower({.flow = c.flow,
                                    .head = c.head,
                                    .specific_gravity = c.specific_gravity,
                                    .efficiency = c.efficiency,
                                    .safety_factor = c.safety_factor});
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[0], std::string("泵的计算功率=") + c.power_shown + "kW");
    EXPECT_EQ(r.lines[1], "选择比计算值稍大的额定电机");
    EXPECT_EQ(r.power_kw, ParseNumber(c.power_shown));
  }
}

struct FailureCase {
  const char* name;
  const char* flow;
  const char* head;
  const char* specific_gravity;
  const char* efficiency;
  const char* safety_factor;
  Kind kind;
  const char* input;  // the input blamed: its text is no number, or its value failed a step; or ""
};

TEST(PumpPower, ReportsTheFirstFailureInTheOrderOfTheFormula) {
  const FailureCase kFailures[] = {
      {"zero efficiency", "100", "30", "1.4", "0", "1.25", Kind::DivisionByZero, "efficiency"},
      {"zero flow and efficiency", "0", "30", "1.4", "0", "1.25", Kind::Overflow, "efficiency"},
      {"zero efficiency before empty safety factor", "100", "30", "1.4", "0", "",
       Kind::DivisionByZero, "efficiency"},
      {"empty flow", "", "30", "1.4", "0.6", "1.25", Kind::NotANumber, "flow"},
      {"empty head", "100", "", "1.4", "0.6", "1.25", Kind::NotANumber, "head"},
      {"bad flow before bad head", "q", "h", "1.4", "0.6", "1.25", Kind::NotANumber, "flow"},
      {"letters as gravity", "100", "30", "abc", "0.6", "1.25", Kind::NotANumber,
       "specific_gravity"},
      {"blank efficiency", "100", "30", "1.4", " ", "1.25", Kind::NotANumber, "efficiency"},
      {"empty safety factor", "100", "30", "1.4", "0.6", "", Kind::NotANumber, "safety_factor"},
      {"product beyond range before bad gravity", "1e200", "1e200", "x", "0.6", "1.25",
       Kind::Overflow, ""},
      {"power beyond range", "1e300", "1", "1", "1e-300", "1.25", Kind::Overflow, ""},
      {"flow beyond range", "1e400", "30", "1.4", "0.6", "1.25", Kind::Overflow, "flow"},
  };
  for (const FailureCase& c : kFailures) {
    testing::ExpectFailure(
        c.name,
        [&] {
          PumpPower({.flow = c.flow,
                     .head = c.head,
                     .specific_gravity = c.specific_gravity,
                     .efficiency = c.efficiency,
                     .safety_factor = c.safety_factor});
        },
        c.kind, c.input);
  }
}

TEST(PumpPower, ReadsAndWritesTheLocaleSeparator) {
  const PumpResult r = PumpPower({.flow = "100",
                                  .head = "30",
                                  .specific_gravity = "1,4",
                                  .efficiency = "0,6",
                                  .safety_factor = "1,25",
                                  .decimal_separator = ','});
  EXPECT_EQ(r.lines[0], "泵的计算功率=23,8kW");
}

}  // namespace
}  // namespace vapentis
