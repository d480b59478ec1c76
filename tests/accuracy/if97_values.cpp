// Prints our IAPWS-IF97 saturation figures for the lines on standard input, for the sweep
// against python3-iapws (tests/accuracy/, ./scripts/accuracy).
//
// Each input line is "t <temperature in ℃>" or "p <pressure in MPa>". Each output line is
// "<pressure MPa> <temperature ℃> <ρ′> <ρ″> <h′> <h″>" in full precision, or "none" where the
// saturation functions give no reference. A line that is neither form ends the run with 2.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

#include "core/process/iapws_if97.h"

int main() {
  namespace if97 = vapentis::if97;
  std::string line;
  for (int number = 1; std::getline(std::cin, line); ++number) {
    std::istringstream fields(line);
    std::string kind;
    std::string value_text;
    std::string rest;
    fields >> kind >> value_text;
    char* end = nullptr;
    const double value = std::strtod(value_text.c_str(), &end);
    if ((kind != "t" && kind != "p") || value_text.empty() || *end != '\0' || (fields >> rest)) {
      std::fprintf(stderr, "line %d: expected \"t <℃>\" or \"p <MPa>\", got \"%s\"\n", number,
                   line.c_str());
      return 2;
    }
    const std::optional<if97::Saturation> at =
        kind == "t" ? if97::SaturationAtTemperature(value) : if97::SaturationAtPressure(value);
    if (!at) {
      std::puts("none");
      continue;
    }
    std::printf("%.17g %.17g %.17g %.17g %.17g %.17g\n", at->pressure_mpa, at->temperature_c,
                at->liquid_density_kg_m3, at->vapour_density_kg_m3, at->liquid_enthalpy_kj_kg,
                at->vapour_enthalpy_kj_kg);
  }
  return 0;
}
