// A form wearing all of the chrome at once: top bar buttons in each state, the title
// gauge, the pictures, the language dialog's flags and buttons, the report window's
// panel and the wallpapers.
#include <windows.h>

#include <memory>
#include <vector>

#include "ChromeHost.h"
#include "app/ArtworkIds.h"
#include "controls/Form_win.h"
#include "controls/buttons/ExplorerButton_win.h"
#include "controls/buttons/FlatButton_win.h"
#include "controls/buttons/PushButton_win.h"
#include "controls/chrome/Bitmaps_win.h"
#include "controls/chrome/GaugeBar_win.h"
#include "controls/chrome/PictureStrip_win.h"
#include "controls/chrome/TiledBackground_win.h"
#include "screens/Capture.h"
#include "screens/Scenes.h"

namespace vscreens {
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

// The picture shows the form with a margin of the (black) screen around it.
constexpr RECT kPictureArea{35, 35, 635, 535};

UniqueFont SansSerif(int weight) {
  return UniqueFont(::CreateFontA(-11, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0,
                                  "MS Sans Serif"));
}

class ChromeShowcase {
 public:
  ChromeShowcase() {
    Need(form_.Open(), "create the showcase form");
    background_.LoadBitmapResource(IDB_FORM_TILE_MAIN);
    background_.Loaded();
    AddTopBar();
    AddGauges();
    AddPictures();
    AddLanguageButtons();
    AddPushButtons();
    AddReportPanel();
    AddWallpapers();
    form_.Show();
    vtest::PumpMessages();
  }

  HWND hwnd() const { return form_.hwnd(); }
  ExplorerButton& BarButton(int index) { return *bar_[static_cast<size_t>(index)]; }

 private:
  void AddTopBar() {
    strip_.Create(hwnd(), 0, 0, 580, 25);
    strip_.LoadPicture(IDB_STRIP_TILE_MAIN);
    strip_.SetTileImage(true);
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
    for (const Def& d : defs) {
      auto b = std::make_unique<ExplorerButton>();
      b->SetCustomSize(90, 19);
      b->SetLayout(TExplBtnLayout::blBitmapLeft);
      b->SetOptions(boPopupMark | boShowBevel | boShowDownPattern | boTransparent);
      b->SetFont(barFont_.get());
      b->SetFontColor(ChromeRgb(255, 255, 255));
      b->SetUnselectedFontColor(ChromeRgb(192, 192, 192));
      b->LoadBitmapResource(d.bitmap);
      b->SetNoFocusBitmap(LoadArtworkBitmap(d.noFocus).get());
      b->SetDisabledBitmap(LoadArtworkBitmap(d.disabled).get());
      b->SetCaption(d.caption);
      b->SetBackgroundImage(&strip_);
      b->Create(hwnd(), d.left, 3);
      // As on the main window: the hot picture under the pointer, the dim one after.
      ExplorerButton* self = b.get();
      b->OnMouseMove = [self](ExplorerButton&, UINT, int, int) { self->SetBitmap(self->NoFocusBitmap()); };
      b->OnExit = [self](ExplorerButton&) { self->SetBitmap(self->DisabledBitmap()); };
      bar_.push_back(std::move(b));
    }
  }

  void AddGauges() {
    title_.Create(hwnd(), 208, 52, 353, 17);
    title_.SetBackgroundColor(kChromeNone);
    title_.SetBorderColor1(kChromeNone);
    title_.SetBorderColor2(ChromeRgb(255, 255, 255));
    title_.SetBarColor1(ChromeRgb(64, 0, 128));
    title_.SetBarColor2(ChromeRgb(112, 133, 190));
    title_.SetBarColor3(ChromeRgb(174, 187, 219));
    title_.SetMax(111);
    title_.SetPosition(111);
    title_.SetShowPosText(false);
    progress_.Create(hwnd(), 230, 230, 200, 20);
    progress_.SetPosition(60);
  }

  void AddPictures() {
    logo_.Create(hwnd(), 8, 40, 201, 201);
    logo_.LoadPicture(IDB_ABOUT_LOGO);
    copyright_.Create(hwnd(), 8, 250, 81, 13);
    copyright_.LoadPicture(IDB_ABOUT_COPYRIGHT);
    images_.Create(hwnd(), 100, 250, 80, 16);
    images_.LoadPicture(IDB_IMAGELIST_MAIN);
    images_.SetTransparent(true);
    expand_.Create(hwnd(), 186, 253, 10, 10);
    expand_.LoadPicture(IDB_GLYPH_EXPAND);
    contract_.Create(hwnd(), 199, 253, 10, 10);
    contract_.LoadPicture(IDB_GLYPH_CONTRACT);
  }

