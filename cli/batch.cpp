#include "cli/batch.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/output.h"
#include "cli/tools.h"
#include "core/catalog/tool_catalog.h"
#include "core/numeric/numeric.h"
#include "core/text/json_text.h"

namespace vapentis::cli {

namespace {

enum class ValueType { String, Number, Other };

struct Field {
  std::string key;
  ValueType type = ValueType::Other;
  std::string text;
};

// Reads one line of JSON through nlohmann's SAX interface into the fields of a
// flat object, without building a document. A number keeps its JSON text, so
// that it reaches ParseNumber exactly as written.
class RequestParser {
 public:
  using json = nlohmann::json;

  // False when the line is not JSON; error() then says why. A number beyond
  // the range of a double is no error here: like an option's text it reaches
  // ParseNumber as written, which reports the overflow for its input.
  bool Parse(std::string_view line) {
    if (ParsePlain(line)) return true;
    beyond_range_.clear();
    std::string_view text = line;
    while (true) {
      line_ = text;
      scan_ = 0;
      depth_ = 0;
      top_is_object_ = false;
      used_ = 0;
      error_.clear();
      overflow_ = std::string_view::npos;
      if (json::sax_parse(text.data(), text.data() + text.size(), this)) return true;
      if (overflow_ == std::string_view::npos) return false;
      // Parse again with the number masked by a 0 of the same width; its text is kept.
      if (text.data() != masked_.data()) {
        masked_.assign(line);
        text = masked_;
      }
      beyond_range_.emplace_back(overflow_, masked_.substr(overflow_, overflow_token_.size()));
      masked_.replace(overflow_, overflow_token_.size(), overflow_token_.size(), ' ');
      masked_[overflow_] = '0';
      text = masked_;
    }
  }

  bool top_is_object() const { return top_is_object_; }
  std::span<const Field> fields() const { return {fields_.data(), used_}; }
  const std::string& error() const { return error_; }

  // The SAX events.
  bool null() { return Value(ValueType::Other, {}); }
  bool boolean(bool /*value*/) { return Value(ValueType::Other, {}); }
  bool number_integer(json::number_integer_t /*value*/) {
    return Value(ValueType::Number, NextNumberText());
  }
  bool number_unsigned(json::number_unsigned_t /*value*/) {
    return Value(ValueType::Number, NextNumberText());
  }
  bool number_float(json::number_float_t /*value*/, const json::string_t& /*text*/) {
    return Value(ValueType::Number, NextNumberText());
  }
  bool string(json::string_t& value) { return Value(ValueType::String, value); }
  bool binary(json::binary_t& /*value*/) { return Value(ValueType::Other, {}); }
  bool start_object(std::size_t /*elements*/) {
    if (depth_ == 0) {
      top_is_object_ = true;
    } else {
      Value(ValueType::Other, {});
    }
    ++depth_;
    return true;
  }
  bool end_object() {
    --depth_;
    return true;
  }
  bool start_array(std::size_t /*elements*/) {
    if (depth_ > 0) Value(ValueType::Other, {});
    ++depth_;
    return true;
  }
  bool end_array() {
    --depth_;
    return true;
  }
  bool key(json::string_t& key) {
    if (depth_ == 1) key_.assign(key);
    return true;
  }
  bool parse_error(std::size_t position, const std::string& last_token,
                   const nlohmann::detail::exception& ex) {
    constexpr int kNumberOverflow = 406;
    const std::size_t start = line_.rfind(last_token, position);
    if (ex.id == kNumberOverflow && start != std::string_view::npos && !last_token.empty()) {
      overflow_ = start;
      overflow_token_ = last_token;
    }
    error_ = "第" + std::to_string(position) + "个字节附近有误";
    return false;
  }

 private:
  bool Value(ValueType type, std::string_view text) {
    if (depth_ != 1 || !top_is_object_) return true;
    Field& field = NextField();
    field.key.assign(key_);
    field.type = type;
    field.text.assign(text);
    return true;
  }

