// Hot-rolled channel steel sections: height, flange width b and mass per
// metre of the 30 sizes of the drop-down list.
#pragma once

#include <array>
#include <cstddef>
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

// The 30 sizes in table order, the order the lookup tests them in.
inline constexpr std::array<ChannelSize, 30> kChannelSteelTable = {{
    // Masses as GB/T 706-2016 gives them; "6.3" and "12" hold their own
    // sections' theoretical masses (63 x 40 x 4.8: 6.634; 120 x 53 x 5.5: 12.059).
    {"5", 50, 37, 5.44},
    {"6.3", 63, 40, 6.63},
    {"8", 80, 43, 8.04},
    {"10", 100, 48, 10},
    {"12", 120, 53, 12.06},
    {"14a", 140, 58, 14.53},
    {"14b", 140, 60, 16.73},
    {"16a", 160, 63, 17.23},
    {"16b", 160, 65, 19.75},
    {"18a", 180, 68, 20.17},
    {"18b", 180, 70, 22.99},
    {"20a", 200, 73, 22.63},
    {"20b", 200, 75, 25.77},
    {"22a", 220, 77, 24.99},
    {"22b", 220, 79, 28.45},
    {"25a", 250, 78, 27.4},
    {"25b", 250, 80, 31.33},
    {"25c", 250, 82, 35.25},
    {"28a", 280, 82, 31.42},
    {"28b", 280, 84, 35.81},
    {"28c", 280, 86, 40.21},
    {"32a", 320, 88, 38.07},
    {"32b", 320, 90, 43.1},
    {"32c", 320, 92, 48.12},
    {"36a", 360, 96, 47.8},
    // b rises 2 mm per letter as in every other group; 68.09 cm2 at 7.85 g/cm3.
    {"36b", 360, 98, 53.45},
    {"36c", 360, 100, 59.1},
    {"40a", 400, 100, 58.91},
    {"40b", 400, 102, 65.19},
    {"40c", 400, 104, 71.47},
}};

// The designations of the drop-down list: the table's, with "20a" moved to the
// front so that the window opens on it.
inline constexpr std::array<std::string_view, 30> kChannelList = [] {
  constexpr std::string_view kFirst = "20a";
  std::array<std::string_view, 30> list{kFirst};
  std::size_t next = 1;
  for (const ChannelSize& row : kChannelSteelTable) {
    if (row.designation != kFirst) list[next++] = row.designation;
  }
  return list;
}();

// The row whose designation equals the text exactly (case and blanks
// count); nullptr when there is none.
const ChannelSize* LookupChannel(std::string_view designation);

// The three result lines; with no row the labels and units without values.
std::vector<std::string> ChannelResultText(const ChannelSize* row, char decimal_separator = '.');

}  // namespace vapentis
