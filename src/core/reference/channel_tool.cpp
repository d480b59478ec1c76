#include "core/reference/channel_tool.h"

#include <array>

#include "core/reference/channel_steel.h"

namespace vapentis {

namespace {

constexpr std::array kInputs = {
    InputDescription{
        .key = kDesignationInput,
        .label = "选择槽钢规格",
        .unit = "",
        .start_text = kChannelList.front(),
        .hint = "热轧槽钢的型号，区分大小写",
        .list = kChannelList,
        .list_only = true,
    },
};

ToolOutcome Calculate(const InputTexts& in, char decimal_separator) {
  const std::string& designation = in[kDesignationInput];
  const ChannelSize* row = LookupChannel(designation);
  ToolOutcome out{{}, ChannelResultText(row, decimal_separator)};
  if (row == nullptr) {
    out.unmatched_input = kDesignationInput;
    out.notice = "没有规格为“" + designation + "”的槽钢，结果中没有数值";
  } else {
    out.figures = {{"h_mm", static_cast<double>(row->h_mm)},
                   {"b_mm", static_cast<double>(row->b_mm)},
                   {"mass_kg_per_m", row->mass_kg_per_m}};
  }
  return out;
}

constexpr ToolDescription kTool{
    .name = "channel",
    .menu_caption = "国标槽钢查询",
    .tab_caption = "国标槽钢",
    .summary = "国标槽钢查询：背高h、腿宽b和每米重量",
    .basis = "GB/T 706-2016 热轧型钢",
    .inputs = kInputs,
    .calculate = Calculate,
};

}  // namespace

const ToolDescription& ChannelTool() { return kTool; }

}  // namespace vapentis
