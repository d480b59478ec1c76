#include "core/process/thermal_tool.h"

#include <array>
#include <utility>

#include "core/process/mvr_thermal.h"

namespace vapentis {

namespace {

// The figures are IAPWS-IF97's own over the whole domain; outside these ranges a
// conventional plant seldom runs, so the value is worth a second look.
constexpr std::string_view kUnusualForAPlant = "常规MVR装置很少在此范围以外运行，请核对";
constexpr Range kAboveZero{.low = 0, .low_open = true};

constexpr std::array kInputs = {
    InputDescription{
        .key = kEvaporationInput,
        .label = "蒸发量",
        .unit = "吨/小时",
        .start_text = "3.75",
        .hint = "每小时蒸发的水量；单套MVR装置多在0.1~200吨/小时之间",
        .valid = kAboveZero,
        .valid_note = kEvaporationNote,
        .usual = {0.1, 200},
        .usual_note = kUnusualForAPlant,
    },
    InputDescription{
        .key = kVapourTemperatureInput,
        .label = "二次蒸汽温度",
        .unit = "℃",
        .start_text = "70",
        .hint = "离开分离器的二次蒸汽的饱和温度；常规MVR装置多在40~110℃运行，低于40℃时吸气比容大，"
                "压缩机过于庞大",
        .valid = {0.01, 350},
        .valid_note = kVapourTemperatureNote,
        .usual = {40, 110},
        .usual_note = kUnusualForAPlant,
    },
    InputDescription{
        .key = kBoilingPointRiseInput,
        .label = "沸点升高",
        .unit = "K",
        .start_text = "3",
        .hint = "物料沸点比同压下水的沸点高出的温度；超过15K时压缩机温升过大，MVR难以经济运行",
        .valid = {0},
        .valid_note = kBoilingPointRiseNote,
        .usual = {0, 15},
        .usual_note = kUnusualForAPlant,
    },
    InputDescription{
        .key = kHeaterDifferenceInput,
        .label = "传热温差",
        .unit = "K",
        .start_text = "6",
        .hint = "加热器冷凝温度与物料沸点之差；一般取3~15K，温差小则面积大，温差大则电耗高",
        .valid = kAboveZero,
        .valid_note = kHeaterDifferenceNote,
        .usual = {3, 15},
        .usual_note = kUnusualForAPlant,
    },
    InputDescription{
        .key = kIsentropicEfficiencyInput,
        .label = "压缩机等熵效率",
        .unit = "",
        .start_text = "0.8",
        .hint = "小数，0.8 即 80%；离心风机一般为0.6~0.9",
        .valid = {.low = 0, .high = 1, .low_open = true},
        .valid_note = kIsentropicEfficiencyNote,
        .usual = {0.6, 0.9},
        .usual_note = kUnusualForAPlant,
    },
    InputDescription{
        .key = kDriveEfficiencyInput,
        .label = "电机及传动效率",
        .unit = "",
        .start_text = "0.95",
        .hint = "电机、变频器和传动的总效率，小数；一般为0.85~0.98",
        .valid = {.low = 0, .high = 1, .low_open = true},
        .valid_note = kDriveEfficiencyNote,
        .usual = {0.85, 0.98},
        .usual_note = kUnusualForAPlant,
    },
    InputDescription{
        .key = kHeatTransferCoefficientInput,
        .label = "总传热系数",
        .unit = "W/m2·K",
        .start_text = "1800",
        .hint =
            "加热器以换热面积计的总传热系数；蒸发器一般为300~4000W/m2·K，黏稠或易结垢的物料取低值",
        .valid = kAboveZero,
        .valid_note = kHeatTransferCoefficientNote,
        .usual = {300, 4000},
        .usual_note = kUnusualForAPlant,
    },
};

ToolOutcome Calculate(const InputTexts& in, char decimal_separator) {
  ThermalResult r = MvrThermalCheck({
      .evaporation = in[kEvaporationInput],
      .vapour_temperature = in[kVapourTemperatureInput],
      .boiling_point_rise = in[kBoilingPointRiseInput],
      .heater_difference = in[kHeaterDifferenceInput],
      .isentropic_efficiency = in[kIsentropicEfficiencyInput],
      .drive_efficiency = in[kDriveEfficiencyInput],
      .heat_transfer_coefficient = in[kHeatTransferCoefficientInput],
      .decimal_separator = decimal_separator,
  });
  const ThermalFigures& f = r.shown;
  return {{{"boiling_temperature_c", f.boiling_temperature_c},
           {"condensing_temperature_c", f.condensing_temperature_c},
           {"lift_k", f.lift_k},
           {"suction_pressure_kpa", f.suction_pressure_kpa},
           {"discharge_pressure_kpa", f.discharge_pressure_kpa},
           {"compression_ratio", f.compression_ratio},
           {"suction_volume_m3_per_h", f.suction_volume_m3_per_h},
           {"isentropic_work_kj_per_kg", f.isentropic_work_kj_per_kg},
           {"discharge_temperature_c", f.discharge_temperature_c},
           {"shaft_power_kw", f.shaft_power_kw},
           {"motor_power_kw", f.motor_power_kw},
           {"specific_energy_kwh_per_t", f.specific_energy_kwh_per_t},
           {"desuperheating_water_kg_per_h", f.desuperheating_water_kg_per_h},
           {"heater_duty_kw", f.heater_duty_kw},
           {"heater_area_m2", f.heater_area_m2},
           {"fan_stages", static_cast<double>(r.fan_stages)}},
          std::move(r.lines)};
}

constexpr ToolDescription kTool{
    .name = "thermal",
    .menu_caption = "MVR热力核算",
    .tab_caption = "热力核算",
    .summary = "MVR热力核算：压缩机温升、功率、吨水电耗和加热器面积（按IAPWS-IF97）",
    .basis =
        "按IAPWS-IF97：饱和压力取区4，吸气和排气蒸汽取区2（排气焓 = 吸气焓 + "
        "等熵压缩功 ÷ 等熵效率），冷凝水取区1；轴功率 = 蒸汽量 × 实际压缩功，"
        "换热面积 = 热负荷 ÷（总传热系数 × 传热温差）",
    .shown_beside = "sizing",
    .inputs = kInputs,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& ThermalTool() { return kTool; }

}  // namespace vapentis
