#include "core/mvr/evaporator_sizing.h"

#include <gtest/gtest.h>

#include "core/numeric/numeric.h"
#include "failure_expectation.h"

namespace vapentis {
namespace {

using Kind = CalcFailure::Kind;

TEST(SizeEvaporator, StartUpInputsGiveTheEightLines) {
  const SizingResult r = SizeEvaporator({.throughput = "5",
                                         .feed_concentration = "10",
                                         .product_concentration = "40",
                                         .application = "蒸发结晶"});
  EXPECT_EQ(JoinLines(r.lines),
            "蒸发量=3.75吨/小时\r\n"
            "推荐蒸发器形式：强制循环\r\n"
            "MVR蒸发器型号：KOV3.75-CRY-FC\r\n"
            "MVR蒸发器每小时耗电量（估算）：179.1kWh\r\n"
            "MVR蒸发器处理每吨水电耗（估算）：35.8kWh\r\n"
            "MVR蒸发器占地空间（长x宽x高）：7米x6米x（7~8）米\r\n"
            "MVR蒸发器运行方式：全自动，蒸发系统只需操作人员1名\r\n"
            "详细情况需要针对性设计");
  EXPECT_EQ(r.evaporation_t_per_h, 3.75);
  EXPECT_EQ(r.application_code, "CRY");
  EXPECT_EQ(r.type_code, "FC");
}

struct Case {
  const char* name;
  const char* throughput;
  const char* feed;
  const char* product;
  const char* application;
  const char* evaporation;  // line 1 value
  const char* type_name;
  const char* model_code;
  const char* power_per_hour;
  const char* power_per_ton;
  const char* footprint;
  const char* staffing;
};

const Case kCases[] = {
    {"crystallisation", "5", "10", "40", "蒸发结晶", "3.75", "强制循环", "KOV3.75-CRY-FC", "179.1",
     "35.8", "7米x6米x（7~8）米", "全自动，蒸发系统只需操作人员1名"},
    {"zero liquid discharge", "5", "10", "40", "废水零排放", "3.75", "强制循环", "KOV3.75-ZLD-FC",
     "179.1", "35.8", "7米x6米x（7~8）米", "全自动，蒸发系统只需操作人员1名"},
    {"leachate", "5", "10", "40", "垃圾渗滤液", "3.75", "强制循环", "KOV3.75-ZLD-FC", "165", "33",
     "7米x6米x（7~8）米", "全自动，蒸发系统只需操作人员1名"},
    {"chemical", "5", "10", "40", "化工行业", "3.75", "强制循环", "KOV3.75-ZLD-FC", "179.1", "35.8",
     "7米x6米x（7~8）米", "全自动，蒸发系统只需操作人员1名"},
    {"hazardous waste", "5", "10", "40", "危废行业", "3.75", "强制循环", "KOV3.75-ZLD-FC", "197.8",
     "39.6", "7米x6米x（7~8）米", "全自动，蒸发系统只需操作人员1名"},
    {"herbal extracts", "5", "10", "40", "中药浓缩", "3.75", "降膜、升膜、自然循环",
     "KOV3.75-CON-FF", "113.4", "22.7", "7米x6米x（7~8）米", "全自动，蒸发系统只需操作人员1名"},
    {"food", "5", "10", "40", "食品行业", "3.75", "降膜、升膜、自然循环", "KOV3.75-CON-FF", "121.9",
     "24.4", "7米x6米x（7~8）米", "全自动，蒸发系统只需操作人员1名"},
    {"empty application", "5", "10", "40", "", "3.75", "", "KOV3.75--", "0", "0",
     "7米x6米x（7~8）米", "全自动，蒸发系统只需操作人员1名"},
    {"unlisted application", "5", "10", "40", "其他", "3.75", "", "KOV3.75--", "0", "0",
     "7米x6米x（7~8）米", "全自动，蒸发系统只需操作人员1名"},
    {"application with a trailing blank", "5", "10", "40", "蒸发结晶 ", "3.75", "", "KOV3.75--",
     "0", "0", "7米x6米x（7~8）米", "全自动，蒸发系统只需操作人员1名"},
    {"last forced circulation", "15.53", "0", "40", "蒸发结晶", "15.53", "强制循环",
     "KOV15.53-CRY-FC", "741.6", "47.8", "16米x13米x(14~17)米", "全自动，蒸发系统只需操作人员2名"},
    {"first falling film", "15.54", "0", "40", "蒸发结晶", "15.54", "降膜+强制循环",
     "KOV15.54-CRY-FFFC", "742", "47.7", "16米x13米x(14~17)米", "全自动，蒸发系统只需操作人员2名"},
    {"small plant size factor", "2.17", "0", "40", "蒸发结晶", "2.17", "强制循环", "KOV2.17-CRY-FC",
     "138.7", "63.9", "6米x5米x（6~7）米", "全自动，蒸发系统只需操作人员1名"},
    {"large plant size factor", "2.18", "0", "40", "蒸发结晶", "2.18", "强制循环", "KOV2.18-CRY-FC",
     "104.1", "47.8", "6米x5米x（6~7）米", "全自动，蒸发系统只需操作人员1名"},
    {"equal concentrations", "5", "40", "40", "蒸发结晶", "0", "强制循环", "KOV0-CRY-FC", "0", "0",
     "", ""},
    {"product below feed", "5", "40", "10", "蒸发结晶", "-15", "强制循环", "KOV-15-CRY-FC",
     "-958.5", "-191.7", "", ""},
    {"film family with no evaporation", "5", "40", "40", "食品行业", "0", "降膜、升膜、自然循环",
     "KOV0-CON-FF", "0", "0", "", ""},
    {"rounded evaporation", "3.333", "10", "40", "蒸发结晶", "2.5", "强制循环", "KOV2.5-CRY-FC",
     "119.4", "35.8", "7米x6米x（7~8）米", "全自动，蒸发系统只需操作人员1名"},
};

TEST(SizeEvaporator, GivesEachWorkedResult) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const SizingResult r = SizeEvaporator({.throughput = c.throughput,
                                           .feed_concentration = c.feed,
                                           .product_concentration = c.product,
                                           .application = c.application});
    ASSERT_EQ(r.lines.size(), 8u);
    EXPECT_EQ(r.lines[0], std::string("蒸发量=") + c.evaporation + "吨/小时");
    EXPECT_EQ(r.lines[1], std::string("推荐蒸发器形式：") + c.type_name);
    EXPECT_EQ(r.lines[2], std::string("MVR蒸发器型号：") + c.model_code);
    EXPECT_EQ(r.lines[3],
              std::string("MVR蒸发器每小时耗电量（估算）：") + c.power_per_hour + "kWh");
    EXPECT_EQ(r.lines[4],
              std::string("MVR蒸发器处理每吨水电耗（估算）：") + c.power_per_ton + "kWh");
    EXPECT_EQ(r.lines[5], std::string("MVR蒸发器占地空间（长x宽x高）：") + c.footprint);
    EXPECT_EQ(r.lines[6], std::string("MVR蒸发器运行方式：") + c.staffing);
    EXPECT_EQ(r.lines[7], "详细情况需要针对性设计");
  }
}

