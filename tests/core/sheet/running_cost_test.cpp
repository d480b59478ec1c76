#include "core/sheet/running_cost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/description/presenter.h"
#include "core/numeric/numeric.h"
#include "failure_expectation.h"

namespace vapentis {
namespace {

using Kind = CalcFailure::Kind;

// The assumptions at their start texts, with the ones given replaced.
struct Assumed {
  const char* electricity_price = nullptr;  // nullptr: the start text
  const char* steam_price = nullptr;
  const char* steam_per_ton = nullptr;
  const char* hours = nullptr;
};

InputTexts AssumptionTexts(const Assumed& given) {
  InputTexts texts(RunningCostDescription());
  for (const InputDescription& input : RunningCostDescription().inputs) {
    texts[input.key] = input.start_text;
  }
  const std::pair<std::string_view, const char*> kGiven[] = {
      {kElectricityPriceInput, given.electricity_price},
      {kSteamPriceInput, given.steam_price},
      {kSteamPerTonInput, given.steam_per_ton},
      {kHoursInput, given.hours},
  };
  for (const auto& [key, text] : kGiven) {
    if (text != nullptr) texts[key] = text;
  }
  return texts;
}

// T, W and P of the sizing's start-up inputs: 5 t/h, 3.75 t/h, 179.1 kWh.
constexpr SizingBasis kStartUp{5, 3.75, 179.1, true};

struct LinesCase {
  const char* name;
  SizingBasis sizing;
  Assumed assumed;
  std::vector<std::string> lines;
  std::size_t figures;
};

const LinesCase kLinesCases[] = {
    {"start-up inputs",
     kStartUp,
     {},
     {"MVR电费=125.4元/小时", "MVR吨料液电费=25.07元/吨", "MVR年电费=90.3万元",
      "多效蒸发蒸汽费=300元/小时", "多效蒸发吨料液蒸汽费=60元/吨", "多效蒸发年蒸汽费=216万元",
      "采用MVR年节约=125.7万元"},
     7},
    {"unlisted application: P is 0 and MVR would look free",
     {5, 3.75, 0, false},
     {},
     {"运行费用：请选择列表中的用途"},
     0},
    {"no evaporation", {5, 0, 0, true}, {}, {"运行费用：蒸发量不大于零，不作估算"}, 0},
    {"product below the feed",
     {5, -15, -958.5, true},
     {},
     {"运行费用：蒸发量不大于零，不作估算"},
     0},
    {"electricity at no cost",
     kStartUp,
     {.electricity_price = "0"},
     {"MVR电费=0元/小时", "MVR吨料液电费=0元/吨", "MVR年电费=0万元", "多效蒸发蒸汽费=300元/小时",
      "多效蒸发吨料液蒸汽费=60元/吨", "多效蒸发年蒸汽费=216万元", "采用MVR年节约=216万元"},
     7},
    {"steam at no cost: MVR saves nothing",
     kStartUp,
     {.steam_price = "0"},
     {"MVR电费=125.4元/小时", "MVR吨料液电费=25.07元/吨", "MVR年电费=90.3万元",
      "多效蒸发蒸汽费=0元/小时", "多效蒸发吨料液蒸汽费=0元/吨", "多效蒸发年蒸汽费=0万元",
      "采用MVR年节约=-90.3万元"},
     7},
    {"a tie rounds to the even neighbour: 0.25 to 0.2",
     {1, 1, 2.5, true},
     {.electricity_price = "0.1"},
     {"MVR电费=0.2元/小时", "MVR吨料液电费=0.25元/吨", "MVR年电费=0.2万元",
      "多效蒸发蒸汽费=80元/小时", "多效蒸发吨料液蒸汽费=80元/吨", "多效蒸发年蒸汽费=57.6万元",
      "采用MVR年节约=57.4万元"},
     7},
    {"the saving comes from the yearly figures before rounding: 0.14 - 0.06",
     {1, 1, 1, true},
     {.electricity_price = "0.6", .steam_price = "3.5", .hours = "1000"},
     {"MVR电费=0.6元/小时", "MVR吨料液电费=0.6元/吨", "MVR年电费=0.1万元",
      "多效蒸发蒸汽费=1.4元/小时", "多效蒸发吨料液蒸汽费=1.4元/吨", "多效蒸发年蒸汽费=0.1万元",
      "采用MVR年节约=0.1万元"},
     7},
    {"a whole year of running",
     kStartUp,
     {.hours = "8760"},
     {"MVR电费=125.4元/小时", "MVR吨料液电费=25.07元/吨", "MVR年电费=109.8万元",
      "多效蒸发蒸汽费=300元/小时", "多效蒸发吨料液蒸汽费=60元/吨", "多效蒸发年蒸汽费=262.8万元",
      "采用MVR年节约=153万元"},
     7},
    {"prices typed as a Chinese input method types them",
     kStartUp,
     {.electricity_price = "０．７", .steam_price = " 200 "},
     {"MVR电费=125.4元/小时", "MVR吨料液电费=25.07元/吨", "MVR年电费=90.3万元",
      "多效蒸发蒸汽费=300元/小时", "多效蒸发吨料液蒸汽费=60元/吨", "多效蒸发年蒸汽费=216万元",
      "采用MVR年节约=125.7万元"},
     7},
};

TEST(RunningCost, GivesTheSevenLinesOrOneSayingWhyNot) {
  for (const LinesCase& c : kLinesCases) {
    SCOPED_TRACE(c.name);
    const ToolOutcome outcome = RunningCost(c.sizing, AssumptionTexts(c.assumed), '.');
    EXPECT_EQ(outcome.lines, c.lines);
    ASSERT_EQ(outcome.figures.size(), c.figures);
    // Each figure is the number its line shows.
    for (std::size_t i = 0; i < outcome.figures.size(); ++i) {
      const std::string& line = outcome.lines[i];
      const std::string shown = line.substr(line.find('=') + 1);
      EXPECT_TRUE(shown.starts_with(NumberText(outcome.figures[i].value))) << line;
    }
  }
}

TEST(RunningCost, WritesTheLocalesDecimalSeparator) {
  const ToolOutcome outcome =
      RunningCost(kStartUp, AssumptionTexts({.electricity_price = "0,7"}), ',');
  EXPECT_EQ(outcome.lines.front(), "MVR电费=125,4元/小时");
}

struct FailureCase {
  const char* name;
  SizingBasis sizing;
  Assumed assumed;
  Kind kind;
  std::string_view input;  // empty: none blamed
};

const FailureCase kFailureCases[] = {
    {"price that is no number",
     kStartUp,
     {.electricity_price = "abc"},
     Kind::NotANumber,
     kElectricityPriceInput},
    {"empty steam price", kStartUp, {.steam_price = ""}, Kind::NotANumber, kSteamPriceInput},
    {"price beyond the double range",
     kStartUp,
     {.electricity_price = "1e400"},
     Kind::Overflow,
     kElectricityPriceInput},
    {"cost beyond the double range", kStartUp, {.electricity_price = "1e308"}, Kind::Overflow, ""},
    {"the first bad assumption is the one named",
     kStartUp,
     {.electricity_price = "x", .steam_price = "y"},
     Kind::NotANumber,
     kElectricityPriceInput},
    {"a bad assumption fails also where no figures would show",
     {5, 3.75, 0, false},
     {.hours = "x"},
     Kind::NotANumber,
     kHoursInput},
};

TEST(RunningCost, ABadAssumptionFailsNamingItsBox) {
  for (const FailureCase& c : kFailureCases) {
    testing::ExpectFailure(
        c.name, [&] { RunningCost(c.sizing, AssumptionTexts(c.assumed), '.'); }, c.kind, c.input);
  }
}

// A value outside an assumption's valid range is refused, naming the box, where a
// tool's input would only be warned of: the arithmetic itself would not fail.
TEST(RunningCost, RefusesAnAssumptionOutsideItsValidRange) {
  struct Refusal {
    const char* name;
    Assumed assumed;
    std::string_view input;
    const char* message;
  };
  const Refusal kRefusals[] = {
      {"negative electricity price",
       {.electricity_price = "-0.7"},
       kElectricityPriceInput,
       "输入的数值超出有效范围。电价不能为负。"},
      {"negative steam price",
       {.steam_price = "-200"},
       kSteamPriceInput,
       "输入的数值超出有效范围。蒸汽价格不能为负。"},
      {"negative steam use", {.steam_per_ton = "-0.4"}, kSteamPerTonInput, nullptr},
      {"more hours than a year has", {.hours = "8761"}, kHoursInput, nullptr},
      {"negative hours", {.hours = "-1"}, kHoursInput, nullptr},
      {"the first refused one is named",
       {.electricity_price = "-1", .steam_price = "-1"},
       kElectricityPriceInput,
       nullptr},
  };
  for (const Refusal& c : kRefusals) {
    SCOPED_TRACE(c.name);
    try {
      RunningCost(kStartUp, AssumptionTexts(c.assumed), '.');
      ADD_FAILURE() << "not refused";
    } catch (const RefusedValue& refused) {
      EXPECT_EQ(refused.input(), c.input);
      if (c.message != nullptr) {
        EXPECT_EQ(refused.message(), c.message);
      }
    }
  }
  // A price of 0 is no refusal: the figures are 0.
  EXPECT_NO_THROW(RunningCost(kStartUp, AssumptionTexts({.electricity_price = "0"}), '.'));
}

// The window checks its four boxes through the presenter, as it does a tool's.
TEST(RunningCostDescription, ThePresenterReadsTheAssumptionsAsFigures) {
  const Presented start = Present(AssumptionTexts({}), '.');
  ASSERT_TRUE(start.Succeeded());
  ASSERT_EQ(start.outcome->figures.size(), 4U);
  EXPECT_EQ(start.outcome->figures[0].value, 0.7);
  EXPECT_EQ(start.outcome->figures[3].value, 7200);

  // Outside its range an assumption is warned of, as a tool's input is; the
  // running cost itself refuses it.
  const Presented negative = Present(AssumptionTexts({.steam_price = "-1"}), '.');
  ASSERT_TRUE(negative.Succeeded());
  ASSERT_EQ(negative.warnings.size(), 1U);
  EXPECT_NE(negative.warnings[0].find("蒸汽价格不能为负"), std::string::npos);
}

}  // namespace
}  // namespace vapentis
