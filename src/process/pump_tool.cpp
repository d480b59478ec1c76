#include "process/pump_tool.h"

#include <array>
#include <utility>

#include "process/pump_power.h"

namespace vapentis {

namespace {

constexpr std::array kInputs = {
    InputDescription{
        .key = kPumpFlowInput,
        .caption = "流量（m3/h）",
        .unit = "m3/h",
        .start_text = "100",
        .hint = "泵的体积流量",
        .valid = {0},
        .valid_note = "流量不能为负",
    },
    InputDescription{
        .key = kHeadInput,
        .caption = "扬程（m）",
        .unit = "m",
        .start_text = "30",
        .hint = "泵需要提供的扬程",
        .valid = {0},
        .valid_note = "扬程不能为负",
    },
    InputDescription{
        .key = kSpecificGravityInput,
        .caption = "比重",
        .unit = "",
        .start_text = "1.4",
        .hint = "液体密度与水的密度之比",
        .valid = {0},
        .valid_note = "比重不能为负",
    },
    InputDescription{
        .key = kEfficiencyInput,
        .caption = "泵的效率",
        .unit = "",
        .start_text = "0.6",
        .hint = "小数，0.6 即 60%",
        .valid = {0, 1},
        .valid_note = "效率是小数，0.6 即 60%",
    },
    InputDescription{
        .key = kSafetyFactorInput,
        .caption = "安全系数",
        .unit = "",
        .start_text = "1.25",
        .hint = "轴功率乘以的倍数，为电机留出余量",
        .valid = {1},
        .valid_note = "安全系数小于1会使功率低于计算值",
    },
};

ToolOutcome Calculate(std::span<const std::string> texts, char decimal_separator) {
  PumpResult r = PumpPower({texts[0], texts[1], texts[2], texts[3], texts[4], decimal_separator});
  return {{{"power_kw", r.power_kw}}, std::move(r.lines)};
}

constexpr ToolDescription kTool{
    .name = "pump",
    .summary = "离心泵功率：由流量、扬程、比重、效率和安全系数求计算功率",
    .inputs = kInputs,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& PumpTool() { return kTool; }

}  // namespace vapentis