  // The language dialog's flags, English pressed, and its Ok / Cancel.
  void AddLanguageButtons() {
    const int flags[] = {IDB_FLAG_CSY, IDB_FLAG_DE, IDB_FLAG_EN, IDB_FLAG_ES,
                         IDB_FLAG_FR,  IDB_FLAG_IT, IDB_FLAG_RUS};
    for (int i = 0; i < 7; ++i) {
      flags_[i].SetGroupIndex(1);
      flags_[i].LoadGlyph(flags[i]);
      flags_[i].Create(hwnd(), 230 + i * 26, 90, 23, 23);
    }
    flags_[2].SetDown(true);
    ok_.SetCaption("Ok");
    ok_.LoadGlyph(IDB_BTN_OK);
    ok_.SetFont(bold_.get());
    ok_.Create(hwnd(), 230, 125, 73, 25);
    cancel_.SetCaption("Cancel");
    cancel_.LoadGlyph(IDB_BTN_CANCEL);
    cancel_.SetFont(bold_.get());
    cancel_.Create(hwnd(), 306, 125, 73, 25);
  }

  // The editor's buttons, the second one disabled.
  void AddPushButtons() {
    save_.SetCaption("Save");
    save_.LoadGlyph(IDB_BTN_OK);
    save_.SetFont(barFont_.get());
    save_.Create(hwnd(), 230, 170, 74, 19);
    close_.SetCaption("Close");
    close_.LoadGlyph(IDB_BTN_CANCEL);
    close_.SetFont(barFont_.get());
    close_.Create(hwnd(), 307, 170, 75, 19);
    close_.SetEnabled(false);
  }

  // The report window's right-hand panel.
  void AddReportPanel() {
    panel_.Create(hwnd(), 470, 90, 92, 120);
    panel_.LoadPicture(IDB_STRIP_TILE_PANEL);
    panel_.SetTileImage(true);
    const struct {
      const char* caption;
      int glyph;
    } menu[] = {{"Print", IDB_BTN_PRINT}, {"Send", IDB_BTN_SEND}, {"Save", IDB_BTN_SAVE},
                {"Close", IDB_BTN_CANCEL}};
    for (int i = 0; i < 4; ++i) {
      menu_[i].SetCaption(menu[i].caption);
      menu_[i].LoadGlyph(menu[i].glyph);
      menu_[i].SetFont(barFont_.get());
      menu_[i].SetBackgroundImage(&panel_);
      menu_[i].SetFontColor(RGB(255, 255, 255));
      menu_[i].Create(hwnd(), 471, 95 + i * 27, 90, 25);
    }
  }

  void AddWallpapers() {
    wallTree_.Create(hwnd(), 8, 280, 193, 170);
    wallTree_.LoadPicture(IDB_WALLPAPER_TREE);
    wallTree_.SetTileImage(true);
    wallContent_.Create(hwnd(), 230, 280, 331, 170);
    wallContent_.LoadPicture(IDB_WALLPAPER_CONTENT);
    wallContent_.SetTileImage(true);
  }

  // Declared before the controls that draw on them: destroyed after them.
  ShowcaseForm form_;
  TiledBackground background_{form_};
  PictureStrip strip_;
  UniqueFont barFont_ = SansSerif(FW_NORMAL);
  UniqueFont bold_ = SansSerif(FW_BOLD);
  std::vector<std::unique_ptr<ExplorerButton>> bar_;
  GaugeBar title_, progress_;
  PictureStrip logo_, copyright_, images_, expand_, contract_;
  FlatButton flags_[7];
  FlatButton ok_, cancel_;
  PushButton save_, close_;
  PictureStrip panel_;
  FlatButton menu_[4];
  PictureStrip wallTree_, wallContent_;
};

}  // namespace

void ChromeScene(Shots& shots) {
  enum { kAbout = 1, kLanguage = 2, kMinimize = 3 };
  ChromeShowcase showcase;
  ExplorerButton& language = showcase.BarButton(kLanguage);
  ExplorerButton& about = showcase.BarButton(kAbout);
  // Report at rest, Language pressed, About hot, Minimize down. The pressed button
  // holds the mouse, which would end the other's hot state at once: from here on only
  // paint messages are taken (as the picture is taken), so both stay as they are.
  ::SendMessageA(language.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 9));
  ::SendMessageA(about.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 9));
  showcase.BarButton(kMinimize).SetDown(true);
  ::RedrawWindow(showcase.hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Need(about.Hot(), "make About hot");
  Need(language.Pressed(), "press Language");
  shots.Save("chrome_form", kPictureArea, ::GetCurrentProcessId());
  ::SendMessageA(language.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(20, 9));
}

}  // namespace vscreens
