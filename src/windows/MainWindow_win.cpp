#include "windows/MainWindow_win.h"

#include "app/Application_win.h"
#include "app/ArtworkIds.h"
#include "app/Startup_win.h"
#include "config/Catalogue.h"
#include "windows/ProgramWindows_win.h"
#include "windows/EditorWindow_win.h"
#include "controls/chrome/Bitmaps_win.h"
#include "controls/chrome/PictureStrip_win.h"
#include "controls/buttons/ExplorerButton_win.h"
#include "controls/chrome/GaugeBar_win.h"
#include "controls/chrome/TiledBackground_win.h"
#include "controls/chrome/Panel_win.h"
#include "controls/PopupMenu_win.h"
#include "controls/sectionlist/SectionList_win.h"
#include "controls/chrome/FileDialog_win.h"
#include "locale/Language.h"
#include "windows/LanguageDialog_win.h"
#include "windows/AboutLinks_win.h"
#include "platform/FileSystem_win.h"
#include "report/ReportBody.h"
#include "windows/ReportWindow_win.h"
#include "report/ReportServices_win.h"

namespace vconfig {

POINT PopupPoint{0, 0};

namespace {

constexpr int kWidth = 586;
constexpr int kHeight = 493;
constexpr int kSourceTreeId = 101;
constexpr int kContentListId = 102;


// Brackets a rebuild of a list so that it redraws once, also when a step fails.
class UpdateScope {
 public:
  explicit UpdateScope(SectionList& list) : list_(list) { list_.BeginUpdate(); }
  ~UpdateScope() { list_.EndUpdate(); }
  UpdateScope(const UpdateScope&) = delete;
  UpdateScope& operator=(const UpdateScope&) = delete;

 private:
  SectionList& list_;
};

// Fills the content list with a group's sections.
class ContentListSink : public ContentSink {
 public:
  explicit ContentListSink(SectionList& list) : list_(list) {}
  void ClearSections() override { list_.Sections().Clear(); }
  int AddSection(const std::string& title) override {
    ListSection& section = list_.Sections().Add();
    section.SetCaption(title);
    return section.Index();
  }
  void SetRows(int section, StringList rows) override {
    SectionListStrings& items = list_.Sections()[section].SubItems;
    items.Clear();
    items.AddStrings(rows);
  }
  void SetSectionImage(int section, int image) override {
    list_.Sections()[section].ImageIndex = image;
    list_.Sections()[section].Changed();
  }

