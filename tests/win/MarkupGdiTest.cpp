// The markup renderer over real GDI: the program's own markup forms drawn into a
// memory bitmap, and the gallery of sample rows in a window on the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "MarkupGallery.h"
#include "markup/GdiSurface_win.h"
#include "markup/Markup.h"
#include "harness/Harness.h"
#include "platform/Handles_win.h"

namespace vtest {
namespace {

using vconfig::FontSpec;
using vconfig::GdiSurface;
using vconfig::MarkupRequest;
using vconfig::MarkupResult;
using vconfig::Rect;
using vconfig::RenderMarkup;
using vconfig::TColor;

// A 32-bit top-down bitmap selected into a memory DC, cleared to white.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height), dc_(::CreateCompatibleDC(nullptr)) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const DWORD*>(bits);
    select_ = std::make_unique<vconfig::SelectObjectScope>(dc_.get(), bitmap_.get());
    RECT all{0, 0, width, height};
    ::FillRect(dc_.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  }
  HDC dc() const { return dc_.get(); }
  // The pixel as a TColor (red in the low byte).
  TColor At(int x, int y) const {
    ::GdiFlush();
    const DWORD bgr = bits_[y * width_ + x];
    return ((bgr >> 16) & 0xFF) | (bgr & 0xFF00) | ((bgr & 0xFF) << 16);
  }
  int Count(const Rect& r, TColor color) const {
    int n = 0;
    for (int y = std::max(0, r.top); y < std::min(height_, r.bottom); ++y) {
      for (int x = std::max(0, r.left); x < std::min(width_, r.right); ++x) n += At(x, y) == color;
    }
    return n;
  }

