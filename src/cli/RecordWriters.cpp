#include "cli/RecordWriters.h"

#include <cstdio>

#include "locale/CodePage.h"

namespace vconfig {
namespace {

const char* const kFields[] = {"group", "source", "location", "user",
                               "view",  "name",   "type",     "data"};

std::vector<const std::string*> Fields(const ReportRecord& r) {
  return {&r.group, &r.source, &r.location, &r.user, &r.view, &r.name, &r.type, &r.data};
}

std::string CsvField(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += ch;
        }
    }
  }
  return out + "\"";
}

}  // namespace

std::string RecordsToCsv(const std::vector<ReportRecord>& records) {
  std::string out;
  for (size_t i = 0; i < 8; ++i) out += std::string(i ? "," : "") + kFields[i];
  out += "\r\n";
  for (const ReportRecord& r : records) {
    const auto fields = Fields(r);
    for (size_t i = 0; i < fields.size(); ++i) out += (i ? "," : "") + CsvField(*fields[i]);
    out += "\r\n";
  }
  return out;
}

std::string RecordsToJson(const ReportFacts& facts, const std::vector<ReportRecord>& records,
                          int codePage) {
  auto text = [codePage](const std::string& s) { return JsonString(CodePageToUtf8(s, codePage)); };
  std::string out = "{\n  \"installation\": {\"root\": " + text(facts.root) +
                    ", \"windows\": " + text(facts.windows) +
                    ", \"description\": " + text(facts.description) + "},\n  \"records\": [";
  for (size_t n = 0; n < records.size(); ++n) {
    out += n ? ",\n    {" : "\n    {";
    const auto fields = Fields(records[n]);
    for (size_t i = 0; i < fields.size(); ++i)
      out += std::string(i ? ", " : "") + "\"" + kFields[i] + "\": " + text(*fields[i]);
    out += "}";
  }
  out += records.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return out;
}

}  // namespace vconfig
