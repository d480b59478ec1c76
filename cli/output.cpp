#include "cli/output.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "core/catalog/tool_catalog.h"
#include "core/sheet/running_cost.h"
#include "core/text/json_text.h"

namespace vapentis::cli {

namespace {

// The most one byte of text takes in JSON: \u00XX.
constexpr std::size_t kMostPerByte = 6;

// Writes the value as a JSON string at `out`, which has room for it at its longest.
char* PutString(char* out, std::string_view value) {
  *out++ = '"';
  const auto* p = reinterpret_cast<const unsigned char*>(value.data());
  const auto* const end = p + value.size();
  // Plain ASCII, all of a key or a number, is copied as it is checked: short strings are most
  // of those written, and a copy after the check would cost them a call.
  while (p < end && kPlainJsonAscii[*p]) *out++ = static_cast<char>(*p++);
  while (p < end) {
    const unsigned char* const plain =
        p + PlainJsonLength({reinterpret_cast<const char*>(p), static_cast<std::size_t>(end - p)});
    std::memcpy(out, p, static_cast<std::size_t>(plain - p));
    out += plain - p;
    p = plain;
    if (p == end) break;
    const unsigned char c = *p++;
    if (c >= 0x80) {
      for (const char r : std::string_view("\xEF\xBF\xBD")) *out++ = r;
      continue;
    }
    *out++ = '\\';
    switch (c) {
      case '"':
      case '\\':
        *out++ = static_cast<char>(c);
        break;
      case '\n':
        *out++ = 'n';
        break;
      case '\r':
        *out++ = 'r';
        break;
      case '\t':
        *out++ = 't';
        break;
      default: {
        constexpr std::string_view kHex = "0123456789abcdef";
        for (const char h : {'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]}) *out++ = h;
      }
    }
  }
  *out++ = '"';
  return out;
}

// The digits and decimal exponent of a > 0, a = digits × 10^exponent, when a is
// not whole and is the double nearest to a decimal of at most 15 significant
// digits, as nearly every figure is; false otherwise. No other decimal of 15
// digits or fewer reads back as a (doubles keep 15 digits apart), so this one
// is the shortest text that does: the digits to_chars would find, with far less work.
bool ShortDecimalDigits(double a, std::uint64_t& digits, int& exponent) {
  constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  constexpr double kFifteenDigits = 1e15;
  for (std::size_t d = 1; d < kPowersOfTen.size(); ++d) {
    const double n = a * kPowersOfTen[d];
    if (n >= kFifteenDigits) return false;
    if (n != std::floor(n)) continue;
    if (n / kPowersOfTen[d] != a) return false;
    digits = static_cast<std::uint64_t>(n);
    exponent = -static_cast<int>(d);
    while (digits % 10 == 0) {
      digits /= 10;
      ++exponent;
    }
    return true;
  }
  return false;
}

// Writes digits × 10^exponent, not whole, as to_chars writes its shortest text:
// in fixed or scientific notation, whichever is shorter, fixed on a tie. The
// decimals ShortDecimalDigits finds lie between 1e-15 and 1e15, so the
// exponent takes two digits.
char* PutShortDecimal(char* out, bool negative, std::uint64_t digits, int exponent) {
  std::array<char, 20> text{};
  const auto k = static_cast<int>(
      std::to_chars(text.data(), text.data() + text.size(), digits).ptr - text.data());
  const int e = k - 1 + exponent;  // of the first digit
  const int magnitude = e < 0 ? -e : e;
  const int fixed_length = e >= 0 ? k + 1 : 2 + (-e - 1) + k;
  const int scientific_length = k + (k > 1 ? 1 : 0) + 2 + 2;
  if (negative) *out++ = '-';
  const auto put_digits = [&](int from, int to) {
    for (int i = from; i < to; ++i) *out++ = text[static_cast<std::size_t>(i)];
  };
  if (fixed_length <= scientific_length) {
    if (e >= 0) {
      put_digits(0, e + 1);
      *out++ = '.';
      put_digits(e + 1, k);
    } else {
      *out++ = '0';
      *out++ = '.';
      for (int z = 0; z < -e - 1; ++z) *out++ = '0';
      put_digits(0, k);
    }
    return out;
  }
  put_digits(0, 1);
  if (k > 1) {
    *out++ = '.';
    put_digits(1, k);
  }
  *out++ = 'e';
  *out++ = e < 0 ? '-' : '+';
  *out++ = static_cast<char>('0' + magnitude / 10);
  *out++ = static_cast<char>('0' + magnitude % 10);
  return out;
}

}  // namespace

void JsonWriter::Grow(std::size_t bytes) {
  const std::size_t capacity = std::max({capacity_ * 2, size_ + bytes, std::size_t{1024}});
  auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
  if (size_ > 0) std::memcpy(buffer.get(), buffer_.get(), size_);
  buffer_ = std::move(buffer);
  capacity_ = capacity;
}

void JsonWriter::Punctuation(char c, bool need_comma) {
  char* out = Room(1);
  *out++ = c;
  Done(out, need_comma);
}

void JsonWriter::BeginObject() { Punctuation('{', false); }

void JsonWriter::EndObject() {
  need_comma_ = false;
  Punctuation('}', true);
}

void JsonWriter::BeginArray() { Punctuation('[', false); }

void JsonWriter::EndArray() {
  need_comma_ = false;
  Punctuation(']', true);
}

void JsonWriter::Key(std::string_view key) {
  char* out = PutString(Room(key.size() * kMostPerByte + 3), key);
  *out++ = ':';
  Done(out, false);
}

void JsonWriter::String(std::string_view value) {
  Done(PutString(Room(value.size() * kMostPerByte + 2), value), true);
}

void JsonWriter::Integer(std::uint64_t value) {
  constexpr std::size_t kDigits = 20;
  char* out = Room(kDigits);
  Done(std::to_chars(out, out + kDigits, value).ptr, true);
}

void JsonWriter::Number(double value) {
  constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
  // Room for the longest shortest text of a double, -2.2250738585072014e-308.
  constexpr std::size_t kLongest = 32;
  char* out = Room(kLongest);
  std::uint64_t digits = 0;
  int exponent = 0;
  if (!std::isfinite(value)) {
    for (const char c : std::string_view("null")) *out++ = c;
  } else if (std::trunc(value) == value && std::fabs(value) <= kExactIntegers) {
    out = std::to_chars(out, out + kLongest, static_cast<std::int64_t>(value)).ptr;
  } else if (ShortDecimalDigits(std::fabs(value), digits, exponent)) {
    out = PutShortDecimal(out, value < 0, digits, exponent);
  } else {
    out = std::to_chars(out, out + kLongest, value).ptr;
  }
  Done(out, true);
}

void JsonWriter::Null() {
  char* out = Room(4);
  for (const char c : std::string_view("null")) *out++ = c;
  Done(out, true);
}

void JsonWriter::Bool(bool value) {
  char* out = Room(5);
  for (const char c : std::string_view(value ? "true" : "false")) *out++ = c;
  Done(out, true);
}

void WriteLines(std::ostream& out, const ToolOutcome& output) {
  for (const std::string& line : output.lines) {
    out << line << '\n';
  }
}

namespace {

void WriteToolAndInputs(JsonWriter& json, const InputTexts& texts) {
  json.Key("tool");
  json.String(texts.tool().name);
  json.Key("inputs");
  json.BeginObject();
  const std::span<const InputDescription> inputs = texts.tool().inputs;
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    json.Key(inputs[i].key);
    json.String(texts.InOrder()[i]);
  }
  json.EndObject();
}

void WriteWarnings(JsonWriter& json, std::span<const std::string> warnings) {
  if (warnings.empty()) return;
  json.Key("warnings");
  json.BeginArray();
  for (const std::string& warning : warnings) json.String(warning);
  json.EndArray();
}

}  // namespace

void WriteRecordMembers(JsonWriter& json, const InputTexts& texts, const Presented& presented) {
  WriteToolAndInputs(json, texts);
  if (presented.outcome) WriteOutcome(json, *presented.outcome);
  WriteWarnings(json, presented.warnings);
  // Where a list text was not in the list, the lines without values stand before the error.
  if (presented.failure) WriteError(json, *presented.failure);
}

void WriteFigures(JsonWriter& json, std::span<const Figure> figures) {
  json.Key("figures");
  json.BeginObject();
  for (const Figure& figure : figures) {
    json.Key(figure.name);
    json.Number(figure.value);
  }
  json.EndObject();
}

void WriteOutcome(JsonWriter& json, const ToolOutcome& output) {
  WriteFigures(json, output.figures);
  if (!output.reference_standard.empty()) {
    json.Key("reference");
    if (output.reference.empty()) {
      json.Null();
    } else {
      json.BeginObject();
      json.Key("standard");
      json.String(output.reference_standard);
      for (const Figure& figure : output.reference) {
        json.Key(figure.name);
        json.Number(figure.value);
      }
      json.EndObject();
    }
  }
  json.Key("lines");
  json.BeginArray();
  for (const std::string& line : output.lines) json.String(line);
  json.EndArray();
}

void WriteError(JsonWriter& json, const Failed& failed) {
  WriteError(json, failed.kind, failed.message(), failed.culprit_key());
}

void WriteError(JsonWriter& json, std::string_view kind, std::string_view message,
                std::string_view input_key) {
  json.Key("error");
  json.BeginObject();
  json.Key("kind");
  json.String(kind);
  json.Key("message");
  json.String(message);
  json.Key("input");
  if (input_key.empty()) {
    json.Null();
  } else {
    json.String(input_key);
  }
  json.EndObject();
}

namespace {

// Text members "key": "text" of the object being written, in order.
void WriteTexts(JsonWriter& json,
                std::initializer_list<std::pair<std::string_view, std::string_view>> members) {
  for (const auto& [key, text] : members) {
    json.Key(key);
    json.String(text);
  }
}

// {"low": …, "high": …}, under `key` unless it is empty; null for an unbounded end,
// and "low_open": true where the low end itself is left out.
void WriteRange(JsonWriter& json, std::string_view key, const Range& range) {
  if (!key.empty()) json.Key(key);
  json.BeginObject();
  json.Key("low");
  json.Number(range.low);
  json.Key("high");
  json.Number(range.high);
  if (range.low_open) {
    json.Key("low_open");
    json.Bool(true);
  }
  json.EndObject();
}

void WriteInput(JsonWriter& json, const InputDescription& input, bool read) {
  json.BeginObject();
  const std::string caption = Caption(input);
  WriteTexts(json, {{"key", input.key},
                    {"caption", caption},
                    {"unit", input.unit},
                    {"hint", input.hint},
                    {"start_text", input.start_text},
                    {"list", ListText(input)}});
  json.Key("read");
  json.Bool(read);
  WriteRange(json, "valid", input.valid);
  WriteTexts(json, {{"valid_note", input.valid_note}});
  // Only the inputs that state where a plant usually runs have these.
  if (!input.usual.Unbounded()) {
    WriteRange(json, "usual", input.usual);
    WriteTexts(json, {{"usual_note", input.usual_note}});
  }
  json.Key("accurate");
  json.BeginArray();
  for (const Range& range : input.accurate) WriteRange(json, {}, range);
  json.EndArray();
  WriteTexts(json, {{"accuracy", input.accuracy}});
  json.Key("choices");
  json.BeginArray();
  for (const Choice& choice : input.choices) {
    json.BeginObject();
    WriteTexts(json, {{"key", choice.key}, {"caption", choice.caption}});
    json.EndObject();
  }
  json.EndArray();
  json.Key("read_when");
  if (input.read_when.input.empty()) {
    json.Null();
  } else {
    json.BeginObject();
    WriteTexts(json, {{"input", input.read_when.input}, {"choice", input.read_when.choice}});
    json.EndObject();
  }
  json.EndObject();
}

void WriteTool(JsonWriter& json, const ToolDescription& tool) {
  json.BeginObject();
  WriteTexts(json, {{"name", tool.name},
                    {"summary", tool.summary},
                    {"menu_caption", tool.menu_caption},
                    {"tab_caption", tool.tab_caption},
                    {"basis", tool.basis}});
  json.Key("inputs");
  json.BeginArray();
  for (const InputDescription& input : tool.inputs) WriteInput(json, input, true);
  for (const InputDescription& input : tool.shown_only) WriteInput(json, input, false);
  json.EndArray();
  json.EndObject();
}

}  // namespace

void WriteDescriptions(JsonWriter& json) {
  json.Key("tools");
  json.BeginArray();
  for (const ToolDescription* tool : Tools()) WriteTool(json, *tool);
  json.EndArray();
  // The calculation sheet's assumptions, described as a tool's inputs are.
  json.Key("running_cost");
  WriteTool(json, RunningCostDescription());
}

}  // namespace vapentis::cli
