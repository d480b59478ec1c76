// vapentis-calc's UTF-8 on Windows: the arguments from the system's UTF-16 command
// line, and standard streams that pass UTF-8 bytes unchanged to a file or a pipe
// and give and take UTF-16 where they are a console.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace vapentis::cli {

// UTF-16 to UTF-8 and back; an invalid sequence becomes U+FFFD.
std::string Utf8FromWide(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);

// The arguments of a command line, split as the C runtime splits them, in UTF-8.
std::vector<std::string> ArgumentsFromCommandLine(const wchar_t* command_line);

// This program's arguments in UTF-8. main's argv holds them in the ANSI code page,
// which turns every character it lacks into "?".
std::vector<std::string> Utf8Arguments();

// Writes UTF-8 text as UTF-16 through `sink`, whole characters at a time: a
// character split across two writes waits for its last byte.
class WideOutputBuffer : public std::streambuf {
 public:
  using Sink = std::function<bool(std::wstring_view)>;
  explicit WideOutputBuffer(Sink sink);
  ~WideOutputBuffer() override;
  WideOutputBuffer(const WideOutputBuffer&) = delete;
  WideOutputBuffer& operator=(const WideOutputBuffer&) = delete;

 protected:
  int_type overflow(int_type ch) override;
  int sync() override;

 private:
  // Passes on the buffered text; with `all`, also an unfinished last character.
  bool Drain(bool all);

  Sink sink_;
  std::array<char, 4096> buffer_{};
};

// Reads UTF-16 text from `source` and gives it as UTF-8. A piece that starts with
// Ctrl+Z ends the input, as it does for a program reading a console in text mode.
class WideInputBuffer : public std::streambuf {
 public:
  // Fills its argument with the next piece of text; false at the end.
  using Source = std::function<bool(std::wstring&)>;
  explicit WideInputBuffer(Source source);

 protected:
  int_type underflow() override;

 private:
  Source source_;
  std::wstring piece_;
  wchar_t pending_high_surrogate_ = 0;
  std::string text_;
  bool ended_ = false;
};

// For the life of main: the standard streams in binary mode, so that a file or a
// pipe gets the bytes as on Linux (no CR before LF, no end at a Ctrl+Z byte), and
// those that are a console read and written as UTF-16, which shows Chinese
// whatever the console's code page.
class StandardStreams {
 public:
  StandardStreams();
  ~StandardStreams();
  StandardStreams(const StandardStreams&) = delete;
  StandardStreams& operator=(const StandardStreams&) = delete;

 private:
  std::unique_ptr<std::streambuf> input_;
  std::streambuf* original_input_ = nullptr;
  std::array<std::unique_ptr<std::streambuf>, 2> outputs_;  // standard output and error
  std::array<std::streambuf*, 2> original_outputs_{};
};

}  // namespace vapentis::cli
