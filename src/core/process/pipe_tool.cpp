#include "core/process/pipe_tool.h"

#include <array>
#include <utility>

#include "core/process/pipe_diameter.h"

namespace vapentis {

namespace {

constexpr std::array kStates = {
    Choice{kSteamState, "饱和水蒸汽"},
    Choice{kLiquidState, "液体"},
};

// Where the pipe tool's own steam density, one band at every temperature, stays
// within 2 % of IAPWS-IF97, as scripts/accuracy measures it.
constexpr std::array kAccurateTemperatures = {Range{55, 105}};

constexpr std::array kInputs = {
    InputDescription{
        .key = kFluidStateInput,
        .label = "流体形态",
        .unit = "",
        .start_text = "",
        .hint = "饱和水蒸汽的密度由温度求出，液体的密度直接输入",
        .choices = kStates,
    },
    InputDescription{
        .key = kSteamTemperatureInput,
        .label = "水蒸汽温度",
        .unit = "℃",
        .unit_in_caption = UnitInCaption::FullWidthBrackets,
        .start_text = "100",
        .hint = "饱和水蒸汽的温度，由它求蒸汽密度。结果最后一行按IAPWS-IF97国际标准（0.01~"
                "350℃），供对照",
        .valid = {0.01, 373.946},
        .valid_note = "饱和蒸汽只在三相点0.01℃与临界点373.946℃之间存在",
        .accurate = kAccurateTemperatures,
        .accuracy = "蒸汽密度与IAPWS-IF97相差不超过2%",
        .read_when = {kFluidStateInput, kSteamState},
    },
    InputDescription{
        .key = kFlowInput,
        .label = "流体的流量",
        .unit = "kg/h",
        .unit_in_caption = UnitInCaption::FullWidthBrackets,
        .start_text = "5000",
        .hint = "流体的质量流量",
        .valid = {0},
        .valid_note = "流量不能为负",
    },
    InputDescription{
        .key = kVelocityInput,
        .label = "流体的流速",
        .unit = "m/s",
        .unit_in_caption = UnitInCaption::FullWidthBrackets,
        .start_text = "22",
        .hint = "蒸汽流速一般在20~40m/s之间，液体一般在1~2.5m/s之间。",
        .valid = {0},
        .valid_note = "流速不能为负",
    },
    InputDescription{
        .key = kDensityInput,
        .label = "实际密度",
        .unit = "kg/m3",
        .unit_in_caption = UnitInCaption::FullWidthBrackets,
        .start_text = "1000",
        .hint = "液体在操作温度下的密度",
        .valid = {0},
        .valid_note = "密度不能为负",
        .read_when = {kFluidStateInput, kLiquidState},
    },
};

FluidState StateOf(std::string_view text) {
  if (text == kSteamState) return FluidState::Steam;
  if (text == kLiquidState) return FluidState::Liquid;
  return FluidState::None;
}

ToolOutcome Calculate(const InputTexts& in, char decimal_separator) {
  PipeResult r = PipeDiameterResult({.state = StateOf(in[kFluidStateInput]),
                                     .temperature = in[kSteamTemperatureInput],
                                     .flow = in[kFlowInput],
                                     .velocity = in[kVelocityInput],
                                     .density = in[kDensityInput],
                                     .decimal_separator = decimal_separator});
  ToolOutcome out{{}, std::move(r.lines)};
  if (r.density_kg_per_m3) out.figures.push_back({"density_kg_per_m3", *r.density_kg_per_m3});
  out.figures.push_back({"diameter_mm", r.diameter_mm});
  // Steam sets the standard's density beside its own; a liquid's is typed.
  if (r.density_kg_per_m3) {
    out.reference_standard = "IAPWS-IF97";
    if (r.reference) {
      out.reference = {{"density_kg_m3", r.reference->density_kg_per_m3},
                       {"diameter_mm", r.reference->diameter_mm}};
    }
  }
  return out;
}

constexpr ToolDescription kTool{
    .name = "pipe",
    .menu_caption = "流体管径计算",
    .tab_caption = "流体管径",
    .summary = "流体管径：由流量、流速和密度求圆形管道直径",
    .basis =
        "圆管连续方程 d = 2000 × √(流量 ÷ 3600 ÷ 密度 ÷ 3.1415 ÷ 流速)；饱和水蒸汽密度按 Antoine "
        "蒸汽压关联式",
    .inputs = kInputs,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& PipeTool() { return kTool; }

}  // namespace vapentis
