// Where the characters of one markup run go: "&" prefixes processed, tabs expanded and
// the end ellipsis applied the way the platform's single-line text drawing does it,
// but with every character placed at the advance the font reports for it. Measuring
// and drawing a run both use this layout, so a run drawn at x ends exactly where its
// measured width says and the next run, drawn from there, never covers its last
// characters or the space after them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vconfig {

struct RunGlyphs {
  std::string shown;          // the characters drawn; a tab shows as a space
  std::vector<int> advances;  // pixels, one per character of `shown`
  int underline = -1;         // index in `shown` of the character the last "&" marks; -1 for none
  int width = 0;              // the sum of the advances
};

// Fills `ends` with the cumulative widths of `text` in the current font: ends[i] is
// the width of text[0..i]. `text` holds no tab.
using RunExtents = std::function<void(std::string_view text, std::vector<int>& ends)>;

// `format` is TextFormat bits; tabs stop every `tabWidth` pixels from the run's start.
// The ellipsis is not applied here: the width is the run's full width.
RunGlyphs LayoutRun(std::string_view run, unsigned format, int tabWidth, const RunExtents& extents);

// Cuts a run wider than `room` to the characters that fit with "..." after them.
void ApplyEndEllipsis(RunGlyphs& glyphs, int room, const RunExtents& extents);

}  // namespace vconfig
