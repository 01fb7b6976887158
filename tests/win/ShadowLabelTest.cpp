// ShadowLabel in a test window: automatic size with the real fonts, the shadow where its
// position puts it, the disabled look, mouse enter and leave, and accelerators.
#include <gtest/gtest.h>

#include <vector>

#include "controls/chrome/ShadowLabel_win.h"
#include "platform/Handles_win.h"

namespace vconfig {
namespace {

class ShadowLabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "ExLabelTestParent";
    ::RegisterClassA(&wc);
    parent_.reset(::CreateWindowExA(0, "ExLabelTestParent", "", WS_POPUP, 0, 0, 400,
                                    300, nullptr, nullptr, wc.hInstance, nullptr));
    ASSERT_TRUE(parent_);
  }

  // The label's pixels, painted through WM_PRINTCLIENT.
  std::vector<COLORREF> Pixels(ShadowLabel& label, int& width, int& height) {
    RECT r{};
    ::GetClientRect(label.hwnd(), &r);
    width = r.right;
    height = r.bottom;
    WindowDc screen(nullptr);
    UniqueMemDc dc(::CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
    std::vector<COLORREF> pixels;
    {
      SelectObjectScope selected(dc.get(), bitmap.get());
      ::SendMessageA(label.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(::GetPixel(dc.get(), x, y));
    }
    return pixels;
  }

  // Bounds of the pixels of one colour: left, top, right, bottom (inclusive).
  static RECT Extent(const std::vector<COLORREF>& pixels, int width, COLORREF color) {
    RECT e{1 << 20, 1 << 20, -1, -1};
    for (size_t i = 0; i < pixels.size(); ++i) {
      if (pixels[i] != color) continue;
      const int x = static_cast<int>(i) % width, y = static_cast<int>(i) / width;
      e.left = std::min<int>(e.left, x);
      e.top = std::min<int>(e.top, y);
      e.right = std::max<int>(e.right, x);
      e.bottom = std::max<int>(e.bottom, y);
    }
    return e;
  }

  UniqueWindow parent_;
};

TEST_F(ShadowLabelTest, AutoSizeKeepsARightAlignedRightEdgeAndFollowsTheFont) {
  ShadowLabel label;
  ASSERT_TRUE(label.Create(parent_.get(), 168, 199, 0, 27));
  label.SetAlignment(taRightJustify);
  LOGFONTA font{};
  font.lfHeight = -13;
  font.lfWeight = FW_BOLD;
  lstrcpyA(font.lfFaceName, "MS Sans Serif");
  label.SetFont(font);
  label.SetCaption("2.1");
  const RECT small = label.Bounds();
  label.SetCaption("12.345.678 build");
  const RECT wide = label.Bounds();
  EXPECT_EQ(small.right, 195);
  EXPECT_EQ(wide.right, 195);
  EXPECT_LT(wide.left, small.left);

  EXPECT_EQ(::SendMessageA(label.hwnd(), ELM_GETFONTHEIGHT, 0, 0), -13);
  const RECT before = label.Bounds();
  label.SetFontSize(24);
  WindowDc screen(nullptr);
  EXPECT_EQ(::SendMessageA(label.hwnd(), ELM_GETFONTHEIGHT, 0, 0),
            -::MulDiv(24, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72));
  EXPECT_GT(label.Bounds().bottom - label.Bounds().top, before.bottom - before.top);
  EXPECT_EQ(label.Bounds().right, 195);
}

TEST_F(ShadowLabelTest, ShadowLiesWhereItsPositionPutsIt) {
  struct Case {
    TShadowPosition position;
    int size;
    int dx, dy;
  };
  const Case cases[] = {{spLeftTop, 1, -1, -1},
                        {spLeftBottom, 2, -2, 2},
                        {spRightBottom, 2, 2, 2},
                        {spRightTop, 3, 3, -3}};
  for (const auto& c : cases) {
    ShadowLabel label;
    ASSERT_TRUE(label.Create(parent_.get(), 10, 10));
    label.SetAutoSize(false);
    label.SetBounds(10, 10, 120, 40);
    label.SetLayout(tlCenter);
    label.SetAlignment(taCenter);
    label.SetColor(RGB(255, 255, 255));
    label.SetFontColor(RGB(0, 0, 0));
    label.SetShadowColor(RGB(255, 0, 0));
    label.SetShadowSize(c.size);
    label.SetShadowPos(c.position);
    label.SetCaption("Shadow");
    int w = 0, h = 0;
    const auto pixels = Pixels(label, w, h);
    const RECT text = Extent(pixels, w, RGB(0, 0, 0));
    const RECT shadow = Extent(pixels, w, RGB(255, 0, 0));
    ASSERT_GE(text.right, 0) << c.position;
    ASSERT_GE(shadow.right, 0) << c.position;
    // The text covers part of its shadow; the outer edges show the offset.
    if (c.dx < 0) {
      EXPECT_EQ(shadow.left, text.left + c.dx) << c.position;
    }
    if (c.dx > 0) {
      EXPECT_EQ(shadow.right, text.right + c.dx) << c.position;
    }
    if (c.dy < 0) {
      EXPECT_EQ(shadow.top, text.top + c.dy) << c.position;
    }
    if (c.dy > 0) {
      EXPECT_EQ(shadow.bottom, text.bottom + c.dy) << c.position;
    }
  }
}

TEST_F(ShadowLabelTest, DisabledLabelIsGreyWithAShadowDownRight) {
  ShadowLabel label;
  ASSERT_TRUE(label.Create(parent_.get(), 10, 10));
  label.SetAutoSize(false);
  label.SetBounds(10, 10, 120, 40);
  label.SetLayout(tlCenter);
  label.SetColor(RGB(0, 0, 128));
  label.SetShadowSize(0);
  label.SetCaption("Disabled");
  label.SetEnabled(false);
  int w = 0, h = 0;
  const auto pixels = Pixels(label, w, h);
  const RECT text = Extent(pixels, w, ::GetSysColor(COLOR_GRAYTEXT));
  const RECT shadow = Extent(pixels, w, ::GetSysColor(COLOR_BTNHIGHLIGHT));
  ASSERT_GE(text.right, 0);
  EXPECT_EQ(shadow.right, text.right + 1);
  EXPECT_EQ(shadow.bottom, text.bottom + 1);
}

TEST_F(ShadowLabelTest, MouseEnterAndLeaveComeOncePerVisit) {
  ShadowLabel label;
  ASSERT_TRUE(label.Create(parent_.get(), 10, 10));
  label.SetCaption("Hover");
  std::vector<std::string> events;
  label.OnMouseEnter = [&](ShadowLabel&) { events.push_back("enter"); };
  label.OnMouseLeave = [&](ShadowLabel&) { events.push_back("leave"); };
  ::SendMessageA(label.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  ::SendMessageA(label.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 2));
  ::SendMessageA(label.hwnd(), WM_MOUSELEAVE, 0, 0);
  ::SendMessageA(label.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave", "enter"}));
}

TEST_F(ShadowLabelTest, AcceleratorFocusesTheFocusControl) {
  ::ShowWindow(parent_.get(), SW_SHOW);
  HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 60, 100, 20,
                                parent_.get(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ShadowLabel label;
  ASSERT_TRUE(label.Create(parent_.get(), 10, 10));
  label.SetCaption("Fish && &Chips");
  label.SetFocusControl(edit);
  ::SetFocus(parent_.get());
  EXPECT_FALSE(label.HandleAccelerator('f'));  // "&&" is a plain ampersand
  EXPECT_TRUE(label.HandleAccelerator('c'));
  EXPECT_EQ(::GetFocus(), edit);
  label.SetShowAccelChar(false);
  EXPECT_FALSE(label.HandleAccelerator('c'));
}

}  // namespace
}  // namespace vconfig
