#include "core/process/steam_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/numeric/numeric.h"
#include "failure_expectation.h"

namespace vapentis {
namespace {

using Kind = CalcFailure::Kind;

SteamResult Compute(SteamMode mode, const char* pressure, const char* temperature,
                    char separator = '.') {
  return SteamPropertiesResult({.mode = mode,
                                .pressure = pressure,
                                .temperature = temperature,
                                .decimal_separator = separator});
}

TEST(SteamPropertiesResult, WritesThePressureModeText) {
  const SteamResult r = Compute(SteamMode::Pressure, "0.1013", "");
  EXPECT_EQ(JoinLines(r.lines),
            "饱和蒸汽温度=100℃\r\n"
            "饱和蒸汽密度=0.6044kg/m3\r\n"
            "饱和蒸汽潜热=2259kJ/kg\r\n"
            "按IAPWS-IF97：温度=100℃，密度=0.5975kg/m3，潜热=2257kJ/kg");
}

TEST(SteamPropertiesResult, WritesTheTemperatureModeTextWithItsUnitMpa) {
  const SteamResult r = Compute(SteamMode::Temperature, "", "130");
  EXPECT_EQ(JoinLines(r.lines),
            "饱和蒸汽压力=0.27Mpa\r\n"
            "饱和蒸汽密度=1.4872kg/m3\r\n"
            "饱和蒸汽潜热=2187kJ/kg\r\n"
            "按IAPWS-IF97：压力=0.2703MPa，密度=1.4968kg/m3，潜热=2174kJ/kg");
}

// The standard's figures under the correlation's, the typed value deciding
// whether there are any; the figures checked against python3-iapws.
struct ReferenceCase {
  const char* name;
  SteamMode mode;
  const char* typed;
  const char* line;
};

TEST(SteamPropertiesResult, AddsTheStandardsLineWhereTheTypedValueAllows) {
  constexpr const char* kNone = "按IAPWS-IF97：超出0.01~350℃，无参考值";
  const ReferenceCase kCases[] = {
      {"atmospheric pressure", SteamMode::Pressure, "0.1013",
       "按IAPWS-IF97：温度=100℃，密度=0.5975kg/m3，潜热=2257kJ/kg"},
      {"compressor discharge", SteamMode::Temperature, "120",
       "按IAPWS-IF97：压力=0.1987MPa，密度=1.122kg/m3，潜热=2202kJ/kg"},
      {"third band", SteamMode::Pressure, "0.5",
       "按IAPWS-IF97：温度=151.8℃，密度=2.6681kg/m3，潜热=2108kJ/kg"},
      {"triple point pressure", SteamMode::Pressure, "0.000611657",
       "按IAPWS-IF97：温度=0℃，密度=0.0049kg/m3，潜热=2501kJ/kg"},
      {"highest pressure", SteamMode::Pressure, "16.5291",
       "按IAPWS-IF97：温度=350℃，密度=113.6236kg/m3，潜热=893kJ/kg"},
      {"just above the highest pressure", SteamMode::Pressure, "16.53", kNone},
      {"just below the triple point", SteamMode::Pressure, "0.000611656", kNone},
      {"lowest temperature", SteamMode::Temperature, "0.01", nullptr},
      {"highest temperature", SteamMode::Temperature, "350", nullptr},
      {"just above the highest temperature", SteamMode::Temperature, "350.0001", kNone},
      {"freezing", SteamMode::Temperature, "0", kNone},
      {"near the correlation's pole", SteamMode::Temperature, "-227.52", kNone},
  };
  for (const ReferenceCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const bool pressure_mode = c.mode == SteamMode::Pressure;
    const SteamResult r =
        pressure_mode ? Compute(c.mode, c.typed, "not read") : Compute(c.mode, "not read", c.typed);
    ASSERT_EQ(r.lines.size(), 4u);
    EXPECT_EQ(r.reference.has_value(), r.lines[3] != kNone);
    if (c.line != nullptr) {
      EXPECT_EQ(r.lines[3], c.line);
    } else {
      EXPECT_TRUE(r.reference.has_value()) << "the range's ends are in it";
    }
  }
  EXPECT_EQ(Compute(SteamMode::Pressure, "0,1013", "", ',').lines[3],
            "按IAPWS-IF97：温度=100℃，密度=0,5975kg/m3，潜热=2257kJ/kg");
}

struct Case {
  const char* name;
  SteamMode mode;
  const char* input;
  const char* first_value;  // temperature in pressure mode, pressure in temperature mode
  const char* density;
  const char* latent_heat;
  double first_figure;
};

const Case kCases[] = {
    {"atmospheric pressure", SteamMode::Pressure, "0.1013", "100", "0.6044", "2259", 100},
    {"first band just below 125", SteamMode::Pressure, "0.2319", "125", "1.3647", "2199", 125},
    {"second band just above 125", SteamMode::Pressure, "0.2320", "125", "1.2798", "2199", 125},
    {"third band", SteamMode::Pressure, "0.5", "151.8", "2.671", "2134", 151.8},
    {"boiling point", SteamMode::Temperature, "100", "0.1013", "0.6044", "2259", 0.1013},
    {"first band at its limit", SteamMode::Temperature, "125", "0.232", "1.365", "2199", 0.232},
    {"second band, zeros dropped", SteamMode::Temperature, "130", "0.27", "1.4872", "2187", 0.27},
    {"second band at its limit", SteamMode::Temperature, "140", "0.3612", "1.9855", "2162", 0.3612},
    {"third band", SteamMode::Temperature, "150", "0.476", "2.5431", "2138", 0.476},
    // The Antoine term underflows to zero here, which is no failure.
    {"just above the pole", SteamMode::Temperature, "-227.52", "0", "0.0146", "3051", 0},
};

TEST(SteamPropertiesResult, GivesEachWorkedResult) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const bool pressure_mode = c.mode == SteamMode::Pressure;
    const SteamResult r =
        pressure_mode ? Compute(c.mode, c.input, "not read") : Compute(c.mode, "not read", c.input);
    ASSERT_EQ(r.lines.size(), 4u) << "and the IF97 line";
    if (pressure_mode) {
      EXPECT_EQ(r.lines[0], std::string("饱和蒸汽温度=") + c.first_value + "℃");
      EXPECT_EQ(r.temperature_c, c.first_figure);
      EXPECT_EQ(r.pressure_mpa, ParseNumber(c.input));
    } else {
      EXPECT_EQ(r.lines[0], std::string("饱和蒸汽压力=") + c.first_value + "Mpa");
      EXPECT_EQ(r.pressure_mpa, c.first_figure);
      EXPECT_EQ(r.temperature_c, ParseNumber(c.input));
    }
    EXPECT_EQ(r.lines[1], std::string("饱和蒸汽密度=") + c.density + "kg/m3");
    EXPECT_EQ(r.lines[2], std::string("饱和蒸汽潜热=") + c.latent_heat + "kJ/kg");
    EXPECT_EQ(r.density_kg_per_m3, ParseNumber(c.density));
    EXPECT_EQ(r.latent_heat_kj_per_kg, ParseNumber(c.latent_heat));
  }
}

