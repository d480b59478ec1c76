// What the command line writes: result lines for the terminal and the JSON
// records of results and failures, shared by single commands and batches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "core/description/presenter.h"
#include "core/description/tool_description.h"
#include "core/numeric/numeric.h"

namespace vapentis::cli {

// Failure kinds of a command or batch line that are not failures of a calculation.
inline constexpr std::string_view kMalformedJson = "MalformedJson";
inline constexpr std::string_view kNotAnObject = "NotAnObject";
inline constexpr std::string_view kMissingTool = "MissingTool";
inline constexpr std::string_view kUnknownTool = "UnknownTool";
inline constexpr std::string_view kUnknownInput = "UnknownInput";
inline constexpr std::string_view kDuplicateInput = "DuplicateInput";
inline constexpr std::string_view kInvalidInputValue = "InvalidInputValue";
inline constexpr std::string_view kLineTooLong = "LineTooLong";
inline constexpr std::string_view kUnreadInput = "UnreadInput";

// Compact JSON built into one buffer, reused from record to record; a batch
// writes a million of them, so this avoids a document per record and writes
// each piece in place. UTF-8 is kept as is; bytes that are not UTF-8 (an
// argument can hold any) become U+FFFD.
class JsonWriter {
 public:
  void Clear() {
    size_ = 0;
    need_comma_ = false;
  }
  // Valid until the next write.
  std::string_view text() const { return {buffer_.get(), size_}; }

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  void Key(std::string_view key);
  void String(std::string_view value);
  void Integer(std::uint64_t value);
  // Whole values within 2^53 are written without a fraction (127, not 127.0);
  // others as the shortest text that reads back as the same double, and an
  // infinity, which JSON lacks, as null.
  void Number(double value);
  void Null();
  void Bool(bool value);

 private:
  // Room for `bytes` more at the end of the text, and a comma first where one is due.
  char* Room(std::size_t bytes) {
    if (capacity_ - size_ < bytes + 1) Grow(bytes + 1);
    char* out = buffer_.get() + size_;
    if (need_comma_) *out++ = ',';
    return out;
  }
  void Grow(std::size_t bytes);
  // Ends a piece written from Room at `end`.
  void Done(char* end, bool need_comma) {
    size_ = static_cast<std::size_t>(end - buffer_.get());
    need_comma_ = need_comma;
  }
  void Punctuation(char c, bool need_comma);

  std::unique_ptr<char[]> buffer_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  bool need_comma_ = false;
};

// The result lines, each followed by a newline.
void WriteLines(std::ostream& out, const ToolOutcome& output);

// The members of one press's record: "tool", "inputs" (every input's text, in
// the tool's order), then "figures", "lines" and "warnings" (when there are any)
// of a calculation, with "error" for a list text not in the list; or
// "warnings" and "error" for a failure.
void WriteRecordMembers(JsonWriter& json, const InputTexts& texts, const Presented& presented);

// Every tool with its inputs, and the running cost's assumptions, for programs
// that build on the command line.
void WriteDescriptions(JsonWriter& json);

// "figures", "reference" (for a tool that shows a standard's figures) and "lines".
void WriteOutcome(JsonWriter& json, const ToolOutcome& outcome);
// "figures": {"name": value, …}, each a JSON number.
void WriteFigures(JsonWriter& json, std::span<const Figure> figures);

// The presenter's decision as "error", its message the sentences run together.
void WriteError(JsonWriter& json, const Failed& failed);
// "error": {"kind": ..., "message": ..., "input": key, or null when empty}
void WriteError(JsonWriter& json, std::string_view kind, std::string_view message,
                std::string_view input_key);

}  // namespace vapentis::cli
