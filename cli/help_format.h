// The help's option and subcommand lists, lined up by the columns a terminal
// gives each character rather than by bytes: a Chinese character takes two.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace CLI {
class Formatter;
}

namespace vapentis::cli {

// The columns a terminal gives UTF-8 text: two for each East Asian Wide or
// Fullwidth character, one for any other, and one for each byte that starts no
// valid sequence (a terminal shows a replacement mark for it).
std::size_t DisplayWidth(std::string_view utf8);

// One entry of a help list: the name indented by two columns, the description
// from display column `column` on, each further line of it there too. A name
// that reaches the column puts the description on the next line.
std::string HelpEntry(std::string_view name, std::string_view description, std::size_t column);

// CLI11's formatter with its option and subcommand entries made by HelpEntry.
std::shared_ptr<CLI::Formatter> DisplayWidthFormatter();

}  // namespace vapentis::cli
