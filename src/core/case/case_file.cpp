#include "core/case/case_file.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/case/json_reader.h"
#include "core/catalog/program_info.h"
#include "core/catalog/tool_catalog.h"
#include "core/sheet/running_cost.h"
#include "core/sheet/sheet.h"
#include "core/text/utf8.h"

namespace vapentis {

namespace {

constexpr std::string_view kFullStop = "。";
constexpr std::string_view kNewerHint = "，该文件可能由较新版本的Vapentis保存。";
// A text quoted in a reason is cut here, so that a reason stays a sentence.
constexpr std::size_t kQuotedCharacters = 32;

// The members of the file, in the order the writer writes them.
constexpr std::string_view kFormatKey = "format";
constexpr std::string_view kVersionKey = "version";
constexpr std::string_view kProgramKey = "program";
constexpr std::string_view kSavedKey = "saved";
constexpr std::string_view kHeaderKey = "header";
constexpr std::string_view kRunningCostKey = "running_cost";
constexpr std::string_view kToolsKey = "tools";
constexpr std::string_view kShownKey = "shown";
constexpr std::array kCaseKeys = {kFormatKey, kVersionKey,     kProgramKey, kSavedKey,
                                  kHeaderKey, kRunningCostKey, kToolsKey,   kShownKey};

// The members of one tool of "tools".
constexpr std::string_view kToolKey = "tool";
constexpr std::string_view kInputsKey = "inputs";
constexpr std::string_view kCalculatedKey = "calculated";

struct HeaderField {
  std::string_view key;
  std::string_view label;
  std::string CaseHeader::*text;
};
constexpr std::array kHeaderFields = {
    HeaderField{"project", kProjectLabel, &CaseHeader::project},
    HeaderField{"client", kClientLabel, &CaseHeader::client},
    HeaderField{"author", kAuthorLabel, &CaseHeader::author},
};

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Every input of the tool, read and shown only, in the order of a CaseTool's texts.
std::size_t InputCount(const ToolDescription& tool) {
  return tool.inputs.size() + tool.shown_only.size();
}

const InputDescription& InputAt(const ToolDescription& tool, std::size_t i) {
  return i < tool.inputs.size() ? tool.inputs[i] : tool.shown_only[i - tool.inputs.size()];
}

std::size_t InputIndex(const ToolDescription& tool, std::string_view key) {
  for (std::size_t i = 0; i < InputCount(tool); ++i) {
    if (InputAt(tool, i).key == key) return i;
  }
  return kNone;
}

bool ChoiceFits(const InputDescription& input, std::string_view text) {
  return input.choices.empty() || text.empty() || FindChoice(input, text) != nullptr;
}

// The text with each byte that is no UTF-8 and each control character as U+FFFD, so that
// a reason shown on a terminal or in a message box cannot steer it; cut after `limit`
// characters.
std::string Sanitized(std::string_view text, std::size_t limit) {
  std::string out;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++characters) {
    if (characters == limit) {
      out += "…";
      break;
    }
    const std::size_t length = Utf8SequenceLength(text.substr(i));
    const auto byte = static_cast<unsigned char>(text[i]);
    if (length == 0 || (length == 1 && (byte < 0x20 || byte == 0x7F))) {
      out += kReplacementCharacter;
      ++i;
    } else {
      out.append(text, i, length);
      i += length;
    }
  }
  return out;
}

std::string Quoted(std::string_view text) { return "“" + Sanitized(text, kQuotedCharacters) + "”"; }

std::string At(JsonPlace place) {
  return "（第" + std::to_string(place.line) + "行第" + std::to_string(place.column) + "列）";
}

std::string ToolWords(const ToolDescription& tool) {
  return "工具“" + std::string(tool.name) + "”（" + std::string(tool.menu_caption) + "）";
}

std::string InputWords(const ToolDescription& tool, const InputDescription& input) {
  return ToolWords(tool) + "的输入“" + std::string(input.key) + "”（" + std::string(input.label) +
         "）";
}

std::string PriceWords(const InputDescription& input) {
  return "运行费用的“" + std::string(input.key) + "”（" + std::string(input.label) + "）";
}

std::string HeaderWords(const HeaderField& field) {
  return "表头的“" + std::string(field.key) + "”（" + std::string(field.label) + "）";
}

std::string MemberWords(std::string_view key) { return "“" + std::string(key) + "”"; }

// "“pressure”（以压力为准）、“temperature”（以温度为准）"
std::string ChoiceList(const InputDescription& input) {
  std::string text;
  for (const Choice& choice : input.choices) {
    if (!text.empty()) text += "、";
    text += "“" + std::string(choice.key) + "”（" + std::string(choice.caption) + "）";
  }
  return text;
}

// Why a text cannot stand in a case; empty when it can.
std::string TextProblem(std::string_view text) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++characters) {
    const std::size_t length = Utf8SequenceLength(text.substr(i));
    if (length == 0) return "不是有效的UTF-8文字";
    i += length;
  }
  if (characters > kMaxCaseTextCharacters) {
    return "超过" + std::to_string(kMaxCaseTextCharacters) + "个字符";
  }
  return {};
}

