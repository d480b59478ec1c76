// Batch runs: requests as JSON Lines in, one JSON record per request out, in
// order, one line at a time, so any number of lines runs in constant memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>

namespace vapentis::cli {

// A longer line is answered with an error and skipped unread, so that memory stays bounded.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

struct BatchCounts {
  std::uint64_t requests = 0;  // lines answered; blank lines are skipped
  std::uint64_t failed = 0;
  bool read_error = false;
};

// Reads until the end of `in`. Output is flushed whenever no further input is
// waiting, so a program that feeds requests one at a time sees each answer.
BatchCounts RunBatch(std::istream& in, std::ostream& out,
                     std::size_t max_line_bytes = kMaxLineBytes);

}  // namespace vapentis::cli
