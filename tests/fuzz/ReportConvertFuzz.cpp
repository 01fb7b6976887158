// Fuzzes the report line conversions: they must stay inside the line and keep
// their promises for any bytes, and give escaped text back exactly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/ContentReaders.h"
#include "config/TextLines.h"
#include "fakes/MemoryFileSystem.h"
#include "fakes/MemoryRegistry.h"
#include "fakes/RecordingSurface.h"
#include "markup/Markup.h"
#include "markup/MarkupEscape.h"
#include "report/ReportText.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// The quoted sizes inside tags: each tag ("<" to the next ">" or the end) on its own,
// its quotes taken in pairs.
std::string MapFontSizesSlowly(const std::string& line) {
  static const char* const kFrom[] = {"15", "14", "13", "12", "11", "10", "9", "8", "7", "6"};
  static const char* const kTo[] = {"4", "4", "4", "4", "3", "3", "3", "2", "2", "2"};
  std::string out;
  size_t i = 0;
  while (i < line.size()) {
    const size_t open = line.find('<', i);
    if (open == std::string::npos) return out + line.substr(i);
    out += line.substr(i, open - i);
    const size_t gt = line.find('>', open);
    const size_t end = gt == std::string::npos ? line.size() : gt + 1;
    std::string tag = line.substr(open, end - open);
    std::string mapped;
    size_t at = 0;
    for (;;) {
      const size_t q1 = tag.find('"', at);
      const size_t q2 = q1 == std::string::npos ? q1 : tag.find('"', q1 + 1);
      if (q2 == std::string::npos) break;
      std::string value = tag.substr(q1 + 1, q2 - q1 - 1);
      for (int k = 0; k < 10; ++k)
        if (value == kFrom[k]) value = kTo[k];
      mapped += tag.substr(at, q1 + 1 - at) + value + '"';
      at = q2 + 1;
    }
    out += mapped + tag.substr(at);
    i = end;
  }
  return out;
}

// The text conversion a character at a time.
std::string StripMarkupSlowly(const std::string& line) {
  std::string out;
  bool inTag = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '<') {
      inTag = true;
    } else if (c == '>') {
      inTag = false;
    } else if (!inTag) {
      bool decoded = false;
      for (const auto& e : {std::pair<const char*, char>{"&amp;", '&'}, {"&lt;", '<'},
                            {"&gt;", '>'}, {"&quot;", '"'}}) {
        const std::string name = e.first;
        if (!decoded && line.compare(i, name.size(), name) == 0) {
          out += e.second;
          i += name.size() - 1;
          decoded = true;
        }
      }
      if (!decoded) out += c;
    }
  }
  return out;
}

// The image cut on an upper-case copy of the line.
std::string RemoveImageTagSlowly(const std::string& line) {
  std::string upper = line;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  const size_t open = upper.find("<IMG");
  if (open == std::string::npos) return line;
  size_t end = std::string::npos;
  const size_t close = upper.find("</IMG>");
  if (close != std::string::npos && close > open) {
    end = close + 6;
  } else {
    const size_t gt = upper.find('>', open);
    if (gt != std::string::npos) end = gt + 1;
  }
  if (end == std::string::npos) return line;
  return line.substr(0, open) + line.substr(end);
}

bool HasImageOpen(const std::string& line) {
  std::string upper = line;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper.find("<IMG") != std::string::npos;
}

// What the renderer draws of a row, as the surface shows it.
std::string DrawnText(const std::string& markup) {
  vconfig::RecordingSurface surface;
  vconfig::MarkupRequest rq;
  const std::string row = "<FONT color=\"clmaroon\">" + markup + "</FONT>";
  rq.text = row;
  rq.rect = vconfig::Rect{0, 0, 1 << 28, 100};
  rq.wordWrap = true;
  vconfig::MarkupResult result;
  vconfig::RenderMarkup(surface, rq, result);
  std::string drawn;
  for (const auto& op : surface.TextOps()) drawn += vconfig::RecordingSurface::VisibleText(op.text);
  return drawn;
}

