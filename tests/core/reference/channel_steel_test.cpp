#include "core/reference/channel_steel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vapentis {
namespace {

// The published table, typed independently of the source, with each value as
// the result box must show it.
struct Row {
  const char* designation;
  int h_mm;
  int b_mm;
  double mass_kg_per_m;
  const char* mass_shown;
};

const Row kRows[] = {
    {"5", 50, 37, 5.44, "5.44"},       {"6.3", 63, 40, 6.63, "6.63"},
    {"8", 80, 43, 8.04, "8.04"},       {"10", 100, 48, 10, "10"},
    {"12", 120, 53, 12.06, "12.06"},   {"14a", 140, 58, 14.53, "14.53"},
    {"14b", 140, 60, 16.73, "16.73"},  {"16a", 160, 63, 17.23, "17.23"},
    {"16b", 160, 65, 19.75, "19.75"},  {"18a", 180, 68, 20.17, "20.17"},
    {"18b", 180, 70, 22.99, "22.99"},  {"20a", 200, 73, 22.63, "22.63"},
    {"20b", 200, 75, 25.77, "25.77"},  {"22a", 220, 77, 24.99, "24.99"},
    {"22b", 220, 79, 28.45, "28.45"},  {"25a", 250, 78, 27.4, "27.4"},
    {"25b", 250, 80, 31.33, "31.33"},  {"25c", 250, 82, 35.25, "35.25"},
    {"28a", 280, 82, 31.42, "31.42"},  {"28b", 280, 84, 35.81, "35.81"},
    {"28c", 280, 86, 40.21, "40.21"},  {"32a", 320, 88, 38.07, "38.07"},
    {"32b", 320, 90, 43.1, "43.1"},    {"32c", 320, 92, 48.12, "48.12"},
    {"36a", 360, 96, 47.8, "47.8"},    {"36b", 360, 98, 53.45, "53.45"},
    {"36c", 360, 100, 59.1, "59.1"},   {"40a", 400, 100, 58.91, "58.91"},
    {"40b", 400, 102, 65.19, "65.19"}, {"40c", 400, 104, 71.47, "71.47"},
};

TEST(ChannelSteelTable, HoldsTheThirtyRowsInTableOrder) {
  const auto& table = kChannelSteelTable;
  ASSERT_EQ(table.size(), std::size(kRows));
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].designation, kRows[i].designation) << i;
  }
}

TEST(LookupChannel, GivesEachRowWithItsThreeLines) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.designation);
    const ChannelSize* found = LookupChannel(row.designation);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->designation, row.designation);
    EXPECT_EQ(found->h_mm, row.h_mm);
    EXPECT_EQ(found->b_mm, row.b_mm);
    EXPECT_EQ(found->mass_kg_per_m, row.mass_kg_per_m);
    const std::vector<std::string> expected = {
        "槽钢背高h=" + std::to_string(row.h_mm) + "mm",
        "槽钢腿宽b=" + std::to_string(row.b_mm) + "mm",
        std::string("槽钢每米的重量=") + row.mass_shown + "kg",
    };
    EXPECT_EQ(ChannelResultText(found), expected);
  }
}

TEST(LookupChannel, MatchesOnlyTheExactText) {
  for (const char* text : {"20a ", " 20a", "20A", "6.30", "", "36", "10.0", "5\t"}) {
    EXPECT_EQ(LookupChannel(text), nullptr) << '"' << text << '"';
  }
}

TEST(ChannelResultText, WritesTheLabelsWithoutValuesForNoRow) {
  const std::vector<std::string> expected = {"槽钢背高h=mm", "槽钢腿宽b=mm", "槽钢每米的重量=kg"};
  EXPECT_EQ(ChannelResultText(nullptr), expected);
}

TEST(ChannelResultText, WritesTheMassWithTheLocaleSeparator) {
  EXPECT_EQ(ChannelResultText(LookupChannel("20a"), ',')[2], "槽钢每米的重量=22,63kg");
}

TEST(ChannelList, HoldsEveryTableDesignationOnceWithTwentyAFirst) {
  EXPECT_EQ(kChannelList.front(), "20a");
  for (const Row& row : kRows) {
    EXPECT_EQ(std::count(kChannelList.begin(), kChannelList.end(), row.designation), 1)
        << row.designation;
  }
}

}  // namespace
}  // namespace vapentis
