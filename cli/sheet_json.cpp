#include "cli/sheet_json.h"

#include <string>
#include <string_view>
#include <vector>

namespace vapentis::cli {

namespace {

void Text(JsonWriter& json, std::string_view key, std::string_view text) {
  json.Key(key);
  json.String(text);
}

void Texts(JsonWriter& json, std::string_view key, const std::vector<std::string>& texts) {
  json.Key(key);
  json.BeginArray();
  for (const std::string& text : texts) json.String(text);
  json.EndArray();
}

// "title", "inputs", "figures", "lines", "error" when it failed, "notes", "basis".
void WritePart(JsonWriter& json, const SheetPart& part) {
  Text(json, "title", part.title);
  json.Key("inputs");
  json.BeginArray();
  for (const SheetRow& row : part.inputs) {
    json.BeginObject();
    Text(json, "key", row.key);
    Text(json, "caption", row.caption);
    Text(json, "value", row.value);
    Text(json, "unit", row.unit);
    json.EndObject();
  }
  json.EndArray();
  WriteFigures(json, part.figures);
  Texts(json, "lines", part.lines);
  if (part.failure) {
    WriteError(json, part.failure->kind, FailureText(*part.failure, ""),
               part.failure->culprit_key());
  }
  Texts(json, "notes", part.notes);
  Text(json, "basis", part.basis);
}

}  // namespace

void WriteSheetMembers(JsonWriter& json, const Sheet& sheet) {
  Text(json, "title", sheet.title);
  Text(json, "project", sheet.header.project);
  Text(json, "client", sheet.header.client);
  Text(json, "author", sheet.header.author);
  Text(json, "date", sheet.header.date);
  Text(json, "program", sheet.program);
  Text(json, "version", sheet.version);
  json.Key("sections");
  json.BeginArray();
  for (const SheetSection& section : sheet.sections) {
    json.BeginObject();
    Text(json, "tool", section.tool);
    WritePart(json, section);
    if (section.running_cost) {
      json.Key("running_cost");
      json.BeginObject();
      WritePart(json, *section.running_cost);
      json.EndObject();
    }
    json.EndObject();
  }
  json.EndArray();
  Text(json, "maker", sheet.maker);
  json.Key("contacts");
  json.BeginArray();
  for (const SheetContact& contact : sheet.contacts) {
    json.BeginObject();
    Text(json, "label", contact.label);
    Text(json, "text", contact.text);
    json.EndObject();
  }
  json.EndArray();
  Text(json, "remark", sheet.remark);
}

}  // namespace vapentis::cli
