// The explorer-style button and the two simple buttons, driven by their messages
// and painted into memory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChromeHost.h"
#include "harness/Harness.h"
#include "controls/chrome/PictureStrip_win.h"
#include "controls/buttons/PushButton_win.h"
#include "controls/buttons/FlatButton_win.h"
#include "controls/buttons/ButtonKeys_win.h"
#include "controls/buttons/ExplorerButton_win.h"
#include "controls/chrome/Panel_win.h"

namespace vtest {
namespace {

using vconfig::ChromeRgb;
using vconfig::ExplorerButton;

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kGlyphMark = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kSilver = RGB(192, 192, 192);

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// A 16 x 16 glyph on the key colour with a red pixel at (1, 1).
vconfig::UniqueBitmap Glyph() {
  return MakeBitmap(16, 16, [](int x, int y) {
    if (x == 0 && y == 0) return kKey;
    if (x == 1 && y == 1) return kGlyphMark;
    return x >= 2 && y >= 2 && x < 14 && y < 14 ? RGB(0, 0, 160) : kKey;
  });
}

// A 90 x 19 button as on the main window's top bar, with a font whose cells are
// 8 x 13 pixels, so a five-letter caption is 40 pixels wide.
struct MainBarButton {
  HostForm form;
  vconfig::UniqueFont font;
  ExplorerButton button;
  std::vector<std::string> events;

  MainBarButton() {
    EXPECT_TRUE(form.Open(300, 60, true));
    font.reset(::CreateFontA(13, 8, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, FIXED_PITCH | FF_MODERN,
                             "Courier New"));
    button.SetCustomSize(90, 19);
    button.SetLayout(vconfig::TExplBtnLayout::blBitmapLeft);
    button.SetOptions(vconfig::boPopupMark | vconfig::boShowBevel | vconfig::boShowDownPattern |
                      vconfig::boTransparent);
    button.SetFont(font.get());
    button.SetFontColor(ChromeRgb(255, 255, 255));
    button.SetUnselectedFontColor(ChromeRgb(192, 192, 192));
    auto glyph = Glyph();
    button.SetBitmap(glyph.get());
    button.SetCaption("Apply");
    EXPECT_TRUE(button.Create(form.hwnd(), 10, 10));
    button.OnClick = [this](ExplorerButton&) { events.push_back("click"); };
    button.OnEnter = [this](ExplorerButton&) { events.push_back("enter"); };
    button.OnExit = [this](ExplorerButton&) { events.push_back("exit"); };
  }

  // The font's line height: 12 or 13 pixels, which both centre at top 3.
  int TextHeight() {
    Pixels px(10, 10);
    vconfig::SelectObjectScope sel(px.dc(), font.get());
    RECT r{0, 0, 0, 0};
    ::DrawTextA(px.dc(), "Apply", 5, &r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r.right, 40);
    return r.bottom;
  }