// The bytes as a file in a report: read into the body after a line already there, each
// of its lines escaped as EscapeMarkup escapes it on its own.
void CheckFileInReport(const std::string& bytes) {
  static const vconfig::Catalogue catalogue =
      vconfig::Catalogue::Build(false, "Other file", "Files", "Autostart");
  vconfig::SystemLocations locations;
  locations.windowsDir = "C:\\WINDOWS";
  locations.systemDir = "C:\\WINDOWS\\SYSTEM";
  vconfig::MemoryFileSystem files;
  vconfig::MemoryRegistry registry;
  files.Put("C:\\WINDOWS\\win.ini", bytes);
  vconfig::ContentEnvironment env{files, registry, locations, "Other file"};
  vconfig::TextLines body{"<FONT>&amp;</FONT>"};
  vconfig::AppendReportRows(*catalogue.Find("Win.ini"), env, body);
  const vconfig::TextLines lines = vconfig::SplitTextLines(bytes);
  Check(body.size() == lines.size() + 1 && body[0] == "<FONT>&amp;</FONT>");
  for (size_t i = 0; i < lines.size(); ++i) Check(body[i + 1] == vconfig::EscapeMarkup(lines[i]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);

  CheckFileInReport(line);

  const std::string text = vconfig::StripMarkup(line);
  Check(text.size() <= line.size());
  Check(text == StripMarkupSlowly(line));
  vconfig::TextLines stripped{line, line};
  vconfig::StripAllMarkup(stripped);
  Check(stripped[0] == text && stripped[1] == text);

  // Any bytes from a file or a value, escaped into a report line, come back exactly
  // as text, and give the HTML cell nothing to change.
  const std::string escaped = vconfig::EscapeMarkup(line);
  Check(vconfig::StripMarkup(escaped) == line);
  Check(vconfig::HtmlCell(escaped, {}) == escaped);
  if (line.find_first_of("&<>\"") == std::string::npos) Check(escaped == line);
  // The same text as a Run value's data draws as itself (a carriage return would be a
  // line break, a line feed is never drawn).
  if (line.find_first_of("\r\n") == std::string::npos) Check(DrawnText(escaped) == line);

  // The cut removes one piece: what is left is a prefix and a suffix of the line.
  const std::string cut = vconfig::RemoveImageTag(line);
  Check(cut.size() <= line.size());
  size_t prefix = 0;
  while (prefix < cut.size() && cut[prefix] == line[prefix]) ++prefix;
  const size_t rest = cut.size() - prefix;
  Check(line.compare(line.size() - rest, rest, cut, prefix, rest) == 0);
  if (!HasImageOpen(line)) Check(cut == line);
  Check(cut == RemoveImageTagSlowly(line));

  Check(vconfig::MapFontSizes(line) == MapFontSizesSlowly(line));

  const auto points = vconfig::LineFontSize(line);
  Check(points.has_value() == (line.find("size=\"") != std::string::npos));
  if (points) Check(*points >= 0 && *points <= 99);

  // The report files in one buffer are the joined lines of the conversions.
  vconfig::TextLines lines{line, text, cut};
  const vconfig::HtmlReportStyle style;
  vconfig::TextLines textLines = lines;
  vconfig::StripAllMarkup(textLines);
  Check(vconfig::PlainTextReport(lines) == vconfig::JoinTextLines(textLines));
  const std::string html = vconfig::HtmlReport(lines, style);
  vconfig::ConvertToHtml(lines, style);
  Check(html == vconfig::JoinTextLines(lines));
  Check(lines.size() == 3 + 10 && lines[6] == "<TABLE>" && lines[10] == "</TABLE>");
  for (size_t i = 7; i < 10; ++i)
    Check(lines[i].compare(0, 8, "<TR><TD>") == 0 && lines[i].size() >= 18 &&
          lines[i].compare(lines[i].size() - 10, 10, "</TD></TR>") == 0);
  return 0;
}
