#include "core/process/pump_power.h"

#include "core/numeric/numeric.h"

namespace vapentis {

namespace {

constexpr double kGravity = 9.81;  // m/s2
constexpr double kSecondsPerHour = 3600;

}  // namespace

PumpResult PumpPower(const PumpInputs& in) {
  const char sep = in.decimal_separator;
  Checked c;
  // Each input is converted only when the formula reaches it, so an earlier
  // arithmetic failure wins over a later bad text.
  const double q = ParseInput(in.flow, kPumpFlowInput, sep);
  const double h = ParseInput(in.head, kHeadInput, sep);
  const double hq = c.mul(h, q);
  c.check();
  const double sg = ParseInput(in.specific_gravity, kSpecificGravityInput, sep);
  const double hydraulic = c.div(c.mul(c.mul(sg, hq), kGravity), kSecondsPerHour);
  c.check();
  const double eta = ParseInput(in.efficiency, kEfficiencyInput, sep);
  const double shaft = c.div(hydraulic, eta);
  c.check(eta == 0 ? Blame{kEfficiencyInput, "泵的效率为零，无法计算轴功率"} : Blame{});
  const double k = ParseInput(in.safety_factor, kSafetyFactorInput, sep);
  const double power = c.mul(k, shaft);
  c.check();

  PumpResult r;
  r.power_kw = RoundHalfEven(power, 1);
  r.lines = PumpResultText(r.power_kw, sep);
  return r;
}

std::vector<std::string> PumpResultText(double power_kw, char decimal_separator) {
  std::vector<std::string> lines;
  lines.reserve(2);
  lines.push_back(Concat({"泵的计算功率=", ShownNumber(power_kw, decimal_separator), "kW"}));
  lines.emplace_back("选择比计算值稍大的额定电机");
  return lines;
}

}  // namespace vapentis