  Pixels Paint() {
    Pixels px(90, 19, RGB(1, 2, 3));
    button.PaintTo(px.dc());
    return px;
  }
  void Send(UINT msg, int x, int y, WPARAM keys = 0) {
    ::SendMessageA(button.hwnd(), msg, keys, At(x, y));
  }
};

TEST(ExplBtn, GlyphAndCaptionPlacedAndShiftedWhenPressed) {
  MainBarButton b;
  Pixels rest = b.Paint();
  EXPECT_EQ(b.button.LastPlacement().glyphLeft, 16);
  EXPECT_EQ(b.button.LastPlacement().glyphTop, 1);
  const int th = b.TextHeight();
  EXPECT_EQ(b.button.LastPlacement().text, (vconfig::BtnRect{34, 3, 74, 3 + th}));
  EXPECT_EQ(rest.at(17, 2), kGlyphMark);
  EXPECT_EQ(rest.at(16, 1), ::GetSysColor(COLOR_BTNFACE));  // the key colour stays out
  const int textX = rest.FirstX(kSilver, 32, 0, 90, 19);
  const int textY = rest.FirstY(kSilver, 32, 0, 90, 19);
  EXPECT_GE(textX, 34);
  EXPECT_LE(textX, 36);
  EXPECT_EQ(rest.FirstX(kSilver, 0, 0, 34, 19), -1);
  EXPECT_EQ(rest.at(0, 5), ::GetSysColor(COLOR_BTNFACE));  // no bevel at rest

  b.Send(WM_LBUTTONDOWN, 20, 5, MK_LBUTTON);
  EXPECT_TRUE(b.button.Pressed());
  Pixels pressed = b.Paint();
  EXPECT_EQ(pressed.at(18, 3), kGlyphMark);
  EXPECT_EQ(b.button.LastPlacement().text, (vconfig::BtnRect{35, 4, 75, 4 + th}));
  EXPECT_EQ(pressed.FirstX(kWhite, 32, 0, 90, 18), textX + 1);
  EXPECT_EQ(pressed.FirstY(kWhite, 32, 1, 89, 18), textY + 1);
  EXPECT_EQ(pressed.at(0, 5), ::GetSysColor(COLOR_BTNSHADOW));  // sunken bevel
  EXPECT_EQ(pressed.at(89, 5), ::GetSysColor(COLOR_BTNHIGHLIGHT));
  b.Send(WM_LBUTTONUP, 20, 5);
  EXPECT_EQ(b.events, (std::vector<std::string>{"enter", "click"}));
}

TEST(ExplBtn, ReleaseOutsideFiresNoClick) {
  MainBarButton b;
  b.Send(WM_MOUSEMOVE, 20, 5);
  b.Send(WM_LBUTTONDOWN, 20, 5, MK_LBUTTON);
  EXPECT_EQ(::GetCapture(), b.button.hwnd());
  b.Send(WM_MOUSEMOVE, 200, 5, MK_LBUTTON);  // dragged off while held
  b.Send(WM_LBUTTONUP, 200, 5);
  EXPECT_EQ(b.events, (std::vector<std::string>{"enter", "exit"}));
  EXPECT_FALSE(b.button.Pressed());
  EXPECT_NE(::GetCapture(), b.button.hwnd());

  // Released outside without a move in between: still no click.
  b.events.clear();
  b.Send(WM_MOUSEMOVE, 20, 5);
  b.Send(WM_LBUTTONDOWN, 20, 5, MK_LBUTTON);
  b.Send(WM_LBUTTONUP, -3, 5);
  EXPECT_EQ(b.events, (std::vector<std::string>{"enter", "exit"}));

  // A double click is its own event.
  b.events.clear();
  int doubles = 0;
  b.button.OnDblClick = [&doubles](ExplorerButton&) { ++doubles; };
  b.Send(WM_LBUTTONDBLCLK, 20, 5, MK_LBUTTON);
  b.Send(WM_LBUTTONUP, 20, 5);
  EXPECT_EQ(doubles, 1);
  EXPECT_TRUE(b.events.empty());
}

TEST(ExplBtn, EnterThenLeaveRaiseAndFlattenTheButton) {
  MainBarButton b;
  b.Send(WM_MOUSEMOVE, 20, 5);
  EXPECT_TRUE(b.button.Hot());
  Pixels hot = b.Paint();
  EXPECT_EQ(hot.at(0, 5), ::GetSysColor(COLOR_BTNHIGHLIGHT));  // raised bevel
  EXPECT_EQ(hot.at(89, 5), ::GetSysColor(COLOR_BTNSHADOW));
  EXPECT_NE(hot.FirstX(kWhite, 32, 1, 89, 18), -1);
  EXPECT_EQ(hot.FirstX(kSilver, 32, 1, 89, 18), -1);

  ::SendMessageA(b.button.hwnd(), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(b.button.Hot());
  Pixels flat = b.Paint();
  EXPECT_EQ(flat.at(0, 5), ::GetSysColor(COLOR_BTNFACE));
  EXPECT_NE(flat.FirstX(kSilver, 32, 1, 89, 18), -1);
  EXPECT_EQ(flat.FirstX(kWhite, 32, 1, 89, 18), -1);
  EXPECT_EQ(b.events, (std::vector<std::string>{"enter", "exit"}));
}

TEST(ExplBtn, LongCaptionIsCutWithAnEllipsis) {
  MainBarButton b;
  b.button.SetCaption("Configuration");  // 104 pixels in 8-pixel cells
  Pixels px = b.Paint();
  EXPECT_EQ(b.button.LastPlacement().text.width(), 90 - 4 - 2 - 16);
  EXPECT_EQ(b.button.LastPlacement().glyphLeft, 2);  // (90 - (16 + 68 + 2)) / 2
  // The ellipsis' dots are the last inked pixels, on the text's bottom rows only.
  const auto& t = b.button.LastPlacement().text;
  int lastX = -1;
  for (int x = t.left; x < t.right; ++x)
    for (int y = t.top; y < t.bottom; ++y)
      if (px.at(x, y) == kSilver) lastX = x;
  ASSERT_GT(lastX, t.left);
  for (int y = t.top; y < t.top + 6; ++y) EXPECT_NE(px.at(lastX, y), kSilver) << y;
}

TEST(ExplBtn, StripPictureShowsThroughATransparentButton) {
  HostForm form;
  ASSERT_TRUE(form.Open(300, 60, true));
  vconfig::PictureStrip strip;
  ASSERT_TRUE(strip.Create(form.hwnd(), 0, 0, 300, 25));
  auto tile = MakeBitmap(7, 5, [](int x, int y) {
    return x == 0 && y == 0 ? RGB(250, 10, 10) : RGB(20, 30, 90);
  });
  strip.SetPicture(tile.get());
  strip.SetTileImage(true);
  ExplorerButton button;
  button.SetCustomSize(40, 19);
  button.SetOptions(vconfig::boShowBevel | vconfig::boTransparent);
  button.SetBackgroundImage(&strip);
  ASSERT_TRUE(button.Create(form.hwnd(), 10, 3));
  Pixels px(40, 19);
  button.PaintTo(px.dc());
  // Button (0, 0) is strip (10, 3): copies start at multiples of 7 and 5.
  EXPECT_EQ(px.at(4, 2), RGB(250, 10, 10));   // strip (14, 5)
  EXPECT_EQ(px.at(11, 7), RGB(250, 10, 10));  // strip (21, 10)
  EXPECT_EQ(px.at(5, 2), RGB(20, 30, 90));

  button.SetOptions(vconfig::boShowBevel);
  Pixels plain(40, 19);
  button.PaintTo(plain.dc());
  EXPECT_EQ(plain.at(4, 2), ::GetSysColor(COLOR_BTNFACE));
}

TEST(ExplBtn, DisabledAndDownLooks) {
  MainBarButton b;
  b.button.SetEnabled(false);
  Pixels disabled = b.Paint();
  EXPECT_NE(disabled.at(17, 2), kGlyphMark);  // embossed, not the picture
  EXPECT_EQ(disabled.at(20, 6), ::GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(disabled.FirstX(kSilver, 0, 0, 90, 19), -1);

  b.button.SetEnabled(true);
  b.button.SetDown(true);
  Pixels down = b.Paint();
  EXPECT_EQ(down.at(18, 3), kGlyphMark);  // pressed offset
  // The checker shows where nothing else is drawn.
  EXPECT_EQ(down.at(2, 2), ::GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(down.at(3, 2), ::GetSysColor(COLOR_BTNFACE));
}

TEST(ExplBtn, GroupKeepsOneButtonDown) {
  HostForm form;
  ASSERT_TRUE(form.Open(300, 60, true));
  ExplorerButton buttons[3];
  for (int i = 0; i < 3; ++i) {
    buttons[i].SetCustomSize(40, 19);
    buttons[i].SetGroupIndex(1);
    ASSERT_TRUE(buttons[i].Create(form.hwnd(), i * 50, 0));
  }
  auto click = [](ExplorerButton& b) {
    ::SendMessageA(b.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    ::SendMessageA(b.hwnd(), WM_LBUTTONUP, 0, At(5, 5));
  };
  click(buttons[0]);
  EXPECT_TRUE(buttons[0].Down());
  click(buttons[2]);
  EXPECT_FALSE(buttons[0].Down());
  EXPECT_TRUE(buttons[2].Down());
  click(buttons[2]);
  EXPECT_TRUE(buttons[2].Down());  // no AllowAllUp: stays down
  buttons[2].SetAllowAllUp(true);
  click(buttons[2]);
  EXPECT_FALSE(buttons[2].Down());
}

// Posts a key to a window and takes it as the program's message loops do: the
// buttons are offered it before the focused control.
void PostKey(HWND target, UINT msg, WPARAM key) {
  ::PostMessageA(target, msg, key, 1);
  MSG m;
  while (::PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (vconfig::RouteButtonKeys(m)) continue;
    ::TranslateMessage(&m);
    ::DispatchMessageA(&m);
  }
}

TEST(ExplBtn, KeyboardDefaultCancelAndAccelerator) {
  HostForm form;
  ASSERT_TRUE(form.Open(300, 80, true));
  HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 40, 100, 20, form.hwnd(),
                                nullptr, nullptr, nullptr);
  ExplorerButton ok, cancel, other;
  std::vector<std::string> clicks;
  ok.SetDefault(true);
  cancel.SetCancel(true);
  other.SetCaption("&Tools");
  ASSERT_TRUE(ok.Create(form.hwnd(), 0, 0));
  ASSERT_TRUE(cancel.Create(form.hwnd(), 80, 0));
  ASSERT_TRUE(other.Create(form.hwnd(), 160, 0));
  ok.OnClick = [&clicks](ExplorerButton&) { clicks.push_back("ok"); };
  cancel.OnClick = [&clicks](ExplorerButton&) { clicks.push_back("cancel"); };
  other.OnClick = [&clicks](ExplorerButton&) { clicks.push_back("tools"); };

  ::SetFocus(edit);
  PostKey(edit, WM_KEYDOWN, VK_RETURN);
  PostKey(edit, WM_KEYDOWN, VK_ESCAPE);
  PostKey(edit, WM_SYSCHAR, 't');
  ::SetFocus(other.hwnd());
  PostKey(other.hwnd(), WM_KEYDOWN, VK_RETURN);  // the focused button, not the default
  EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel", "tools", "tools"}));

  ok.SetEnabled(false);
  clicks.clear();
  ::SetFocus(edit);
  PostKey(edit, WM_KEYDOWN, VK_RETURN);
  EXPECT_TRUE(clicks.empty());
}

TEST(ExplBtn, KeysClickOnlyTheButtonsOfTheirOwnWindow) {
  // The Default button sits on a panel inside the form; another form has its own.
  HostForm form, other;
  ASSERT_TRUE(form.Open(300, 80, true));
  ASSERT_TRUE(other.Open(300, 80, true));
  vconfig::Panel panel;
  vconfig::PanelArgs panelArgs;
  panelArgs.width = 200;
  panelArgs.height = 30;
  ASSERT_TRUE(panel.Create(form.hwnd(), panelArgs));
  HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 40, 100, 20, form.hwnd(),
                                nullptr, nullptr, nullptr);
  ExplorerButton nested, elsewhere;
  std::vector<std::string> clicks;
  nested.SetDefault(true);
  elsewhere.SetDefault(true);
  ASSERT_TRUE(elsewhere.Create(other.hwnd(), 0, 0));
  ASSERT_TRUE(nested.Create(panel.hwnd(), 0, 0));
  nested.OnClick = [&clicks](ExplorerButton&) { clicks.push_back("nested"); };
  elsewhere.OnClick = [&clicks](ExplorerButton&) { clicks.push_back("elsewhere"); };

  ::SetFocus(edit);
  PostKey(edit, WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(clicks, (std::vector<std::string>{"nested"}));
  // Other keys reach the focused control.
  PostKey(edit, WM_CHAR, 'x');
  EXPECT_EQ(WindowText(edit), "x");
}

TEST(ExplBtn, InactiveCopyKeepsTheTransparentColour) {
  ExplorerButton button;
  auto glyph = MakeBitmap(4, 1, [](int x, int) {
    const COLORREF row[] = {kKey, RGB(250, 250, 250), RGB(100, 100, 100), RGB(10, 10, 10)};
    return row[x];
  });
  button.SetBitmap(glyph.get());
  Pixels px(4, 1);
  {
    vconfig::UniqueMemDc src(::CreateCompatibleDC(px.dc()));
    vconfig::SelectObjectScope sel(src.get(), button.IBitmap());
    ::BitBlt(px.dc(), 0, 0, 4, 1, src.get(), 0, 0, SRCCOPY);
  }
  EXPECT_EQ(px.at(0, 0), kKey);
  EXPECT_EQ(px.at(1, 0), kWhite);                               // 750 > 553
  EXPECT_EQ(px.at(2, 0), ::GetSysColor(COLOR_BTNHIGHLIGHT));    // 300 > 231
  EXPECT_EQ(px.at(3, 0), RGB(0, 0, 0));                         // 30
}

TEST(SimpleButtons, SpeedButtonGroupAndBitBtnClicks) {
  HostForm form;
  ASSERT_TRUE(form.Open(300, 120, true));
  vconfig::FlatButton flags[3];
  for (int i = 0; i < 3; ++i) {
    flags[i].SetGroupIndex(1);
    ASSERT_TRUE(flags[i].Create(form.hwnd(), 0, i * 24, 23, 23));
  }
  for (auto& f : flags) EXPECT_FALSE(f.Down());  // may start with none pressed
  auto click = [](HWND w) {
    ::SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    ::SendMessageA(w, WM_LBUTTONUP, 0, At(5, 5));
  };
  click(flags[1].hwnd());
  EXPECT_TRUE(flags[1].Down());
  click(flags[0].hwnd());
  EXPECT_TRUE(flags[0].Down());
  EXPECT_FALSE(flags[1].Down());
  click(flags[0].hwnd());
  EXPECT_TRUE(flags[0].Down());  // a pressed one is not released by clicking it
  ::SendMessageA(flags[2].hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  ::SendMessageA(flags[2].hwnd(), WM_LBUTTONUP, 0, At(40, 5));  // released outside
  EXPECT_FALSE(flags[2].Down());
  EXPECT_TRUE(flags[0].Down());

  vconfig::PushButton okBtn, cancelBtn;
  int ok = 0, cancel = 0;
  okBtn.SetCaption("Ok");
  cancelBtn.SetCaption("Cancel");
  ASSERT_TRUE(okBtn.Create(form.hwnd(), 100, 0, 74, 19));
  ASSERT_TRUE(cancelBtn.Create(form.hwnd(), 180, 0, 75, 19));
  okBtn.OnClick = [&ok](vconfig::PushButton&) { ++ok; };
  cancelBtn.OnClick = [&cancel](vconfig::PushButton&) { ++cancel; };
  click(okBtn.hwnd());
  EXPECT_EQ(ok, 1);
  // Enter and Escape do nothing until the window asks for it.
  ::SetFocus(okBtn.hwnd());
  PostKey(okBtn.hwnd(), WM_KEYDOWN, VK_RETURN);
  PostKey(okBtn.hwnd(), WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(ok, 1);
  EXPECT_EQ(cancel, 0);
  okBtn.SetDefault(true);
  cancelBtn.SetCancel(true);
  PostKey(okBtn.hwnd(), WM_KEYDOWN, VK_RETURN);
  PostKey(okBtn.hwnd(), WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(ok, 2);
  EXPECT_EQ(cancel, 1);
  // Space clicks the focused push button.
  PostKey(okBtn.hwnd(), WM_KEYDOWN, VK_SPACE);
  PostKey(okBtn.hwnd(), WM_KEYUP, VK_SPACE);
  EXPECT_EQ(ok, 3);
}

}  // namespace
}  // namespace vtest
