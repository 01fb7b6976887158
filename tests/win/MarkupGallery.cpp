#include "MarkupGallery.h"

#include "markup/GdiSurface_win.h"
#include "markup/Markup.h"

namespace vtest {
namespace {

using vconfig::FontSpec;
using vconfig::GdiSurface;
using vconfig::MarkupRequest;
using vconfig::MarkupResult;
using vconfig::Rect;
using vconfig::RenderMarkup;

struct GalleryRow {
  const char* markup;
  bool wordWrap;
};
const GalleryRow kGallery[] = {
    {R"(<FONT size="14" color="clblue">Win.ini - <FONT size="14" color="clnavy">C:\WINDOWS\win.ini:</FONT>)", false},
    {R"(<FONT color="clblue" size="10">SystemTray : <FONT color="clmaroon">SysTray.Exe</FONT>)", false},
    {R"(<FONT color="clnavy" size="14">Startup(User)</FONT>)", false},
    {R"(<HR color-"clblue">)", false},
    {"Entities: &amp; &quot;quoted&quot; &lt;B&gt; &copy; &reg; &sect; &euro; and a&&b, a&b</B>", false},
    {R"(<B>bold</B> <I>italic</I> <U>underline</U> <S>strike</S> H<SUB>2</SUB>O x<SUP>2</SUP>)", false},
    {R"(Links: <A href="http://example.invalid">a link</A> and <E>a misspeled word</E>)", false},
    {R"(<FONT face="Arial" size="12" color="clgreen" bgcolor="clyellow">Arial on yellow</FONT> <SH>shadow</SH>)", false},
    {R"(<UL><LI>first item<LI>second item</UL>)", false},
    {R"(<P align="right">right aligned</P><P align="center">centred</P>)", false},
    {R"(Without word wrap a long row ends in an ellipsis: C:\Program_Files\Vendor\Long_Folder_Name\Another_Folder\program.exe)", false},
    {"with word wrap the same long row breaks after the last space that fits, and <B>bo</B>ld stays one word on the next line", true},
};
constexpr int kSelectedRow = 1;

LRESULT CALLBACK GalleryProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_PAINT) return ::DefWindowProcA(hwnd, msg, wp, lp);
  vconfig::PaintDc paint(hwnd);
  RECT client;
  ::GetClientRect(hwnd, &client);
  ::FillRect(paint.get(), &client, ::GetSysColorBrush(COLOR_WINDOW));
  int top = 4;
  int index = 0;
  for (const GalleryRow& row : kGallery) {
    const bool selected = index++ == kSelectedRow;
    FontSpec f;
    f.face = "MS Sans Serif";
    f.size = 8;
    f.color = selected ? vconfig::clHighlightText : vconfig::clWindowText;
    GdiSurface s(paint.get(), &f);
    MarkupRequest rq;
    rq.text = row.markup;
    rq.wordWrap = row.wordWrap;
    rq.rect = Rect{4, top, client.right - 4, 10000};
    rq.measureOnly = true;
    rq.selected = selected;
    MarkupResult size;
    RenderMarkup(s, rq, size);
    rq.rect.bottom = top + size.height;
    if (selected) s.FillRect(rq.rect, vconfig::clHighlight);
    rq.measureOnly = false;
    MarkupResult drawn;
    RenderMarkup(s, rq, drawn);
    top += size.height + 4;
  }
  return 0;
}

}  // namespace

vconfig::UniqueWindow OpenMarkupGallery() {
  static const ATOM registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = GalleryProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "MarkupGallery";
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    return ::RegisterClassA(&wc);
  }();
  if (!registered) return {};
  vconfig::UniqueWindow window(::CreateWindowExA(0, "MarkupGallery", "Markup gallery",
                                                 WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 20, 20,
                                                 480, 360, nullptr, nullptr,
                                                 ::GetModuleHandleA(nullptr), nullptr));
  if (window) ::UpdateWindow(window.get());
  return window;
}

}  // namespace vtest
