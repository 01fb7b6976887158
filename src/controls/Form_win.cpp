#include "controls/Form_win.h"

#include "app/Application_win.h"
#include "diagnostics/ErrorHandling_win.h"

namespace vconfig {

Form::~Form() {
  if (hwnd_) {
    ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
}

bool Form::CreateForm(const FormArgs& args) {
  HINSTANCE inst = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (!::GetClassInfoExA(inst, args.className, &wc)) {
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Form::StaticWndProc;
    wc.hInstance = inst;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = ::LoadIconA(inst, MAKEINTRESOURCEA(1));
    wc.hbrBackground = args.background;
    wc.lpszClassName = args.className;
    if (!::RegisterClassExA(&wc)) return false;
  }
  int w = args.width, h = args.height;
  if (args.clientWidth > 0) {
    RECT r{0, 0, args.clientWidth, args.clientHeight};
    ::AdjustWindowRectEx(&r, args.style, FALSE, args.exStyle);
    w = r.right - r.left;
    h = r.bottom - r.top;
  }
  hwnd_ = ::CreateWindowExA(args.exStyle, args.className, args.caption.c_str(), args.style, args.x,
                            args.y, w, h, args.owner, nullptr, inst, this);
  return hwnd_ != nullptr;
}

LRESULT CALLBACK Form::StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  Form* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Form*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return ::DefWindowProcA(hwnd, msg, wp, lp);
  try {
    const LRESULT r = self->HandleMessage(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
      ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
    }
    return r;
  } catch (...) {
    HandleApplicationException();
    return 0;
  }
}

LRESULT Form::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
  return ::DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CLOSE) {
    OnClose();
    return 0;
  }
  return DefaultProc(msg, wp, lp);
}

void Form::OnClose() {
  if (inModalLoop_) {
    modalResult_ = IDCANCEL;
  } else {
    Hide();
  }
}

void Form::Show() {
  ::ShowWindow(hwnd_, SW_SHOW);
  ::SetForegroundWindow(hwnd_);
}

void Form::Hide() { ::ShowWindow(hwnd_, SW_HIDE); }

bool Form::Visible() const { return hwnd_ && ::IsWindowVisible(hwnd_); }

void Form::SetCaption(const std::string& caption) { ::SetWindowTextA(hwnd_, caption.c_str()); }

int Form::ShowModal() {
  HWND owner = ::GetWindow(hwnd_, GW_OWNER);
  const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
  if (owner) ::EnableWindow(owner, FALSE);
  modalResult_ = 0;
  inModalLoop_ = true;
  Show();
  RunModalLoop([this] { return modalResult_ != 0 || !hwnd_ || !::IsWindowVisible(hwnd_); });
  inModalLoop_ = false;
  if (modalResult_ == 0) modalResult_ = IDCANCEL;
  if (owner && ownerWasEnabled) ::EnableWindow(owner, TRUE);
  if (hwnd_) Hide();
  if (owner) ::SetActiveWindow(owner);
  return modalResult_;
}

HWND CreateChild(HWND parent, const char* cls, const std::string& text, DWORD style, int x, int y,
                 int w, int h, int id, DWORD exStyle) {
  HWND child = ::CreateWindowExA(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w,
                                 h, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
  return child;
}

}  // namespace vconfig