 private:
  int width_, height_;
  vconfig::UniqueMemDc dc_;
  vconfig::UniqueBitmap bitmap_;
  std::unique_ptr<vconfig::SelectObjectScope> select_;
  const DWORD* bits_ = nullptr;
};

FontSpec BaseFont() {
  FontSpec f;
  f.face = "MS Sans Serif";
  f.size = 8;
  f.color = vconfig::clBlack;
  return f;
}

MarkupResult Draw(GdiSurface& s, const char* markup, Rect rect, bool measureOnly = false,
                  bool selected = false) {
  MarkupRequest rq;
  rq.text = markup;
  rq.rect = rect;
  rq.measureOnly = measureOnly;
  rq.selected = selected;
  MarkupResult result;
  RenderMarkup(s, rq, result);
  return result;
}

int GhHeight(HDC dc, const char* face, int points) {
  FontSpec f = BaseFont();
  f.face = face;
  f.size = points;
  GdiSurface s(dc, &f);
  return s.TextHeight("gh");
}

TEST(MarkupGdi, ProgramFormsDrawWithTheirColoursAndARule) {
  Canvas c(400, 200);
  const FontSpec base = BaseFont();
  GdiSurface s(c.dc(), &base);

  // A Run value row: name in blue, value in maroon, both at 10 points.
  const MarkupResult row = Draw(
      s, R"(<FONT color="clblue" size="10">Tool : <FONT color="clmaroon">C:\Tools\tool.exe</FONT>)",
      Rect{0, 0, 400, 30});
  EXPECT_EQ(row.height, GhHeight(c.dc(), "MS Sans Serif", 10));
  const int nameWidth = s.MeasureRun("Tool : ", Rect{0, 0, 400, 30}, vconfig::TextFormat::kRun).cx;
  EXPECT_GT(c.Count(Rect{0, 0, 1 + nameWidth, 30}, vconfig::clBlue), 10);
  EXPECT_EQ(c.Count(Rect{0, 0, 1 + nameWidth, 30}, vconfig::clMaroon), 0);
  EXPECT_GT(c.Count(Rect{1 + nameWidth, 0, 400, 30}, vconfig::clMaroon), 20);

  // The rule: black, one pixel below the line, from the line's start to the right edge.
  const MarkupResult rule = Draw(s, R"(<HR color-"clblue">)", Rect{0, 40, 400, 70});
  const int gh = GhHeight(c.dc(), "MS Sans Serif", 8);
  EXPECT_EQ(rule.height, gh);
  const int y = 40 + gh + 1;
  EXPECT_EQ(c.Count(Rect{1, y, 399, y + 1}, vconfig::clBlack), 398);
  EXPECT_EQ(c.Count(Rect{0, 40, 400, y}, vconfig::clBlack), 0);  // nothing above it
  EXPECT_EQ(c.At(1, y - 1), vconfig::clWhite);

  // The report heading: blue, then navy, 14 points.
  const MarkupResult heading = Draw(
      s, R"(<FONT size="14" color="clblue">Win.ini - <FONT size="14" color="clnavy">C:\WINDOWS\win.ini:</FONT>)",
      Rect{0, 80, 400, 130});
  EXPECT_EQ(heading.height, GhHeight(c.dc(), "MS Sans Serif", 14));
  EXPECT_GT(c.Count(Rect{0, 80, 400, 130}, vconfig::clBlue), 20);
  EXPECT_GT(c.Count(Rect{0, 80, 400, 130}, vconfig::clNavy), 20);

  // Size code 2 is 10 points; a selected row keeps the selection colour.
  EXPECT_EQ(Draw(s, R"(<FONT color="clblack" size="2">x)", Rect{0, 0, 400, 200}, true).height,
            GhHeight(c.dc(), "MS Sans Serif", 10));
  FontSpec selection = base;
  selection.color = vconfig::clWhite;
  s.SetFont(selection);
  s.SetBrushColor(vconfig::clNavy);
  const Rect selRow{0, 140, 400, 170};
  s.FillRect(selRow, vconfig::clNavy);
  Draw(s, R"(<FONT color="clred">selected</FONT>)", selRow, false, true);
  EXPECT_EQ(c.Count(selRow, vconfig::clRed), 0);
  EXPECT_GT(c.Count(selRow, vconfig::clWhite), 20);
  EXPECT_EQ(s.BrushColor(), vconfig::clNavy);  // handed back as it came
  EXPECT_EQ(s.Font().color, vconfig::clWhite);
}

TEST(MarkupGdi, MeasuredWidthHoldsTheDrawnTextAndEllipsisCutsTheRun) {
  Canvas c(200, 40);
  const FontSpec base = BaseFont();
  GdiSurface s(c.dc(), &base);
  const MarkupResult plain = Draw(s, "abc def", Rect{0, 0, 200, 40});
  SIZE extent{};
  ::GetTextExtentPoint32A(c.dc(), "abc def", 7, &extent);
  EXPECT_GE(plain.width, extent.cx);
  EXPECT_LE(plain.width, extent.cx + 7);  // a pixel at most per character
  EXPECT_EQ(plain.height, extent.cy);
  // The text starts one pixel in and ends inside its measured width.
  EXPECT_EQ(c.Count(Rect{1 + plain.width, 0, 200, 40}, vconfig::clBlack), 0);
  EXPECT_GT(c.Count(Rect{1 + plain.width - 3, 0, 1 + plain.width, 40}, vconfig::clBlack), 0);
  RECT all{0, 0, 200, 40};
  ::FillRect(c.dc(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));

  // Without word wrap a too long row ends in "..." inside its rectangle.
  Draw(s, "a very long row that does not fit in sixty pixels", Rect{0, 0, 60, 20});
  EXPECT_EQ(c.Count(Rect{60, 0, 200, 20}, vconfig::clBlack), 0);
  EXPECT_GT(c.Count(Rect{0, 0, 60, 20}, vconfig::clBlack), 10);
}

// Rows [top, bottom) of the canvas as text, '#' for every pixel that is not white,
// so that a failure shows where the two drawings part.
std::string InkRows(const Canvas& c, int left, int right, int top, int bottom) {
  std::string rows;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) rows += c.At(x, y) == vconfig::clWhite ? '.' : '#';
    rows += '\n';
  }
  return rows;
}

