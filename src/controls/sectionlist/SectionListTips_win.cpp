// Tooltips of rows too wide for the list: one tool of the system's tooltip control,
// moved onto the row under the mouse when that row's text does not fit. The control
// shows it once the mouse rests there and hides it when the mouse moves on or clicks.
#include <algorithm>

#include "markup/GdiSurface_win.h"
#include "markup/Markup.h"
#include "controls/sectionlist/SectionListState_win.h"

namespace vconfig {

namespace {

constexpr UINT_PTR kToolId = 1;

TOOLINFOA ToolInfo(HWND list) {
  TOOLINFOA ti{};
  // The first version of the record: every version of the control takes it.
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.hwnd = list;
  ti.uId = kToolId;
  return ti;
}

bool PointInRect(const RECT& rc, int x, int y) {
  return x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
}

}  // namespace

bool SectionList::Impl::EnsureTip() {
  if (tip) return true;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
  // No prefix: a row's "&" is text, not an accelerator mark.
  tip.reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                              WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, lb.hwnd_, nullptr,
                              ::GetModuleHandleA(nullptr), nullptr));
  if (!tip) return false;
  TOOLINFOA ti = ToolInfo(lb.hwnd_);
  ti.lpszText = const_cast<char*>("");
  ::SendMessageA(tip.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  // Long texts wrap between words at half the screen's width.
  ::SendMessageA(tip.get(), TTM_SETMAXTIPWIDTH, 0, ::GetSystemMetrics(SM_CXSCREEN) / 2);
  return true;
}

void SectionList::Impl::RelayToTip(UINT msg, WPARAM wp, LPARAM lp) {
  if (!lb.RowTips) return;
  if (msg == WM_MOUSEMOVE) {
    const int x = static_cast<short>(LOWORD(lp));
    const int y = static_cast<short>(HIWORD(lp));
    const int row = lb.RowAtPoint(x, y);
    FollowTipRow(row >= 0 && PointInRect(lb.RowRect(row), x, y) ? row : -1);
  }
  if (!tip) return;
  MSG m{lb.hwnd_, msg, wp, lp, static_cast<DWORD>(::GetMessageTime()), {}};
  ::GetCursorPos(&m.pt);
  ::SendMessageA(tip.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
}

void SectionList::Impl::FollowTipRow(int row) {
  if (row == tipRow) return;
  tipRow = row;
  const std::string text = row >= 0 ? lb.RowTipText(row) : std::string();
  if (text.empty() && !tip) return;
  if (!EnsureTip()) return;
  ::SendMessageA(tip.get(), TTM_POP, 0, 0);
  tipText = text;
  TOOLINFOA ti = ToolInfo(lb.hwnd_);
  // A row that fits gets no area at all: the tip never shows there.
  ti.rect = text.empty() ? RECT{0, 0, 0, 0} : lb.RowRect(row);
  ::SendMessageA(tip.get(), TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
  ti.lpszText = &tipText[0];
  ::SendMessageA(tip.get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void SectionList::Impl::ForgetTipRow() {
  if (tipRow < 0) return;
  FollowTipRow(-1);
}

// Whether the row's text needs more room than the row gives it, measured as it is
// drawn: wrapped at the list's width when the list wraps (a word longer than the line
// still sticks out), on one line otherwise.
bool SectionList::Impl::RowOverflows(int row) {
  int section, subitem;
  lb.sections_.RowPosition(row, section, subitem);
  if (section < 0) return false;
  const ListSection& s = lb.sections_[section];
  const bool header = subitem < 0;
  if (!header && subitem >= s.SubItems.Count()) return false;
  const std::string& text = header ? s.Caption() : s.SubItems.Strings(subitem);
  const RECT rc = lb.RowRect(row);
  int left = rc.left + (header ? (s.Fixed ? lb.SubItemIndent : lb.SectionIndent)
                               : lb.SubItemIndent);
  if (!header && (s.ControlType == scCheckbox || s.ControlType == scRadiobutton)) left += 16;
  HIMAGELIST images = header ? lb.SectionImages : lb.SubItemImages;
  const int image = header ? s.ImageIndex : subitemdata::ImageIndex(s.SubItems.Data(subitem));
  if (images && image >= 0) {
    int iw = 0, ih = 0;
    ::ImageList_GetIconSize(images, &iw, &ih);
    left += iw + lb.ImageSpacing;
  }
  int right = rc.right;
  if (!header && lb.wordWrap_) right = std::min(right, ClientWidth() - ScrollBarWidth());
  const int room = right - left;
  if (room <= 0) return !text.empty();

  WindowDc dc(lb.hwnd_);
  const SectionListFont& font = header ? HeaderFont(s) : SubItemFont(s);
  SelectObjectScope selected(dc.get(), FontFor(font));
  if (IsMarkupRow(text)) {
    const FontSpec spec = font.ToFontSpec();
    GdiSurface surface(dc.get(), &spec);
    MarkupRequest req;
    req.text = text;
    req.rect = Rect{left, 0, right, 0x7FFF};
    req.measureOnly = true;
    req.wordWrap = lb.wordWrap_;
    MarkupResult result;
    RenderMarkup(surface, req, result);
    return result.width > room;
  }
  if (header || text.find('\t') != std::string::npos) {
    const auto stops = lb.tabs_.PlatformStops();
    const DWORD measured = ::GetTabbedTextExtentA(
        dc.get(), text.data(), static_cast<int>(text.size()), static_cast<int>(stops.size()),
        stops.empty() ? nullptr : stops.data());
    return static_cast<int>(LOWORD(measured)) > room;
  }
  RECT calc{0, 0, room, 0};
  UINT flags = DT_CALCRECT | DT_NOPREFIX | (lb.wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
  ::DrawTextA(dc.get(), text.data(), static_cast<int>(text.size()), &calc, flags);
  return calc.right > room;
}

std::string SectionList::RowTipText(int row) {
  if (!RowTips || !hwnd_ || row < 0 || row >= RowCount()) return {};
  if (!impl_->RowOverflows(row)) return {};
  int section, subitem;
  sections_.RowPosition(row, section, subitem);
  if (OnRowTipText) return OnRowTipText(this, section, subitem);
  return RowText(row);
}

}  // namespace vconfig
