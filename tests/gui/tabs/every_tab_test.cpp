// The checks every tab must pass, one row per tab: its controls with their
// texts and places, tab order, Enter, the exit button, and presses of its
// calculate button that give a result or fail without touching the result.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/catalog/tool_catalog.h"
#include "gui/shell/help_tab.h"
#include "gui/tabs/tool_pages.h"
#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::CaptionOf;
using testing::ChoiceOf;
using testing::CoreResult;
using testing::ExpectControlsApart;
using testing::ExpectControlsAsListed;
using testing::ExpectedFailure;
using testing::ExpectedText;
using testing::ExpectFailureKeepsTheResult;
using testing::Find;
using testing::HintOf;
using testing::ModalCatcher;
using testing::PlacedControl;
using testing::StartOf;
using testing::StartResult;
using testing::TabOrder;
using testing::UnitOf;
using testing::Utf8;
using testing::Words;

// One press of the calculate button: boxes clicked and texts typed first, then
// either the result text or how it fails.
struct Press {
  const char* name;
  std::vector<const char*> clicks;
  std::vector<std::pair<const char*, const char*>> typed;
  const char* result;            // the result box's text; nullptr: the press fails
  ExpectedFailure failure = {};  // when it fails
};

struct TabCase {
  const char* name;
  const char* tool;                     // its name in the catalog; nullptr: the help page
  std::vector<PlacedControl> controls;  // every named control, in creation order
  std::set<std::pair<QString, QString>> shared_spots;
  std::vector<const char*> tab_order;  // from the first control, Tab after Tab
  const char* calculate;               // nullptr: the tab has no calculate button
  const char* exit;
  const char* result_box;
  std::vector<const char*> prepare;  // clicked before the start texts are calculated
  // The choices those clicks make, by input key, beside the start texts.
  std::vector<std::pair<const char*, const char*>> prepared;
  std::vector<const char*> enter_boxes;  // Enter in each calculates the start texts
  std::vector<Press> presses;
};

// Names the row in test output.
void PrintTo(const TabCase& c, std::ostream* out) { *out << c.name; }

const TabCase kSizing = {
    "Sizing",
    "sizing",
    {
        {"Label7", "", CaptionOf("application"), QRect(40, 32, 89, 17)},
        {"Combo1", "", StartOf("application"), QRect(152, 32, 89, 24)},
        {"Label1", "", CaptionOf("throughput"), QRect(40, 64, 89, 17)},
        {"Text1", "", StartOf("throughput"), QRect(160, 64, 80, 27)},
        {"Label4", "", UnitOf("throughput"), QRect(248, 64, 89, 17)},
        {"Label2", "", CaptionOf("feed"), QRect(40, 96, 89, 17)},
        {"Text2", "", StartOf("feed"), QRect(160, 96, 80, 27)},
        {"Label5", "", UnitOf("feed"), QRect(248, 104, 89, 17)},
        {"Label3", "", CaptionOf("product"), QRect(40, 136, 113, 17)},
        {"Text3", "", StartOf("product"), QRect(160, 128, 80, 27)},
        {"Label6", "", UnitOf("product"), QRect(248, 136, 89, 17)},
        {"Command5", "", Words("确定"), QRect(368, 56, 87, 33)},
        {"Command1", "", Words("退出"), QRect(368, 104, 87, 33)},
        {"Text4", "", Words(""), QRect(8, 160, 449, 169)},
    },
    {},
    {"Combo1", "Text1", "Text2", "Text3", "Command5", "Command1", "Text4"},
    "Command5",
    "Command1",
    "Text4",
    {},
    {},
    {"Text1", "Text2", "Text3"},
    {
        {"empty throughput", {}, {{"Text1", ""}}, nullptr, {"不是数字", "Text1", "throughput"}},
        {"letters for the feed", {}, {{"Text2", "abc"}}, nullptr, {"不是数字", "Text2", "feed"}},
        {"blank product", {}, {{"Text3", "  "}}, nullptr, {"不是数字", "Text3", "product"}},
        {"zero product",
         {},
         {{"Text3", "0"}},
         nullptr,
         {"最终出料浓度为零，无法计算浓缩比", "Text3", "product"}},
        {"zero throughput", {}, {{"Text1", "0"}}, nullptr, {"溢出", "Text1", "throughput"}},
        {"throughput beyond the doubles",
         {},
         {{"Text1", "1E400"}},
         nullptr,
         {"溢出", "Text1", "throughput"}},
    },
};