// Thrown inside the reader with the reason the file is refused.
struct Refused {
  std::string reason;
};

[[noreturn]] void Refuse(std::string reason) { throw Refused{std::move(reason)}; }

// Where the bytes stop being UTF-8; kNone if they never do.
std::size_t FirstNonUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(bytes.substr(i));
    if (length == 0) return i;
    i += length;
  }
  return kNone;
}

bool IsBlank(std::string_view bytes) {
  return bytes.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Reads a file already known to be UTF-8 and JSON against what a case holds.
class CaseParser {
 public:
  explicit CaseParser(std::string_view bytes) : json_(bytes) {}

  Case Read() {
    if (json_.Peek() != JsonKind::Object) {
      Refuse("文件不是Vapentis算例：最外层不是JSON对象。");
    }
    CheckFormatAndVersion();
    Case read = StartCase();
    read.tools.clear();
    json_.BeginObject();
    std::array<bool, kCaseKeys.size()> seen{};
    while (json_.NextMember(key_)) {
      const auto* found = std::find(kCaseKeys.begin(), kCaseKeys.end(), key_);
      if (found == kCaseKeys.end()) {
        Refuse("算例中有未知的项" + Quoted(key_) + KeyAt() + std::string(kNewerHint));
      }
      const std::string_view key = *found;
      if (std::exchange(seen[static_cast<std::size_t>(found - kCaseKeys.begin())], true)) {
        Refuse(MemberWords(key) + "出现了两次" + KeyAt() + "。");
      }
      if (key == kFormatKey || key == kVersionKey) {
        json_.Skip();  // checked first
      } else if (key == kProgramKey || key == kSavedKey) {
        ReadText(text_, [key] { return MemberWords(key); });
      } else if (key == kHeaderKey) {
        ReadHeader(read.header);
      } else if (key == kRunningCostKey) {
        ReadPrices(read.running_cost);
      } else if (key == kToolsKey) {
        ReadTools(read.tools);
      } else {
        ReadShown(read.shown);
      }
    }
    // An older file, or one cut down by hand, leaves tools out: they start afresh.
    for (const ToolDescription* tool : Tools()) {
      const bool present = std::any_of(read.tools.begin(), read.tools.end(),
                                       [tool](const CaseTool& t) { return t.tool == tool; });
      if (!present) read.tools.push_back(StartTool(*tool));
    }
    return read;
  }

 private:
  std::string At(std::size_t mark) const { return vapentis::At(json_.PlaceAt(mark)); }
  std::string KeyAt() const { return At(json_.KeyMark()); }

  // A newer file is refused as newer before anything in it is found unknown.
  void CheckFormatAndVersion() {
    JsonReader ahead = json_;
    ahead.BeginObject();
    std::string key;
    std::optional<std::size_t> format_mark;
    std::optional<std::size_t> version_mark;
    std::string format;
    std::string_view version;
    bool format_is_text = false;
    bool version_is_number = false;
    while (ahead.NextMember(key)) {
      if (key != kFormatKey && key != kVersionKey) {
        ahead.Skip();
        continue;
      }
      std::optional<std::size_t>& mark = key == kFormatKey ? format_mark : version_mark;
      if (mark) {
        Refuse(MemberWords(key) + "出现了两次" + vapentis::At(ahead.PlaceAt(ahead.KeyMark())) +
               "。");
      }
      mark = ahead.Mark();
      const JsonKind kind = ahead.Peek();
      if (key == kFormatKey && kind == JsonKind::String) {
        format_is_text = true;
        ahead.String(format);
      } else if (key == kVersionKey && kind == JsonKind::Number) {
        version_is_number = true;
        version = ahead.Number();
      } else {
        ahead.Skip();
      }
    }
    if (!format_mark) Refuse("文件不是Vapentis算例：没有“format”。");
    if (!format_is_text || format != kCaseFormat) {
      Refuse("文件不是Vapentis算例：“format”应为“" + std::string(kCaseFormat) + "”" +
             At(*format_mark) + "。");
    }
    if (!version_mark) Refuse("文件没有格式版本“version”。");
    const bool whole =
        version_is_number && !version.empty() &&
        std::all_of(version.begin(), version.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!whole) Refuse("格式版本“version”应为不小于0的整数" + At(*version_mark) + "。");
    // JSON writes no leading zeros, so more digits than an int holds is a larger number.
    constexpr std::size_t kDigits = 9;
    if (version.size() > kDigits || std::stoi(std::string(version)) > kCaseVersion) {
      Refuse("由较新版本的Vapentis保存，请升级后打开（文件的格式版本为" + Sanitized(version, 20) +
             "，本程序能打开的最高版本为" + std::to_string(kCaseVersion) + "）。");
    }
  }

  // A text member's value, within the limit; `what` names it in a reason.
  template <class What>
  void ReadText(std::string& text, const What& what) {
    const std::size_t mark = json_.Mark();
    if (json_.Peek() != JsonKind::String) Refuse(what() + "应为带引号的文字" + At(mark) + "。");
    if (json_.String(text) > kMaxCaseTextCharacters) {
      Refuse(what() + "超过" + std::to_string(kMaxCaseTextCharacters) + "个字符" + At(mark) + "。");
    }
  }

  // An input's text, which for a ticked input is one of its choices or empty.
  template <class What>
  void ReadInput(const InputDescription& input, std::string& text, const What& what) {
    const std::size_t mark = json_.Mark();
    ReadText(text, what);
    if (!ChoiceFits(input, text)) {
      Refuse(what() + "只能是" + ChoiceList(input) + "或空，而不是" + Quoted(text) + At(mark) +
             "。");
    }
  }

  // Passes '{' of the value named by `what`, refusing any other value.
  template <class What>
  void BeginObject(const What& what) {
    const std::size_t mark = json_.Mark();
    if (json_.Peek() != JsonKind::Object) Refuse(what() + "应为JSON对象" + At(mark) + "。");
    json_.BeginObject();
  }

  void ReadHeader(CaseHeader& header) {
    BeginObject([] { return MemberWords(kHeaderKey); });
    std::array<bool, kHeaderFields.size()> seen{};
    while (json_.NextMember(key_)) {
      const auto* field = std::find_if(kHeaderFields.begin(), kHeaderFields.end(),
                                       [this](const HeaderField& f) { return f.key == key_; });
      if (field == kHeaderFields.end()) {
        Refuse("表头“header”中有未知的项" + Quoted(key_) + KeyAt() + std::string(kNewerHint));
      }
      if (std::exchange(seen[static_cast<std::size_t>(field - kHeaderFields.begin())], true)) {
        Refuse(HeaderWords(*field) + "出现了两次" + KeyAt() + "。");
      }
      ReadText(header.*(field->text), [field] { return HeaderWords(*field); });
    }
  }

  void ReadPrices(InputTexts& prices) {
    BeginObject([] { return MemberWords(kRunningCostKey); });
    const std::span<const InputDescription> inputs = RunningCostDescription().inputs;
    std::vector<bool> seen(inputs.size());
    while (json_.NextMember(key_)) {
      const InputDescription* input = FindReadInput(RunningCostDescription(), key_);
      if (input == nullptr) {
        Refuse("运行费用“running_cost”中有未知的项" + Quoted(key_) + KeyAt() +
               std::string(kNewerHint));
      }
      const auto i = static_cast<std::size_t>(input - inputs.data());
      if (seen[i]) Refuse(PriceWords(*input) + "出现了两次" + KeyAt() + "。");
      seen[i] = true;
      ReadInput(*input, prices[input->key], [input] { return PriceWords(*input); });
    }
  }

  void ReadTools(std::vector<CaseTool>& tools) {
    const std::size_t mark = json_.Mark();
    if (json_.Peek() != JsonKind::Array)
      Refuse(MemberWords(kToolsKey) + "应为数组" + At(mark) + "。");
    json_.BeginArray();
    for (std::size_t number = 1; json_.NextElement(); ++number) ReadTool(number, tools);
  }

  // Which tool an item of "tools" is, wherever its "tool" stands among its members.
  const ToolDescription& ToolOfItem(const std::string& item, std::size_t item_mark,
                                    const std::vector<CaseTool>& tools) {
    JsonReader ahead = json_;
    ahead.BeginObject();
    std::string key;
    const ToolDescription* tool = nullptr;
    while (ahead.NextMember(key)) {
      if (key != kToolKey) {
        ahead.Skip();
        continue;
      }
      if (tool != nullptr) {
        Refuse(item + "的“tool”出现了两次" + vapentis::At(ahead.PlaceAt(ahead.KeyMark())) + "。");
      }
      const std::size_t mark = ahead.Mark();
      if (ahead.Peek() != JsonKind::String) {
        Refuse(item + "的“tool”应为带引号的文字" + At(mark) + "。");
      }
      ahead.String(text_);
      tool = FindTool(text_);
      if (tool == nullptr)
        Refuse("未知的工具" + Quoted(text_) + At(mark) + std::string(kNewerHint));
      for (const CaseTool& earlier : tools) {
        if (earlier.tool == tool) Refuse(ToolWords(*tool) + "出现了两次" + At(mark) + "。");
      }
    }
    if (tool == nullptr) Refuse(item + "没有“tool”" + At(item_mark) + "。");
    return *tool;
  }

  void ReadTool(std::size_t number, std::vector<CaseTool>& tools) {
    const std::string item = MemberWords(kToolsKey) + "的第" + std::to_string(number) + "项";
    const std::size_t mark = json_.Mark();
    if (json_.Peek() != JsonKind::Object) Refuse(item + "应为JSON对象" + At(mark) + "。");
    const ToolDescription& tool = ToolOfItem(item, mark, tools);
    json_.BeginObject();
    CaseTool read = StartTool(tool);
    bool inputs_seen = false;
    bool calculated_seen = false;
    while (json_.NextMember(key_)) {
      if (key_ == kToolKey) {
        json_.Skip();  // read ahead
      } else if (key_ == kInputsKey) {
        if (std::exchange(inputs_seen, true)) {
          Refuse(ToolWords(tool) + "的“inputs”出现了两次" + KeyAt() + "。");
        }
        ReadToolInputs(read);
      } else if (key_ == kCalculatedKey) {
        if (std::exchange(calculated_seen, true)) {
          Refuse(ToolWords(tool) + "的“calculated”出现了两次" + KeyAt() + "。");
        }
        const std::size_t value_mark = json_.Mark();
        if (json_.Peek() != JsonKind::Bool) {
          Refuse(ToolWords(tool) + "的“calculated”应为true或false" + At(value_mark) + "。");
        }
        read.calculated = json_.Bool();
      } else {
        Refuse(ToolWords(tool) + "中有未知的项" + Quoted(key_) + KeyAt() + std::string(kNewerHint));
      }
    }
    tools.push_back(std::move(read));
  }

  void ReadToolInputs(CaseTool& read) {
    const ToolDescription& tool = *read.tool;
    BeginObject([&tool] { return ToolWords(tool) + "的“inputs”"; });
    std::vector<bool> seen(read.texts.size());
    while (json_.NextMember(key_)) {
      const std::size_t i = InputIndex(tool, key_);
      if (i == kNone) {
        Refuse(ToolWords(tool) + "的输入中有未知的项" + Quoted(key_) + KeyAt() +
               std::string(kNewerHint));
      }
      const InputDescription& input = InputAt(tool, i);
      if (seen[i]) Refuse(InputWords(tool, input) + "出现了两次" + KeyAt() + "。");
      seen[i] = true;
      ReadInput(input, read.texts[i], [&tool, &input] { return InputWords(tool, input); });
    }
  }

  void ReadShown(std::string& shown) {
    const std::size_t mark = json_.Mark();
    ReadText(shown, [] { return MemberWords(kShownKey); });
    if (!shown.empty() && shown != kCaseHelpShown && FindTool(shown) == nullptr) {
      Refuse("“shown”是未知的工具" + Quoted(shown) + At(mark) + std::string(kNewerHint));
    }
  }

  JsonReader json_;
  std::string key_;
  std::string text_;
};

// Pretty-printed JSON: two blanks a level, one member or element a line.
class PrettyWriter {
 public:
  std::string& text() { return text_; }

  void Open(char bracket) {
    text_ += bracket;
    items_.push_back(0);
  }
  void Close(char bracket) {
    const bool had_items = items_.back() > 0;
    items_.pop_back();
    if (had_items) NewLine();
    text_ += bracket;
  }
  // Starts an element of an array.
  void Item() {
    if (items_.back()++ > 0) text_ += ',';
    NewLine();
  }
  void Key(std::string_view key) {
    Item();
    String(key);
    text_ += ": ";
  }
  void String(std::string_view text) {
    text_ += '"';
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      switch (c) {
        case '"':
          text_ += "\\\"";
          break;
        case '\\':
          text_ += "\\\\";
          break;
        case '\b':
          text_ += "\\b";
          break;
        case '\f':
          text_ += "\\f";
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
        default:
          // Other control characters, and DEL, which no editor shows, as escapes.
          if (byte < 0x20 || byte == 0x7F) {
            constexpr std::string_view kHex = "0123456789abcdef";
            text_ += "\\u00";
            text_ += kHex[byte >> 4U];
            text_ += kHex[byte & 0xFU];
          } else {
            text_ += c;
          }
      }
    }
    text_ += '"';
  }
  void Raw(std::string_view text) { text_ += text; }

 private:
  void NewLine() {
    text_ += '\n';
    text_.append(2 * items_.size(), ' ');
  }

  std::string text_;
  std::vector<std::size_t> items_;  // for each open bracket, the items written in it
};

