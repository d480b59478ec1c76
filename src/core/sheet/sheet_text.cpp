// The sheet as plain text: a table row is one line of tab-separated cells, so
// that the input tables paste into Excel or WPS as cells.
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/sheet/sheet.h"
#include "core/text/utf8.h"

namespace vapentis {

namespace {

class TextWriter {
 public:
  std::string Write(const Sheet& sheet) {
    Line({sheet.title});
    const SheetHeader& h = sheet.header;
    Line({kProjectLabel, h.project});
    Line({kClientLabel, h.client});
    Line({kAuthorLabel, h.author});
    Line({kDateLabel, h.date});
    Line({kProgramLabel, sheet.program + " " + sheet.version});
    for (std::size_t i = 0; i < sheet.sections.size(); ++i) {
      const SheetSection& section = sheet.sections[i];
      const std::string number = std::to_string(i + 1);
      Part(section, number);
      if (section.running_cost) Part(*section.running_cost, number + ".1");
    }
    text_ += '\n';
    Line({sheet.remark});
    Line({sheet.maker});
    for (const SheetContact& contact : sheet.contacts) Line({contact.label, contact.text});
    return std::move(text_);
  }

 private:
  // A cell keeps to its line and its column: a tab or a line break inside it
  // becomes a blank, and a byte that is not UTF-8 becomes U+FFFD.
  void Cell(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
      const char c = text[i];
      if (static_cast<unsigned char>(c) < 0x80) {
        text_.push_back(c == '\t' || c == '\n' || c == '\r' ? ' ' : c);
        ++i;
      } else if (const std::size_t length = Utf8SequenceLength(text.substr(i)); length > 0) {
        text_.append(text, i, length);
        i += length;
      } else {
        text_ += kReplacementCharacter;
        ++i;
      }
    }
  }

  void Line(std::initializer_list<std::string_view> cells) {
    bool first = true;
    for (const std::string_view cell : cells) {
      if (!first) text_ += '\t';
      first = false;
      Cell(cell);
    }
    text_ += '\n';
  }

  void Part(const SheetPart& part, const std::string& number) {
    text_ += '\n';
    Line({number + " " + part.title});
    if (!part.inputs.empty()) {
      Line({kInputLabel, kValueLabel, kUnitLabel});
      for (const SheetRow& row : part.inputs) Line({row.caption, row.value, row.unit});
    }
    if (part.failure) {
      Line({kFailureLabel, FailureText(*part.failure, "")});
    } else {
      Line({kResultsLabel});
      for (const std::string& line : part.lines) Line({line});
    }
    if (!part.notes.empty()) {
      Line({kNotesLabel});
      for (const std::string& note : part.notes) Line({note});
    }
    Line({kBasisLabel, part.basis});
  }

  std::string text_;
};

}  // namespace

std::string SheetText(const Sheet& sheet) { return TextWriter().Write(sheet); }

}  // namespace vapentis