TEST(SaturationTemperature, ChoosesTheBandByTheUnroundedTemperature) {
  EXPECT_NEAR(SaturationTemperature(0.1013), 99.99935, 5e-6);
  EXPECT_NEAR(SaturationTemperature(0.2319), 124.991, 5e-4);
  EXPECT_NEAR(SaturationTemperature(0.2320), 125.005, 5e-4);
}

TEST(SaturationTemperature, InvertsSaturationPressure) {
  for (const double t : {20.0, 100.0, 125.0, 151.8}) {
    EXPECT_NEAR(SaturationTemperature(SaturationPressure(t)), t, 1e-9) << t;
  }
}

struct BandEdge {
  double t_c;
  double density;  // rounded to 4 places
};

TEST(SteamDensity, JumpsAtTheBandLimits) {
  const BandEdge kEdges[] = {
      {125, 1.365},
      {std::nextafter(125.0, 200.0), 1.2796},
      {140, 1.9855},
      {std::nextafter(140.0, 200.0), 1.9329},
  };
  for (const BandEdge& e : kEdges) {
    EXPECT_EQ(RoundHalfEven(SteamDensity(e.t_c), 4), e.density) << e.t_c;
  }
}

TEST(AntoineTerm, PoleAtMinus227_53IsAnExactDivisionByZero) {
  // The premise: in doubles the denominator is exactly zero, not a tiny rest.
  const volatile double t = -227.53;
  EXPECT_EQ((t + 273) - 45.47, 0.0);
  try {
    AntoineTerm(t);
    ADD_FAILURE() << "did not fail";
  } catch (const CalcFailure& failure) {
    EXPECT_EQ(failure.kind(), Kind::DivisionByZero);
  }
}

