#include "core/process/pump_tool.h"

#include <array>
#include <utility>

#include "core/process/pump_power.h"

namespace vapentis {

namespace {

constexpr std::array kInputs = {
    InputDescription{
        .key = kPumpFlowInput,
        .label = "流量",
        .unit = "m3/h",
        .unit_in_caption = UnitInCaption::FullWidthBrackets,
        .start_text = "100",
        .hint = "泵的体积流量",
        .valid = {0},
        .valid_note = "流量不能为负",
    },
    InputDescription{
        .key = kHeadInput,
        .label = "扬程",
        .unit = "m",
        .unit_in_caption = UnitInCaption::FullWidthBrackets,
        .start_text = "30",
        .hint = "泵需要提供的扬程",
        .valid = {0},
        .valid_note = "扬程不能为负",
    },
    InputDescription{
        .key = kSpecificGravityInput,
        .label = "比重",
        .unit = "",
        .start_text = "1.4",
        .hint = "液体密度与水的密度之比",
        .valid = {0},
        .valid_note = "比重不能为负",
    },
    InputDescription{
        .key = kEfficiencyInput,
        .label = "泵的效率",
        .unit = "",
        .start_text = "0.6",
        .hint = "小数，0.6 即 60%",
        .valid = {0, 1},
        .valid_note = "效率是小数，0.6 即 60%",
    },
    InputDescription{
        .key = kSafetyFactorInput,
        .label = "安全系数",
        .unit = "",
        .start_text = "1.25",
        .hint = "轴功率乘以的倍数，为电机留出余量",
        .valid = {1},
        .valid_note = "安全系数小于1会使功率低于计算值",
    },
};

ToolOutcome Calculate(const InputTexts& in, char decimal_separator) {
  PumpResult r = PumpPower({.flow = in[kPumpFlowInput],
                            .head = in[kHeadInput],
                            .specific_gravity = in[kSpecificGravityInput],
                            .efficiency = in[kEfficiencyInput],
                            .safety_factor = in[kSafetyFactorInput],
                            .decimal_separator = decimal_separator});
  return {{{"power_kw", r.power_kw}}, std::move(r.lines)};
}

constexpr ToolDescription kTool{
    .name = "pump",
    .menu_caption = "离心泵功率",
    .tab_caption = "离心泵",
    .summary = "离心泵功率：由流量、扬程、比重、效率和安全系数求计算功率",
    .basis = "轴功率 P = 流量 × 扬程 × 比重 × 9.81 ÷ 3600 ÷ 效率 × 安全系数",
    .inputs = kInputs,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& PumpTool() { return kTool; }

}  // namespace vapentis
