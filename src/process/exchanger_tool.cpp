#include "process/exchanger_tool.h"

#include <array>
#include <utility>

#include "process/exchanger_layout.h"

namespace vapentis {

namespace {

constexpr std::array kInputs = {
    InputDescription{
        .key = kAreaInput,
        .caption = "换热面积（m2）",
        .unit = "m2",
        .start_text = "90",
        .hint = "按换热管外表面计的换热面积",
        .valid = {0},
        .valid_note = "换热面积不能为负",
    },
    InputDescription{
        .key = kTubeDiameterInput,
        .caption = "换热管外径",
        .unit = "mm",
        .start_text = "38",
        .hint = "换热管的外径",
        .valid = {0},
        .valid_note = "管径不能为负",
    },
    InputDescription{
        .key = kTubeLengthInput,
        .caption = "换热管长度（m）",
        .unit = "m",
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
        .caption = "排列方式",
        .unit = "",
        .start_text = "正三角形",
        .hint = "参考值：计算按正三角形排列",
        .list = kArrangementList,
    },
    InputDescription{
        .key = kPitchInput,
        .caption = "管中心距",
        .unit = "mm",
        .start_text = "48",
        .hint = "参考值：计算按 1.25 倍管外径",
    },
};

ToolOutcome Calculate(std::span<const std::string> texts, char decimal_separator) {
  ExchangerResult r = ExchangerLayout({texts[0], texts[1], texts[2], decimal_separator});
  return {{{"tube_count", r.tube_count}, {"shell_diameter_mm", r.shell_diameter_mm}},
          std::move(r.lines)};
}

constexpr ToolDescription kTool{
    .name = "exchanger",
    .summary = "管壳式换热器：由换热面积、管外径和管长求换热管数量和筒体直径",
    .inputs = kInputs,
    .shown_only = kShownOnly,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& ExchangerTool() { return kTool; }

}  // namespace vapentis