  // Reads the shape nearly every request has, a flat object of strings without
  // escapes and numbers, straight from the line: the fields nlohmann's parser
  // would give, at a fraction of its cost. False for any other line, even a valid
  // one, which then goes to that parser, whose verdict stands.
  bool ParsePlain(std::string_view line) {
    const char* p = line.data();
    const char* const end = p + line.size();
    used_ = 0;
    SkipBlanks(p, end);
    if (p == end || *p != '{') return false;
    ++p;
    while (true) {
      SkipBlanks(p, end);
      const std::string_view key = PlainString(p, end);
      if (key.data() == nullptr) return false;
      SkipBlanks(p, end);
      if (p == end || *p != ':') return false;
      ++p;
      SkipBlanks(p, end);
      if (p == end) return false;
      const bool string = *p == '"';
      const std::string_view text = string ? PlainString(p, end) : PlainNumber(p, end);
      if (text.data() == nullptr) return false;
      Field& field = NextField();
      field.key.assign(key);
      field.type = string ? ValueType::String : ValueType::Number;
      field.text.assign(text);
      SkipBlanks(p, end);
      if (p == end) return false;
      if (*p == '}') break;
      if (*p != ',') return false;
      ++p;
    }
    ++p;
    SkipBlanks(p, end);
    top_is_object_ = true;
    return p == end;
  }

  static void SkipBlanks(const char*& p, const char* end) {
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')) ++p;
  }

  // The contents of the string at p, past which p then points; no view (a null
  // data pointer) for a string with an escape, a control character or bytes
  // that are not UTF-8.
  static std::string_view PlainString(const char*& p, const char* end) {
    if (p == end || *p != '"') return {};
    const char* const begin = p + 1;
    const std::size_t length = PlainJsonLength({begin, static_cast<std::size_t>(end - begin)});
    const char* const stop = begin + length;
    if (stop == end || *stop != '"') return {};
    p = stop + 1;
    return {begin, length};
  }

  // The text of the JSON number at p, past which p then points; no view when
  // what stands there is no number by JSON's grammar.
  static std::string_view PlainNumber(const char*& p, const char* end) {
    const char* q = p;
    const auto digits = [&] {
      const char* const first = q;
      while (q < end && *q >= '0' && *q <= '9') ++q;
      return q > first;
    };
    if (q < end && *q == '-') ++q;
    if (q < end && *q == '0') {
      ++q;
    } else if (!digits()) {
      return {};
    }
    if (q < end && *q == '.') {
      ++q;
      if (!digits()) return {};
    }
    if (q < end && (*q == 'e' || *q == 'E')) {
      ++q;
      if (q < end && (*q == '+' || *q == '-')) ++q;
      if (!digits()) return {};
    }
    const std::string_view text(p, static_cast<std::size_t>(q - p));
    p = q;
    return text;
  }

  Field& NextField() {
    if (used_ == fields_.size()) fields_.emplace_back();
    return fields_[used_++];
  }

  // The text of the next number token: the SAX events come in document order,
  // so the scan only has to step over strings, which may hold digits.
  std::string_view NextNumberText() {
    const std::size_t n = line_.size();
    std::size_t i = scan_;
    while (i < n) {
      const char c = line_[i];
      if (c == '"') {
        for (++i; i < n && line_[i] != '"'; ++i) {
          if (line_[i] == '\\') ++i;
        }
        ++i;
      } else if (c == '-' || (c >= '0' && c <= '9')) {
        break;
      } else {
        ++i;
      }
    }
    const std::size_t start = i;
    while (i < n && std::string_view("0123456789+-.eE").find(line_[i]) != std::string_view::npos) {
      ++i;
    }
    scan_ = i;
    for (const auto& [at, text] : beyond_range_) {
      if (at == start) return text;
    }
    return line_.substr(start, i - start);
  }

