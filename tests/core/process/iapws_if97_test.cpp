#include "core/process/iapws_if97.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "core/numeric/numeric.h"

namespace vapentis::if97 {
namespace {

// The release's verification tables print nine figures; ours must agree to these.
constexpr double kVerificationTolerance = 1e-8;

void ExpectRelativelyNear(double actual, double printed, double tolerance) {
  EXPECT_NEAR(actual, printed, tolerance * std::abs(printed));
}

struct StateRow {
  const char* name;
  double p_mpa;
  double t_k;
  double State::*figure;
  double printed;
};

// Table 5 of IAPWS R7-97(2012), region 1, every column.
TEST(If97Region1, AgreesWithTheVerificationTable) {
  const StateRow kRows[] = {
      {"300 K, 3 MPa: v", 3, 300, &State::v, 0.100215168e-2},
      {"300 K, 3 MPa: h", 3, 300, &State::h, 0.115331273e3},
      {"300 K, 3 MPa: u", 3, 300, &State::u, 0.112324818e3},
      {"300 K, 3 MPa: s", 3, 300, &State::s, 0.392294792},
      {"300 K, 3 MPa: cp", 3, 300, &State::cp, 0.417301218e1},
      {"300 K, 3 MPa: w", 3, 300, &State::w, 0.150773921e4},
      {"300 K, 80 MPa: v", 80, 300, &State::v, 0.971180894e-3},
      {"300 K, 80 MPa: h", 80, 300, &State::h, 0.184142828e3},
      {"300 K, 80 MPa: u", 80, 300, &State::u, 0.106448356e3},
      {"300 K, 80 MPa: s", 80, 300, &State::s, 0.368563852},
      {"300 K, 80 MPa: cp", 80, 300, &State::cp, 0.401008987e1},
      {"300 K, 80 MPa: w", 80, 300, &State::w, 0.163469054e4},
      {"500 K, 3 MPa: v", 3, 500, &State::v, 0.120241800e-2},
      {"500 K, 3 MPa: h", 3, 500, &State::h, 0.975542239e3},
      {"500 K, 3 MPa: u", 3, 500, &State::u, 0.971934985e3},
      {"500 K, 3 MPa: s", 3, 500, &State::s, 0.258041912e1},
      {"500 K, 3 MPa: cp", 3, 500, &State::cp, 0.465580682e1},
      {"500 K, 3 MPa: w", 3, 500, &State::w, 0.124071337e4},
  };
  for (const StateRow& row : kRows) {
    SCOPED_TRACE(row.name);
    ExpectRelativelyNear(Region1(row.p_mpa, row.t_k).*row.figure, row.printed,
                         kVerificationTolerance);
  }
}

// Table 15, region 2, every column.
TEST(If97Region2, AgreesWithTheVerificationTable) {
  const StateRow kRows[] = {
      {"300 K, 0.0035 MPa: v", 0.0035, 300, &State::v, 0.394913866e2},
      {"300 K, 0.0035 MPa: h", 0.0035, 300, &State::h, 0.254991145e4},
      {"300 K, 0.0035 MPa: u", 0.0035, 300, &State::u, 0.241169160e4},
      {"300 K, 0.0035 MPa: s", 0.0035, 300, &State::s, 0.852238967e1},
      {"300 K, 0.0035 MPa: cp", 0.0035, 300, &State::cp, 0.191300162e1},
      {"300 K, 0.0035 MPa: w", 0.0035, 300, &State::w, 0.427920172e3},
      {"700 K, 0.0035 MPa: v", 0.0035, 700, &State::v, 0.923015898e2},
      {"700 K, 0.0035 MPa: h", 0.0035, 700, &State::h, 0.333568375e4},
      {"700 K, 0.0035 MPa: u", 0.0035, 700, &State::u, 0.301262819e4},
      {"700 K, 0.0035 MPa: s", 0.0035, 700, &State::s, 0.101749996e2},
      {"700 K, 0.0035 MPa: cp", 0.0035, 700, &State::cp, 0.208141274e1},
      {"700 K, 0.0035 MPa: w", 0.0035, 700, &State::w, 0.644289068e3},
      {"700 K, 30 MPa: v", 30, 700, &State::v, 0.542946619e-2},
      {"700 K, 30 MPa: h", 30, 700, &State::h, 0.263149474e4},
      {"700 K, 30 MPa: u", 30, 700, &State::u, 0.246861076e4},
      {"700 K, 30 MPa: s", 30, 700, &State::s, 0.517540298e1},
      {"700 K, 30 MPa: cp", 30, 700, &State::cp, 0.103505092e2},
      {"700 K, 30 MPa: w", 30, 700, &State::w, 0.480386523e3},
  };
  for (const StateRow& row : kRows) {
    SCOPED_TRACE(row.name);
    ExpectRelativelyNear(Region2(row.p_mpa, row.t_k).*row.figure, row.printed,
                         kVerificationTolerance);
  }
}

struct InverseRow {
  const char* name;
  double p_mpa, t_k;     // the state whose entropy or enthalpy is given
  double low_k, high_k;  // the bracket searched
  double expected_k;     // t_k, or the bracket's nearer end when t_k lies outside it
};

// The temperatures found from region 2's entropy and enthalpy give those back, to 1e-9 K,
// from the saturation line to 1073.15 K and at both ends of the pressures.
TEST(If97Region2, FindsTheTemperatureOfAnEntropyOrAnEnthalpy) {
  const InverseRow kRows[] = {
      {"0.0035 MPa, 300 K", 0.0035, 300, 299.9, 1073.15, 300},
      {"0.0035 MPa, 1073.15 K", 0.0035, 1073.15, 300, 1073.15, 1073.15},
      {"45.5 kPa, 387 K", 0.0455, 387.22, 352.15, 1073.15, 387.22},
      {"1 MPa, 700 K", 1, 700, 453.1, 1073.15, 700},
      {"16.5 MPa, just above the line", 16.5, 623.1, 623.0, 1073.15, 623.1},
      {"16.5 MPa, 900 K", 16.5, 900, 623.1, 1073.15, 900},
      {"below the bracket: its low end", 0.1, 400, 450, 1073.15, 450},
  };
  for (const InverseRow& row : kRows) {
    // From either end of the bracket, and from a guess far outside it.
    for (const double guess : {row.low_k, row.high_k, 5000.0}) {
      SCOPED_TRACE(std::string(row.name) + " from " + std::to_string(guess));
      const State state = Region2(row.p_mpa, row.t_k);
      const Region2Isobar isobar(row.p_mpa);
      const auto by_entropy = Region2AtEntropy(isobar, state.s, row.low_k, row.high_k, guess);
      const auto by_enthalpy = Region2AtEnthalpy(isobar, state.h, row.low_k, row.high_k, guess);
      ASSERT_TRUE(by_entropy && by_enthalpy);
      EXPECT_NEAR(by_entropy->t_k, row.expected_k, 1e-9);
      EXPECT_NEAR(by_enthalpy->t_k, row.expected_k, 1e-9);
      // The point found is the state there.
      const State there = Region2(row.p_mpa, row.expected_k);
      EXPECT_NEAR(by_entropy->at.h, there.h, 1e-9 * there.h);
      EXPECT_NEAR(by_enthalpy->at.s, there.s, 1e-9 * there.s);
      EXPECT_NEAR(by_enthalpy->at.cp, there.cp, 1e-9 * there.cp);
    }
  }
  // Above the bracket's high end there is no temperature to find.
  const State hot = Region2(0.1, 1000);
  EXPECT_FALSE(Region2AtEntropy(Region2Isobar(0.1), hot.s, 450, 800, 500));
  EXPECT_FALSE(Region2AtEnthalpy(Region2Isobar(0.1), hot.h, 450, 800, 790));
}

struct LineRow {
  const char* name;
  double given;
  double printed;
};

// Table 35: eq. (30).
TEST(If97SaturationPressure, AgreesWithTheVerificationTable) {
  const LineRow kRows[] = {
      {"300 K", 300, 0.353658941e-2},
      {"500 K", 500, 0.263889776e1},
      {"600 K", 600, 0.123443146e2},
  };
  for (const LineRow& row : kRows) {
    SCOPED_TRACE(row.name);
    ExpectRelativelyNear(SaturationPressure(row.given), row.printed, kVerificationTolerance);
  }
}

// Table 36: eq. (31).
TEST(If97SaturationTemperature, AgreesWithTheVerificationTable) {
  const LineRow kRows[] = {
      {"0.1 MPa", 0.1, 0.372755919e3},
      {"1 MPa", 1, 0.453035632e3},
      {"10 MPa", 10, 0.584149488e3},
  };
  for (const LineRow& row : kRows) {
    SCOPED_TRACE(row.name);
    ExpectRelativelyNear(SaturationTemperature(row.given), row.printed, kVerificationTolerance);
  }
}

using SaturationAt = std::optional<Saturation> (*)(double);

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct EdgeRow {
  const char* name;
  SaturationAt at;
  double given;
  bool has_reference;
};

TEST(If97Saturation, GivesAReferenceFromEndToEndAndNoneOutside) {
  const EdgeRow kRows[] = {
      {"0.01 ℃", SaturationAtTemperature, 0.01, true},
      {"350 ℃", SaturationAtTemperature, 350, true},
      {"just below 0.01 ℃", SaturationAtTemperature, std::nextafter(0.01, 0.0), false},
      {"just above 350 ℃", SaturationAtTemperature, std::nextafter(350.0, 351.0), false},
      {"0 ℃", SaturationAtTemperature, 0, false},
      {"-40 ℃", SaturationAtTemperature, -40, false},
      {"374 ℃, near the critical point", SaturationAtTemperature, 374, false},
      {"NaN ℃", SaturationAtTemperature, kNaN, false},
      {"+inf ℃", SaturationAtTemperature, kInfinity, false},
      {"-inf ℃", SaturationAtTemperature, -kInfinity, false},
      {"0.000611657 MPa", SaturationAtPressure, 0.000611657, true},
      {"16.5291 MPa", SaturationAtPressure, 16.5291, true},
      {"just below 0.000611657 MPa", SaturationAtPressure, std::nextafter(0.000611657, 0.0), false},
      {"just above 16.5291 MPa", SaturationAtPressure, std::nextafter(16.5291, 17.0), false},
      {"0 MPa", SaturationAtPressure, 0, false},
      {"-0.1 MPa", SaturationAtPressure, -0.1, false},
      {"22 MPa, near the critical point", SaturationAtPressure, 22, false},
      {"NaN MPa", SaturationAtPressure, kNaN, false},
      {"+inf MPa", SaturationAtPressure, kInfinity, false},
      {"-inf MPa", SaturationAtPressure, -kInfinity, false},
  };
  for (const EdgeRow& row : kRows) {
    SCOPED_TRACE(row.name);
    const std::optional<Saturation> at = row.at(row.given);
    ASSERT_EQ(at.has_value(), row.has_reference);
    if (!at) continue;
    for (const double figure :
         {at->temperature_c, at->pressure_mpa, at->liquid_density_kg_m3, at->vapour_density_kg_m3,
          at->liquid_enthalpy_kj_kg, at->vapour_enthalpy_kj_kg, at->LatentHeat()}) {
      EXPECT_TRUE(std::isfinite(figure) && figure > 0) << figure;
    }
  }
}

// The pressure range must be the line's between the temperature range's ends, or a pressure
// given would reach a temperature outside region 1 and 2.
TEST(If97Saturation, PressureRangeLiesOnTheTemperatureRange) {
  ExpectRelativelyNear(SaturationPressure(kLowestTemperatureC + 273.15), kLowestPressureMpa, 1e-8);
  EXPECT_GE(SaturationPressure(kHighestTemperatureC + 273.15), kHighestPressureMpa);
  EXPECT_NEAR(SaturationAtPressure(kLowestPressureMpa)->temperature_c, kLowestTemperatureC, 1e-8);
  EXPECT_LE(SaturationAtPressure(kHighestPressureMpa)->temperature_c, kHighestTemperatureC);
}

// The saturation functions take a shorter way to volume and enthalpy than Region1 and
// Region2; both ways must give the same figures.
TEST(If97Saturation, HoldsTheFiguresOfRegions1And2) {
  for (const double t_c : {0.01, 25.0, 100.0, 180.0, 260.0, 350.0}) {
    SCOPED_TRACE(t_c);
    const Saturation at = *SaturationAtTemperature(t_c);
    const double t_k = t_c + 273.15;
    const State liquid = Region1(at.pressure_mpa, t_k);
    const State vapour = Region2(at.pressure_mpa, t_k);
    ExpectRelativelyNear(at.pressure_mpa, SaturationPressure(t_k), 1e-15);
    ExpectRelativelyNear(at.liquid_density_kg_m3, 1 / liquid.v, 1e-14);
    ExpectRelativelyNear(at.vapour_density_kg_m3, 1 / vapour.v, 1e-14);
    ExpectRelativelyNear(at.liquid_enthalpy_kj_kg, liquid.h, 1e-14);
    ExpectRelativelyNear(at.vapour_enthalpy_kj_kg, vapour.h, 1e-14);
  }
}

struct ShownRow {
  const char* name;
  SaturationAt at;
  double given;
  double (*figure)(const Saturation&);
  int places;
  double shown;
};

// Figures as a steam tool would round them; each checked against python3-iapws. Boiling at
// 0.1013 MPa is 99.97 ℃, whose latent heat rounds to 2257; at 100 ℃ exactly it is 2256.47.
TEST(If97Saturation, RoundsToTheFiguresOfTheSteamTables) {
  const auto temperature = [](const Saturation& s) { return s.temperature_c; };
  const auto vapour_density = [](const Saturation& s) { return s.vapour_density_kg_m3; };
  const auto latent_heat = [](const Saturation& s) { return s.LatentHeat(); };
  const ShownRow kRows[] = {
      {"0.1013 MPa: temperature", SaturationAtPressure, 0.1013, temperature, 1, 100.0},
      {"0.1013 MPa: vapour density", SaturationAtPressure, 0.1013, vapour_density, 4, 0.5975},
      {"0.1013 MPa: latent heat", SaturationAtPressure, 0.1013, latent_heat, 0, 2257},
      {"100 ℃: vapour density", SaturationAtTemperature, 100, vapour_density, 4, 0.5981},
      {"100 ℃: latent heat", SaturationAtTemperature, 100, latent_heat, 0, 2256},
  };
  for (const ShownRow& row : kRows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(RoundHalfEven(row.figure(*row.at(row.given)), row.places), row.shown);
  }
}

}  // namespace
}  // namespace vapentis::if97
