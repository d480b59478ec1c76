// Inner diameter of a round pipe from mass flow, velocity and density, the
// density of saturated steam derived from its temperature.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vapentis {

enum class FluidState { None, Steam, Liquid };

struct PipeInputs {
  FluidState state = FluidState::None;
  std::string_view temperature;  // ℃, read for steam only
  std::string_view flow;         // kg/h
  std::string_view velocity;     // m/s
  std::string_view density;      // kg/m3, read for a liquid only
  char decimal_separator = '.';
};

// State None: no density, diameter 0 and the one line asking for a state.
// For steam, the IAPWS-IF97 density of the saturated vapour (to 4 places) and
// the diameter the same formula gives with it (whole mm).
struct PipeReference {
  double density_kg_per_m3 = 0;
  double diameter_mm = 0;
};

struct PipeResult {
  std::optional<double> density_kg_per_m3;  // steam only, rounded to 4 places
  double diameter_mm = 0;                   // rounded to a whole number
  // Steam within the standard's 0.01~350 ℃ only.
  std::optional<PipeReference> reference;
  std::vector<std::string> lines;  // for steam the last one is the IF97 line
};

// Keys of the inputs, as a failure names them.
inline constexpr std::string_view kFluidStateInput = "state";
inline constexpr std::string_view kSteamTemperatureInput = "temperature";
inline constexpr std::string_view kFlowInput = "flow";
inline constexpr std::string_view kVelocityInput = "velocity";
inline constexpr std::string_view kDensityInput = "density";

// Each of these throws CalcFailure.
double PipeSteamDensity(double t_c);  // kg/m3
double PipeDiameter(double flow_kg_per_h, double density_kg_per_m3, double velocity_m_per_s);

PipeResult PipeDiameterResult(const PipeInputs& in);

}  // namespace vapentis