  std::string_view line_;
  std::string masked_;  // the line with numbers beyond the range masked, when it has any
  std::vector<std::pair<std::size_t, std::string>> beyond_range_;  // where, and the text
  std::size_t overflow_ = std::string_view::npos;
  std::string overflow_token_;
  std::size_t scan_ = 0;
  int depth_ = 0;
  bool top_is_object_ = false;
  std::string key_;
  std::vector<Field> fields_;  // kept from line to line, so their buffers are reused
  std::size_t used_ = 0;
  std::string error_;
};

std::string ToolList() {
  std::string list;
  for (const ToolDescription* tool : Tools()) {
    if (!list.empty()) list += "、";
    list += tool->name;
  }
  return list;
}

std::string InputList(const ToolDescription& tool) {
  std::string list;
  for (const InputDescription& input : tool.inputs) {
    if (!list.empty()) list += "、";
    list += input.key;
  }
  return list;
}

std::string ChoiceList(const InputDescription& input) {
  std::string list;
  for (const Choice& choice : input.choices) {
    if (!list.empty()) list += "、";
    list += choice.key;
  }
  return list;
}

std::string QuotedKey(const InputDescription& input) { return "“" + std::string(input.key) + "”"; }

// What is wrong with the field for `input` of the tool (nullptr: no such input),
// given the keys of the inputs the line gave before it.
std::optional<RequestProblem> FieldProblem(const ToolDescription& tool,
                                           const InputDescription* input, const Field& field,
                                           std::span<const std::string_view> given) {
  if (input == nullptr) {
    return RequestProblem{kUnknownInput, "工具" + std::string(tool.name) + "没有输入“" + field.key +
                                             "”，可用的输入：" + InputList(tool)};
  }
  if (std::find(given.begin(), given.end(), input->key) != given.end()) {
    return RequestProblem{kDuplicateInput, "输入“" + field.key + "”出现了不止一次"};
  }
  if (field.type == ValueType::Other) {
    return RequestProblem{kInvalidInputValue, "输入“" + field.key + "”应为字符串或数字"};
  }
  if (!input->choices.empty() && FindChoice(*input, field.text) == nullptr) {
    return RequestProblem{kInvalidInputValue,
                          "输入“" + field.key + "”应为" + ChoiceList(*input) + "之一"};
  }
  return std::nullopt;
}

}  // namespace

// The parser, kept from line to line so that its buffers are reused.
struct RequestReader::State {
  RequestParser parser;
};

RequestReader::RequestReader() : state_(std::make_unique<State>()) {}
RequestReader::~RequestReader() = default;

std::optional<RequestProblem> RequestReader::Read(std::string_view line, InputTexts& texts) {
  RequestParser& parser = state_->parser;
  if (!parser.Parse(line))
    return RequestProblem{kMalformedJson, "不是有效的JSON：" + parser.error()};
  if (!parser.top_is_object()) {
    return RequestProblem{kNotAnObject,
                          R"(每行应为一个JSON对象，例如 {"tool":"sizing","throughput":"5"})"};
  }

  const Field* tool_field = nullptr;
  for (const Field& field : parser.fields()) {
    if (field.key != "tool") continue;
    if (tool_field != nullptr)
      return RequestProblem{kDuplicateInput, "键“tool”出现了不止一次", "tool"};
    tool_field = &field;
  }
  if (tool_field == nullptr || tool_field->type != ValueType::String) {
    return RequestProblem{kMissingTool, "缺少字符串键“tool”，应为" + ToolList() + "之一", "tool"};
  }
  const ToolDescription* tool = FindTool(tool_field->text);
  if (tool == nullptr) {
    return RequestProblem{kUnknownTool,
                          "没有名为“" + tool_field->text + "”的工具，应为" + ToolList() + "之一",
                          "tool"};
  }

  SetDefaultTexts(*tool, texts);
  given_.clear();
  for (const Field& field : parser.fields()) {
    if (&field == tool_field) continue;
    const InputDescription* input = FindReadInput(*tool, field.key);
    if (std::optional<RequestProblem> problem = FieldProblem(*tool, input, field, given_)) {
      problem->input = field.key;
      problem->tool = tool;
      return problem;
    }
    given_.push_back(input->key);
    texts[input->key] = field.text;
  }
  const InputDescription* unread = nullptr;
  if (std::string problem = SettleChoices(texts, given_, QuotedKey, &unread); !problem.empty()) {
    return RequestProblem{kUnreadInput, std::move(problem),
                          unread != nullptr ? std::string(unread->key) : std::string(), tool};
  }
  return std::nullopt;
}

namespace {

// Answers one request line with its record; false when it did not succeed.
class LineEvaluator {
 public:
  bool Evaluate(std::string_view line, std::uint64_t number, JsonWriter& json) {
    json.BeginObject();
    json.Key("line");
    json.Integer(number);
    const bool ok = Answer(line, json);
    json.EndObject();
    return ok;
  }

