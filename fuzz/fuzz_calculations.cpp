// Fuzzes every calculation with arbitrary input texts: each call gives a
// result or a CalcFailure, never a crash, and no line shows a non-finite number.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "mvr/evaporator_sizing.h"
#include "numeric/numeric.h"
#include "process/exchanger_layout.h"
#include "process/pipe_diameter.h"
#include "process/pump_power.h"
#include "process/steam_properties.h"
#include "reference/channel_steel.h"

namespace {

using vapentis::CalcFailure;

constexpr std::size_t kMaxTexts = 6;
using Texts = std::array<std::string_view, kMaxTexts>;
using Lines = std::vector<std::string>;

// One row per calculation: how it reads the texts and what lines it gives.
struct Calculation {
  const char* name;
  Lines (*run)(const Texts& t, char sep);
};

using vapentis::FluidState;
using vapentis::SteamMode;

// A steam result in either mode must exist; no lines marks the fault.
Lines SteamLines(SteamMode mode, const Texts& t, char sep) {
  const auto result = vapentis::SteamPropertiesResult({mode, t[0], t[1], sep});
  return result ? result->lines : Lines{};
}

constexpr Calculation kCalculations[] = {
    {"SizeEvaporator",
     [](const Texts& t, char sep) {
       return vapentis::SizeEvaporator({t[0], t[1], t[2], t[3], sep}).lines;
     }},
    {"SteamPropertiesResult pressure",
     [](const Texts& t, char sep) { return SteamLines(SteamMode::Pressure, t, sep); }},
    {"SteamPropertiesResult temperature",
     [](const Texts& t, char sep) { return SteamLines(SteamMode::Temperature, t, sep); }},
    {"PipeDiameterResult steam",
     [](const Texts& t, char sep) {
       return vapentis::PipeDiameterResult({FluidState::Steam, t[0], t[1], t[2], t[3], sep}).lines;
     }},
    {"PipeDiameterResult liquid",
     [](const Texts& t, char sep) {
       return vapentis::PipeDiameterResult({FluidState::Liquid, t[0], t[1], t[2], t[3], sep}).lines;
     }},
    {"PipeDiameterResult no state",
     [](const Texts& t, char sep) {
       return vapentis::PipeDiameterResult({FluidState::None, t[0], t[1], t[2], t[3], sep}).lines;
     }},
    {"PumpPower",
     [](const Texts& t, char sep) {
       return vapentis::PumpPower({t[0], t[1], t[2], t[3], t[4], sep}).lines;
     }},
    {"ExchangerLayout",
     [](const Texts& t, char sep) {
       return vapentis::ExchangerLayout({t[0], t[1], t[2], sep}).lines;
     }},
    {"LookupChannel",
     [](const Texts& t, char sep) {
       return vapentis::ChannelResultText(vapentis::LookupChannel(t[0]), sep);
     }},
};

[[noreturn]] void Fail(const Calculation& calc, const Texts& t, char sep, const std::string& what) {
  std::fprintf(stderr, "%s (separator '%c'): %s\n", calc.name, sep, what.c_str());
  for (std::size_t i = 0; i < t.size(); ++i) {
    std::fprintf(stderr, "  text %zu: \"%.*s\"\n", i, static_cast<int>(t[i].size()), t[i].data());
  }
  std::abort();
}

// Any spelling of infinity or NaN, whichever case a formatter picks.
bool ShowsNonFinite(std::string_view line) {
  std::string lower(line);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

void Run(const Calculation& calc, const Texts& t, char sep) {
  Lines lines;
  try {
    lines = calc.run(t, sep);
  } catch (const CalcFailure&) {
    return;
  } catch (const std::exception& e) {
    Fail(calc, t, sep, std::string("threw ") + e.what());
  } catch (...) {
    Fail(calc, t, sep, "threw something that is not a CalcFailure");
  }
  if (lines.empty()) Fail(calc, t, sep, "gave no result lines");
  for (const std::string& line : lines) {
    if (ShowsNonFinite(line)) Fail(calc, t, sep, "shows a non-finite number: " + line);
  }
}

}  // namespace

// The input is the texts of the boxes, one per line; missing ones are empty.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  Texts texts{};
  std::size_t start = 0;
  for (std::size_t i = 0; i < kMaxTexts && start <= input.size(); ++i) {
    std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    texts[i] = input.substr(start, end - start);
    start = end + 1;
  }
  for (const Calculation& calc : kCalculations) {
    Run(calc, texts, '.');
    Run(calc, texts, ',');
  }
  return 0;
}
