// ShadowLabel: a label that draws its text a second time, offset, as a shadow.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "controls/CustomControl_win.h"
#include "controls/chrome/ShadowLabel.h"
#include "platform/Handles_win.h"

namespace vconfig {

// Answers the height of the label's font (LOGFONT lfHeight), so that others can tell
// which size it shows.
constexpr UINT ELM_GETFONTHEIGHT = WM_USER + 0x100;

class ShadowLabel : public CustomControl {
 public:
  ShadowLabel();
  ~ShadowLabel() override;

  // Default size 65 x 17.
  bool Create(HWND parent, int left, int top, int id = 0, int width = 65, int height = 17);

  std::string Caption() const;
  void SetCaption(const std::string& text);
  void SetAlignment(TAlignment alignment);
  void SetAutoSize(bool autoSize);
  void SetLayout(TTextLayout layout);
  void SetFont(const LOGFONTA& font);
  // Points at the screen's resolution.
  void SetFontSize(int points);
  const LOGFONTA& Font() const { return font_; }
  void SetFontColor(COLORREF color);
  void SetColor(COLORREF color);
  void SetShadowColor(COLORREF color);
  void SetShadowSize(int pixels);
  void SetShadowPos(TShadowPosition position);
  void SetTransparent(bool transparent);
  void SetWordWrap(bool wordWrap);
  void SetShowAccelChar(bool show);
  void SetFocusControl(HWND control) { focusControl_ = control; }
  void SetShowFocus(bool show);
  void SetHint(const std::string& hint);
  const std::string& Hint() const { return hint_; }
  void SetTop(int top);

  // Moves the focus to FocusControl when key is this label's accelerator.
  bool HandleAccelerator(char key);

  std::function<void(ShadowLabel&)> OnMouseEnter;
  std::function<void(ShadowLabel&)> OnMouseLeave;
  std::function<void(ShadowLabel&)> OnClick;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  UINT TextFlags() const;
  void AdjustBounds();
  void Paint(HDC dc);
  void DrawLabelText(HDC dc);
  void TrackMouse();

  std::string hint_;
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  TTextLayout layout_ = tlTop;
  LOGFONTA font_{};
  UniqueFont fontHandle_;
  COLORREF fontColor_;
  COLORREF color_;
  COLORREF shadowColor_;
  int shadowSize_ = 1;
  TShadowPosition shadowPos_ = spLeftTop;
  bool transparent_ = false;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  bool showFocus_ = false;
  HWND focusControl_ = nullptr;  // not owned
  bool mouseInside_ = false;
  UniqueWindow tooltip_;
};

}  // namespace vconfig