const TabCase kSteam = {
    "Steam",
    "steam",
    {
        {"Frame1", "", Words(""), QRect(56, 32, 273, 73)},
        {"Check1", "Frame1", ChoiceOf("mode", "pressure"), QRect(16, 8, 120, 25)},
        {"Check2", "Frame1", ChoiceOf("mode", "temperature"), QRect(16, 40, 120, 25)},
        {"Label8", "", CaptionOf("pressure"), QRect(56, 124, 152, 20)},
        {"Text5", "", StartOf("pressure"), QRect(216, 120, 113, 27)},
        {"Label9", "", CaptionOf("temperature"), QRect(56, 124, 152, 20)},
        {"Text7", "", StartOf("temperature"), QRect(216, 120, 113, 27)},
        {"Command3", "", Words("确定"), QRect(368, 56, 87, 33)},
        {"Command2", "", Words("退出"), QRect(368, 104, 87, 33)},
        {"Text6", "", Words(""), QRect(8, 160, 449, 169)},
    },
    {{"Label8", "Label9"}, {"Text5", "Text7"}},
    {"Check1", "Check2", "Text5", "Command3", "Command2", "Text6"},
    "Command3",
    "Command2",
    "Text6",
    {},
    {},
    {"Text5"},
    {
        {"third band by pressure",
         {},
         {{"Text5", "0.5"}},
         "饱和蒸汽温度=151.8℃\n饱和蒸汽密度=2.671kg/m3\n饱和蒸汽潜热=2134kJ/"
         "kg\n按IAPWS-IF97：温度=151.8℃，密度=2.6681kg/m3，潜热=2108kJ/kg"},
        {"start-up temperature",
         {"Check2"},
         {},
         "饱和蒸汽压力=0.1013Mpa\n饱和蒸汽密度=0.6044kg/m3\n饱和蒸汽潜热=2259kJ/"
         "kg\n按IAPWS-IF97：压力=0.1014MPa，密度=0.5981kg/m3，潜热=2256kJ/kg"},
        {"second band by temperature",
         {"Check2"},
         {{"Text7", "130"}},
         "饱和蒸汽压力=0.27Mpa\n饱和蒸汽密度=1.4872kg/m3\n饱和蒸汽潜热=2187kJ/"
         "kg\n按IAPWS-IF97：压力=0.2703MPa，密度=1.4968kg/m3，潜热=2174kJ/kg"},
        {"hidden pressure box not read",
         {"Check2"},
         {{"Text5", "abc"}, {"Text7", "150"}},
         "饱和蒸汽压力=0.476Mpa\n饱和蒸汽密度=2.5431kg/m3\n饱和蒸汽潜热=2138kJ/"
         "kg\n按IAPWS-IF97：压力=0.4761MPa，密度=2.5478kg/m3，潜热=2114kJ/kg"},
        {"hidden temperature box not read",
         {"Check2", "Check1"},
         {{"Text5", "0.2320"}, {"Text7", ""}},
         "饱和蒸汽温度=125℃\n饱和蒸汽密度=1.2798kg/m3\n饱和蒸汽潜热=2199kJ/"
         "kg\n按IAPWS-IF97：温度=125℃，密度=1.2973kg/m3，潜热=2188kJ/kg"},
        {"empty pressure", {}, {{"Text5", ""}}, nullptr, {"不是数字", "Text5", "pressure"}},
        {"letters for the temperature",
         {"Check2"},
         {{"Text7", "abc"}},
         nullptr,
         {"不是数字", "Text7", "temperature"}},
        {"zero pressure", {}, {{"Text5", "0"}}, nullptr, {"无效的参数", "Text5", "pressure"}},
        {"negative pressure",
         {},
         {{"Text5", "-0.1"}},
         nullptr,
         {"为零或负数", "Text5", "pressure"}},
        {"Antoine denominator zero",
         {"Check2"},
         {{"Text7", "-227.53"}},
         nullptr,
         {"除数为零", "Text7", "temperature"}},
        {"pressure beyond the doubles",
         {},
         {{"Text5", "1E400"}},
         nullptr,
         {"溢出", "Text5", "pressure"}},
    },
};

const char* const kSteamPipeResult =
    "饱和蒸汽密度=0.6044kg/"
    "m3\n圆形管道直径=365mm，按标准管径选择\n按IAPWS-IF97：饱和蒸汽密度=0.5981kg/"
    "m3，圆形管道直径=367mm";