 private:
  SectionList& list_;
};

}  // namespace

MainWindow::MainWindow() = default;

MainWindow::~MainWindow() {
  // The lists and buttons go before the window they live in.
  PopupMenu1_.reset();
  PopupMenu2_.reset();
  contentList_.reset();
  Panel3_.reset();
  GaugeBar1_.reset();
  sourceTree_.reset();
  Panel2_.reset();
  CloseBtn_.reset();
  minimizeBtn_.reset();
  LangBtn_.reset();
  AboutBtn_.reset();
  ReportBtn_.reset();
  strip_.reset();
  Panel1_.reset();
  background_.reset();
}

bool MainWindow::CreateMainWindow() {
  FormArgs args;
  args.className = "TUpravitFrm";
  args.caption = kApplicationTitle;
  args.width = kWidth;
  args.height = kHeight;
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  args.centred = true;
  return CreateForm(args);
}

bool MainWindow::Create() {
  if (!CreateMainWindow()) return false;
  Application::SetMainWindowHandle(hwnd());
  FormCreate();
  return true;
}

bool MainWindow::CreateWithoutGuard() {
  if (!CreateMainWindow()) return false;
  SetUp();
  return true;
}

void MainWindow::FormCreate() {
  if (!RunSuiteGuard()) {
    Application::Terminate();
    return;
  }
  LoadLanguageModule();
  ReadSystemLocations();
  SetUpCatalogue();
  SetUp();
}

void MainWindow::SetUp() {
  CreateComponents();
  SetCaptions();
  FillSourceTree();
}

// ---- Components ----

void MainWindow::CreateComponents() {
  formFont_.reset(::CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
  titleFont_.reset(::CreateFontA(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));

  ImageList1_.reset(::ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, ART_IMAGE_COUNT, 0));
  {
    UniqueBitmap strip = LoadArtworkBitmap(IDB_IMAGELIST_MAIN);
    if (strip) ::ImageList_AddMasked(ImageList1_.get(), strip.get(), TopLeftColor(strip.get()));
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
  OpenDialogEx1_ = std::make_unique<OpenFileDialog>();
  OpenDialogEx1_->owner = hwnd();
  OpenDialogEx1_->ShowPlacesBar = true;

  background_->Loaded();
}

void MainWindow::CreateTopBar() {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  Panel1_ = std::make_unique<Panel>();
  PanelArgs bar;
  bar.width = client.right;
  bar.height = 25;
  bar.bevelInner = bvLowered;
  bar.bevelOuter = bvSpace;
  Panel1_->Create(hwnd(), bar);
  const RECT inner = Panel1_->InnerRect();
  strip_ = std::make_unique<PictureStrip>();
  strip_->Create(Panel1_->hwnd(), inner.left, inner.top, inner.right - inner.left,
                    inner.bottom - inner.top);
  strip_->LoadPicture(IDB_STRIP_TILE_MAIN);
  strip_->SetTileImage(true);

  struct ButtonDef {
    std::unique_ptr<ExplorerButton>* button;
    int left;
    int image;
    void (MainWindow::*click)();
    void (MainWindow::*move)();
    void (MainWindow::*exit)();
  };
  const ButtonDef defs[] = {
      {&ReportBtn_, 0, IDB_BTN_REPORT, &MainWindow::ReportBtnClick,
       &MainWindow::ReportBtnMouseMove, &MainWindow::ReportBtnExit},
      {&AboutBtn_, 190, IDB_BTN_ABOUT, &MainWindow::AboutBtnClick,
       &MainWindow::AboutBtnMouseMove, &MainWindow::AboutBtnExit},
      {&LangBtn_, 280, IDB_BTN_LANG, &MainWindow::LangBtnClick, &MainWindow::LangBtnMouseMove,
       &MainWindow::LangBtnExit},
      {&minimizeBtn_, 370, IDB_BTN_MINIMIZE, &MainWindow::MinimizeBtnClick,
       &MainWindow::minimizeBtnMouseMove, &MainWindow::minimizeBtnExit},
      {&CloseBtn_, 460, IDB_BTN_CLOSE, &MainWindow::CloseBtnClick,
       &MainWindow::CloseBtnMouseMove, &MainWindow::CloseBtnExit},
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
    button->Create(Panel1_->hwnd(), d.left, 3);
    const auto click = d.click, move = d.move, exit = d.exit;
    button->OnClick = [this, click](ExplorerButton&) { (this->*click)(); };
    button->OnMouseMove = [this, move](ExplorerButton&, UINT, int, int) { (this->*move)(); };
    button->OnExit = [this, exit](ExplorerButton&) { (this->*exit)(); };
    *d.button = std::move(button);
  }
  // Children created later go below the picture: put it back under the buttons.
  ::SetWindowPos(strip_->hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::CreateLists() {
  Panel2_ = std::make_unique<Panel>();
  PanelArgs p2;
  p2.x = 8;
  p2.y = 36;
  p2.width = 561;
  p2.height = 417;
  p2.bevelOuter = bvRaised;
  Panel2_->Create(hwnd(), p2);
  const RECT inner = Panel2_->InnerRect();

  // The source tree, aligned to the panel's left.
  sourceTree_ = std::make_unique<SectionList>();
  SectionList& tree = *sourceTree_;
  SectionListArgs treeArgs;
  treeArgs.x = inner.left;
  treeArgs.y = inner.top;
  treeArgs.width = 193;
  treeArgs.height = inner.bottom - inner.top;
  treeArgs.id = kSourceTreeId;
  tree.Create(Panel2_->hwnd(), treeArgs);
  tree.SetColor(clInfoBk);
  tree.SectionColor = 9621720;
  tree.SetWallpaper(treeWallpaper_.get());
  tree.SetSectionHeight(20);
  tree.SetSubItemHeight(20);
  tree.SectionIndent = 14;
  tree.SubItemIndent = 14;
  tree.TabPositions().Add(80, tableft);
  tree.SetWordWrap(false);
  tree.SetOneExpanded(false);
  tree.SectionImages = ImageList1_.get();
  tree.SubItemImages = ImageList1_.get();
  tree.SelectionColor = clHighlight;
  tree.SelectionTextColor = clNavy;
  tree.ScrollWidth = 16;
  SectionListFont sectionFont = tree.SectionFont();
  sectionFont.Color = clBackground;
  tree.SetSectionFont(sectionFont);
  tree.FullFocus = true;
  tree.SectionFocus = sfDash;
  tree.ActiveSection = asFull;
  tree.NodeType = lnGlyph;
  tree.ExpandGlyph = expandGlyph_.get();
  tree.ContractGlyph = contractGlyph_.get();
  tree.SetScrollStyle(slsNormal);
  tree.URLSettings().SetURLAware(false);
  tree.OnExpandSection = [this](SectionList*, int s) { SourceTreeExpandSection(s); };
  tree.OnContractSection = [this](SectionList*, int s) { SourceTreeContractSection(s); };
  tree.OnSubItemClick = [this](SectionList*, int s, int i) {
    SourceTreeSubItemClick(s, i);
  };

  // The title strip: a gradient with a transparent label on it.
  GaugeBar1_ = std::make_unique<GaugeBar>();
  GaugeBar& gauge = *GaugeBar1_;
  gauge.Create(Panel2_->hwnd(), 200, 16, 353, 17);
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

  Panel3_ = std::make_unique<Panel>();
  PanelArgs label;
  label.x = 208;
  label.y = 16;
  label.width = 200 + 353 - 208;
  label.height = 17;
  label.bevelOuter = bvNone;
  label.transparent = true;
  label.fontColor = RGB(255, 255, 255);
  label.font = titleFont_.get();
  label.paintBelow = [this](HDC dc, const RECT& client) {
    // The label lies on the gauge bar: show the bar's pixels under it.
    const int dx = 208 - 200;
    UniqueMemDc mem(::CreateCompatibleDC(dc));
    UniqueBitmap bmp(::CreateCompatibleBitmap(dc, 353, 17));
    SelectObjectScope sel(mem.get(), bmp.get());
    GaugeBar1_->PaintTo(mem.get());
    ::BitBlt(dc, 0, 0, client.right, client.bottom, mem.get(), dx, 0, SRCCOPY);
  };
  Panel3_->Create(Panel2_->hwnd(), label);

  // The content list.
  contentList_ = std::make_unique<SectionList>();
  SectionList& content = *contentList_;
  SectionListArgs contentArgs;
  contentArgs.x = 200;
  contentArgs.y = 87;
  contentArgs.width = 345;
  contentArgs.height = 322;
  contentArgs.id = kContentListId;
  content.Create(Panel2_->hwnd(), contentArgs);
  content.SetWordWrap(true);
  content.SetWallpaper(contentWallpaper_.get());
  content.SectionColor = 14408667;
  content.ExpandDisable = true;
  content.ContractDisable = true;
  content.SetSectionHeight(20);
  content.SetSubItemHeight(20);
  content.ScrollWidth = 10;
  content.SectionImages = ImageList1_.get();
  content.SubItemImages = ImageList1_.get();
  content.FullFocus = true;
  content.SectionFocus = sfDash;
  content.ActiveSection = asFull;
  content.NodeType = lnGlyph;
  content.ExpandGlyph = expandGlyph_.get();
  content.ContractGlyph = contractGlyph_.get();
  content.SetScrollStyle(slsNormal);
  content.URLSettings().SetURLAware(false);
  content.OnSectionClick = [this](SectionList*, int s) { ContentListSectionClick(s); };
  content.OnSubItemClick = [this](SectionList*, int s, int i) {
    ContentListSubItemClick(s, i);
  };
  content.OnMouseUp = [this](SectionList*, TMouseButton button, UINT, int x, int y) {
    ContentListMouseUp(button == mbRight, x, y);
  };
}

void MainWindow::CreateMenus() {
  PopupMenu1_ = std::make_unique<PopupMenu>();
  PopupMenu1_->Add("Add1").OnClick = [this] { Add1Click(); };
  PopupMenu1_->Add("Rem1").OnClick = [this] { Rem1Click(); };
  PopupMenu1_->Add("Edit1").OnClick = [this] { Edit1Click(); };
  PopupMenu1_->Add("View1").OnClick = [this] { View1Click(); };
  PopupMenu1_->OnPopup = [this] { PopupMenu1Popup(); };

  PopupMenu2_ = std::make_unique<PopupMenu>();
  PopupMenu2_->Add("Add2").OnClick = [this] { Add2Click(); };
  PopupMenu2_->Add("Edit2").OnClick = [this] { Edit2Click(); };
  PopupMenu2_->Add("Rem2").OnClick = [this] { Rem2Click(); };
  PopupMenu2_->Add("View2").OnClick = [this] { View2Click(); };
  PopupMenu2_->OnPopup = [this] { PopupMenu2Popup(); };
}

void MainWindow::SetCaptions() {
  ReportBtn_->SetCaption(GetLangString(10));
  AboutBtn_->SetCaption(GetLangString(11));
  LangBtn_->SetCaption(GetLangString(12));
  minimizeBtn_->SetCaption(GetLangString(13));
  CloseBtn_->SetCaption(GetLangString(52));
  Panel3_->SetCaption(GetLangString(1));
  PopupMenu1_->Item("Add1").Caption = GetLangString(100);
  PopupMenu1_->Item("Rem1").Caption = GetLangString(101);
  PopupMenu1_->Item("Edit1").Caption = GetLangString(102);
  PopupMenu1_->Item("View1").Caption = GetLangString(103);
  PopupMenu2_->Item("Add2").Caption = GetLangString(100);
  PopupMenu2_->Item("Rem2").Caption = GetLangString(101);
  PopupMenu2_->Item("Edit2").Caption = GetLangString(102);
  PopupMenu2_->Item("View2").Caption = GetLangString(103);
}

void MainWindow::FillSourceTree() {
  const Catalogue& catalogue = TheCatalogue();
  SectionList& tree = *sourceTree_;
  UpdateScope update(tree);
  tree.Sections().Clear();
  for (int g = 0; g < kGroupCount; ++g) {
    ListSection& section = tree.Sections().Add();
    section.SetCaption(catalogue.GroupTitle(g));
    section.ReadOnly = true;
    section.FontUsage = fuBoth;
    section.ItemHeight = 20;
    section.ImageIndex = Catalogue::GroupImage(g);
    const auto& sources = catalogue.Group(g);
    for (const ConfigSource& source : sources) section.SubItems.Add(source.caption);
    for (size_t i = 0; i < sources.size(); ++i)
      tree.SetSubItemImageIndex(section, static_cast<int>(i), sources[i].image);
  }
}

// ---- Content list ----

ContentEnvironment MainWindow::Environment() {
  return ContentEnvironment{SystemFileSystem(), SystemRegistry(), Locations(), GetLangString(7)};
}

void MainWindow::LoadGroupContent(int group) {
  if (group < 0 || group >= kGroupCount) return;
  SectionList& content = *contentList_;
  UpdateScope update(content);
  ContentEnvironment env = Environment();
  ContentListSink sink(content);
  LoadGroupSections(TheCatalogue(), group, env, sink);
}

void MainWindow::SourceTreeExpandSection(int SectionIdx) { LoadGroupContent(SectionIdx); }

void MainWindow::SourceTreeContractSection(int) {
  UpdateScope update(*contentList_);
  contentList_->Sections().Clear();
}

void MainWindow::SourceTreeSubItemClick(int SectionIdx, int subitemidx) {
  LoadGroupContent(SectionIdx);
  SectionList& content = *contentList_;
  UpdateScope update(content);
  try {
    const int section = 1 + subitemidx;
    content.ExpandSection(section);
    content.ShowSectionAtTop(section);
  } catch (...) {
    // Opening the freshly loaded section is a convenience; its failure is not reported.
  }
}

void MainWindow::ContentListSectionClick(int SectionIdx) {
  SectionList& content = *contentList_;
  UpdateScope update(content);
  if (content.Sections()[SectionIdx].State() == lssContracted) {
    content.ExpandSection(SectionIdx);
  } else {
    content.ContractSection(SectionIdx);
  }
  content.ShowSectionAtTop(SectionIdx);
}

void MainWindow::ContentListSubItemClick(int SectionIdx, int subitemidx) {
  const ListSection& section = contentList_->Sections()[SectionIdx];
  if (subitemidx < 0 || subitemidx >= section.SubItems.Count()) return;
  if (section.SubItems[subitemidx] != OtherFileRow(GetLangString(7))) return;
  OpenDialogEx1_->FileName.clear();
  if (!OpenDialogEx1_->Execute()) return;
  TextEditfrm()->textedit(OpenDialogEx1_->FileName);
}

void MainWindow::ContentListMouseUp(bool rightButton, int X, int Y) {
  if (!rightButton || contentList_->Sections().Count() == 0) return;
  PopupPoint = POINT{X, Y};
  RECT window{};
  ::GetWindowRect(hwnd(), &window);
  // A fixed offset from the window's corner, close to the list's own origin.
  const int x = window.left + 200 + X;
  const int y = window.top + 100 + Y;
  const std::string& title = contentList_->Sections()[0].Caption();
  const PopupChoice choice = ChoosePopupMenus(title, GetLangString(20), GetLangString(21));
  if (choice.configMenu) PopupMenu1_->Popup(hwnd(), x, y);
  if (choice.autostartMenu) PopupMenu2_->Popup(hwnd(), x, y);
}

PopupTarget MainWindow::TargetAtPopupPoint() const {
  PopupTarget target;
  int s = 0, r = 0;
  if (contentList_->ItemAtPoint(PopupPoint.x, PopupPoint.y, s, r)) {
    target.section = s;
    target.row = r;
  }
  if (target.section >= 0 && target.section < contentList_->Sections().Count())
    target.sectionTitle = contentList_->Sections()[target.section].Caption();
  return target;
}

namespace {

void ApplyItems(PopupMenu& menu, const PopupItems& items, const char* add, const char* rem,
                const char* edit, const char* view) {
  menu.Item(add).Visible = items.add;
  menu.Item(rem).Visible = items.rem;
  menu.Item(edit).Visible = items.edit;
  menu.Item(view).Visible = items.view;
}

}  // namespace

void MainWindow::PopupMenu1Popup() {
  ApplyItems(*PopupMenu1_, PopupMenu1Items(TargetAtPopupPoint(), GetLangString(7)), "Add1", "Rem1",
             "Edit1", "View1");
}

void MainWindow::PopupMenu2Popup() {
  ApplyItems(*PopupMenu2_, PopupMenu2Items(TargetAtPopupPoint()), "Add2", "Rem2", "Edit2",
             "View2");
}

void MainWindow::ReloadSection(const std::string& caption) {
  SectionList& content = *contentList_;
  const ConfigSource* source = FindSource(caption);
  if (!source) return;
  for (int s = 0; s < content.Sections().Count(); ++s) {
    if (content.Sections()[s].Caption() != caption) continue;
    ContentEnvironment env = Environment();
    StringList rows = SourceRows(*source, env);
    UpdateScope update(content);
    ContentListSink(content).SetRows(s, std::move(rows));
    return;
  }
}

// ---- Top bar ----

void MainWindow::ReportBtnClick() {
  const ReportRequest request = OpenReportWindow(sourceTree_->Sections(), ImageList1_.get());
  ContentEnvironment env = Environment();
  std::vector<std::string> body = BuildReportBody(request, TheCatalogue(), env);
  DeliverReport(request.action, body);
}

void MainWindow::AboutBtnClick() {
  AboutLinks about;
  about.Execute();
}

void MainWindow::LangBtnClick() { ShowLanguageDialog(); }

void MainWindow::MinimizeBtnClick() { ::ShowWindow(hwnd(), SW_MINIMIZE); }

void MainWindow::CloseBtnClick() { ::PostMessageA(hwnd(), WM_CLOSE, 0, 0); }

void MainWindow::ShowHoverImage(ExplorerButton& button) {
  if (button.NoFocusBitmap()) button.SetBitmap(button.NoFocusBitmap());
}

void MainWindow::ShowLeaveImage(ExplorerButton& button) {
  if (button.DisabledBitmap()) button.SetBitmap(button.DisabledBitmap());
}

void MainWindow::ReportBtnMouseMove() { ShowHoverImage(*ReportBtn_); }
void MainWindow::AboutBtnMouseMove() { ShowHoverImage(*AboutBtn_); }
void MainWindow::LangBtnMouseMove() { ShowHoverImage(*LangBtn_); }
void MainWindow::minimizeBtnMouseMove() { ShowHoverImage(*minimizeBtn_); }
void MainWindow::CloseBtnMouseMove() { ShowHoverImage(*CloseBtn_); }
void MainWindow::ReportBtnExit() { ShowLeaveImage(*ReportBtn_); }
void MainWindow::AboutBtnExit() { ShowLeaveImage(*AboutBtn_); }
void MainWindow::LangBtnExit() { ShowLeaveImage(*LangBtn_); }
void MainWindow::minimizeBtnExit() { ShowLeaveImage(*minimizeBtn_); }
void MainWindow::CloseBtnExit() { ShowLeaveImage(*CloseBtn_); }

// ---- Window ----

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_GETMINMAXINFO: {
      auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
      mm->ptMinTrackSize = mm->ptMaxTrackSize = POINT{kWidth, kHeight};
      return 0;
    }
    case WM_DESTROY:
      // Closing the program's main window ends the program.
      if (hwnd() == Application::MainWindowHandle()) Application::Terminate();
      return 0;
    default:
      return Form::HandleMessage(msg, wp, lp);
  }
}

void MainWindow::OnClose() { ::DestroyWindow(hwnd()); }

}  // namespace vconfig
