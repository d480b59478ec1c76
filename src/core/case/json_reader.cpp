#include "core/case/json_reader.h"

#include <cstdint>

namespace vapentis {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0U | (code >> 6U));
    out += static_cast<char>(0x80U | (code & 0x3FU));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0U | (code >> 12U));
    out += static_cast<char>(0x80U | ((code >> 6U) & 0x3FU));
    out += static_cast<char>(0x80U | (code & 0x3FU));
  } else {
    out += static_cast<char>(0xF0U | (code >> 18U));
    out += static_cast<char>(0x80U | ((code >> 12U) & 0x3FU));
    out += static_cast<char>(0x80U | ((code >> 6U) & 0x3FU));
    out += static_cast<char>(0x80U | (code & 0x3FU));
  }
}

}  // namespace

JsonPlace PlaceOf(std::string_view text, std::size_t offset) {
  JsonPlace place;
  std::size_t line_start = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  if (offset > text.size()) offset = text.size();
  for (std::size_t i = line_start; i < offset; ++i) {
    // "\r\n", a lone "\r" and a lone "\n" each end a line.
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
      ++place.line;
      line_start = i + 1;
    }
  }
  for (std::size_t i = line_start; i < offset; ++i) {
    if (!IsContinuation(text[i])) ++place.column;
  }
  return place;
}

JsonReader::JsonReader(std::string_view text) : text_(text) {
  if (text_.starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
}

void JsonReader::Fail(std::size_t offset, const std::string& what) const {
  throw JsonSyntaxError(PlaceOf(text_, offset), what);
}

void JsonReader::SkipBlanks() {
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    if (c != ' ' && c != '\t' && c != '\n' && c != '\r') return;
    ++pos_;
  }
}

std::size_t JsonReader::Mark() {
  SkipBlanks();
  return pos_;
}

JsonKind JsonReader::Peek() {
  SkipBlanks();
  if (pos_ == text_.size()) Fail(pos_, "文件在此处意外结束");
  switch (text_[pos_]) {
    case '{':
      return JsonKind::Object;
    case '[':
      return JsonKind::Array;
    case '"':
      return JsonKind::String;
    case 't':
    case 'f':
      return JsonKind::Bool;
    case 'n':
      return JsonKind::Null;
    default:
      if (text_[pos_] == '-' || IsDigit(text_[pos_])) return JsonKind::Number;
      Fail(pos_, "此处应为一个值");
  }
}

void JsonReader::Expect(char c, const char* what) {
  SkipBlanks();
  if (pos_ == text_.size()) Fail(pos_, "文件在此处意外结束");
  if (text_[pos_] != c) Fail(pos_, what);
  ++pos_;
}

void JsonReader::Push() {
  if (started_.size() == kMaxDepth) {
    Fail(pos_, "嵌套超过" + std::to_string(kMaxDepth) + "层");
  }
  ++pos_;
  started_.push_back(false);
}

void JsonReader::BeginObject() {
  if (Peek() != JsonKind::Object) Fail(pos_, "此处应为“{”");
  Push();
}

void JsonReader::BeginArray() {
  if (Peek() != JsonKind::Array) Fail(pos_, "此处应为“[”");
  Push();
}

bool JsonReader::NextItem(char end, const char* separator_expected) {
  SkipBlanks();
  if (pos_ == text_.size()) Fail(pos_, "文件在此处意外结束");
  if (text_[pos_] == end) {
    ++pos_;
    started_.pop_back();
    return false;
  }
  if (started_.back()) {
    if (text_[pos_] != ',') Fail(pos_, separator_expected);
    ++pos_;
  }
  started_.back() = true;
  return true;
}

bool JsonReader::NextMember(std::string& key) {
  const bool first = !started_.back();
  if (!NextItem('}', "此处应为“,”或“}”")) return false;
  SkipBlanks();
  if (pos_ == text_.size()) Fail(pos_, "文件在此处意外结束");
  if (text_[pos_] != '"')
    Fail(pos_, first ? "此处应为带引号的成员名或“}”" : "此处应为带引号的成员名");
  key_offset_ = pos_;
  String(key);
  Expect(':', "此处应为“:”");
  return true;
}

bool JsonReader::NextElement() {
  // A value must follow a ',', which Peek checks when the caller reads it.
  return NextItem(']', "此处应为“,”或“]”");
}