const TabCase kPipe = {
    "Pipe",
    "pipe",
    {
        {"Frame3", "", Words(""), QRect(8, 24, 449, 145)},
        {"Option1", "Frame3", ChoiceOf("state", "steam"), QRect(12, 8, 120, 24)},
        {"Option2", "Frame3", ChoiceOf("state", "liquid"), QRect(232, 8, 60, 24)},
        {"Label11", "Frame3", CaptionOf("temperature"), QRect(12, 44, 140, 20)},
        {"Text11", "Frame3", StartOf("temperature"), QRect(156, 40, 56, 27)},
        {"Label12", "Frame3", CaptionOf("flow"), QRect(232, 44, 148, 20)},
        {"Text12", "Frame3", StartOf("flow"), QRect(384, 40, 56, 27)},
        {"Label13", "Frame3", CaptionOf("velocity"), QRect(12, 80, 140, 20)},
        {"Text13", "Frame3", StartOf("velocity"), QRect(156, 76, 56, 27)},
        {"Label14", "Frame3", CaptionOf("density"), QRect(232, 80, 148, 20)},
        {"Text14", "Frame3", StartOf("density"), QRect(384, 76, 56, 27)},
        {"Label15", "Frame3", HintOf("velocity"), QRect(12, 112, 428, 20)},
        {"Command4", "", Words("计算"), QRect(264, 176, 87, 30)},
        {"Command7", "", Words("退出"), QRect(368, 176, 87, 30)},
        {"Text9", "", Words(""), QRect(8, 216, 451, 110)},
    },
    {},
    {"Text11", "Text12", "Text13", "Text14", "Command4", "Command7", "Text9"},
    "Command4",
    "Command7",
    "Text9",
    {"Option1"},
    {{"state", "steam"}},
    {"Text13"},
    {
        {"steam at 150",
         {"Option1"},
         {{"Text11", "150"}},
         "饱和蒸汽密度=2.7855kg/"
         "m3\n圆形管道直径=170mm，按标准管径选择\n按IAPWS-IF97：饱和蒸汽密度=2.5478kg/"
         "m3，圆形管道直径=178mm"},
        {"liquid at 1.5 m/s",
         {"Option2"},
         {{"Text13", "1.5"}},
         "圆形管道直径=34mm，按标准管径选择"},
        {"liquid at 22 m/s", {"Option2"}, {}, "圆形管道直径=9mm，按标准管径选择"},
        {"liquid without flow",
         {"Option2"},
         {{"Text12", "0"}, {"Text13", "1.5"}},
         "圆形管道直径=0mm，按标准管径选择"},
        {"steam ignores the density box", {"Option1"}, {{"Text14", "abc"}}, kSteamPipeResult},
        {"liquid ignores the temperature box",
         {"Option2"},
         {{"Text11", ""}, {"Text13", "1.5"}},
         "圆形管道直径=34mm，按标准管径选择"},
        {"no state chosen", {}, {}, "请选择流体形态"},
        {"no state chosen reads nothing",
         {},
         {{"Text11", "x"}, {"Text12", "x"}, {"Text13", "x"}, {"Text14", "x"}},
         "请选择流体形态"},
        {"letters for the temperature",
         {"Option1"},
         {{"Text11", "abc"}},
         nullptr,
         {"不是数字", "Text11", "temperature"}},
        {"empty flow", {"Option2"}, {{"Text12", ""}}, nullptr, {"不是数字", "Text12", "flow"}},
        {"blank velocity",
         {"Option1"},
         {{"Text13", "  "}},
         nullptr,
         {"不是数字", "Text13", "velocity"}},
        {"letters for the density",
         {"Option2"},
         {{"Text14", "x"}},
         nullptr,
         {"不是数字", "Text14", "density"}},
        {"zero velocity for steam",
         {"Option1"},
         {{"Text13", "0"}},
         nullptr,
         {"流体的流速为零", "Text13", "velocity"}},
        {"zero density",
         {"Option2"},
         {{"Text14", "0"}},
         nullptr,
         {"除数为零", "Text14", "density"}},
        {"Antoine denominator zero",
         {"Option1"},
         {{"Text11", "-227.53"}},
         nullptr,
         {"除数为零", "Text11", "temperature"}},
        {"negative density",
         {"Option2"},
         {{"Text14", "-1000"}},
         nullptr,
         {"实际密度为负数", "Text14", "density"}},
        {"flow beyond the doubles",
         {"Option2"},
         {{"Text12", "1E400"}},
         nullptr,
         {"溢出", "Text12", "flow"}},
    },
};

const TabCase kPump = {
    "Pump",
    "pump",
    {
        {"Frame2", "", Words(""), QRect(8, 24, 449, 121)},
        {"Label20", "Frame2", CaptionOf("flow"), QRect(8, 16, 129, 23)},
        {"Text18", "Frame2", StartOf("flow"), QRect(144, 16, 53, 24)},
        {"Label19", "Frame2", CaptionOf("head"), QRect(232, 16, 105, 23)},
        {"Text17", "Frame2", StartOf("head"), QRect(384, 16, 53, 24)},
        {"Label18", "Frame2", CaptionOf("specific_gravity"), QRect(8, 48, 97, 31)},
        {"Text16", "Frame2", StartOf("specific_gravity"), QRect(144, 48, 53, 24)},
        {"Label17", "Frame2", CaptionOf("efficiency"), QRect(232, 48, 137, 23)},
        {"Text15", "Frame2", StartOf("efficiency"), QRect(384, 48, 53, 24)},
        {"Label16", "Frame2", CaptionOf("safety_factor"), QRect(8, 80, 105, 23)},
        {"Text20", "Frame2", StartOf("safety_factor"), QRect(144, 80, 53, 24)},
        {"Command10", "", Words("计算"), QRect(264, 160, 87, 30)},
        {"Command9", "", Words("退出"), QRect(368, 160, 87, 30)},
        {"Text19", "", Words(""), QRect(8, 200, 451, 126)},
    },
    {},
    {"Text18", "Text17", "Text16", "Text15", "Text20", "Command10", "Command9", "Text19"},
    "Command10",
    "Command9",
    "Text19",
    {},
    {},
    {"Text18", "Text17", "Text16", "Text15", "Text20"},
    {
        {"small pump",
         {},
         {{"Text18", "50"},
          {"Text17", "20"},
          {"Text16", "1"},
          {"Text15", "0.7"},
          {"Text20", "1.1"}},
         "泵的计算功率=4.3kW\n选择比计算值稍大的额定电机"},
        {"zero flow", {}, {{"Text18", "0"}}, "泵的计算功率=0kW\n选择比计算值稍大的额定电机"},
        {"negative efficiency",
         {},
         {{"Text15", "-0.6"}},
         "泵的计算功率=-23.8kW\n选择比计算值稍大的额定电机"},
        {"efficiency as a percentage",
         {},
         {{"Text15", "60"}},
         "泵的计算功率=0.2kW\n选择比计算值稍大的额定电机"},
        {"safety factor doubled",
         {},
         {{"Text20", "2.5"}},
         "泵的计算功率=47.7kW\n选择比计算值稍大的额定电机"},
        {"empty flow", {}, {{"Text18", ""}}, nullptr, {"不是数字", "Text18", "flow"}},
        {"letters for head", {}, {{"Text17", "abc"}}, nullptr, {"不是数字", "Text17", "head"}},
        {"blank specific gravity",
         {},
         {{"Text16", "  "}},
         nullptr,
         {"不是数字", "Text16", "specific_gravity"}},
        {"empty efficiency", {}, {{"Text15", ""}}, nullptr, {"不是数字", "Text15", "efficiency"}},
        {"empty safety factor",
         {},
         {{"Text20", ""}},
         nullptr,
         {"不是数字", "Text20", "safety_factor"}},
        {"zero efficiency",
         {},
         {{"Text15", "0"}},
         nullptr,
         {"泵的效率为零，无法计算轴功率", "Text15", "efficiency"}},
        {"zero efficiency before the empty safety factor",
         {},
         {{"Text15", "0"}, {"Text20", ""}},
         nullptr,
         {"除数为零", "Text15", "efficiency"}},
        {"zero flow and zero efficiency",
         {},
         {{"Text18", "0"}, {"Text15", "0"}},
         nullptr,
         {"溢出", "Text15", "efficiency"}},
        {"flow beyond the double range",
         {},
         {{"Text18", "1E400"}},
         nullptr,
         {"溢出", "Text18", "flow"}},
        {"product beyond the double range",
         {},
         {{"Text18", "1E300"}, {"Text17", "1E300"}},
         nullptr,
         {"溢出", nullptr, nullptr}},
    },
};

