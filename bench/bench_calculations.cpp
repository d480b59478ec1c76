// Each calculation per call, on the inputs its tab starts with.
#include <benchmark/benchmark.h>

#include "mvr/evaporator_sizing.h"

namespace {

// One row per calculation: the call as the tab's button makes it.
struct Calculation {
  const char* name;
  void (*call)();
};

const Calculation kCalculations[] = {
    {"SizeEvaporator",
     [] {
       benchmark::DoNotOptimize(vapentis::SizeEvaporator({"5", "10", "40", "蒸发结晶"}));
     }},
};

}  // namespace

int main(int argc, char** argv) {
  for (const Calculation& calc : kCalculations) {
    benchmark::RegisterBenchmark(calc.name, [&calc](benchmark::State& state) {
      for (auto _ : state) calc.call();
    });
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
