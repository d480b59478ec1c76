#include "mvr/sizing_tool.h"

#include <array>
#include <utility>

#include "mvr/evaporator_sizing.h"

namespace vapentis {

namespace {

constexpr std::array kInputs = {
    InputDescription{
        .key = kThroughputInput,
        .caption = "处理量",
        .unit = "吨/小时",
        .start_text = "5",
        .hint = "每小时送入蒸发器的原液量",
        .valid = {0},
        .valid_note = "处理量不能为负",
    },
    InputDescription{
        .key = kFeedConcentrationInput,
        .caption = "原液浓度",
        .unit = "%",
        .start_text = "10",
        .hint = "原液中溶质的质量分数；只有它与出料浓度之比参与计算",
        .valid = {0, 100},
        .valid_note = "质量分数在0到100%之间",
    },
    InputDescription{
        .key = kProductConcentrationInput,
        .caption = "最终出料浓度",
        .unit = "%",
        .start_text = "40",
        .hint = "蒸发后出料中溶质的质量分数",
        .valid = {0, 100},
        .valid_note = "质量分数在0到100%之间",
    },
    InputDescription{
        .key = kApplicationInput,
        .caption = "选择用途",
        .unit = "",
        .start_text = "蒸发结晶",
        .hint = "物料的用途，决定推荐形式、型号代码和耗电系数；列表以外的文字没有推荐形式，"
                "耗电量为0",
        .list = kApplicationList,
    },
};

ToolOutcome Calculate(std::span<const std::string> texts, char decimal_separator) {
  SizingResult r = SizeEvaporator({texts[0], texts[1], texts[2], texts[3], decimal_separator});
  return {{{"evaporation_t_per_h", r.evaporation_t_per_h},
           {"power_kwh_per_h", r.power_kwh_per_h},
           {"power_kwh_per_t", r.power_kwh_per_t}},
          std::move(r.lines)};
}

constexpr ToolDescription kTool{
    .name = "sizing",
    .summary = "MVR蒸发器选型：蒸发量、推荐形式、型号、耗电量、占地和运行方式",
    .inputs = kInputs,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& SizingTool() { return kTool; }

}  // namespace vapentis
