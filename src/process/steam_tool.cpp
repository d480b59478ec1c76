#include "process/steam_tool.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "process/steam_properties.h"

namespace vapentis {

namespace {

constexpr std::array kModes = {
    Choice{"pressure", "以压力为准"},
    Choice{"temperature", "以温度为准"},
};

constexpr std::array kInputs = {
    InputDescription{
        .key = kSteamModeInput,
        .caption = "计算依据",
        .unit = "",
        .start_text = "pressure",
        .hint = "由压力求温度，或由温度求压力",
        .choices = kModes,
        .choice_required = true,
    },
    InputDescription{
        .key = kPressureInput,
        .caption = "饱和蒸汽压力(MPa)",
        .unit = "MPa",
        .start_text = "0.1013",
        .hint = "饱和蒸汽的绝对压力",
        .valid = {0.000611657, 22.064},
        .valid_note = "饱和蒸汽只在三相点0.000611657MPa与临界点22.064MPa之间存在",
        .accurate = {0.016, 0.12},
        .accuracy = "密度和潜热与IAPWS-IF97相差不超过2%",
        .read_when = {kSteamModeInput, "pressure"},
    },
    InputDescription{
        .key = kTemperatureInput,
        .caption = "饱和蒸汽温度（℃）",
        .unit = "℃",
        .start_text = "100",
        .hint = "饱和蒸汽的温度",
        .valid = {0.01, 373.946},
        .valid_note = "饱和蒸汽只在三相点0.01℃与临界点373.946℃之间存在",
        .accurate = {55, 105},
        .accuracy = "密度和潜热与IAPWS-IF97相差不超过2%",
        .read_when = {kSteamModeInput, "temperature"},
    },
};

SteamMode ModeOf(std::string_view text) {
  if (text == kModes[0].key) return SteamMode::Pressure;
  if (text == kModes[1].key) return SteamMode::Temperature;
  throw std::invalid_argument("steam mode not chosen");
}

ToolOutcome Calculate(std::span<const std::string> texts, char decimal_separator) {
  std::optional<SteamResult> r =
      SteamPropertiesResult({ModeOf(texts[0]), texts[1], texts[2], decimal_separator});
  return {{{"temperature_c", r->temperature_c},
           {"pressure_mpa", r->pressure_mpa},
           {"density_kg_per_m3", r->density_kg_per_m3},
           {"latent_heat_kj_per_kg", r->latent_heat_kj_per_kg}},
          std::move(r->lines)};
}

constexpr ToolDescription kTool{
    .name = "steam",
    .summary = "低压饱和蒸汽性质：由压力求温度或由温度求压力，以及密度和潜热",
    .inputs = kInputs,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& SteamTool() { return kTool; }

}  // namespace vapentis
