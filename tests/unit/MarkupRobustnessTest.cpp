// Markup comes from files anybody may have written: any bytes render, and the work
// grows linearly with the length of the text.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "markup/Markup.h"
#include "fakes/RecordingSurface.h"

namespace vconfig {
namespace {

std::string Repeat(std::string_view piece, size_t length) {
  std::string s;
  while (s.size() < length) s += piece;
  s.resize(length);
  return s;
}

// The four long-line shapes: words, dense entities, dense tags, one long word; and
// words inside an anchor and a font whose attributes are as long as the text.
std::string Shape(int kind, size_t length) {
  switch (kind) {
    case 4:
      return "<A href=\"" + Repeat("h", length / 2) + "\"><FONT face=\"" + Repeat("f", length / 2) +
             "\">" + Repeat("lorem ipsum ", length);
    case 0: return Repeat("lorem ipsum dolor sit amet ", length);
    case 1: return Repeat("&amp;&quot;", length);
    case 2: return Repeat("<B>x</B>", length);
    default: return Repeat("abcdefghij", length);
  }
}

// Characters scanned and copied by the renderer plus those it handed to the surface.
size_t WorkFor(const std::string& text, bool wordWrap, bool measureOnly) {
  RecordingSurface s;
  s.recording = false;
  size_t work = 0;
  MarkupRequest rq;
  rq.text = text;
  rq.rect = Rect{0, 0, 400, 1 << 28};
  rq.wordWrap = wordWrap;
  rq.measureOnly = measureOnly;
  rq.workCounter = &work;
  MarkupResult result;
  RenderMarkup(s, rq, result);
  return work + s.charactersSeen();
}

TEST(MarkupRobustness, WorkGrowsLinearlyWithTheLength) {
  for (int kind = 0; kind < 5; ++kind) {
    for (bool wrap : {false, true}) {
      for (bool measureOnly : {false, true}) {
        SCOPED_TRACE(testing::Message() << "shape " << kind << " wrap " << wrap << " measure "
                                        << measureOnly);
        const size_t small = WorkFor(Shape(kind, 1024), wrap, measureOnly);
        const size_t large = WorkFor(Shape(kind, 64 * 1024), wrap, measureOnly);
        EXPECT_GT(small, 0u);
        EXPECT_LE(large, 100 * small) << small << " then " << large;
      }
    }
  }
}

// Every mode over random byte strings made of markup pieces and raw bytes: nothing
// may crash (the sanitizer build watches the reads), every call hands the surface
// back as it came, and measuring and drawing agree on the height.
TEST(MarkupRobustness, RandomInputsRenderInEveryMode) {
  const char* pieces[] = {"<",      ">",      "</",      "<B>",     "</B>",  "<FONT size=\"", "\"",
                          "color=", "\"clred\"", "<A href=\"", "</A>", "<BR>",  "<HR",  "<P align=\"",
                          "<UL>",   "<LI>",   "</UL>",   "<IMG src=\"IDX:", "<SUB>", "<SUP>", "</S",
                          "&",      "&amp;",  "&lt;",    "&quot;",  " ",     "\r\n",  "\t",  "<#",
                          "<Z>",    "</Z>",   "<IN x=\"", "<R a=\"90\">", "</R>", "<E>", "<SH>",
                          "<BODY bgcolor=\"#", "<HI>", "</HI>", "<P bgcolor=\"clred\">", "</P>", "x",
                          "word"};
  std::mt19937 rng(12345);
  int images = 0;
  for (int i = 0; i < 4000; ++i) {
    std::string text;
    const int n = static_cast<int>(rng() % 40);
    for (int k = 0; k < n; ++k) {
      if (rng() % 5 == 0) {
        text += static_cast<char>(rng() % 256);
      } else {
        text += pieces[rng() % (sizeof pieces / sizeof *pieces)];
      }
    }
    RecordingSurface s;
    s.AddImage(&images, 1, Size{16, 16});
    const FontSpec before = s.Font();
    MarkupRequest rq;
    rq.text = text;
    rq.rect = Rect{0, 0, static_cast<int>(rng() % 200), 1000};
    rq.images = &images;
    rq.wordWrap = rng() % 2;
    rq.selected = rng() % 2;
    rq.blink = rng() % 2;
    rq.hoverStyle = rng() % 2;
    rq.focusLink = static_cast<int>(rng() % 3) - 1;
    rq.hoverLink = static_cast<int>(rng() % 3) - 1;
    rq.probe = Point{static_cast<int>(rng() % 200), static_cast<int>(rng() % 50)};
    MarkupResult measured, drawn, probed;
    rq.measureOnly = true;
    RenderMarkup(s, rq, measured);
    rq.measureOnly = false;
    RenderMarkup(s, rq, drawn);
    rq.probeOnly = true;
    RenderMarkup(s, rq, probed);
    ASSERT_EQ(measured.height, drawn.height) << text;
    ASSERT_EQ(drawn.height, probed.height) << text;
    ASSERT_GT(measured.height, 0) << text;
    ASSERT_EQ(s.Font().face, before.face);
    ASSERT_EQ(s.Font().size, before.size);
    ASSERT_EQ(s.Font().style, before.style);
    ASSERT_EQ(s.Font().color, before.color);
    ASSERT_EQ(s.BrushColor(), clNone);
  }
}

}  // namespace
}  // namespace vconfig