const TabCase kExchanger = {
    "Exchanger",
    "exchanger",
    {
        {"Frame4", "", Words(""), QRect(8, 24, 449, 121)},
        {"Label22", "Frame4", CaptionOf("area"), QRect(8, 24, 129, 23)},
        {"Text23", "Frame4", StartOf("area"), QRect(160, 24, 53, 24)},
        {"Label23", "Frame4", CaptionOf("tube_diameter"), QRect(224, 24, 105, 23)},
        {"Text24", "Frame4", StartOf("tube_diameter"), QRect(360, 24, 77, 24)},
        {"Label24", "Frame4", CaptionOf("tube_length"), QRect(8, 56, 129, 31)},
        {"Text25", "Frame4", StartOf("tube_length"), QRect(160, 56, 53, 24)},
        {"Label25", "Frame4", CaptionOf("arrangement"), QRect(224, 56, 105, 23)},
        {"Combo3", "Frame4", StartOf("arrangement"), QRect(344, 56, 97, 24)},
        {"Label21", "Frame4", CaptionOf("pitch"), QRect(8, 88, 113, 31)},
        {"Text22", "Frame4", StartOf("pitch"), QRect(160, 88, 53, 24)},
        {"Command11", "", Words("计算"), QRect(264, 160, 87, 30)},
        {"Command12", "", Words("退出"), QRect(368, 160, 87, 30)},
        {"Text21", "", Words(""), QRect(8, 200, 451, 126)},
    },
    {},
    {"Text23", "Text24", "Text25", "Combo3", "Text22", "Command11", "Command12", "Text21"},
    "Command11",
    "Command12",
    "Text21",
    {},
    {},
    {"Text23", "Text24", "Text25", "Text22"},
    {
        {"area 10", {}, {{"Text23", "10"}}, "换热管数量=15条\n换热器筒体直径=300mm"},
        {"area 0", {}, {{"Text23", "0"}}, "换热管数量=1条\n换热器筒体直径=200mm"},
        {"short thin tubes",
         {},
         {{"Text23", "50"}, {"Text24", "25"}, {"Text25", "3"}},
         "换热管数量=213条\n换热器筒体直径=600mm"},
        {"long thin tubes",
         {},
         {{"Text23", "200"}, {"Text24", "25"}},
         "换热管数量=426条\n换热器筒体直径=800mm"},
        {"empty area", {}, {{"Text23", ""}}, nullptr, {"不是数字", "Text23", "area"}},
        {"letters for the diameter",
         {},
         {{"Text24", "x"}},
         nullptr,
         {"不是数字", "Text24", "tube_diameter"}},
        {"blank length", {}, {{"Text25", " "}}, nullptr, {"不是数字", "Text25", "tube_length"}},
        {"zero diameter",
         {},
         {{"Text24", "0"}},
         nullptr,
         {"换热管外径为零", "Text24", "tube_diameter"}},
        {"zero diameter before the empty length",
         {},
         {{"Text24", "0"}, {"Text25", ""}},
         nullptr,
         {"除数为零", "Text24", "tube_diameter"}},
        {"zero length", {}, {{"Text25", "0"}}, nullptr, {"除数为零", "Text25", "tube_length"}},
        {"zero area and zero length",
         {},
         {{"Text23", "0"}, {"Text25", "0"}},
         nullptr,
         {"溢出", "Text25", "tube_length"}},
        {"negative tube count",
         {},
         {{"Text23", "-100"}},
         nullptr,
         {"换热管数量为负", "Text23", "area"}},
        {"area beyond the double range",
         {},
         {{"Text23", "1E400"}},
         nullptr,
         {"溢出", "Text23", "area"}},
    },
};

