#include "reference/channel_tool.h"

#include <array>

#include "reference/channel_steel.h"

namespace vapentis {

namespace {

constexpr std::array kInputs = {
    InputDescription{
        .key = kDesignationInput,
        .caption = "选择槽钢规格",
        .unit = "",
        .start_text = "20a",
        .hint = "热轧槽钢的型号，区分大小写",
        .list = kChannelList,
        .list_only = true,
    },
};

ToolOutcome Calculate(std::span<const std::string> texts, char decimal_separator) {
  const ChannelSize* row = LookupChannel(texts[0]);
  ToolOutcome out{{}, ChannelResultText(row, decimal_separator)};
  if (row == nullptr) {
    out.unmatched_input = kDesignationInput;
    out.notice = "没有规格为“" + texts[0] + "”的槽钢，结果中没有数值";
  } else {
    out.figures = {{"h_mm", static_cast<double>(row->h_mm)},
                   {"b_mm", static_cast<double>(row->b_mm)},
                   {"mass_kg_per_m", row->mass_kg_per_m}};
  }
  return out;
}

constexpr ToolDescription kTool{
    .name = "channel",
    .summary = "国标槽钢查询：背高h、腿宽b和每米重量",
    .inputs = kInputs,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& ChannelTool() { return kTool; }

}  // namespace vapentis
