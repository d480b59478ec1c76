// The texts the window shows word for word, in one table: every other test
// takes captions, units, lists and start texts from the tool descriptions, so
// a changed caption fails here, once.
#include <gtest/gtest.h>

#include <iterator>
#include <stdexcept>
#include <string>

#include "core/catalog/tool_catalog.h"
#include "core/sheet/running_cost.h"

namespace vapentis {
namespace {

struct ToolTexts {
  const char* tool;
  const char* menu_caption;
  const char* tab_caption;
};

// In the order of the catalog, which is the menu's.
const ToolTexts kTools[] = {
    {"sizing", "MVR蒸发器选型", "MVR选型"},      {"steam", "低压饱和蒸汽性质", "低压饱和蒸汽"},
    {"pipe", "流体管径计算", "流体管径"},        {"pump", "离心泵功率", "离心泵"},
    {"exchanger", "管壳式换热器", "管壳换热器"}, {"channel", "国标槽钢查询", "国标槽钢"},
    {"thermal", "MVR热力核算", "热力核算"},
};

struct InputWords {
  const char* tool;
  const char* key;
  const char* caption;     // the label beside the box
  const char* start_text;  // the box's text at start; a list's first item
  const char* list = "";   // a drop-down list's items, one blank between
};

const InputWords kInputs[] = {
    {"sizing", "application", "选择用途", "蒸发结晶",
     "蒸发结晶 废水零排放 垃圾渗滤液 化工行业 危废行业 中药浓缩 食品行业"},
    {"sizing", "throughput", "处理量", "5"},
    {"sizing", "feed", "原液浓度", "10"},
    {"sizing", "product", "最终出料浓度", "40"},
    {"steam", "pressure", "饱和蒸汽压力(MPa)", "0.1013"},
    {"steam", "temperature", "饱和蒸汽温度（℃）", "100"},
    {"pipe", "temperature", "水蒸汽温度（℃）", "100"},
    {"pipe", "flow", "流体的流量（kg/h）", "5000"},
    {"pipe", "velocity", "流体的流速（m/s）", "22"},
    {"pipe", "density", "实际密度（kg/m3）", "1000"},
    {"pump", "flow", "流量（m3/h）", "100"},
    {"pump", "head", "扬程（m）", "30"},
    {"pump", "specific_gravity", "比重", "1.4"},
    {"pump", "efficiency", "泵的效率", "0.6"},
    {"pump", "safety_factor", "安全系数", "1.25"},
    {"exchanger", "area", "换热面积（m2）", "90"},
    {"exchanger", "tube_diameter", "换热管外径", "38"},
    {"exchanger", "tube_length", "换热管长度（m）", "6"},
    {"exchanger", "arrangement", "排列方式", "正三角形", "正三角形"},
    {"exchanger", "pitch", "管中心距", "48"},
    {"channel", "designation", "选择槽钢规格", "20a",
     "20a 5 6.3 8 10 12 14a 14b 16a 16b 18a 18b 20b 22a 22b 25a 25b 25c 28a 28b 28c 32a 32b 32c "
     "36a 36b 36c 40a 40b 40c"},
    {"thermal", "evaporation", "蒸发量", "3.75"},
    {"thermal", "vapour_temperature", "二次蒸汽温度", "70"},
    {"thermal", "boiling_point_rise", "沸点升高", "3"},
    {"thermal", "heater_difference", "传热温差", "6"},
    {"thermal", "isentropic_efficiency", "压缩机等熵效率", "0.8"},
    {"thermal", "drive_efficiency", "电机及传动效率", "0.95"},
    {"thermal", "heat_transfer_coefficient", "总传热系数", "1800"},
};

// The calculation sheet's running cost: its caption and its four boxes.
constexpr const char* kRunningCostCaption = "运行费用估算";

struct AssumptionWords {
  const char* key;
  const char* caption;
  const char* start_text;
  const char* unit;
};

const AssumptionWords kAssumptions[] = {
    {"electricity_price", "电价", "0.7", "元/kWh"},
    {"steam_price", "蒸汽价格", "200", "元/t"},
    {"steam_per_ton", "多效蒸发汽耗", "0.4", "t蒸汽/t水"},
    {"hours", "年运行时间", "7200", "h"},
};

struct ChoiceTexts {
  const char* tool;
  const char* input;
  const char* choice;
  const char* caption;
};

const ChoiceTexts kChoices[] = {
    {"steam", "mode", "pressure", "以压力为准"},
    {"steam", "mode", "temperature", "以温度为准"},
    {"pipe", "state", "steam", "饱和水蒸汽"},
    {"pipe", "state", "liquid", "液体"},
};

// Texts shown beside a box from its input: unit labels and hints.
struct BesideTexts {
  const char* tool;
  const char* key;
  const char* unit_label;
  const char* hint;
};

const BesideTexts kBeside[] = {
    {"sizing", "throughput", "（吨/小时）", nullptr},
    {"sizing", "feed", "（%）", nullptr},
    {"sizing", "product", "（%）", nullptr},
    {"thermal", "evaporation", "（吨/小时）", nullptr},
    {"thermal", "vapour_temperature", "（℃）", nullptr},
    {"thermal", "boiling_point_rise", "（K）", nullptr},
    {"thermal", "heater_difference", "（K）", nullptr},
    {"thermal", "heat_transfer_coefficient", "（W/m2·K）", nullptr},
    {"pipe", "velocity", nullptr, "蒸汽流速一般在20~40m/s之间，液体一般在1~2.5m/s之间。"},
};

const InputDescription& Input(const char* tool, const char* key) {
  const ToolDescription* found = FindTool(tool);
  if (found == nullptr) throw std::logic_error(std::string("no tool ") + tool);
  const InputDescription* input = FindInput(*found, key);
  if (input == nullptr) throw std::logic_error(std::string("no input ") + key);
  return *input;
}

TEST(VerbatimTexts, ToolsCarryTheirMenuAndTabCaptionsInMenuOrder) {
  ASSERT_EQ(Tools().size(), std::size(kTools)) << "a row for every tool of the catalog";
  for (std::size_t i = 0; i < std::size(kTools); ++i) {
    const ToolTexts& t = kTools[i];
    SCOPED_TRACE(t.tool);
    const ToolDescription* tool = Tools()[i];
    EXPECT_EQ(tool->name, t.tool);
    EXPECT_EQ(tool->menu_caption, t.menu_caption);
    EXPECT_EQ(tool->tab_caption, t.tab_caption);
  }
}

TEST(VerbatimTexts, InputsCarryTheirCaptionsStartTextsAndLists) {
  for (const InputWords& t : kInputs) {
    SCOPED_TRACE(std::string(t.tool) + " " + t.key);
    const InputDescription& input = Input(t.tool, t.key);
    EXPECT_EQ(Caption(input), t.caption);
    EXPECT_EQ(input.start_text, t.start_text);
    EXPECT_EQ(ListText(input), t.list);
  }
}

TEST(VerbatimTexts, RunningCostAssumptionsCarryTheirCaptionsStartTextsAndUnits) {
  const ToolDescription& cost = RunningCostDescription();
  EXPECT_EQ(cost.menu_caption, kRunningCostCaption);
  ASSERT_EQ(cost.inputs.size(), std::size(kAssumptions));
  for (std::size_t i = 0; i < cost.inputs.size(); ++i) {
    const AssumptionWords& t = kAssumptions[i];
    SCOPED_TRACE(t.key);
    const InputDescription& input = cost.inputs[i];
    EXPECT_EQ(input.key, t.key);
    EXPECT_EQ(Caption(input), t.caption);
    EXPECT_EQ(input.start_text, t.start_text);
    EXPECT_EQ(input.unit, t.unit);
  }
}

TEST(VerbatimTexts, ChoicesCarryTheirCaptions) {
  for (const ChoiceTexts& t : kChoices) {
    SCOPED_TRACE(std::string(t.tool) + " " + t.choice);
    const Choice* choice = FindChoice(Input(t.tool, t.input), t.choice);
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->caption, t.caption);
  }
}

TEST(VerbatimTexts, UnitLabelsAndHintsComeFromTheirInputs) {
  for (const BesideTexts& t : kBeside) {
    SCOPED_TRACE(std::string(t.tool) + " " + t.key);
    const InputDescription& input = Input(t.tool, t.key);
    if (t.unit_label != nullptr) {
      EXPECT_EQ(BracketedUnit(input.unit, UnitInCaption::FullWidthBrackets), t.unit_label);
    }
    if (t.hint != nullptr) {
      EXPECT_EQ(input.hint, t.hint);
    }
  }
}

}  // namespace
}  // namespace vapentis
