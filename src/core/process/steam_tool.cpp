#include "core/process/steam_tool.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "core/process/steam_properties.h"

namespace vapentis {

namespace {

constexpr std::string_view kIf97 = "IAPWS-IF97";

constexpr std::array kModes = {
    Choice{kPressureMode, "以压力为准"},
    Choice{kTemperatureMode, "以温度为准"},
};

// Where density and latent heat stay within 2 % of IAPWS-IF97, as scripts/accuracy
// measures it: the correlation's density bands change at 125 and 140 ℃, and the
// first band runs 5 % high just below 125 ℃.
constexpr std::array kAccuratePressures = {Range{0.016, 0.12}, Range{0.24, 0.7}};
constexpr std::array kAccurateTemperatures = {Range{55, 105}, Range{126, 165}};

constexpr std::array kInputs = {
    InputDescription{
        .key = kSteamModeInput,
        .label = "已知量",
        .unit = "",
        .start_text = kPressureMode,
        .hint = "由压力求温度，或由温度求压力",
        .choices = kModes,
        .choice_required = true,
    },
    InputDescription{
        .key = kPressureInput,
        .label = "饱和蒸汽压力",
        .unit = "MPa",
        .unit_in_caption = UnitInCaption::AsciiBrackets,
        .start_text = "0.1013",
        .hint = "饱和蒸汽的绝对压力。结果最后一行按IAPWS-IF97国际标准"
                "（0.000611657~16.5291MPa），供对照",
        .valid = {0.000611657, 22.064},
        .valid_note = "饱和蒸汽只在三相点0.000611657MPa与临界点22.064MPa之间存在",
        .accurate = kAccuratePressures,
        .accuracy = "密度和潜热与IAPWS-IF97相差不超过2%",
        .read_when = {kSteamModeInput, kPressureMode},
    },
    InputDescription{
        .key = kTemperatureInput,
        .label = "饱和蒸汽温度",
        .unit = "℃",
        .unit_in_caption = UnitInCaption::FullWidthBrackets,
        .start_text = "100",
        .hint = "饱和蒸汽的温度。结果最后一行按IAPWS-IF97国际标准（0.01~350℃），供对照",
        .valid = {0.01, 373.946},
        .valid_note = "饱和蒸汽只在三相点0.01℃与临界点373.946℃之间存在",
        .accurate = kAccurateTemperatures,
        .accuracy = "密度和潜热与IAPWS-IF97相差不超过2%",
        .read_when = {kSteamModeInput, kTemperatureMode},
    },
};

// The mode is required: the presenter asks for it before calculating.
SteamMode ModeOf(std::string_view text) {
  if (text == kPressureMode) return SteamMode::Pressure;
  if (text == kTemperatureMode) return SteamMode::Temperature;
  throw std::logic_error("steam mode not chosen");
}

ToolOutcome Calculate(const InputTexts& in, char decimal_separator) {
  const SteamMode mode = ModeOf(in[kSteamModeInput]);
  SteamResult r = SteamPropertiesResult({.mode = mode,
                                         .pressure = in[kPressureInput],
                                         .temperature = in[kTemperatureInput],
                                         .decimal_separator = decimal_separator});
  ToolOutcome out{{{"temperature_c", r.temperature_c},
                   {"pressure_mpa", r.pressure_mpa},
                   {"density_kg_per_m3", r.density_kg_per_m3},
                   {"latent_heat_kj_per_kg", r.latent_heat_kj_per_kg}},
                  std::move(r.lines),
                  kIf97};
  if (r.reference) {
    const SteamReference& ref = *r.reference;
    out.reference = {mode == SteamMode::Pressure ? Figure{"temperature_c", ref.temperature_c}
                                                 : Figure{"pressure_mpa", ref.pressure_mpa},
                     {"density_kg_m3", ref.density_kg_per_m3},
                     {"latent_heat_kj_kg", ref.latent_heat_kj_per_kg}};
  }
  return out;
}

constexpr ToolDescription kTool{
    .name = "steam",
    .menu_caption = "低压饱和蒸汽性质",
    .tab_caption = "低压饱和蒸汽",
    .summary = "低压饱和蒸汽性质：由压力求温度或由温度求压力，以及密度和潜热",
    .basis = "Antoine 蒸汽压关联式；密度按饱和压力分温度段线性估算，潜热按温度线性估算",
    .inputs = kInputs,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& SteamTool() { return kTool; }

}  // namespace vapentis
