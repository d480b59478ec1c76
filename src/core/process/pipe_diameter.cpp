#include "core/process/pipe_diameter.h"

#include "core/numeric/numeric.h"
#include "core/process/iapws_if97.h"
#include "core/process/steam_properties.h"

namespace vapentis {

namespace {

// The pipe tool's own steam density: factor 1.00525 (the steam tool has
// 1.00524) and the first density band at every temperature.
constexpr double kSteamDensityFactor = 1.00525;
constexpr double kSteamDensitySlope = 5.8215;
constexpr double kSteamDensityOffset = 0.01465;

constexpr double kSecondsPerHour = 3600;
constexpr double kPi = 3.1415;  // four decimals, as the quotes were made with
constexpr double kScaleMm = 2000;

// The one input whose value alone stops the diameter: a zero divisor, or the
// one negative value that leaves a negative number under the root. The density
// is an input only for a liquid; steam's is always positive.
Blame DiameterBlame(double flow, double density, bool density_typed, double velocity) {
  const bool zero_density = density_typed && density == 0;
  if (velocity == 0 && !zero_density) return {kVelocityInput, "流体的流速为零，无法计算管径"};
  if (zero_density && velocity != 0) return {kDensityInput, "实际密度为零，无法计算管径"};
  if (velocity == 0) return {};
  const bool negative_flow = flow < 0;
  const bool negative_density = density < 0;
  const bool negative_velocity = velocity < 0;
  const int negatives = static_cast<int>(negative_flow) + static_cast<int>(negative_density) +
                        static_cast<int>(negative_velocity);
  if (negatives != 1) return {};
  if (negative_flow) return {kFlowInput, "流体的流量为负数，无法开平方求管径"};
  if (negative_density) return {kDensityInput, "实际密度为负数，无法开平方求管径"};
  return {kVelocityInput, "流体的流速为负数，无法开平方求管径"};
}

double BlamedDiameter(double flow, double density, bool density_typed, double velocity) {
  try {
    return PipeDiameter(flow, density, velocity);
  } catch (const CalcFailure& failure) {
    throw Blamed(failure, DiameterBlame(flow, density, density_typed, velocity));
  }
}

std::string DiameterLine(double diameter_mm, char sep) {
  return Concat({"圆形管道直径=", ShownNumber(diameter_mm, sep), "mm，按标准管径选择"});
}

}  // namespace

double PipeSteamDensity(double t_c) {
  const double term = AntoineTerm(t_c);
  Checked c;
  const double density =
      c.add(c.mul(c.mul(term, kSteamDensityFactor), kSteamDensitySlope), kSteamDensityOffset);
  c.check();
  return density;
}

double PipeDiameter(double flow_kg_per_h, double density_kg_per_m3, double velocity_m_per_s) {
  Checked c;
  const double quotient =
      c.div(c.div(c.div(c.div(flow_kg_per_h, kSecondsPerHour), density_kg_per_m3), kPi),
            velocity_m_per_s);
  // Checked before the root, so a zero density or velocity is reported as
  // the division by zero it is, whatever the signs.
  c.check();
  const double root = c.pow(quotient, 0.5);
  c.check();
  const double diameter = c.mul(kScaleMm, root);
  c.check();
  return diameter;
}

PipeResult PipeDiameterResult(const PipeInputs& in) {
  const char sep = in.decimal_separator;
  // Each result is made after the steps that can fail, so that a failure need not stop
  // here to free it.
  switch (in.state) {
    case FluidState::Steam: {
      const double t = ParseInput(in.temperature, kSteamTemperatureInput, sep);
      double density = 0;
      try {
        density = RoundHalfEven(PipeSteamDensity(t), 4);
      } catch (const CalcFailure& failure) {
        if (AntoineDenominatorIsZero(t)) {
          throw Blamed(failure, {kSteamTemperatureInput, "水蒸汽温度使蒸汽压公式的分母为零"});
        }
        throw;
      }
      const double m = ParseInput(in.flow, kFlowInput, sep);
      const double v = ParseInput(in.velocity, kVelocityInput, sep);
      const double diameter = RoundHalfEven(BlamedDiameter(m, density, false, v), 0);
      PipeResult r;
      r.density_kg_per_m3 = density;
      r.diameter_mm = diameter;
      r.lines.reserve(3);
      r.lines.push_back(Concat({"饱和蒸汽密度=", ShownNumber(density, sep), "kg/m3"}));
      r.lines.push_back(DiameterLine(r.diameter_mm, sep));
      // The standard's vapour density beside the tool's own, through the same formula.
      if (const std::optional<if97::Saturation> state = if97::SaturationAtTemperature(t)) {
        const double reference_density = RoundHalfEven(state->vapour_density_kg_m3, 4);
        r.reference = PipeReference{
            reference_density, RoundHalfEven(BlamedDiameter(m, reference_density, false, v), 0)};
        r.lines.push_back(
            Concat({"按IAPWS-IF97：饱和蒸汽密度=", ShownNumber(reference_density, sep),
                    "kg/m3，圆形管道直径=", ShownNumber(r.reference->diameter_mm, sep), "mm"}));
      } else {
        r.lines.emplace_back(kNoReferenceLine);
      }
      return r;
    }
    case FluidState::Liquid: {
      const double m = ParseInput(in.flow, kFlowInput, sep);
      const double density = ParseInput(in.density, kDensityInput, sep);
      const double v = ParseInput(in.velocity, kVelocityInput, sep);
      const double diameter = RoundHalfEven(BlamedDiameter(m, density, true, v), 0);
      PipeResult r;
      r.diameter_mm = diameter;
      r.lines.push_back(DiameterLine(r.diameter_mm, sep));
      return r;
    }
    case FluidState::None:
      break;
  }
  PipeResult r;
  r.lines.emplace_back("请选择流体形态");
  return r;
}

}  // namespace vapentis
