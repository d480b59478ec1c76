// What the JSON readers and writers share: which bytes a JSON string takes as
// they are, and which lines of JSON Lines are blank.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vapentis {

// ASCII that stands for itself inside a JSON string: neither a quote, a
// backslash nor a control character.
inline constexpr std::array<bool, 256> kPlainJsonAscii = [] {
  std::array<bool, 256> plain{};
  for (std::size_t c = 0x20; c < 0x80; ++c) plain[c] = c != '"' && c != '\\';
  return plain;
}();

// The length of the longest start of `text` that goes into a JSON string
// unchanged: well-formed UTF-8 without a quote, a backslash or a control character.
std::size_t PlainJsonLength(std::string_view text);

// A line of nothing but blanks, tabs and carriage returns, which JSON Lines skips.
inline bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace vapentis
