// A strict JSON reader (RFC 8259) that is walked as it reads and builds no
// document, so that a file costs no more memory than the texts taken from it.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vapentis {

// Where a token starts: line and column from 1, the column counted in characters.
struct JsonPlace {
  std::size_t line = 1;
  std::size_t column = 1;
};

// The place of `offset` in `text`, which must be UTF-8 up to there; a byte order
// mark at the start takes no column.
JsonPlace PlaceOf(std::string_view text, std::size_t offset);

// Why the text is not JSON, as a phrase ("此处应为“:”"), and where.
class JsonSyntaxError : public std::runtime_error {
 public:
  JsonSyntaxError(JsonPlace place, const std::string& what)
      : std::runtime_error(what), place_(place) {}
  JsonPlace place() const { return place_; }

 private:
  JsonPlace place_;
};

enum class JsonKind { Object, Array, String, Number, Bool, Null };

// Reads one value from the front of a text that must be UTF-8 (the reader checks
// the grammar, not the encoding). Every step throws JsonSyntaxError where the
// text breaks the grammar. A copy reads on from where the original stood.
class JsonReader {
 public:
  // Deeper nesting is refused, so that skipping a value never runs out of stack.
  static constexpr std::size_t kMaxDepth = 64;

  // `text` must outlive the reader; a byte order mark at its start is passed over.
  explicit JsonReader(std::string_view text);

  // The kind of the next value, blanks passed over.
  JsonKind Peek();
  // The offset of the next token, blanks passed over; PlaceAt turns it into a place
  // only where one is needed, since that counts the lines from the start.
  std::size_t Mark();
  // The offset of the key NextMember last read.
  std::size_t KeyMark() const { return key_offset_; }
  JsonPlace PlaceAt(std::size_t mark) const { return PlaceOf(text_, mark); }

  void BeginObject();
  // Reads the next member's key and its ':' into `key`; false, the '}' read, at the end.
  bool NextMember(std::string& key);
  void BeginArray();
  // Whether another element follows, its ',' read; false, the ']' read, at the end.
  bool NextElement();
  // The next string with its escapes decoded; returns its length in characters.
  std::size_t String(std::string& text);
  bool Bool();
  // The next number as written.
  std::string_view Number();
  void Null();
  // Passes over the next value whole.
  void Skip();
  // Throws unless only blanks follow.
  void ExpectEnd();

 private:
  void SkipBlanks();
  [[noreturn]] void Fail(std::size_t offset, const std::string& what) const;
  void Expect(char c, const char* what);
  void Literal(std::string_view word);
  void Push();
  // Reads ',' between items of the innermost container; false at its end, read.
  bool NextItem(char end, const char* separator_expected);

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t key_offset_ = 0;
  // For each open container, whether it has had an item yet.
  std::vector<bool> started_;
  std::string scratch_;
};

}  // namespace vapentis
