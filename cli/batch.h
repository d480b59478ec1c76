// Batch runs: requests as JSON Lines in, one JSON record per request out, in
// order, one line at a time, so any number of lines runs in constant memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/description/tool_description.h"

namespace vapentis::cli {

// A longer line is answered with an error and skipped unread, so that memory stays bounded.
inline constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;

struct BatchCounts {
  std::uint64_t requests = 0;  // lines answered; blank lines are skipped
  std::uint64_t failed = 0;
  bool read_error = false;
};

// What keeps a line from being a request: the kind (MalformedJson, UnknownTool,
// ...), what is wrong, the key to blame (empty: none), and the tool, where the
// line named one before the problem showed.
struct RequestProblem {
  std::string_view kind;
  std::string message;
  std::string input = {};
  const ToolDescription* tool = nullptr;
};

// Reads lines of JSON Lines as requests, as `batch` reads them, for every
// command that takes requests.
class RequestReader {
 public:
  RequestReader();
  ~RequestReader();
  RequestReader(const RequestReader&) = delete;
  RequestReader& operator=(const RequestReader&) = delete;

  // Sets `texts` to the line's request: its tool's inputs at their defaults, the
  // line's texts over them, the choices settled. Returns the problem instead
  // when the line is no request; `texts` then holds nothing to calculate.
  std::optional<RequestProblem> Read(std::string_view line, InputTexts& texts);

 private:
  struct State;
  std::unique_ptr<State> state_;
  std::vector<std::string_view> given_;  // keys of the inputs the line gave
};

enum class LineRead { Line, TooLong, End, Failed };

// The lines of JSON Lines, one at a time, for every command that reads requests.
// The buffer grows only as far as the lines need, so a batch of short lines
// touches no more memory than they take; a line over `max_line_bytes` is skipped
// to its end, unread.
class LineReader {
 public:
  explicit LineReader(std::istream& in, std::size_t max_line_bytes = kMaxLineBytes)
      : in_(in), max_line_bytes_(max_line_bytes) {}

  // The next line without its newline, valid until the next call.
  LineRead Next(std::string_view& line);

 private:
  std::istream& in_;
  std::size_t max_line_bytes_;
  std::string buffer_;
};

// Reads until the end of `in`. Output is flushed whenever no further input is
// waiting, so a program that feeds requests one at a time sees each answer.
BatchCounts RunBatch(std::istream& in, std::ostream& out,
                     std::size_t max_line_bytes = kMaxLineBytes);

}  // namespace vapentis::cli
