// The low-pressure saturated steam tab: the pressure or temperature mode, the
// box of the mode, the calculate and exit buttons and the result box.
#include "core/process/steam_tool.h"
#include "gui/tabs/tool_pages.h"

namespace vapentis {

namespace {

using enum ControlKind;

// The two pairs of label and box share one spot; the mode decides which shows.
constexpr ControlRow kControls[] = {
    {Frame, "Frame1", {840, 480, 4095, 1095}},
    {CheckBox, "Check1", {240, 120, 1800, 375}, kSteamModeInput, kPressureMode, "Frame1"},
    {CheckBox, "Check2", {240, 600, 1800, 375}, kSteamModeInput, kTemperatureMode, "Frame1"},
    {Label, "Label8", {840, 1860, 2280, 300}, kPressureInput},
    {Input, "Text5", {3240, 1800, 1695, 400}, kPressureInput},
    {Label, "Label9", {840, 1860, 2280, 300}, kTemperatureInput},
    {Input, "Text7", {3240, 1800, 1695, 400}, kTemperatureInput},
    {CalculateButton, "Command3", {5520, 840, 1300, 500}, {}, "确定"},
    {ExitButton, "Command2", {5520, 1560, 1300, 500}, {}},
    {ResultBox, "Text6", {120, 2400, 6735, 2535}},
};

}  // namespace

extern const ToolPage kSteamPage = {SteamTool, "ZQXZ", kControls};

}  // namespace vapentis
