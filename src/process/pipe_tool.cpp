#include "process/pipe_tool.h"

#include <array>
#include <utility>

#include "process/pipe_diameter.h"

namespace vapentis {

namespace {

constexpr std::array kStates = {
    Choice{"steam", "饱和水蒸汽"},
    Choice{"liquid", "液体"},
};

constexpr std::array kInputs = {
    InputDescription{
        .key = kFluidStateInput,
        .caption = "流体形态",
        .unit = "",
        .start_text = "",
        .hint = "饱和水蒸汽的密度由温度求出，液体的密度直接输入",
        .choices = kStates,
    },
    InputDescription{
        .key = kSteamTemperatureInput,
        .caption = "水蒸汽温度（℃）",
        .unit = "℃",
        .start_text = "100",
        .hint = "饱和水蒸汽的温度，由它求蒸汽密度",
        .valid = {0.01, 373.946},
        .valid_note = "饱和蒸汽只在三相点0.01℃与临界点373.946℃之间存在",
        .accurate = {55, 105},
        .accuracy = "蒸汽密度与IAPWS-IF97相差不超过2%",
        .read_when = {kFluidStateInput, "steam"},
    },
    InputDescription{
        .key = kFlowInput,
        .caption = "流体的流量（kg/h）",
        .unit = "kg/h",
        .start_text = "5000",
        .hint = "流体的质量流量",
        .valid = {0},
        .valid_note = "流量不能为负",
    },
    InputDescription{
        .key = kVelocityInput,
        .caption = "流体的流速（m/s）",
        .unit = "m/s",
        .start_text = "22",
        .hint = "蒸汽流速一般在20~40m/s之间，液体一般在1~2.5m/s之间。",
        .valid = {0},
        .valid_note = "流速不能为负",
    },
    InputDescription{
        .key = kDensityInput,
        .caption = "实际密度（kg/m3）",
        .unit = "kg/m3",
        .start_text = "1000",
        .hint = "液体在操作温度下的密度",
        .valid = {0},
        .valid_note = "密度不能为负",
        .read_when = {kFluidStateInput, "liquid"},
    },
};

FluidState StateOf(std::string_view text) {
  if (text == kStates[0].key) return FluidState::Steam;
  if (text == kStates[1].key) return FluidState::Liquid;
  return FluidState::None;
}

ToolOutcome Calculate(std::span<const std::string> texts, char decimal_separator) {
  PipeResult r = PipeDiameterResult(
      {StateOf(texts[0]), texts[1], texts[2], texts[3], texts[4], decimal_separator});
  ToolOutcome out{{}, std::move(r.lines)};
  if (r.density_kg_per_m3) out.figures.push_back({"density_kg_per_m3", *r.density_kg_per_m3});
  out.figures.push_back({"diameter_mm", r.diameter_mm});
  return out;
}

constexpr ToolDescription kTool{
    .name = "pipe",
    .summary = "流体管径：由流量、流速和密度求圆形管道直径",
    .inputs = kInputs,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& PipeTool() { return kTool; }

}  // namespace vapentis
