// The MVR sizing tab: the application list, three inputs, the calculate and
// exit buttons and the result box.
#include "core/mvr/sizing_tool.h"
#include "gui/tabs/tool_pages.h"

namespace vapentis {

namespace {

using enum ControlKind;

constexpr ControlRow kControls[] = {
    {Label, "Label7", {600, 480, 1335, 255}, kApplicationInput},
    {List, "Combo1", {2280, 480, 1335, 360}, kApplicationInput},
    {Label, "Label1", {600, 960, 1335, 255}, kThroughputInput},
    {Input, "Text1", {2400, 960, 1200, 400}, kThroughputInput},
    {UnitLabel, "Label4", {3720, 960, 1335, 255}, kThroughputInput},
    {Label, "Label2", {600, 1440, 1335, 255}, kFeedConcentrationInput},
    {Input, "Text2", {2400, 1440, 1200, 400}, kFeedConcentrationInput},
    {UnitLabel, "Label5", {3720, 1560, 1335, 255}, kFeedConcentrationInput},
    {Label, "Label3", {600, 2040, 1695, 255}, kProductConcentrationInput},
    {Input, "Text3", {2400, 1920, 1200, 400}, kProductConcentrationInput},
    {UnitLabel, "Label6", {3720, 2040, 1335, 255}, kProductConcentrationInput},
    {CalculateButton, "Command5", {5520, 840, 1300, 500}, {}, "确定"},
    {ExitButton, "Command1", {5520, 1560, 1300, 500}, {}},
    {ResultBox, "Text4", {120, 2400, 6735, 2535}},
};

}  // namespace

extern const ToolPage kSizingPage = {SizingTool, "MVR", kControls};

}  // namespace vapentis
