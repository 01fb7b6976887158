// TSpeedButton: a flat button with an image and an optional caption. With a
// GroupIndex it is a toggle in an exclusive group: pressing one releases the others
// of the same parent and group, and a pressed one cannot be released by clicking it
// (unless AllowAllUp); the group may start with none pressed. Enter and Escape do
// not trigger it unless the window makes it its Default or Cancel button.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "controls/BtnExplKeys_win.h"
#include "controls/Form_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class TArImage;

class TSpeedButton : public Form, private KeyButton {
 public:
  using NotifyEvent = std::function<void(TSpeedButton& sender)>;

  TSpeedButton();
  ~TSpeedButton() override;
  bool Create(HWND parent, int x, int y, int width, int height);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  void SetGlyph(HBITMAP glyph);  // copied; top-left pixel is the transparent colour
  void LoadGlyph(int resourceId);
  HBITMAP Glyph() const { return glyph_.get(); }
  void SetFont(HFONT font);  // not owned; null: the parent's font
  // The face colour when no strip picture is behind the button (default: the
  // parent's brush); a panel that paints its own colour passes it here.
  void SetColor(DWORD color);
  // The caption's colour when enabled (default: the button-text system colour).
  void SetFontColor(DWORD color);
  bool Enabled() const;
  void SetEnabled(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index) { groupIndex_ = index; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) { allowAllUp_ = value; }
  bool Down() const { return down_; }
  void SetDown(bool down);  // in a group, pressing releases the others
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  bool Hot() const { return hot_; }
  // A flat button on a tool strip shows the strip's picture around its content
  // (not owned). Without it the parent's brush colour shows.
  void SetBackgroundImage(const TArImage* image) { backgroundImage_ = image; }

  void Click();
  void PaintTo(HDC dc);
  char Accelerator() const;

  NotifyEvent OnClick;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  HWND KeyWindow() const override { return hwnd(); }
  bool KeyDefault() const override { return default_; }
  bool KeyCancel() const override { return cancel_; }
  char KeyAccelerator() const override { return Accelerator(); }
  bool KeyEnterWhenFocused() const override { return false; }
  void KeyClick() override;

  void ReleaseGroup();

  std::string caption_;
  UniqueBitmap glyph_;
  HFONT font_ = nullptr;  // not owned
  DWORD fontColor_ = 0x80000000 | COLOR_BTNTEXT;
  DWORD color_ = 0x1FFFFFFF;  // none: the parent's brush
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool down_ = false;
  bool default_ = false;
  bool cancel_ = false;
  bool hot_ = false;
  bool pressed_ = false;
  bool tracking_ = false;
  const TArImage* backgroundImage_ = nullptr;  // not owned
};

}  // namespace vconfig
