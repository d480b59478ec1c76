#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/sheet/sheet.h"
#include "core/text/utf8.h"
#include "sheet_test_support.h"

namespace vapentis {
namespace {

using testing::Request;
using testing::SheetOf;

// Character data as an HTML parser reads it back: the entities the writer uses.
std::string Unescaped(std::string_view html) {
  std::string text;
  for (std::size_t i = 0; i < html.size();) {
    if (html[i] != '&') {
      text += html[i++];
      continue;
    }
    const std::size_t end = html.find(';', i);
    if (end == std::string_view::npos) {
      ADD_FAILURE() << "an & that starts no entity";
      return text;
    }
    const std::string_view entity = html.substr(i + 1, end - i - 1);
    if (entity == "amp") {
      text += '&';
    } else if (entity == "lt") {
      text += '<';
    } else if (entity == "gt") {
      text += '>';
    } else if (entity == "quot") {
      text += '"';
    } else if (entity.starts_with('#')) {
      text += static_cast<char>(std::stoi(std::string(entity.substr(1))));
    } else {
      ADD_FAILURE() << "unknown entity " << entity;
    }
    i = end + 1;
  }
  return text;
}

// The text of the cell beside a header label, as the HTML holds it.
std::string_view CellBeside(std::string_view html, std::string_view label) {
  const std::size_t th = html.find(std::string(label) + "</th><td");
  if (th == std::string_view::npos) return "(no cell)";
  const std::size_t start = html.find('>', th + label.size() + 8) + 1;
  return html.substr(start, html.find("</td>", start) - start);
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8SequenceLength(text.substr(i));
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::size_t Count(std::string_view text, std::string_view part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// A header text, what the HTML reads back as, and what the text writer's cell holds.
struct HeaderTextCase {
  const char* name;
  std::string given;
  std::string in_html;
  std::string in_text;
};

const HeaderTextCase kHeaderTexts[] = {
    {"markup", "<b>&\"x", "<b>&\"x", "<b>&\"x"},
    {"script and apostrophe", "it's <script>alert(1)</script>", "it's <script>alert(1)</script>",
     "it's <script>alert(1)</script>"},
    {"an entity's own text", "&amp;&#60;", "&amp;&#60;", "&amp;&#60;"},
    {"tab, line breaks and control characters",
     "a\tb\nc\rd\x01"
     "e\x7f",
     "a\tb\nc\rd\x01"
     "e\x7f",
     "a b c d\x01"
     "e\x7f"},
    {"Chinese", "某化工有限公司（一期）", "某化工有限公司（一期）", "某化工有限公司（一期）"},
    {"bytes that are no UTF-8", "\xff中\xc3(\xe4\xb8",
     "\xEF\xBF\xBD中\xEF\xBF\xBD(\xEF\xBF\xBD\xEF\xBF\xBD",
     "\xEF\xBF\xBD中\xEF\xBF\xBD(\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"empty", "", "", ""},
};

TEST(SheetHtml, HeaderTextsReadBackExactlyAsGiven) {
  for (const HeaderTextCase& c : kHeaderTexts) {
    SCOPED_TRACE(c.name);
    const std::string html =
        SheetHtml(SheetOf({Request("pump")}, {}, {c.given, c.given, c.given, "2024-03-15"}));
    EXPECT_TRUE(IsUtf8(html));
    for (const std::string_view label : {kProjectLabel, kClientLabel, kAuthorLabel}) {
      EXPECT_EQ(Unescaped(CellBeside(html, label)), c.in_html) << label;
    }
    EXPECT_EQ(Unescaped(CellBeside(html, kDateLabel)), "2024-03-15");
  }
}

TEST(SheetHtml, NoTextOfTheSheetBecomesMarkup) {
  const std::string html = SheetHtml(SheetOf(
      {Request("sizing", {{"application", "<i>x</i>"}}), Request("pump", {{"flow", "<script>"}})},
      {{"hours", "&lt;"}}, {"<b>", "", "", "2024-03-15"}));
  EXPECT_EQ(Count(html, "<b>"), Count(html, "<p class=\"basis\"><b>"));
  EXPECT_EQ(Count(html, "<i>"), 0U);
  EXPECT_EQ(Count(html, "<script>"), 0U);
  EXPECT_NE(html.find("&lt;i&gt;x&lt;/i&gt;"), std::string::npos);
  EXPECT_NE(html.find("&amp;lt;"), std::string::npos);
}

TEST(SheetHtml, HoldsEachInputTableAsATableAndEveryLineOfTheSheet) {
  const Sheet sheet =
      SheetOf({Request("sizing"), Request("pump", {{"efficiency", "0"}}), Request("steam")});
  const std::string html = SheetHtml(sheet);
  EXPECT_TRUE(html.starts_with("<!DOCTYPE html>"));
  // The header, then one table for each section and one for the running cost.
  EXPECT_EQ(Count(html, "<table"), 1U + sheet.sections.size() + 1U);
  EXPECT_EQ(Count(html, "<table"), Count(html, "</table>"));
  for (const SheetSection& section : sheet.sections) {
    EXPECT_NE(html.find(section.title), std::string::npos);
    EXPECT_NE(html.find(section.basis), std::string::npos);
    for (const std::string& line : section.lines) EXPECT_NE(html.find(line), std::string::npos);
    for (const SheetRow& row : section.inputs) {
      EXPECT_NE(html.find("<td>" + row.caption + "</td><td>" + row.value + "</td><td>" + row.unit +
                          "</td>"),
                std::string::npos)
          << row.key;
    }
  }
  for (const std::string& line : sheet.sections[0].running_cost->lines) {
    EXPECT_NE(html.find(line), std::string::npos);
  }
  EXPECT_NE(html.find(FailureText(*sheet.sections[1].failure, "")), std::string::npos);
  EXPECT_NE(html.find(sheet.remark), std::string::npos);
  EXPECT_NE(html.find(sheet.contacts.front().text), std::string::npos);
}

TEST(SheetText, HeaderTextsStandLiterallyInOneCell) {
  for (const HeaderTextCase& c : kHeaderTexts) {
    SCOPED_TRACE(c.name);
    const std::vector<std::string> lines =
        Lines(SheetText(SheetOf({Request("pump")}, {}, {c.given, c.given, c.given, "2024-03-15"})));
    ASSERT_GE(lines.size(), 6U);
    EXPECT_EQ(lines[0], "计算书");
    EXPECT_EQ(lines[1], std::string(kProjectLabel) + "\t" + c.in_text);
    EXPECT_EQ(lines[2], std::string(kClientLabel) + "\t" + c.in_text);
    EXPECT_EQ(lines[3], std::string(kAuthorLabel) + "\t" + c.in_text);
    EXPECT_EQ(lines[4], std::string(kDateLabel) + "\t2024-03-15");
  }
}

TEST(SheetText, InputTablesAreTabSeparatedRowsOfThreeCells) {
  const Sheet sheet = SheetOf({Request("sizing", {{"application", "a\tb"}}), Request("pump")});
  const std::vector<std::string> lines = Lines(SheetText(sheet));
  const std::string table_head =
      std::string(kInputLabel) + "\t" + std::string(kValueLabel) + "\t" + std::string(kUnitLabel);
  std::vector<const SheetPart*> parts = {&sheet.sections[0], &*sheet.sections[0].running_cost,
                                         &sheet.sections[1]};
  std::size_t at = 0;
  for (const SheetPart* part : parts) {
    SCOPED_TRACE(part->title);
    while (at < lines.size() && !lines[at].ends_with(" " + part->title)) ++at;
    ASSERT_LT(at + 1, lines.size());
    EXPECT_EQ(lines[++at], table_head);
    for (const SheetRow& row : part->inputs) {
      std::string value = row.value;
      for (char& c : value) {
        if (c == '\t') c = ' ';
      }
      EXPECT_EQ(lines[++at], row.caption + "\t" + value + "\t" + row.unit);
    }
    EXPECT_EQ(lines[++at], std::string(kResultsLabel));
    for (const std::string& line : part->lines) EXPECT_EQ(lines[++at], line);
  }
}

TEST(SheetText, NumbersThePartsAndSaysWhyAPartHasNoFigures) {
  const Sheet sheet = SheetOf({Request("sizing"), Request("pump", {{"efficiency", "0"}})});
  const std::vector<std::string> lines = Lines(SheetText(sheet));
  const auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has("1 MVR蒸发器选型"));
  EXPECT_TRUE(has("1.1 运行费用估算"));
  EXPECT_TRUE(has("2 离心泵功率"));
  EXPECT_TRUE(has(std::string(kFailureLabel) + "\t" + FailureText(*sheet.sections[1].failure, "")));
  EXPECT_TRUE(has("多效蒸发只计蒸汽费用"));
  EXPECT_TRUE(has(std::string(kBasisLabel) + "\t" + sheet.sections[0].basis));
  EXPECT_TRUE(has(sheet.remark));
  EXPECT_TRUE(has("网址\t" + sheet.contacts.front().text));
}

}  // namespace
}  // namespace vapentis