struct BandCase {
  const char* evaporation;
  const char* footprint;
  const char* staffing;
};

TEST(SizeEvaporator, ChoosesTheBandStrictlyBetweenItsBounds) {
  const BandCase kBands[] = {
      {"0.01", "4米x3米x（2.5~4）米", "全自动，蒸发系统只需操作人员1名"},
      {"0.64", "4米x3米x（2.5~4）米", "全自动，蒸发系统只需操作人员1名"},
      {"0.65", "5米x3米x（4~5）米", "全自动，蒸发系统只需操作人员1名"},
      {"0.94", "5米x3米x（4~5）米", "全自动，蒸发系统只需操作人员1名"},
      {"0.95", "6米x4米x（5~6）米", "全自动，蒸发系统只需操作人员1名"},
      {"1.64", "6米x4米x（5~6）米", "全自动，蒸发系统只需操作人员1名"},
      {"1.65", "6米x5米x（6~7）米", "全自动，蒸发系统只需操作人员1名"},
      {"2.33", "6米x5米x（6~7）米", "全自动，蒸发系统只需操作人员1名"},
      {"2.34", "7米x6米x（7~8）米", "全自动，蒸发系统只需操作人员1名"},
      {"4.34", "8米x7米x(8~10)米", "全自动，蒸发系统只需操作人员1名"},
      {"6.34", "10米x9米x(9~12)米", "全自动，蒸发系统只需操作人员1名"},
      {"8.34", "12米x11米x(12~14)米", "全自动，蒸发系统只需操作人员1名"},
      {"12.44", "14米x11米x(12~14)米", "全自动，蒸发系统只需操作人员1名"},
      {"12.45", "14米x11米x(12~14)米", "全自动，蒸发系统只需操作人员2名"},
      {"15.34", "16米x13米x(14~17)米", "全自动，蒸发系统只需操作人员2名"},
      {"20.34", "16米x15米x(17~20)米", "全自动，蒸发系统只需操作人员2名"},
      {"25.33", "16米x15米x(17~20)米", "全自动，蒸发系统只需操作人员2名"},
      {"25.34", "18米x15米x(17~20)米", "全自动，蒸发系统只需操作人员3名"},
      {"30.34", "20米x16米x(18~22)米", "全自动，蒸发系统只需操作人员3名"},
      {"40.33", "20米x20米x(22~29)米", "全自动，蒸发系统只需操作人员3名"},
      {"40.34", "按实际设计", "全自动，蒸发系统只需操作人员3名"},
      {"80.32", "按实际设计", "全自动，蒸发系统只需操作人员3名"},
      {"80.33", "按实际设计", "全自动，蒸发系统只需操作人员4名"},
      {"1e6", "按实际设计", "全自动，蒸发系统只需操作人员4名"},
  };
  for (const BandCase& c : kBands) {
    const SizingResult r = SizeEvaporator({.throughput = c.evaporation,
                                           .feed_concentration = "0",
                                           .product_concentration = "40",
                                           .application = "蒸发结晶"});
    EXPECT_EQ(r.footprint, c.footprint) << c.evaporation;
    EXPECT_EQ(r.staffing, c.staffing) << c.evaporation;
  }
}

