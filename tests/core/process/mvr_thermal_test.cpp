#include "core/process/mvr_thermal.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/description/presenter.h"
#include "core/numeric/numeric.h"
#include "core/process/iapws_if97.h"
#include "core/process/thermal_tool.h"
#include "failure_expectation.h"

namespace vapentis {
namespace {

using Kind = CalcFailure::Kind;

// The seven texts of one check; a row names only those that differ from the start texts.
struct Texts {
  const char* evaporation = "3.75";
  const char* vapour_temperature = "70";
  const char* boiling_point_rise = "3";
  const char* heater_difference = "6";
  const char* isentropic_efficiency = "0.8";
  const char* drive_efficiency = "0.95";
  const char* heat_transfer_coefficient = "1800";
};

ThermalResult Check(const Texts& t, char decimal_separator = '.') {
  return MvrThermalCheck({.evaporation = t.evaporation,
                          .vapour_temperature = t.vapour_temperature,
                          .boiling_point_rise = t.boiling_point_rise,
                          .heater_difference = t.heater_difference,
                          .isentropic_efficiency = t.isentropic_efficiency,
                          .drive_efficiency = t.drive_efficiency,
                          .heat_transfer_coefficient = t.heat_transfer_coefficient,
                          .decimal_separator = decimal_separator});
}

InputTexts ToolTexts(const Texts& t) {
  InputTexts texts(ThermalTool());
  texts[kEvaporationInput] = t.evaporation;
  texts[kVapourTemperatureInput] = t.vapour_temperature;
  texts[kBoilingPointRiseInput] = t.boiling_point_rise;
  texts[kHeaterDifferenceInput] = t.heater_difference;
  texts[kIsentropicEfficiencyInput] = t.isentropic_efficiency;
  texts[kDriveEfficiencyInput] = t.drive_efficiency;
  texts[kHeatTransferCoefficientInput] = t.heat_transfer_coefficient;
  return texts;
}

struct WorkedCase {
  const char* name;
  Texts texts;
  int fan_stages;
  const char* lines;
};

const WorkedCase kWorked[] = {
    {"start texts",
     {},
     2,
     "物料沸点=73℃，冷凝温度=79℃，饱和温升=9K\r\n"
     "吸气压力=31.2kPa，排气压力=45.53kPa，压缩比=1.459\r\n"
     "吸气量=19071m3/h，等熵压缩功=62.8kJ/kg，排气温度=114.1℃\r\n"
     "压缩机轴功率=81.8kW，电机功率=86.1kW，吨水电耗=23kWh/t\r\n"
     "喷水减温水量=112kg/h，加热器热负荷=2479kW，换热面积=229.5m2\r\n"
     "压缩机：离心风机2级串联（每级饱和温升不大于8K）\r\n"
     "未计管道压损、热损失和补充蒸汽"},
    {"10 t/h at 60 ℃ with 8 K rise",
     {.evaporation = "10",
      .vapour_temperature = "60",
      .boiling_point_rise = "8",
      .heat_transfer_coefficient = "1500"},
     2,
     "物料沸点=68℃，冷凝温度=74℃，饱和温升=14K\r\n"
     "吸气压力=19.95kPa，排气压力=37.01kPa，压缩比=1.855\r\n"
     "吸气量=78571m3/h，等熵压缩功=104.5kJ/kg，排气温度=136.6℃\r\n"
     "压缩机轴功率=363kW，电机功率=382.1kW，吨水电耗=38.2kWh/t\r\n"
     "喷水减温水量=526kg/h，加热器热负荷=6793kW，换热面积=754.7m2\r\n"
     "压缩机：离心风机2级串联（每级饱和温升不大于8K）\r\n"
     "未计管道压损、热损失和补充蒸汽"},
    {"80 t/h at 40 ℃ with 30 K lift: the longest figures",
     {.evaporation = "80",
      .vapour_temperature = "40",
      .boiling_point_rise = "15",
      .heater_difference = "15",
      .isentropic_efficiency = "0.6",
      .drive_efficiency = "0.85",
      .heat_transfer_coefficient = "300"},
     0,
     "物料沸点=55℃，冷凝温度=70℃，饱和温升=30K\r\n"
     "吸气压力=7.38kPa，排气压力=31.2kPa，压缩比=4.225\r\n"
     "吸气量=1637288m3/h，等熵压缩功=260.9kJ/kg，排气温度=280.4℃\r\n"
     "压缩机轴功率=9664kW，电机功率=11369.4kW，吨水电耗=142.1kWh/t\r\n"
     "喷水减温水量=14094kg/h，加热器热负荷=60980kW，换热面积=13551.2m2\r\n"
     "压缩机：饱和温升超过24K，宜选多级压缩机或多效蒸发\r\n"
     "未计管道压损、热损失和补充蒸汽"},
};

TEST(MvrThermal, GivesTheLinesOfEachWorkedExample) {
  for (const WorkedCase& c : kWorked) {
    SCOPED_TRACE(c.name);
    const ThermalResult r = Check(c.texts);
    EXPECT_EQ(JoinLines(r.lines), c.lines);
    EXPECT_EQ(r.fan_stages, c.fan_stages);
  }
}

TEST(MvrThermal, ReadsAndWritesTheLocaleSeparator) {
  const ThermalResult r = Check({.evaporation = "3,75", .isentropic_efficiency = "0,8"}, ',');
  ASSERT_EQ(r.lines.size(), 7u);
  EXPECT_EQ(r.lines[1], "吸气压力=31,2kPa，排气压力=45,53kPa，压缩比=1,459");
  EXPECT_EQ(r.lines[4], "喷水减温水量=112kg/h，加热器热负荷=2479kW，换热面积=229,5m2");
}

struct StageCase {
  const char* name;
  const char* boiling_point_rise;
  const char* heater_difference;
  const char* lift_shown;  // the end of line 1
  const char* compressor_line;
};

// The stages follow the lift as line 1 shows it: 8.05 K shows as 8 K (ties to even) and so
// needs one fan, although more than 8 K.
TEST(MvrThermal, ChoosesTheFansFromTheLiftAsLineOneShowsIt) {
  const char* const kOne = "压缩机：单级离心风机（每级饱和温升不大于8K）";
  const char* const kTwo = "压缩机：离心风机2级串联（每级饱和温升不大于8K）";
  const char* const kThree = "压缩机：离心风机3级串联（每级饱和温升不大于8K）";
  const char* const kMore = "压缩机：饱和温升超过24K，宜选多级压缩机或多效蒸发";
  const StageCase kCases[] = {
      {"8 K", "2", "6", "饱和温升=8K", kOne},
      {"8.05 K, shown as 8", "3", "5.05", "饱和温升=8K", kOne},
      {"8.05 K from the difference alone", "0", "8.05", "饱和温升=8K", kOne},
      {"8.1 K", "3", "5.1", "饱和温升=8.1K", kTwo},
      {"16 K", "6", "10", "饱和温升=16K", kTwo},
      {"16.1 K", "6", "10.1", "饱和温升=16.1K", kThree},
      {"24 K", "9", "15", "饱和温升=24K", kThree},
      {"24.05 K, shown as 24", "0", "24.05", "饱和温升=24K", kThree},
      {"24.1 K", "9", "15.1", "饱和温升=24.1K", kMore},
  };
  for (const StageCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const ThermalResult r = Check(
        {.boiling_point_rise = c.boiling_point_rise, .heater_difference = c.heater_difference});
    ASSERT_EQ(r.lines.size(), 7u);
    EXPECT_TRUE(r.lines[0].ends_with(c.lift_shown)) << r.lines[0];
    EXPECT_EQ(r.lines[5], c.compressor_line);
  }
}

// The temperatures the solver finds are each within 1e-9 K of where the state meets its
// target: a step of 1e-9 K either way crosses it.
TEST(MvrThermal, SolvesTheDischargeTemperaturesToWithinANanokelvin) {
  constexpr double kStepK = 1e-9;
  const Texts kCases[] = {
      {},
      kWorked[1].texts,
      kWorked[2].texts,
      {.vapour_temperature = "0.01", .boiling_point_rise = "0", .heater_difference = "1e-9"},
      {.vapour_temperature = "330", .boiling_point_rise = "5", .heater_difference = "15"},
      {.vapour_temperature = "20",
       .boiling_point_rise = "10",
       .heater_difference = "30",
       .isentropic_efficiency = "0.5"},
  };
  for (const Texts& t : kCases) {
    const ThermalResult r = Check(t);
    const CompressionStates& st = r.states;
    SCOPED_TRACE(std::string(t.vapour_temperature) + " ℃, efficiency " + t.isentropic_efficiency);
    const double p2 = st.discharge_pressure_mpa;
    const double t2s = st.isentropic_temperature_k;
    EXPECT_LE(if97::Region2(p2, t2s - kStepK).s, st.suction_entropy_kj_per_kg_k);
    EXPECT_GE(if97::Region2(p2, t2s + kStepK).s, st.suction_entropy_kj_per_kg_k);
    const double t2 = st.discharge_temperature_k;
    EXPECT_LE(if97::Region2(p2, t2 - kStepK).h, st.discharge_enthalpy_kj_per_kg);
    EXPECT_GE(if97::Region2(p2, t2 + kStepK).h, st.discharge_enthalpy_kj_per_kg);
    EXPECT_DOUBLE_EQ(r.exact.discharge_temperature_c, t2 - 273.15);
  }
}

struct RefusalCase {
  const char* name;
  Texts texts;
  const char* key;
  const char* note;
};

constexpr const char* kEvaporationNote = "蒸发量须大于0";
constexpr const char* kTemperatureNote = "二次蒸汽温度须在0.01~350℃之间，且冷凝温度不超过350℃";
constexpr const char* kRiseNote = "沸点升高不能为负";
constexpr const char* kDifferenceNote = "传热温差须大于0";
constexpr const char* kIsentropicNote = "压缩机等熵效率须大于0且不大于1，排气温度不超过800℃";
constexpr const char* kDriveNote = "电机及传动效率须大于0且不大于1";
constexpr const char* kCoefficientNote = "总传热系数须大于0";

TEST(MvrThermal, RefusesAValueOutsideTheDomainNamingItsInput) {
  const RefusalCase kCases[] = {
      {"no evaporation", {.evaporation = "0"}, "evaporation", kEvaporationNote},
      {"negative evaporation", {.evaporation = "-3.75"}, "evaporation", kEvaporationNote},
      {"vapour below the triple point",
       {.vapour_temperature = "0"},
       "vapour_temperature",
       kTemperatureNote},
      {"vapour above 350 ℃",
       {.vapour_temperature = "350.5"},
       "vapour_temperature",
       kTemperatureNote},
      {"negative rise", {.boiling_point_rise = "-0.1"}, "boiling_point_rise", kRiseNote},
      {"no difference", {.heater_difference = "0"}, "heater_difference", kDifferenceNote},
      {"negative difference", {.heater_difference = "-6"}, "heater_difference", kDifferenceNote},
      {"no isentropic efficiency",
       {.isentropic_efficiency = "0"},
       "isentropic_efficiency",
       kIsentropicNote},
      {"isentropic efficiency above 1",
       {.isentropic_efficiency = "1.01"},
       "isentropic_efficiency",
       kIsentropicNote},
      {"isentropic efficiency in percent",
       {.isentropic_efficiency = "80"},
       "isentropic_efficiency",
       kIsentropicNote},
      {"no drive efficiency", {.drive_efficiency = "0"}, "drive_efficiency", kDriveNote},
      {"drive efficiency above 1", {.drive_efficiency = "1.2"}, "drive_efficiency", kDriveNote},
      {"no coefficient",
       {.heat_transfer_coefficient = "0"},
       "heat_transfer_coefficient",
       kCoefficientNote},
      {"negative coefficient",
       {.heat_transfer_coefficient = "-1800"},
       "heat_transfer_coefficient",
       kCoefficientNote},
      {"the first refusal in input order wins",
       {.evaporation = "0", .vapour_temperature = "400", .drive_efficiency = "2"},
       "evaporation",
       kEvaporationNote},
      {"condensing above 350 ℃",
       {.vapour_temperature = "340", .boiling_point_rise = "5", .heater_difference = "5.5"},
       "vapour_temperature",
       kTemperatureNote},
      {"condensing above 350 ℃ from a huge rise",
       {.boiling_point_rise = "1e308"},
       "vapour_temperature",
       kTemperatureNote},
      {"condensing temperature beyond the doubles",
       {.boiling_point_rise = "1e308", .heater_difference = "1e308"},
       "vapour_temperature",
       kTemperatureNote},
      {"condensing above 350 ℃ before any efficiency",
       {.heater_difference = "300", .isentropic_efficiency = "0.01"},
       "vapour_temperature",
       kTemperatureNote},
      {"isentropic discharge beyond 800 ℃",
       {.vapour_temperature = "0.01",
        .boiling_point_rise = "340",
        .heater_difference = "9",
        .isentropic_efficiency = "1"},
       "isentropic_efficiency",
       kIsentropicNote},
      {"discharge beyond 800 ℃ at a low efficiency",
       {.isentropic_efficiency = "0.02"},
       "isentropic_efficiency",
       kIsentropicNote},
      {"an efficiency so small the work is infinite",
       {.isentropic_efficiency = "1e-320"},
       "isentropic_efficiency",
       kIsentropicNote},
  };
  for (const RefusalCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const Presented presented = Present(ToolTexts(c.texts), '.');
    ASSERT_TRUE(presented.failure.has_value());
    EXPECT_EQ(presented.failure->kind, "OutOfRange");
    EXPECT_EQ(presented.failure->message(),
              std::string("输入的数值超出有效范围。") + c.note + "。");
    EXPECT_EQ(presented.failure->culprit_key(), c.key);
    EXPECT_FALSE(presented.outcome.has_value());
  }
}

// The ends of the domain are checked, not refused.
TEST(MvrThermal, CalculatesAtTheEndsOfTheDomain) {
  const std::pair<const char*, Texts> kCases[] = {
      {"vapour at the triple point, no rise",
       {.vapour_temperature = "0.01", .boiling_point_rise = "0"}},
      {"condensing at 350 ℃ exactly",
       {.vapour_temperature = "340", .boiling_point_rise = "4", .heater_difference = "6"}},
      {"both efficiencies 1", {.isentropic_efficiency = "1", .drive_efficiency = "1"}},
      {"the smallest evaporation", {.evaporation = "5e-324"}},
  };
  for (const auto& [name, texts] : kCases) {
    SCOPED_TRACE(name);
    const Presented presented = Present(ToolTexts(texts), '.');
    ASSERT_TRUE(presented.Succeeded()) << presented.failure->message();
    EXPECT_EQ(presented.outcome->lines.size(), 7u);
  }
}

struct FailureCase {
  const char* name;
  Texts texts;
  Kind kind;
  const char* input;
};

TEST(MvrThermal, ReportsABadTextOrAnOverflowAsACalculationFailure) {
  const FailureCase kCases[] = {
      {"evaporation no number", {.evaporation = "x"}, Kind::NotANumber, "evaporation"},
      {"vapour temperature empty",
       {.vapour_temperature = ""},
       Kind::NotANumber,
       "vapour_temperature"},
      {"rise no number", {.boiling_point_rise = "3K"}, Kind::NotANumber, "boiling_point_rise"},
      {"difference blank", {.heater_difference = " "}, Kind::NotANumber, "heater_difference"},
      {"isentropic efficiency in percent sign",
       {.isentropic_efficiency = "80%"},
       Kind::NotANumber,
       "isentropic_efficiency"},
      {"drive efficiency no number",
       {.drive_efficiency = "abc"},
       Kind::NotANumber,
       "drive_efficiency"},
      {"coefficient no number",
       {.heat_transfer_coefficient = "U"},
       Kind::NotANumber,
       "heat_transfer_coefficient"},
      {"the earlier of two bad texts",
       {.boiling_point_rise = "a", .drive_efficiency = "b"},
       Kind::NotANumber,
       "boiling_point_rise"},
      {"a bad text before an earlier input's refusal",
       {.evaporation = "0", .heat_transfer_coefficient = "x"},
       Kind::NotANumber,
       "heat_transfer_coefficient"},
      {"evaporation beyond the doubles", {.evaporation = "1e400"}, Kind::Overflow, "evaporation"},
      {"shaft power beyond the doubles", {.evaporation = "1e308"}, Kind::Overflow, ""},
      {"motor power beyond the doubles", {.drive_efficiency = "1e-307"}, Kind::Overflow, ""},
      {"suction volume beyond the doubles, the powers within",
       {.evaporation = "1e305"},
       Kind::Overflow,
       ""},
      {"area beyond the doubles", {.heat_transfer_coefficient = "1e-320"}, Kind::Overflow, ""},
      {"coefficient and difference whose product underflows to zero",
       {.heater_difference = "0.1", .heat_transfer_coefficient = "5e-324"},
       Kind::DivisionByZero,
       ""},
  };
  for (const FailureCase& c : kCases) {
    testing::ExpectFailure(
        c.name, [&] { Check(c.texts); }, c.kind, c.input);
  }
}

TEST(MvrThermal, RecordsTheFiguresAsTheLinesShowThem) {
  const Presented presented = Present(ToolTexts({}), '.');
  ASSERT_TRUE(presented.Succeeded());
  const std::vector<std::pair<const char*, double>> kFigures = {
      {"boiling_temperature_c", 73},
      {"condensing_temperature_c", 79},
      {"lift_k", 9},
      {"suction_pressure_kpa", 31.2},
      {"discharge_pressure_kpa", 45.53},
      {"compression_ratio", 1.459},
      {"suction_volume_m3_per_h", 19071},
      {"isentropic_work_kj_per_kg", 62.8},
      {"discharge_temperature_c", 114.1},
      {"shaft_power_kw", 81.8},
      {"motor_power_kw", 86.1},
      {"specific_energy_kwh_per_t", 23},
      {"desuperheating_water_kg_per_h", 112},
      {"heater_duty_kw", 2479},
      {"heater_area_m2", 229.5},
      {"fan_stages", 2},
  };
  const std::vector<Figure>& figures = presented.outcome->figures;
  ASSERT_EQ(figures.size(), kFigures.size());
  for (std::size_t i = 0; i < figures.size(); ++i) {
    EXPECT_EQ(figures[i].name, kFigures[i].first);
    EXPECT_EQ(figures[i].value, kFigures[i].second) << kFigures[i].first;
  }
  EXPECT_TRUE(presented.outcome->reference_standard.empty());
}

// Outside a conventional plant's stretch the figures still come, with a warning.
TEST(MvrThermal, WarnsOfAValueOutsideAConventionalPlantAndStillCalculates) {
  const Presented presented = Present(ToolTexts({.isentropic_efficiency = "0.5"}), '.');
  ASSERT_TRUE(presented.Succeeded());
  EXPECT_EQ(presented.warnings,
            std::vector<std::string>{
                "压缩机等熵效率为0.5，超出常见范围（0.6~0.9）：常规MVR装置很少在此范围以外运行，"
                "请核对"});
}

}  // namespace
}  // namespace vapentis