struct FailureCase {
  const char* name;
  SteamMode mode;
  const char* pressure;
  const char* temperature;
  Kind kind;
  const char* input;  // the input blamed: its text is no number, or its value failed a step; or ""
};

TEST(SteamPropertiesResult, ReportsEachFailureByKind) {
  const FailureCase kFailures[] = {
      {"zero pressure", SteamMode::Pressure, "0", "100", Kind::InvalidArgument, "pressure"},
      {"negative zero pressure", SteamMode::Pressure, "-0", "100", Kind::InvalidArgument,
       "pressure"},
      {"negative pressure", SteamMode::Pressure, "-0.1", "100", Kind::InvalidArgument, "pressure"},
      {"empty pressure", SteamMode::Pressure, "", "100", Kind::NotANumber, "pressure"},
      {"letters as pressure", SteamMode::Pressure, "abc", "100", Kind::NotANumber, "pressure"},
      {"pressure beyond range", SteamMode::Pressure, "1e400", "100", Kind::Overflow, "pressure"},
      {"pole of the Antoine term", SteamMode::Temperature, "0.1", "-227.53", Kind::DivisionByZero,
       "temperature"},
      {"just below the pole", SteamMode::Temperature, "0.1", "-227.54", Kind::Overflow, ""},
      {"empty temperature", SteamMode::Temperature, "0.1", "", Kind::NotANumber, "temperature"},
      {"blank temperature", SteamMode::Temperature, "0.1", "   ", Kind::NotANumber, "temperature"},
      {"latent heat beyond range", SteamMode::Temperature, "0.1", "1e308", Kind::Overflow, ""},
  };
  for (const FailureCase& c : kFailures) {
    testing::ExpectFailure(
        c.name,
        [&] {
          SteamPropertiesResult(
              {.mode = c.mode, .pressure = c.pressure, .temperature = c.temperature});
        },
        c.kind, c.input);
  }
}

TEST(SteamPropertiesResult, NeverReadsTheOtherModesInput) {
  EXPECT_EQ(Compute(SteamMode::Pressure, "0.1013", "").lines[0], "饱和蒸汽温度=100℃");
  EXPECT_EQ(Compute(SteamMode::Temperature, "-1", "100").lines[0], "饱和蒸汽压力=0.1013Mpa");
}

TEST(SteamPropertiesResult, ReadsAndWritesTheLocaleSeparator) {
  const SteamResult r = Compute(SteamMode::Pressure, "0,5", "", ',');
  EXPECT_EQ(r.lines[0], "饱和蒸汽温度=151,8℃");
  EXPECT_EQ(r.lines[1], "饱和蒸汽密度=2,671kg/m3");
}

}  // namespace
}  // namespace vapentis
