#include "core/process/exchanger_tool.h"

#include <array>
#include <utility>

#include "core/process/exchanger_layout.h"

namespace vapentis {

namespace {

constexpr std::array kInputs = {
    InputDescription{
        .key = kAreaInput,
        .label = "换热面积",
        .unit = "m2",
        .unit_in_caption = UnitInCaption::FullWidthBrackets,
        .start_text = "90",
        .hint = "按换热管外表面计的换热面积",
        .valid = {0},
        .valid_note = "换热面积不能为负",
    },
    InputDescription{
        .key = kTubeDiameterInput,
        .label = "换热管外径",
        .unit = "mm",
        .start_text = "38",
        .hint = "换热管的外径",
        .valid = {0},
        .valid_note = "管径不能为负",
    },
    InputDescription{
        .key = kTubeLengthInput,
        .label = "换热管长度",
        .unit = "m",
        .unit_in_caption = UnitInCaption::FullWidthBrackets,
        .start_text = "6",
        .hint = "每根换热管的长度",
        .valid = {0},
        .valid_note = "管长不能为负",
    },
};

// Shown beside the inputs for the engineer's reference; the layout assumes both.
constexpr std::array kShownOnly = {
    InputDescription{
        .key = kArrangementInput,
        .label = "排列方式",
        .unit = "",
        .start_text = kArrangementList.front(),
        .hint = "参考值：计算按正三角形排列",
        .list = kArrangementList,
    },
    InputDescription{
        .key = kPitchInput,
        .label = "管中心距",
        .unit = "mm",
        .start_text = "48",
        .hint = "参考值：计算按 1.25 倍管外径",
    },
};

ToolOutcome Calculate(const InputTexts& in, char decimal_separator) {
  ExchangerResult r = ExchangerLayout({.area = in[kAreaInput],
                                       .tube_diameter = in[kTubeDiameterInput],
                                       .tube_length = in[kTubeLengthInput],
                                       .decimal_separator = decimal_separator});
  return {{{"tube_count", r.tube_count}, {"shell_diameter_mm", r.shell_diameter_mm}},
          std::move(r.lines)};
}

constexpr ToolDescription kTool{
    .name = "exchanger",
    .menu_caption = "管壳式换热器",
    .tab_caption = "管壳换热器",
    .summary = "管壳式换热器：由换热面积、管外径和管长求换热管数量和筒体直径",
    .basis =
        "换热管数量 N = 换热面积 ÷ (3.14 × 管外径/1000 × 管长) + 1；"
        "筒体直径按正三角形排列、管中心距 1.25 倍管外径估算",
    .inputs = kInputs,
    .shown_only = kShownOnly,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& ExchangerTool() { return kTool; }

}  // namespace vapentis