const TabCase kChannel = {
    "Channel",
    "channel",
    {
        {"Label10", "", CaptionOf("designation"), QRect(88, 32, 137, 17)},
        {"Combo2", "", StartOf("designation"), QRect(272, 32, 81, 24)},
        {"Image1", "", Words(""), QRect(16, 80, 194, 198)},
        {"Text10", "", StartResult(), QRect(216, 80, 233, 193)},
        {"Command6", "", Words("退出"), QRect(360, 280, 87, 33)},
    },
    {},
    {"Combo2", "Text10", "Command6"},
    nullptr,
    "Command6",
    "Text10",
    {},
    {},
    {},
    {},
};

// Shown beside the sizing, after help: two columns of boxes, its inputs refused
// outside their domain as a failure is, with the box named.
const TabCase kThermal = {
    "Thermal",
    "thermal",
    {
        {"ThermalEvaporationLabel", "", CaptionOf("evaporation"), QRect(8, 12, 100, 20)},
        {"ThermalEvaporation", "", StartOf("evaporation"), QRect(108, 8, 48, 24)},
        {"ThermalEvaporationUnit", "", UnitOf("evaporation"), QRect(160, 12, 92, 20)},
        {"ThermalVapourTemperatureLabel", "", CaptionOf("vapour_temperature"),
         QRect(8, 40, 100, 20)},
        {"ThermalVapourTemperature", "", StartOf("vapour_temperature"), QRect(108, 36, 48, 24)},
        {"ThermalVapourTemperatureUnit", "", UnitOf("vapour_temperature"), QRect(160, 40, 92, 20)},
        {"ThermalBoilingPointRiseLabel", "", CaptionOf("boiling_point_rise"),
         QRect(8, 68, 100, 20)},
        {"ThermalBoilingPointRise", "", StartOf("boiling_point_rise"), QRect(108, 64, 48, 24)},
        {"ThermalBoilingPointRiseUnit", "", UnitOf("boiling_point_rise"), QRect(160, 68, 92, 20)},
        {"ThermalHeaterDifferenceLabel", "", CaptionOf("heater_difference"), QRect(8, 96, 100, 20)},
        {"ThermalHeaterDifference", "", StartOf("heater_difference"), QRect(108, 92, 48, 24)},
        {"ThermalHeaterDifferenceUnit", "", UnitOf("heater_difference"), QRect(160, 96, 92, 20)},
        {"ThermalTransferCoefficientLabel", "", CaptionOf("heat_transfer_coefficient"),
         QRect(8, 124, 100, 20)},
        {"ThermalTransferCoefficient", "", StartOf("heat_transfer_coefficient"),
         QRect(108, 120, 48, 24)},
        {"ThermalTransferCoefficientUnit", "", UnitOf("heat_transfer_coefficient"),
         QRect(160, 124, 92, 20)},
        {"ThermalIsentropicEfficiencyLabel", "", CaptionOf("isentropic_efficiency"),
         QRect(260, 12, 116, 20)},
        {"ThermalIsentropicEfficiency", "", StartOf("isentropic_efficiency"),
         QRect(380, 8, 48, 24)},
        {"ThermalDriveEfficiencyLabel", "", CaptionOf("drive_efficiency"), QRect(260, 40, 116, 20)},
        {"ThermalDriveEfficiency", "", StartOf("drive_efficiency"), QRect(380, 36, 48, 24)},
        {"ThermalCalculate", "", Words("确定"), QRect(260, 68, 87, 30)},
        {"ThermalExit", "", Words("退出"), QRect(360, 68, 87, 30)},
        {"ThermalToExchanger", "", Words("排管计算"), QRect(260, 108, 87, 30)},
        {"ThermalResult", "", Words(""), QRect(8, 152, 449, 184)},
    },
    {},
    {"ThermalEvaporation", "ThermalVapourTemperature", "ThermalBoilingPointRise",
     "ThermalHeaterDifference", "ThermalTransferCoefficient", "ThermalIsentropicEfficiency",
     "ThermalDriveEfficiency", "ThermalCalculate", "ThermalExit", "ThermalToExchanger",
     "ThermalResult"},
    "ThermalCalculate",
    "ThermalExit",
    "ThermalResult",
    {},
    {},
    {"ThermalEvaporation", "ThermalVapourTemperature", "ThermalBoilingPointRise",
     "ThermalHeaterDifference", "ThermalTransferCoefficient", "ThermalIsentropicEfficiency",
     "ThermalDriveEfficiency"},
    {
        {"the start texts",
         {},
         {},
         "物料沸点=73℃，冷凝温度=79℃，饱和温升=9K\n"
         "吸气压力=31.2kPa，排气压力=45.53kPa，压缩比=1.459\n"
         "吸气量=19071m3/h，等熵压缩功=62.8kJ/kg，排气温度=114.1℃\n"
         "压缩机轴功率=81.8kW，电机功率=86.1kW，吨水电耗=23kWh/t\n"
         "喷水减温水量=112kg/h，加热器热负荷=2479kW，换热面积=229.5m2\n"
         "压缩机：离心风机2级串联（每级饱和温升不大于8K）\n"
         "未计管道压损、热损失和补充蒸汽"},
        // The longest figures: a flow of seven digits, a duty of five.
        {"the longest figures",
         {},
         {{"ThermalEvaporation", "80"},
          {"ThermalVapourTemperature", "40"},
          {"ThermalBoilingPointRise", "15"},
          {"ThermalHeaterDifference", "15"},
          {"ThermalIsentropicEfficiency", "0.6"},
          {"ThermalDriveEfficiency", "0.85"},
          {"ThermalTransferCoefficient", "300"}},
         "物料沸点=55℃，冷凝温度=70℃，饱和温升=30K\n"
         "吸气压力=7.38kPa，排气压力=31.2kPa，压缩比=4.225\n"
         "吸气量=1637288m3/h，等熵压缩功=260.9kJ/kg，排气温度=280.4℃\n"
         "压缩机轴功率=9664kW，电机功率=11369.4kW，吨水电耗=142.1kWh/t\n"
         "喷水减温水量=14094kg/h，加热器热负荷=60980kW，换热面积=13551.2m2\n"
         "压缩机：饱和温升超过24K，宜选多级压缩机或多效蒸发\n"
         "未计管道压损、热损失和补充蒸汽"},
        {"a larger plant with a higher rise",
         {},
         {{"ThermalEvaporation", "10"},
          {"ThermalVapourTemperature", "60"},
          {"ThermalBoilingPointRise", "8"},
          {"ThermalTransferCoefficient", "1500"}},
         "物料沸点=68℃，冷凝温度=74℃，饱和温升=14K\n"
         "吸气压力=19.95kPa，排气压力=37.01kPa，压缩比=1.855\n"
         "吸气量=78571m3/h，等熵压缩功=104.5kJ/kg，排气温度=136.6℃\n"
         "压缩机轴功率=363kW，电机功率=382.1kW，吨水电耗=38.2kWh/t\n"
         "喷水减温水量=526kg/h，加热器热负荷=6793kW，换热面积=754.7m2\n"
         "压缩机：离心风机2级串联（每级饱和温升不大于8K）\n"
         "未计管道压损、热损失和补充蒸汽"},
        {"empty evaporation",
         {},
         {{"ThermalEvaporation", ""}},
         nullptr,
         {"不是数字", "ThermalEvaporation", "evaporation"}},
        {"letters for the coefficient",
         {},
         {{"ThermalTransferCoefficient", "U"}},
         nullptr,
         {"不是数字", "ThermalTransferCoefficient", "heat_transfer_coefficient"}},
        {"no evaporation",
         {},
         {{"ThermalEvaporation", "0"}},
         nullptr,
         {"蒸发量须大于0", "ThermalEvaporation", "evaporation"}},
        {"an efficiency above one",
         {},
         {{"ThermalIsentropicEfficiency", "1.2"}},
         nullptr,
         {"超出有效范围", "ThermalIsentropicEfficiency", "isentropic_efficiency"}},
        {"condensing above 350 ℃",
         {},
         {{"ThermalVapourTemperature", "345"}},
         nullptr,
         {"冷凝温度不超过350℃", "ThermalVapourTemperature", "vapour_temperature"}},
        {"an evaporation beyond the powers",
         {},
         {{"ThermalEvaporation", "1e308"}},
         nullptr,
         {"溢出", nullptr, nullptr}},
    },
};

