// Fuzzes the calculation sheet: any header texts, assumptions and input texts
// go through both writers. The HTML must read back to exactly the header texts
// given (each byte that is not UTF-8 as U+FFFD) and hold no markup but the
// writer's own; the text must keep each cell in its cell; nothing may crash.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalog/tool_catalog.h"
#include "core/sheet/running_cost.h"
#include "core/sheet/sheet.h"

namespace {

// The checks need no coverage of their own: left out, they leave the fuzzer's
// time to the code under test.
#define ORACLE __attribute__((no_sanitize("coverage")))

using vapentis::InputDescription;
using vapentis::InputTexts;
using vapentis::Sheet;
using vapentis::SheetHeader;

[[noreturn]] void Fail(const std::string& what, std::string_view document) {
  std::fprintf(stderr, "%s\n--- document ---\n%.*s\n", what.c_str(),
               static_cast<int>(document.size()), document.data());
  std::abort();
}

// The length of the well-formed UTF-8 sequence at `i`, or 0: found by decoding
// the code point, apart from the writers' own check.
ORACLE std::size_t DecodedLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  std::uint32_t code = 0;
  std::uint32_t least = 0;
  if (lead < 0x80) return 1;
  if ((lead & 0xE0U) == 0xC0U) {
    length = 2;
    code = lead & 0x1FU;
    least = 0x80;
  } else if ((lead & 0xF0U) == 0xE0U) {
    length = 3;
    code = lead & 0x0FU;
    least = 0x800;
  } else if ((lead & 0xF8U) == 0xF0U) {
    length = 4;
    code = lead & 0x07U;
    least = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0U) != 0x80U) return 0;
    code = (code << 6U) | (next & 0x3FU);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code >= least && code <= 0x10FFFF && !surrogate ? length : 0;
}

// The text with each byte that starts no well-formed sequence as U+FFFD.
ORACLE std::string Repaired(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    if (const std::size_t length = DecodedLength(text, i); length > 0) {
      out.append(text, i, length);
      i += length;
    } else {
      out += "\xEF\xBF\xBD";
      ++i;
    }
  }
  return out;
}

ORACLE bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = DecodedLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// Character data read back as a parser reads it, or nothing where an '&'
// starts no entity the writer uses.
ORACLE bool Unescape(std::string_view html, std::string& text) {
  text.clear();
  for (std::size_t i = 0; i < html.size();) {
    if (html[i] != '&') {
      text += html[i++];
      continue;
    }
    const std::size_t end = html.find(';', i);
    if (end == std::string_view::npos || end - i > 6) return false;
    const std::string_view entity = html.substr(i + 1, end - i - 1);
    if (entity == "amp") {
      text += '&';
    } else if (entity == "lt") {
      text += '<';
    } else if (entity == "gt") {
      text += '>';
    } else if (entity == "quot") {
      text += '"';
    } else if (entity.size() >= 2 && entity.size() <= 4 && entity[0] == '#' &&
               std::all_of(entity.begin() + 1, entity.end(),
                           [](char c) { return c >= '0' && c <= '9'; })) {
      const int code = std::stoi(std::string(entity.substr(1)));
      if (code > 127) return false;
      text += static_cast<char>(code);
    } else {
      return false;
    }
    i = end + 1;
  }
  return true;
}

constexpr std::array<std::string_view, 35> kTags = {"!DOCTYPE html",
                                                    "html lang=\"zh-CN\"",
                                                    "/html",
                                                    "head",
                                                    "/head",
                                                    "meta charset=\"utf-8\"",
                                                    "title",
                                                    "/title",
                                                    "style",
                                                    "/style",
                                                    "body",
                                                    "/body",
                                                    "h1 align=\"center\"",
                                                    "/h1",
                                                    "h2",
                                                    "/h2",
                                                    "h3",
                                                    "/h3",
                                                    "tr",
                                                    "/tr",
                                                    "/th",
                                                    "/td",
                                                    "/table",
                                                    "p",
                                                    "/p",
                                                    "p class=\"line\"",
                                                    "p class=\"label\"",
                                                    "p class=\"failure\"",
                                                    "p class=\"basis\"",
                                                    "b",
                                                    "/b",
                                                    "ul",
                                                    "/ul",
                                                    "li",
                                                    "/li"};

