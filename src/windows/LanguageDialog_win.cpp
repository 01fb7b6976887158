#include "windows/LanguageDialog_win.h"

#include <shellapi.h>

#include <string>

#include "app/Application_win.h"
#include "app/ArtworkIds.h"
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

// The open dialog, and whether the user chose to exit for a restart.
LanguageDialog* g_openDialog = nullptr;
bool g_exitChosen = false;

UniqueFont MakeFont(int height, bool bold) {
  LOGFONTA font{};
  font.lfHeight = -height;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, "MS Sans Serif", LF_FACESIZE);
  return UniqueFont(::CreateFontIndirectA(&font));
}

// Starts this program again as the suite would; false when the system cannot.
bool StartNewInstance() {
  const std::string program = ProgramPath();
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteA(nullptr, nullptr, program.c_str(), "-vinfo", nullptr, SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace

LanguageDialog::LanguageDialog() = default;

LanguageDialog::~LanguageDialog() {
  // The background lets go of the window before the window goes.
  imgBkgrnd1_.reset();
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

  imgBkgrnd1_ = std::make_unique<TiledBackground>(*this);
  imgBkgrnd1_->LoadBitmapResource(IDB_FORM_TILE);
  imgBkgrnd1_->SetTileMode(TTileMode::tmTile);

  panel1_.Create(hwnd(), 4, 4, 161, 213, kPanelColor);
  for (int i = 0; i < kLanguageButtonCount; ++i) {
    FlatButton& button = languageButtons_[static_cast<size_t>(i)];
    const int top = 8 + 24 * i;
    button.Create(panel1_.hwnd(), 16, top, 23, 23);
    button.LoadGlyph(kButtonFlags[i]);
    button.SetGroupIndex(kLanguageGroup);
    button.SetEnabled(buttons.enabled[static_cast<size_t>(i)]);
    // A pressed button may be disabled too: the configured module has gone.
    button.SetDown(i == buttons.pressed);
    panel1_.AddLabel(kLanguageButtonLabels[i], 48, top + 8, font_.get());
  }

  speedButton8_.Create(panel1_.hwnd(), 8, 180, 73, 25);
  speedButton8_.SetCaption("Ok");
  speedButton8_.SetFont(boldFont_.get());
  speedButton8_.LoadGlyph(IDB_BTN_OK);
  speedButton8_.OnClick = [this](FlatButton&) { SpeedButton8Click(); };
  speedButton9_.Create(panel1_.hwnd(), 80, 180, 73, 25);
  speedButton9_.SetCaption("Cancel");
  speedButton9_.SetFont(boldFont_.get());
  speedButton9_.LoadGlyph(IDB_BTN_CANCEL);
  speedButton9_.OnClick = [this](FlatButton&) { SpeedButton9Click(); };

  imgBkgrnd1_->Loaded();
}

int LanguageDialog::PressedButton() const {
  for (int i = 0; i < kLanguageButtonCount; ++i)
    if (languageButtons_[static_cast<size_t>(i)].Down()) return i;
  return -1;
}

void LanguageDialog::SpeedButton8Click() {
  Win32IniStore ini;
  StoreLanguageChoice(ini, ProgramPath(), PressedButton());
  Hide();
  SetModalResult(IDOK);
  g_openDialog = nullptr;

  const int answer = ::MessageBoxA(nullptr, kRestartQuestion, kApplicationTitle,
                                   MB_YESNO | MB_ICONINFORMATION | MB_TASKMODAL);
  if (answer != IDYES) return;  // the choice applies at the next start
  if (!StartNewInstance()) {
    // Ending now would leave the user with no program at all.
    ShowErrorBox(kRestartFailed);
    return;
  }
  g_exitChosen = true;
  Application::Terminate();
}

void LanguageDialog::SpeedButton9Click() {
  SetModalResult(IDCANCEL);
  g_openDialog = nullptr;
}

LRESULT LanguageDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_GETMINMAXINFO: {
      auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
      mm->ptMinTrackSize = mm->ptMaxTrackSize = POINT{kOuterWidth, kOuterHeight};
      return 0;
    }
    case WM_CLOSE:
      g_openDialog = nullptr;
      return Form::HandleMessage(msg, wp, lp);
    default:
      return Form::HandleMessage(msg, wp, lp);
  }
}

bool ShowLanguageDialog() {
  if (g_openDialog) return false;
  try {
    Win32IniStore ini;
    const LanguageButtons buttons = PrepareLanguageButtons(ini, SystemFileSystem(), ProgramPath());
    LanguageDialog dialog;
    g_openDialog = &dialog;
    if (dialog.Create(Application::MainWindowHandle(), buttons)) dialog.ShowModal();
  } catch (...) {
    g_openDialog = nullptr;
    return false;
  }
  g_openDialog = nullptr;
  return g_exitChosen;
}

}  // namespace vconfig
