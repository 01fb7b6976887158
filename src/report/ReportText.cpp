#include "report/ReportText.h"

#include <algorithm>
#include <cstring>

#include "markup/ByteSearch.h"
#include "markup/MarkupColor.h"
#include "markup/MarkupEscape.h"

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

// The first '"' or '>' in line from i on, or its size.
size_t FindQuoteOrClose(std::string_view line, size_t i) {
  const char* const begin = line.data();
  return static_cast<size_t>(FindAnyOf(begin + i, begin + line.size(), '"', '>', '"', '>') - begin);
}

// One quoted value: a report size becomes its HTML size and, with a style, a colour
// name its "#RRGGBB"; everything else is copied.
void AppendTagValue(std::string& out, std::string_view value, const HtmlReportStyle* style) {
  out += '"';
  if (const char size = HtmlSizeFor(value)) {
    out += size;
  } else if (style && IsColorName(value)) {
    out += HtmlColor(value, *style);
  } else {
    out.append(value);
  }
  out += '"';
}

// Appends the line with every quoted value inside a tag mapped (AppendTagValue);
// everything else is copied a run at a time. A tag runs from "<" to the next ">"; a
// quoted value ends at the next quote within the tag.
void AppendTagValues(std::string& out, std::string_view line, const HtmlReportStyle* style) {
  size_t i = 0;
  while (i < line.size()) {
    const size_t open = line.find('<', i);
    if (open == std::string_view::npos) {
      out.append(line.substr(i));
      return;
    }
    out.append(line.substr(i, open + 1 - i));
    i = open + 1;
    while (i < line.size()) {
      const size_t mark = FindQuoteOrClose(line, i);
      out.append(line.substr(i, mark - i));
      if (mark == line.size()) return;
      if (line[mark] == '>') {
        out += '>';
        i = mark + 1;
        break;
      }
      const size_t close = FindQuoteOrClose(line, mark + 1);
      if (close == line.size() || line[close] != '"') {
        out += '"';
        i = mark + 1;
        continue;
      }
      AppendTagValue(out, line.substr(mark + 1, close - mark - 1), style);
      i = close + 1;
    }
  }
}

// The first occurrence of `upper` (upper-case, starting with "<") in line from `from`
// on, letters in any case; npos when there is none.
size_t FindTagNoCase(std::string_view line, std::string_view upper, size_t from) {
  for (size_t at = line.find('<', from); at != std::string_view::npos;
       at = line.find('<', at + 1)) {
    if (line.size() - at < upper.size()) return std::string_view::npos;
    size_t k = 1;
    while (k < upper.size() && UpperAscii(line[at + k]) == upper[k]) ++k;
    if (k == upper.size()) return at;
  }
  return std::string_view::npos;
}

// Where the first image element starts and one past its end; false when the line has
// none to cut.
bool FindImageCut(std::string_view line, size_t& open, size_t& end) {
  open = FindTagNoCase(line, "<IMG", 0);
  if (open == std::string_view::npos) return false;
  end = std::string_view::npos;
  const size_t close = FindTagNoCase(line, "</IMG>", 0);
  // A closing tag that stands before the element does not close it.
  if (close != std::string_view::npos && close > open) {
    end = close + 6;
  } else {
    const size_t gt = line.find('>', open);
    if (gt != std::string_view::npos) end = gt + 1;
  }
  return end != std::string_view::npos;
}

// Writes the text of [p, end) without its tags and with its entities decoded to `out`,
// which may be p itself (the text never grows); returns the end of what was written.
char* StripInto(const char* p, const char* const end, char* out) {
  while (p != end) {
    const char* run = p;
    p = FindAnyOf(p, end, '<', '>', '&', '&');
    if (out != run) std::memmove(out, run, static_cast<size_t>(p - run));
    out += p - run;
    if (p == end) break;
    if (*p == '<') {
      const void* gt = std::memchr(p + 1, '>', static_cast<size_t>(end - p - 1));
      if (!gt) break;
      p = static_cast<const char*>(gt) + 1;
    } else if (*p == '>') {
      ++p;
    } else {
      size_t length = 0;
      const char decoded = DecodeEscape(std::string_view(p, static_cast<size_t>(end - p)), length);
      *out++ = decoded ? decoded : '&';
      p += decoded ? length : 1;
    }
  }
  return out;
}

}  // namespace

std::string StripMarkup(std::string_view line) {
  std::string out(line.size(), '\0');
  out.resize(static_cast<size_t>(StripInto(line.data(), line.data() + line.size(), out.data()) -
                                 out.data()));
  return out;
}

std::string RemoveImageTag(std::string_view line) {
  size_t open = 0;
  size_t end = 0;
  if (!FindImageCut(line, open, end)) return std::string(line);
  std::string out(line.substr(0, open));
  out.append(line.substr(end));
  return out;
}

