// vapentis-calc's UTF-8 on Windows: the conversions for the console and the
// command line, and the built program in a real console.
#include <windows.h>

#include <gtest/gtest.h>

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/windows_console.h"
#include "cli_test_support.h"

namespace vapentis::cli {
namespace {

// What a console receives when `text` is written in pieces of these sizes, each
// followed by a flush (0: the rest in one piece).
std::wstring WrittenInPieces(const std::string& text, const std::vector<std::size_t>& pieces) {
  std::wstring received;
  {
    WideOutputBuffer buffer([&](std::wstring_view wide) {
      received.append(wide);
      return true;
    });
    std::ostream out(&buffer);
    std::size_t at = 0;
    for (std::size_t size : pieces) {
      const std::size_t n = size == 0 ? text.size() - at : std::min(size, text.size() - at);
      out.write(text.data() + at, static_cast<std::streamsize>(n));
      out.flush();
      at += n;
    }
    out.write(text.data() + at, static_cast<std::streamsize>(text.size() - at));
  }
  return received;
}

struct OutputCase {
  const char* name;
  std::string text;
  std::vector<std::size_t> pieces;
};

TEST(WideOutputBuffer, PassesWholeCharactersHoweverTheTextIsCut) {
  const std::string sizing = "蒸发量=6.4吨/小时\nMVR蒸发器型号：KOV6.4-ZLD-FC\n";
  std::string long_text;
  for (int i = 0; i < 3000; ++i) long_text += "蒸";  // 9000 bytes: the buffer fills mid-character
  const std::vector<OutputCase> cases = {
      {"at once", sizing, {0}},
      {"byte by byte", sizing, std::vector<std::size_t>(sizing.size(), 1)},
      {"inside the first character", sizing, {1, 0}},
      {"two bytes of the first character", sizing, {2, 0}},
      {"four-byte character cut",
       "a\xF0\x9F\x98\x80"
       "b",
       {2, 1, 1, 0}},
      {"longer than the buffer", long_text, {0}},
      {"longer than the buffer, cut", long_text, {4097, 0}},
  };
  for (const OutputCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::wstring received = WrittenInPieces(c.text, c.pieces);
    EXPECT_EQ(received, WideFromUtf8(c.text));
    EXPECT_EQ(received.find(L'\xFFFD'), std::wstring::npos);
  }
}

TEST(WideOutputBuffer, ShowsBrokenBytesAsReplacementCharacters) {
  EXPECT_EQ(WrittenInPieces("\xFF"
                            "a",
                            {0}),
            L"\xFFFD"
            L"a");
  // An unfinished last character is not lost when the stream ends.
  EXPECT_EQ(WrittenInPieces("a\xE8\x92", {0}), L"a\xFFFD");
}

struct InputCase {
  const char* name;
  std::vector<std::wstring> pieces;
  std::string read;
};

TEST(WideInputBuffer, GivesTheConsolesTextAsUtf8) {
  const std::vector<InputCase> cases = {
      {"Chinese line",
       {L"{\"application\":\"\x5E9F\x6C34\"}\r\n"},
       "{\"application\":\"废水\"}\r\n"},
      {"surrogate pair across two pieces",
       {L"a\xD83D",
        L"\xDE00"
        L"b"},
       "a\xF0\x9F\x98\x80"
       "b"},
      {"Ctrl+Z ends the input", {L"x\r\n", L"\x1A\r\n", L"y\r\n"}, "x\r\n"},
      {"empty pieces are skipped", {L"", L"x"}, "x"},
      {"nothing", {}, ""},
  };
  for (const InputCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::size_t next = 0;
    WideInputBuffer buffer([&](std::wstring& piece) {
      if (next == c.pieces.size()) return false;
      piece = c.pieces[next++];
      return true;
    });
    std::istream in(&buffer);
    const std::string read{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(read, c.read);
  }
}

struct ArgumentsCase {
  const wchar_t* command_line;
  std::vector<std::string> arguments;
};

TEST(ArgumentsFromCommandLine, SplitsAsTheRuntimeDoesInUtf8) {
  const std::vector<ArgumentsCase> cases = {
      {L"calc.exe sizing --application \x5E9F\x6C34\x96F6\x6392\x653E",
       {"calc.exe", "sizing", "--application", "废水零排放"}},
      {L"\"C:\\Program Files\\calc.exe\" \"a b\" c", {"C:\\Program Files\\calc.exe", "a b", "c"}},
      {L"calc.exe \"say \\\"hi\\\"\"", {"calc.exe", "say \"hi\""}},
      {L"calc.exe \xD83D\xDE00", {"calc.exe", "\xF0\x9F\x98\x80"}},
  };
  for (const ArgumentsCase& c : cases) {
    EXPECT_EQ(ArgumentsFromCommandLine(c.command_line), c.arguments);
  }
}

// The console of this process, or nothing: Wine gives a console only to a
// program started in one (wineconsole on a display).
struct Console {
  HANDLE in = INVALID_HANDLE_VALUE;
  HANDLE out = INVALID_HANDLE_VALUE;
};

Console OpenConsole() {
  Console console;
  console.in = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  console.out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  DWORD mode = 0;
  if (!GetConsoleMode(console.out, &mode) || !GetConsoleMode(console.in, &mode)) return {};
  return console;
}

// Types `text` into the console's input, as keys.
void Type(HANDLE in, const std::wstring& text) {
  std::vector<INPUT_RECORD> keys;
  for (wchar_t ch : text) {
    for (BOOL down : {TRUE, FALSE}) {
      INPUT_RECORD record{};
      record.EventType = KEY_EVENT;
      record.Event.KeyEvent.bKeyDown = down;
      record.Event.KeyEvent.wRepeatCount = 1;
      record.Event.KeyEvent.wVirtualKeyCode = ch == L'\r' ? VK_RETURN : 0;
      record.Event.KeyEvent.uChar.UnicodeChar = ch;
      keys.push_back(record);
    }
  }
  DWORD written = 0;
  ASSERT_TRUE(WriteConsoleInputW(in, keys.data(), static_cast<DWORD>(keys.size()), &written));
  ASSERT_EQ(written, keys.size());
}

// The console's rows from `first` up to the cursor, each without its trailing
// blanks, every row ended by a line feed.
std::string ShownRows(HANDLE out, SHORT first) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  EXPECT_TRUE(GetConsoleScreenBufferInfo(out, &info));
  std::wstring shown;
  std::vector<wchar_t> row(static_cast<std::size_t>(info.dwSize.X));
  for (SHORT y = first; y < info.dwCursorPosition.Y; ++y) {
    DWORD read = 0;
    ReadConsoleOutputCharacterW(out, row.data(), static_cast<DWORD>(row.size()), COORD{0, y},
                                &read);
    std::wstring line(row.data(), read);
    line.erase(line.find_last_not_of(L' ') + 1);
    shown += line + L'\n';
  }
  return Utf8FromWide(shown);
}

struct ConsoleCase {
  const char* name;
  std::vector<std::string> args;
  std::wstring typed;  // keys typed into the console before the program starts
};

// The program in a real console: its Chinese output shows as the characters it
// means, and Chinese typed into the console reaches a batch as UTF-8.
TEST(Console, ShowsAndReadsChinese) {
  const Console console = OpenConsole();
  if (console.out == INVALID_HANDLE_VALUE) {
    GTEST_SKIP() << "no console: scripts/test-windows runs this under wineconsole";
  }
  DWORD input_mode = 0;
  ASSERT_TRUE(GetConsoleMode(console.in, &input_mode));
  // Typed lines would otherwise be echoed among the output, and a batch record is
  // one long line.
  ASSERT_TRUE(SetConsoleMode(console.in, input_mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)));
  ASSERT_TRUE(SetConsoleScreenBufferSize(console.out, COORD{2000, 300}));

  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  ASSERT_GT(length, 0U);
  std::wstring calc(self, length);
  calc = calc.substr(0, calc.find_last_of(L"\\/") + 1) + WideFromUtf8(VAPENTIS_CALC_RELATIVE_PATH);

