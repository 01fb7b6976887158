// TBitBtn: the dialogs' push button with a small image left of its caption
// (BitBtn1, BitBtn2). Space clicks it while it has the focus; Enter and Escape
// only when the window makes it its Default or Cancel button.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "controls/BtnExplKeys_win.h"
#include "controls/Form_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class TBitBtn : public Form, private KeyButton {
 public:
  using NotifyEvent = std::function<void(TBitBtn& sender)>;

  TBitBtn();
  ~TBitBtn() override;
  bool Create(HWND parent, int x, int y, int width, int height);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  void SetGlyph(HBITMAP glyph);  // copied; top-left pixel is the transparent colour
  void LoadGlyph(int resourceId);
  HBITMAP Glyph() const { return glyph_.get(); }
  void SetFont(HFONT font);  // not owned; null: the parent's font
  bool Enabled() const;
  void SetEnabled(bool value);
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  bool Pressed() const { return pressed_ && over_; }

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

  std::string caption_;
  UniqueBitmap glyph_;
  HFONT font_ = nullptr;  // not owned
  bool default_ = false;
  bool cancel_ = false;
  bool pressed_ = false;  // left button went down on it and is held
  bool over_ = false;
  bool spaceDown_ = false;
};

}  // namespace vconfig
