// Batch throughput of vapentis-calc in lines per second (items_per_second),
// on requests held in memory and answers thrown away, so only the work counts.
#include <benchmark/benchmark.h>

#include <ostream>
#include <span>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/batch.h"

namespace {

// Counts what it is given and keeps nothing.
class DiscardBuffer : public std::streambuf {
 protected:
  std::streamsize xsputn(const char* /*s*/, std::streamsize n) override { return n; }
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

const std::vector<std::string> kSuccessful = {
    R"({"tool":"sizing","throughput":"5","feed":"10","product":"40","application":"蒸发结晶"})",
    R"({"tool":"sizing","throughput":20,"feed":8,"product":35,"application":"危废行业"})",
    R"({"tool":"sizing","throughput":"2.18","feed":"0","application":"食品行业"})",
    R"({"tool":"steam","mode":"temperature","temperature":"130"})",
    R"({"tool":"pipe","state":"liquid","flow":5000,"velocity":1.5,"density":1000})",
    R"({"tool":"pump","flow":"100","head":"30","specific_gravity":"1.4","efficiency":"0.6"})",
    R"({"tool":"exchanger","area":"90","tube_diameter":"38","tube_length":"6"})",
    R"({"tool":"channel","designation":"32b"})",
};

const std::vector<std::string> kWithFailures = {
    R"({"tool":"sizing","throughput":"5","feed":"10","product":"40","application":"蒸发结晶"})",
    R"({"tool":"sizing","throughput":"0"})",
    R"({"tool":"sizing","feed":"abc"})",
    R"({"tool":"sizing",)",
};

std::string Requests(std::span<const std::string> rows, int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) {
    text += rows[static_cast<std::size_t>(i) % rows.size()];
    text += '\n';
  }
  return text;
}

void RunLines(benchmark::State& state, std::span<const std::string> rows) {
  constexpr int kLines = 10000;
  const std::string input = Requests(rows, kLines);
  DiscardBuffer discard;
  std::ostream out(&discard);
  for (auto _ : state) {
    std::istringstream in(input);
    benchmark::DoNotOptimize(vapentis::cli::RunBatch(in, out));
  }
  state.SetItemsProcessed(state.iterations() * kLines);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(input.size()));
}

void BM_BatchSuccessfulLines(benchmark::State& state) { RunLines(state, kSuccessful); }
void BM_BatchLinesWithFailures(benchmark::State& state) { RunLines(state, kWithFailures); }

BENCHMARK(BM_BatchSuccessfulLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BatchLinesWithFailures)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
