// Conversions of report lines (item markup) to plain text and to an HTML document.
// Report lines carry text from files and values escaped (markup/MarkupEscape.h), so
// each conversion reads one kind of line: tags are the report's own, text is text.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/TextLines.h"
#include "markup/Color.h"

namespace vconfig {

// Drops every tag, from "<" through ">" (a "<" that is never closed takes the rest of
// the line with it, a lone ">" vanishes), and decodes "&amp;", "&lt;", "&gt;" and
// "&quot;" in the text between, so an escaped file line comes out as it is in the
// file. One pass.
std::string StripMarkup(std::string_view line);

// Cuts the first image element: "<IMG" through "</IMG>" when the closing tag follows
// it, otherwise "<IMG" through the next ">". Tag names in any letter case.
std::string RemoveImageTag(std::string_view line);

// The quoted font sizes "6".."15" inside tags as the HTML sizes "2", "3" and "4".
std::string MapFontSizes(std::string_view line);

// The number after the first size=" (up to two digits); 0 when no digit follows.
// Empty when the line holds no size=".
std::optional<int> LineFontSize(std::string_view line);

// Every line through StripMarkup.
void StripAllMarkup(TextLines& lines);

// What an HTML report takes from the system it was made on.
struct HtmlReportStyle {
  std::string charset = "windows-1252";
  // The RGB value of each system colour (0 to 24) that colour names such as
  // "clbtnface" stand for; the classic Windows scheme unless the system says.
  std::array<TColor, 25> systemColors = ClassicSystemColors();

  static std::array<TColor, 25> ClassicSystemColors();
};

// The HTML name of a Windows ANSI code page ("windows-1252" for 1252, "big5" for 950);
// windows-1252 for one it does not know.
std::string HtmlCharsetName(unsigned codePage);

// One report line as the inside of an HTML table cell: the first image element cut,
// and inside tags the quoted font sizes mapped (MapFontSizes) and the quoted colour
// names turned into the "#RRGGBB" colours that the program draws them in. Text
// outside tags is copied unchanged. One pass after the image cut.
std::string HtmlCell(std::string_view line, const HtmlReportStyle& style);

// The HTML document: head with the character set, then one table row per line (each
// through HtmlCell), the table and the document closed.
void ConvertToHtml(TextLines& lines, const HtmlReportStyle& style = {});

// The text file of a report, in one buffer: the bytes of
// JoinTextLines(lines after StripAllMarkup), without changing the lines.
std::string PlainTextReport(const TextLines& lines);

// The HTML file of a report, in one buffer: the bytes of
// JoinTextLines(lines after ConvertToHtml), without changing the lines.
std::string HtmlReport(const TextLines& lines, const HtmlReportStyle& style = {});

}  // namespace vconfig