  const std::vector<ConsoleCase> cases = {
      {"start-up sizing", {"sizing", "--throughput", "5", "--feed", "10", "--product", "40"}, L""},
      {"Chinese argument", {"sizing", "--application", "废水零排放"}, L""},
      {"failure on standard error", {"pump", "--efficiency", "0"}, L""},
      {"batch typed in",
       {"batch"},
       L"{\"tool\":\"sizing\",\"application\":\"\x4E2D\x836F\x6D53\x7F29\"}\r\x1A\r"},
  };
  for (const ConsoleCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string typed_utf8 = Utf8FromWide(c.typed);
    typed_utf8 = typed_utf8.substr(0, typed_utf8.find('\x1A'));
    const Outcome expected = RunWith(c.args, typed_utf8);

    CONSOLE_SCREEN_BUFFER_INFO before{};
    ASSERT_TRUE(GetConsoleScreenBufferInfo(console.out, &before));
    if (!c.typed.empty()) Type(console.in, c.typed);
    std::wstring command_line = L"\"" + calc + L"\"";
    for (const std::string& arg : c.args) command_line += L" " + WideFromUtf8(arg);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(calc.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                               nullptr, nullptr, &startup, &process))
        << GetLastError();
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    EXPECT_EQ(static_cast<int>(code), expected.code);
    EXPECT_EQ(ShownRows(console.out, before.dwCursorPosition.Y), expected.out + expected.err);
  }
  SetConsoleMode(console.in, input_mode);
}

}  // namespace
}  // namespace vapentis::cli
