#include "windows/EditorWindow_win.h"

#include "app/Application_win.h"
#include "config/TextLines.h"
#include "controls/chrome/PictureStrip_win.h"
#include "controls/buttons/ExplorerButton_win.h"
#include "controls/chrome/TiledBackground_win.h"
#include "controls/EditorMemo_win.h"
#include "controls/chrome/Panel_win.h"
#include "diagnostics/ErrorHandling_win.h"
#include "diagnostics/Errors.h"
#include "locale/Language.h"
#include "platform/FileSystem_win.h"

#include "app/ArtworkIds.h"

namespace vconfig {
namespace {

constexpr int kWidth = 533;
constexpr int kHeight = 433;
constexpr int kMemoId = 201;

std::string WithPath(const char* format, const std::string& path) {
  std::string text = format;
  const size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, path);
  return text;
}

}  // namespace

EditorWindow::EditorWindow() = default;
EditorWindow::~EditorWindow() = default;

bool EditorWindow::Create(HWND owner) {
  FormArgs args;
  args.className = "TTextEditfrm";
  args.owner = owner;
  args.caption = "TextEditfrm";
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  args.width = kWidth;
  args.height = kHeight;
  args.centred = true;
  if (!CreateForm(args)) return false;
  CreateComponents();
  return true;
}

void EditorWindow::CreateComponents() {
  background_ = std::make_unique<TiledBackground>(*this);
  background_->LoadBitmapResource(IDB_FORM_TILE);
  background_->SetTileMode(TTileMode::tmTile);

  frame_ = std::make_unique<Panel>();
  PanelArgs p1;
  p1.x = 8;
  p1.y = 8;
  p1.width = 513;
  p1.height = 393;
  p1.bevelOuter = bvRaised;
  frame_->Create(hwnd(), p1);

  memo_ = std::make_unique<EditorMemo>();
  memo_->Create(frame_->hwnd(), 1, 1, 423, 391, kMemoId);

  buttonPanel_ = std::make_unique<Panel>();
  PanelArgs p2;
  p2.x = 424;
  p2.y = 1;
  p2.width = 88;
  p2.height = 391;
  p2.bevelOuter = bvRaised;
  buttonPanel_->Create(frame_->hwnd(), p2);

  strip_ = std::make_unique<PictureStrip>();
  strip_->Create(buttonPanel_->hwnd(), 1, 1, 86, 389);
  strip_->LoadPicture(IDB_STRIP_TILE_PANEL);
  strip_->SetTileImage(true);

  auto makeButton = [this](std::unique_ptr<ExplorerButton>& button, int top, int image) {
    button = std::make_unique<ExplorerButton>();
    button->SetCustomSize(73, 25);
    button->SetLayout(TExplBtnLayout::blBitmapLeft);
    button->SetOptions(boPopupMark | boShowBevel | boShowDownPattern | boTransparent);
    button->SetDropDownStyle(TExplBtnDropDownStyle::ddsIExplorer);
    button->SetFontFace("MS Sans Serif", 8);
    button->LoadBitmapResource(image);
    button->SetBackgroundImage(strip_.get());
    button->Create(buttonPanel_->hwnd(), 8, top);
  };
  makeButton(saveButton_, 16, IDB_BTN_SAVE);
  makeButton(cancelButton_, 40, IDB_BTN_CANCEL);
  saveButton_->OnClick = [this](ExplorerButton&) { SaveAndClose(); };
  cancelButton_->OnClick = [this](ExplorerButton&) { CloseWithoutSaving(); };
  // Children created later go below the picture: put it back under the buttons.
  ::SetWindowPos(strip_->hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  background_->Loaded();
}

EditorWindow::FileStamp EditorWindow::StampOf(const std::string& path) {
  FileStamp stamp;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return stamp;
  stamp.exists = true;
  stamp.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  stamp.writeTime = (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                    data.ftLastWriteTime.dwLowDateTime;
  return stamp;
}

void EditorWindow::OpenFile(const std::string& path) {
  CheckShownFileSize(SystemFileSystem(), path);
  if (!ConfirmDropChanges()) return;
  saveButton_->SetCaption(GetLangString(54));
  cancelButton_->SetCaption(GetLangString(55));
  SetCaption(path);
  memo_->Clear();
  // Forget the previous file first: should this load fail, nothing may be saved.
  path_.clear();
  FileSystem& files = SystemFileSystem();
  const FileStamp stamp = StampOf(path);
  if (files.FileExists(path)) {
    try {
      memo_->SetText(ReadCrLfText(files, path));
    } catch (...) {
      Hide();
      throw;
    }
  }
  path_ = path;
  opened_ = stamp;
  SetModified(false);  // what was loaded is no change
  ::SendMessageA(memo_->hwnd(), EM_SETREADONLY, memo_->LinesIntact() ? FALSE : TRUE, 0);
  Show();
  ::SetFocus(memo_->hwnd());
  if (!memo_->LinesIntact())
    ShowInfoBox(WithPath("File %s holds characters that the editor cannot show unchanged. It is "
                         "shown read-only and cannot be saved from here.",
                         path),
                kApplicationTitle);
}

bool EditorWindow::Modified() const {
  return !path_.empty() && ::SendMessageA(memo_->hwnd(), EM_GETMODIFY, 0, 0) != 0;
}

void EditorWindow::SetModified(bool modified) {
  ::SendMessageA(memo_->hwnd(), EM_SETMODIFY, modified ? TRUE : FALSE, 0);
}

bool EditorWindow::Save() {
  if (path_.empty()) return true;
  if (!memo_->LinesIntact()) {
    ShowErrorBox(WithPath("File %s was not saved: the editor cannot keep its characters unchanged.",
                          path_));
    return false;
  }
  if (!(StampOf(path_) == opened_)) {
    const std::string question =
        WithPath("File %s was changed on disk since it was opened. Overwrite it?", path_);
    if (::MessageBoxA(hwnd(), question.c_str(), kApplicationTitle,
                      MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) != IDYES)
      return false;
  }
  std::string attributesLost;
  try {
    // Errors leave the window open with its text.
    WriteTextLines(SystemFileSystem(), path_, memo_->Lines());
  } catch (const EAttributesLostError& lost) {
    attributesLost = lost.what();  // written all the same
  }
  SetModified(false);
  opened_ = StampOf(path_);
  if (OnSaved) OnSaved(path_);
  if (!attributesLost.empty()) ShowErrorBox(attributesLost);
  return true;
}

void EditorWindow::SaveAndClose() {
  if (Save()) Hide();
}

void EditorWindow::CloseWithoutSaving() {
  if (ConfirmDropChanges()) Hide();
}

bool EditorWindow::ConfirmDropChanges() {
  if (!Modified()) return true;
  // The question belongs to this window: bring it up first.
  Show();
  const std::string question = WithPath("Save changes to %s?", path_);
  switch (::MessageBoxA(hwnd(), question.c_str(), kApplicationTitle,
                        MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL)) {
    case IDYES:
      try {
        return Save();
      } catch (...) {
        HandleApplicationException();
        return false;
      }
    case IDNO:
      SetModified(false);
      return true;
    default:
      return false;
  }
}

void EditorWindow::OnClose() { CloseWithoutSaving(); }

LRESULT EditorWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETMINMAXINFO) {
    auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
    mm->ptMinTrackSize = POINT{kWidth - 1, kHeight};
    mm->ptMaxTrackSize = POINT{kWidth, kHeight};
    return 0;
  }
  return Form::HandleMessage(msg, wp, lp);
}

}  // namespace vconfig
