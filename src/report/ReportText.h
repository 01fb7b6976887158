// Conversions of report lines (item markup) to plain text and to HTML table rows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vconfig {

// Drops everything from "<" through ">"; a lone ">" vanishes, and so does all text
// after a "<" that is never closed. Entities stay as written.
std::string StripMarkup(std::string_view line);

// Cuts the first image element: "<IMG" through "</IMG>" when the closing tag follows
// it, otherwise "<IMG" through the next ">". Tag names in any letter case.
std::string RemoveImageTag(std::string_view line);

// Replaces the quoted font sizes "6".."15" by the HTML sizes "2", "3" and "4".
std::string MapFontSizes(std::string_view line);

// The number after the first size=" (up to two digits); 0 when no digit follows.
// Empty when the line holds no size=".
std::optional<int> LineFontSize(std::string_view line);

// Every line through StripMarkup.
void StripAllMarkup(std::vector<std::string>& lines);

// The HTML file's lines: "<TABLE>" first, then each line without its first image,
// with HTML font sizes, as one table row.
void ConvertToHtml(std::vector<std::string>& lines);

}  // namespace vconfig
