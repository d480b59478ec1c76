#include "cli/windows_console.h"

// windows.h first: shellapi.h builds on it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <iostream>
#include <memory>

namespace vapentis::cli {

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), bytes, nullptr, nullptr);
  return out;
}

std::wstring WideFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int chars = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(chars), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, out.data(), chars);
  return out;
}

std::vector<std::string> ArgumentsFromCommandLine(const wchar_t* command_line) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(command_line, &count);
  if (arguments == nullptr) return {};
  std::vector<std::string> out;
  out.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) out.push_back(Utf8FromWide(arguments[i]));
  LocalFree(arguments);
  return out;
}

std::vector<std::string> Utf8Arguments() { return ArgumentsFromCommandLine(GetCommandLineW()); }

namespace {

// How many bytes at the end of `text` start a character that is not complete.
std::size_t UnfinishedTail(std::string_view text) {
  const std::size_t n = text.size();
  for (std::size_t back = 1; back <= 3 && back <= n; ++back) {
    const auto byte = static_cast<unsigned char>(text[n - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? back : 0;
  }
  return 0;
}

}  // namespace

WideOutputBuffer::WideOutputBuffer(Sink sink) : sink_(std::move(sink)) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

WideOutputBuffer::~WideOutputBuffer() { Drain(true); }

WideOutputBuffer::int_type WideOutputBuffer::overflow(int_type ch) {
  if (!Drain(false)) return traits_type::eof();
  if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
  // Drain leaves at most an unfinished character, so there is room.
  *pptr() = traits_type::to_char_type(ch);
  pbump(1);
  return ch;
}

int WideOutputBuffer::sync() { return Drain(false) ? 0 : -1; }

bool WideOutputBuffer::Drain(bool all) {
  const std::string_view text(pbase(), static_cast<std::size_t>(pptr() - pbase()));
  const std::size_t keep = all ? 0 : UnfinishedTail(text);
  const std::wstring wide = WideFromUtf8(text.substr(0, text.size() - keep));
  const bool written = wide.empty() || sink_(wide);
  // The unfinished character moves to the front, to wait for its end.
  std::char_traits<char>::move(buffer_.data(), text.data() + text.size() - keep, keep);
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  pbump(static_cast<int>(keep));
  return written;
}

WideInputBuffer::WideInputBuffer(Source source) : source_(std::move(source)) {}

WideInputBuffer::int_type WideInputBuffer::underflow() {
  while (gptr() == egptr()) {
    if (ended_ || !source_(piece_) || (!piece_.empty() && piece_.front() == L'\x1a')) {
      ended_ = true;
      return traits_type::eof();
    }
    // A surrogate pair split across two pieces is converted once whole.
    if (pending_high_surrogate_ != 0) {
      piece_.insert(piece_.begin(), pending_high_surrogate_);
      pending_high_surrogate_ = 0;
    }
    if (!piece_.empty() && piece_.back() >= 0xD800 && piece_.back() <= 0xDBFF) {
      pending_high_surrogate_ = piece_.back();
      piece_.pop_back();
    }
    text_ = Utf8FromWide(piece_);
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }
  return traits_type::to_int_type(*gptr());
}

namespace {

// The console behind a standard handle, or nullptr for a file, a pipe or none.
HANDLE ConsoleOf(DWORD which) {
  HANDLE handle = GetStdHandle(which);
  DWORD mode = 0;
  if (handle == INVALID_HANDLE_VALUE || handle == nullptr || !GetConsoleMode(handle, &mode)) {
    return nullptr;
  }
  return handle;
}

}  // namespace

StandardStreams::StandardStreams() {
  for (int fd : {0, 1, 2}) _setmode(fd, _O_BINARY);
  if (HANDLE console = ConsoleOf(STD_INPUT_HANDLE)) {
    input_ = std::make_unique<WideInputBuffer>([console](std::wstring& piece) {
      piece.resize(4096);
      DWORD read = 0;
      if (!ReadConsoleW(console, piece.data(), static_cast<DWORD>(piece.size()), &read, nullptr) ||
          read == 0) {
        return false;
      }
      piece.resize(read);
      return true;
    });
    original_input_ = std::cin.rdbuf(input_.get());
  }
  std::ostream* const streams[] = {&std::cout, &std::cerr};
  const DWORD handles[] = {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
  for (int i = 0; i < 2; ++i) {
    HANDLE console = ConsoleOf(handles[i]);
    if (console == nullptr) continue;
    outputs_[i] = std::make_unique<WideOutputBuffer>([console](std::wstring_view text) {
      while (!text.empty()) {
        DWORD written = 0;
        if (!WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written,
                           nullptr) ||
            written == 0) {
          return false;
        }
        text.remove_prefix(written);
      }
      return true;
    });
    streams[i]->flush();
    original_outputs_[i] = streams[i]->rdbuf(outputs_[i].get());
  }
}

StandardStreams::~StandardStreams() {
  std::ostream* const streams[] = {&std::cout, &std::cerr};
  for (int i = 0; i < 2; ++i) {
    if (!outputs_[i]) continue;
    streams[i]->flush();
    streams[i]->rdbuf(original_outputs_[i]);
  }
  if (input_) std::cin.rdbuf(original_input_);
}

}  // namespace vapentis::cli
