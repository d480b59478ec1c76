// Prints the unrounded figures of our MVR heat check for the lines on standard input, for the
// sweep against python3-iapws (tests/accuracy/thermal_sweep_test.py).
//
// Each input line holds the seven input texts, blank-separated, in the tool's order: evaporation,
// vapour temperature, boiling point rise, heater difference, isentropic efficiency, drive
// efficiency, heat transfer coefficient. Each output line holds the fifteen figures in the order
// of ThermalFigures in full precision, or "refused <key>" or "failed <kind> <key>". A line of
// another number of fields ends the run with 2.
#include <array>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "core/numeric/numeric.h"
#include "core/process/mvr_thermal.h"

int main() {
  using namespace vapentis;
  std::string line;
  for (int number = 1; std::getline(std::cin, line); ++number) {
    std::istringstream fields(line);
    std::array<std::string, 7> t;
    std::string rest;
    bool complete = true;
    for (std::string& text : t) complete = complete && static_cast<bool>(fields >> text);
    if (!complete || (fields >> rest)) {
      std::fprintf(stderr, "line %d: expected seven input texts, got \"%s\"\n", number,
                   line.c_str());
      return 2;
    }
    try {
      const ThermalFigures f = MvrThermalCheck({.evaporation = t[0],
                                                .vapour_temperature = t[1],
                                                .boiling_point_rise = t[2],
                                                .heater_difference = t[3],
                                                .isentropic_efficiency = t[4],
                                                .drive_efficiency = t[5],
                                                .heat_transfer_coefficient = t[6]})
                                   .exact;
      const char* separator = "";
      for (const double x :
           {f.boiling_temperature_c, f.condensing_temperature_c, f.lift_k, f.suction_pressure_kpa,
            f.discharge_pressure_kpa, f.compression_ratio, f.suction_volume_m3_per_h,
            f.isentropic_work_kj_per_kg, f.discharge_temperature_c, f.shaft_power_kw,
            f.motor_power_kw, f.specific_energy_kwh_per_t, f.desuperheating_water_kg_per_h,
            f.heater_duty_kw, f.heater_area_m2}) {
        std::printf("%s%.17g", separator, x);
        separator = " ";
      }
      std::puts("");
    } catch (const RefusedValue& refused) {
      std::printf("refused %s\n", refused.input().c_str());
    } catch (const CalcFailure& failure) {
      std::printf("failed %s %s\n", std::string(KindName(failure.kind())).c_str(),
                  failure.input().c_str());
    }
  }
  return 0;
}
