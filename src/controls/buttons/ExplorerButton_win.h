// ExplorerButton: a flat toolbar button. No frame at rest; a one-pixel raised bevel while
// the pointer is over it; sunken with its content shifted one pixel while pressed.
// With boTransparent the strip picture behind it shows through.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "controls/buttons/ButtonKeys_win.h"
#include "controls/buttons/ExplorerButtonLayout.h"
#include "controls/Form_win.h"
#include "controls/chrome/GaugeBar.h"
#include "platform/Handles_win.h"

namespace vconfig {

class PictureStrip;

// Set of TExplBtnOption values.
enum TExplBtnOption : unsigned {
  boMonoDisplay = 1u << 0,
  boIconOnly = 1u << 1,
  boPopupMark = 1u << 2,
  boShowBevel = 1u << 3,
  boShowDownPattern = 1u << 4,
  boTransparent = 1u << 5,
  boWordWrap = 1u << 6,
  boNoDepress = 1u << 7,
};
using TExplBtnOptions = unsigned;

enum class TExplBtnBevelStyle { bsRaised, bsLowered };
enum class TExplBtnDropDownStyle { ddsIExplorer, ddsOffice };
enum class TExplBtnButtonSize { bsCustom, bsSmall, bsLarge };

class ExplorerButton : public Form, private KeyButton {
 public:
  using NotifyEvent = std::function<void(ExplorerButton& sender)>;
  // button: 0 left, 1 right, 2 middle; keys: the MK_ flags; x, y in client pixels.
  using MouseEvent = std::function<void(ExplorerButton& sender, int button, UINT keys, int x, int y)>;
  using MouseMoveEvent = std::function<void(ExplorerButton& sender, UINT keys, int x, int y)>;

  ExplorerButton();
  ~ExplorerButton() override;

  // Creates the button; its size follows ButtonSize (CustomWidth x CustomHeight for
  // bsCustom). The parent is the strip the button sits on.
  bool Create(HWND parent, int x, int y);
  void SetLeftTop(int x, int y);
  void SetSize(int width, int height);  // writes back into the current size pair

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TExplBtnAlignment Alignment() const { return alignment_; }
  void SetAlignment(TExplBtnAlignment a);
  TExplBtnLayout Layout() const { return layout_; }
  void SetLayout(TExplBtnLayout l);
  TExplBtnOptions Options() const { return options_; }
  void SetOptions(TExplBtnOptions o);
  bool HasOption(TExplBtnOption o) const { return (options_ & o) != 0; }
  TExplBtnBevelStyle BevelStyle() const { return bevelStyle_; }
  void SetBevelStyle(TExplBtnBevelStyle s);
  TExplBtnShadingType ShadingType() const { return shadingType_; }
  void SetShadingType(TExplBtnShadingType t);  // regenerates the inactive copy
  TExplBtnDropDownStyle DropDownStyle() const { return dropDownStyle_; }
  void SetDropDownStyle(TExplBtnDropDownStyle s);
  TExplBtnButtonSize ButtonSize() const { return buttonSize_; }
  void SetButtonSize(TExplBtnButtonSize s);
  void SetCustomSize(int width, int height);
  void SetSmallSize(int width, int height);
  void SetLargeSize(int width, int height);
  SIZE CustomSize() const { return customSize_; }
  SIZE SmallSize() const { return smallSize_; }
  SIZE LargeSize() const { return largeSize_; }

  // Bitmaps are copied. The top-left pixel of each is its transparent colour.
  HBITMAP Bitmap() const { return bitmap_.get(); }
  void SetBitmap(HBITMAP bitmap);  // also rebuilds the inactive copy
  void LoadBitmapResource(int resourceId);
  HBITMAP NoFocusBitmap() const { return noFocusBitmap_.get(); }
  void SetNoFocusBitmap(HBITMAP bitmap);
  HBITMAP DisabledBitmap() const { return disabledBitmap_.get(); }
  void SetDisabledBitmap(HBITMAP bitmap);
  HBITMAP IBitmap() const { return inactiveBitmap_.get(); }  // the inactive (gray) copy

