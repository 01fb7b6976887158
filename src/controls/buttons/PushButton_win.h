// PushButton: the dialogs' push button with a small image left of its caption
// (BitBtn1, BitBtn2). Space clicks it while it has the focus; Enter and Escape
// only when the window makes it its Default or Cancel button.
#pragma once

#include <windows.h>

#include <functional>

#include "controls/buttons/GlyphButton_win.h"

namespace vconfig {

class PushButton : public GlyphButton {
 public:
  using NotifyEvent = std::function<void(PushButton& sender)>;

  bool Create(HWND parent, int x, int y, int width, int height);

  bool Pressed() const { return pressed_ && over_; }

  void Click();
  void PaintTo(HDC dc) override;

  NotifyEvent OnClick;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void KeyClick() override;

  bool over_ = false;
  bool spaceDown_ = false;
};

}  // namespace vconfig
