// FlatButton: a flat button with an image and an optional caption. With a
// GroupIndex it is a toggle in an exclusive group: pressing one releases the others
// of the same parent and group, and a pressed one cannot be released by clicking it
// (unless AllowAllUp); the group may start with none pressed. Enter and Escape do
// not trigger it unless the window makes it its Default or Cancel button.
#pragma once

#include <windows.h>

#include <functional>

#include "controls/buttons/GlyphButton_win.h"

namespace vconfig {

class PictureStrip;

class FlatButton : public GlyphButton {
 public:
  using NotifyEvent = std::function<void(FlatButton& sender)>;

  bool Create(HWND parent, int x, int y, int width, int height);

  // The face colour when no strip picture is behind the button (default: the
  // parent's brush); a panel that paints its own colour passes it here.
  void SetColor(DWORD color);
  // The caption's colour when enabled (default: the button-text system colour).
  void SetFontColor(DWORD color);
  void SetEnabled(bool value);  // disabling also drops the hover and a held press
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index) { groupIndex_ = index; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) { allowAllUp_ = value; }
  bool Down() const { return down_; }
  void SetDown(bool down);  // in a group, pressing releases the others
  bool Hot() const { return hot_; }
  // A flat button on a tool strip shows the strip's picture around its content
  // (not owned). Without it the parent's brush colour shows.
  void SetBackgroundImage(const PictureStrip* image) { backgroundImage_ = image; }

  void Click();
  void PaintTo(HDC dc) override;

  NotifyEvent OnClick;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void KeyClick() override;

  void ReleaseGroup();

  DWORD fontColor_ = 0x80000000 | COLOR_BTNTEXT;
  DWORD color_ = 0x1FFFFFFF;  // none: the parent's brush
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool down_ = false;
  bool hot_ = false;
  bool tracking_ = false;
  const PictureStrip* backgroundImage_ = nullptr;  // not owned
};

}  // namespace vconfig
