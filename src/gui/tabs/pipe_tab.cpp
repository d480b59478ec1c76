// The pipe diameter tab: the fluid state, the inputs of the state, the
// calculate and exit buttons and the result box.
#include "core/process/pipe_tool.h"
#include "gui/tabs/tool_pages.h"

namespace vapentis {

namespace {

using enum ControlKind;

// Inside the frame: two columns of label and box, the velocity hint across both.
constexpr ControlRow kControls[] = {
    {Frame, "Frame3", {120, 360, 6735, 2175}},
    {OptionButton, "Option1", {180, 120, 1800, 360}, kFluidStateInput, kSteamState, "Frame3"},
    {OptionButton, "Option2", {3480, 120, 900, 360}, kFluidStateInput, kLiquidState, "Frame3"},
    {Label, "Label11", {180, 660, 2100, 300}, kSteamTemperatureInput, {}, "Frame3"},
    {Input, "Text11", {2340, 600, 840, 400}, kSteamTemperatureInput, {}, "Frame3"},
    {Label, "Label12", {3480, 660, 2220, 300}, kFlowInput, {}, "Frame3"},
    {Input, "Text12", {5760, 600, 840, 400}, kFlowInput, {}, "Frame3"},
    {Label, "Label13", {180, 1200, 2100, 300}, kVelocityInput, {}, "Frame3"},
    {Input, "Text13", {2340, 1140, 840, 400}, kVelocityInput, {}, "Frame3"},
    {Label, "Label14", {3480, 1200, 2220, 300}, kDensityInput, {}, "Frame3"},
    {Input, "Text14", {5760, 1140, 840, 400}, kDensityInput, {}, "Frame3"},
    {HintLabel, "Label15", {180, 1680, 6420, 300}, kVelocityInput, {}, "Frame3"},
    {CalculateButton, "Command4", {3960, 2640, 1300, 450}, {}, "计算"},
    {ExitButton, "Command7", {5520, 2640, 1300, 450}, {}},
    {ResultBox, "Text9", {120, 3240, 6765, 1650}},
};

}  // namespace

extern const ToolPage kPipePage = {PipeTool, "GLJS", kControls};

}  // namespace vapentis
