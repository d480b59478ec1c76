#include "core/reference/channel_steel.h"

#include <array>

#include "core/numeric/numeric.h"

namespace vapentis {

const ChannelSize* LookupChannel(std::string_view designation) {
  for (const ChannelSize& row : kChannelSteelTable) {
    if (row.designation == designation) return &row;
  }
  return nullptr;
}

std::vector<std::string> ChannelResultText(const ChannelSize* row, char decimal_separator) {
  struct Shown {
    std::string_view label;
    std::string_view unit;
    double value;
  };
  // b is the flange width (腿宽), as the section drawing marks it.
  const std::array<Shown, 3> shown = {{
      {"槽钢背高h=", "mm", row != nullptr ? static_cast<double>(row->h_mm) : 0},
      {"槽钢腿宽b=", "mm", row != nullptr ? static_cast<double>(row->b_mm) : 0},
      {"槽钢每米的重量=", "kg", row != nullptr ? row->mass_kg_per_m : 0},
  }};
  std::vector<std::string> lines;
  lines.reserve(shown.size());
  for (const Shown& line : shown) {
    // No row: the labels without values.
    lines.push_back(
        row != nullptr ? Concat({line.label, ShownNumber(line.value, decimal_separator), line.unit})
                       : Concat({line.label, line.unit}));
  }
  return lines;
}

}  // namespace vapentis
