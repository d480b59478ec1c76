// Each calculation per call, on the inputs its tab starts with; and every tool of
// the catalog through the presenter, as a press reaches it, so a new tool is
// measured without a line here.
#include <benchmark/benchmark.h>

#include <string>

#include "core/catalog/tool_catalog.h"
#include "core/description/presenter.h"
#include "core/mvr/evaporator_sizing.h"
#include "core/process/exchanger_layout.h"
#include "core/process/iapws_if97.h"
#include "core/process/mvr_thermal.h"
#include "core/process/pipe_diameter.h"
#include "core/process/pump_power.h"
#include "core/process/steam_properties.h"
#include "core/reference/channel_steel.h"

namespace {

// One row per calculation: the call as the tab's button makes it.
struct Calculation {
  const char* name;
  void (*call)();
};

// Boiling at 0.1013 MPa, as the steam tab starts.
volatile double gIf97TemperatureC = 100;
volatile double gIf97PressureMpa = 0.1013;

using vapentis::FluidState;
using vapentis::SteamMode;

// The start-up inputs of the steam and pipe tabs, each run in both of its modes.
constexpr vapentis::SteamInputs kSteam{
    .mode = SteamMode::Pressure, .pressure = "0.1013", .temperature = "100"};
constexpr vapentis::PipeInputs kPipe{.state = FluidState::Steam,
                                     .temperature = "100",
                                     .flow = "5000",
                                     .velocity = "22",
                                     .density = "1000"};

template <SteamMode kMode>
void Steam() {
  vapentis::SteamInputs in = kSteam;
  in.mode = kMode;
  benchmark::DoNotOptimize(vapentis::SteamPropertiesResult(in));
}

template <FluidState kState>
void Pipe() {
  vapentis::PipeInputs in = kPipe;
  in.state = kState;
  benchmark::DoNotOptimize(vapentis::PipeDiameterResult(in));
}

const Calculation kCalculations[] = {
    {"SizeEvaporator",
     [] {
       benchmark::DoNotOptimize(vapentis::SizeEvaporator({.throughput = "5",
                                                          .feed_concentration = "10",
                                                          .product_concentration = "40",
                                                          .application = "蒸发结晶"}));
     }},
    {"SteamPropertiesResult pressure", Steam<SteamMode::Pressure>},
    {"SteamPropertiesResult temperature", Steam<SteamMode::Temperature>},
    {"PipeDiameterResult steam", Pipe<FluidState::Steam>},
    {"PipeDiameterResult liquid", Pipe<FluidState::Liquid>},
    {"PumpPower",
     [] {
       benchmark::DoNotOptimize(vapentis::PumpPower({.flow = "100",
                                                     .head = "30",
                                                     .specific_gravity = "1.4",
                                                     .efficiency = "0.6",
                                                     .safety_factor = "1.25"}));
     }},
    {"ExchangerLayout",
     [] {
       benchmark::DoNotOptimize(
           vapentis::ExchangerLayout({.area = "90", .tube_diameter = "38", .tube_length = "6"}));
     }},
    {"MvrThermalCheck",
     [] {
       benchmark::DoNotOptimize(vapentis::MvrThermalCheck({.evaporation = "3.75",
                                                           .vapour_temperature = "70",
                                                           .boiling_point_rise = "3",
                                                           .heater_difference = "6",
                                                           .isentropic_efficiency = "0.8",
                                                           .drive_efficiency = "0.95",
                                                           .heat_transfer_coefficient = "1800"}));
     }},
    {"LookupChannel",
     [] { benchmark::DoNotOptimize(vapentis::ChannelResultText(vapentis::LookupChannel("20a"))); }},
    // The IF97 line a steam or pipe calculation will call. The input is read through a
    // volatile so that nothing is worked out at compile time.
    {"if97::SaturationAtTemperature",
     [] { benchmark::DoNotOptimize(vapentis::if97::SaturationAtTemperature(gIf97TemperatureC)); }},
    {"if97::SaturationAtPressure",
     [] { benchmark::DoNotOptimize(vapentis::if97::SaturationAtPressure(gIf97PressureMpa)); }},
};

// The tool's start texts, with its first choice where none is ticked at start.
vapentis::InputTexts StartTexts(const vapentis::ToolDescription& tool) {
  vapentis::InputTexts texts(tool);
  for (const vapentis::InputDescription& input : tool.inputs) {
    const bool none_ticked = input.start_text.empty() && !input.choices.empty();
    texts[input.key] = none_ticked ? input.choices.front().key : input.start_text;
  }
  return texts;
}

}  // namespace

int main(int argc, char** argv) {
  for (const Calculation& calc : kCalculations) {
    benchmark::RegisterBenchmark(calc.name, [&calc](benchmark::State& state) {
      for (auto _ : state) calc.call();
    });
  }
  for (const vapentis::ToolDescription* tool : vapentis::Tools()) {
    const std::string name = "Present " + std::string(tool->name);
    benchmark::RegisterBenchmark(name.c_str(), [tool](benchmark::State& state) {
      const vapentis::InputTexts texts = StartTexts(*tool);
      for (auto _ : state) benchmark::DoNotOptimize(vapentis::Present(texts, '.'));
    });
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
