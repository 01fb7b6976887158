#include "report/ReportText.h"

#include "markup/MarkupColor.h"

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

// The character of "&amp;", "&lt;", "&gt;" or "&quot;" at the start of `text`, with
// the entity's length; 0 for anything else.
char DecodeEntity(std::string_view text, size_t& length) {
  static constexpr struct {
    std::string_view name;
    char c;
  } kEntities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}};
  for (const auto& e : kEntities) {
    if (text.substr(0, e.name.size()) == e.name) {
      length = e.name.size();
      return e.c;
    }
  }
  return 0;
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

// One of the markup's colour names, in any letter case.
bool IsColorName(std::string_view value) {
  if (value.size() < 5 || (value[0] != 'c' && value[0] != 'C')) return false;
  const std::string lower = LowerAscii(value);
  return MarkupColorByName(lower) != 0 || lower == "clblack";
}

// "#RRGGBB" of a colour name as the program draws it; system colours by the style's
// values.
std::string HtmlColor(std::string_view name, const HtmlReportStyle& style) {
  TColor color = MarkupColorByName(LowerAscii(name));
  if (IsSystemColor(color)) {
    const auto index = static_cast<size_t>(SystemColorIndex(color));
    color = index < style.systemColors.size() ? style.systemColors[index] : clBlack;
  }
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = "#";
  for (int shift : {0, 8, 16}) {
    const unsigned byte = (color >> shift) & 0xFFu;
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
  return out;
}

// Inside tags, every quoted value that is a report size becomes its HTML size and,
// with a style, every colour name its "#RRGGBB"; everything else is copied.
std::string MapTagValues(std::string_view line, const HtmlReportStyle* style) {
  std::string out;
  out.reserve(line.size() + 16);
  bool inTag = false;
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == '<') inTag = true;
    if (c == '>') inTag = false;
    if (!inTag || c != '"') {
      out += c;
      ++i;
      continue;
    }
    // A quoted value ends at the next quote, within the tag.
    const size_t close = line.find_first_of("\">", i + 1);
    if (close == std::string_view::npos || line[close] != '"') {
      out += c;
      ++i;
      continue;
    }
    const std::string_view value = line.substr(i + 1, close - i - 1);
    out += '"';
    if (const char size = HtmlSizeFor(value)) {
      out += size;
    } else if (style && IsColorName(value)) {
      out += HtmlColor(value, *style);
    } else {
      out.append(value);
    }
    out += '"';
    i = close + 1;
  }
  return out;
}

}  // namespace

std::string StripMarkup(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  bool inTag = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '<') {
      inTag = true;
    } else if (c == '>') {
      inTag = false;
    } else if (!inTag) {
      size_t length = 0;
      const char decoded = c == '&' ? DecodeEntity(line.substr(i), length) : 0;
      if (decoded) {
        out += decoded;
        i += length - 1;
      } else {
        out += c;
      }
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

std::string MapFontSizes(std::string_view line) { return MapTagValues(line, nullptr); }

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

std::array<TColor, 25> HtmlReportStyle::ClassicSystemColors() {
  return {RgbColor(212, 208, 200), RgbColor(58, 110, 165),  RgbColor(10, 36, 106),
          RgbColor(128, 128, 128), RgbColor(212, 208, 200), RgbColor(255, 255, 255),
          RgbColor(0, 0, 0),       RgbColor(0, 0, 0),       RgbColor(0, 0, 0),
          RgbColor(255, 255, 255), RgbColor(212, 208, 200), RgbColor(212, 208, 200),
          RgbColor(128, 128, 128), RgbColor(10, 36, 106),   RgbColor(255, 255, 255),
          RgbColor(212, 208, 200), RgbColor(128, 128, 128), RgbColor(128, 128, 128),
          RgbColor(0, 0, 0),       RgbColor(212, 208, 200), RgbColor(255, 255, 255),
          RgbColor(64, 64, 64),    RgbColor(212, 208, 200), RgbColor(0, 0, 0),
          RgbColor(255, 255, 225)};
}

std::string HtmlCharsetName(unsigned codePage) {
  switch (codePage) {
    case 874: case 1250: case 1251: case 1252: case 1253: case 1254: case 1255: case 1256:
    case 1257: case 1258:
      return "windows-" + std::to_string(codePage);
    case 932: return "shift_jis";
    case 936: return "gbk";
    case 949: return "euc-kr";
    case 950: return "big5";
    default: return "windows-1252";
  }
}

std::string HtmlCell(std::string_view line, const HtmlReportStyle& style) {
  return MapTagValues(RemoveImageTag(line), &style);
}

void ConvertToHtml(std::vector<std::string>& lines, const HtmlReportStyle& style) {
  for (auto& line : lines) {
    std::string row = "<TR><TD>";
    row += HtmlCell(line, style);
    row += "</TD></TR>";
    line = std::move(row);
  }
  lines.insert(lines.begin(), {"<HTML>", "<HEAD>",
                               "<META http-equiv=\"Content-Type\" content=\"text/html; charset=" +
                                   style.charset + "\">",
                               "<TITLE>Vorn Info Report</TITLE>", "</HEAD>", "<BODY>", "<TABLE>"});
  lines.insert(lines.end(), {"</TABLE>", "</BODY>", "</HTML>"});
}

}  // namespace vconfig