  ChromeColor UnselectedFontColor() const { return unselectedFontColor_; }
  void SetUnselectedFontColor(ChromeColor c);
  ChromeColor FontColor() const { return fontColor_; }
  void SetFontColor(ChromeColor c);
  void SetFont(HFONT font);  // not owned; null: the parent's font
  // Creates and owns a font of the given face and point size.
  void SetFontFace(const std::string& face, int pointSize, bool bold = false);

  bool Down() const { return down_; }
  void SetDown(bool down);  // in a group, also releases the others
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value);
  bool Enabled() const;
  void SetEnabled(bool value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);

  // Where the strip's picture comes from for boTransparent (not owned). Without
  // it the parent's brush colour shows behind the button.
  void SetBackgroundImage(const PictureStrip* image) { backgroundImage_ = image; }

  bool Hot() const { return hot_; }
  bool Pressed() const { return pressed_; }

  // Fires OnClick.
  void Click();
  // Paints the button as on screen into dc at (0, 0).
  void PaintTo(HDC dc);
  // The placement of glyph and caption that the last paint used.
  const BtnPlacement& LastPlacement() const { return lastPlacement_; }

  NotifyEvent OnClick;
  NotifyEvent OnDblClick;
  NotifyEvent OnEnter;  // the pointer entered the button
  NotifyEvent OnExit;   // the pointer left the button
  MouseEvent OnMouseDown;
  MouseEvent OnMouseUp;
  MouseMoveEvent OnMouseMove;

  // For the keyboard: the accelerator letter of the caption (upper case), or 0.
  char Accelerator() const;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  bool KeyDefault() const override { return default_; }
  bool KeyCancel() const override { return cancel_; }
  char KeyAccelerator() const override { return Accelerator(); }
  bool KeyEnterWhenFocused() const override { return true; }
  void KeyClick() override;

  void Repaint();
  void MouseDown(int x, int y, UINT keys);
  void MouseUp(int x, int y, UINT keys);
  void MouseMove(int x, int y, UINT keys);
  void PointerEntered();
  void PointerLeft();
  void ReleaseGroup();
  void BuildInactiveCopy();
  SIZE CurrentSize() const;
  SIZE GlyphSize() const;
  HFONT CurrentFont() const;
  void DrawBackground(HDC dc, int w, int h);
  void DrawGlyph(HDC dc, HBITMAP glyph, int x, int y);
  void DrawEmbossedGlyph(HDC dc, int x, int y);
  void DrawCaption(HDC dc, const RECT& r, COLORREF color, UINT flags);
  void DrawBevel(HDC dc, int a, int h, bool raised);

  std::string caption_;
  TExplBtnAlignment alignment_ = TExplBtnAlignment::taCenter;
  TExplBtnLayout layout_ = TExplBtnLayout::blBitmapTop;
  TExplBtnOptions options_ = boPopupMark | boShowBevel | boShowDownPattern;
  TExplBtnBevelStyle bevelStyle_ = TExplBtnBevelStyle::bsRaised;
  TExplBtnShadingType shadingType_ = TExplBtnShadingType::stMedium;
  TExplBtnDropDownStyle dropDownStyle_ = TExplBtnDropDownStyle::ddsIExplorer;
  TExplBtnButtonSize buttonSize_ = TExplBtnButtonSize::bsCustom;
  SIZE customSize_{75, 25};
  SIZE smallSize_{23, 22};
  SIZE largeSize_{39, 38};
  UniqueBitmap bitmap_;
  UniqueBitmap noFocusBitmap_;
  UniqueBitmap disabledBitmap_;
  UniqueBitmap inactiveBitmap_;
  ChromeColor unselectedFontColor_;
  ChromeColor fontColor_;
  HFONT font_ = nullptr;  // not owned unless it is ownedFont_
  UniqueFont ownedFont_;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool default_ = false;
  bool cancel_ = false;
  bool tabStop_ = true;
  const PictureStrip* backgroundImage_ = nullptr;  // not owned

  bool hot_ = false;
  bool pressed_ = false;
  bool tracking_ = false;
  BtnPlacement lastPlacement_;
};

}  // namespace vconfig
