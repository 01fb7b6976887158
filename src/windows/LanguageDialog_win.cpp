#include "windows/LanguageDialog_win.h"

#include <shellapi.h>

#include <string>

#include "app/Application_win.h"
#include "app/ArtworkIds.h"
#include "app/Startup_win.h"
#include "app/SuiteGuard.h"
#include "locale/Language.h"
#include "platform/FileSystem_win.h"
#include "platform/Modules_win.h"

namespace vconfig {
namespace {

constexpr int kOuterWidth = 177;
constexpr int kOuterHeight = 251;
constexpr COLORREF kPanelColor = RGB(216, 208, 146);
constexpr int kLanguageGroup = 1;
// The flags of SpeedButton1 to SpeedButton7.
constexpr int kButtonFlags[kLanguageButtonCount] = {IDB_FLAG_CSY, IDB_FLAG_DE, IDB_FLAG_EN,
                                                    IDB_FLAG_ES,  IDB_FLAG_FR, IDB_FLAG_IT,
                                                    IDB_FLAG_RUS};

UniqueFont MakeFont(int height, bool bold) {
  LOGFONTA font{};
  font.lfHeight = -height;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, "MS Sans Serif", LF_FACESIZE);
  return UniqueFont(::CreateFontIndirectA(&font));
}

// Starts this program again with the switch this instance got, so that the new one
// passes the suite guard as this one did; false when the system cannot.
bool StartNewInstance() {
  const std::string program = ProgramPath();
  const std::string startSwitch = RestartSwitch(CommandLineArgs());
  const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteA(
      nullptr, nullptr, program.c_str(), startSwitch.c_str(), nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace

LanguageDialog::LanguageDialog(Application& application) : application_(application) {}

LanguageDialog::~LanguageDialog() {
  // The background lets go of the window before the window goes.
  background_.reset();
}

bool LanguageDialog::Create(HWND owner, const LanguageButtons& buttons) {
  FormArgs args;
  args.className = "TLanguagesettings";
  args.caption = "Languagesettings";
  args.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
  args.exStyle = WS_EX_DLGMODALFRAME;
  args.owner = owner;
  args.width = kOuterWidth;
  args.height = kOuterHeight;
  args.centred = true;
  if (!CreateForm(args)) return false;
  CreateComponents(buttons);
  return true;
}

void LanguageDialog::CreateComponents(const LanguageButtons& buttons) {
  font_ = MakeFont(11, false);
  boldFont_ = MakeFont(11, true);
  ::SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);

  background_ = std::make_unique<TiledBackground>(*this);
  background_->LoadBitmapResource(IDB_FORM_TILE);
  background_->SetTileMode(TTileMode::tmTile);

  panel_.Create(hwnd(), 4, 4, 161, 213, kPanelColor);
  for (int i = 0; i < kLanguageButtonCount; ++i) {
    FlatButton& button = languageButtons_[static_cast<size_t>(i)];
    const int top = 8 + 24 * i;
    button.Create(panel_.hwnd(), 16, top, 23, 23);
    button.LoadGlyph(kButtonFlags[i]);
    button.SetGroupIndex(kLanguageGroup);
    button.SetEnabled(buttons.enabled[static_cast<size_t>(i)]);
    // A pressed button may be disabled too: the configured module has gone.
    button.SetDown(i == buttons.pressed);
    panel_.AddLabel(kLanguageButtonLabels[i], 48, top + 8, font_.get());
  }

  okButton_.Create(panel_.hwnd(), 8, 180, 73, 25);
  okButton_.SetCaption("Ok");
  okButton_.SetFont(boldFont_.get());
  okButton_.LoadGlyph(IDB_BTN_OK);
  okButton_.OnClick = [this](FlatButton&) { Confirm(); };
  cancelButton_.Create(panel_.hwnd(), 80, 180, 73, 25);
  cancelButton_.SetCaption("Cancel");
  cancelButton_.SetFont(boldFont_.get());
  cancelButton_.LoadGlyph(IDB_BTN_CANCEL);
  cancelButton_.OnClick = [this](FlatButton&) { Cancel(); };

  background_->Loaded();
}

int LanguageDialog::PressedButton() const {
  for (int i = 0; i < kLanguageButtonCount; ++i)
    if (languageButtons_[static_cast<size_t>(i)].Down()) return i;
  return -1;
}

void LanguageDialog::Confirm() {
  Win32IniStore ini;
  StoreLanguageChoice(ini, ProgramPath(), PressedButton());
  Hide();
  SetModalResult(IDOK);

  const int answer = ::MessageBoxA(nullptr, kRestartQuestion, kApplicationTitle,
                                   MB_YESNO | MB_ICONINFORMATION | MB_TASKMODAL);
  if (answer != IDYES) return;  // the choice applies at the next start
  // Ending drops the editor's unsaved text only when the user agrees.
  if (!application_.ConfirmEnd()) return;
  if (!StartNewInstance()) {
    // Ending now would leave the user with no program at all.
    ShowErrorBox(kRestartFailed);
    return;
  }
  exitChosen_ = true;
  application_.Terminate();
}

void LanguageDialog::Cancel() { SetModalResult(IDCANCEL); }

LRESULT LanguageDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETMINMAXINFO) {
    auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
    mm->ptMinTrackSize = mm->ptMaxTrackSize = POINT{kOuterWidth, kOuterHeight};
    return 0;
  }
  return Form::HandleMessage(msg, wp, lp);
}

bool ShowLanguageDialog(Application& application, HWND owner) {
  try {
    Win32IniStore ini;
    const LanguageButtons buttons = PrepareLanguageButtons(ini, SystemFileSystem(), ProgramPath());
    LanguageDialog dialog(application);
    if (dialog.Create(owner, buttons)) dialog.ShowModal();
    return dialog.ExitChosen();
  } catch (...) {
    return false;
  }
}

}  // namespace vconfig
