#include "markup/MarkupRunLayout.h"

#include <cstddef>

#include "markup/Surface.h"

namespace vconfig {
namespace {

// Appends the advances of `text` (no tab in it), taken from its cumulative widths.
void AppendAdvances(std::string_view text, const RunExtents& extents, std::vector<int>& ends,
                    RunGlyphs& glyphs) {
  if (text.empty()) return;
  ends.assign(text.size(), 0);
  extents(text, ends);
  int previous = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int end = i < ends.size() ? ends[i] : previous;
    glyphs.advances.push_back(end - previous);
    glyphs.width += end - previous;
    previous = end;
  }
}

}  // namespace

RunGlyphs LayoutRun(std::string_view run, unsigned format, int tabWidth, const RunExtents& extents) {
  RunGlyphs glyphs;
  glyphs.shown.reserve(run.size());
  // "&&" shows one "&"; "&x" shows x, underlined when it is the last such mark; an
  // "&" at the very end has nothing to mark and shows itself.
  for (std::size_t i = 0; i < run.size(); ++i) {
    char c = run[i];
    if (c == '&' && i + 1 < run.size()) {
      c = run[++i];
      if (c != '&') glyphs.underline = static_cast<int>(glyphs.shown.size());
    }
    glyphs.shown += c;
  }

  glyphs.advances.reserve(glyphs.shown.size());
  const bool expandTabs = (format & TextFormat::kExpandTabs) != 0;
  std::vector<int> ends;
  std::size_t segment = 0;
  for (std::size_t i = 0; i <= glyphs.shown.size(); ++i) {
    if (i < glyphs.shown.size() && !(expandTabs && glyphs.shown[i] == '\t')) continue;
    AppendAdvances(std::string_view(glyphs.shown).substr(segment, i - segment), extents, ends, glyphs);
    if (i < glyphs.shown.size()) {
      // A tab moves on to the next stop and shows as a space, never as a box.
      const int stop = tabWidth > 0 ? (glyphs.width / tabWidth + 1) * tabWidth : glyphs.width;
      glyphs.advances.push_back(stop - glyphs.width);
      glyphs.width = stop;
      glyphs.shown[i] = ' ';
    }
    segment = i + 1;
  }
  return glyphs;
}

void ApplyEndEllipsis(RunGlyphs& glyphs, int room, const RunExtents& extents) {
  if (glyphs.width <= room) return;
  RunGlyphs dots;
  std::vector<int> ends;
  AppendAdvances("...", extents, ends, dots);
  std::size_t keep = 0;
  int width = 0;
  while (keep < glyphs.shown.size() && width + glyphs.advances[keep] + dots.width <= room) {
    width += glyphs.advances[keep++];
  }
  glyphs.shown.resize(keep);
  glyphs.advances.resize(keep);
  if (glyphs.underline >= static_cast<int>(keep)) glyphs.underline = -1;
  glyphs.shown += "...";
  glyphs.advances.insert(glyphs.advances.end(), dots.advances.begin(), dots.advances.end());
  glyphs.width = width + dots.width;
}

}  // namespace vconfig
