// The list box's window procedure: its own messages, and those it sent its parent,
// which the parent's routing hands back; what the list does not handle goes on to
// the system list box's procedure.
#include "controls/sectionlist/SectionListState_win.h"

namespace vconfig {

// The class keeps the system's name "ListBox", by which tests and other programs find
// the lists: it is this module's own class under that name.
WNDPROC SectionList::Impl::ListBoxProc() {
  static const WNDPROC proc =
      EnsureDerivedWindowClass("ListBox", "LISTBOX", &SectionList::WndProc);
  return proc;
}

SectionList*& SectionList::Impl::Creating() {
  thread_local SectionList* creating = nullptr;
  return creating;
}

LRESULT CALLBACK SectionList::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  // Any list box this module creates gets this class; only the one that Create is
  // making becomes a section list, every other one stays a plain list box.
  if (msg == WM_NCCREATE &&
      reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams != Impl::Creating())
    return ::CallWindowProcA(Impl::ListBoxProc(), hwnd, msg, wp, lp);
  return RouteMessage<SectionList>(hwnd, msg, wp, lp, Impl::ListBoxProc());
}

LRESULT SectionList::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == ReflectedMessage()) return impl_->HandleReflected(*reinterpret_cast<Reflected*>(wp));
  return impl_->HandleList(msg, wp, lp);
}

// What the list box sends its parent about itself.
bool SectionList::Impl::HandleReflected(Reflected& message) {
  switch (message.msg) {
    case WM_MEASUREITEM: {
      auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(message.lp);
      mi->itemHeight = static_cast<UINT>(pendingHeight > 0 ? pendingHeight : lb.subItemHeight_);
      message.result = TRUE;
      return true;
    }
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(message.lp));
      message.result = TRUE;
      return true;
    case WM_CTLCOLORLISTBOX:
      if (!background) RebuildBackground();
      message.result = reinterpret_cast<LRESULT>(background.get());
      return true;
    case WM_COMMAND:
      if (HIWORD(message.wp) == LBN_SELCHANGE) SelectionChanged();
      return false;  // the parent may want the notification too
    default:
      return false;
  }
}

LRESULT SectionList::Impl::HandleList(UINT msg, WPARAM wp, LPARAM lp) {
  HWND hwnd = lb.hwnd_;
  const int x = static_cast<short>(LOWORD(lp));
  const int y = static_cast<short>(HIWORD(lp));
  if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) RelayToTip(msg, wp, lp);
  switch (msg) {
    case WM_ERASEBKGND:
      // While updating, a plain background is left alone so the list does not flicker.
      if (lb.updateCount_ > 0 && !lb.wallpaper_) return 1;
      break;
    case WM_LBUTTONDOWN:
      if (lb.OnMouseDown) lb.OnMouseDown(&lb, mbLeft, static_cast<UINT>(wp), x, y);
      LeftButtonDown(wp, lp);
      return 0;
    case WM_LBUTTONDBLCLK: {
      // The list box treats a double click as a press; the toggle happened on the
      // first press, so only the double-click event is raised here.
      const LRESULT r = CallList(msg, wp, lp);
      DoubleClick(false);
      return r;
    }
    case WM_RBUTTONDOWN:
      if (lb.OnMouseDown) lb.OnMouseDown(&lb, mbRight, static_cast<UINT>(wp), x, y);
      RightButtonDown(x, y);
      break;
    case WM_RBUTTONDBLCLK:
      DoubleClick(true);
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      const LRESULT r = CallList(msg, wp, lp);
      const TMouseButton b = msg == WM_LBUTTONUP   ? mbLeft
                             : msg == WM_RBUTTONUP ? mbRight
                                                   : mbMiddle;
      if (lb.OnMouseUp) lb.OnMouseUp(&lb, b, static_cast<UINT>(wp), x, y);
      return r;
    }
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT) {
        POINT pt{};
        ::GetCursorPos(&pt);
        ::ScreenToClient(hwnd, &pt);
        if (SetCursorForPoint(pt.x, pt.y)) return TRUE;
      }
      break;
    case WM_KEYDOWN:
      if (KeyDown(wp) || ProgramKey(msg, wp)) return 0;
      break;
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      if (ProgramKey(msg, wp)) return 0;
      break;
    case WM_CONTEXTMENU:
      // (-1, -1): asked for from the keyboard by some other way than the keys above.
      if (lp == -1 && lb.OnContextMenuKey) {
        lb.OnContextMenuKey(&lb);
        return 0;
      }
      break;
    case WM_DESTROY:
      // The tooltip is the list's own window: it goes first.
      tip.reset();
      break;
    case WM_CHAR:
      if (Char(wp)) return 0;
      break;
    case WM_VSCROLL:
      ForgetTipRow();
      if (LOWORD(wp) == SB_THUMBTRACK && !lb.ScrollTrack) return 0;
      if (lb.wallpaper_) {
        // The list scrolls its pixels; the tiled wallpaper must stay put.
        const LRESULT r = CallList(msg, wp, lp);
        ::InvalidateRect(hwnd, nullptr, TRUE);
        return r;
      }
      break;
    case WM_MOUSEWHEEL:
      ForgetTipRow();
      if (lb.wallpaper_) {
        const LRESULT r = CallList(msg, wp, lp);
        ::InvalidateRect(hwnd, nullptr, TRUE);
        return r;
      }
      break;
    case WM_SIZE:
      if (lb.wordWrap_) {
        const LRESULT r = CallList(msg, wp, lp);
        lb.ReflowHeights();
        return r;
      }
      break;
    default:
      break;
  }
  return CallList(msg, wp, lp);
}

void SectionList::Impl::SelectionChanged() {
  if (lb.updateCount_ > 0 || inserting || !lb.OnChange) return;
  const int row = lb.ItemIndex();
  if (row < 0) return;
  int section, subitem;
  lb.sections_.RowPosition(row, section, subitem);
  lb.OnChange(&lb, section, subitem);
}

}  // namespace vconfig
