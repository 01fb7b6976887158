// GaugeBar: a gauge with a two- or three-colour gradient bar. It draws into an
// off-screen bitmap and copies it in one step; the gradient is cached and rebuilt
// on every paint except the one that follows a position change.
#pragma once

#include <windows.h>

#include <string>

#include "controls/Form_win.h"
#include "controls/chrome/GaugeBar.h"
#include "platform/Handles_win.h"

namespace vconfig {

class GaugeBar : public Form {
 public:
  GaugeBar();
  // Default size 200 x 20.
  bool Create(HWND parent, int x, int y, int width = 200, int height = 20);
  void SetBounds(int x, int y, int width, int height);

  // Every setter paints the control at once.
  ChromeColor BackgroundColor() const { return backgroundColor_; }
  void SetBackgroundColor(ChromeColor c);
  void SetBarBitmap(HBITMAP bitmap);  // copies; null clears
  ChromeColor BarColor1() const { return barColor1_; }
  ChromeColor BarColor2() const { return barColor2_; }
  ChromeColor BarColor3() const { return barColor3_; }
  void SetBarColor1(ChromeColor c);
  void SetBarColor2(ChromeColor c);
  void SetBarColor3(ChromeColor c);
  TBarColorStyle BarColorStyle() const { return barColorStyle_; }
  void SetBarColorStyle(TBarColorStyle s);
  ChromeColor BorderColor1() const { return borderColor1_; }
  ChromeColor BorderColor2() const { return borderColor2_; }
  void SetBorderColor1(ChromeColor c);
  void SetBorderColor2(ChromeColor c);
  TProgressDirection Direction() const { return direction_; }
  void SetDirection(TProgressDirection d);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetMin(int v);
  void SetMax(int v);
  // A value outside Min..Max, or the current one, does nothing.
  void SetPosition(int v);
  const std::string& PosTextPrefix() const { return prefix_; }
  const std::string& PosTextSuffix() const { return suffix_; }
  void SetPosTextPrefix(const std::string& s);
  void SetPosTextSuffix(const std::string& s);
  bool ShowBorder() const { return showBorder_; }
  void SetShowBorder(bool v);
  bool ShowPosText() const { return showPosText_; }
  void SetShowPosText(bool v);
  void SetFont(HFONT font);  // not owned; null: the parent's font
  void SetFontColor(ChromeColor c);

  // Paints the control as on screen into dc at (0, 0).
  void PaintTo(HDC dc);
  int GradientBuilds() const { return gradientBuilds_; }  // how often the cache was rebuilt

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Changed();
  void BuildGradient(HDC work, int w, int h);
  void DrawUnfilled(HDC dc, int w, int h);
  void DrawBorder(HDC dc, int w, int h);
  void DrawPosText(HDC dc, int w, int h);

  ChromeColor backgroundColor_;
  ChromeColor barColor1_ = ChromeRgb(0, 128, 0);
  ChromeColor barColor2_ = ChromeRgb(255, 255, 0);
  ChromeColor barColor3_ = ChromeRgb(255, 0, 0);
  TBarColorStyle barColorStyle_ = TBarColorStyle::cs3Colors;
  ChromeColor borderColor1_;
  ChromeColor borderColor2_;
  TProgressDirection direction_ = TProgressDirection::pdLeftToRight;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  std::string prefix_;
  std::string suffix_ = "%";
  bool showBorder_ = true;
  bool showPosText_ = true;
  HFONT font_ = nullptr;  // not owned
  ChromeColor fontColor_ = 0;

  UniqueBitmap barBitmap_;
  UniqueBitmap work_;      // off-screen bitmap of the control's size
  UniqueBitmap gradient_;  // cached bar background
  SIZE gradientSize_{0, 0};
  bool rebuildGradient_ = true;
  int gradientBuilds_ = 0;
};

}  // namespace vconfig
