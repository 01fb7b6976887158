#include "windows/ReportWindow_win.h"

#include "app/ArtworkIds.h"
#include "controls/chrome/Bitmaps_win.h"
#include "controls/chrome/PictureStrip_win.h"
#include "controls/buttons/FlatButton_win.h"
#include "controls/chrome/TiledBackground_win.h"
#include "controls/chrome/Panel_win.h"
#include "controls/PopupMenu_win.h"
#include "controls/sectionlist/SectionList_win.h"
#include "locale/Language.h"
#include "windows/ProgramLists_win.h"

namespace vconfig {
namespace {

constexpr int kWidth = 310;
constexpr int kHeight = 375;
constexpr int kMenuPanelWidth = 92;
constexpr int kListId = 201;

UniqueFont MakeFont(bool bold) {
  return UniqueFont(::CreateFontA(-11, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif"));
}

}  // namespace

ReportWindow::ReportWindow() = default;

ReportWindow::~ReportWindow() {
  // Components go before the window they live in.
  tickMenu_.reset();
  closeButton_.reset();
  saveButton_.reset();
  sendButton_.reset();
  printButton_.reset();
  strip_.reset();
  menuPanel_.reset();
  reportList_.reset();
  listPanel_.reset();
  background_.reset();
}

bool ReportWindow::Create(HWND owner) {
  FormArgs args;
  args.className = "TReportFrm";
  args.width = kWidth;
  args.height = kHeight;
  args.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  args.owner = owner;
  args.centred = true;
  if (!CreateForm(args)) return false;
  CreateComponents();
  SetCaptions();
  return true;
}

void ReportWindow::CreateComponents() {
  font_ = MakeFont(false);
  listFont_ = MakeFont(true);
  ::SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  background_ = std::make_unique<TiledBackground>(*this);
  background_->LoadBitmapResource(IDB_FORM_TILE);
  background_->SetTileMode(TTileMode::tmTile);
  CreateList();
  CreateMenuPanel();
  tickMenu_ = std::make_unique<PopupMenu>();
  tickMenu_->Add("SelAll1").OnClick = [this] { TickAll(); };
  tickMenu_->Add("UnselAll1").OnClick = [this] { UntickAll(); };
  background_->Loaded();
}

void ReportWindow::CreateList() {
  listPanel_ = std::make_unique<Panel>();
  PanelArgs panel;
  panel.x = 3;
  panel.y = 5;
  panel.width = 201;
  panel.height = 329;
  listPanel_->Create(hwnd(), panel);

  wallpaper_ = LoadArtworkBitmap(IDB_WALLPAPER_TREE);
  expandGlyph_ = LoadArtworkBitmap(IDB_GLYPH_EXPAND);
  contractGlyph_ = LoadArtworkBitmap(IDB_GLYPH_CONTRACT);

  reportList_ = std::make_unique<SectionList>();
  SectionList& list = *reportList_;
  SectionListArgs args;
  args.x = 4;
  args.y = 0;
  args.width = 193;
  args.height = 327;
  args.id = kListId;
  list.Create(listPanel_->hwnd(), args);
  ListArtwork art;
  art.wallpaper = wallpaper_.get();
  art.expandGlyph = expandGlyph_.get();
  art.contractGlyph = contractGlyph_.get();
  ApplyReportListSettings(list, art);
  list.OnMouseUp = [this](SectionList*, TMouseButton button, UINT, int x, int y) {
    OnListMouseUp(button == mbRight, x, y);
  };
}

void ReportWindow::CreateMenuPanel() {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  menuPanel_ = std::make_unique<Panel>();
  PanelArgs panel;
  panel.x = client.right - kMenuPanelWidth;
  panel.y = 0;
  panel.width = kMenuPanelWidth;
  panel.height = client.bottom;
  panel.bevelOuter = bvNone;
  menuPanel_->Create(hwnd(), panel);
  strip_ = std::make_unique<PictureStrip>();
  strip_->Create(menuPanel_->hwnd(), 0, 0, kMenuPanelWidth, client.bottom);
  strip_->LoadPicture(IDB_STRIP_TILE_PANEL);
  strip_->SetTileImage(true);

  struct ButtonDef {
    std::unique_ptr<FlatButton>* button;
    int x;
    int y;
    int glyph;
    void (ReportWindow::*click)();
  };
  const ButtonDef defs[] = {
      {&printButton_, 2, 9, IDB_BTN_PRINT, &ReportWindow::Print},
      {&sendButton_, 1, 34, IDB_BTN_SEND, &ReportWindow::Send},
      {&saveButton_, 1, 60, IDB_BTN_SAVE, &ReportWindow::Save},
      {&closeButton_, 1, 86, IDB_BTN_CANCEL, &ReportWindow::Cancel},
  };
  for (const ButtonDef& d : defs) {
    auto button = std::make_unique<FlatButton>();
    button->Create(menuPanel_->hwnd(), d.x, d.y, 90, 25);
    button->LoadGlyph(d.glyph);
    button->SetFont(font_.get());
    const auto click = d.click;
    button->OnClick = [this, click](FlatButton&) { (this->*click)(); };
    *d.button = std::move(button);
  }
}

void ReportWindow::SetCaptions() {
  printButton_->SetCaption(GetLangString(50100));
  sendButton_->SetCaption(GetLangString(50102));
  saveButton_->SetCaption(GetLangString(50101));
  closeButton_->SetCaption(GetLangString(52));
  tickMenu_->Item("SelAll1").Caption = GetLangString(50103);
  tickMenu_->Item("UnselAll1").Caption = GetLangString(50104);
  SetCaption(GetLangString(50200));
}

void ReportWindow::CopyImages(HIMAGELIST images) {
  if (!images) return;
  sectionImages_.reset(::ImageList_Duplicate(images));
  entryImages_.reset(::ImageList_Duplicate(images));
  reportList_->SectionImages = sectionImages_.get();
  reportList_->SubItemImages = entryImages_.get();
}

void ReportWindow::CopySections(const ListSectionCollection& sections) {
  SectionList& list = *reportList_;
  list.BeginUpdate();
  list.Sections().Clear();
  for (int s = 0; s < sections.Count(); ++s) {
    const ListSection& from = sections[s];
    ListSection& to = list.Sections().Add();
    to.SetCaption(from.Caption());
    to.ImageIndex = from.ImageIndex;
    to.FontUsage = fuBoth;
    to.Font = list.Font();
    to.ItemHeight = 20;
    for (const auto& item : from.SubItems.Items())
      to.SubItems.Add(item.text, subitemdata::WithChecked(item.data, false));
  }
  list.EndUpdate();
}

void ReportWindow::MakeCheckSections() {
  SectionList& list = *reportList_;
  for (int s = 0; s < list.Sections().Count(); ++s) {
    list.Sections()[s].ControlType = scCheckbox;
    list.Sections()[s].ReadOnly = false;
  }
  list.Invalidate();
}

void ReportWindow::CollectRequest(ReportAction action) {
  SectionList& list = *reportList_;
  request_.action = action;
  request_.items.clear();
  for (int s = 0; s < list.Sections().Count(); ++s) {
    const ListSection& section = list.Sections()[s];
    for (int i = 0; i < section.SubItems.Count(); ++i) {
      if (!list.GetSubItemChecked(section, i)) continue;
      request_.items.push_back({s, i, 1, section.SubItems[i], section.Caption()});
    }
  }
}

void ReportWindow::Print() {
  CollectRequest(ReportAction::Print);
  SetModalResult(IDOK);
}

void ReportWindow::Send() {
  CollectRequest(ReportAction::Send);
  SetModalResult(IDOK);
}

void ReportWindow::Save() {
  CollectRequest(ReportAction::Save);
  SetModalResult(IDOK);
}

void ReportWindow::Cancel() {
  // Whatever closes the window, the request stays as the buttons left it.
  if (modalResult() == 0) SetModalResult(IDCANCEL);
}

void ReportWindow::OnListMouseUp(bool rightButton, int x, int y) {
  if (!rightButton) return;
  RECT frame{};
  ::GetWindowRect(hwnd(), &frame);
  tickMenu_->Popup(hwnd(), frame.left + x + 10, frame.top + y + 10);
}

void ReportWindow::TickSelectedSection(bool ticked) {
  SectionList& list = *reportList_;
  ListSection* section = list.SelectedSection();
  if (!section) return;
  for (int i = 0; i < section->SubItems.Count(); ++i) list.SetSubItemChecked(*section, i, ticked);
}

void ReportWindow::TickAll() { TickSelectedSection(true); }
void ReportWindow::UntickAll() { TickSelectedSection(false); }

LRESULT ReportWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETMINMAXINFO) {
    auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
    mm->ptMinTrackSize = mm->ptMaxTrackSize = POINT{kWidth, kHeight};
    return 0;
  }
  return Form::HandleMessage(msg, wp, lp);
}

ReportRequest OpenReportWindow(HWND owner, const ListSectionCollection& sections,
                               HIMAGELIST images) {
  ReportWindow form;
  try {
    if (form.Create(owner)) {
      form.CopyImages(images);
      form.CopySections(sections);
      form.ReportList().ContractAll();
      form.MakeCheckSections();
      form.ResetRequest();
      form.ShowModal();
    }
  } catch (...) {
    // Preparing or showing the window is not worth an error report; the request
    // keeps what a button may have set.
  }
  return form.Request();
}

}  // namespace vconfig
