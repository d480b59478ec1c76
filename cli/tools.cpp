#include "cli/tools.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <utility>

#include "mvr/evaporator_sizing.h"
#include "process/exchanger_layout.h"
#include "process/pipe_diameter.h"
#include "process/pump_power.h"
#include "process/steam_properties.h"
#include "reference/channel_steel.h"

namespace vapentis::cli {

namespace {

constexpr std::array kSizingInputs = {
    InputSpec{"throughput", "处理量，吨/小时（t/h）", "5", kThroughputInput},
    InputSpec{"feed", "原液浓度，%（只有与出料浓度之比参与计算）", "10", kFeedConcentrationInput},
    InputSpec{"product", "最终出料浓度，%", "40", kProductConcentrationInput},
    InputSpec{"application",
              "用途：蒸发结晶、废水零排放、垃圾渗滤液、化工行业、危废行业、中药浓缩、食品行业"
              "（其他文字没有推荐形式，耗电量为0）",
              "蒸发结晶"},
};

ToolOutput RunSizing(std::span<const std::string> t) {
  SizingResult r = SizeEvaporator({t[0], t[1], t[2], t[3]});
  return {{{"evaporation_t_per_h", r.evaporation_t_per_h},
           {"power_kwh_per_h", r.power_kwh_per_h},
           {"power_kwh_per_t", r.power_kwh_per_t}},
          std::move(r.lines),
          {}};
}

constexpr std::array<std::string_view, 2> kSteamModes = {"pressure", "temperature"};

constexpr std::array kSteamInputs = {
    InputSpec{
        "mode", "以压力为准（pressure）或以温度为准（temperature）", "pressure", {}, kSteamModes},
    InputSpec{"pressure", "饱和蒸汽压力，MPa（只在 pressure 模式读取）", "0.1013", kPressureInput},
    InputSpec{"temperature", "饱和蒸汽温度，℃（只在 temperature 模式读取）", "100",
              kTemperatureInput},
};

ToolOutput RunSteam(std::span<const std::string> t) {
  const SteamMode mode = t[0] == kSteamModes[0]   ? SteamMode::Pressure
                         : t[0] == kSteamModes[1] ? SteamMode::Temperature
                                                  : SteamMode::None;
  // The options admit only the two modes, so there is always a result.
  std::optional<SteamResult> r = SteamPropertiesResult({mode, t[1], t[2]});
  if (!r) throw std::logic_error("steam mode not chosen: " + t[0]);
  return {{{"temperature_c", r->temperature_c},
           {"pressure_mpa", r->pressure_mpa},
           {"density_kg_per_m3", r->density_kg_per_m3},
           {"latent_heat_kj_per_kg", r->latent_heat_kj_per_kg}},
          std::move(r->lines),
          {}};
}

// The window starts with no state chosen; steam suits its start texts (22 m/s
// lies in the steam range of 20 to 40 m/s, far above a liquid's 1 to 2.5 m/s).
constexpr std::array<std::string_view, 2> kFluidStates = {"steam", "liquid"};

constexpr std::array kPipeInputs = {
    InputSpec{"state", "流体形态：steam 饱和水蒸汽，liquid 液体", "steam", {}, kFluidStates},
    InputSpec{"temperature", "水蒸汽温度，℃（只在 steam 时读取）", "100", kSteamTemperatureInput},
    InputSpec{"flow", "流体的流量，kg/h", "5000", kFlowInput},
    InputSpec{"velocity", "流体的流速，m/s（蒸汽一般在20~40，液体一般在1~2.5）", "22",
              kVelocityInput},
    InputSpec{"density", "实际密度，kg/m3（只在 liquid 时读取）", "1000", kDensityInput},
};

ToolOutput RunPipe(std::span<const std::string> t) {
  const FluidState state = t[0] == kFluidStates[0]   ? FluidState::Steam
                           : t[0] == kFluidStates[1] ? FluidState::Liquid
                                                     : FluidState::None;
  if (state == FluidState::None) throw std::logic_error("fluid state not chosen: " + t[0]);
  PipeResult r = PipeDiameterResult({state, t[1], t[2], t[3], t[4]});
  ToolOutput out{{}, std::move(r.lines), {}};
  if (r.density_kg_per_m3) out.figures.push_back({"density_kg_per_m3", *r.density_kg_per_m3});
  out.figures.push_back({"diameter_mm", r.diameter_mm});
  return out;
}

constexpr std::array kPumpInputs = {
    InputSpec{"flow", "流量，m3/h", "100", kPumpFlowInput},
    InputSpec{"head", "扬程，m", "30", kHeadInput},
    InputSpec{"specific_gravity", "比重（相对于水）", "1.4", kSpecificGravityInput},
    InputSpec{"efficiency", "泵的效率，小数（0.6 即 60%）", "0.6", kEfficiencyInput},
    InputSpec{"safety_factor", "安全系数，倍数", "1.25", kSafetyFactorInput},
};

ToolOutput RunPump(std::span<const std::string> t) {
  PumpResult r = PumpPower({t[0], t[1], t[2], t[3], t[4]});
  return {{{"power_kw", r.power_kw}}, std::move(r.lines), {}};
}

constexpr std::array kExchangerInputs = {
    InputSpec{"area", "换热面积，m2", "90", kAreaInput},
    InputSpec{"tube_diameter", "换热管外径，mm", "38", kTubeDiameterInput},
    InputSpec{"tube_length", "换热管长度，m", "6", kTubeLengthInput},
};

ToolOutput RunExchanger(std::span<const std::string> t) {
  ExchangerResult r = ExchangerLayout({t[0], t[1], t[2]});
  return {{{"tube_count", r.tube_count}, {"shell_diameter_mm", r.shell_diameter_mm}},
          std::move(r.lines),
          {}};
}

constexpr std::array kChannelInputs = {
    InputSpec{"designation",
              "槽钢规格，区分大小写：20a 5 6.3 8 10 12 14a 14b 16a 16b 18a 18b 20b 22a 22b 25a "
              "25b 25c 28a 28b 28c 32a 32b 32c 36a 36b 36c 40a 40b 40c",
              "20a"},
};

ToolOutput RunChannel(std::span<const std::string> t) {
  const ChannelSize* row = LookupChannel(t[0]);
  ToolOutput out{{}, ChannelResultText(row), {}};
  if (row == nullptr) {
    // The window shows the labels without values; say why, as a script cannot see it.
    out.notice = "没有规格为“" + t[0] + "”的槽钢，结果中没有数值";
  } else {
    out.figures = {{"h_mm", static_cast<double>(row->h_mm)},
                   {"b_mm", static_cast<double>(row->b_mm)},
                   {"mass_kg_per_m", row->mass_kg_per_m}};
  }
  return out;
}

constexpr std::array kTools = {
    Tool{"sizing", "MVR蒸发器选型：蒸发量、推荐形式、型号、耗电量、占地和运行方式", kSizingInputs,
         RunSizing},
    Tool{"steam", "低压饱和蒸汽性质：由压力求温度或由温度求压力，以及密度和潜热", kSteamInputs,
         RunSteam},
    Tool{"pipe", "流体管径：由流量、流速和密度求圆形管道直径", kPipeInputs, RunPipe},
    Tool{"pump", "离心泵功率：由流量、扬程、比重、效率和安全系数求计算功率", kPumpInputs, RunPump},
    Tool{"exchanger", "管壳式换热器：由换热面积、管外径和管长求换热管数量和筒体直径",
         kExchangerInputs, RunExchanger},
    Tool{"channel", "国标槽钢查询：背高h、腰厚b和每米重量", kChannelInputs, RunChannel},
};

}  // namespace

std::span<const Tool> Tools() { return kTools; }

const Tool* FindTool(std::string_view name) {
  for (const Tool& tool : kTools) {
    if (tool.name == name) return &tool;
  }
  return nullptr;
}

std::string OptionName(const InputSpec& input) {
  std::string option = "--";
  for (const char c : input.key) option.push_back(c == '_' ? '-' : c);
  return option;
}

std::string_view InputKeyOfFailure(const Tool& tool, std::string_view core_name) {
  if (core_name.empty()) return {};
  for (const InputSpec& input : tool.inputs) {
    if (input.core_name == core_name || input.key == core_name) return input.key;
  }
  return core_name;
}

}  // namespace vapentis::cli
