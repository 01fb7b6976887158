#include "report/ReportText.h"

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

}  // namespace

std::string StripMarkup(std::string_view line) {
  std::string out;
  out.reserve(line.size());
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

std::string MapFontSizes(std::string_view line) {
  // One pass: a replacement keeps both quotes and puts no digit that could start a
  // new match, so scanning on from its closing quote replaces each occurrence once,
  // also those that share a quote with their neighbour.
  std::string out;
  out.reserve(line.size());
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == '"') {
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
    }
    out += line[i++];
  }
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
  for (auto& line : lines) line = StripMarkup(line);
}

void ConvertToHtml(std::vector<std::string>& lines) {
  for (auto& line : lines) {
    std::string row = "<TR><TD>";
    row += MapFontSizes(RemoveImageTag(line));
    row += "</TD></TR>";
    line = std::move(row);
  }
  lines.insert(lines.begin(), "<TABLE>");
}

}  // namespace vconfig
