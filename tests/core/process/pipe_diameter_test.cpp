#include "core/process/pipe_diameter.h"

#include <gtest/gtest.h>

#include <string>

#include "core/numeric/numeric.h"
#include "failure_expectation.h"

namespace vapentis {
namespace {

using Kind = CalcFailure::Kind;

TEST(PipeDiameterResult, WritesTheSteamText) {
  const PipeResult r = PipeDiameterResult({.state = FluidState::Steam,
                                           .temperature = "100",
                                           .flow = "5000",
                                           .velocity = "22",
                                           .density = "1000"});
  EXPECT_EQ(JoinLines(r.lines),
            "饱和蒸汽密度=0.6044kg/m3\r\n"
            "圆形管道直径=365mm，按标准管径选择\r\n"
            "按IAPWS-IF97：饱和蒸汽密度=0.5981kg/m3，圆形管道直径=367mm");
}

// The standard's density beside the tool's own, and the diameter the tool's
// formula gives with it; the figures checked against python3-iapws.
struct ReferenceCase {
  const char* name;
  const char* temperature;
  const char* line;  // the last line
  double density;    // the reference's figures; 0: no reference
  double diameter;
};

TEST(PipeDiameterResult, SetsTheStandardsDensityBesideItsOwnForSteam) {
  const ReferenceCase kCases[] = {
      {"boiling point", "100", "按IAPWS-IF97：饱和蒸汽密度=0.5981kg/m3，圆形管道直径=367mm", 0.5981,
       367},
      {"where the tool's band runs high", "150",
       "按IAPWS-IF97：饱和蒸汽密度=2.5478kg/m3，圆形管道直径=178mm", 2.5478, 178},
      {"triple point, the range's lower end", "0.01",
       "按IAPWS-IF97：饱和蒸汽密度=0.0049kg/m3，圆形管道直径=4050mm", 0.0049, 4050},
      {"350 ℃, the range's upper end", "350",
       "按IAPWS-IF97：饱和蒸汽密度=113.6243kg/m3，圆形管道直径=27mm", 113.6243, 27},
      {"just above the range", "350.01", "按IAPWS-IF97：超出0.01~350℃，无参考值", 0, 0},
      {"below the triple point", "0", "按IAPWS-IF97：超出0.01~350℃，无参考值", 0, 0},
  };
  for (const ReferenceCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const PipeResult r = PipeDiameterResult({.state = FluidState::Steam,
                                             .temperature = c.temperature,
                                             .flow = "5000",
                                             .velocity = "22",
                                             .density = ""});
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[2], c.line);
    EXPECT_EQ(r.reference.has_value(), c.density != 0);
    if (r.reference) {
      EXPECT_EQ(r.reference->density_kg_per_m3, c.density);
      EXPECT_EQ(r.reference->diameter_mm, c.diameter);
    }
  }
  const PipeResult liquid = PipeDiameterResult({.state = FluidState::Liquid,
                                                .temperature = "100",
                                                .flow = "5000",
                                                .velocity = "1.5",
                                                .density = "1000"});
  EXPECT_FALSE(liquid.reference.has_value());
  EXPECT_EQ(PipeDiameterResult({.state = FluidState::Steam,
                                .temperature = "100",
                                .flow = "5000",
                                .velocity = "22",
                                .density = "",
                                .decimal_separator = ','})
                .lines[2],
            "按IAPWS-IF97：饱和蒸汽密度=0,5981kg/m3，圆形管道直径=367mm");
}

TEST(PipeDiameterResult, WritesTheLiquidTextAsOneLine) {
  const PipeResult r = PipeDiameterResult({.state = FluidState::Liquid,
                                           .temperature = "100",
                                           .flow = "5000",
                                           .velocity = "1.5",
                                           .density = "1000"});
  EXPECT_EQ(JoinLines(r.lines), "圆形管道直径=34mm，按标准管径选择");
}

struct Case {
  const char* name;
  FluidState state;
  const char* temperature;
  const char* flow;
  const char* velocity;
  const char* density;
  const char* density_shown;  // nullptr: no density line
  const char* diameter_shown;
};

const Case kCases[] = {
    {"steam at 100", FluidState::Steam, "100", "5000", "22", "not read", "0.6044", "365"},
    {"steam at 150, first band only", FluidState::Steam, "150", "5000", "22", "", "2.7855", "170"},
    {"liquid at liquid velocity", FluidState::Liquid, "not read", "5000", "1.5", "1000", nullptr,
     "34"},
    {"liquid at steam velocity", FluidState::Liquid, "", "5000", "22", "1000", nullptr, "9"},
    // 455.495 from the shown density 0.6044; the unrounded one would give 455.500.
    {"diameter from the rounded density", FluidState::Steam, "100", "7800", "22", "", "0.6044",
     "455"},
    {"steam without flow", FluidState::Steam, "100", "0", "22", "", "0.6044", "0"},
    {"liquid without flow", FluidState::Liquid, "", "0", "1.5", "1000", nullptr, "0"},
    {"negative flow and velocity", FluidState::Liquid, "", "-5000", "-1.5", "1000", nullptr, "34"},
};

TEST(PipeDiameterResult, GivesEachWorkedResult) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const PipeResult r = PipeDiameterResult({.state = c.state,
                                             .temperature = c.temperature,
                                             .flow = c.flow,
                                             .velocity = c.velocity,
                                             .density = c.density});
    const std::string diameter_line =
        std::string("圆形管道直径=") + c.diameter_shown + "mm，按标准管径选择";
    EXPECT_EQ(r.diameter_mm, ParseNumber(c.diameter_shown));
    if (c.density_shown != nullptr) {
      ASSERT_EQ(r.lines.size(), 3u) << "and the IF97 line";
      EXPECT_EQ(r.lines[0], std::string("饱和蒸汽密度=") + c.density_shown + "kg/m3");
      EXPECT_EQ(r.lines[1], diameter_line);
      ASSERT_TRUE(r.density_kg_per_m3.has_value());
      EXPECT_EQ(*r.density_kg_per_m3, ParseNumber(c.density_shown));
    } else {
      ASSERT_EQ(r.lines.size(), 1u);
      EXPECT_EQ(r.lines[0], diameter_line);
      EXPECT_FALSE(r.density_kg_per_m3.has_value());
    }
  }
}

