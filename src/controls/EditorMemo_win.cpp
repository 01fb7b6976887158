#include "controls/EditorMemo_win.h"

#include "config/TextLines.h"

namespace vconfig {

EditorMemo::~EditorMemo() {
  subclass_.Remove();
  if (hwnd_) ::DestroyWindow(hwnd_);
}

bool EditorMemo::Create(HWND parent, int x, int y, int width, int height, int id) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
                      ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
  hwnd_ = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", style, x, y, width, height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            ::GetModuleHandleA(nullptr), nullptr);
  if (!hwnd_) return false;
  font_.reset(::CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            FIXED_PITCH | FF_MODERN, "Courier New"));
  ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  {
    WindowDc dc(hwnd_);
    SelectObjectScope sel(dc.get(), font_.get());
    TEXTMETRICA tm{};
    if (::GetTextMetricsA(dc.get(), &tm) && tm.tmAveCharWidth > 0) charWidth_ = tm.tmAveCharWidth;
  }
  // Files of any length: lift the default limit of about 32 000 characters.
  ::SendMessageA(hwnd_, EM_SETLIMITTEXT, 0, 0);
  ApplyTabStops();
  subclass_.Install<&EditorMemo::HandleMessage>(hwnd_, this);
  return true;
}

void EditorMemo::ApplyTabStops() {
  // Tab stops are given in quarters of the font's average character width.
  INT stop = TabStops * 4;
  ::SendMessageA(hwnd_, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stop));
}

void EditorMemo::Clear() {
  ::SendMessageA(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  ::SendMessageA(hwnd_, EM_EMPTYUNDOBUFFER, 0, 0);
  intact_ = true;
}

std::string EditorMemo::Text() const {
  const LRESULT len = ::SendMessageA(hwnd_, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<size_t>(len > 0 ? len : 0) + 1, '\0');
  const LRESULT got =
      ::SendMessageA(hwnd_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return text;
}

void EditorMemo::SetLines(const TextLines& lines) {
  // Every line ends with CR LF, so that a last empty line is kept as a line.
  SetText(JoinTextLines(lines));
}

void EditorMemo::SetText(const std::string& text) {
  // A shown editor would lay out and paint its old text's replacement as it goes:
  // redrawing stays off until the text is in.
  const bool shown = ::IsWindowVisible(hwnd_) != FALSE;
  if (shown) ::SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (shown) {
    ::SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
  }
  ::SendMessageA(hwnd_, EM_EMPTYUNDOBUFFER, 0, 0);
  ::SendMessageA(hwnd_, EM_SETSEL, 0, 0);
  ::SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
  intact_ = Text() == text;
}

TextLines EditorMemo::Lines() const { return SplitTextLines(Text()); }

int EditorMemo::MarginX() const {
  // Straight to the edit control's own procedure: the margin is checked on nearly
  // every message, and these questions need nothing in front of it.
  const auto edit = reinterpret_cast<WNDPROC>(::GetClassLongPtrA(hwnd_, GCLP_WNDPROC));
  auto ask = [this, edit](UINT msg) { return ::CallWindowProcA(edit, hwnd_, msg, 0, 0); };
  int origin = LOWORD(ask(EM_GETMARGINS));
  // The first character's x follows the horizontal scrolling.
  const LRESULT pos = ask(EM_POSFROMCHAR);
  if (pos != -1) origin = static_cast<short>(LOWORD(pos));
  return origin + RightMargin * charWidth_;
}

void EditorMemo::PaintMargin() {
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  const int x = MarginX();
  paintedMarginX_ = x;
  if (x < client.left || x >= client.right) return;
  WindowDc dc(hwnd_);
  UniquePen pen(::CreatePen(PS_SOLID, 1, RightMarginColor));
  SelectObjectScope sel(dc.get(), pen.get());
  ::MoveToEx(dc.get(), x, client.top, nullptr);
  ::LineTo(dc.get(), x, client.bottom);
}

LRESULT EditorMemo::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  const LRESULT result = subclass_.CallNext(msg, wp, lp);
  switch (msg) {
    case WM_PAINT:
      PaintMargin();
      break;
    case WM_NCDESTROY:
      hwnd_ = nullptr;
      break;
    case WM_HSCROLL:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_TIMER:
    case WM_SIZE:
    case WM_SETTEXT:
    case WM_PASTE:
    case WM_CUT:
    case WM_UNDO:
    case EM_UNDO:
    case EM_SETSEL:
    case EM_SCROLLCARET:
    case EM_REPLACESEL:
      // Horizontal scrolling moves the painted line with the text: repaint it whole
      // when the text's origin changed.
      if (paintedMarginX_ != -1 && MarginX() != paintedMarginX_)
        ::InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    default:
      break;
  }
  return result;
}

}  // namespace vconfig