TEST(MarkupGdi, WordWrappedRunsSitWhereTheWholeLineWould) {
  // With word wrap every word is a run of its own, drawn where the measured widths
  // of the words before it end; the line must look exactly as when it is drawn in
  // one piece, at every size the program uses, whatever the platform's own glyph
  // placement does.
  const char* const line = "with word wrap the same long row breaks after it";
  for (int size : {8, 9, 10, 12, 14}) {
    for (unsigned style : {0u, unsigned{vconfig::kFontBold}}) {
      SCOPED_TRACE("size " + std::to_string(size) + (style ? " bold" : ""));
      Canvas c(460, 60);
      FontSpec font = BaseFont();
      font.size = size;
      font.style = style;
      GdiSurface s(c.dc(), &font);
      MarkupRequest rq;
      rq.text = line;
      rq.rect = Rect{0, 0, 460, 30};
      MarkupResult whole;
      RenderMarkup(s, rq, whole);
      rq.rect = Rect{0, 30, 460, 60};
      rq.wordWrap = true;
      MarkupResult wrapped;
      RenderMarkup(s, rq, wrapped);
      ASSERT_EQ(wrapped.height, whole.height);  // one line each
      EXPECT_EQ(InkRows(c, 0, 460, 30, 30 + whole.height), InkRows(c, 0, 460, 0, whole.height));
    }
  }
}

TEST(MarkupGdi, RunsShowPrefixesTabsAndEllipsisAsTheSystemDrawsThem) {
  // At 10 points the platform places glyphs at the advances it measures, so a run
  // drawn by the surface matches DrawTextExA with the run format pixel for pixel:
  // the "&" mark, tab stops, the bottom placement and the end ellipsis.
  const struct {
    const char* run;
    unsigned format;
    int width;
  } cases[] = {
      {"&File and a&&b", vconfig::TextFormat::kRun, 300},
      {"a\tb\tcd\te", vconfig::TextFormat::kRun, 300},
      {"x&", vconfig::TextFormat::kRun, 300},
      {"C:\\Program Files\\Long Folder\\tool.exe", vconfig::TextFormat::kRun | vconfig::TextFormat::kEndEllipsis, 90},
      {"&Ellipsis over the mark", vconfig::TextFormat::kRun | vconfig::TextFormat::kEndEllipsis, 40},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.run);
    Canvas c(300, 60);
    FontSpec font = BaseFont();
    font.size = 10;
    GdiSurface s(c.dc(), &font);
    s.DrawRun(k.run, Rect{2, 0, 2 + k.width, 25}, k.format);
    RECT system{2, 30, 2 + k.width, 55};
    ::SetBkMode(c.dc(), TRANSPARENT);
    ::DrawTextExA(c.dc(), const_cast<char*>(k.run), -1, &system, k.format, nullptr);
    EXPECT_EQ(InkRows(c, 0, 300, 30, 55), InkRows(c, 0, 300, 0, 25));
  }
}

TEST(MarkupGdi, GalleryOfSampleRowsOnTheScreen) {
  const vconfig::UniqueWindow window = OpenMarkupGallery();
  ASSERT_TRUE(window);
  ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(window.get()) != FALSE; }));

  // Capture the client area from the screen and check what is on it.
  RECT client;
  ::GetClientRect(window.get(), &client);
  vconfig::WindowDc screen(window.get());
  vconfig::UniqueMemDc mem(::CreateCompatibleDC(screen.get()));
  vconfig::UniqueBitmap shot(::CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
  int blue = 0, maroon = 0, highlight = 0;
  const COLORREF highlightColour = ::GetSysColor(COLOR_HIGHLIGHT);
  ASSERT_TRUE(WaitFor([&] {
    ::RedrawWindow(window.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    vconfig::SelectObjectScope sel(mem.get(), shot.get());
    ::BitBlt(mem.get(), 0, 0, client.right, client.bottom, screen.get(), 0, 0, SRCCOPY);
    blue = maroon = highlight = 0;
    for (int y = 0; y < client.bottom; ++y) {
      for (int x = 0; x < client.right; ++x) {
        const COLORREF p = ::GetPixel(mem.get(), x, y);
        blue += p == RGB(0, 0, 255);
        maroon += p == RGB(128, 0, 0);
        highlight += p == highlightColour;
      }
    }
    return blue > 50 && highlight > 100;
  }, 5s)) << "blue " << blue << " maroon " << maroon << " highlight " << highlight;
  EXPECT_EQ(maroon, 0) << "the selected row shows no maroon value";
}

}  // namespace
}  // namespace vtest