 private:
  bool Answer(std::string_view line, JsonWriter& json) {
    if (const std::optional<RequestProblem> problem = reader_.Read(line, texts_)) {
      if (problem->tool != nullptr) {
        json.Key("tool");
        json.String(problem->tool->name);
      }
      WriteError(json, problem->kind, problem->message, problem->input);
      return false;
    }
    // A list text not in the list still gives its lines, and the line counts as failed.
    const Presented presented = Present(texts_, '.');
    WriteRecordMembers(json, texts_, presented);
    return presented.Succeeded();
  }

  RequestReader reader_;
  InputTexts texts_;  // kept from line to line, so their buffers are reused
};

}  // namespace

LineRead LineReader::Next(std::string_view& line) {
  constexpr std::size_t kFirstRoom = 4096;
  std::size_t used = 0;
  while (true) {
    const std::size_t room = std::min(max_line_bytes_, std::max(kFirstRoom, 2 * used));
    // getline keeps one byte for its terminator.
    if (buffer_.size() < room + 1) buffer_.resize(room + 1);
    in_.getline(buffer_.data() + used, static_cast<std::streamsize>(room + 1 - used));
    if (in_.bad()) return LineRead::Failed;
    const auto extracted = static_cast<std::size_t>(in_.gcount());
    if (!in_.fail()) {
      // Ended by the newline, which getline counts, or by the end of the input.
      used += in_.eof() ? extracted : extracted - 1;
      line = std::string_view(buffer_.data(), used);
      return LineRead::Line;
    }
    used += extracted;
    if (in_.eof()) {
      if (used == 0) return LineRead::End;
      line = std::string_view(buffer_.data(), used);
      return LineRead::Line;
    }
    // The room is full and the line goes on.
    in_.clear();
    if (used == max_line_bytes_) {
      in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
      return LineRead::TooLong;
    }
  }
}

BatchCounts RunBatch(std::istream& in, std::ostream& out, std::size_t max_line_bytes) {
  BatchCounts counts;
  LineEvaluator evaluator;
  LineReader lines(in, max_line_bytes);
  JsonWriter json;
  std::uint64_t number = 0;
  while (true) {
    // About to wait for input: whoever feeds us may be waiting for these answers.
    if (in.rdbuf()->in_avail() <= 0) out.flush();
    std::string_view line;
    const LineRead read = lines.Next(line);
    if (read == LineRead::Failed) {
      counts.read_error = true;
      break;
    }
    if (read == LineRead::End) break;
    ++number;
    json.Clear();
    bool ok = false;
    if (read == LineRead::TooLong) {
      json.BeginObject();
      json.Key("line");
      json.Integer(number);
      WriteError(json, kLineTooLong, "该行超过" + std::to_string(max_line_bytes) + "字节，没有读取",
                 {});
      json.EndObject();
    } else {
      if (IsBlankLine(line)) {
        if (in.eof()) break;
        continue;
      }
      ok = evaluator.Evaluate(line, number, json);
    }
    ++counts.requests;
    if (!ok) ++counts.failed;
    out << json.text() << '\n';
    if (in.eof()) break;
  }
  out.flush();
  return counts;
}

}  // namespace vapentis::cli
