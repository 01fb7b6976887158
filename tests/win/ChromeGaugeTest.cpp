// The gradient gauge painted with real GDI and read back pixel by pixel.
#include <gtest/gtest.h>

#include "ChromeHost.h"
#include "controls/chrome/GaugeBar_win.h"

namespace vtest {
namespace {

using vconfig::ChromeRgb;
using vconfig::kChromeNone;
using vconfig::TBarColorStyle;
using vconfig::GaugeBar;
using vconfig::TProgressDirection;

COLORREF Ref(vconfig::ChromeColor c) { return static_cast<COLORREF>(c); }

Pixels Paint(GaugeBar& bar, int w, int h) {
  Pixels px(w, h, RGB(1, 2, 3));
  bar.PaintTo(px.dc());
  return px;
}

TEST(ChromeGauge, MainWindowStripReadsBackColumnByColumn) {
  HostForm form;
  ASSERT_TRUE(form.Open(400, 60, true));
  GaugeBar bar;
  ASSERT_TRUE(bar.Create(form.hwnd(), 0, 0, 353, 17));
  bar.SetBackgroundColor(kChromeNone);
  bar.SetBorderColor1(kChromeNone);
  bar.SetBorderColor2(ChromeRgb(255, 255, 255));
  bar.SetBarColor1(ChromeRgb(64, 0, 128));
  bar.SetBarColor2(ChromeRgb(112, 133, 190));
  bar.SetBarColor3(ChromeRgb(174, 187, 219));
  bar.SetMax(111);
  bar.SetPosition(111);
  bar.SetShowPosText(false);
  const Pixels px = Paint(bar, 353, 17);
  // Row 0 carries no drawn border (clNone above, the white line ends short of it).
  for (int x = 0; x <= 175; ++x)
    ASSERT_EQ(px.at(x, 0), Ref(vconfig::GradientColor(ChromeRgb(64, 0, 128),
                                                      ChromeRgb(112, 133, 190), 176, x + 1)))
        << "column " << x;
  for (int x = 176; x <= 352; ++x)
    ASSERT_EQ(px.at(x, 0), Ref(vconfig::GradientColor(ChromeRgb(112, 133, 190),
                                                      ChromeRgb(174, 187, 219), 177, x - 175)))
        << "column " << x;
  EXPECT_EQ(px.at(0, 8), RGB(64, 0, 128));        // no left border line in clNone
  EXPECT_EQ(px.at(352, 8), RGB(255, 255, 255));   // right border
  EXPECT_EQ(px.at(100, 16), RGB(255, 255, 255));  // bottom border
  EXPECT_EQ(px.at(0, 16), RGB(64, 0, 128));       // the bottom line starts at x = 1
}

TEST(ChromeGauge, TwoPixelBarHasOneColumnPerRun) {
  HostForm form;
  ASSERT_TRUE(form.Open(100, 60, true));
  GaugeBar bar;
  ASSERT_TRUE(bar.Create(form.hwnd(), 0, 0, 2, 10));
  bar.SetShowBorder(false);
  bar.SetShowPosText(false);
  bar.SetPosition(100);
  const Pixels px = Paint(bar, 2, 10);
  EXPECT_EQ(px.at(0, 5), RGB(0, 128, 0));
  EXPECT_EQ(px.at(1, 5), RGB(255, 255, 0));
}

TEST(ChromeGauge, HalfFilledBarByDirection) {
  HostForm form;
  ASSERT_TRUE(form.Open(200, 200, true));
  GaugeBar bar;
  ASSERT_TRUE(bar.Create(form.hwnd(), 0, 0, 102, 20));
  const COLORREF bg = RGB(10, 20, 30);
  bar.SetBackgroundColor(bg);
  bar.SetShowPosText(false);
  bar.SetBarColorStyle(TBarColorStyle::cs1Color);
  bar.SetBarColor1(ChromeRgb(200, 0, 0));
  bar.SetPosition(50);
  Pixels px = Paint(bar, 102, 20);
  int filled = 0, unfilled = 0;
  for (int x = 1; x <= 100; ++x) (px.at(x, 10) == bg ? unfilled : filled) += 1;
  EXPECT_EQ(filled, 50);
  EXPECT_EQ(unfilled, 50);
  EXPECT_EQ(px.at(50, 10), RGB(200, 0, 0));
  EXPECT_EQ(px.at(51, 10), bg);
  EXPECT_EQ(px.at(0, 10), ::GetSysColor(COLOR_BTNSHADOW));  // default border colours
  EXPECT_EQ(px.at(101, 10), ::GetSysColor(COLOR_BTNHIGHLIGHT));

  bar.SetDirection(TProgressDirection::pdRightToLeft);
  px = Paint(bar, 102, 20);
  EXPECT_EQ(px.at(50, 10), bg);
  EXPECT_EQ(px.at(51, 10), RGB(200, 0, 0));

  bar.SetBounds(0, 0, 20, 102);
  bar.SetDirection(TProgressDirection::pdBottomToTop);
  px = Paint(bar, 20, 102);
  EXPECT_EQ(px.at(10, 50), bg);
  EXPECT_EQ(px.at(10, 51), RGB(200, 0, 0));
}

TEST(ChromeGauge, PositionRulesAndTheGradientCache) {
  HostForm form;
  ASSERT_TRUE(form.Open(300, 80, true));
  GaugeBar bar;
  ASSERT_TRUE(bar.Create(form.hwnd(), 0, 0, 200, 20));
  PumpMessages();
  const int builds = bar.GradientBuilds();
  ASSERT_GT(builds, 0);
  bar.SetPosition(40);
  EXPECT_EQ(bar.Position(), 40);
  EXPECT_EQ(bar.GradientBuilds(), builds);  // a position change reuses the gradient
  bar.SetPosition(101);
  bar.SetPosition(-1);
  EXPECT_EQ(bar.Position(), 40);
  bar.SetBarColor2(ChromeRgb(0, 0, 255));
  EXPECT_GT(bar.GradientBuilds(), builds);

  // The centred text, in the font colour, only when asked for.
  bar.SetFontColor(ChromeRgb(255, 0, 255));
  Pixels px = Paint(bar, 200, 20);
  const int first = px.FirstX(RGB(255, 0, 255), 0, 0, 200, 20);
  EXPECT_GT(first, 80);
  EXPECT_LT(first, 100);
  bar.SetShowPosText(false);
  px = Paint(bar, 200, 20);
  EXPECT_EQ(px.FirstX(RGB(255, 0, 255), 0, 0, 200, 20), -1);
}

}  // namespace
}  // namespace vtest
