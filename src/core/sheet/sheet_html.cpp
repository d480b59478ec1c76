// The sheet as one HTML document. It keeps to what Qt's rich text renders as
// well as a browser does: tables with border, cellspacing and cellpadding
// attributes, alignment as attributes, and a style sheet of element and class
// rules only, so that the window can preview, print and copy the same bytes.
#include <string>
#include <string_view>
#include <utility>

#include "core/sheet/sheet.h"
#include "core/text/utf8.h"

namespace vapentis {

namespace {

constexpr std::string_view kStyle = R"(<style>
body { font-family: "SimSun", "宋体", "Songti SC", "AR PL UMing CN", "Noto Serif CJK SC", serif; font-size: 10.5pt; color: #000000; background-color: #ffffff; max-width: 180mm; margin-left: auto; margin-right: auto; padding-left: 23px; padding-right: 23px; }
h1 { font-family: "SimHei", "黑体", "Heiti SC", "WenQuanYi Micro Hei", "Noto Sans CJK SC", sans-serif; font-size: 22pt; font-weight: bold; letter-spacing: 0.5em; margin-top: 45px; margin-bottom: 16px; }
h2 { font-family: "SimHei", "黑体", "Heiti SC", "WenQuanYi Micro Hei", "Noto Sans CJK SC", sans-serif; font-size: 13pt; font-weight: bold; margin-top: 27px; margin-bottom: 8px; padding-bottom: 3px; border-bottom: 2px solid #000000; }
h3 { font-family: "SimHei", "黑体", "Heiti SC", "WenQuanYi Micro Hei", "Noto Sans CJK SC", sans-serif; font-size: 11pt; font-weight: bold; margin-top: 19px; margin-bottom: 8px; }
table { border-collapse: collapse; border-width: 1px; border-style: solid; border-color: #555555; margin-bottom: 5px; }
th { font-family: "SimHei", "黑体", "Heiti SC", "WenQuanYi Micro Hei", "Noto Sans CJK SC", sans-serif; font-weight: normal; text-align: left; background-color: #e9ecef; border-width: 1px; border-style: solid; border-color: #555555; padding: 4px; }
td { border-width: 1px; border-style: solid; border-color: #555555; padding: 4px; }
p { margin-top: 0; margin-bottom: 0; }
p.line { margin-left: 16px; line-height: 150%; }
p.label { font-family: "SimHei", "黑体", "Heiti SC", "WenQuanYi Micro Hei", "Noto Sans CJK SC", sans-serif; margin-top: 11px; margin-bottom: 3px; }
p.failure { color: #b00000; font-weight: bold; margin-top: 11px; margin-bottom: 3px; margin-left: 16px; }
ul { margin-top: 0; margin-bottom: 0; }
li { line-height: 150%; }
p.basis { margin-top: 11px; color: #333333; }
b { font-family: "SimHei", "黑体", "Heiti SC", "WenQuanYi Micro Hei", "Noto Sans CJK SC", sans-serif; font-weight: normal; }
hr { margin-top: 32px; }
p.remark { font-weight: bold; margin-top: 5px; margin-bottom: 5px; }
p.maker { font-size: 9pt; color: #333333; margin-bottom: 45px; }
</style>
)";

constexpr std::string_view kTableStart =
    R"(<table width="100%" border="1" cellspacing="0" cellpadding="4">)";

class HtmlWriter {
 public:
  std::string Write(const Sheet& sheet) {
    html_ = "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    Text(sheet.title);
    if (!sheet.header.project.empty()) {
      html_ += " — ";
      Text(sheet.header.project);
    }
    html_ += "</title>\n";
    html_ += kStyle;
    html_ += "</head>\n<body>\n<h1 align=\"center\">";
    Text(sheet.title);
    html_ += "</h1>\n";
    Header(sheet);
    for (std::size_t i = 0; i < sheet.sections.size(); ++i) {
      const SheetSection& section = sheet.sections[i];
      const std::string number = std::to_string(i + 1);
      Part(section, "h2", number);
      if (section.running_cost) Part(*section.running_cost, "h3", number + ".1");
    }
    Footer(sheet);
    html_ += "</body>\n</html>\n";
    return std::move(html_);
  }

 private:
  // Every text of the sheet enters the document here.
  void Text(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
      const auto c = static_cast<unsigned char>(text[i]);
      if (c >= 0x80) {
        const std::size_t length = Utf8SequenceLength(text.substr(i));
        if (length == 0) {
          html_ += kReplacementCharacter;
          ++i;
        } else {
          html_.append(text, i, length);
          i += length;
        }
        continue;
      }
      switch (c) {
        case '&':
          html_ += "&amp;";
          break;
        case '<':
          html_ += "&lt;";
          break;
        case '>':
          html_ += "&gt;";
          break;
        case '"':
          html_ += "&quot;";
          break;
        case '\'':
          html_ += "&#39;";
          break;
        case '\t':
        case '\n':
          html_ += static_cast<char>(c);
          break;
        default:
          // A parser would drop or rewrite a raw control character (a CR becomes a LF).
          if (c < 0x20 || c == 0x7F) {
            html_ += "&#" + std::to_string(c) + ";";
          } else {
            html_ += static_cast<char>(c);
          }
      }
      ++i;
    }
  }

  void Element(std::string_view start, std::string_view text, std::string_view end) {
    html_ += start;
    Text(text);
    html_ += end;
  }

  void Header(const Sheet& sheet) {
    const SheetHeader& h = sheet.header;
    html_ += kTableStart;
    html_ += "\n<tr>";
    Element("<th width=\"15%\">", kProjectLabel, "</th>");
    Element("<td colspan=\"3\">", h.project, "</td>");
    html_ += "</tr>\n<tr>";
    Element("<th width=\"15%\">", kClientLabel, "</th>");
    Element("<td width=\"35%\">", h.client, "</td>");
    Element("<th width=\"15%\">", kAuthorLabel, "</th>");
    Element("<td width=\"35%\">", h.author, "</td>");
    html_ += "</tr>\n<tr>";
    Element("<th>", kDateLabel, "</th>");
    Element("<td>", h.date, "</td>");
    Element("<th>", kProgramLabel, "</th>");
    Element("<td>", sheet.program + " " + sheet.version, "</td>");
    html_ += "</tr>\n</table>\n";
  }

  void Part(const SheetPart& part, std::string_view heading, const std::string& number) {
    html_ += "<";
    html_ += heading;
    html_ += ">";
    Text(number + " " + part.title);
    html_ += "</";
    html_ += heading;
    html_ += ">\n";
    if (!part.inputs.empty()) {
      html_ += kTableStart;
      html_ += "\n<tr>";
      Element("<th width=\"40%\">", kInputLabel, "</th>");
      Element("<th width=\"35%\">", kValueLabel, "</th>");
      Element("<th width=\"25%\">", kUnitLabel, "</th>");
      html_ += "</tr>\n";
      for (const SheetRow& row : part.inputs) {
        html_ += "<tr>";
        Element("<td>", row.caption, "</td>");
        Element("<td>", row.value, "</td>");
        Element("<td>", row.unit, "</td>");
        html_ += "</tr>\n";
      }
      html_ += "</table>\n";
    }
    if (part.failure) {
      Element("<p class=\"failure\">",
              std::string(kFailureLabel) + "：" + FailureText(*part.failure, ""), "</p>\n");
    } else {
      Element("<p class=\"label\">", kResultsLabel, "</p>\n");
      for (const std::string& line : part.lines) Element("<p class=\"line\">", line, "</p>\n");
    }
    if (!part.notes.empty()) {
      Element("<p class=\"label\">", kNotesLabel, "</p>\n<ul>\n");
      for (const std::string& note : part.notes) Element("<li>", note, "</li>\n");
      html_ += "</ul>\n";
    }
    Element("<p class=\"basis\"><b>", std::string(kBasisLabel) + "：", "</b>");
    Element("", part.basis, "</p>\n");
  }

  void Footer(const Sheet& sheet) {
    html_ += "<hr>\n";
    Element("<p class=\"remark\">", sheet.remark, "</p>\n");
    Element("<p class=\"maker\">", sheet.maker, "");
    for (const SheetContact& contact : sheet.contacts) {
      Text("　" + contact.label + "：" + contact.text);
    }
    html_ += "</p>\n";
  }

  std::string html_;
};

}  // namespace

std::string SheetHtml(const Sheet& sheet) { return HtmlWriter().Write(sheet); }

}  // namespace vapentis