// Throws what ReadCase would refuse in the file of this case.
void CheckWritable(const Case& c, std::string_view saved) {
  const auto check = [](std::string_view text, const auto& what) {
    if (const std::string problem = TextProblem(text); !problem.empty()) {
      throw std::invalid_argument(what() + problem + "。");
    }
  };
  check(saved, [] { return MemberWords(kSavedKey); });
  for (const HeaderField& field : kHeaderFields) {
    check(c.header.*field.text, [&field] { return HeaderWords(field); });
  }
  const std::span<const InputDescription> prices = RunningCostDescription().inputs;
  if (c.running_cost.InOrder().size() != prices.size() ||
      &c.running_cost.tool() != &RunningCostDescription()) {
    throw std::invalid_argument("运行费用不是运行费用估算的输入。");
  }
  for (std::size_t i = 0; i < prices.size(); ++i) {
    check(c.running_cost.InOrder()[i], [&prices, i] { return PriceWords(prices[i]); });
  }
  for (std::size_t t = 0; t < c.tools.size(); ++t) {
    const CaseTool& entry = c.tools[t];
    const std::span<const ToolDescription* const> catalog = Tools();
    if (std::find(catalog.begin(), catalog.end(), entry.tool) == catalog.end()) {
      throw std::invalid_argument("算例的第" + std::to_string(t + 1) + "个工具不是本程序的工具。");
    }
    const ToolDescription& tool = *entry.tool;
    for (std::size_t earlier = 0; earlier < t; ++earlier) {
      if (c.tools[earlier].tool == entry.tool) {
        throw std::invalid_argument(ToolWords(tool) + "出现了两次。");
      }
    }
    if (entry.texts.size() != InputCount(tool)) {
      throw std::invalid_argument(ToolWords(tool) + "的文字与它的输入数目不符。");
    }
    for (std::size_t i = 0; i < entry.texts.size(); ++i) {
      const InputDescription& input = InputAt(tool, i);
      const auto what = [&tool, &input] { return InputWords(tool, input); };
      check(entry.texts[i], what);
      if (!ChoiceFits(input, entry.texts[i])) {
        throw std::invalid_argument(what() + "只能是" + ChoiceList(input) + "或空，而不是" +
                                    Quoted(entry.texts[i]) + "。");
      }
    }
  }
  if (!c.shown.empty() && c.shown != kCaseHelpShown && FindTool(c.shown) == nullptr) {
    throw std::invalid_argument("“shown”是未知的工具" + Quoted(c.shown) + "。");
  }
}

}  // namespace

