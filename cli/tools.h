// How the command line names a tool's inputs, fills those not given, settles
// which choice a ticked input takes, and guesses what a mistyped name meant.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/description/tool_description.h"

namespace vapentis::cli {

// The option that sets an input: "--" and the key with '-' for '_'.
std::string OptionName(const InputDescription& input);

// The text of an input left out: the window's start text, or the first choice
// where the window starts with none ticked.
std::string_view DefaultText(const InputDescription& input);
// Every input of the tool at its default text, reusing the texts' room.
void SetDefaultTexts(const ToolDescription& tool, InputTexts& texts);

// Settles the ticked inputs from what was given: an input read only under one
// choice picks that choice when its chooser was not given. Returns why the
// given inputs cannot go together, naming them with `name`; empty when they can.
// The problem blames the input that is not read, in `blamed` if not null.
std::string SettleChoices(InputTexts& texts, std::span<const std::string_view> given,
                          std::string (*name)(const InputDescription& input),
                          const InputDescription** blamed = nullptr);

// The candidate closest to a mistyped word, if it is close enough to have been
// meant; empty otherwise.
std::string_view NearestName(std::string_view typed, std::span<const std::string> candidates);

}  // namespace vapentis::cli
