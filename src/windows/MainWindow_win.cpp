#include "windows/MainWindow_win.h"

#include "app/Application_win.h"
#include "app/Startup_win.h"
#include "controls/PopupMenu_win.h"
#include "controls/buttons/ExplorerButton_win.h"
#include "controls/chrome/FileDialog_win.h"
#include "controls/chrome/GaugeBar_win.h"
#include "controls/chrome/Panel_win.h"
#include "controls/chrome/PictureStrip_win.h"
#include "controls/chrome/TiledBackground_win.h"
#include "controls/sectionlist/SectionList_win.h"
#include "diagnostics/ExceptionReporter_win.h"
#include "locale/Language.h"
#include "platform/FileSystem_win.h"
#include "report/ReportBody.h"
#include "report/ReportServices_win.h"
#include "windows/AboutLinks_win.h"
#include "windows/EditorWindow_win.h"
#include "windows/LanguageDialog_win.h"
#include "windows/ReportWindow_win.h"

namespace vconfig {
namespace {

constexpr int kWidth = 586;
constexpr int kHeight = 493;

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
    items.AddStrings(std::move(rows));
  }
  void SetSectionImage(int section, int image) override {
    list_.Sections()[section].ImageIndex = image;
    list_.Sections()[section].Changed();
  }

 private:
  SectionList& list_;
};

// Holds a flag up while a modal window is open, also when opening it fails.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

MainWindow::MainWindow(Application& application) : application_(application) {}

MainWindow::~MainWindow() {
  // The lists and buttons go before the window they live in.
  fileMenu_.reset();
  autostartMenu_.reset();
  contentList_.reset();
  titleLabel_.reset();
  titleBar_.reset();
  sourceTree_.reset();
  listPanel_.reset();
  closeButton_.reset();
  minimizeButton_.reset();
  languageButton_.reset();
  aboutButton_.reset();
  reportButton_.reset();
  strip_.reset();
  topBar_.reset();
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
  endsProgram_ = true;
  // Errors reported from here on show their dialog over this window.
  if (ExceptionReporter* reporter = ExceptionReporter::Instance()) reporter->SetDialogOwner(hwnd());
  RunStartup();
  return true;
}

bool MainWindow::CreateWithoutGuard() {
  if (!CreateMainWindow()) return false;
  locations_ = ReadSystemLocations();
  catalogue_ = BuildCatalogue();
  SetUp();
  return true;
}

void MainWindow::RunStartup() {
  // A failed guard has terminated the application: the window stays empty.
  if (!RunSuiteGuard(application_)) return;
  LoadLanguageModule();
  locations_ = ReadSystemLocations();
  catalogue_ = BuildCatalogue();
  RemoveStrayTempFiles(catalogue_, locations_);
  SetUp();
}

void MainWindow::SetUp() {
  CreateComponents();
  SetCaptions();
  FillSourceTree();
}

// ---- Lists ----

void MainWindow::FillSourceTree() {
  SectionList& tree = *sourceTree_;
  UpdateScope update(tree);
  tree.Sections().Clear();
  for (int g = 0; g < kGroupCount; ++g) {
    ListSection& section = tree.Sections().Add();
    section.SetCaption(catalogue_.GroupTitle(g));
    section.ReadOnly = true;
    section.FontUsage = fuBoth;
    section.ItemHeight = 20;
    section.ImageIndex = Catalogue::GroupImage(g);
    const auto& sources = catalogue_.Group(g);
    for (const ConfigSource& source : sources) section.SubItems.Add(source.caption);
    for (size_t i = 0; i < sources.size(); ++i)
      tree.SetSubItemImageIndex(section, static_cast<int>(i), sources[i].image);
  }
}

ContentEnvironment MainWindow::Environment() const {
  return ContentEnvironment{SystemFileSystem(), SystemRegistry(), locations_, GetLangString(7)};
}

void MainWindow::LoadGroupContent(int group) {
  if (group < 0 || group >= kGroupCount) return;
  SectionList& content = *contentList_;
  UpdateScope update(content);
  ContentEnvironment env = Environment();
  ContentListSink sink(content);
  LoadGroupSections(catalogue_, group, env, sink);
}

void MainWindow::OnGroupExpanded(int group) { LoadGroupContent(group); }

void MainWindow::OnGroupContracted() {
  UpdateScope update(*contentList_);
  contentList_->Sections().Clear();
}

