#include "reference/channel_steel.h"

#include "numeric/numeric.h"

namespace vapentis {

const ChannelSize* LookupChannel(std::string_view designation) {
  for (const ChannelSize& row : kChannelSteelTable) {
    if (row.designation == designation) return &row;
  }
  return nullptr;
}

std::vector<std::string> ChannelResultText(const ChannelSize* row, char decimal_separator) {
  std::string h;
  std::string b;
  std::string mass;
  if (row != nullptr) {
    h = NumberText(row->h_mm, decimal_separator);
    b = NumberText(row->b_mm, decimal_separator);
    mass = NumberText(row->mass_kg_per_m, decimal_separator);
  }
  // b is the flange width (腿宽), as the section drawing marks it.
  return {"槽钢背高h=" + h + "mm", "槽钢腿宽b=" + b + "mm", "槽钢每米的重量=" + mass + "kg"};
}

}  // namespace vapentis
