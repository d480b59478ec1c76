// Opening a case as the window does: the file of every tool read, then every tool
// pressed again through the presenter; and the writer, and the largest file accepted.
#include <benchmark/benchmark.h>

#include <string>
#include <variant>

#include "core/case/case_file.h"
#include "core/description/presenter.h"

namespace {

constexpr std::string_view kSaved = "2026-12-09T10:15:00+08:00";

// Every tool pressed, the pipe for steam so that its IAPWS-IF97 line is worked out too.
vapentis::Case EveryToolPressed() {
  vapentis::Case c = vapentis::StartCase();
  for (vapentis::CaseTool& tool : c.tools) {
    tool.calculated = true;
    if (tool.tool->name == "pipe") tool["state"] = "steam";
  }
  return c;
}

void BM_ReadAndRecalculateCase(benchmark::State& state) {
  const std::string file = vapentis::WriteCase(EveryToolPressed(), kSaved);
  for (auto _ : state) {
    const auto read = vapentis::ReadCase(file);
    for (const vapentis::CaseTool& tool : std::get<vapentis::Case>(read).tools) {
      if (tool.calculated) benchmark::DoNotOptimize(vapentis::Present(tool.Request(), '.'));
    }
  }
}
BENCHMARK(BM_ReadAndRecalculateCase)->Unit(benchmark::kMicrosecond);

void BM_WriteCase(benchmark::State& state) {
  const vapentis::Case c = EveryToolPressed();
  for (auto _ : state) benchmark::DoNotOptimize(vapentis::WriteCase(c, kSaved));
}
BENCHMARK(BM_WriteCase)->Unit(benchmark::kMicrosecond);

// The case of every tool padded with blanks to the 8 MiB a file may take.
void BM_ReadLargestCase(benchmark::State& state) {
  std::string file = vapentis::WriteCase(EveryToolPressed(), kSaved);
  file.resize(vapentis::kMaxCaseFileBytes, ' ');
  for (auto _ : state) benchmark::DoNotOptimize(vapentis::ReadCase(file));
}
BENCHMARK(BM_ReadLargestCase)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
