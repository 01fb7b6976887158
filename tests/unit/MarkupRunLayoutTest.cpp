// The characters of a run and their advances: "&" marks, tab stops and the end
// ellipsis, with a font whose characters are 5 px wide ("W" 9 px).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "markup/MarkupRunLayout.h"
#include "markup/Surface.h"

namespace vconfig {
namespace {

void Extents(std::string_view text, std::vector<int>& ends) {
  int x = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    x += text[i] == 'W' ? 9 : 5;
    ends[i] = x;
  }
}

constexpr unsigned kRun = TextFormat::kRun;
constexpr unsigned kNoTabs = TextFormat::kSingleLine | TextFormat::kBottom;

TEST(MarkupRunLayout, PrefixMarksAndTabStops) {
  const struct {
    const char* run;
    unsigned format;
    std::string shown;
    std::vector<int> advances;
    int underline;
  } cases[] = {
      {"Wa", kRun, "Wa", {9, 5}, -1},
      {"a&b", kRun, "ab", {5, 5}, 1},
      {"&a&b", kRun, "ab", {5, 5}, 1},  // the last mark is the one underlined
      {"a&&b", kRun, "a&b", {5, 5, 5}, -1},
      {"&&&x", kRun, "&x", {5, 5}, 1},
      {"x&", kRun, "x&", {5, 5}, -1},  // nothing after it to mark
      {"&", kRun, "&", {5}, -1},
      {"a\tb", kRun, "a b", {5, 35, 5}, -1},
      {"aaaaaaaa\tb", kRun, "aaaaaaaa b", {5, 5, 5, 5, 5, 5, 5, 5, 40, 5}, -1},  // from a stop to the next
      {"\t\tW", kRun, "  W", {40, 40, 9}, -1},
      {"a&\tb", kRun, "a b", {5, 35, 5}, 1},
      {"a\tb", kNoTabs, "a\tb", {5, 5, 5}, -1},
      {"", kRun, "", {}, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.run);
    bool tabMeasured = false;
    const RunGlyphs g = LayoutRun(c.run, c.format, 40, [&](std::string_view text, std::vector<int>& ends) {
      tabMeasured |= text.find('\t') != std::string_view::npos;
      Extents(text, ends);
    });
    EXPECT_EQ(g.shown, c.shown);
    EXPECT_EQ(g.advances, c.advances);
    EXPECT_EQ(g.underline, c.underline);
    int width = 0;
    for (int a : c.advances) width += a;
    EXPECT_EQ(g.width, width);
    EXPECT_FALSE(tabMeasured && (c.format & TextFormat::kExpandTabs)) << "a tab was measured as a glyph";
  }
}

TEST(MarkupRunLayout, EndEllipsisKeepsWhatFitsBeforeTheDots) {
  const struct {
    const char* run;
    int room;
    std::string shown;
    int width;
    int underline;
  } cases[] = {
      {"abcdefgh", 40, "abcdefgh", 40, -1},   // fits exactly: untouched
      {"abcdefgh", 39, "abcd...", 35, -1},   // wider than the room: as many as fit with the dots
      {"abcdefgh", 30, "abc...", 30, -1},
      {"abcdefgh", 29, "ab...", 25, -1},
      {"abcdefgh", 4, "...", 15, -1},         // not even the dots fit: they are cut at the edge
      {"a&bcdefgh", 30, "abc...", 30, 1},     // the mark stays on a kept character
      {"abcd&efgh", 30, "abc...", 30, -1},    // and goes with a cut one
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.run) + " in " + std::to_string(c.room));
    RunGlyphs g = LayoutRun(c.run, kRun, 40, Extents);
    ApplyEndEllipsis(g, c.room, Extents);
    EXPECT_EQ(g.shown, c.shown);
    EXPECT_EQ(g.advances.size(), g.shown.size());
    EXPECT_EQ(g.width, c.width);
    EXPECT_EQ(g.underline, c.underline);
  }
}

}  // namespace
}  // namespace vconfig