const std::string& CaseTool::operator[](std::string_view key) const {
  const std::size_t i = InputIndex(*tool, key);
  if (i == kNone) {
    throw std::out_of_range("the tool " + std::string(tool->name) + " has no input " +
                            std::string(key));
  }
  return texts[i];
}

std::string& CaseTool::operator[](std::string_view key) {
  return const_cast<std::string&>(std::as_const(*this)[key]);
}

InputTexts CaseTool::Request() const {
  InputTexts request(*tool);
  for (std::size_t i = 0; i < tool->inputs.size(); ++i) request[tool->inputs[i].key] = texts[i];
  return request;
}

CaseTool StartTool(const ToolDescription& tool) {
  CaseTool start{&tool, {}, false};
  start.texts.reserve(InputCount(tool));
  for (std::size_t i = 0; i < InputCount(tool); ++i) {
    start.texts.emplace_back(InputAt(tool, i).start_text);
  }
  return start;
}

Case StartCase() {
  Case start;
  start.running_cost.Reset(RunningCostDescription());
  for (const InputDescription& input : RunningCostDescription().inputs) {
    start.running_cost[input.key] = input.start_text;
  }
  for (const ToolDescription* tool : Tools()) start.tools.push_back(StartTool(*tool));
  return start;
}

std::variant<Case, CaseRefusal> ReadCase(std::string_view bytes) {
  try {
    if (bytes.size() > kMaxCaseFileBytes) {
      Refuse("文件大于" + std::to_string(kMaxCaseFileBytes >> 20U) + " MiB，超出算例的大小上限。");
    }
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const std::string_view body =
        bytes.starts_with(kByteOrderMark) ? bytes.substr(kByteOrderMark.size()) : bytes;
    if (IsBlank(body)) Refuse("文件是空的。");
    if (const std::size_t bad = FirstNonUtf8(bytes); bad != kNone) {
      Refuse("文件不是UTF-8编码的文字" + At(PlaceOf(bytes, bad)) + "。");
    }
    try {
      JsonReader syntax(bytes);
      syntax.Skip();
      syntax.ExpectEnd();
    } catch (const JsonSyntaxError& e) {
      Refuse("文件不是有效的JSON：" + std::string(e.what()) + At(e.place()) + "。");
    }
    return CaseParser(bytes).Read();
  } catch (Refused& refused) {
    return CaseRefusal{std::move(refused.reason)};
  }
}

