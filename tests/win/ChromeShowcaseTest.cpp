// A form wearing all of the chrome, held on screen for a screenshot. Runs only when
// VCONFIG_SHOWCASE names a folder: it writes "ready" there once everything is
// painted, and ends when "done" appears (or after a minute).
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "ChromeHost.h"
#include "app/ArtworkIds.h"
#include "controls/chrome/Bitmaps_win.h"
#include "controls/chrome/PictureStrip_win.h"
#include "controls/buttons/PushButton_win.h"
#include "controls/buttons/FlatButton_win.h"
#include "controls/buttons/ExplorerButton_win.h"
#include "controls/chrome/GaugeBar_win.h"
#include "controls/chrome/TiledBackground_win.h"
#include "harness/Harness.h"

namespace vtest {
namespace {

using namespace vconfig;

class ShowcaseForm : public Form {
 public:
  bool Open() {
    FormArgs args;
    args.className = "ChromeShowcase";
    args.caption = "Vorn Info Config";
    args.x = 40;
    args.y = 40;
    args.width = 586;
    args.height = 493;
    return CreateForm(args);
  }
};

TEST(ChromeShowcase, HoldsTheChromeOnScreen) {
  const char* folder = std::getenv("VCONFIG_SHOWCASE");
  if (!folder || !*folder) GTEST_SKIP() << "set VCONFIG_SHOWCASE to a folder to run";
  const std::string dir = folder;

  ShowcaseForm form;
  ASSERT_TRUE(form.Open()) << ::GetLastError();
  HWND f = form.hwnd();
  TiledBackground background(form);
  background.LoadBitmapResource(IDB_FORM_TILE_MAIN);
  background.Loaded();

  PictureStrip strip;
  strip.Create(f, 0, 0, 580, 25);
  strip.LoadPicture(IDB_STRIP_TILE_MAIN);
  strip.SetTileImage(true);

  UniqueFont barFont(::CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                   "MS Sans Serif"));
  struct Def {
    const char* caption;
    int left, bitmap, noFocus, disabled;
  };
  const Def defs[] = {
      {"Report", 0, IDB_BTN_REPORT, IDB_BTN_REPORT_NOFOCUS, IDB_BTN_REPORT_DISABLED},
      {"About", 190, IDB_BTN_ABOUT, IDB_BTN_ABOUT_NOFOCUS, IDB_BTN_ABOUT_DISABLED},
      {"Language", 280, IDB_BTN_LANG, IDB_BTN_LANG_NOFOCUS, IDB_BTN_LANG_DISABLED},
      {"Minimize", 370, IDB_BTN_MINIMIZE, IDB_BTN_MINIMIZE_NOFOCUS, IDB_BTN_MINIMIZE_DISABLED},
      {"Close", 460, IDB_BTN_CLOSE, IDB_BTN_CLOSE_NOFOCUS, IDB_BTN_CLOSE_DISABLED},
  };
  std::vector<std::unique_ptr<ExplorerButton>> bar;
  for (const Def& d : defs) {
    auto b = std::make_unique<ExplorerButton>();
    b->SetCustomSize(90, 19);
    b->SetLayout(TExplBtnLayout::blBitmapLeft);
    b->SetOptions(boPopupMark | boShowBevel | boShowDownPattern | boTransparent);
    b->SetFont(barFont.get());
    b->SetFontColor(ChromeRgb(255, 255, 255));
    b->SetUnselectedFontColor(ChromeRgb(192, 192, 192));
    b->LoadBitmapResource(d.bitmap);
    b->SetNoFocusBitmap(LoadArtworkBitmap(d.noFocus).get());
    b->SetDisabledBitmap(LoadArtworkBitmap(d.disabled).get());
    b->SetCaption(d.caption);
    b->SetBackgroundImage(&strip);
    b->Create(f, d.left, 3);
    ExplorerButton* self = b.get();
    b->OnMouseMove = [self](ExplorerButton&, UINT, int, int) { self->SetBitmap(self->NoFocusBitmap()); };
    b->OnExit = [self](ExplorerButton&) { self->SetBitmap(self->DisabledBitmap()); };
    bar.push_back(std::move(b));
  }

  GaugeBar title;
  title.Create(f, 208, 52, 353, 17);
  title.SetBackgroundColor(kChromeNone);
  title.SetBorderColor1(kChromeNone);
  title.SetBorderColor2(ChromeRgb(255, 255, 255));
  title.SetBarColor1(ChromeRgb(64, 0, 128));
  title.SetBarColor2(ChromeRgb(112, 133, 190));
  title.SetBarColor3(ChromeRgb(174, 187, 219));
  title.SetMax(111);
  title.SetPosition(111);
  title.SetShowPosText(false);

  GaugeBar progress;
  progress.Create(f, 230, 230, 200, 20);
  progress.SetPosition(60);