std::string MapFontSizes(std::string_view line) {
  std::string out;
  out.reserve(line.size() + 16);
  AppendTagValues(out, line, nullptr);
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

void StripAllMarkup(TextLines& lines) {
  size_t bytes = 0;
  for (std::string_view line : lines) bytes += line.size();
  TextLines text;
  text.ReserveMore(lines.size(), bytes);
  for (std::string_view line : lines) {
    text.AppendLine([line](std::string& buffer) {
      const size_t at = buffer.size();
      buffer.resize(at + line.size());
      char* const end = StripInto(line.data(), line.data() + line.size(), buffer.data() + at);
      buffer.resize(static_cast<size_t>(end - buffer.data()));
    });
  }
  lines = std::move(text);
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

namespace {

// Appends the cell of one line (see HtmlCell).
void AppendHtmlCell(std::string& out, std::string_view line, const HtmlReportStyle& style) {
  size_t open = 0;
  size_t end = 0;
  if (!FindImageCut(line, open, end)) return AppendTagValues(out, line, &style);
  std::string cut(line.substr(0, open));
  cut.append(line.substr(end));
  AppendTagValues(out, cut, &style);
}

}  // namespace

std::string HtmlCell(std::string_view line, const HtmlReportStyle& style) {
  std::string out;
  out.reserve(line.size() + 16);
  AppendHtmlCell(out, line, style);
  return out;
}

namespace {

std::vector<std::string> HtmlHead(const HtmlReportStyle& style) {
  return {"<HTML>", "<HEAD>",
          "<META http-equiv=\"Content-Type\" content=\"text/html; charset=" + style.charset +
              "\">",
          "<TITLE>Vorn Info Report</TITLE>", "</HEAD>", "<BODY>", "<TABLE>"};
}

constexpr std::string_view kHtmlFoot[] = {"</TABLE>", "</BODY>", "</HTML>"};
constexpr std::string_view kRowOpen = "<TR><TD>";
constexpr std::string_view kRowClose = "</TD></TR>";

// Appends one table row; lines without a tag (most of a file's rows) have nothing to
// map or cut.
void AppendHtmlRow(std::string& out, std::string_view line, const HtmlReportStyle& style) {
  out.append(kRowOpen);
  if (line.find('<') == std::string_view::npos)
    out.append(line);
  else
    AppendHtmlCell(out, line, style);
  out.append(kRowClose);
}

}  // namespace

void ConvertToHtml(TextLines& lines, const HtmlReportStyle& style) {
  const std::vector<std::string> head = HtmlHead(style);
  size_t bytes = 0;
  for (std::string_view line : lines) bytes += kRowOpen.size() + line.size() + kRowClose.size();
  TextLines html;
  html.ReserveMore(head.size() + lines.size() + std::size(kHtmlFoot), bytes + 256);
  for (const std::string& line : head) html.push_back(line);
  for (std::string_view line : lines)
    html.AppendLine([line, &style](std::string& buffer) { AppendHtmlRow(buffer, line, style); });
  for (std::string_view line : kHtmlFoot) html.push_back(line);
  lines = std::move(html);
}

std::string PlainTextReport(const TextLines& lines) {
  size_t size = 0;
  for (std::string_view line : lines) size += line.size() + 2;
  std::string out(size, '\0');
  char* w = out.data();
  for (std::string_view line : lines) {
    w = StripInto(line.data(), line.data() + line.size(), w);
    *w++ = '\r';
    *w++ = '\n';
  }
  out.resize(static_cast<size_t>(w - out.data()));
  return out;
}

namespace {

// Writes pieces into a string made large enough ahead (it grows to twice its size when
// a piece would pass its end): a copy per piece, without an append's bookkeeping.
class PieceWriter {
 public:
  explicit PieceWriter(size_t size) : out_(size, '\0'), w_(out_.data()) {}

  void Put(std::string_view piece) {
    if (static_cast<size_t>(out_.data() + out_.size() - w_) < piece.size()) Grow(piece.size());
    std::memcpy(w_, piece.data(), piece.size());
    w_ += piece.size();
  }
  std::string Finish() {
    out_.resize(static_cast<size_t>(w_ - out_.data()));
    return std::move(out_);
  }

 private:
  void Grow(size_t n) {
    const size_t used = static_cast<size_t>(w_ - out_.data());
    out_.resize(std::max(2 * out_.size(), used + n));
    w_ = out_.data() + used;
  }

  std::string out_;
  char* w_;
};

constexpr std::string_view kRowCloseLine = "</TD></TR>\r\n";

}  // namespace

std::string HtmlReport(const TextLines& lines, const HtmlReportStyle& style) {
  const std::vector<std::string> head = HtmlHead(style);
  size_t size = 64;
  for (const auto& line : head) size += line.size() + 2;
  for (std::string_view line : lines) size += kRowOpen.size() + line.size() + kRowCloseLine.size();
  PieceWriter out(size);
  for (const auto& line : head) {
    out.Put(line);
    out.Put("\r\n");
  }
  std::string cell;
  for (std::string_view line : lines) {
    out.Put(kRowOpen);
    // Lines without a tag (most of a file's rows) have nothing to map or cut.
    if (line.find('<') == std::string_view::npos) {
      out.Put(line);
    } else {
      cell.clear();
      AppendHtmlCell(cell, line, style);
      out.Put(cell);
    }
    out.Put(kRowCloseLine);
  }
  for (std::string_view line : kHtmlFoot) {
    out.Put(line);
    out.Put("\r\n");
  }
  return out.Finish();
}

}  // namespace vconfig
