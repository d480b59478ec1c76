// The channel table against the published masses of GB/T 706-2016, read from
// the data file that docs/accuracy.md is made from too.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/reference/channel_steel.h"

namespace vapentis {
namespace {

struct StandardRow {
  std::string designation;
  int h_mm = 0;
  int b_mm = 0;
  double d_mm = 0;
  double mass_kg_per_m = 0;
};

// Comment lines start with '#'; the first other line names the columns.
std::vector<StandardRow> ReadStandard() {
  std::ifstream file(VAPENTIS_CHANNEL_STANDARD_CSV);
  std::vector<StandardRow> rows;
  if (!file) {
    ADD_FAILURE() << "cannot open " << VAPENTIS_CHANNEL_STANDARD_CSV;
    return rows;
  }
  std::string line;
  bool header = true;
  while (std::getline(file, line)) {
    if (line.empty() || line.front() == '#') continue;
    if (header) {
      EXPECT_EQ(line, "designation,h_mm,b_mm,d_mm,mass_kg_per_m");
      header = false;
      continue;
    }
    std::istringstream fields(line);
    StandardRow row;
    std::string h, b, d, mass;
    std::getline(fields, row.designation, ',');
    std::getline(fields, h, ',');
    std::getline(fields, b, ',');
    std::getline(fields, d, ',');
    std::getline(fields, mass, ',');
    row.h_mm = std::stoi(h);
    row.b_mm = std::stoi(b);
    row.d_mm = std::stod(d);
    row.mass_kg_per_m = std::stod(mass);
    rows.push_back(row);
  }
  return rows;
}

constexpr double kMassToleranceKgPerM = 0.05;

TEST(ChannelStandard, EveryRowHasTheStandardsDimensionsAndMass) {
  const std::vector<StandardRow> standard = ReadStandard();
  const auto& table = kChannelSteelTable;
  ASSERT_EQ(standard.size(), table.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    const StandardRow& expected = standard[i];
    SCOPED_TRACE(expected.designation);
    EXPECT_EQ(table[i].designation, expected.designation);
    EXPECT_EQ(table[i].h_mm, expected.h_mm);
    EXPECT_EQ(table[i].b_mm, expected.b_mm);
    EXPECT_NEAR(table[i].mass_kg_per_m, expected.mass_kg_per_m, kMassToleranceKgPerM);
  }
}

// Guards the reference itself against a mistyped figure: within one height,
// each later letter thickens the web by 2 mm and widens the flanges by as much,
// so the mass grows by exactly that strip of web, h x 2 mm at 7.85 g/cm3.
TEST(ChannelStandard, EachLetterAddsAStripOfWebToTheMass) {
  constexpr double kSteelKgPerM3 = 7850;
  const std::vector<StandardRow> standard = ReadStandard();
  int steps = 0;
  for (std::size_t i = 1; i < standard.size(); ++i) {
    const StandardRow& before = standard[i - 1];
    const StandardRow& row = standard[i];
    if (row.h_mm != before.h_mm) continue;
    SCOPED_TRACE(before.designation + " to " + row.designation);
    ++steps;
    const double web_step_mm = row.d_mm - before.d_mm;
    EXPECT_DOUBLE_EQ(web_step_mm, 2.0);
    EXPECT_EQ(row.b_mm - before.b_mm, 2);
    const double strip_kg_per_m = row.h_mm * web_step_mm * 1e-6 * kSteelKgPerM3;
    EXPECT_NEAR(row.mass_kg_per_m - before.mass_kg_per_m, strip_kg_per_m, 0.001);
  }
  EXPECT_EQ(steps, 15) << "the lettered sizes: 14 to 22 have a and b, 25 to 40 a, b and c";
}

}  // namespace
}  // namespace vapentis
