// The shared number conversions against the standard library's on the same
// inputs: each iteration converts one item, cycling through the set.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "core/numeric/numeric.h"

namespace {

// Texts as engineers type them into the boxes: whole numbers, decimals, exponents.
constexpr std::array<std::string_view, 12> kTexts = {"5",         "0.1013", "1.5E3",   "-958.5",
                                                     "12345.678", "100",    "0.6",     "40",
                                                     "2e-3",      "3.75",   "1013.25", "0.00089"};

// Figures as the tools show them: rounded results and unrounded quotients.
const std::array<double, 12> kValues = {3.75, 23.8,    1.0 / 3,   0.1 + 0.2, 1500,     -958.5,
                                        1e15, 1.5e-16, 12345.678, 0.0001,    1.0 / 30, 0.1013};

template <typename Items>
auto& Next(const Items& items, std::size_t& i) {
  const auto& item = items[i];
  if (++i == items.size()) i = 0;
  return item;
}

void BM_ParseNumber(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vapentis::ParseNumber(Next(kTexts, i)));
  }
}
BENCHMARK(BM_ParseNumber);

void BM_FromChars(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string_view text = Next(kTexts, i);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_FromChars);

void BM_NumberText(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(vapentis::NumberText(Next(kValues, i)));
  }
}
BENCHMARK(BM_NumberText);

void BM_ToCharsShortest(benchmark::State& state) {
  std::size_t i = 0;
  std::array<char, 32> buf{};
  for (auto _ : state) {
    const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), Next(kValues, i));
    benchmark::DoNotOptimize(result.ptr);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ToCharsShortest);

void BM_Snprintf15g(benchmark::State& state) {
  std::size_t i = 0;
  std::array<char, 32> buf{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::snprintf(buf.data(), buf.size(), "%.15g", Next(kValues, i)));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Snprintf15g);

}  // namespace

BENCHMARK_MAIN();
