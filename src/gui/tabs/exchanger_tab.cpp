// The shell-and-tube exchanger tab: three inputs, the pitch and arrangement
// shown for reference, the calculate and exit buttons and the result box.
#include "core/process/exchanger_tool.h"
#include "gui/tabs/tool_pages.h"

namespace vapentis {

namespace {

using enum ControlKind;

constexpr ControlRow kControls[] = {
    {Frame, "Frame4", {120, 360, 6735, 1815}},
    {Label, "Label22", {120, 360, 1935, 345}, kAreaInput, {}, "Frame4"},
    {Input, "Text23", {2400, 360, 800, 360}, kAreaInput, {}, "Frame4"},
    {Label, "Label23", {3360, 360, 1575, 345}, kTubeDiameterInput, {}, "Frame4"},
    {Input, "Text24", {5400, 360, 1155, 360}, kTubeDiameterInput, {}, "Frame4"},
    {Label, "Label24", {120, 840, 1935, 465}, kTubeLengthInput, {}, "Frame4"},
    {Input, "Text25", {2400, 840, 800, 360}, kTubeLengthInput, {}, "Frame4"},
    {Label, "Label25", {3360, 840, 1575, 345}, kArrangementInput, {}, "Frame4"},
    {List, "Combo3", {5160, 840, 1455, 360}, kArrangementInput, {}, "Frame4"},
    {Label, "Label21", {120, 1320, 1695, 465}, kPitchInput, {}, "Frame4"},
    {Input, "Text22", {2400, 1320, 800, 360}, kPitchInput, {}, "Frame4"},
    {CalculateButton, "Command11", {3960, 2400, 1300, 450}, {}, "计算"},
    {ExitButton, "Command12", {5520, 2400, 1300, 450}, {}},
    {ResultBox, "Text21", {120, 3000, 6765, 1890}},
};

}  // namespace

extern const ToolPage kExchangerPage = {ExchangerTool, "HE", kControls};

}  // namespace vapentis
