// Fuzzes the report line conversions: they must stay inside the line and keep
// their promises for any bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "report/ReportText.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// The quoted sizes, replaced one occurrence at a time until none is left.
std::string MapFontSizesSlowly(std::string line) {
  static const char* const kFrom[] = {"\"15\"", "\"14\"", "\"13\"", "\"12\"", "\"11\"",
                                      "\"10\"", "\"9\"",  "\"8\"",  "\"7\"",  "\"6\""};
  static const char* const kTo[] = {"\"4\"", "\"4\"", "\"4\"", "\"4\"", "\"3\"",
                                    "\"3\"", "\"3\"", "\"2\"", "\"2\"", "\"2\""};
  for (bool again = true; again;) {
    again = false;
    for (int i = 0; i < 10; ++i) {
      const size_t at = line.find(kFrom[i]);
      if (at == std::string::npos) continue;
      line.replace(at, std::char_traits<char>::length(kFrom[i]), kTo[i]);
      again = true;
    }
  }
  return line;
}

// Character by character: "<" opens a tag, ">" closes one (or vanishes), and only
// what stands outside tags is kept.
std::string StripMarkupSlowly(const std::string& line) {
  std::string out;
  bool inTag = false;
  for (char c : line) {
    if (c == '<') {
      inTag = true;
    } else if (c == '>') {
      inTag = false;
    } else if (!inTag) {
      out += c;
    }
  }
  return out;
}

bool HasImageOpen(const std::string& line) {
  std::string upper = line;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper.find("<IMG") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);

  const std::string text = vconfig::StripMarkup(line);
  Check(text.size() <= line.size());
  Check(text.find_first_of("<>") == std::string::npos);
  Check(text == StripMarkupSlowly(line));
  std::vector<std::string> stripped{line};
  vconfig::StripAllMarkup(stripped);
  Check(stripped.size() == 1 && stripped[0] == text);

  // The cut removes one piece: what is left is a prefix and a suffix of the line.
  const std::string cut = vconfig::RemoveImageTag(line);
  Check(cut.size() <= line.size());
  size_t prefix = 0;
  while (prefix < cut.size() && cut[prefix] == line[prefix]) ++prefix;
  const size_t rest = cut.size() - prefix;
  Check(line.compare(line.size() - rest, rest, cut, prefix, rest) == 0);
  if (!HasImageOpen(line)) Check(cut == line);

  Check(vconfig::MapFontSizes(line) == MapFontSizesSlowly(line));

  const auto points = vconfig::LineFontSize(line);
  Check(points.has_value() == (line.find("size=\"") != std::string::npos));
  if (points) Check(*points >= 0 && *points <= 99);

  std::vector<std::string> lines{line, text, cut};
  vconfig::ConvertToHtml(lines);
  Check(lines.size() == 4 && lines[0] == "<TABLE>");
  for (size_t i = 1; i < lines.size(); ++i)
    Check(lines[i].compare(0, 8, "<TR><TD>") == 0 && lines[i].size() >= 18 &&
          lines[i].compare(lines[i].size() - 10, 10, "</TD></TR>") == 0);
  Check(lines[1] == "<TR><TD>" + MapFontSizesSlowly(cut) + "</TD></TR>");
  return 0;
}