ORACLE bool IsWritersTag(std::string_view tag) {
  for (const std::string_view known : kTags) {
    if (tag == known) return true;
  }
  // Tables and cells carry their layout attributes.
  for (const std::string_view name :
       {"table ", "th", "td", "p class=\"remark\"", "p class=\"maker\"", "hr"}) {
    if (tag.starts_with(name)) return tag.find_first_of("<&'") == std::string_view::npos;
  }
  return false;
}

// Whether an entity the writer uses starts at `at` (an '&'); its length if so.
ORACLE std::size_t EntityLength(std::string_view html, std::size_t at) {
  for (const std::string_view entity : {"&amp;", "&lt;", "&gt;", "&quot;"}) {
    if (html.substr(at, entity.size()) == entity) return entity.size();
  }
  // &#N; for the characters below a blank, the apostrophe and DEL
  std::size_t end = at + 2;
  while (end < html.size() && end < at + 6 && html[end] >= '0' && html[end] <= '9') ++end;
  if (at + 1 >= html.size() || html[at + 1] != '#' || end == at + 2 || end >= html.size() ||
      html[end] != ';') {
    return 0;
  }
  const int code = std::stoi(std::string(html.substr(at + 2, end - at - 2)));
  return code < 0x20 || code == '\'' || code == 0x7F ? end - at + 1 : 0;
}

// Every '<' opens one of the writer's tags, every '>' closes one, every '&'
// starts one of its entities, and the style sheet is the writer's own.
ORACLE void CheckMarkup(std::string_view html) {
  if (!IsUtf8(html)) Fail("the HTML is not UTF-8", html);
  std::size_t tables = 0;
  std::size_t table_ends = 0;
  for (std::size_t i = 0; i < html.size();) {
    const char c = html[i];
    if (c == '>') Fail("a '>' outside a tag", html);
    if (c == '&') {
      const std::size_t length = EntityLength(html, i);
      if (length == 0) Fail("an '&' that starts no entity of the writer", html);
      i += length;
      continue;
    }
    if (c != '<') {
      ++i;
      continue;
    }
    const std::size_t close = html.find('>', i);
    if (close == std::string_view::npos) Fail("a tag left open", html);
    const std::string_view tag = html.substr(i + 1, close - i - 1);
    if (!IsWritersTag(tag)) Fail("a tag the writer does not write: " + std::string(tag), html);
    if (tag.starts_with("table ")) ++tables;
    if (tag == "/table") ++table_ends;
    i = close + 1;
    if (tag == "style") {
      i = html.find("</style>", i);
      if (i == std::string_view::npos) Fail("the style sheet is not closed", html);
    }
  }
  if (tables != table_ends) Fail("tables not closed", html);
}

// The character data of the cell beside a header label, read back.
ORACLE std::string CellBeside(std::string_view html, std::string_view label) {
  const std::string start = std::string(label) + "</th><td";
  const std::size_t th = html.find(start);
  if (th == std::string_view::npos) Fail("no cell for " + std::string(label), html);
  const std::size_t cell = html.find('>', th + start.size()) + 1;
  std::string text;
  if (!Unescape(html.substr(cell, html.find("</td>", cell) - cell), text)) {
    Fail("the cell does not read back", html);
  }
  return text;
}

ORACLE void CheckHtml(const Sheet& sheet, const std::string& html) {
  CheckMarkup(html);
  const std::pair<std::string_view, const std::string&> kHeader[] = {
      {vapentis::kProjectLabel, sheet.header.project},
      {vapentis::kClientLabel, sheet.header.client},
      {vapentis::kAuthorLabel, sheet.header.author},
      {vapentis::kDateLabel, sheet.header.date},
  };
  for (const auto& [label, given] : kHeader) {
    if (CellBeside(html, label) != Repaired(given)) {
      Fail("the cell of " + std::string(label) + " does not read back as given", html);
    }
  }
}

