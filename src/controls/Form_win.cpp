#include "controls/Form_win.h"

#include "app/Application_win.h"
#include "controls/WindowRouting_win.h"

namespace vconfig {

Form::~Form() { DestroyDetachedWindow(hwnd_); }

bool Form::CreateForm(const FormArgs& args) {
  HINSTANCE inst = ::GetModuleHandleA(nullptr);
  if (!EnsureWindowClass(args.className, &Form::StaticWndProc, nullptr,
                         ::LoadIconA(inst, MAKEINTRESOURCEA(1)), args.background))
    return false;
  int w = args.width, h = args.height;
  if (args.clientWidth > 0) {
    RECT r{0, 0, args.clientWidth, args.clientHeight};
    ::AdjustWindowRectEx(&r, args.style, FALSE, args.exStyle);
    w = r.right - r.left;
    h = r.bottom - r.top;
  }
  int x = args.x, y = args.y;
  if (args.centred) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    x = work.left + (work.right - work.left - w) / 2;
    y = work.top + (work.bottom - work.top - h) / 2;
  }
  hwnd_ = ::CreateWindowExA(args.exStyle, args.className, args.caption.c_str(), args.style, x, y, w,
                            h, args.owner, nullptr, inst, this);
  return hwnd_ != nullptr;
}

LRESULT CALLBACK Form::StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  return RouteMessage<Form>(hwnd, msg, wp, lp);
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

FormArgs SelfPaintedChildArgs(const char* className, DWORD style, HWND parent, int x, int y,
                              int width, int height) {
  FormArgs args;
  args.className = className;
  args.style = style;
  args.owner = parent;
  args.x = x;
  args.y = y;
  args.width = width;
  args.height = height;
  args.background = nullptr;
  return args;
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