void MainWindow::OnSourceClicked(int group, int source) {
  LoadGroupContent(group);
  SectionList& content = *contentList_;
  UpdateScope update(content);
  try {
    // Section 0 is the group's title.
    const int section = 1 + source;
    content.ExpandSection(section);
    content.ShowSectionAtTop(section);
  } catch (...) {
    // Opening the freshly loaded section is a convenience; its failure is not reported.
  }
}

void MainWindow::ToggleContentSection(int section) {
  SectionList& content = *contentList_;
  UpdateScope update(content);
  if (content.Sections()[section].State() == lssContracted) {
    content.ExpandSection(section);
  } else {
    content.ContractSection(section);
  }
  content.ShowSectionAtTop(section);
}

void MainWindow::OnContentRowClicked(int section, int row) {
  const ListSection& clicked = contentList_->Sections()[section];
  if (row < 0 || row >= clicked.SubItems.Count()) return;
  if (clicked.SubItems[row] != OtherFileRow(GetLangString(7))) return;
  openDialog_->FileName.clear();
  if (!openDialog_->Execute()) return;
  application_.Editor().OpenFile(openDialog_->FileName);
}

void MainWindow::OnContentMouseUp(bool rightButton, int x, int y) {
  if (!rightButton || contentList_->Sections().Count() == 0) return;
  popupPoint_ = POINT{x, y};
  RECT window{};
  ::GetWindowRect(hwnd(), &window);
  // A fixed offset from the window's corner, close to the list's own origin.
  ShowPopupMenus(window.left + 200 + x, window.top + 100 + y);
}

void MainWindow::ShowPopupMenus(int screenX, int screenY) {
  const std::string& title = contentList_->Sections()[0].Caption();
  const PopupChoice choice = ChoosePopupMenus(title, GetLangString(20), GetLangString(21));
  if (choice.configMenu) fileMenu_->Popup(hwnd(), screenX, screenY);
  if (choice.autostartMenu) autostartMenu_->Popup(hwnd(), screenX, screenY);
}

PopupTarget MainWindow::TargetAtPopupPoint() const {
  PopupTarget target;
  int s = 0, r = 0;
  if (contentList_->ItemAtPoint(popupPoint_.x, popupPoint_.y, s, r)) {
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

void MainWindow::PrepareFileMenu() {
  ApplyItems(*fileMenu_, PopupMenu1Items(TargetAtPopupPoint(), GetLangString(7)), "Add1", "Rem1",
             "Edit1", "View1");
}

void MainWindow::PrepareAutostartMenu() {
  const PopupItems items = PopupMenu2Items(TargetAtPopupPoint());
  ApplyItems(*autostartMenu_, items, "Add2", "Rem2", "Edit2", "View2");
  autostartMenu_->Item("Regedit2").Visible = items.registryEditor;
}

void MainWindow::ReloadSection(const std::string& caption) {
  SectionList& content = *contentList_;
  const ConfigSource* source = catalogue_.Find(caption);
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

void MainWindow::MakeReport() {
  // A click that arrives while the report window is open reports nothing.
  if (reportOpen_) return;
  ReportRequest request;
  {
    FlagScope open(reportOpen_);
    request = OpenReportWindow(hwnd(), sourceTree_->Sections(), images_.get());
  }
  ContentEnvironment env = Environment();
  TextLines body = BuildReportBody(request, catalogue_, env);
  DeliverReport(hwnd(), request.action, body);
}

void MainWindow::ShowAbout() { ShowAboutBox(hwnd()); }

void MainWindow::ChooseLanguage() {
  if (languageDialogOpen_) return;
  FlagScope open(languageDialogOpen_);
  ShowLanguageDialog(application_, hwnd());
}

void MainWindow::Minimize() { ::ShowWindow(hwnd(), SW_MINIMIZE); }

void MainWindow::RequestClose() { ::PostMessageA(hwnd(), WM_CLOSE, 0, 0); }

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
      if (endsProgram_) application_.Terminate();
      return 0;
    default:
      return Form::HandleMessage(msg, wp, lp);
  }
}

void MainWindow::OnClose() {
  // The editor's unsaved text goes only when the user agrees.
  if (!application_.ConfirmEnd()) return;
  ::DestroyWindow(hwnd());
}

}  // namespace vconfig
