#include "core/mvr/sizing_tool.h"

#include <array>
#include <utility>

#include "core/mvr/evaporator_sizing.h"

namespace vapentis {

namespace {

constexpr auto kApplicationNames = ListOf(kApplications, &Application::name);

constexpr std::array kInputs = {
    InputDescription{
        .key = kThroughputInput,
        .label = "处理量",
        .unit = "吨/小时",
        .start_text = "5",
        .hint = "每小时送入蒸发器的原液量",
        .valid = {0},
        .valid_note = "处理量不能为负",
    },
    InputDescription{
        .key = kFeedConcentrationInput,
        .label = "原液浓度",
        .unit = "%",
        .start_text = "10",
        .hint = "原液中溶质的质量分数；只有它与出料浓度之比参与计算",
        .valid = {0, 100},
        .valid_note = "质量分数在0到100%之间",
    },
    InputDescription{
        .key = kProductConcentrationInput,
        .label = "最终出料浓度",
        .unit = "%",
        .start_text = "40",
        .hint = "蒸发后出料中溶质的质量分数",
        .valid = {0, 100},
        .valid_note = "质量分数在0到100%之间",
    },
    InputDescription{
        .key = kApplicationInput,
        .label = "选择用途",
        .unit = "",
        .start_text = kApplicationNames.front(),
        .hint = "物料的用途，决定推荐形式、型号代码和耗电系数；列表以外的文字没有推荐形式，"
                "耗电量为0",
        .list = kApplicationNames,
    },
};

ToolOutcome Calculate(const InputTexts& in, char decimal_separator) {
  SizingResult r = SizeEvaporator({.throughput = in[kThroughputInput],
                                   .feed_concentration = in[kFeedConcentrationInput],
                                   .product_concentration = in[kProductConcentrationInput],
                                   .application = in[kApplicationInput],
                                   .decimal_separator = decimal_separator});
  return {{{"evaporation_t_per_h", r.evaporation_t_per_h},
           {"power_kwh_per_h", r.power_kwh_per_h},
           {"power_kwh_per_t", r.power_kwh_per_t}},
          std::move(r.lines)};
}

constexpr ToolDescription kTool{
    .name = "sizing",
    .menu_caption = "MVR蒸发器选型",
    .tab_caption = "MVR选型",
    .summary = "MVR蒸发器选型：蒸发量、推荐形式、型号、耗电量、占地和运行方式",
    .basis =
        "物料衡算 W = T × (1 − "
        "原液浓度/最终出料浓度)；耗电量、占地和运行方式按用途和蒸发量的经验数据估算",
    .inputs = kInputs,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& SizingTool() { return kTool; }

}  // namespace vapentis
