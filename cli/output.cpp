#include "cli/output.h"

#include <array>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <utility>

#include "catalog/tool_catalog.h"
#include "sheet/running_cost.h"

namespace vapentis::cli {

void JsonWriter::Separate() {
  if (need_comma_) text_ += ',';
}

void JsonWriter::BeginObject() {
  Separate();
  text_ += '{';
  need_comma_ = false;
}

void JsonWriter::EndObject() {
  text_ += '}';
  need_comma_ = true;
}

void JsonWriter::BeginArray() {
  Separate();
  text_ += '[';
  need_comma_ = false;
}

void JsonWriter::EndArray() {
  text_ += ']';
  need_comma_ = true;
}

void JsonWriter::Key(std::string_view key) {
  Separate();
  Escaped(key);
  text_ += ':';
  need_comma_ = false;
}

void JsonWriter::String(std::string_view value) {
  Separate();
  Escaped(value);
  need_comma_ = true;
}

void JsonWriter::Integer(std::uint64_t value) {
  Separate();
  std::array<char, 24> buffer{};
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  (void)ec;
  text_.append(buffer.data(), end);
  need_comma_ = true;
}

void JsonWriter::Number(double value) {
  Separate();
  constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
  std::array<char, 32> buffer{};
  char* end = buffer.data();
  if (!std::isfinite(value)) {
    text_ += "null";
    need_comma_ = true;
    return;
  }
  if (std::trunc(value) == value && std::fabs(value) <= kExactIntegers) {
    end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                        static_cast<std::int64_t>(value))
              .ptr;
  } else {
    end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  }
  text_.append(buffer.data(), end);
  need_comma_ = true;
}

void JsonWriter::Null() {
  Separate();
  text_ += "null";
  need_comma_ = true;
}

void JsonWriter::Bool(bool value) {
  Separate();
  text_ += value ? "true" : "false";
  need_comma_ = true;
}

namespace {

// Length of the well-formed UTF-8 sequence at the start of `s`, or 0.
std::size_t Utf8Length(std::string_view s) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const auto continuation = [&](std::size_t i) { return i < s.size() && (byte(i) & 0xC0) == 0x80; };
  const unsigned char lead = byte(0);
  if (lead >= 0xC2 && lead <= 0xDF) return continuation(1) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    if (!continuation(1) || !continuation(2)) return 0;
    if (lead == 0xE0 && byte(1) < 0xA0) return 0;  // overlong
    if (lead == 0xED && byte(1) > 0x9F) return 0;  // surrogate
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    if (!continuation(1) || !continuation(2) || !continuation(3)) return 0;
    if (lead == 0xF0 && byte(1) < 0x90) return 0;  // overlong
    if (lead == 0xF4 && byte(1) > 0x8F) return 0;  // beyond U+10FFFF
    return 4;
  }
  return 0;
}

}  // namespace

void JsonWriter::Escaped(std::string_view value) {
  text_ += '"';
  std::size_t i = 0;
  while (i < value.size()) {
    // Copy the run of characters that need no escape in one step.
    std::size_t run = i;
    while (run < value.size()) {
      const auto c = static_cast<unsigned char>(value[run]);
      if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\') {
        ++run;
      } else if (const std::size_t length = c >= 0x80 ? Utf8Length(value.substr(run)) : 0;
                 length > 0) {
        run += length;
      } else {
        break;
      }
    }
    text_.append(value.data() + i, run - i);
    i = run;
    if (i == value.size()) break;

    const auto c = static_cast<unsigned char>(value[i]);
    if (c >= 0x80) {
      text_ += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    switch (c) {
      case '"':
        text_ += "\\\"";
        break;
      case '\\':
        text_ += "\\\\";
        break;
      case '\n':
        text_ += "\\n";
        break;
      case '\r':
        text_ += "\\r";
        break;
      case '\t':
        text_ += "\\t";
        break;
      default: {
        constexpr std::string_view kHex = "0123456789abcdef";
        text_ += "\\u00";
        text_ += kHex[c >> 4];
        text_ += kHex[c & 0xF];
      }
    }
    ++i;
  }
  text_ += '"';
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
  for (const InputDescription& input : texts.tool().inputs) {
    json.Key(input.key);
    json.String(texts[input.key]);
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
  if (!presented.Calculated()) {
    WriteWarnings(json, presented.warnings);
    if (presented.failure) {
      const CalcFailure& failure = *presented.failure;
      WriteError(json, KindName(failure.kind()), failure.message(), failure.input());
    } else {
      WriteError(json, kMissingChoice, presented.unchosen, {});
    }
    return;
  }
  const ToolOutcome& output = presented.outcome;
  json.Key("figures");
  json.BeginObject();
  for (const Figure& figure : output.figures) {
    json.Key(figure.name);
    json.Number(figure.value);
  }
  json.EndObject();
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
  WriteWarnings(json, presented.warnings);
  // The lines without values stand as the window shows them; the record says why.
  if (!output.unmatched_input.empty()) {
    WriteError(json, kNotInList, output.notice, output.unmatched_input);
  }
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

// {"low": …, "high": …}, under `key` unless it is empty; null for an open end.
void WriteRange(JsonWriter& json, std::string_view key, const Range& range) {
  if (!key.empty()) json.Key(key);
  json.BeginObject();
  json.Key("low");
  json.Number(range.low);
  json.Key("high");
  json.Number(range.high);
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
