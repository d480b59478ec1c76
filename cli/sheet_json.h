// The calculation sheet as JSON: the value itself, its figures as numbers.
#pragma once

#include "cli/output.h"
#include "core/sheet/sheet.h"

namespace vapentis::cli {

// The members of the sheet's object, in the shape the README documents.
void WriteSheetMembers(JsonWriter& json, const Sheet& sheet);

}  // namespace vapentis::cli
