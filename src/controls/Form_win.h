// Base of the program's windows: registers a class, creates the window, and routes
// its messages to a member handler. Exceptions that escape a handler end in the
// application's general error handling, never in the system's code.
#pragma once

#include <windows.h>

#include <string>

namespace vconfig {

struct FormArgs {
  const char* className = "VConfigForm";
  std::string caption;
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int width = 400;  // outer size
  int height = 300;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  DWORD exStyle = 0;
  HWND owner = nullptr;
  HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  int clientWidth = 0;  // when set, the outer size follows from the client size
  int clientHeight = 0;
  bool centred = false;  // centred on the desktop's work area; x and y are ignored
};

class Form {
 public:
  Form() = default;
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  HWND hwnd() const { return hwnd_; }
  void Show();
  void Hide();
  bool Visible() const;
  void SetCaption(const std::string& caption);

  // Shows the form modally over its owner and runs a message loop until the form
  // sets a modal result or is closed. Returns the modal result (2 when closed).
  int ShowModal();
  // Ends the modal loop; the posted message wakes it when no other message comes.
  void SetModalResult(int result) {
    modalResult_ = result;
    if (hwnd_) ::PostMessageA(hwnd_, WM_NULL, 0, 0);
  }
  int modalResult() const { return modalResult_; }

 protected:
  bool CreateForm(const FormArgs& args);
  // The form's own message handling; the default passes to DefWindowProc.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Closing a modal form ends its loop; a modeless one hides by default.
  virtual void OnClose();
  LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

 private:
  template <class T>
  friend LRESULT RouteMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                              WNDPROC classProc) noexcept;
  static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;

  HWND hwnd_ = nullptr;
  bool inModalLoop_ = false;
  int modalResult_ = 0;
};

// A child window that paints all of itself: its class has no background brush.
FormArgs SelfPaintedChildArgs(const char* className, DWORD style, HWND parent, int x, int y,
                              int width, int height);

// Creates and owns a child control of a standard class.
HWND CreateChild(HWND parent, const char* cls, const std::string& text, DWORD style, int x, int y,
                 int w, int h, int id, DWORD exStyle = 0);

}  // namespace vconfig
