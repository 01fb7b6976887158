// Panel: a plain child window that groups controls, with an optional bevel and an
// optional caption. A transparent panel paints nothing but its caption, so that
// what lies below it (a gradient strip, a tiled picture) shows through.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/Handles_win.h"

namespace vconfig {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

struct PanelArgs {
  int x = 0;
  int y = 0;
  int width = 185;
  int height = 41;
  int id = 0;
  TBevelCut bevelInner = bvNone;
  TBevelCut bevelOuter = bvRaised;
  bool transparent = false;
  std::string caption;
  COLORREF fontColor = RGB(0, 0, 0);
  HFONT font = nullptr;  // not owned; the GUI font when null
  // Paints what lies below a transparent panel (client coordinates of the panel).
  // Without it a transparent panel relies on its siblings painting first.
  std::function<void(HDC dc, const RECT& client)> paintBelow;
};

class Panel {
 public:
  Panel() = default;
  ~Panel();
  Panel(const Panel&) = delete;
  Panel& operator=(const Panel&) = delete;

  bool Create(HWND parent, const PanelArgs& args);
  HWND hwnd() const { return hwnd_; }
  void SetCaption(const std::string& caption);
  const std::string& Caption() const { return args_.caption; }
  // The client area inside the bevels.
  RECT InnerRect() const;

 private:
  template <class T>
  friend LRESULT RouteMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                              WNDPROC classProc) noexcept;
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  void Paint(HDC dc);
  int BevelWidth() const;

  HWND hwnd_ = nullptr;
  PanelArgs args_;
};

}  // namespace vconfig