const TabCase kHelp = {
    "Help",
    nullptr,
    {
        {"Command8", "", Words("关闭"), QRect(384, 304, 71, 33)},
    },
    {},
    {"Text8", "Command8"},
    nullptr,
    "Command8",
    "Text8",
    {},
    {},
    {},
    {},
};

// The rows in the order of the catalog, then help: a tool of the catalog
// without a row here fails `EveryToolOfTheCatalogHasARow`.
std::vector<TabCase> CatalogRows() {
  const TabCase* const kRows[] = {&kSizing,    &kSteam,   &kPipe,   &kPump,
                                  &kExchanger, &kChannel, &kThermal};
  std::vector<TabCase> rows;
  for (const ToolDescription* tool : Tools()) {
    for (const TabCase* row : kRows) {
      if (row->tool == tool->name) rows.push_back(*row);
    }
  }
  rows.push_back(kHelp);
  return rows;
}

TEST(EveryTabRows, EveryToolOfTheCatalogHasARow) {
  const std::vector<TabCase> rows = CatalogRows();
  ASSERT_EQ(rows.size(), Tools().size() + 1);
  for (std::size_t i = 0; i < Tools().size(); ++i) EXPECT_EQ(rows[i].tool, Tools()[i]->name);
}

class EveryTab : public ::testing::TestWithParam<TabCase> {
 protected:
  const ToolDescription* tool() const {
    return GetParam().tool != nullptr ? FindTool(GetParam().tool) : nullptr;
  }

  std::unique_ptr<TabPage> makeTab() const {
    if (GetParam().tool == nullptr) return std::make_unique<HelpTab>();
    return MakePage(*FindTool(GetParam().tool));
  }