struct FailureCase {
  const char* name;
  const char* throughput;
  const char* feed;
  const char* product;
  Kind kind;
  const char* input;  // the input blamed: its text is no number, or its value failed a step; or ""
};

TEST(SizeEvaporator, ReportsTheFirstFailureInTheOrderOfTheFormula) {
  const FailureCase kFailures[] = {
      {"zero throughput", "0", "10", "40", Kind::Overflow, "throughput"},
      {"zero product", "5", "10", "0", Kind::DivisionByZero, "product"},
      {"zero feed and product", "5", "0", "0", Kind::Overflow, "product"},
      {"empty throughput", "", "10", "40", Kind::NotANumber, "throughput"},
      {"empty feed", "5", "", "40", Kind::NotANumber, "feed"},
      {"blank product", "5", "10", "  ", Kind::NotANumber, "product"},
      {"letters", "abc", "10", "40", Kind::NotANumber, "throughput"},
      {"bad feed before bad product", "x", "y", "z", Kind::NotANumber, "feed"},
      {"bad product before bad throughput", "x", "10", "z", Kind::NotANumber, "product"},
      {"zero product before bad throughput", "x", "10", "0", Kind::DivisionByZero, "product"},
      {"ratio beyond range", "5", "1e300", "1e-300", Kind::Overflow, ""},
      {"evaporation beyond range", "1e300", "-1e300", "1", Kind::Overflow, ""},
      {"power beyond range", "1e307", "0", "40", Kind::Overflow, ""},
      {"throughput beyond range", "1e400", "10", "40", Kind::Overflow, "throughput"},
  };
  for (const FailureCase& c : kFailures) {
    testing::ExpectFailure(
        c.name,
        [&] {
          SizeEvaporator({.throughput = c.throughput,
                          .feed_concentration = c.feed,
                          .product_concentration = c.product,
                          .application = "蒸发结晶"});
        },
        c.kind, c.input);
  }
}

TEST(SizeEvaporator, UnlistedApplicationNeverFailsOnHugeEvaporation) {
  const SizingResult r = SizeEvaporator({.throughput = "1e306",
                                         .feed_concentration = "0",
                                         .product_concentration = "40",
                                         .application = "other"});
  EXPECT_EQ(r.lines[0], "蒸发量=1E+306吨/小时");
  EXPECT_EQ(r.model_code, "KOV1E+306--");
}

TEST(SizeEvaporator, WritesNumbersWithTheLocaleSeparator) {
  const SizingResult r = SizeEvaporator({.throughput = "5",
                                         .feed_concentration = "10",
                                         .product_concentration = "40",
                                         .application = "蒸发结晶",
                                         .decimal_separator = ','});
  EXPECT_EQ(r.lines[0], "蒸发量=3,75吨/小时");
  EXPECT_EQ(r.model_code, "KOV3,75-CRY-FC");
}

}  // namespace
}  // namespace vapentis
