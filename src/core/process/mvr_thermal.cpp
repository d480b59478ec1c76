#include "core/process/mvr_thermal.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/numeric/numeric.h"
#include "core/process/iapws_if97.h"

namespace vapentis {

namespace {

constexpr double kKelvinOffset = 273.15;
constexpr double kSecondsPerHour = 3600;
constexpr double kKilopascalsPerMegapascal = 1000;
constexpr double kWattsPerKilowatt = 1000;
// t/h to kg/s; also kJ/kg to kWh/t.
constexpr double kTonnesPerHourPerKilogramPerSecond = 3.6;
// Region 2 reaches 1073.15 K, which no compressor's discharge should.
constexpr double kHighestDischargeK = 1073.15;
constexpr double kLiftPerFanK = 8;
constexpr int kMostFansInSeries = 3;

struct Values {
  double w_t_per_h, t1_c, bpe_k, dt_k, eta_s, eta_m, u_w_per_m2_k;
};

// Every text is converted before any value is refused, so a bad text is reported first.
Values Read(const ThermalInputs& in) {
  const char sep = in.decimal_separator;
  Values v{};
  v.w_t_per_h = ParseInput(in.evaporation, kEvaporationInput, sep);
  v.t1_c = ParseInput(in.vapour_temperature, kVapourTemperatureInput, sep);
  v.bpe_k = ParseInput(in.boiling_point_rise, kBoilingPointRiseInput, sep);
  v.dt_k = ParseInput(in.heater_difference, kHeaterDifferenceInput, sep);
  v.eta_s = ParseInput(in.isentropic_efficiency, kIsentropicEfficiencyInput, sep);
  v.eta_m = ParseInput(in.drive_efficiency, kDriveEfficiencyInput, sep);
  v.u_w_per_m2_k = ParseInput(in.heat_transfer_coefficient, kHeatTransferCoefficientInput, sep);
  return v;
}

// Each test is written so that NaN, which compares false, is refused too.
void Refuse(const Values& v) {
  if (!(v.w_t_per_h > 0)) throw RefusedValue(kEvaporationInput, kEvaporationNote);
  if (!(v.t1_c >= if97::kLowestTemperatureC && v.t1_c <= if97::kHighestTemperatureC)) {
    throw RefusedValue(kVapourTemperatureInput, kVapourTemperatureNote);
  }
  if (!(v.bpe_k >= 0)) throw RefusedValue(kBoilingPointRiseInput, kBoilingPointRiseNote);
  if (!(v.dt_k > 0)) throw RefusedValue(kHeaterDifferenceInput, kHeaterDifferenceNote);
  if (!(v.eta_s > 0 && v.eta_s <= 1)) {
    throw RefusedValue(kIsentropicEfficiencyInput, kIsentropicEfficiencyNote);
  }
  if (!(v.eta_m > 0 && v.eta_m <= 1)) {
    throw RefusedValue(kDriveEfficiencyInput, kDriveEfficiencyNote);
  }
  if (!(v.u_w_per_m2_k > 0)) {
    throw RefusedValue(kHeatTransferCoefficientInput, kHeatTransferCoefficientNote);
  }
}

ThermalFigures Rounded(const ThermalFigures& x) {
  return {
      .boiling_temperature_c = RoundHalfEven(x.boiling_temperature_c, 1),
      .condensing_temperature_c = RoundHalfEven(x.condensing_temperature_c, 1),
      .lift_k = RoundHalfEven(x.lift_k, 1),
      .suction_pressure_kpa = RoundHalfEven(x.suction_pressure_kpa, 2),
      .discharge_pressure_kpa = RoundHalfEven(x.discharge_pressure_kpa, 2),
      .compression_ratio = RoundHalfEven(x.compression_ratio, 3),
      .suction_volume_m3_per_h = RoundHalfEven(x.suction_volume_m3_per_h, 0),
      .isentropic_work_kj_per_kg = RoundHalfEven(x.isentropic_work_kj_per_kg, 1),
      .discharge_temperature_c = RoundHalfEven(x.discharge_temperature_c, 1),
      .shaft_power_kw = RoundHalfEven(x.shaft_power_kw, 1),
      .motor_power_kw = RoundHalfEven(x.motor_power_kw, 1),
      .specific_energy_kwh_per_t = RoundHalfEven(x.specific_energy_kwh_per_t, 1),
      .desuperheating_water_kg_per_h = RoundHalfEven(x.desuperheating_water_kg_per_h, 0),
      .heater_duty_kw = RoundHalfEven(x.heater_duty_kw, 0),
      .heater_area_m2 = RoundHalfEven(x.heater_area_m2, 1),
  };
}

}  // namespace

ThermalResult MvrThermalCheck(const ThermalInputs& in) {
  const Values v = Read(in);
  Refuse(v);

  ThermalFigures x;
  // Texts too large for these sums give an infinite condensing temperature, refused below.
  x.boiling_temperature_c = v.t1_c + v.bpe_k;
  x.condensing_temperature_c = x.boiling_temperature_c + v.dt_k;
  x.lift_k = v.bpe_k + v.dt_k;
  if (!(x.condensing_temperature_c <= if97::kHighestTemperatureC)) {
    throw RefusedValue(kVapourTemperatureInput, kVapourTemperatureNote);
  }

  // From here on the saturation line is read between the triple point and 350 ℃, and region 2
  // on or above it up to 1073.15 K.
  CompressionStates st;
  const double tc_k = x.condensing_temperature_c + kKelvinOffset;
  st.suction_pressure_mpa = if97::SaturationPressure(v.t1_c + kKelvinOffset);
  st.discharge_pressure_mpa = if97::SaturationPressure(tc_k);
  const double p2 = st.discharge_pressure_mpa;
  const if97::State suction =
      if97::Region2(st.suction_pressure_mpa, x.boiling_temperature_c + kKelvinOffset);
  st.suction_entropy_kj_per_kg_k = suction.s;

  // The saturated vapour at the discharge pressure: h″ of the spray, and the start of both
  // searches, from where steam's entropy grows about as cp ln T and its enthalpy as cp T.
  const if97::Region2Isobar discharge(p2);
  const if97::IsobarPoint saturated = discharge.At(tc_k);
  // The suction's entropy lies above the discharge's saturated vapour's, so the isentropic
  // discharge lies above tc_k; where it lies beyond region 2, every real discharge does too.
  const std::optional<if97::IsobarRoot> isentropic =
      if97::Region2AtEntropy(discharge, suction.s, tc_k, kHighestDischargeK,
                             tc_k * std::exp((suction.s - saturated.s) / saturated.cp));
  if (!isentropic) throw RefusedValue(kIsentropicEfficiencyInput, kIsentropicEfficiencyNote);
  st.isentropic_temperature_k = isentropic->t_k;
  x.isentropic_work_kj_per_kg = isentropic->at.h - suction.h;
  // A tiny efficiency makes the work infinite, which is refused as any work too large is.
  const double work = x.isentropic_work_kj_per_kg / v.eta_s;
  st.discharge_enthalpy_kj_per_kg = suction.h + work;
  // From the isentropic discharge the enthalpy grows as cp grows: h2 − h2s = cp Δ + cp′ Δ² / 2,
  // which puts the search's start within a fraction of a millikelvin.
  const double extra_kj_per_kg = work - x.isentropic_work_kj_per_kg;
  const double cp = isentropic->at.cp;
  const double rise_k =
      2 * extra_kj_per_kg /
      (cp + std::sqrt(std::max(0.0, cp * cp + 2 * isentropic->at.dcp_dt * extra_kj_per_kg)));
  const std::optional<if97::IsobarRoot> discharged =
      std::isfinite(st.discharge_enthalpy_kj_per_kg)
          ? if97::Region2AtEnthalpy(discharge, st.discharge_enthalpy_kj_per_kg,
                                    st.isentropic_temperature_k, kHighestDischargeK,
                                    st.isentropic_temperature_k + rise_k)
          : std::nullopt;
  if (!discharged) throw RefusedValue(kIsentropicEfficiencyInput, kIsentropicEfficiencyNote);
  st.discharge_temperature_k = discharged->t_k;
  x.discharge_temperature_c = st.discharge_temperature_k - kKelvinOffset;
  x.suction_pressure_kpa = st.suction_pressure_mpa * kKilopascalsPerMegapascal;
  x.discharge_pressure_kpa = p2 * kKilopascalsPerMegapascal;
  x.compression_ratio = p2 / st.suction_pressure_mpa;

  Checked c;
  const double m_kg_per_s = c.div(v.w_t_per_h, kTonnesPerHourPerKilogramPerSecond);
  x.shaft_power_kw = c.mul(m_kg_per_s, work);
  x.motor_power_kw = c.div(x.shaft_power_kw, v.eta_m);
  c.check();
  x.specific_energy_kwh_per_t = c.div(x.motor_power_kw, v.w_t_per_h);
  c.check();

  const double h_vapour = saturated.h;
  const double h_liquid = if97::Region1VolumeEnthalpy(p2, tc_k).h;
  x.desuperheating_water_kg_per_h = c.mul(
      c.div(c.mul(m_kg_per_s, st.discharge_enthalpy_kj_per_kg - h_vapour), h_vapour - h_liquid),
      kSecondsPerHour);
  c.check();
  x.heater_duty_kw = c.mul(m_kg_per_s, st.discharge_enthalpy_kj_per_kg - h_liquid);
  c.check();
  x.heater_area_m2 =
      c.div(c.mul(x.heater_duty_kw, kWattsPerKilowatt), c.mul(v.u_w_per_m2_k, v.dt_k));
  c.check();
  x.suction_volume_m3_per_h = c.mul(c.mul(m_kg_per_s, suction.v), kSecondsPerHour);
  c.check();

  ThermalResult r;
  r.exact = x;
  r.shown = Rounded(x);
  r.states = st;
  r.fan_stages = FanStages(r.shown.lift_k);
  r.lines = ThermalResultLines(r.shown, r.fan_stages, in.decimal_separator);
  return r;
}

int FanStages(double lift_shown_k) {
  if (lift_shown_k <= kLiftPerFanK) return 1;
  if (lift_shown_k <= kMostFansInSeries * kLiftPerFanK) {
    return static_cast<int>(std::ceil(lift_shown_k / kLiftPerFanK));
  }
  return 0;
}

std::vector<std::string> ThermalResultLines(const ThermalFigures& shown, int fan_stages,
                                            char decimal_separator) {
  const char sep = decimal_separator;
  std::vector<std::string> lines;
  lines.reserve(7);
  lines.push_back(Concat({"物料沸点=", ShownNumber(shown.boiling_temperature_c, sep),
                          "℃，冷凝温度=", ShownNumber(shown.condensing_temperature_c, sep),
                          "℃，饱和温升=", ShownNumber(shown.lift_k, sep), "K"}));
  lines.push_back(Concat({"吸气压力=", ShownNumber(shown.suction_pressure_kpa, sep),
                          "kPa，排气压力=", ShownNumber(shown.discharge_pressure_kpa, sep),
                          "kPa，压缩比=", ShownNumber(shown.compression_ratio, sep)}));
  lines.push_back(
      Concat({"吸气量=", ShownNumber(shown.suction_volume_m3_per_h, sep),
              "m3/h，等熵压缩功=", ShownNumber(shown.isentropic_work_kj_per_kg, sep),
              "kJ/kg，排气温度=", ShownNumber(shown.discharge_temperature_c, sep), "℃"}));
  lines.push_back(Concat({"压缩机轴功率=", ShownNumber(shown.shaft_power_kw, sep),
                          "kW，电机功率=", ShownNumber(shown.motor_power_kw, sep), "kW，吨水电耗=",
                          ShownNumber(shown.specific_energy_kwh_per_t, sep), "kWh/t"}));
  lines.push_back(Concat({"喷水减温水量=", ShownNumber(shown.desuperheating_water_kg_per_h, sep),
                          "kg/h，加热器热负荷=", ShownNumber(shown.heater_duty_kw, sep),
                          "kW，换热面积=", ShownNumber(shown.heater_area_m2, sep), "m2"}));
  if (fan_stages == 1) {
    lines.emplace_back("压缩机：单级离心风机（每级饱和温升不大于8K）");
  } else if (fan_stages > 1) {
    lines.push_back(
        Concat({"压缩机：离心风机", ShownNumber(fan_stages), "级串联（每级饱和温升不大于8K）"}));
  } else {
    lines.emplace_back("压缩机：饱和温升超过24K，宜选多级压缩机或多效蒸发");
  }
  lines.emplace_back("未计管道压损、热损失和补充蒸汽");
  return lines;
}

}  // namespace vapentis
