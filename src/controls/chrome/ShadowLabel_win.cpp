#include "controls/chrome/ShadowLabel_win.h"

#include <commctrl.h>

#include <cctype>

#include "controls/ParentBackground_win.h"

namespace vconfig {
namespace {

constexpr const char* kClassName = "TExLabel";

// The text as drawn: an empty caption still takes the height of one line.
std::string MeasuredText(const std::string& text, bool showAccelChar) {
  if (text.empty() || (showAccelChar && text == "&")) return text + " ";
  return text;
}

}  // namespace

ShadowLabel::ShadowLabel()
    : fontColor_(::GetSysColor(COLOR_WINDOWTEXT)),
      color_(::GetSysColor(COLOR_BTNFACE)),
      shadowColor_(::GetSysColor(COLOR_BTNHIGHLIGHT)) {
  ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof font_, &font_);
  fontHandle_.reset(::CreateFontIndirectA(&font_));
}

ShadowLabel::~ShadowLabel() = default;

bool ShadowLabel::Create(HWND parent, int left, int top, int id, int width, int height) {
  // The design bounds stay until a caption or font is set, so that the alignment
  // chosen after creation decides which edge an automatic size keeps.
  return CreateControl(kClassName, parent, "", left, top, width, height, id);
}

std::string ShadowLabel::Caption() const {
  const int n = ::GetWindowTextLengthA(hwnd());
  std::string text(static_cast<size_t>(n) + 1, '\0');
  text.resize(static_cast<size_t>(::GetWindowTextA(hwnd(), text.data(), n + 1)));
  return text;
}

void ShadowLabel::SetCaption(const std::string& text) {
  ::SetWindowTextA(hwnd(), text.c_str());
  AdjustBounds();
  Invalidate();
}

void ShadowLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void ShadowLabel::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustBounds();
}

void ShadowLabel::SetLayout(TTextLayout layout) {
  layout_ = layout;
  Invalidate();
}

void ShadowLabel::SetFont(const LOGFONTA& font) {
  font_ = font;
  fontHandle_.reset(::CreateFontIndirectA(&font_));
  AdjustBounds();
  Invalidate();
}

void ShadowLabel::SetFontSize(int points) {
  LOGFONTA font = font_;
  WindowDc screen(nullptr);
  font.lfHeight = -::MulDiv(points, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  SetFont(font);
}

void ShadowLabel::SetFontColor(COLORREF color) {
  fontColor_ = color;
  Invalidate();
}

void ShadowLabel::SetColor(COLORREF color) {
  color_ = color;
  Invalidate();
}

void ShadowLabel::SetShadowColor(COLORREF color) {
  shadowColor_ = color;
  Invalidate();
}

void ShadowLabel::SetShadowSize(int pixels) {
  shadowSize_ = pixels;
  AdjustBounds();
  Invalidate();
}

void ShadowLabel::SetShadowPos(TShadowPosition position) {
  shadowPos_ = position;
  Invalidate();
}

void ShadowLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void ShadowLabel::SetWordWrap(bool wordWrap) {
  wordWrap_ = wordWrap;
  AdjustBounds();
  Invalidate();
}

void ShadowLabel::SetShowAccelChar(bool show) {
  showAccelChar_ = show;
  AdjustBounds();
  Invalidate();
}

void ShadowLabel::SetShowFocus(bool show) {
  showFocus_ = show;
  Invalidate();
}

void ShadowLabel::SetHint(const std::string& hint) {
  hint_ = hint;
  if (!tooltip_) {
    tooltip_.reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                     WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr));
    if (!tooltip_) return;
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = ::GetParent(hwnd());
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd());
    tool.lpszText = const_cast<char*>(hint_.c_str());
    ::SendMessageA(tooltip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    return;
  }
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = ::GetParent(hwnd());
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd());
  tool.lpszText = const_cast<char*>(hint_.c_str());
  ::SendMessageA(tooltip_.get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void ShadowLabel::SetTop(int top) {
  const RECT r = Bounds();
  SetBounds(r.left, top, r.right - r.left, r.bottom - r.top);
}

bool ShadowLabel::HandleAccelerator(char key) {
  if (!showAccelChar_ || !focusControl_ || !::IsWindowEnabled(hwnd())) return false;
  const std::string text = Caption();
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {  // "&&" is a literal ampersand
      ++i;
      continue;
    }
    if (std::toupper(static_cast<unsigned char>(text[i + 1])) !=
        std::toupper(static_cast<unsigned char>(key)))
      return false;
    if (::IsWindowEnabled(focusControl_) && ::IsWindowVisible(focusControl_))
      ::SetFocus(focusControl_);
    return true;
  }
  return false;
}

