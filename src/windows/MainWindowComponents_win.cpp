// The main window's components: fonts, images and artwork, the top bar of buttons,
// the two lists with the title strip between them, and the popup menus, laid out as
// the window's design places them.
#include "windows/MainWindow_win.h"

#include "app/ArtworkIds.h"
#include "controls/PopupMenu_win.h"
#include "controls/buttons/ExplorerButton_win.h"
#include "controls/chrome/Bitmaps_win.h"
#include "controls/chrome/FileDialog_win.h"
#include "controls/chrome/GaugeBar_win.h"
#include "controls/chrome/Panel_win.h"
#include "controls/chrome/PictureStrip_win.h"
#include "controls/chrome/TiledBackground_win.h"
#include "controls/sectionlist/SectionList_win.h"
#include "locale/Language.h"
#include "windows/ProgramLists_win.h"

namespace vconfig {
namespace {

constexpr int kSourceTreeId = 101;
constexpr int kContentListId = 102;

}  // namespace

void MainWindow::CreateComponents() {
  formFont_.reset(::CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
  titleFont_.reset(::CreateFontA(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));

  images_.reset(::ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, ART_IMAGE_COUNT, 0));
  {
    UniqueBitmap strip = LoadArtworkBitmap(IDB_IMAGELIST_MAIN);
    if (strip) ::ImageList_AddMasked(images_.get(), strip.get(), TopLeftColor(strip.get()));
  }
  treeWallpaper_ = LoadArtworkBitmap(IDB_WALLPAPER_TREE);
  contentWallpaper_ = LoadArtworkBitmap(IDB_WALLPAPER_CONTENT);
  expandGlyph_ = LoadArtworkBitmap(IDB_GLYPH_EXPAND);
  contractGlyph_ = LoadArtworkBitmap(IDB_GLYPH_CONTRACT);

  background_ = std::make_unique<TiledBackground>(*this);
  background_->LoadBitmapResource(IDB_FORM_TILE_MAIN);
  background_->SetTileMode(TTileMode::tmTile);

  CreateTopBar();
  CreateLists();
  CreateMenus();
  openDialog_ = std::make_unique<OpenFileDialog>();
  openDialog_->owner = hwnd();
  openDialog_->ShowPlacesBar = true;

  background_->Loaded();
}

void MainWindow::CreateTopBar() {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  topBar_ = std::make_unique<Panel>();
  PanelArgs bar;
  bar.width = client.right;
  bar.height = 25;
  bar.bevelInner = bvLowered;
  bar.bevelOuter = bvSpace;
  topBar_->Create(hwnd(), bar);
  const RECT inner = topBar_->InnerRect();
  strip_ = std::make_unique<PictureStrip>();
  strip_->Create(topBar_->hwnd(), inner.left, inner.top, inner.right - inner.left,
                    inner.bottom - inner.top);
  strip_->LoadPicture(IDB_STRIP_TILE_MAIN);
  strip_->SetTileImage(true);

  struct ButtonDef {
    std::unique_ptr<ExplorerButton>* button;
    int left;
    int image;
    void (MainWindow::*click)();
  };
  const ButtonDef defs[] = {
      {&reportButton_, 0, IDB_BTN_REPORT, &MainWindow::MakeReport},
      {&aboutButton_, 190, IDB_BTN_ABOUT, &MainWindow::ShowAbout},
      {&languageButton_, 280, IDB_BTN_LANG, &MainWindow::ChooseLanguage},
      {&minimizeButton_, 370, IDB_BTN_MINIMIZE, &MainWindow::Minimize},
      {&closeButton_, 460, IDB_BTN_CLOSE, &MainWindow::RequestClose},
  };
  for (const ButtonDef& d : defs) {
    auto button = std::make_unique<ExplorerButton>();
    button->SetCustomSize(90, 19);
    button->SetLayout(TExplBtnLayout::blBitmapLeft);
    button->SetOptions(boPopupMark | boShowBevel | boShowDownPattern | boTransparent);
    button->SetDropDownStyle(TExplBtnDropDownStyle::ddsIExplorer);
    button->SetFontFace("MS Sans Serif", 8);
    button->SetFontColor(ChromeRgb(255, 255, 255));
    button->SetUnselectedFontColor(clSilver);
    button->LoadBitmapResource(d.image);
    button->SetNoFocusBitmap(LoadArtworkBitmap(d.image + 1).get());
    button->SetDisabledBitmap(LoadArtworkBitmap(d.image + 2).get());
    button->SetBackgroundImage(strip_.get());
    button->Create(topBar_->hwnd(), d.left, 3);
    const auto click = d.click;
    button->OnClick = [this, click](ExplorerButton&) { (this->*click)(); };
    button->OnMouseMove = [](ExplorerButton& b, UINT, int, int) { ShowHoverImage(b); };
    button->OnExit = [](ExplorerButton& b) { ShowLeaveImage(b); };
    *d.button = std::move(button);
  }
  // Children created later go below the picture: put it back under the buttons.
  ::SetWindowPos(strip_->hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::CreateLists() {
  CreateListPanel();
  CreateSourceTree();
  CreateTitleStrip();
  CreateContentList();
}

void MainWindow::CreateListPanel() {
  listPanel_ = std::make_unique<Panel>();
  PanelArgs panel;
  panel.x = 8;
  panel.y = 36;
  panel.width = 561;
  panel.height = 417;
  panel.bevelOuter = bvRaised;
  listPanel_->Create(hwnd(), panel);
}

// Aligned to the list panel's left.
void MainWindow::CreateSourceTree() {
  const RECT inner = listPanel_->InnerRect();
  sourceTree_ = std::make_unique<SectionList>();
  SectionList& tree = *sourceTree_;
  SectionListArgs args;
  args.x = inner.left;
  args.y = inner.top;
  args.width = 193;
  args.height = inner.bottom - inner.top;
  args.id = kSourceTreeId;
  tree.Create(listPanel_->hwnd(), args);
  ListArtwork art;
  art.wallpaper = treeWallpaper_.get();
  art.expandGlyph = expandGlyph_.get();
  art.contractGlyph = contractGlyph_.get();
  art.sectionImages = art.subItemImages = images_.get();
  ApplySourceTreeSettings(tree, art);
  tree.OnExpandSection = [this](SectionList*, int s) { OnGroupExpanded(s); };
  tree.OnContractSection = [this](SectionList*, int) { OnGroupContracted(); };
  tree.OnSubItemClick = [this](SectionList*, int s, int i) { OnSourceClicked(s, i); };
}

// A gradient bar with a transparent label on it, above the content list.
void MainWindow::CreateTitleStrip() {
  constexpr int kBarLeft = 200, kLabelLeft = 208, kTop = 16, kBarWidth = 353, kBarHeight = 17;
  titleBar_ = std::make_unique<GaugeBar>();
  GaugeBar& gauge = *titleBar_;
  gauge.Create(listPanel_->hwnd(), kBarLeft, kTop, kBarWidth, kBarHeight);
  gauge.SetBackgroundColor(kChromeNone);
  gauge.SetBorderColor1(kChromeNone);
  gauge.SetBorderColor2(ChromeRgb(255, 255, 255));
  gauge.SetBarColor1(8388672);
  gauge.SetBarColor2(12486000);
  gauge.SetBarColor3(14400430);
  gauge.SetMax(111);
  gauge.SetPosition(111);
  gauge.SetShowPosText(false);
  gauge.SetFont(titleFont_.get());

  titleLabel_ = std::make_unique<Panel>();
  PanelArgs label;
  label.x = kLabelLeft;
  label.y = kTop;
  label.width = kBarLeft + kBarWidth - kLabelLeft;
  label.height = kBarHeight;
  label.bevelOuter = bvNone;
  label.transparent = true;
  label.fontColor = RGB(255, 255, 255);
  label.font = titleFont_.get();
  label.paintBelow = [this](HDC dc, const RECT& client) {
    // The label lies on the gauge bar: show the bar's pixels under it.
    UniqueMemDc mem(::CreateCompatibleDC(dc));
    UniqueBitmap bmp(::CreateCompatibleBitmap(dc, kBarWidth, kBarHeight));
    SelectObjectScope sel(mem.get(), bmp.get());
    titleBar_->PaintTo(mem.get());
    ::BitBlt(dc, 0, 0, client.right, client.bottom, mem.get(), kLabelLeft - kBarLeft, 0, SRCCOPY);
  };
  titleLabel_->Create(listPanel_->hwnd(), label);
}

void MainWindow::CreateContentList() {
  contentList_ = std::make_unique<SectionList>();
  SectionList& content = *contentList_;
  SectionListArgs args;
  args.x = 200;
  args.y = 87;
  args.width = 345;
  args.height = 322;
  args.id = kContentListId;
  content.Create(listPanel_->hwnd(), args);
  ListArtwork art;
  art.wallpaper = contentWallpaper_.get();
  art.expandGlyph = expandGlyph_.get();
  art.contractGlyph = contractGlyph_.get();
  art.sectionImages = art.subItemImages = images_.get();
  ApplyContentListSettings(content, art);
  content.OnSectionClick = [this](SectionList*, int s) { ToggleContentSection(s); };
  content.OnSubItemClick = [this](SectionList*, int s, int i) { OnContentRowClicked(s, i); };
  content.OnMouseUp = [this](SectionList*, TMouseButton button, UINT, int x, int y) {
    OnContentMouseUp(button == mbRight, x, y);
  };
  content.OnContextMenuKey = [this](SectionList*) { OnContentMenuKey(); };
  content.OnKeyDown = [this](SectionList*, WPARAM key) { return OnContentKey(key); };
  content.RowTips = true;
  content.OnRowTipText = [this](SectionList*, int s, int i) { return RowPlainTextOf(s, i); };
}

void MainWindow::CreateMenus() {
  fileMenu_ = std::make_unique<PopupMenu>();
  fileMenu_->Add("Add1").OnClick = [this] { AddLine(); };
  fileMenu_->Add("Rem1").OnClick = [this] { DeleteLine(); };
  fileMenu_->Add("Edit1").OnClick = [this] { EditLine(); };
  fileMenu_->Add("View1").OnClick = [this] { ViewFile(); };
  fileMenu_->OnPopup = [this] { PrepareFileMenu(); };

  autostartMenu_ = std::make_unique<PopupMenu>();
  autostartMenu_->Add("Add2").OnClick = [this] { AddValue(); };
  autostartMenu_->Add("Edit2").OnClick = [this] { EditValue(); };
  autostartMenu_->Add("Rem2").OnClick = [this] { DeleteValue(); };
  autostartMenu_->Add("View2").OnClick = [this] { ExploreFolder(); };
  autostartMenu_->Add("Regedit2").OnClick = [this] { OpenInRegistryEditor(); };
  autostartMenu_->OnPopup = [this] { PrepareAutostartMenu(); };
}

void MainWindow::SetCaptions() {
  reportButton_->SetCaption(GetLangString(10));
  aboutButton_->SetCaption(GetLangString(11));
  languageButton_->SetCaption(GetLangString(12));
  minimizeButton_->SetCaption(GetLangString(13));
  closeButton_->SetCaption(GetLangString(52));
  titleLabel_->SetCaption(GetLangString(1));
  fileMenu_->Item("Add1").Caption = GetLangString(100);
  fileMenu_->Item("Rem1").Caption = GetLangString(101);
  fileMenu_->Item("Edit1").Caption = GetLangString(102);
  fileMenu_->Item("View1").Caption = GetLangString(103);
  autostartMenu_->Item("Add2").Caption = GetLangString(100);
  autostartMenu_->Item("Rem2").Caption = GetLangString(101);
  autostartMenu_->Item("Edit2").Caption = GetLangString(102);
  autostartMenu_->Item("View2").Caption = GetLangString(103);
  autostartMenu_->Item("Regedit2").Caption = GetLangString(110);
}

void MainWindow::ShowHoverImage(ExplorerButton& button) {
  if (button.NoFocusBitmap()) button.SetBitmap(button.NoFocusBitmap());
}

void MainWindow::ShowLeaveImage(ExplorerButton& button) {
  if (button.DisabledBitmap()) button.SetBitmap(button.DisabledBitmap());
}

}  // namespace vconfig
