#include "core/sheet/running_cost.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "core/mvr/sizing_tool.h"
#include "core/numeric/numeric.h"

namespace vapentis {

namespace {

constexpr double kHoursPerYear = 8760;

constexpr std::array kAssumptions = {
    InputDescription{
        .key = kElectricityPriceInput,
        .label = "电价",
        .unit = "元/kWh",
        .start_text = "0.7",
        .hint = "客户的电价，用于计算MVR蒸发器的电费",
        .valid = {0},
        .valid_note = "电价不能为负",
    },
    InputDescription{
        .key = kSteamPriceInput,
        .label = "蒸汽价格",
        .unit = "元/t",
        .start_text = "200",
        .hint = "客户的生蒸汽价格，用于计算多效蒸发的蒸汽费",
        .valid = {0},
        .valid_note = "蒸汽价格不能为负",
    },
    InputDescription{
        .key = kSteamPerTonInput,
        .label = "多效蒸发汽耗",
        .unit = "t蒸汽/t水",
        .start_text = "0.4",
        .hint = "多效蒸发每蒸发1吨水消耗的生蒸汽量；0.4约为三效蒸发",
        .valid = {0},
        .valid_note = "汽耗不能为负",
    },
    InputDescription{
        .key = kHoursInput,
        .label = "年运行时间",
        .unit = "h",
        .start_text = "7200",
        .hint = "装置每年运行的小时数",
        .valid = {0, kHoursPerYear},
        .valid_note = "一年只有8760小时，运行时间也不能为负",
    },
};

struct Assumptions {
  double electricity_price;
  double steam_price;
  double steam_per_ton;
  double hours;
};

// An assumption's value; unlike a tool's input, one outside its valid range is
// refused where `refuse` says so, since a negative price would only print a
// plausible-looking saving.
double ReadAssumption(const InputTexts& texts, std::string_view key, char decimal_separator,
                      bool refuse) {
  const double value = ParseInput(texts[key], key, decimal_separator);
  const InputDescription& input = *FindReadInput(texts.tool(), key);
  if (refuse && !input.valid.Contains(value)) {
    throw RefusedValue(key, input.valid_note);
  }
  return value;
}

Assumptions ReadAssumptions(const InputTexts& texts, char decimal_separator, bool refuse) {
  return {
      .electricity_price = ReadAssumption(texts, kElectricityPriceInput, decimal_separator, refuse),
      .steam_price = ReadAssumption(texts, kSteamPriceInput, decimal_separator, refuse),
      .steam_per_ton = ReadAssumption(texts, kSteamPerTonInput, decimal_separator, refuse),
      .hours = ReadAssumption(texts, kHoursInput, decimal_separator, refuse),
  };
}

// Read as a tool's inputs are: a value outside its range gets the presenter's warning.
ToolOutcome CalculateAssumptions(const InputTexts& texts, char decimal_separator) {
  const Assumptions a = ReadAssumptions(texts, decimal_separator, false);
  return {{{"electricity_price_yuan_per_kwh", a.electricity_price},
           {"steam_price_yuan_per_t", a.steam_price},
           {"steam_per_ton_t_per_t", a.steam_per_ton},
           {"hours_h_per_year", a.hours}},
          {}};
}

constexpr ToolDescription kDescription{
    .name = "running_cost",
    .menu_caption = "运行费用估算",
    .tab_caption = "运行费用估算",
    .summary = "运行费用估算：MVR电费与多效蒸发蒸汽费的比较，按小时、吨料液和年计",
    .basis =
        "MVR电费 = 每小时耗电量 × 电价；多效蒸发蒸汽费 = 蒸发量 × 多效蒸发汽耗 × "
        "蒸汽价格；吨料液费用除以处理量，年费用乘以年运行时间",
    .inputs = kAssumptions,
    .calculate = CalculateAssumptions,
};

double FigureOf(const ToolOutcome& outcome, std::string_view name) {
  for (const Figure& figure : outcome.figures) {
    if (figure.name == name) return figure.value;
  }
  throw std::logic_error("the sizing gives no figure " + std::string(name));
}

// One line of the cost: "MVR电费=125.4元/小时", its figure rounded to `places`.
struct CostLine {
  std::string_view figure;
  std::string_view label;
  std::string_view unit;
  int places;
};

constexpr std::array<CostLine, 7> kCostLines = {{
    {"mvr_electricity_yuan_per_h", "MVR电费", "元/小时", 1},
    {"mvr_electricity_yuan_per_t", "MVR吨料液电费", "元/吨", 2},
    {"mvr_electricity_10k_yuan_per_year", "MVR年电费", "万元", 1},
    {"multi_effect_steam_yuan_per_h", "多效蒸发蒸汽费", "元/小时", 1},
    {"multi_effect_steam_yuan_per_t", "多效蒸发吨料液蒸汽费", "元/吨", 2},
    {"multi_effect_steam_10k_yuan_per_year", "多效蒸发年蒸汽费", "万元", 1},
    {"saving_10k_yuan_per_year", "采用MVR年节约", "万元", 1},
}};

}  // namespace

const ToolDescription& RunningCostDescription() { return kDescription; }

SizingBasis SizingBasisOf(const InputTexts& sizing_texts, const ToolOutcome& sizing,
                          char decimal_separator) {
  const InputDescription& application = *FindReadInput(SizingTool(), kApplicationInput);
  const std::string& text = sizing_texts[kApplicationInput];
  return {
      .throughput_t_per_h =
          ParseInput(sizing_texts[kThroughputInput], kThroughputInput, decimal_separator),
      .evaporation_t_per_h = FigureOf(sizing, "evaporation_t_per_h"),
      .power_kwh_per_h = FigureOf(sizing, "power_kwh_per_h"),
      .listed_application = std::find(application.list.begin(), application.list.end(), text) !=
                            application.list.end(),
  };
}

ToolOutcome RunningCost(const SizingBasis& sizing, const InputTexts& assumptions,
                        char decimal_separator) {
  const Assumptions a = ReadAssumptions(assumptions, decimal_separator, true);
  // Without the application's coefficients P is 0, and MVR would look free.
  if (!sizing.listed_application) return {{}, {"运行费用：请选择列表中的用途"}};
  if (!(sizing.evaporation_t_per_h > 0)) return {{}, {"运行费用：蒸发量不大于零，不作估算"}};

  const double t = sizing.throughput_t_per_h;
  Checked c;
  const double mvr_per_h = c.mul(sizing.power_kwh_per_h, a.electricity_price);
  c.check();
  const double mvr_per_t = c.div(mvr_per_h, t);
  c.check();
  const double mvr_per_year = c.div(c.mul(mvr_per_h, a.hours), 1e4);
  c.check();
  const double steam_per_h =
      c.mul(c.mul(sizing.evaporation_t_per_h, a.steam_per_ton), a.steam_price);
  c.check();
  const double steam_per_t = c.div(steam_per_h, t);
  c.check();
  const double steam_per_year = c.div(c.mul(steam_per_h, a.hours), 1e4);
  c.check();
  // From the yearly figures before rounding, so the saving is not off by a rounding of each.
  const double saving_per_year = c.sub(steam_per_year, mvr_per_year);
  c.check();

  const std::array<double, kCostLines.size()> values = {
      mvr_per_h, mvr_per_t, mvr_per_year, steam_per_h, steam_per_t, steam_per_year, saving_per_year,
  };
  ToolOutcome outcome;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const CostLine& line = kCostLines[i];
    const double shown = RoundHalfEven(values[i], line.places);
    outcome.figures.push_back({line.figure, shown});
    outcome.lines.push_back(std::string(line.label) + "=" + NumberText(shown, decimal_separator) +
                            std::string(line.unit));
  }
  return outcome;
}

}  // namespace vapentis