UINT ShadowLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  if (alignment_ == taCenter) flags |= DT_CENTER;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  return flags;
}

void ShadowLabel::AdjustBounds() {
  if (!autoSize_ || !hwnd()) return;
  const RECT bounds = Bounds();
  const LabelBounds current{bounds.left, bounds.top, bounds.right - bounds.left,
                            bounds.bottom - bounds.top};
  // Measured where it is drawn: in a memory DC, whose text metrics may differ from
  // those of the window's own DC.
  WindowDc window(hwnd());
  UniqueMemDc dc(::CreateCompatibleDC(window.get()));
  SelectObjectScope font(dc.get(), fontHandle_.get());
  const std::string text = MeasuredText(Caption(), showAccelChar_);
  // A wrapping label keeps its width and grows downwards.
  RECT measure{0, 0, wordWrap_ ? current.width - 2 : 0x7FFF, 0};
  ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &measure,
              TextFlags() | DT_CALCRECT);
  const LabelBounds next = ShadowLabelAutoSize(current, measure.right - measure.left,
                                           measure.bottom - measure.top, shadowSize_, alignment_);
  if (!(next == current)) SetBounds(next.left, next.top, next.width, next.height);
}

void ShadowLabel::DrawLabelText(HDC dc) {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  const std::string text = MeasuredText(Caption(), showAccelChar_);
  const UINT flags = TextFlags();
  RECT measure{0, 0, client.right - 2, 0};
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measure, flags | DT_CALCRECT);
  const LabelRect place =
      ShadowLabelTextRect(client.right, client.bottom, measure.bottom - measure.top, layout_);
  RECT textRect{place.left, place.top, place.right, place.bottom};

  const bool enabled = ::IsWindowEnabled(hwnd()) != FALSE;
  int dx = 0, dy = 0;
  ShadowLabelShadowOffset(shadowPos_, shadowSize_, enabled, dx, dy);
  RECT shadowRect = textRect;
  ::OffsetRect(&shadowRect, dx, dy);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, enabled ? shadowColor_ : ::GetSysColor(COLOR_BTNHIGHLIGHT));
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &shadowRect, flags);
  ::SetTextColor(dc, enabled ? fontColor_ : ::GetSysColor(COLOR_GRAYTEXT));
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect, flags);
  if (showFocus_ && focusControl_ && ::GetFocus() == focusControl_) ::DrawFocusRect(dc, &client);
}

void ShadowLabel::Paint(HDC dc) {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  // Drawn off-screen first, so that the background and the two texts appear at once.
  UniqueMemDc memory(::CreateCompatibleDC(dc));
  UniqueBitmap bitmap(::CreateCompatibleBitmap(dc, client.right, client.bottom));
  if (!memory || !bitmap) return;
  SelectObjectScope selectedBitmap(memory.get(), bitmap.get());
  if (transparent_) {
    PaintParentBackground(hwnd(), memory.get());
  } else {
    UniqueBrush brush(::CreateSolidBrush(color_));
    ::FillRect(memory.get(), &client, brush.get());
  }
  {
    SelectObjectScope font(memory.get(), fontHandle_.get());
    DrawLabelText(memory.get());
  }
  ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

void ShadowLabel::TrackMouse() {
  if (mouseInside_) return;
  mouseInside_ = true;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
  ::TrackMouseEvent(&track);
  if (OnMouseEnter) OnMouseEnter(*this);
}

LRESULT ShadowLabel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PaintDc paint(hwnd());
      Paint(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(fontHandle_.get());
    case ELM_GETFONTHEIGHT:
      return font_.lfHeight;
    case WM_ENABLE:
      Invalidate();
      return 0;
    case WM_MOUSEMOVE:
      TrackMouse();
      return 0;
    case WM_MOUSELEAVE:
      mouseInside_ = false;
      if (OnMouseLeave) OnMouseLeave(*this);
      return 0;
    case WM_LBUTTONUP:
      if (OnClick) OnClick(*this);
      return 0;
    case WM_DESTROY:
      // The tool tip window belongs to the dialog, which may have ended it already.
      if (!::IsWindow(tooltip_.get())) tooltip_.release();
      tooltip_.reset();
      return 0;
    default:
      return DefaultProc(msg, wp, lp);
  }
}

}  // namespace vconfig
