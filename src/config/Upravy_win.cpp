#include "config/Upravy_win.h"

#include "app/Application_win.h"
#include "app/ArtworkIds.h"
#include "app/Startup_win.h"
#include "config/Catalogue.h"
#include "config/Forms_win.h"
#include "config/TextEditUnit_win.h"
#include "controls/ArImageBitmaps_win.h"
#include "controls/ArImage_win.h"
#include "controls/BtnExpl_win.h"
#include "controls/GaugeBar_win.h"
#include "controls/ImgBkgrnd_win.h"
#include "controls/Panel_win.h"
#include "controls/PopupMenu_win.h"
#include "controls/SectionListBox_win.h"
#include "controls/Win2kdlg_win.h"
#include "locale/Language.h"
#include "locale/Languagesettings_win.h"
#include "locale/VInfoAbout_win.h"
#include "platform/FileSystem_win.h"
#include "report/ReportBody.h"
#include "report/ReportFrm_win.h"
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
  explicit UpdateScope(TSectionListBox& list) : list_(list) { list_.BeginUpdate(); }
  ~UpdateScope() { list_.EndUpdate(); }
  UpdateScope(const UpdateScope&) = delete;
  UpdateScope& operator=(const UpdateScope&) = delete;

 private:
  TSectionListBox& list_;
};

// Fills the content list with a group's sections.
class ContentListSink : public ContentSink {
 public:
  explicit ContentListSink(TSectionListBox& list) : list_(list) {}
  void ClearSections() override { list_.Sections().Clear(); }
  int AddSection(const std::string& title) override {
    TListSection& section = list_.Sections().Add();
    section.SetCaption(title);
    return section.Index();
  }
  void SetRows(int section, StringList rows) override {
    TSectionListStrings& items = list_.Sections()[section].SubItems;
    items.Clear();
    items.AddStrings(rows);
  }
  void SetSectionImage(int section, int image) override {
    list_.Sections()[section].ImageIndex = image;
    list_.Sections()[section].Changed();
  }

 private:
  TSectionListBox& list_;
};

}  // namespace

TUpravitFrm::TUpravitFrm() = default;

TUpravitFrm::~TUpravitFrm() {
  // The lists and buttons go before the window they live in.
  PopupMenu1_.reset();
  PopupMenu2_.reset();
  SectionListBox2_.reset();
  Panel3_.reset();
  GaugeBar1_.reset();
  SectionListBox1_.reset();
  Panel2_.reset();
  CloseBtn_.reset();
  minimizeBtn_.reset();
  LangBtn_.reset();
  AboutBtn_.reset();
  ReportBtn_.reset();
  ArImage1_.reset();
  Panel1_.reset();
  ImgBkgrnd1_.reset();
}

bool TUpravitFrm::CreateMainWindow() {
  FormArgs args;
  args.className = "TUpravitFrm";
  args.caption = kApplicationTitle;
  args.width = kWidth;
  args.height = kHeight;
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  args.centred = true;
  return CreateForm(args);
}

bool TUpravitFrm::Create() {
  if (!CreateMainWindow()) return false;
  Application::SetMainWindow(hwnd());
  FormCreate();
  return true;
}

bool TUpravitFrm::CreateWithoutGuard() {
  if (!CreateMainWindow()) return false;
  SetUp();
  return true;
}

void TUpravitFrm::FormCreate() {
  if (!RunSuiteGuard()) {
    Application::Terminate();
    return;
  }
  LoadLanguageModule();
  ReadSystemLocations();
  SetUpCatalogue();
  SetUp();
}

void TUpravitFrm::SetUp() {
  CreateComponents();
  SetCaptions();
  FillSourceTree();
}

// ---- Components ----

void TUpravitFrm::CreateComponents() {
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

  ImgBkgrnd1_ = std::make_unique<TImgBkgrnd>(*this);
  ImgBkgrnd1_->LoadBitmapResource(IDB_FORM_TILE_MAIN);
  ImgBkgrnd1_->SetTileMode(TTileMode::tmTile);

  CreateTopBar();
  CreateLists();
  CreateMenus();
  OpenDialogEx1_ = std::make_unique<TOpenDialogEx>();
  OpenDialogEx1_->owner = hwnd();
  OpenDialogEx1_->ShowPlacesBar = true;

  ImgBkgrnd1_->Loaded();
}