std::size_t JsonReader::String(std::string& text) {
  if (Peek() != JsonKind::String) Fail(pos_, "此处应为带引号的文字");
  const std::size_t open = pos_++;
  text.clear();
  std::size_t characters = 0;
  while (true) {
    // Copy the run up to the next quote, backslash or control character in one step.
    const std::size_t run_start = pos_;
    while (pos_ < text_.size()) {
      const auto c = static_cast<unsigned char>(text_[pos_]);
      if (c == '"' || c == '\\' || c < 0x20) break;
      if (!IsContinuation(text_[pos_])) ++characters;
      ++pos_;
    }
    text.append(text_, run_start, pos_ - run_start);
    if (pos_ == text_.size()) Fail(open, "文字缺少结束的引号");
    const char c = text_[pos_];
    if (c == '"') {
      ++pos_;
      return characters;
    }
    if (c != '\\') Fail(pos_, "文字中有未转义的控制字符");
    const std::size_t escape = pos_++;
    if (pos_ == text_.size()) Fail(open, "文字缺少结束的引号");
    ++characters;
    switch (text_[pos_++]) {
      case '"':
        text += '"';
        break;
      case '\\':
        text += '\\';
        break;
      case '/':
        text += '/';
        break;
      case 'b':
        text += '\b';
        break;
      case 'f':
        text += '\f';
        break;
      case 'n':
        text += '\n';
        break;
      case 'r':
        text += '\r';
        break;
      case 't':
        text += '\t';
        break;
      case 'u': {
        const auto hex4 = [&](std::size_t at) -> int {
          if (at + 4 > text_.size()) return -1;
          int value = 0;
          for (std::size_t i = at; i < at + 4; ++i) {
            const int digit = HexValue(text_[i]);
            if (digit < 0) return -1;
            value = value * 16 + digit;
          }
          return value;
        };
        const int unit = hex4(pos_);
        if (unit < 0) Fail(escape, "“\\u”后应为4位十六进制数");
        pos_ += 4;
        auto code = static_cast<std::uint32_t>(unit);
        if (code >= 0xDC00 && code <= 0xDFFF) Fail(escape, "“\\u”转义是不成对的代理项");
        if (code >= 0xD800 && code <= 0xDBFF) {
          // A character beyond the first plane is written as a pair of escapes.
          const int low = pos_ + 1 < text_.size() && text_[pos_] == '\\' && text_[pos_ + 1] == 'u'
                              ? hex4(pos_ + 2)
                              : -1;
          if (low < 0xDC00 || low > 0xDFFF) Fail(escape, "“\\u”转义是不成对的代理项");
          pos_ += 6;
          code = 0x10000 + ((code - 0xD800) << 10U) + (static_cast<std::uint32_t>(low) - 0xDC00);
        }
        AppendUtf8(text, code);
        break;
      }
      default:
        Fail(escape, "反斜杠后的转义无效");
    }
  }
}

void JsonReader::Literal(std::string_view word) {
  if (text_.substr(pos_, word.size()) != word) Fail(pos_, "此处应为一个值");
  pos_ += word.size();
}

bool JsonReader::Bool() {
  if (Peek() != JsonKind::Bool) Fail(pos_, "此处应为true或false");
  const bool value = text_[pos_] == 't';
  Literal(value ? "true" : "false");
  return value;
}

void JsonReader::Null() {
  if (Peek() != JsonKind::Null) Fail(pos_, "此处应为null");
  Literal("null");
}

std::string_view JsonReader::Number() {
  if (Peek() != JsonKind::Number) Fail(pos_, "此处应为数字");
  const std::size_t start = pos_;
  const auto digits = [&] {
    const std::size_t first = pos_;
    while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
    if (pos_ == first) Fail(start, "数字的写法不正确");
  };
  if (text_[pos_] == '-') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '0') {
    ++pos_;  // no leading zeros
  } else {
    digits();
  }
  if (pos_ < text_.size() && text_[pos_] == '.') {
    ++pos_;
    digits();
  }
  if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
    ++pos_;
    if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
    digits();
  }
  return text_.substr(start, pos_ - start);
}

void JsonReader::Skip() {
  switch (Peek()) {
    case JsonKind::Object:
      BeginObject();
      while (NextMember(scratch_)) Skip();
      break;
    case JsonKind::Array:
      BeginArray();
      while (NextElement()) Skip();
      break;
    case JsonKind::String:
      String(scratch_);
      break;
    case JsonKind::Number:
      Number();
      break;
    case JsonKind::Bool:
      Bool();
      break;
    case JsonKind::Null:
      Null();
      break;
  }
}

void JsonReader::ExpectEnd() {
  SkipBlanks();
  if (pos_ != text_.size()) Fail(pos_, "JSON值之后还有多余的内容");
}

}  // namespace vapentis
