#include "cli/output.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace vapentis::cli {
namespace {

using nlohmann::json;

std::string StringJson(std::string_view value) {
  JsonWriter writer;
  writer.String(value);
  return std::string(writer.text());
}

// Texts that must come back unchanged through a JSON reader.
struct TextCase {
  const char* name;
  std::string text;
  const char* written;
};

const TextCase kTexts[] = {
    {"plain", "KOV6.4-ZLD-FC", R"("KOV6.4-ZLD-FC")"},
    {"Chinese", "蒸发量=6.4吨/小时", R"("蒸发量=6.4吨/小时")"},
    {"quote and backslash", R"(a"b\c)", R"("a\"b\\c")"},
    {"line breaks and tab", "a\r\nb\tc", R"("a\r\nb\tc")"},
    {"other control bytes", std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
    {"NUL inside", std::string("a\0b", 3), R"("a\u0000b")"},
    {"empty", "", R"("")"},
    {"four-byte character", "\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\""},
    {"Chinese around a quote", "蒸发\"结晶\"", R"("蒸发\"结晶\"")"},
    {"two- and four-byte characters inside Chinese", "吨\xC3\xA9\xF0\x9F\x98\x80小时",
     "\"吨\xC3\xA9\xF0\x9F\x98\x80小时\""},
    {"highest three-byte characters", "\xEF\xBF\xBF\xED\x9F\xBF\xE0\xA0\x80",
     "\"\xEF\xBF\xBF\xED\x9F\xBF\xE0\xA0\x80\""},
};

TEST(JsonWriter, StringsReadBackUnchanged) {
  for (const TextCase& c : kTexts) {
    SCOPED_TRACE(c.name);
    const std::string written = StringJson(c.text);
    EXPECT_EQ(written, c.written);
    EXPECT_EQ(json::parse(written).get<std::string>(), c.text);
  }
}

// An argument can hold any bytes; each byte that is not UTF-8 becomes U+FFFD.
struct BadUtf8Case {
  const char* name;
  std::string text;
  const char* read_back;
};

const BadUtf8Case kBadUtf8[] = {
    {"lone continuation", "a\x80z", "a\xEF\xBF\xBDz"},
    {"Latin-1", "caf\xE9", "caf\xEF\xBF\xBD"},
    {"cut-off sequence at the end", "\xE8\x92", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"overlong slash", "\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"surrogate", "\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"overlong after Chinese", "中\xE0\x80\x80文", "中\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD文"},
    {"surrogate after Chinese", "中\xED\xB0\x80", "中\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"Chinese cut off at the end", "中文\xE4\xB8", "中文\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"lead without continuation inside Chinese", "中\xE4文", "中\xEF\xBF\xBD文"},
};

TEST(JsonWriter, BytesThatAreNotUtf8BecomeReplacementCharacters) {
  for (const BadUtf8Case& c : kBadUtf8) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(json::parse(StringJson(c.text)).get<std::string>(), c.read_back);
  }
}

// Each byte that does not start a well-formed UTF-8 sequence, by the code point it
// would decode to, becomes U+FFFD; the rest stays.
std::string WellFormedOrReplaced(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    bool ok = lead < 0x80 || (lead >= 0xC0 && lead < 0xF8 && i + length <= text.size());
    std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; ok && k < length; ++k) {
      ok = (byte(k) & 0xC0) == 0x80;
      code = code << 6 | (byte(k) & 0x3F);
    }
    const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    ok = ok && code >= least[length] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    out += ok ? text.substr(i, length) : std::string_view("\xEF\xBF\xBD");
    i += ok ? length : 1;
  }
  return out;
}

TEST(JsonWriter, ReadsBackAnyMixOfCharactersWithBadBytesReplaced) {
  // Pieces that meet at every offset of the sixteen-byte steps the writer may take.
  const std::string_view kPieces[] = {"蒸",
                                      "发",
                                      "\xE0\xA0\x80",
                                      "\xED\x9F\xBF",
                                      "\xEF\xBF\xBF",
                                      "\xE0\x80\x80",
                                      "\xED\xA0\x80",
                                      "\xE4\xB8",
                                      "\xC3\xA9",
                                      "\xF0\x9F\x98\x80",
                                      "\xF4\x90\x80\x80",
                                      "\x80",
                                      "\xFF",
                                      "a",
                                      "\"",
                                      "\\",
                                      "\n",
                                      "\x01",
                                      "\x7F",
                                      "12345678"};
  std::mt19937_64 random(25);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
  std::uniform_int_distribution<int> plain_run(0, 12);
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    for (int n = 0; n < 12; ++n) {
      // Mostly Chinese, as the result lines are, with the odd piece between.
      for (int run = plain_run(random); run > 0; --run) text += "量";
      text += kPieces[piece(random)];
    }
    const std::string written = StringJson(text);
    ASSERT_EQ(json::parse(written).get<std::string>(), WellFormedOrReplaced(text)) << written;
  }
}