  // A shown, active tab, so that keys and the focus reach it as a user's would.
  std::unique_ptr<TabPage> showTab() const {
    std::unique_ptr<TabPage> tab = makeTab();
    tab->resize(465, 345);
    tab->show();
    tab->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(tab.get()));
    return tab;
  }
};

TEST_P(EveryTab, ControlsCarryTheirTextsAndPlaces) {
  const std::unique_ptr<TabPage> tab = makeTab();
  ExpectControlsAsListed(tab.get(), tool(), GetParam().controls);
}

// Every control lies inside its parent, siblings do not overlap (but for the
// pairs that share a spot), and no caption is cut off.
TEST_P(EveryTab, NoControlOverlapsAnotherOrLeavesItsParent) {
  const std::unique_ptr<TabPage> tab = showTab();  // labels take their height once shown
  ExpectControlsApart(tab.get(), QRect(0, 0, 465, 345), GetParam().shared_spots);
  for (const PlacedControl& c : GetParam().controls) {
    if (*c.parent == '\0') continue;
    auto* frame = Find<QWidget>(tab.get(), c.parent);
    ExpectControlsApart(frame, frame->rect(), GetParam().shared_spots);
  }
}

TEST_P(EveryTab, TabMovesThroughTheControlsRowByRow) {
  const std::vector<const char*>& order = GetParam().tab_order;
  const std::unique_ptr<TabPage> tab = showTab();
  QStringList expected;
  for (const char* name : order) expected << QString::fromLatin1(name);
  EXPECT_EQ(TabOrder(tab.get(), order.front(), static_cast<int>(order.size())), expected);
}

TEST_P(EveryTab, EnterInAnInputBoxCalculates) {
  // A tab with nothing to press is skipped by name, not passed.
  if (GetParam().calculate == nullptr)
    GTEST_SKIP() << GetParam().name << " has no calculate button";
  ASSERT_FALSE(GetParam().enter_boxes.empty());
  const QString expected = CoreResult(*tool(), GetParam().prepared);
  for (const char* box : GetParam().enter_boxes) {
    SCOPED_TRACE(box);
    const std::unique_ptr<TabPage> tab = showTab();
    for (const char* name : GetParam().prepare) {
      QTest::mouseClick(Find<QAbstractButton>(tab.get(), name), Qt::LeftButton);
    }
    QTest::keyClick(Find<QLineEdit>(tab.get(), box), Qt::Key_Return);
    EXPECT_EQ(Find<QPlainTextEdit>(tab.get(), GetParam().result_box)->toPlainText(), expected);
  }
}

TEST_P(EveryTab, ExitButtonAsksToHideTheToolsAndKeepsTheTexts) {
  const std::unique_ptr<TabPage> tab = makeTab();
  for (const char* name : GetParam().prepare) Find<QAbstractButton>(tab.get(), name)->click();
  if (GetParam().calculate != nullptr) {
    Find<QPushButton>(tab.get(), GetParam().calculate)->click();
  }
  auto* result = Find<QPlainTextEdit>(tab.get(), GetParam().result_box);
  const QString before = result->toPlainText();
  EXPECT_FALSE(before.isEmpty());
  QSignalSpy exits(tab.get(), &TabPage::exitRequested);
  Find<QPushButton>(tab.get(), GetParam().exit)->click();
  EXPECT_EQ(exits.count(), 1);
  EXPECT_EQ(result->toPlainText(), before);
  if (GetParam().calculate != nullptr) {
    Find<QPushButton>(tab.get(), GetParam().calculate)->click();
    EXPECT_EQ(exits.count(), 1) << "only the exit button asks";
  }
}

// Resting the mouse on a box says what to type there and in which unit.
TEST_P(EveryTab, EveryBoxExplainsItselfInATooltip) {
  const std::unique_ptr<TabPage> tab = makeTab();
  int boxes = 0;
  for (QWidget* box : tab->findChildren<QWidget*>()) {
    const bool typed_into = qobject_cast<QComboBox*>(box) != nullptr ||
                            (qobject_cast<QLineEdit*>(box) != nullptr &&
                             qobject_cast<QComboBox*>(box->parentWidget()) == nullptr);
    if (!typed_into) continue;
    ++boxes;
    EXPECT_FALSE(box->toolTip().isEmpty()) << box->objectName().toStdString();
  }
  if (tool() == nullptr) GTEST_SKIP() << GetParam().name << " has no box to type into";
  EXPECT_GT(boxes, 0);
}