TEST(PipeDiameter, KeepsTheUnroundedFigures) {
  EXPECT_NEAR(PipeDiameter(5000, 0.6044, 22), 364.69, 5e-3);
  EXPECT_NEAR(PipeDiameter(5000, 1000, 1.5), 34.336, 5e-4);
  EXPECT_NEAR(PipeSteamDensity(150), 2.78548, 5e-6);
}

struct FailureCase {
  const char* name;
  FluidState state;
  const char* temperature;
  const char* flow;
  const char* velocity;
  const char* density;
  Kind kind;
  const char* input;  // the input blamed: its text is no number, or its value failed a step; or ""
};

TEST(PipeDiameterResult, ReportsEachFailureByKind) {
  const FailureCase kFailures[] = {
      {"zero liquid density", FluidState::Liquid, "", "5000", "1.5", "0", Kind::DivisionByZero,
       "density"},
      {"zero liquid velocity", FluidState::Liquid, "", "5000", "0", "1000", Kind::DivisionByZero,
       "velocity"},
      {"zero steam velocity", FluidState::Steam, "100", "5000", "0", "", Kind::DivisionByZero,
       "velocity"},
      {"zero density, negative velocity", FluidState::Liquid, "", "5000", "-1.5", "0",
       Kind::DivisionByZero, "density"},
      {"zero flow and zero velocity", FluidState::Liquid, "", "0", "0", "1000", Kind::Overflow,
       "velocity"},
      {"steam at the Antoine pole", FluidState::Steam, "-227.53", "5000", "22", "",
       Kind::DivisionByZero, "temperature"},
      {"pole before a bad flow", FluidState::Steam, "-227.53", "", "22", "", Kind::DivisionByZero,
       "temperature"},
      {"negative density", FluidState::Liquid, "", "5000", "1.5", "-1000", Kind::InvalidArgument,
       "density"},
      {"negative velocity", FluidState::Steam, "100", "5000", "-22", "", Kind::InvalidArgument,
       "velocity"},
      {"three negatives", FluidState::Liquid, "", "-5000", "-1.5", "-1000", Kind::InvalidArgument,
       ""},
      {"quotient beyond range", FluidState::Liquid, "", "1e300", "1", "1e-300", Kind::Overflow, ""},
      {"empty temperature", FluidState::Steam, "", "5000", "22", "1000", Kind::NotANumber,
       "temperature"},
      {"empty steam flow", FluidState::Steam, "100", "", "22", "1000", Kind::NotANumber, "flow"},
      {"bad flow before bad velocity", FluidState::Steam, "100", "x", "y", "", Kind::NotANumber,
       "flow"},
      {"empty liquid density", FluidState::Liquid, "100", "5000", "1.5", "", Kind::NotANumber,
       "density"},
      {"bad density before bad velocity", FluidState::Liquid, "", "5000", "v", "d",
       Kind::NotANumber, "density"},
      {"bad flow before bad density", FluidState::Liquid, "", "m", "1.5", "d", Kind::NotANumber,
       "flow"},
      {"empty liquid velocity", FluidState::Liquid, "", "5000", "", "1000", Kind::NotANumber,
       "velocity"},
  };
  for (const FailureCase& c : kFailures) {
    testing::ExpectFailure(
        c.name,
        [&] {
          PipeDiameterResult({.state = c.state,
                              .temperature = c.temperature,
                              .flow = c.flow,
                              .velocity = c.velocity,
                              .density = c.density});
        },
        c.kind, c.input);
  }
}

TEST(PipeDiameterResult, AsksForAStateWithoutReadingAnyBox) {
  const PipeResult r = PipeDiameterResult({.state = FluidState::None,
                                           .temperature = "",
                                           .flow = "x",
                                           .velocity = "0",
                                           .density = "-1"});
  EXPECT_EQ(JoinLines(r.lines), "请选择流体形态");
  EXPECT_FALSE(r.density_kg_per_m3.has_value());
  EXPECT_EQ(r.diameter_mm, 0);
}

TEST(PipeDiameterResult, ReadsAndWritesTheLocaleSeparator) {
  const PipeResult r = PipeDiameterResult({.state = FluidState::Steam,
                                           .temperature = "150",
                                           .flow = "5000",
                                           .velocity = "22,0",
                                           .density = "",
                                           .decimal_separator = ','});
  EXPECT_EQ(r.lines[0], "饱和蒸汽密度=2,7855kg/m3");
}

}  // namespace
}  // namespace vapentis
