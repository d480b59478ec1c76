#include "core/process/exchanger_layout.h"

#include "core/numeric/numeric.h"

namespace vapentis {

namespace {

constexpr double kPi = 3.14;  // two decimals, as the quotes were made with
constexpr double kMmPerM = 1000;
constexpr double kPitchPerDiameter = 1.25;
// Tubes on the centre line of an equilateral-triangle layout per root of N.
constexpr double kTriangleLayoutFactor = 1.1;
// Tube centre to shell wall, 1.2 d0 on each side.
constexpr double kSideAllowancePerDiameter = 2.4;
constexpr double kDiameterStepMm = 100;

// A negative tube count has an odd number of negative inputs; with exactly one,
// that one is the cause.
Blame NegativeCountBlame(double area, double tube_diameter, double tube_length) {
  if (area < 0 && tube_diameter >= 0 && tube_length >= 0) {
    return {kAreaInput, "换热面积为负数，换热管数量为负，无法开平方"};
  }
  if (tube_diameter < 0 && area >= 0 && tube_length >= 0) {
    return {kTubeDiameterInput, "换热管外径为负数，换热管数量为负，无法开平方"};
  }
  if (tube_length < 0 && area >= 0 && tube_diameter >= 0) {
    return {kTubeLengthInput, "换热管长度为负数，换热管数量为负，无法开平方"};
  }
  return {};
}

}  // namespace

ExchangerResult ExchangerLayout(const ExchangerInputs& in) {
  const char sep = in.decimal_separator;
  Checked c;
  // Each input is converted only when the formula reaches it, so an earlier
  // arithmetic failure wins over a later bad text.
  const double a = ParseInput(in.area, kAreaInput, sep);
  const double per_pi = c.div(a, kPi);
  c.check();
  const double d0 = ParseInput(in.tube_diameter, kTubeDiameterInput, sep);
  const double per_circumference = c.div(per_pi, c.div(d0, kMmPerM));
  c.check(d0 == 0 ? Blame{kTubeDiameterInput, "换热管外径为零，无法计算换热管数量"} : Blame{});
  const double l = ParseInput(in.tube_length, kTubeLengthInput, sep);
  const double tubes = c.add(c.div(per_circumference, l), 1);
  c.check(l == 0 ? Blame{kTubeLengthInput, "换热管长度为零，无法计算换热管数量"} : Blame{});
  const double n = RoundHalfEven(tubes, 0);

  const double pitch = c.mul(d0, kPitchPerDiameter);
  c.check();
  const double side_allowance = c.mul(d0, kSideAllowancePerDiameter);
  c.check();
  double root = 0;
  try {
    root = c.pow(n, 0.5);
  } catch (const CalcFailure& failure) {
    throw Blamed(failure, NegativeCountBlame(a, d0, l));
  }
  c.check();
  const double raw_mm =
      c.add(c.mul(pitch, c.sub(c.mul(kTriangleLayoutFactor, root), 1)), side_allowance);
  c.check();
  const double hundreds = RoundHalfEven(c.add(c.div(raw_mm, kDiameterStepMm), 1), 0);
  c.check();
  const double shell_mm = c.mul(hundreds, kDiameterStepMm);
  c.check();

  ExchangerResult r;
  r.tube_count = n;
  r.shell_diameter_mm = shell_mm;
  r.lines = ExchangerResultText(n, shell_mm, sep);
  return r;
}

std::vector<std::string> ExchangerResultText(double tube_count, double shell_diameter_mm,
                                             char decimal_separator) {
  std::vector<std::string> lines;
  lines.reserve(2);
  lines.push_back(Concat({"换热管数量=", ShownNumber(tube_count, decimal_separator), "条"}));
  lines.push_back(
      Concat({"换热器筒体直径=", ShownNumber(shell_diameter_mm, decimal_separator), "mm"}));
  return lines;
}

}  // namespace vapentis