// What a screen reader says of each control: the caption (with the unit its
// label shows), the choice's or the button's caption, and for the result box the
// tool's name; every box, list and button also says what it is for.
TEST_P(EveryTab, EveryControlIsNamedForScreenReaders) {
  const std::unique_ptr<TabPage> tab = makeTab();
  const auto unit_of = [&](const char* key) {
    for (const PlacedControl& c : GetParam().controls) {
      if (c.shown.from == testing::Shown::From::UnitLabel &&
          std::string_view(c.shown.value) == key) {
        return ExpectedText(tool(), c.shown);
      }
    }
    return QString();
  };
  int named = 0;
  for (const PlacedControl& c : GetParam().controls) {
    SCOPED_TRACE(c.name);
    QWidget* control = Find<QWidget>(tab.get(), c.name);
    ASSERT_NE(control, nullptr);
    QString expected;
    if (c.shown.from == testing::Shown::From::StartText) {
      expected = ExpectedText(tool(), CaptionOf(c.shown.value)) + unit_of(c.shown.value);
    } else if (c.shown.from == testing::Shown::From::Choice ||
               qobject_cast<QPushButton*>(control) != nullptr) {
      expected = ExpectedText(tool(), c.shown);
    } else {
      continue;
    }
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(accessible, nullptr);
#ifndef Q_OS_WIN
    // Qt names an editable list by its text outside Windows and leaves its name to the
    // label that labels it, as Orca reads it.
    if (qobject_cast<QComboBox*>(control) != nullptr) {
      EXPECT_EQ(control->accessibleName(), expected);
      const auto labels = accessible->relations(QAccessible::Label);
      ASSERT_EQ(labels.size(), 1);
      EXPECT_EQ(labels[0].first->text(QAccessible::Name),
                ExpectedText(tool(), CaptionOf(c.shown.value)));
      EXPECT_FALSE(accessible->text(QAccessible::Description).isEmpty());
      ++named;
      continue;
    }
#endif
    EXPECT_EQ(accessible->text(QAccessible::Name), expected);
    EXPECT_FALSE(accessible->text(QAccessible::Description).isEmpty());
    ++named;
  }
  auto* result = Find<QPlainTextEdit>(tab.get(), GetParam().result_box);
  const QString result_name =
      QAccessible::queryAccessibleInterface(result)->text(QAccessible::Name);
  if (tool() != nullptr) {
    EXPECT_EQ(result_name, Utf8(tool()->menu_caption) + QStringLiteral("结果"));
  } else {
    EXPECT_FALSE(result_name.isEmpty());
  }
  EXPECT_GT(named, 0);
}

// The ticked state of every box and option, by name.
std::vector<std::pair<QString, bool>> Ticks(QWidget* tab) {
  std::vector<std::pair<QString, bool>> ticks;
  for (QAbstractButton* button : tab->findChildren<QAbstractButton*>()) {
    if (button->isCheckable()) ticks.emplace_back(button->objectName(), button->isChecked());
  }
  return ticks;
}

TEST_P(EveryTab, PressGivesItsResultOrFailsKeepingTheOldOne) {
  // A tab with nothing to press is skipped by name, not passed.
  if (GetParam().calculate == nullptr)
    GTEST_SKIP() << GetParam().name << " has no calculate button";
  ASSERT_FALSE(GetParam().presses.empty());
  for (const Press& press : GetParam().presses) {
    SCOPED_TRACE(press.name);
    const std::unique_ptr<TabPage> tab = showTab();
    for (const char* name : press.clicks) {
      QTest::mouseClick(Find<QAbstractButton>(tab.get(), name), Qt::LeftButton);
    }
    for (const auto& [box, text] : press.typed) {
      Find<QLineEdit>(tab.get(), box)->setText(QString::fromUtf8(text));
    }
    const auto ticks = Ticks(tab.get());
    if (press.result == nullptr) {
      ExpectFailureKeepsTheResult(tab.get(), *tool(), GetParam().calculate, GetParam().result_box,
                                  press.failure);
    } else {
      auto* result = Find<QPlainTextEdit>(tab.get(), GetParam().result_box);
      result->setPlainText(QStringLiteral("earlier result"));
      ModalCatcher catcher;
      Find<QPushButton>(tab.get(), GetParam().calculate)->click();
      EXPECT_TRUE(catcher.texts().isEmpty());
      EXPECT_EQ(result->toPlainText(), QString::fromUtf8(press.result));
      EXPECT_EQ(result->verticalScrollBar()->maximum(), 0) << "every line shows without scrolling";
    }
    EXPECT_EQ(Ticks(tab.get()), ticks) << "a press leaves the boxes as they were";
  }
}

// Ticking a mode or a state shows the box read under it, and the cursor goes
// there with its text selected, as it does into a tab's first box.
TEST(ChoosingAModeOrState, PutsTheCursorIntoTheBoxItShows) {
  struct Case {
    const char* tool;
    std::vector<const char*> clicks;
    const char* box;
  };
  const Case kCases[] = {
      {"steam", {"Check2"}, "Text7"},
      {"steam", {"Check2", "Check1"}, "Text5"},
      {"pipe", {"Option1"}, "Text11"},
      {"pipe", {"Option2"}, "Text14"},
      {"pipe", {"Option2", "Option1"}, "Text11"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.tool) + " " + c.clicks.back());
    const std::unique_ptr<TabPage> tab = MakePage(*FindTool(c.tool));
    tab->show();
    tab->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(tab.get()));
    for (const char* name : c.clicks) {
      QTest::mouseClick(Find<QAbstractButton>(tab.get(), name), Qt::LeftButton);
    }
    auto* box = Find<QLineEdit>(tab.get(), c.box);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->selectedText(), box->text());
  }
}

INSTANTIATE_TEST_SUITE_P(Tabs, EveryTab, ::testing::ValuesIn(CatalogRows()),
                         [](const ::testing::TestParamInfo<TabCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace vapentis
