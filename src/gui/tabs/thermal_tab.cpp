// The MVR heat check tab, shown beside the sizing's: seven inputs in two columns,
// the calculate, exit and "排管计算" buttons and the result box. The sizing hands it
// its evaporation; it hands the exchanger tab its heater area.
#include "core/mvr/sizing_tool.h"
#include "core/process/exchanger_tool.h"
#include "core/process/mvr_thermal.h"
#include "core/process/thermal_tool.h"
#include "gui/tabs/tool_pages.h"

namespace vapentis {

namespace {

using enum ControlKind;

// Left: the inputs with units; right: the two efficiencies, then the buttons.
constexpr ControlRow kControls[] = {
    {Label, "ThermalEvaporationLabel", {120, 180, 1500, 300}, kEvaporationInput},
    {Input, "ThermalEvaporation", {1620, 120, 720, 360}, kEvaporationInput},
    {UnitLabel, "ThermalEvaporationUnit", {2400, 180, 1380, 300}, kEvaporationInput},
    {Label, "ThermalVapourTemperatureLabel", {120, 600, 1500, 300}, kVapourTemperatureInput},
    {Input, "ThermalVapourTemperature", {1620, 540, 720, 360}, kVapourTemperatureInput},
    {UnitLabel, "ThermalVapourTemperatureUnit", {2400, 600, 1380, 300}, kVapourTemperatureInput},
    {Label, "ThermalBoilingPointRiseLabel", {120, 1020, 1500, 300}, kBoilingPointRiseInput},
    {Input, "ThermalBoilingPointRise", {1620, 960, 720, 360}, kBoilingPointRiseInput},
    {UnitLabel, "ThermalBoilingPointRiseUnit", {2400, 1020, 1380, 300}, kBoilingPointRiseInput},
    {Label, "ThermalHeaterDifferenceLabel", {120, 1440, 1500, 300}, kHeaterDifferenceInput},
    {Input, "ThermalHeaterDifference", {1620, 1380, 720, 360}, kHeaterDifferenceInput},
    {UnitLabel, "ThermalHeaterDifferenceUnit", {2400, 1440, 1380, 300}, kHeaterDifferenceInput},
    {Label,
     "ThermalTransferCoefficientLabel",
     {120, 1860, 1500, 300},
     kHeatTransferCoefficientInput},
    {Input, "ThermalTransferCoefficient", {1620, 1800, 720, 360}, kHeatTransferCoefficientInput},
    {UnitLabel,
     "ThermalTransferCoefficientUnit",
     {2400, 1860, 1380, 300},
     kHeatTransferCoefficientInput},
    {Label, "ThermalIsentropicEfficiencyLabel", {3900, 180, 1740, 300}, kIsentropicEfficiencyInput},
    {Input, "ThermalIsentropicEfficiency", {5700, 120, 720, 360}, kIsentropicEfficiencyInput},
    {Label, "ThermalDriveEfficiencyLabel", {3900, 600, 1740, 300}, kDriveEfficiencyInput},
    {Input, "ThermalDriveEfficiency", {5700, 540, 720, 360}, kDriveEfficiencyInput},
    {CalculateButton, "ThermalCalculate", {3900, 1020, 1300, 450}, {}, "确定"},
    {ExitButton, "ThermalExit", {5400, 1020, 1300, 450}, {}},
    {HandOnButton, "ThermalToExchanger", {3900, 1620, 1300, 450}, {}, "排管计算"},
    {ResultBox, "ThermalResult", {120, 2280, 6735, 2760}},
};

constexpr HandOn kHandOns[] = {
    // A sized plant's evaporation is the heat check's first input.
    {SizingTool, "Command5", "evaporation_t_per_h", ThermalTool, kEvaporationInput},
    // The heater's area is what the exchanger tab lays tubes out for.
    {ThermalTool, "ThermalToExchanger", "heater_area_m2", ExchangerTool, kAreaInput, true},
};

}  // namespace

extern const ToolPage kThermalPage = {ThermalTool, nullptr, kControls, nullptr, kHandOns};

}  // namespace vapentis