// A cell's text in the plain text: UTF-8, with no tab or line break of its own.
ORACLE std::string TextCell(std::string_view given) {
  std::string cell = Repaired(given);
  std::replace_if(
      cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return cell;
}

ORACLE void CheckText(const Sheet& sheet, const std::string& text) {
  if (!IsUtf8(text)) Fail("the text is not UTF-8", text);
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) Fail("the text does not end in a line break", text);
    lines.push_back(std::string_view(text).substr(start, end - start));
    start = end + 1;
  }
  const std::string header[] = {
      std::string(vapentis::kProjectLabel) + "\t" + TextCell(sheet.header.project),
      std::string(vapentis::kClientLabel) + "\t" + TextCell(sheet.header.client),
      std::string(vapentis::kAuthorLabel) + "\t" + TextCell(sheet.header.author),
  };
  for (std::size_t i = 0; i < std::size(header); ++i) {
    if (lines.size() <= i + 1 || lines[i + 1] != header[i]) Fail("a header line is broken", text);
  }
  // Each row of an input table has its three cells.
  const std::string table_head = std::string(vapentis::kInputLabel) + "\t" +
                                 std::string(vapentis::kValueLabel) + "\t" +
                                 std::string(vapentis::kUnitLabel);
  std::size_t rows_expected = 0;
  for (const vapentis::SheetSection& section : sheet.sections) {
    rows_expected += section.inputs.size();
    if (section.running_cost) rows_expected += section.running_cost->inputs.size();
  }
  std::size_t rows = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != table_head) continue;
    for (++i; i < lines.size() && std::count(lines[i].begin(), lines[i].end(), '\t') == 2; ++i) {
      ++rows;
    }
  }
  if (rows != rows_expected) Fail("an input row lost or gained a cell", text);
}

std::string Consume(FuzzedDataProvider& data) { return data.ConsumeRandomLengthString(64); }

}  // namespace

// The input: the three header texts, the four assumptions, then the texts of
// the tools' inputs, each a string ended by a backslash and another byte; a
// byte at the end picks each tool's choice and the decimal separator.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  SheetHeader header;
  header.project = Consume(data);
  header.client = Consume(data);
  header.author = Consume(data);
  header.date = "2024-03-15";

  InputTexts assumptions(vapentis::RunningCostDescription());
  for (const InputDescription& input : vapentis::RunningCostDescription().inputs) {
    assumptions[input.key] = Consume(data);
  }
  std::vector<std::string> texts;
  for (int i = 0; i < 8; ++i) texts.push_back(Consume(data));

  std::vector<InputTexts> requests;
  std::size_t next = 0;
  for (const vapentis::ToolDescription* tool : vapentis::Tools()) {
    InputTexts request(*tool);
    for (const InputDescription& input : tool->inputs) {
      if (input.choices.empty()) {
        request[input.key] = texts[next++ % texts.size()];
      } else {
        // One of the choices, or none ticked.
        const auto pick = data.ConsumeIntegralInRange<std::size_t>(0, input.choices.size());
        request[input.key] = pick < input.choices.size() ? input.choices[pick].key : "";
      }
    }
    requests.push_back(std::move(request));
  }
  // Some requests twice, some not at all, in any order.
  const auto count = data.ConsumeIntegralInRange<std::size_t>(1, 4);
  std::vector<InputTexts> chosen;
  for (std::size_t i = 0; i < count; ++i) {
    chosen.push_back(requests[data.ConsumeIntegralInRange<std::size_t>(0, requests.size() - 1)]);
  }
  const char separator = data.ConsumeBool() ? ',' : '.';

  const Sheet sheet = vapentis::BuildSheet(header, chosen, assumptions, separator);
  if (sheet.sections.size() != chosen.size()) Fail("a request lost its section", {});
  CheckHtml(sheet, vapentis::SheetHtml(sheet));
  CheckText(sheet, vapentis::SheetText(sheet));
  return 0;
}
