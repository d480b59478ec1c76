#include "cli/tools.h"

#include <array>
#include <utility>

#include "mvr/evaporator_sizing.h"

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

constexpr std::array kTools = {
    Tool{"sizing", "MVR蒸发器选型：蒸发量、推荐形式、型号、耗电量、占地和运行方式", kSizingInputs,
         RunSizing},
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
