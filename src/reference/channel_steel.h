// Hot-rolled channel steel sections: height, flange width b and mass per
// metre of the 30 sizes of the drop-down list.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vapentis {

struct ChannelSize {
  std::string_view designation;
  int h_mm;
  int b_mm;
  double mass_kg_per_m;
};

// Key of the input, the size designation.
inline constexpr std::string_view kDesignationInput = "designation";

// The designations of the drop-down list in list order, one blank between;
// "20a" comes first so that the window opens on it.
inline constexpr std::string_view kChannelList =
    "20a 5 6.3 8 10 12 14a 14b 16a 16b 18a 18b 20b 22a 22b 25a 25b 25c 28a 28b 28c 32a 32b 32c "
    "36a 36b 36c 40a 40b 40c";

std::span<const ChannelSize> ChannelSteelTable();  // the 30 rows in table order

// The row whose designation equals the text exactly (case and blanks
// count); nullptr when there is none.
const ChannelSize* LookupChannel(std::string_view designation);

// The three result lines; with no row the labels and units without values.
std::vector<std::string> ChannelResultText(const ChannelSize* row, char decimal_separator = '.');

}  // namespace vapentis
