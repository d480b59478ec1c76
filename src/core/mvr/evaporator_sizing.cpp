#include "core/mvr/evaporator_sizing.h"

#include <array>
#include <limits>
#include <optional>

#include "core/numeric/numeric.h"

namespace vapentis {

namespace {

// A band holds W strictly between its bounds; the first band that holds W wins.
struct Band {
  double above_t_per_h;
  double below_t_per_h;
  std::string_view text;
};

constexpr double kNoUpperBound = std::numeric_limits<double>::infinity();

// The power estimate's experience factors, per t/h of evaporation: the main power is
// N × 2.5 × the size factor, the auxiliary power k × 5. Below about 2.18 t/h a plant
// draws more per ton, so its size factor is the larger.
struct PowerFactors {
  double small_plant_below_t_per_h = 2.1777;
  double small_plant_size_factor = 1.28;
  double large_plant_size_factor = 0.9;
  double main_per_coefficient = 2.5;
  double auxiliary_per_factor = 5;
};
constexpr PowerFactors kPower;
// Where forced circulation gives way to falling film with forced circulation; W carries two
// decimals, so 15.53 t/h stays below the first bound and 15.54 lies above the second.
constexpr double kForcedCirculationBelowTPerH = 15.5321;
constexpr double kFallingFilmAboveTPerH = 15.532113;

constexpr std::array<Band, 15> kFootprints = {{
    {0, 0.643, "4米x3米x（2.5~4）米"},
    {0.643, 0.943, "5米x3米x（4~5）米"},
    {0.943, 1.643, "6米x4米x（5~6）米"},
    {1.643, 2.333, "6米x5米x（6~7）米"},
    {2.333, 4.333, "7米x6米x（7~8）米"},
    {4.333, 6.333, "8米x7米x(8~10)米"},
    {6.333, 8.333, "10米x9米x(9~12)米"},
    {8.333, 12.333, "12米x11米x(12~14)米"},
    {12.333, 15.333, "14米x11米x(12~14)米"},
    {15.333, 20.333, "16米x13米x(14~17)米"},
    {20.333, 25.333, "16米x15米x(17~20)米"},
    {25.333, 30.333, "18米x15米x(17~20)米"},
    {30.333, 35.333, "20米x16米x(18~22)米"},
    {35.333, 40.333, "20米x20米x(22~29)米"},
    {40.333, kNoUpperBound, "按实际设计"},
}};

constexpr std::array<Band, 4> kStaffing = {{
    {0, 12.4454, "全自动，蒸发系统只需操作人员1名"},
    {12.4454, 25.3322, "全自动，蒸发系统只需操作人员2名"},
    {25.3322, 80.3233, "全自动，蒸发系统只需操作人员3名"},
    {80.3233, kNoUpperBound, "全自动，蒸发系统只需操作人员4名"},
}};

template <std::size_t N>
std::string_view BandText(const std::array<Band, N>& bands, double w) {
  for (const Band& band : bands) {
    if (w > band.above_t_per_h && w < band.below_t_per_h) return band.text;
  }
  return {};
}

std::optional<Application> FindApplication(std::string_view text) {
  for (const Application& app : kApplications) {
    if (app.name == text) return app;
  }
  return std::nullopt;
}

}  // namespace

SizingResult SizeEvaporator(const SizingInputs& in) {
  const char sep = in.decimal_separator;
  Checked c;

  // The concentrations come first, so their failures win over the throughput's.
  const double cf = ParseInput(in.feed_concentration, kFeedConcentrationInput, sep);
  const double cp = ParseInput(in.product_concentration, kProductConcentrationInput, sep);
  const double ratio = c.div(cf, cp);
  c.check(cp == 0 ? Blame{kProductConcentrationInput, "最终出料浓度为零，无法计算浓缩比"}
                  : Blame{});
  const double q = c.sub(1, ratio);
  c.check();
  const double t = ParseInput(in.throughput, kThroughputInput, sep);
  const double w = RoundHalfEven(c.mul(t, q), 2);
  c.check();

  const std::optional<Application> app = FindApplication(in.application);
  const double n = app ? app->main_power_coefficient : 0;
  const double k = app ? app->auxiliary_power_factor : 0;

  const double size_factor = w < kPower.small_plant_below_t_per_h ? kPower.small_plant_size_factor
                                                                  : kPower.large_plant_size_factor;
  const double p =
      RoundHalfEven(c.add(c.mul(c.mul(c.mul(w, n), kPower.main_per_coefficient), size_factor),
                          c.mul(c.mul(w, kPower.auxiliary_per_factor), k)),
                    1);
  c.check();
  const double per_ton = RoundHalfEven(c.div(p, t), 1);
  c.check(t == 0 ? Blame{kThroughputInput, "处理量为零，无法计算每吨水电耗"} : Blame{});

  // Made after the last step that can fail, so that a failure need not stop here to free it:
  // a throw that passes through without a stop costs markedly less.
  SizingResult r;
  r.evaporation_t_per_h = w;
  r.power_kwh_per_h = p;
  r.power_kwh_per_t = per_ton;
  if (app) {
    r.application_code = app->code;
    if (app->family == EvaporatorFamily::Film) {
      r.type_code = "FF";
      r.type_name = "降膜、升膜、自然循环";
    } else if (w < kForcedCirculationBelowTPerH) {
      r.type_code = "FC";
      r.type_name = "强制循环";
    } else if (w > kFallingFilmAboveTPerH) {
      r.type_code = "FFFC";
      r.type_name = "降膜+强制循环";
    }
  }
  r.model_code = Concat({"KOV", ShownNumber(w, sep), "-", r.application_code, "-", r.type_code});
  r.footprint = BandText(kFootprints, w);
  r.staffing = BandText(kStaffing, w);
  r.lines = SizingResultLines(r, sep);
  return r;
}

std::vector<std::string> SizingResultLines(const SizingResult& r, char decimal_separator) {
  const char sep = decimal_separator;
  // Moved in one by one: a braced list would copy each line once more.
  std::vector<std::string> lines;
  lines.reserve(8);
  lines.push_back(Concat({"蒸发量=", ShownNumber(r.evaporation_t_per_h, sep), "吨/小时"}));
  lines.push_back(Concat({"推荐蒸发器形式：", r.type_name}));
  lines.push_back(Concat({"MVR蒸发器型号：", r.model_code}));
  lines.push_back(
      Concat({"MVR蒸发器每小时耗电量（估算）：", ShownNumber(r.power_kwh_per_h, sep), "kWh"}));
  lines.push_back(
      Concat({"MVR蒸发器处理每吨水电耗（估算）：", ShownNumber(r.power_kwh_per_t, sep), "kWh"}));
  lines.push_back(Concat({"MVR蒸发器占地空间（长x宽x高）：", r.footprint}));
  lines.push_back(Concat({"MVR蒸发器运行方式：", r.staffing}));
  lines.emplace_back("详细情况需要针对性设计");
  return lines;
}

}  // namespace vapentis
