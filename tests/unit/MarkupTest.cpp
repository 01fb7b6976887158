// Layout and drawing of the item markup over the recording surface: a character is
// 7 px wide and 13 px high at 8 points (10 pt: 8 x 16, 12 pt: 10 x 19, 14 pt: 12 x 22).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "markup/Markup.h"
#include "fakes/RecordingSurface.h"

namespace vconfig {
namespace {

struct Rendered {
  bool onAnchor = false;
  MarkupResult result;
  std::vector<SurfaceOp> ops;
  std::vector<SurfaceOp> texts;
  std::vector<std::string> words() const {
    std::vector<std::string> w;
    for (const SurfaceOp& op : texts) w.push_back(op.text);
    return w;
  }
  std::vector<SurfaceOp> ofKind(SurfaceOp::Kind kind) const {
    std::vector<SurfaceOp> found;
    for (const SurfaceOp& op : ops) {
      if (op.kind == kind) found.push_back(op);
    }
    return found;
  }
};

MarkupRequest Request(std::string_view text, Rect rect = Rect{0, 0, 300, 200}) {
  MarkupRequest rq;
  rq.text = text;
  rq.rect = rect;
  return rq;
}

Rendered Render(RecordingSurface& s, const MarkupRequest& rq) {
  Rendered r;
  r.onAnchor = RenderMarkup(s, rq, r.result);
  r.ops = s.ops();
  r.texts = s.TextOps();
  s.ClearOps();
  return r;
}

Rendered Render(const MarkupRequest& rq) {
  RecordingSurface s;
  return Render(s, rq);
}

Rendered Render(std::string_view text) { return Render(Request(text)); }

TEST(Markup, FontSizeCodesAndPointSizes) {
  const struct {
    const char* markup;
    int size;
  } cases[] = {
      {R"(<FONT color="clblack" size="1">x)", 8},   {R"(<FONT color="clblack" size="2">x)", 10},
      {R"(<FONT color="clblack" size="3">x)", 12},  {R"(<FONT color="clblack" size="4">x)", 14},
      {R"(<FONT color="clblack" size="5">x)", 16},  {R"(<FONT color="clblue" size="12">x)", 12},
      {R"(<FONT size="14" color="clblue">x)", 14},  {R"(<FONT size=3>x)", 12},
      {R"(<FONT size = " 7">x)", 7},                {R"(<FONT size="0">x)", 0},
      {R"(<FONT size="12pt">x)", 12},               {R"(<FONT size="x">x)", 0},
      {R"(<FONT color="clblue">x)", 8},             {R"(<FONT size="99999999999">x)", 1000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    Rendered r = Render(c.markup);
    ASSERT_EQ(r.texts.size(), 1u);
    EXPECT_EQ(r.texts[0].font.size, c.size);
  }
}

TEST(Markup, RuleIsBlackUnderTheLineWhateverItsAttributes) {
  for (const char* markup : {R"(<HR color-"clblue">)", "<HR>", R"(<hr color="clred">)"}) {
    SCOPED_TRACE(markup);
    Rendered r = Render(markup);
    const auto lines = r.ofKind(SurfaceOp::kLine);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].color, clBlack);
    ASSERT_EQ(lines[0].points.size(), 2u);
    EXPECT_EQ(lines[0].points[0].x, 1);
    EXPECT_EQ(lines[0].points[1].x, 300);
    EXPECT_EQ(lines[0].points[0].y, 14);  // top + "gh" + 1
    EXPECT_EQ(r.result.height, 13);
  }
  // The rule ends the line: text after it starts the next one.
  Rendered r = Render("above<HR>below");
  ASSERT_EQ(r.words(), (std::vector<std::string>{"above", "below"}));
  EXPECT_EQ(r.texts[1].rect.top, 13);
}

TEST(Markup, UnrecognisedTagsAreSkipped) {
  const struct {
    const char* markup;
    std::vector<std::string> words;
  } cases[] = {
      {"<TABLE><TR><TD>text</TD></TR>", {"text"}},
      {"<H1>head</H1>x", {"head", "x"}},
      {"<BX>a<BODY>b</BX>", {"a", "b"}},
      {"a<>b", {"a", "b"}},
      {"a<", {"a"}},
      {"a<B", {"a"}},
      {"a<FONT color=\"clred\" and the rest", {"a"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    Rendered r = Render(c.markup);
    EXPECT_EQ(r.words(), c.words);
    for (const SurfaceOp& op : r.texts) {
      EXPECT_EQ(op.font.style, 0u);
      EXPECT_EQ(op.font.color, clWindowText);
    }
  }
}

TEST(Markup, SelectedRowsKeepTheirTextColourButTakeFaceAndSize) {
  const char* markup =
      R"(<FONT face="Arial" size="12" color="clred" bgcolor="clyellow">x</FONT><A href="h">link</A>)";
  RecordingSurface s;
  FontSpec selection = s.Font();
  selection.color = clHighlightText;
  s.SetFont(selection);
  s.SetBrushColor(clHighlight);

  MarkupRequest rq = Request(markup);
  rq.selected = true;
  Rendered sel = Render(s, rq);
  ASSERT_EQ(sel.words(), (std::vector<std::string>{"x", "link"}));
  EXPECT_EQ(sel.texts[0].font.face, "ARIAL");
  EXPECT_EQ(sel.texts[0].font.size, 12);
  EXPECT_EQ(sel.texts[0].font.color, clHighlightText);
  EXPECT_EQ(sel.texts[0].brush, clNone);
  EXPECT_EQ(sel.texts[1].font.color, clHighlightText);

  rq.selected = false;
  Rendered plain = Render(s, rq);
  EXPECT_EQ(plain.texts[0].font.color, clRed);
  EXPECT_EQ(plain.texts[0].brush, clYellow);
  EXPECT_EQ(plain.texts[1].font.color, clBlue);  // link colour
  EXPECT_EQ(plain.texts[1].brush, clNone);       // back to before the FONT's BGCOLOR
  // The surface is handed back as it came.
  EXPECT_EQ(s.Font().color, clHighlightText);
  EXPECT_EQ(s.Font().face, "MS Sans Serif");
  EXPECT_EQ(s.BrushColor(), clHighlight);
}

TEST(Markup, EntitiesAndPrefixes) {
  const struct {
    const char* markup;
    const char* drawn;  // the run as handed to the surface
    const char* shown;  // what the surface shows of it
    bool bold;
  } cases[] = {
      {"a&b", "a&b", "ab", false},
      {"a&amp;b", "a&&b", "a&b", false},
      {"a&AMP;b", "a&&b", "a&b", false},
      {"&amp;quot;", "&\"", "\"", false},
      {"&lt;B&gt;", "<B>", "<B>", false},
      {"x&nbsp;y", "x y", "x y", false},
      {"&sect;&permil;&reg;&copy;&para;&trade;&euro;", "\xA7\x89\xAE\xA9\xB6\x99\x80",
       "\xA7\x89\xAE\xA9\xB6\x99\x80", false},
      {"<#abc>d", "#abcd", "#abcd", false},
      {"&quot;<B>x", "\"", "\"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    Rendered r = Render(c.markup);
    ASSERT_FALSE(r.texts.empty());
    EXPECT_EQ(r.texts[0].text, c.drawn);
    EXPECT_EQ(RecordingSurface::VisibleText(r.texts[0].text), c.shown);
    EXPECT_EQ(r.texts[0].font.Has(kFontBold), c.bold);
  }
  // The width counts what is shown: "a&b" is two characters wide.
  EXPECT_EQ(Render("a&b").result.width, 14);
}

TEST(Markup, EllipsisWithoutWrapAndBreaksWithWrap) {
  const Rect narrow{0, 0, 100, 200};  // 99 px for the line: 14 characters
  MarkupRequest rq = Request("aaaa bbbb cccc dddd<BR>second", narrow);
  Rendered noWrap = Render(rq);
  EXPECT_EQ(noWrap.words(), (std::vector<std::string>{"aaaa bbbb cccc dddd"}));
  EXPECT_EQ(noWrap.texts[0].format, 0x8268u);
  EXPECT_EQ(noWrap.texts[0].rect.right, 100);
  EXPECT_EQ(noWrap.result.height, 13);

  rq.wordWrap = true;
  Rendered wrap = Render(rq);
  EXPECT_EQ(wrap.words(), (std::vector<std::string>{"aaaa ", "bbbb ", "cccc ", "dddd", "second"}));
  EXPECT_EQ(wrap.texts[0].format, 0x268u);
  const int tops[] = {0, 0, 13, 13, 26};
  for (size_t i = 0; i < wrap.texts.size(); ++i) EXPECT_EQ(wrap.texts[i].rect.top, tops[i]) << i;
  EXPECT_EQ(wrap.result.height, 39);
  EXPECT_EQ(wrap.result.width, 63);  // "cccc dddd"; "aaaa bbbb " without its trailing space

  // A word wider than the line stays on a line of its own.
  rq.text = "ab xxxxxxxxxxxxxxxxxxxx cd";
  Rendered word = Render(rq);
  EXPECT_EQ(word.words(), (std::vector<std::string>{"ab ", "xxxxxxxxxxxxxxxxxxxx ", "cd"}));
  EXPECT_EQ(word.texts[1].rect.top, 13);
  EXPECT_EQ(word.texts[2].rect.top, 26);
}

TEST(Markup, WordSplitByTagsStaysTogether) {
  const Rect tight{0, 0, 25, 200};  // 24 px: "ab" fits, "abcd" does not
  MarkupRequest rq = Request("ab<B>cd</B>", tight);
  rq.wordWrap = true;
  Rendered joined = Render(rq);
  ASSERT_EQ(joined.words(), (std::vector<std::string>{"ab", "cd"}));
  EXPECT_EQ(joined.texts[1].rect.top, 0);
  EXPECT_EQ(joined.texts[1].rect.left, 15);
  EXPECT_TRUE(joined.texts[1].font.Has(kFontBold));
  EXPECT_EQ(joined.result.height, 13);

  rq.text = "ab <B>cd</B>";
  Rendered split = Render(rq);
  EXPECT_EQ(split.texts[1].rect.top, 13);
}

TEST(Markup, RunValueLineKeepsTenPointsAfterTheInnerFont) {
  Rendered r = Render(
      R"(<FONT color="clblue" size="10">Name : <FONT color="clmaroon">C:\x.exe</FONT> after)");
  ASSERT_EQ(r.words(), (std::vector<std::string>{"Name : ", "C:\\x.exe", " after"}));
  EXPECT_EQ(r.texts[0].font.size, 10);
  EXPECT_EQ(r.texts[0].font.color, clBlue);
  EXPECT_EQ(r.texts[1].font.size, 10);
  EXPECT_EQ(r.texts[1].font.color, clMaroon);
  EXPECT_EQ(r.texts[2].font.size, 8);
  EXPECT_EQ(r.texts[2].font.color, clWindowText);
  EXPECT_EQ(r.texts[1].rect.left, 1 + 7 * 8);
  EXPECT_EQ(r.result.height, 16);
  EXPECT_EQ(r.result.plainText, "Name : C:\\x.exe after");

  // The report heading: two 14-point parts and the base font after them.
  Rendered h = Render(
      R"(<FONT size="14" color="clblue">Win.ini - <FONT size="14" color="clnavy">C:\WINDOWS\win.ini:</FONT>)");
  ASSERT_EQ(h.texts.size(), 2u);
  EXPECT_EQ(h.texts[1].font.color, clNavy);
  EXPECT_EQ(h.texts[1].font.size, 14);
  EXPECT_EQ(h.result.height, 22);
}

TEST(Markup, EmptyTextMeasuresAsTheBaseFontsLine) {
  RecordingSurface s;
  MarkupRequest rq = Request("");
  rq.measureOnly = true;
  EXPECT_EQ(Render(s, rq).result.height, 13);
  FontSpec big = s.Font();
  big.size = 10;
  s.SetFont(big);
  EXPECT_EQ(Render(s, rq).result.height, 16);
  rq.text = "<B></B>";
  EXPECT_EQ(Render(s, rq).result.height, 16);
}

TEST(Markup, ColourNamesInAnyCase) {
  const struct {
    const char* value;
    TColor color;
  } cases[] = {
      {"clNavy", 0x800000},  {"clnavy", 0x800000},   {"CLBLUE", 0xFF0000}, {"clBlue", 0xFF0000},
      {"cl3ddkshadow", cl3DDkShadow}, {"clBtnFace", clBtnFace}, {"nosuch", 0}, {"#FF8000", 0x0080FF},
      {"#ff8000", 0x0080FF}, {"#12", 0x12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const std::string markup = std::string("<FONT color=\"") + c.value + "\">x";
    Rendered r = Render(markup);
    ASSERT_EQ(r.texts.size(), 1u);
    EXPECT_EQ(r.texts[0].font.color, c.color);
  }
}

TEST(Markup, LineBreaks) {
  const struct {
    const char* markup;
    int height;
    const char* plain;
  } cases[] = {
      {"a\r\nb", 26, "a\rb"}, {"a\rb", 26, "a\rb"},         {"a\nb", 13, "ab"},
      {"a<BR>b", 26, "a\rb"}, {"a\r\n\r\nb", 39, "a\r\rb"}, {"a<P>b</P>c", 26, "abc"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    MarkupRequest rq = Request(c.markup);
    rq.measureOnly = true;
    Rendered r = Render(rq);
    EXPECT_EQ(r.result.height, c.height);
    EXPECT_EQ(r.result.plainText, c.plain);
    EXPECT_TRUE(r.ops.empty());
  }
}

TEST(Markup, LinesBelowTheRectangleAreNotDrawn) {
  Rendered r = Render(Request("one<BR>two<BR>three", Rect{0, 0, 300, 20}));
  EXPECT_EQ(r.words(), (std::vector<std::string>{"one", "two"}));
}

TEST(Markup, AlignmentAndIndent) {
  const struct {
    const char* markup;
    int left;
  } cases[] = {
      {R"(<P align="right">abc)", 300 - 21},
      {R"(<P align="center">abc)", 1 + (300 - 1 - 21) / 2},
      {R"(<P align="left" indent="10">abc)", 11},
      {R"(<P align="right center">abc)", 1 + (300 - 1 - 21) / 2},  // the last match wins
      {R"(abc<P align="right">)", 300 - 21},  // applies to the line that holds it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.markup);
    Rendered r = Render(c.markup);
    ASSERT_EQ(r.texts.size(), 1u);
    EXPECT_EQ(r.texts[0].rect.left, c.left);
  }
  // Right-aligned text is drawn whole, and later lines keep the alignment.
  Rendered two = Render(R"(<P align="right">ab cd<BR>ef)");
  EXPECT_EQ(two.words(), (std::vector<std::string>{"ab cd", "ef"}));
  EXPECT_EQ(two.texts[1].rect.left, 300 - 14);
}

TEST(Markup, SubscriptAndSuperscriptExtraSpace) {
  Rendered r = Render("x<SUB>2</SUB>y<SUP>3</SUP>");
  ASSERT_EQ(r.texts.size(), 4u);
  EXPECT_EQ(r.result.height, 13 + 3 + 3);
  EXPECT_EQ(r.texts[0].rect.bottom, 16);  // base line below the superscript room
  EXPECT_EQ(r.texts[1].rect.bottom, 19);
  EXPECT_EQ(r.texts[2].rect.bottom, 16);
  EXPECT_EQ(r.texts[3].rect.bottom, 13);
  Rendered next = Render("<SUB>2<BR>x");  // reset at the next line
  EXPECT_EQ(next.result.height, 16 + 13);
}

TEST(Markup, BlinkRotationIndentAndImageAlignment) {
  RecordingSurface s;
  s.SetBrushColor(clInfoBk);
  MarkupRequest rq = Request("<BLINK>b</BLINK>n");
  rq.blink = false;
  Rendered blink = Render(s, rq);
  EXPECT_EQ(blink.texts[0].font.color, clInfoBk);  // invisible on the call's brush
  EXPECT_EQ(blink.texts[1].font.color, clWindowText);
  s.SetBrushColor(clNone);

  Rendered rotated = Render(s, Request(R"(<ROT a="90">up</ROT>flat)"));
  EXPECT_EQ(rotated.texts[0].font.escapement, 900);
  EXPECT_EQ(rotated.texts[1].font.escapement, 0);

  Rendered indent = Render(s, Request(R"(ab<IN x="50">c<IN x="5">d)"));
  EXPECT_EQ(indent.texts[1].rect.left, 50);  // from the call rectangle's left
  EXPECT_EQ(indent.texts[2].rect.left, 57);  // not moved back

  int list = 0;
  s.AddImage(&list, 0, Size{10, 33});
  rq = Request(R"(<IMG src="IDX:0" align="top">t)");
  rq.images = &list;
  Rendered top = Render(s, rq);
  EXPECT_EQ(top.texts[0].rect.bottom, 13);  // raised by 33 - 13
  rq.text = R"(<IMG src="IDX:0" align="middle">t)";
  EXPECT_EQ(Render(s, rq).texts[0].rect.bottom, 23);
}

TEST(Markup, AnchorsProbeFocusAndCount) {
  const char* markup = R"(go <A href="first">one</A> and <A href="second">two</A>)";
  // "go " 1..22, "one" 22..43, " and " 43..78, "two" 78..99
  MarkupRequest rq = Request(markup);
  rq.probeOnly = true;
  rq.selected = true;
  rq.probe = Point{80, 5};
  Rendered hit = Render(rq);
  EXPECT_TRUE(hit.onAnchor);
  EXPECT_EQ(hit.result.anchor, "second");
  EXPECT_EQ(hit.result.anchorIndex, 1);
  EXPECT_EQ(hit.result.hoverRect, (Rect{78, 0, 99, 13}));
  EXPECT_EQ(hit.result.anchorCount, 2);
  EXPECT_TRUE(hit.ops.empty());

  rq.probe = Point{50, 5};
  Rendered miss = Render(rq);
  EXPECT_FALSE(miss.onAnchor);
  EXPECT_EQ(miss.result.anchorIndex, -1);
  rq.probe = Point{30, 20};  // below the line
  EXPECT_FALSE(Render(rq).onAnchor);

  MarkupRequest draw = Request(markup);
  draw.focusLink = 0;
  Rendered focus = Render(draw);
  EXPECT_EQ(focus.result.focusAnchor, "first");
  const auto rects = focus.ofKind(SurfaceOp::kFocus);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].rect, (Rect{22, 0, 43, 13}));
  EXPECT_EQ(focus.texts[1].font.color, clBlue);
  EXPECT_FALSE(focus.texts[1].font.Has(kFontUnderline));  // hover style: only when hovered
  EXPECT_EQ(focus.texts[2].font.color, clWindowText);

  draw.hoverLink = 1;
  draw.hoverTextColor = clRed;
  Rendered hover = Render(draw);
  EXPECT_TRUE(hover.texts[3].font.Has(kFontUnderline));
  EXPECT_EQ(hover.texts[3].font.color, clRed);
}

TEST(Markup, ListItemsStartLinesWithBullets) {
  Rendered r = Render("<UL><LI>one<LI>two<UL><LI>three</UL></UL><LI>four");
  std::vector<std::string> words;
  for (const SurfaceOp& op : r.texts) words.push_back(op.text);
  EXPECT_EQ(words, (std::vector<std::string>{"\xB7", "one", "\xB7", "two", "o", "three", "o", "four"}));
  EXPECT_EQ(r.texts[0].font.face, "Symbol");
  EXPECT_EQ(r.texts[1].font.face, "MS Sans Serif");
  EXPECT_EQ(r.texts[1].rect.left, 1 + 12);
  EXPECT_EQ(r.texts[4].rect.left, 1 + 12);  // level 2: the bullet one step in
  EXPECT_EQ(r.texts[5].rect.left, 1 + 24);
  EXPECT_EQ(r.texts[3].rect.top, 13);
  EXPECT_EQ(r.texts[5].rect.top, 26);
  EXPECT_EQ(r.result.height, 4 * 13);
}

TEST(Markup, HiddenShadowErrorAndHighlight) {
  Rendered hidden = Render("<Z>secret</Z>shown");
  EXPECT_EQ(hidden.words(), (std::vector<std::string>{"shown"}));
  EXPECT_EQ(hidden.texts[0].rect.left, 1);

  MarkupRequest rq = Request("<SH>s</SH>");
  rq.shadowOffset = 2;
  Rendered shadow = Render(rq);
  ASSERT_EQ(shadow.texts.size(), 2u);
  EXPECT_EQ(shadow.texts[0].font.color, clGray);
  EXPECT_EQ(shadow.texts[0].rect.left, 3);
  EXPECT_EQ(shadow.texts[1].font.color, clWindowText);

  Rendered error = Render("ab<E>cde</E>");
  const auto lines = error.ofKind(SurfaceOp::kLine);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].color, clRed);
  EXPECT_EQ(lines[0].points.front().x, 14);  // 15 rounded down to even
  EXPECT_EQ(lines[0].points.front().y, 12);
  EXPECT_EQ(lines[0].points[1].y, 14);
  EXPECT_LE(lines[0].points.back().x, 36);

  Rendered hi = Render("<HI>h</HI>n");
  EXPECT_EQ(hi.texts[0].font.color, clHighlightText);
  EXPECT_EQ(hi.texts[0].brush, clHighlight);
  EXPECT_EQ(hi.texts[1].font.color, clWindowText);
  EXPECT_EQ(hi.texts[1].brush, clNone);
}

TEST(Markup, ParagraphAndBodyBackgrounds) {
  Rendered r = Render(R"(<P bgcolor="#00FF00">a<BR>b</P>c)");
  const auto fills = r.ofKind(SurfaceOp::kFill);
  ASSERT_EQ(fills.size(), 2u);  // the tag's line, then the next line before its runs
  EXPECT_EQ(fills[0].rect, (Rect{0, 0, 300, 13}));
  EXPECT_EQ(fills[1].rect, (Rect{0, 13, 300, 26}));
  EXPECT_EQ(fills[0].color, 0x00FF00u);
  EXPECT_EQ(r.texts[2].brush, clNone);

  Rendered body = Render(R"(<BODY bgcolor="clSilver">x)");
  ASSERT_EQ(body.ofKind(SurfaceOp::kFill).size(), 1u);
  EXPECT_EQ(body.ofKind(SurfaceOp::kFill)[0].rect, (Rect{0, 0, 300, 200}));
  EXPECT_EQ(body.texts[0].brush, clSilver);
}

TEST(Markup, ImagesFromTheImageList) {
  int list = 0;
  RecordingSurface s;
  s.AddImage(&list, 3, Size{16, 20});
  MarkupRequest rq = Request(R"(a<IMG src="idx:3">b<IMG src="IDX:9">c<IMG src="pic.bmp">)");
  rq.images = &list;
  Rendered r = Render(s, rq);
  const auto images = r.ofKind(SurfaceOp::kImage);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].imageIndex, 3);
  EXPECT_EQ(images[0].rect, (Rect{8, 0, 24, 20}));
  EXPECT_EQ(r.texts[1].rect.left, 24);
  EXPECT_EQ(r.texts[2].rect.left, 31);  // the missing images take no room
  EXPECT_EQ(r.result.height, 20);

  s.SetDpi(192);
  rq.text = R"(<IMG src="IDX:3" width="10">)";
  const auto big = Render(s, rq).ofKind(SurfaceOp::kImage);
  ASSERT_EQ(big.size(), 1u);
  EXPECT_EQ(big[0].rect.Width(), 20);
  EXPECT_EQ(big[0].rect.Height(), 40);
}

TEST(Markup, StateCarriesAcrossLinesButNotAcrossCalls) {
  RecordingSurface s;
  Rendered first = Render(s, Request("<B><FONT color=\"clred\">a<BR>b"));
  EXPECT_TRUE(first.texts[1].font.Has(kFontBold));
  EXPECT_EQ(first.texts[1].font.color, clRed);
  Rendered second = Render(s, Request("c"));
  EXPECT_FALSE(second.texts[0].font.Has(kFontBold));
  EXPECT_EQ(second.texts[0].font.color, clWindowText);
  EXPECT_EQ(s.Font().style, 0u);
}

TEST(Markup, MeasureOnlyAndDrawAgree) {
  const char* markup = "<B>Hello</B> <FONT size=\"14\">big</FONT><BR>x<SUP>2</SUP>";
  MarkupRequest rq = Request(markup);
  rq.measureOnly = true;
  Rendered measured = Render(rq);
  rq.measureOnly = false;
  Rendered drawn = Render(rq);
  EXPECT_EQ(measured.result.height, drawn.result.height);
  EXPECT_EQ(measured.result.width, drawn.result.width);
  EXPECT_EQ(measured.result.plainText, drawn.result.plainText);
  EXPECT_EQ(measured.result.height, 22 + 13 + 3);
}

}  // namespace
}  // namespace vconfig
