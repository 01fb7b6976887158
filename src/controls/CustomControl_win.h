// Base of the program's own child controls: registers a window class per control
// kind, creates the child and routes its messages to a member handler. Exceptions
// that escape a handler end in the application's general error handling.
#pragma once

#include <windows.h>

#include <string>

namespace vconfig {

class CustomControl {
 public:
  CustomControl() = default;
  virtual ~CustomControl();
  CustomControl(const CustomControl&) = delete;
  CustomControl& operator=(const CustomControl&) = delete;

  HWND hwnd() const { return hwnd_; }
  void SetBounds(int left, int top, int width, int height);
  RECT Bounds() const;  // in the parent's client coordinates
  void SetVisible(bool visible);
  bool Visible() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void Invalidate();

 protected:
  bool CreateControl(const char* className, HWND parent, const std::string& text, int x, int y,
                     int width, int height, int id, DWORD style = 0, HCURSOR cursor = nullptr,
                     HBRUSH classBackground = nullptr);
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

 private:
  template <class T>
  friend LRESULT RouteMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                              WNDPROC classProc) noexcept;
  static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;

  HWND hwnd_ = nullptr;
};

}  // namespace vconfig
