#include "report/ReportText.h"

#include <algorithm>

namespace vconfig {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The HTML size for a quoted report size of one or two digits, or 0 when it has none.
char HtmlSizeFor(std::string_view digits) {
  if (digits.size() == 2 && digits[0] == '1') {
    switch (digits[1]) {
      case '2': case '3': case '4': case '5': return '4';
      case '0': case '1': return '3';
      default: return 0;
    }
  }
  if (digits.size() == 1) {
    switch (digits[0]) {
      case '9': return '3';
      case '6': case '7': case '8': return '2';
      default: return 0;
    }
  }
  return 0;
}

// The first "<" or ">" at or after from (npos when none): find_first_of would search
// the two characters once for every character of the line.
size_t FindTagChar(std::string_view line, size_t from) {
  for (size_t i = from; i < line.size(); ++i)
    if (line[i] == '<' || line[i] == '>') return i;
  return std::string_view::npos;
}

}  // namespace

std::string StripMarkup(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  // Text between tags is copied a run at a time; a ">" outside a tag vanishes, and a
  // "<" that is never closed drops the rest.
  size_t i = 0;
  while (i < line.size()) {
    const size_t stop = FindTagChar(line, i);
    if (stop == std::string_view::npos) {
      out.append(line.substr(i));
      break;
    }
    out.append(line.substr(i, stop - i));
    if (line[stop] == '>') {
      i = stop + 1;
      continue;
    }
    const size_t close = line.find('>', stop + 1);
    if (close == std::string_view::npos) break;
    i = close + 1;
  }
  return out;
}

std::string RemoveImageTag(std::string_view line) {
  std::string upper(line);
  for (char& c : upper) c = UpperAscii(c);
  const size_t open = upper.find("<IMG");
  if (open == std::string::npos) return std::string(line);
  size_t end = std::string::npos;  // one past the cut
  const size_t close = upper.find("</IMG>");
  // A closing tag that stands before the element does not close it.
  if (close != std::string::npos && close > open) {
    end = close + 6;
  } else {
    const size_t gt = upper.find('>', open);
    if (gt != std::string::npos) end = gt + 1;
  }
  if (end == std::string::npos) return std::string(line);
  std::string out(line.substr(0, open));
  out.append(line.substr(end));
  return out;
}

namespace {

// MapFontSizes into out, which it extends.
void AppendMappedFontSizes(std::string& out, std::string_view line) {
  // One pass: a replacement keeps both quotes and puts no digit that could start a
  // new match, so scanning on from its closing quote replaces each occurrence once,
  // also those that share a quote with their neighbour. Text between quotes is copied
  // a run at a time.
  size_t i = 0;
  while (i < line.size()) {
    const size_t quote = line.find('"', i);
    if (quote == std::string_view::npos) {
      out.append(line.substr(i));
      return;
    }
    out.append(line.substr(i, quote - i));
    i = quote;
    size_t n = 0;
    while (n < 2 && i + 1 + n < line.size() && IsDigit(line[i + 1 + n])) ++n;
    if (n > 0 && i + 1 + n < line.size() && line[i + 1 + n] == '"') {
      const char size = HtmlSizeFor(line.substr(i + 1, n));
      if (size) {
        out += '"';
        out += size;
        i += 1 + n;  // continue at the closing quote
        continue;
      }
    }
    out += line[i++];
  }
}

}  // namespace

std::string MapFontSizes(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  AppendMappedFontSizes(out, line);
  return out;
}

std::optional<int> LineFontSize(std::string_view line) {
  const size_t at = line.find("size=\"");
  if (at == std::string_view::npos) return std::nullopt;
  const size_t first = at + 6;
  int value = 0;
  for (size_t i = first; i < first + 2 && i < line.size() && IsDigit(line[i]); ++i)
    value = value * 10 + (line[i] - '0');
  return value;
}

void StripAllMarkup(std::vector<std::string>& lines) {
  // In place, as StripMarkup does it: the text kept moves to the front of the line.
  for (auto& line : lines) {
    size_t i = FindTagChar(line, 0);
    if (i == std::string_view::npos) continue;
    size_t kept = i;
    while (i < line.size()) {
      if (line[i] == '<') {
        i = line.find('>', i + 1);
        if (i == std::string::npos) break;
      }
      ++i;  // past the ">"
      const size_t stop = std::min(FindTagChar(line, i), line.size());
      std::char_traits<char>::move(&line[kept], line.data() + i, stop - i);
      kept += stop - i;
      i = stop;
    }
    line.resize(kept);
  }
}

void ConvertToHtml(std::vector<std::string>& lines) {
  static constexpr std::string_view kOpen = "<TR><TD>", kClose = "</TD></TR>";
  for (auto& line : lines) {
    // Only a line with a "<" can hold an image element.
    const bool tags = line.find('<') != std::string::npos;
    const std::string cut = tags ? RemoveImageTag(line) : std::string();
    const std::string_view body = tags ? std::string_view(cut) : std::string_view(line);
    std::string row;
    row.reserve(kOpen.size() + body.size() + kClose.size());
    row.append(kOpen);
    AppendMappedFontSizes(row, body);
    row.append(kClose);
    line = std::move(row);
  }
  lines.insert(lines.begin(), "<TABLE>");
}

}  // namespace vconfig
