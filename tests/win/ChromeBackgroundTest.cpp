// The tiled form background and the tiled picture with real windows and GDI.
#include <gtest/gtest.h>

#include "ChromeHost.h"
#include "controls/chrome/PictureStrip_win.h"
#include "controls/chrome/TiledBackground_win.h"
#include "diagnostics/Errors.h"

namespace vtest {
namespace {

using vconfig::PictureStrip;
using vconfig::TiledBackground;
using vconfig::TTileMode;

constexpr COLORREF kMark = RGB(255, 0, 0);
constexpr COLORREF kTile = RGB(0, 0, 255);
constexpr COLORREF kUnpainted = RGB(1, 2, 3);

// A tile whose top-left pixel marks where each copy starts.
vconfig::UniqueBitmap MarkedTile(int w, int h) {
  return MakeBitmap(w, h, [](int x, int y) { return x == 0 && y == 0 ? kMark : kTile; });
}

TEST(ChromeBackground, TileCoversTheMainWindowInRowsAndColumns) {
  HostForm form;
  ASSERT_TRUE(form.Open(586, 493));
  TiledBackground bg(form);
  auto tile = MarkedTile(250, 8);
  bg.SetBitmap(tile.get());
  bg.Loaded();
  ASSERT_TRUE(bg.Attached());

  // The erase request painted into a picture larger than the window shows every copy.
  Pixels px(800, 520, kUnpainted);
  ::SendMessageA(form.hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(px.dc()), 0);
  for (int row = 0; row < 62; ++row)
    for (int x : {0, 250, 500}) ASSERT_EQ(px.at(x, row * 8), kMark) << x << "," << row * 8;
  EXPECT_EQ(px.at(750, 0), kUnpainted);  // three copies a row
  EXPECT_EQ(px.at(0, 496), kUnpainted);  // 62 rows
  EXPECT_EQ(px.at(251, 3), kTile);
}

TEST(ChromeBackground, SingleCopyOnTheFormColour) {
  HostForm form;
  ASSERT_TRUE(form.Open(100, 60, true, true, ::CreateSolidBrush(RGB(0, 128, 0)), "ChromeGreenHost"));
  TiledBackground bg(form);
  auto tile = MarkedTile(20, 10);
  bg.SetBitmap(tile.get());
  bg.SetTileMode(TTileMode::tmRightVTop);
  bg.Loaded();
  Pixels px(120, 70, kUnpainted);
  ::SendMessageA(form.hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(px.dc()), 0);
  EXPECT_EQ(px.at(79, 0), kMark);
  EXPECT_EQ(px.at(78, 0), RGB(0, 128, 0));
  EXPECT_EQ(px.at(98, 9), kTile);
  EXPECT_EQ(px.at(99, 0), RGB(0, 128, 0));
  EXPECT_EQ(px.at(50, 30), RGB(0, 128, 0));

  // Inactive, or with an empty picture: only the form's colour.
  bg.SetActive(false);
  Pixels plain(120, 70, kUnpainted);
  ::SendMessageA(form.hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(plain.dc()), 0);
  EXPECT_EQ(plain.at(79, 0), RGB(0, 128, 0));
  bg.SetActive(true);
  bg.SetBitmap(nullptr);
  Pixels empty(120, 70, kUnpainted);
  ::SendMessageA(form.hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(empty.dc()), 0);
  EXPECT_EQ(empty.at(79, 0), RGB(0, 128, 0));
}

TEST(ChromeBackground, ResizeAndScrollRepaintTheWholeForm) {
  HostForm form;
  ASSERT_TRUE(form.Open(200, 150));
  TiledBackground bg(form);
  auto tile = MarkedTile(30, 7);
  bg.SetBitmap(tile.get());
  bg.Loaded();
  PumpMessages();
  ::ValidateRect(form.hwnd(), nullptr);

  ::SetWindowPos(form.hwnd(), nullptr, 0, 0, 260, 190, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{}, update{};
  ::GetClientRect(form.hwnd(), &client);
  ASSERT_TRUE(::GetUpdateRect(form.hwnd(), &update, FALSE));
  EXPECT_TRUE(::EqualRect(&client, &update));

  ::ValidateRect(form.hwnd(), nullptr);
  ::SendMessageA(form.hwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
  ASSERT_TRUE(::GetUpdateRect(form.hwnd(), &update, FALSE));
  EXPECT_TRUE(::EqualRect(&client, &update));
}

TEST(ChromeBackground, AttachErrorsAndDetachRestoresTheProcedure) {
  HostForm form;
  ASSERT_TRUE(form.Open(200, 150));
  const LONG_PTR original = ::GetWindowLongPtrA(form.hwnd(), GWLP_WNDPROC);
  {
    TiledBackground bg(form);
    bg.Loaded();
    EXPECT_NE(::GetWindowLongPtrA(form.hwnd(), GWLP_WNDPROC), original);
    bg.Attach();  // a second attach does nothing
  }
  EXPECT_EQ(::GetWindowLongPtrA(form.hwnd(), GWLP_WNDPROC), original);

  HWND child = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, form.hwnd(), nullptr,
                                 nullptr, nullptr);
  struct Case {
    HWND owner;
    const char* message;
  };
  const Case cases[] = {
      {child, "Can't attach TImgBkgrnd component to something else than a TForm."},
      {nullptr, "Unknown error: handle of form is 0"},
  };
  for (const Case& c : cases) {
    TiledBackground bg(c.owner);
    try {
      bg.Loaded();
      ADD_FAILURE() << "no error for " << c.message;
    } catch (const vconfig::AppError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_FALSE(bg.Attached());
  }
  // Not attached automatically when the flag is off.
  TiledBackground manual(form);
  manual.SetAutomaticAttach(false);
  manual.Loaded();
  EXPECT_FALSE(manual.Attached());
}

TEST(ChromeBackground, FormDestroyedBeforeTheComponent) {
  auto form = std::make_unique<HostForm>();
  ASSERT_TRUE(form->Open(120, 90));
  TiledBackground bg(*form);
  bg.Loaded();
  form.reset();  // the window goes first; the component must not touch it afterwards
  EXPECT_FALSE(bg.Attached());
}

TEST(ChromeBackground, FrameWithChildWindowsPaintsItsClientWindow) {
  HostForm form;
  ASSERT_TRUE(form.Open(300, 200, true));
  CLIENTCREATESTRUCT ccs{nullptr, 1000};
  HWND client = ::CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 300, 200,
                                  form.hwnd(), nullptr, nullptr, &ccs);
  ASSERT_NE(client, nullptr);
  TiledBackground bg(form);
  auto tile = MarkedTile(50, 10);
  bg.SetBitmap(tile.get());
  bg.Loaded();
  EXPECT_EQ(bg.AttachedWindow(), client);
  RECT r{};
  ::GetWindowRect(client, &r);
  const LRESULT hit = ::SendMessageA(client, WM_NCHITTEST, 0,
                                     MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  EXPECT_EQ(hit, HTTRANSPARENT);
  Pixels px(320, 220, kUnpainted);
  ::SendMessageA(client, WM_ERASEBKGND, reinterpret_cast<WPARAM>(px.dc()), 0);
  EXPECT_EQ(px.at(250, 190), kMark);
}

TEST(ChromePictureStrip, TilesThePictureOverTheControl) {
  HostForm form;
  ASSERT_TRUE(form.Open(300, 100, true));
  PictureStrip strip;
  ASSERT_TRUE(strip.Create(form.hwnd(), 0, 0, 100, 25));
  auto tile = MarkedTile(40, 8);
  strip.SetPicture(tile.get());
  strip.SetTileImage(true);
  Pixels px(100, 25, kUnpainted);
  ::SendMessageA(strip.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(px.dc()), PRF_CLIENT);
  for (int y : {0, 8, 16, 24})
    for (int x : {0, 40, 80}) EXPECT_EQ(px.at(x, y), kMark) << x << "," << y;
  EXPECT_EQ(px.at(99, 24), kTile);

  strip.SetTileImage(false);
  Pixels once(100, 25, kUnpainted);
  ::SendMessageA(strip.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(once.dc()), PRF_CLIENT);
  EXPECT_EQ(once.at(0, 0), kMark);
  EXPECT_NE(once.at(40, 0), kMark);
  EXPECT_NE(once.at(0, 8), kMark);
}

}  // namespace
}  // namespace vtest