void TUpravitFrm::CreateTopBar() {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  Panel1_ = std::make_unique<TPanel>();
  PanelArgs bar;
  bar.width = client.right;
  bar.height = 25;
  bar.bevelInner = bvLowered;
  bar.bevelOuter = bvSpace;
  Panel1_->Create(hwnd(), bar);
  const RECT inner = Panel1_->InnerRect();
  ArImage1_ = std::make_unique<TArImage>();
  ArImage1_->Create(Panel1_->hwnd(), inner.left, inner.top, inner.right - inner.left,
                    inner.bottom - inner.top);
  ArImage1_->LoadPicture(IDB_STRIP_TILE_MAIN);
  ArImage1_->SetTileImage(true);

  struct ButtonDef {
    std::unique_ptr<TExplBtn>* button;
    int left;
    int image;
    void (TUpravitFrm::*click)();
    void (TUpravitFrm::*move)();
    void (TUpravitFrm::*exit)();
  };
  const ButtonDef defs[] = {
      {&ReportBtn_, 0, IDB_BTN_REPORT, &TUpravitFrm::ReportBtnClick,
       &TUpravitFrm::ReportBtnMouseMove, &TUpravitFrm::ReportBtnExit},
      {&AboutBtn_, 190, IDB_BTN_ABOUT, &TUpravitFrm::AboutBtnClick,
       &TUpravitFrm::AboutBtnMouseMove, &TUpravitFrm::AboutBtnExit},
      {&LangBtn_, 280, IDB_BTN_LANG, &TUpravitFrm::LangBtnClick, &TUpravitFrm::LangBtnMouseMove,
       &TUpravitFrm::LangBtnExit},
      {&minimizeBtn_, 370, IDB_BTN_MINIMIZE, &TUpravitFrm::MinimizeBtnClick,
       &TUpravitFrm::minimizeBtnMouseMove, &TUpravitFrm::minimizeBtnExit},
      {&CloseBtn_, 460, IDB_BTN_CLOSE, &TUpravitFrm::CloseBtnClick,
       &TUpravitFrm::CloseBtnMouseMove, &TUpravitFrm::CloseBtnExit},
  };
  for (const ButtonDef& d : defs) {
    auto button = std::make_unique<TExplBtn>();
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
    button->SetBackgroundImage(ArImage1_.get());
    button->Create(Panel1_->hwnd(), d.left, 3);
    const auto click = d.click, move = d.move, exit = d.exit;
    button->OnClick = [this, click](TExplBtn&) { (this->*click)(); };
    button->OnMouseMove = [this, move](TExplBtn&, UINT, int, int) { (this->*move)(); };
    button->OnExit = [this, exit](TExplBtn&) { (this->*exit)(); };
    *d.button = std::move(button);
  }
  // Children created later go below the picture: put it back under the buttons.
  ::SetWindowPos(ArImage1_->hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TUpravitFrm::CreateLists() {
  Panel2_ = std::make_unique<TPanel>();
  PanelArgs p2;
  p2.x = 8;
  p2.y = 36;
  p2.width = 561;
  p2.height = 417;
  p2.bevelOuter = bvRaised;
  Panel2_->Create(hwnd(), p2);
  const RECT inner = Panel2_->InnerRect();

  // The source tree, aligned to the panel's left.
  SectionListBox1_ = std::make_unique<TSectionListBox>();
  TSectionListBox& tree = *SectionListBox1_;
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
  tree.OnExpandSection = [this](TSectionListBox*, int s) { SectionListBox1ExpandSection(s); };
  tree.OnContractSection = [this](TSectionListBox*, int s) { SectionListBox1ContractSection(s); };
  tree.OnSubItemClick = [this](TSectionListBox*, int s, int i) {
    SectionListBox1SubItemClick(s, i);
  };

  // The title strip: a gradient with a transparent label on it.
  GaugeBar1_ = std::make_unique<TGaugeBar>();
  TGaugeBar& gauge = *GaugeBar1_;
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

  Panel3_ = std::make_unique<TPanel>();
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
  SectionListBox2_ = std::make_unique<TSectionListBox>();
  TSectionListBox& content = *SectionListBox2_;
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
  content.OnSectionClick = [this](TSectionListBox*, int s) { SectionListBox2SectionClick(s); };
  content.OnSubItemClick = [this](TSectionListBox*, int s, int i) {
    SectionListBox2SubItemClick(s, i);
  };
  content.OnMouseUp = [this](TSectionListBox*, TMouseButton button, UINT, int x, int y) {
    SectionListBox2MouseUp(button == mbRight, x, y);
  };
}

void TUpravitFrm::CreateMenus() {
  PopupMenu1_ = std::make_unique<TPopupMenu>();
  PopupMenu1_->Add("Add1").OnClick = [this] { Add1Click(); };
  PopupMenu1_->Add("Rem1").OnClick = [this] { Rem1Click(); };
  PopupMenu1_->Add("Edit1").OnClick = [this] { Edit1Click(); };
  PopupMenu1_->Add("View1").OnClick = [this] { View1Click(); };
  PopupMenu1_->OnPopup = [this] { PopupMenu1Popup(); };

  PopupMenu2_ = std::make_unique<TPopupMenu>();
  PopupMenu2_->Add("Add2").OnClick = [this] { Add2Click(); };
  PopupMenu2_->Add("Edit2").OnClick = [this] { Edit2Click(); };
  PopupMenu2_->Add("Rem2").OnClick = [this] { Rem2Click(); };
  PopupMenu2_->Add("View2").OnClick = [this] { View2Click(); };
  PopupMenu2_->OnPopup = [this] { PopupMenu2Popup(); };
}

void TUpravitFrm::SetCaptions() {
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

void TUpravitFrm::FillSourceTree() {
  const Catalogue& catalogue = TheCatalogue();
  TSectionListBox& tree = *SectionListBox1_;
  UpdateScope update(tree);
  tree.Sections().Clear();
  for (int g = 0; g < kGroupCount; ++g) {
    TListSection& section = tree.Sections().Add();
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

ContentEnvironment TUpravitFrm::Environment() {
  return ContentEnvironment{SystemFileSystem(), SystemRegistry(), Locations(), GetLangString(7)};
}

void TUpravitFrm::LoadGroupContent(int group) {
  if (group < 0 || group >= kGroupCount) return;
  TSectionListBox& content = *SectionListBox2_;
  UpdateScope update(content);
  ContentEnvironment env = Environment();
  ContentListSink sink(content);
  LoadGroupSections(TheCatalogue(), group, env, sink);
}

void TUpravitFrm::SectionListBox1ExpandSection(int SectionIdx) { LoadGroupContent(SectionIdx); }

void TUpravitFrm::SectionListBox1ContractSection(int) {
  UpdateScope update(*SectionListBox2_);
  SectionListBox2_->Sections().Clear();
}

void TUpravitFrm::SectionListBox1SubItemClick(int SectionIdx, int subitemidx) {
  LoadGroupContent(SectionIdx);
  TSectionListBox& content = *SectionListBox2_;
  UpdateScope update(content);
  try {
    const int section = 1 + subitemidx;
    content.ExpandSection(section);
    content.ShowSectionAtTop(section);
  } catch (...) {
    // Opening the freshly loaded section is a convenience; its failure is not reported.
  }
}

void TUpravitFrm::SectionListBox2SectionClick(int SectionIdx) {
  TSectionListBox& content = *SectionListBox2_;
  UpdateScope update(content);
  if (content.Sections()[SectionIdx].State() == lssContracted) {
    content.ExpandSection(SectionIdx);
  } else {
    content.ContractSection(SectionIdx);
  }
  content.ShowSectionAtTop(SectionIdx);
}

void TUpravitFrm::SectionListBox2SubItemClick(int SectionIdx, int subitemidx) {
  const TListSection& section = SectionListBox2_->Sections()[SectionIdx];
  if (subitemidx < 0 || subitemidx >= section.SubItems.Count()) return;
  if (section.SubItems[subitemidx] != OtherFileRow(GetLangString(7))) return;
  OpenDialogEx1_->FileName.clear();
  if (!OpenDialogEx1_->Execute()) return;
  TextEditfrm()->textedit(OpenDialogEx1_->FileName);
}

void TUpravitFrm::SectionListBox2MouseUp(bool rightButton, int X, int Y) {
  if (!rightButton || SectionListBox2_->Sections().Count() == 0) return;
  PopupPoint = POINT{X, Y};
  RECT window{};
  ::GetWindowRect(hwnd(), &window);
  // A fixed offset from the window's corner, close to the list's own origin.
  const int x = window.left + 200 + X;
  const int y = window.top + 100 + Y;
  const std::string& title = SectionListBox2_->Sections()[0].Caption();
  const PopupChoice choice = ChoosePopupMenus(title, GetLangString(20), GetLangString(21));
  if (choice.configMenu) PopupMenu1_->Popup(hwnd(), x, y);
  if (choice.autostartMenu) PopupMenu2_->Popup(hwnd(), x, y);
}

PopupTarget TUpravitFrm::TargetAtPopupPoint() const {
  PopupTarget target;
  int s = 0, r = 0;
  if (SectionListBox2_->ItemAtPoint(PopupPoint.x, PopupPoint.y, s, r)) {
    target.section = s;
    target.row = r;
  }
  if (target.section >= 0 && target.section < SectionListBox2_->Sections().Count())
    target.sectionTitle = SectionListBox2_->Sections()[target.section].Caption();
  return target;
}

namespace {

void ApplyItems(TPopupMenu& menu, const PopupItems& items, const char* add, const char* rem,
                const char* edit, const char* view) {
  menu.Item(add).Visible = items.add;
  menu.Item(rem).Visible = items.rem;
  menu.Item(edit).Visible = items.edit;
  menu.Item(view).Visible = items.view;
}

}  // namespace

void TUpravitFrm::PopupMenu1Popup() {
  ApplyItems(*PopupMenu1_, PopupMenu1Items(TargetAtPopupPoint(), GetLangString(7)), "Add1", "Rem1",
             "Edit1", "View1");
}

void TUpravitFrm::PopupMenu2Popup() {
  ApplyItems(*PopupMenu2_, PopupMenu2Items(TargetAtPopupPoint()), "Add2", "Rem2", "Edit2",
             "View2");
}

void TUpravitFrm::ReloadSection(const std::string& caption) {
  TSectionListBox& content = *SectionListBox2_;
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

void TUpravitFrm::ReportBtnClick() {
  const ReportRequest request = OpenReportWindow(SectionListBox1_->Sections(), ImageList1_.get());
  ContentEnvironment env = Environment();
  std::vector<std::string> body = BuildReportBody(request, TheCatalogue(), env);
  DeliverReport(request.action, body);
}

void TUpravitFrm::AboutBtnClick() {
  TVInfoAbout about;
  about.Execute();
}

void TUpravitFrm::LangBtnClick() { ShowLanguageDialog(); }

void TUpravitFrm::MinimizeBtnClick() { ::ShowWindow(hwnd(), SW_MINIMIZE); }

void TUpravitFrm::CloseBtnClick() { ::PostMessageA(hwnd(), WM_CLOSE, 0, 0); }

void TUpravitFrm::ShowHoverImage(TExplBtn& button) {
  if (button.NoFocusBitmap()) button.SetBitmap(button.NoFocusBitmap());
}

void TUpravitFrm::ShowLeaveImage(TExplBtn& button) {
  if (button.DisabledBitmap()) button.SetBitmap(button.DisabledBitmap());
}

void TUpravitFrm::ReportBtnMouseMove() { ShowHoverImage(*ReportBtn_); }
void TUpravitFrm::AboutBtnMouseMove() { ShowHoverImage(*AboutBtn_); }
void TUpravitFrm::LangBtnMouseMove() { ShowHoverImage(*LangBtn_); }
void TUpravitFrm::minimizeBtnMouseMove() { ShowHoverImage(*minimizeBtn_); }
void TUpravitFrm::CloseBtnMouseMove() { ShowHoverImage(*CloseBtn_); }
void TUpravitFrm::ReportBtnExit() { ShowLeaveImage(*ReportBtn_); }
void TUpravitFrm::AboutBtnExit() { ShowLeaveImage(*AboutBtn_); }
void TUpravitFrm::LangBtnExit() { ShowLeaveImage(*LangBtn_); }
void TUpravitFrm::minimizeBtnExit() { ShowLeaveImage(*minimizeBtn_); }
void TUpravitFrm::CloseBtnExit() { ShowLeaveImage(*CloseBtn_); }

// ---- Window ----

LRESULT TUpravitFrm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_GETMINMAXINFO: {
      auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
      mm->ptMinTrackSize = mm->ptMaxTrackSize = POINT{kWidth, kHeight};
      return 0;
    }
    case WM_DESTROY:
      // Closing the program's main window ends the program.
      if (hwnd() == Application::MainWindow()) Application::Terminate();
      return 0;
    default:
      return Form::HandleMessage(msg, wp, lp);
  }
}

void TUpravitFrm::OnClose() { ::DestroyWindow(hwnd()); }

}  // namespace vconfig