  PictureStrip logo;
  logo.Create(f, 8, 40, 201, 201);
  logo.LoadPicture(IDB_ABOUT_LOGO);
  PictureStrip copyright;
  copyright.Create(f, 8, 250, 81, 13);
  copyright.LoadPicture(IDB_ABOUT_COPYRIGHT);
  PictureStrip images;
  images.Create(f, 100, 250, 80, 16);
  images.LoadPicture(IDB_IMAGELIST_MAIN);
  images.SetTransparent(true);
  PictureStrip expand, contract;
  expand.Create(f, 186, 253, 10, 10);
  expand.LoadPicture(IDB_GLYPH_EXPAND);
  contract.Create(f, 199, 253, 10, 10);
  contract.LoadPicture(IDB_GLYPH_CONTRACT);

  // The language dialog's flags, one pressed, and its Ok / Cancel.
  const int flags[] = {IDB_FLAG_CSY, IDB_FLAG_DE, IDB_FLAG_EN, IDB_FLAG_ES,
                       IDB_FLAG_FR,  IDB_FLAG_IT, IDB_FLAG_RUS};
  FlatButton flagButtons[7];
  for (int i = 0; i < 7; ++i) {
    flagButtons[i].SetGroupIndex(1);
    flagButtons[i].LoadGlyph(flags[i]);
    flagButtons[i].Create(f, 230 + i * 26, 90, 23, 23);
  }
  flagButtons[2].SetDown(true);
  UniqueFont bold(::CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                "MS Sans Serif"));
  FlatButton okSpeed, cancelSpeed;
  okSpeed.SetCaption("Ok");
  okSpeed.LoadGlyph(IDB_BTN_OK);
  okSpeed.SetFont(bold.get());
  okSpeed.Create(f, 230, 125, 73, 25);
  cancelSpeed.SetCaption("Cancel");
  cancelSpeed.LoadGlyph(IDB_BTN_CANCEL);
  cancelSpeed.SetFont(bold.get());
  cancelSpeed.Create(f, 306, 125, 73, 25);

  PushButton bitOk, bitCancel;
  bitOk.SetCaption("Save");
  bitOk.LoadGlyph(IDB_BTN_OK);
  bitOk.SetFont(barFont.get());
  bitOk.Create(f, 230, 170, 74, 19);
  bitCancel.SetCaption("Close");
  bitCancel.LoadGlyph(IDB_BTN_CANCEL);
  bitCancel.SetFont(barFont.get());
  bitCancel.Create(f, 307, 170, 75, 19);
  bitCancel.SetEnabled(false);

  // The report window's right-hand panel.
  PictureStrip panel;
  panel.Create(f, 470, 90, 92, 120);
  panel.LoadPicture(IDB_STRIP_TILE_PANEL);
  panel.SetTileImage(true);
  const struct {
    const char* caption;
    int glyph;
  } menu[] = {{"Print", IDB_BTN_PRINT}, {"Send", IDB_BTN_SEND}, {"Save", IDB_BTN_SAVE},
              {"Close", IDB_BTN_CANCEL}};
  FlatButton menuButtons[4];
  for (int i = 0; i < 4; ++i) {
    menuButtons[i].SetCaption(menu[i].caption);
    menuButtons[i].LoadGlyph(menu[i].glyph);
    menuButtons[i].SetFont(barFont.get());
    menuButtons[i].SetBackgroundImage(&panel);
    menuButtons[i].SetFontColor(RGB(255, 255, 255));
    menuButtons[i].Create(f, 471, 95 + i * 27, 90, 25);
  }

  PictureStrip wallTree, wallContent;
  wallTree.Create(f, 8, 280, 193, 170);
  wallTree.LoadPicture(IDB_WALLPAPER_TREE);
  wallTree.SetTileImage(true);
  wallContent.Create(f, 230, 280, 331, 170);
  wallContent.LoadPicture(IDB_WALLPAPER_CONTENT);
  wallContent.SetTileImage(true);

  form.Show();
  PumpMessages();
  // States: Report at rest, Language pressed, About hot, Minimize down. The
  // pressed button holds the mouse, which would end the other's hot state at once:
  // from here on only paint messages are taken, so both stay as they are.
  ::SendMessageA(bar[2]->hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 9));
  ::SendMessageA(bar[1]->hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 9));
  bar[3]->SetDown(true);
  ::RedrawWindow(f, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_TRUE(bar[1]->Hot());
  EXPECT_TRUE(bar[2]->Pressed());
  auto paintOnly = [] {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) ::DispatchMessageA(&msg);
  };
  paintOnly();
  WriteFileBytes(dir + "\\ready", "1");
  const DWORD until = ::GetTickCount() + 60000;
  while (!FileExists(dir + "\\done") && ::GetTickCount() < until) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_PAINT);
    paintOnly();
  }
  ::SendMessageA(bar[2]->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(20, 9));
}

}  // namespace
}  // namespace vtest
