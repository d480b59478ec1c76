// The centrifugal pump power tab: five inputs, the calculate and exit buttons
// and the result box.
#include "core/process/pump_tool.h"
#include "gui/tabs/tool_pages.h"

namespace vapentis {

namespace {

using enum ControlKind;

constexpr ControlRow kControls[] = {
    {Frame, "Frame2", {120, 360, 6735, 1815}},
    {Label, "Label20", {120, 240, 1935, 345}, kPumpFlowInput, {}, "Frame2"},
    {Input, "Text18", {2160, 240, 800, 360}, kPumpFlowInput, {}, "Frame2"},
    {Label, "Label19", {3480, 240, 1575, 345}, kHeadInput, {}, "Frame2"},
    {Input, "Text17", {5760, 240, 800, 360}, kHeadInput, {}, "Frame2"},
    {Label, "Label18", {120, 720, 1455, 465}, kSpecificGravityInput, {}, "Frame2"},
    {Input, "Text16", {2160, 720, 800, 360}, kSpecificGravityInput, {}, "Frame2"},
    {Label, "Label17", {3480, 720, 2055, 345}, kEfficiencyInput, {}, "Frame2"},
    {Input, "Text15", {5760, 720, 800, 360}, kEfficiencyInput, {}, "Frame2"},
    {Label, "Label16", {120, 1200, 1575, 345}, kSafetyFactorInput, {}, "Frame2"},
    {Input, "Text20", {2160, 1200, 800, 360}, kSafetyFactorInput, {}, "Frame2"},
    {CalculateButton, "Command10", {3960, 2400, 1300, 450}, {}, "计算"},
    {ExitButton, "Command9", {5520, 2400, 1300, 450}, {}},
    {ResultBox, "Text19", {120, 3000, 6765, 1890}},
};

}  // namespace

extern const ToolPage kPumpPage = {PumpTool, "P", kControls};

}  // namespace vapentis
