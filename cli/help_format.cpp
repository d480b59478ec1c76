#include "cli/help_format.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <utility>

#include "core/text/utf8.h"

namespace vapentis::cli {

namespace {

struct Range {
  char32_t first;
  char32_t last;
};

// The code points EastAsianWidth.txt (Unicode 14) marks W or F, with the
// unassigned ones of the CJK ideograph blocks, which it gives W by default.
constexpr std::array kWide = std::to_array<Range>({
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x23F0, 0x23F0},   {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},
    {0x2648, 0x2653},   {0x267F, 0x267F},   {0x2693, 0x2693},   {0x26A1, 0x26A1},
    {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},   {0x26CE, 0x26CE},
    {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
    {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},
    {0x2728, 0x2728},   {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},
    {0x2757, 0x2757},   {0x2795, 0x2797},   {0x27B0, 0x27B0},   {0x27BF, 0x27BF},
    {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},   {0x2E80, 0x2E99},
    {0x2E9B, 0x2EF3},   {0x2F00, 0x2FD5},   {0x2FF0, 0x2FFB},   {0x3000, 0x303E},
    {0x3041, 0x3096},   {0x3099, 0x30FF},   {0x3105, 0x312F},   {0x3131, 0x318E},
    {0x3190, 0x31E3},   {0x31F0, 0x321E},   {0x3220, 0x3247},   {0x3250, 0x4DBF},
    {0x4E00, 0xA48C},   {0xA490, 0xA4C6},   {0xA960, 0xA97C},   {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE52},   {0xFE54, 0xFE66},
    {0xFE68, 0xFE6B},   {0xFF01, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x16FE4},
    {0x16FF0, 0x16FF1}, {0x17000, 0x187F7}, {0x18800, 0x18CD5}, {0x18D00, 0x18D08},
    {0x1AFF0, 0x1AFF3}, {0x1AFF5, 0x1AFFB}, {0x1AFFD, 0x1AFFE}, {0x1B000, 0x1B122},
    {0x1B150, 0x1B152}, {0x1B164, 0x1B167}, {0x1B170, 0x1B2FB}, {0x1F004, 0x1F004},
    {0x1F0CF, 0x1F0CF}, {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A}, {0x1F200, 0x1F202},
    {0x1F210, 0x1F23B}, {0x1F240, 0x1F248}, {0x1F250, 0x1F251}, {0x1F260, 0x1F265},
    {0x1F300, 0x1F320}, {0x1F32D, 0x1F335}, {0x1F337, 0x1F37C}, {0x1F37E, 0x1F393},
    {0x1F3A0, 0x1F3CA}, {0x1F3CF, 0x1F3D3}, {0x1F3E0, 0x1F3F0}, {0x1F3F4, 0x1F3F4},
    {0x1F3F8, 0x1F43E}, {0x1F440, 0x1F440}, {0x1F442, 0x1F4FC}, {0x1F4FF, 0x1F53D},
    {0x1F54B, 0x1F54E}, {0x1F550, 0x1F567}, {0x1F57A, 0x1F57A}, {0x1F595, 0x1F596},
    {0x1F5A4, 0x1F5A4}, {0x1F5FB, 0x1F64F}, {0x1F680, 0x1F6C5}, {0x1F6CC, 0x1F6CC},
    {0x1F6D0, 0x1F6D2}, {0x1F6D5, 0x1F6D7}, {0x1F6DD, 0x1F6DF}, {0x1F6EB, 0x1F6EC},
    {0x1F6F4, 0x1F6FC}, {0x1F7E0, 0x1F7EB}, {0x1F7F0, 0x1F7F0}, {0x1F90C, 0x1F93A},
    {0x1F93C, 0x1F945}, {0x1F947, 0x1F9FF}, {0x1FA70, 0x1FA74}, {0x1FA78, 0x1FA7C},
    {0x1FA80, 0x1FA86}, {0x1FA90, 0x1FAAC}, {0x1FAB0, 0x1FABA}, {0x1FAC0, 0x1FAC5},
    {0x1FAD0, 0x1FAD9}, {0x1FAE0, 0x1FAE7}, {0x1FAF0, 0x1FAF6}, {0x20000, 0x2FFFD},
    {0x30000, 0x3FFFD},
});

bool IsWide(char32_t c) {
  const auto after =
      std::upper_bound(kWide.begin(), kWide.end(), c,
                       [](char32_t value, const Range& r) { return value < r.first; });
  return after != kWide.begin() && c <= std::prev(after)->last;
}

// The code point starting `text` and its length in bytes, or a length of 0
// where no well-formed UTF-8 sequence starts.
std::pair<char32_t, std::size_t> Decode(std::string_view text) {
  const std::size_t length = Utf8SequenceLength(text);
  if (length == 0) return {0, 0};
  // The bits of the lead byte that belong to the code point, by sequence length.
  constexpr std::array<std::uint8_t, 5> kLeadBits = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t c = static_cast<std::uint8_t>(text[0]) & kLeadBits[length];
  for (std::size_t i = 1; i < length; ++i)
    c = (c << 6) | (static_cast<std::uint8_t>(text[i]) & 0x3F);
  return {c, length};
}

class WidthFormatter : public CLI::Formatter {
 public:
  std::string make_option(const CLI::Option* option, bool is_positional) const override {
    return HelpEntry(make_option_name(option, is_positional) + make_option_opts(option),
                     make_option_desc(option), get_column_width());
  }

  std::string make_subcommand(const CLI::App* subcommand) const override {
    return HelpEntry(subcommand->get_display_name(true), subcommand->get_description(),
                     get_column_width());
  }
};

}  // namespace

std::size_t DisplayWidth(std::string_view utf8) {
  std::size_t width = 0;
  while (!utf8.empty()) {
    const auto [c, length] = Decode(utf8);
    if (length == 0) {
      width += 1;
      utf8.remove_prefix(1);
      continue;
    }
    width += IsWide(c) ? 2 : 1;
    utf8.remove_prefix(length);
  }
  return width;
}

std::string HelpEntry(std::string_view name, std::string_view description, std::size_t column) {
  std::string entry = "  ";
  entry += name;
  if (description.empty()) return entry + '\n';
  const std::size_t width = DisplayWidth(entry);
  if (width < column) {
    entry.append(column - width, ' ');
  } else {
    entry += '\n';
    entry.append(column, ' ');
  }
  for (std::size_t start = 0;;) {
    const std::size_t end = description.find('\n', start);
    entry += description.substr(start, end - start);
    entry += '\n';
    if (end == std::string_view::npos || end + 1 == description.size()) break;
    entry.append(column, ' ');
    start = end + 1;
  }
  return entry;
}

std::shared_ptr<CLI::Formatter> DisplayWidthFormatter() {
  return std::make_shared<WidthFormatter>();
}

}  // namespace vapentis::cli