struct NumberCase {
  const char* name;
  double value;
  const char* written;
};

const NumberCase kNumbers[] = {
    {"whole", 127, "127"},
    {"negative whole", -958.5 * 2, "-1917"},
    {"negative zero", -0.0, "0"},
    {"decimal", 0.6044, "0.6044"},
    {"binary fraction", 0.1 + 0.2, "0.30000000000000004"},
    {"largest exact whole", 9007199254740992.0, "9007199254740992"},
    {"beyond exact wholes", 1e28, "1e+28"},
    {"tiny", 1.5e-16, "1.5e-16"},
    {"infinite", std::numeric_limits<double>::infinity(), "null"},
};

TEST(JsonWriter, NumbersAreShortestTextsThatReadBackExactly) {
  for (const NumberCase& c : kNumbers) {
    SCOPED_TRACE(c.name);
    JsonWriter writer;
    writer.Number(c.value);
    EXPECT_EQ(writer.text(), c.written);
    if (std::isfinite(c.value)) {
      EXPECT_EQ(json::parse(writer.text()).get<double>(), c.value);
    }
  }
}

// Figures that are short decimals take a quicker path than other doubles; the
// text must be to_chars's shortest, byte for byte, in fixed or scientific form.
TEST(JsonWriter, NumbersAreWhatToCharsWritesForShortDecimalsAndAnyDouble) {
  std::mt19937_64 random(25);
  std::uniform_int_distribution<std::uint64_t> significand(1, 999999999999999);
  std::uniform_int_distribution<int> digits(1, 15);
  std::uniform_int_distribution<int> places(-25, 25);
  std::vector<double> values = {0.1,
                                0.5,
                                1e-5,
                                1.5e-5,
                                0.0001,
                                0.001,
                                1e-3,
                                123456.789,
                                0.30000000000000004,
                                9007199254740991.5,
                                1e15 + 0.5,
                                5e-324};
  for (int i = 0; i < 300000; ++i) {
    // A decimal of 1 to 15 digits, placed anywhere from 1e-25 to 1e25, either sign.
    const double n = static_cast<double>(
        significand(random) % static_cast<std::uint64_t>(std::pow(10.0, digits(random))));
    const double x = n * std::pow(10.0, places(random));
    values.push_back(i % 2 == 0 ? x : -x);
    // And any double at all.
    const std::uint64_t bits = random();
    double any = 0;
    std::memcpy(&any, &bits, sizeof any);
    if (std::isfinite(any)) values.push_back(any);
  }
  for (const double value : values) {
    JsonWriter writer;
    writer.Number(value);
    std::array<char, 64> expected{};
    const double whole = std::trunc(value);
    const auto end = whole == value && std::fabs(value) <= 9007199254740992.0
                         ? std::to_chars(expected.data(), expected.data() + expected.size(),
                                         static_cast<std::int64_t>(value))
                         : std::to_chars(expected.data(), expected.data() + expected.size(), value);
    ASSERT_EQ(writer.text(), std::string_view(expected.data(), end.ptr - expected.data()))
        << std::hexfloat << value;
  }
}

TEST(JsonWriter, KeepsEverythingWrittenAsItsBufferGrows) {
  JsonWriter writer;
  json expected = json::array();
  writer.BeginArray();
  for (int i = 0; i < 300; ++i) {
    // Texts of every length up to several kilobytes, each character needing its escape.
    const std::string text(static_cast<std::size_t>(i * 17), i % 2 == 0 ? '\x01' : 'x');
    writer.String(text);
    writer.Number(i + 0.5);
    expected.push_back(text);
    expected.push_back(i + 0.5);
  }
  writer.EndArray();
  EXPECT_EQ(json::parse(writer.text()), expected);
  writer.Clear();
  writer.Null();
  EXPECT_EQ(writer.text(), "null") << "the room is reused from the start";
}

TEST(JsonWriter, SeparatesMembersAndElementsAtEveryDepth) {
  JsonWriter writer;
  writer.BeginObject();
  writer.Key("a");
  writer.Integer(1);
  writer.Key("b");
  writer.BeginArray();
  writer.String("x");
  writer.BeginObject();
  writer.EndObject();
  writer.Null();
  writer.EndArray();
  writer.Key("c");
  writer.BeginObject();
  writer.Key("d");
  writer.Number(2.5);
  writer.EndObject();
  writer.EndObject();
  EXPECT_EQ(writer.text(), R"({"a":1,"b":["x",{},null],"c":{"d":2.5}})");
  writer.Clear();
  writer.String("next");
  EXPECT_EQ(writer.text(), R"("next")");
}

}  // namespace
}  // namespace vapentis::cli
