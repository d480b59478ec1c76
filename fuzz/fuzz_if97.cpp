// Fuzzes the IAPWS-IF97 unit with any doubles: the saturation functions give finite, positive
// figures in their ranges and no reference outside them, never a NaN; the regions and the
// saturation line give finite figures wherever they hold.
//
// The input's first 8 bytes are one double x, the next 8 another, y (missing bytes are zero).
// Each goes as it is into every function; and the mantissas of x and y, as fractions in [0, 1),
// pick a point inside each function's range, so that the checks inside are reached as often as
// the edges outside.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "core/process/iapws_if97.h"

namespace {

namespace if97 = vapentis::if97;

[[noreturn]] void Fail(const char* call, double a, double b, const char* what) {
  std::fprintf(stderr, "%s(%.17g, %.17g) [%a, %a]: %s\n", call, a, b, a, b, what);
  std::abort();
}

[[noreturn]] void Fail(const char* call, double a, const char* what) {
  std::fprintf(stderr, "%s(%.17g) [%a]: %s\n", call, a, a, what);
  std::abort();
}

// The saturation line's own range (region 4), wider than the one the saturated states cover.
constexpr double kLineLowestK = 273.15;
constexpr double kLineHighestK = 647.096;
constexpr double kLineLowestMpa = 0.000611213;
constexpr double kLineHighestMpa = 22.064;
// Region 1 up to 100 MPa at 273.15–623.15 K; region 2 below the line to 623.15 K, and on to
// 1073.15 K below the lowest pressure of its boundary with region 3. A millionth of a pascal is
// the lowest pressure checked: far lower, R T / p leaves the range of a double.
constexpr double kRegionLowestK = 273.15;
constexpr double kRegion1HighestK = 623.15;
constexpr double kRegion1HighestMpa = 100;
constexpr double kRegion2HighestK = 1073.15;
constexpr double kRegion2AboveLineMpa = 16.5292;
constexpr double kRegion2LowestMpa = 1e-12;

bool Between(double x, double low, double high) { return x >= low && x <= high; }

// The mantissa of x as a fraction in [0, 1).
double Fraction(double x) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  constexpr std::uint64_t kMantissa = (std::uint64_t{1} << 52) - 1;
  return std::ldexp(static_cast<double>(bits & kMantissa), -52);
}

double Linear(double fraction, double low, double high) {
  return std::clamp(low + fraction * (high - low), low, high);
}

double Logarithmic(double fraction, double low, double high) {
  return std::clamp(std::exp(std::log(low) + fraction * (std::log(high) - std::log(low))), low,
                    high);
}

bool InRegion1(double p, double t) {
  return Between(t, kRegionLowestK, kRegion1HighestK) &&
         Between(p, if97::SaturationPressure(t), kRegion1HighestMpa);
}

double Region2HighestMpa(double t) {
  return t <= kRegion1HighestK ? if97::SaturationPressure(t) : kRegion2AboveLineMpa;
}

bool InRegion2(double p, double t) {
  return Between(t, kRegionLowestK, kRegion2HighestK) &&
         Between(p, kRegion2LowestMpa, Region2HighestMpa(t));
}

void CheckState(const char* call, double p, double t, const if97::State& s) {
  for (const double figure : {s.v, s.h, s.u, s.s, s.cp, s.w}) {
    if (!std::isfinite(figure)) Fail(call, p, t, "gave a figure that is not finite");
  }
  if (!(s.v > 0 && s.cp > 0 && s.w > 0)) Fail(call, p, t, "gave v, cp or w not positive");
}

// Both regions at any point; the figures are checked where the point lies in the region.
void CheckRegions(double p, double t) {
  const if97::State one = if97::Region1(p, t);
  const if97::State two = if97::Region2(p, t);
  if (InRegion1(p, t)) CheckState("Region1", p, t, one);
  if (InRegion2(p, t)) CheckState("Region2", p, t, two);
}

void CheckLine(double t, double p) {
  const double ps = if97::SaturationPressure(t);
  if (Between(t, kLineLowestK, kLineHighestK) && !(std::isfinite(ps) && ps > 0)) {
    Fail("SaturationPressure", t, "gave no finite positive pressure on the line");
  }
  const double ts = if97::SaturationTemperature(p);
  if (Between(p, kLineLowestMpa, kLineHighestMpa) && !(std::isfinite(ts) && ts > 0)) {
    Fail("SaturationTemperature", p, "gave no finite positive temperature on the line");
  }
}

void CheckSaturation(const char* call, double given, const std::optional<if97::Saturation>& at,
                     bool in_range) {
  if (!in_range) {
    if (at) Fail(call, given, "gave a reference outside its range");
    return;
  }
  if (!at) Fail(call, given, "gave no reference inside its range");
  for (const double figure :
       {at->temperature_c, at->pressure_mpa, at->liquid_density_kg_m3, at->vapour_density_kg_m3,
        at->liquid_enthalpy_kj_kg, at->vapour_enthalpy_kj_kg, at->LatentHeat()}) {
    if (std::isnan(figure)) Fail(call, given, "gave NaN");
    if (!(std::isfinite(figure) && figure > 0)) Fail(call, given, "gave a figure not > 0");
  }
  if (!(at->liquid_density_kg_m3 > at->vapour_density_kg_m3)) {
    Fail(call, given, "gave a vapour no lighter than its liquid");
  }
}

void CheckSaturations(double t_c, double p) {
  CheckSaturation("SaturationAtTemperature", t_c, if97::SaturationAtTemperature(t_c),
                  Between(t_c, if97::kLowestTemperatureC, if97::kHighestTemperatureC));
  CheckSaturation("SaturationAtPressure", p, if97::SaturationAtPressure(p),
                  Between(p, if97::kLowestPressureMpa, if97::kHighestPressureMpa));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double xy[2] = {0, 0};
  std::memcpy(xy, data, std::min(size, sizeof xy));
  const double x = xy[0];
  const double y = xy[1];

  // As they are.
  CheckSaturations(x, x);
  CheckLine(x, x);
  CheckRegions(x, y);
  CheckRegions(y, x);

  // A point inside each range.
  const double f = Fraction(x);
  const double g = Fraction(y);
  CheckSaturations(Linear(f, if97::kLowestTemperatureC, if97::kHighestTemperatureC),
                   Logarithmic(f, if97::kLowestPressureMpa, if97::kHighestPressureMpa));
  CheckLine(Linear(f, kLineLowestK, kLineHighestK),
            Logarithmic(f, kLineLowestMpa, kLineHighestMpa));
  const double t1 = Linear(f, kRegionLowestK, kRegion1HighestK);
  const double p1 = Linear(g, if97::SaturationPressure(t1), kRegion1HighestMpa);
  if (!InRegion1(p1, t1)) Fail("Region1", p1, t1, "the point picked lies outside region 1");
  CheckState("Region1", p1, t1, if97::Region1(p1, t1));
  const double t2 = Linear(f, kRegionLowestK, kRegion2HighestK);
  const double p2 = Logarithmic(g, kRegion2LowestMpa, Region2HighestMpa(t2));
  if (!InRegion2(p2, t2)) Fail("Region2", p2, t2, "the point picked lies outside region 2");
  CheckState("Region2", p2, t2, if97::Region2(p2, t2));
  return 0;
}