std::string WriteCase(const Case& c, std::string_view saved) {
  CheckWritable(c, saved);
  PrettyWriter out;
  out.Open('{');
  out.Key(kFormatKey);
  out.String(kCaseFormat);
  out.Key(kVersionKey);
  out.Raw(std::to_string(kCaseVersion));
  out.Key(kProgramKey);
  out.String(std::string(program::kName) + " " + std::string(program::kVersion));
  out.Key(kSavedKey);
  out.String(saved);
  out.Key(kHeaderKey);
  out.Open('{');
  for (const HeaderField& field : kHeaderFields) {
    out.Key(field.key);
    out.String(c.header.*field.text);
  }
  out.Close('}');
  out.Key(kRunningCostKey);
  out.Open('{');
  const std::span<const InputDescription> prices = RunningCostDescription().inputs;
  for (std::size_t i = 0; i < prices.size(); ++i) {
    out.Key(prices[i].key);
    out.String(c.running_cost.InOrder()[i]);
  }
  out.Close('}');
  out.Key(kToolsKey);
  out.Open('[');
  for (const CaseTool& entry : c.tools) {
    out.Item();
    out.Open('{');
    out.Key(kToolKey);
    out.String(entry.tool->name);
    out.Key(kInputsKey);
    out.Open('{');
    for (std::size_t i = 0; i < entry.texts.size(); ++i) {
      out.Key(InputAt(*entry.tool, i).key);
      out.String(entry.texts[i]);
    }
    out.Close('}');
    out.Key(kCalculatedKey);
    out.Raw(entry.calculated ? "true" : "false");
    out.Close('}');
  }
  out.Close(']');
  out.Key(kShownKey);
  out.String(c.shown);
  out.Close('}');
  out.Raw("\n");
  return std::move(out.text());
}

std::string CaseRefusalMessage(std::string_view file_name, std::string_view reason) {
  std::string message = "无法打开算例“" + Sanitized(file_name, kNone) + "”：" + std::string(reason);
  if (!message.ends_with(kFullStop)) message += kFullStop;
  return message;
}

}  // namespace vapentis
