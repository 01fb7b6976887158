#include "windows/ErrorDialog_win.h"

#include <commctrl.h>

#include <vector>

#include "windows/ErrorDialogIds.h"
#include "diagnostics/ExceptionReporter_win.h"
#include "platform/Handles_win.h"

namespace vconfig {
namespace {

constexpr int kClosedHeightDlu = 84;  // the top of the details part

struct Page {
  const char* caption;
  const std::string* text;
  unsigned option;
};

class ErrorDialog {
 public:
  explicit ErrorDialog(const ErrorDialogContent& content) : content_(content) {}

  static INT_PTR CALLBACK Proc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    // Nothing may escape into the system's dialog code, nor be reported again.
    try {
      if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<ErrorDialog*>(lp);
        ::SetWindowLongPtrA(dlg, DWLP_USER, lp);
        self->Init(dlg);
        return TRUE;
      }
      auto* self = reinterpret_cast<ErrorDialog*>(::GetWindowLongPtrA(dlg, DWLP_USER));
      return self ? self->Handle(msg, wp, lp) : FALSE;
    } catch (...) {
      return FALSE;
    }
  }

 private:
  void Init(HWND dlg) {
    dlg_ = dlg;
    ::SendDlgItemMessageA(dlg, IDC_EXC_ICON, STM_SETICON,
                          reinterpret_cast<WPARAM>(::LoadIconA(nullptr, IDI_HAND)), 0);
    ::SetDlgItemTextA(dlg, IDC_EXC_MESSAGE, content_.message.c_str());
    const unsigned pages = content_.options & (kExcCallStackPage | kExcRegistersPage |
                                               kExcCustomPage);
    ::ShowWindow(::GetDlgItem(dlg, IDC_EXC_DETAILS), pages ? SW_SHOW : SW_HIDE);
    ::ShowWindow(::GetDlgItem(dlg, IDC_EXC_TERMINATE),
                 (content_.options & kExcTerminateButton) ? SW_SHOW : SW_HIDE);
    CreatePages();

    RECT full{};
    ::GetWindowRect(dlg, &full);
    fullHeight_ = full.bottom - full.top;
    RECT top{0, 0, 0, kClosedHeightDlu};
    ::MapDialogRect(dlg, &top);
    RECT client{};
    ::GetClientRect(dlg, &client);
    closedHeight_ = fullHeight_ - (client.bottom - top.bottom);
    SetDetailsOpen(pages && (content_.options & kExcDetailsOpen));
  }

  void CreatePages() {
    tabs_ = ::GetDlgItem(dlg_, IDC_EXC_TABS);
    font_.reset(::CreateFontA(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              FIXED_PITCH | FF_MODERN, "Courier"));
    // Each new page goes in front of the others: the custom page first, so that
    // the tabs read "Call Stack", "Registers", custom.
    const Page order[] = {{content_.customCaption.c_str(), &content_.additional, kExcCustomPage},
                          {"Registers", &content_.registers, kExcRegistersPage},
                          {"Call Stack", &content_.callStack, kExcCallStackPage}};
    for (const Page& p : order) {
      if (!(content_.options & p.option)) continue;
      HWND edit = ::CreateWindowExA(
          WS_EX_CLIENTEDGE, "EDIT", "",
          WS_CHILD | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
              ES_AUTOHSCROLL,
          0, 0, 0, 0, dlg_,
          reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_EXC_PAGE + pages_.size())),
          ::GetModuleHandleA(nullptr), nullptr);
      ::SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
      ::SetWindowTextA(edit, p.text->c_str());
      TCITEMA item{};
      item.mask = TCIF_TEXT | TCIF_PARAM;
      item.pszText = const_cast<char*>(p.caption);
      item.lParam = static_cast<LPARAM>(pages_.size());
      ::SendMessageA(tabs_, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      pages_.push_back(edit);
    }
    // The page area follows from the tab row, known once the tabs are in.
    RECT area{};
    ::GetWindowRect(tabs_, &area);
    ::MapWindowPoints(nullptr, dlg_, reinterpret_cast<POINT*>(&area), 2);
    TabCtrl_AdjustRect(tabs_, FALSE, &area);
    for (HWND edit : pages_) {
      ::SetWindowPos(edit, HWND_TOP, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOACTIVATE);
    }
    TabCtrl_SetCurSel(tabs_, 0);
    ShowSelectedPage();
  }

  void ShowSelectedPage() {
    const int sel = TabCtrl_GetCurSel(tabs_);
    LPARAM shown = -1;
    if (sel >= 0) {
      TCITEMA item{};
      item.mask = TCIF_PARAM;
      if (::SendMessageA(tabs_, TCM_GETITEMA, sel, reinterpret_cast<LPARAM>(&item))) {
        shown = item.lParam;
      }
    }
    for (std::size_t i = 0; i < pages_.size(); ++i) {
      ::ShowWindow(pages_[i], static_cast<LPARAM>(i) == shown ? SW_SHOW : SW_HIDE);
    }
  }

  void SetDetailsOpen(bool open) {
    detailsOpen_ = open;
    RECT r{};
    ::GetWindowRect(dlg_, &r);
    ::SetWindowPos(dlg_, nullptr, 0, 0, r.right - r.left, open ? fullHeight_ : closedHeight_,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(tabs_, open ? SW_SHOW : SW_HIDE);
    if (open) {
      ShowSelectedPage();
    } else {
      for (HWND page : pages_) ::ShowWindow(page, SW_HIDE);
    }
  }

  INT_PTR Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_COMMAND:
        switch (LOWORD(wp)) {
          case IDOK:
          case IDCANCEL:
            ::EndDialog(dlg_, IDOK);
            return TRUE;
          case IDC_EXC_DETAILS:
            SetDetailsOpen(!detailsOpen_);
            return TRUE;
          case IDC_EXC_TERMINATE:
            ::TerminateProcess(::GetCurrentProcess(), 1);
            return TRUE;
        }
        break;
      case WM_NOTIFY: {
        const NMHDR* hdr = reinterpret_cast<const NMHDR*>(lp);
        if (hdr && hdr->hwndFrom == tabs_ && hdr->code == TCN_SELCHANGE) {
          ShowSelectedPage();
          return TRUE;
        }
        break;
      }
    }
    return FALSE;
  }

  const ErrorDialogContent& content_;
  HWND dlg_ = nullptr;
  HWND tabs_ = nullptr;
  std::vector<HWND> pages_;  // owned by the dialog
  UniqueFont font_;
  bool detailsOpen_ = false;
  int fullHeight_ = 0;
  int closedHeight_ = 0;
};

}  // namespace

void ShowErrorDialog(HWND owner, const ErrorDialogContent& content) {
  ErrorDialog dialog(content);
  const INT_PTR r = ::DialogBoxParamA(::GetModuleHandleA(nullptr), EXC_DIALOG_NAME, owner,
                                      &ErrorDialog::Proc, reinterpret_cast<LPARAM>(&dialog));
  if (r == -1 || r == 0) {
    // No template in this module: the message alone still reaches the user.
    ::MessageBoxA(owner, content.message.c_str(), "Application Error",
                  MB_OK | MB_ICONERROR | MB_TASKMODAL);
  }
}

}  // namespace vconfig
