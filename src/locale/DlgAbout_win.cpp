#include "locale/DlgAbout_win.h"

#include <cstring>

#include "app/Application_win.h"
#include "app/ArtworkIds.h"
#include "controls/ArImageBitmaps_win.h"
#include "locale/AboutTexts.h"
#include "locale/Language.h"
#include "locale/VInfoAbout_win.h"
#include "platform/FileSystem_win.h"
#include "platform/Modules_win.h"

namespace vconfig {
namespace {

constexpr int kClientWidth = 200;
constexpr int kClientHeight = 281;
constexpr int kLabelCopyr1Id = 201;
constexpr int kLabel1Id = 202;
constexpr int kLabelWwwId = 203;
constexpr int kLabel2Id = 204;
constexpr int kLabelMailId = 205;
constexpr COLORREF kGray = RGB(128, 128, 128);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kNameLongerThan = 15;

LOGFONTA MakeLogFont(const char* face, int height, bool bold, bool underline = false,
                     BYTE charset = DEFAULT_CHARSET) {
  LOGFONTA font{};
  font.lfHeight = -height;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = underline ? TRUE : FALSE;
  font.lfCharSet = charset;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  return font;
}

UniqueFont MakeFont(const char* face, int height, bool bold, bool underline = false) {
  const LOGFONTA font = MakeLogFont(face, height, bold, underline);
  return UniqueFont(::CreateFontIndirectA(&font));
}

// The flag pictures in the about box's order: EN, ES, DE, CSY, FR, IT, RUS.
constexpr int kFlagPictures[7] = {IDB_FLAG25_EN, IDB_FLAG25_ES, IDB_FLAG25_DE, IDB_FLAG25_CSY,
                                  IDB_FLAG25_FR, IDB_FLAG25_IT, IDB_FLAG25_RUS};

std::string TextOf(HWND hwnd) {
  char text[512] = {};
  ::GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

}  // namespace

bool TDlgAbout::Create(HWND owner) {
  FormArgs args;
  args.className = "TDlgAbout";
  args.caption = "About";
  args.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_BORDER;
  args.owner = owner;
  args.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RECT outer{0, 0, kClientWidth, kClientHeight};
  ::AdjustWindowRectEx(&outer, args.style, FALSE, args.exStyle);
  args.width = outer.right - outer.left;
  args.height = outer.bottom - outer.top;
  // Centred on the desktop.
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  args.x = work.left + (work.right - work.left - args.width) / 2;
  args.y = work.top + (work.bottom - work.top - args.height) / 2;
  if (!CreateForm(args)) return false;
  CreateComponents();
  return true;
}

HWND TDlgAbout::CreateLabel(const char* text, int left, int top, int width, int height, int id,
                            HFONT font, DWORD style) {
  HWND label = ::CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_NOPREFIX | style,
                                 left, top, width, height, hwnd(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return label;
}

// An automatically sized label covers its text.
void TDlgAbout::FitLabel(HWND label, HFONT font) {
  const std::string text = TextOf(label);
  WindowDc dc(label);
  SelectObjectScope selected(dc.get(), font);
  SIZE size{};
  ::GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  ::SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}

void TDlgAbout::CreateComponents() {
  logo_ = LoadArtworkBitmap(IDB_ABOUT_LOGO);
  copyright_ = LoadArtworkBitmap(IDB_ABOUT_COPYRIGHT);
  copyrightFont_ = MakeFont("Microsoft Sans Serif", 9, false);
  grayFont_ = MakeFont("Microsoft Sans Serif", 9, false);
  linkFont_ = MakeFont("MS Sans Serif", 11, false, true);

  labelCopyr1_ = CreateLabel("Copyright", 92, 224, 105, 29, kLabelCopyr1Id, copyrightFont_.get(),
                             SS_RIGHT);

  labelName_.Create(hwnd(), 4, 194);
  labelName_.SetFont(MakeLogFont("Times New Roman", 21, true, false, EASTEUROPE_CHARSET));
  labelName_.SetFontColor(kBlack);
  labelName_.SetShadowColor(RGB(0, 128, 255));
  labelName_.SetTransparent(true);
  labelName_.SetCaption("...");

  // Right-aligned with its right edge at 195: it grows to the left.
  labelVer_.Create(hwnd(), 168, 199, 0, 195 - 168);
  labelVer_.SetAlignment(taRightJustify);
  labelVer_.SetFont(MakeLogFont("MS Sans Serif", 13, true));
  labelVer_.SetFontColor(::GetSysColor(COLOR_WINDOWTEXT));
  labelVer_.SetShadowColor(RGB(255, 0, 0));
  labelVer_.SetTransparent(true);
  labelVer_.SetCaption("......");
  labelVer_.SetHint(kBuildHintPrefix);

  for (size_t i = 0; i < flags_.size(); ++i) {
    flags_[i].Create(hwnd(), std::string("Image") + kAboutFlagCodes[i], 168, 168, 25, 25);
    flags_[i].SetPicture(LoadArtworkBitmap(kFlagPictures[i]));
    flags_[i].SetTransparent(true);
    flags_[i].SetVisible(false);
  }

  label1_ = CreateLabel("WWW:", 4, 249, 0, 0, kLabel1Id, grayFont_.get(), SS_LEFT);
  FitLabel(label1_, grayFont_.get());
  labelWww_ = CreateLabel("", 44, 248, 0, 0, kLabelWwwId, linkFont_.get(), SS_LEFT | SS_NOTIFY);
  label2_ = CreateLabel("E-mail:", 4, 264, 0, 0, kLabel2Id, grayFont_.get(), SS_LEFT);
  FitLabel(label2_, grayFont_.get());
  labelMail_ = CreateLabel("", 44, 264, 0, 0, kLabelMailId, linkFont_.get(), SS_LEFT | SS_NOTIFY);
}

bool TDlgAbout::SetDlg() {
  // Only decoration depends on the language: a failure here leaves the design caption.
  try {
    Win32IniStore ini;
    std::string runLang;
    ReadIniValue(ini, SettingsFilePath(ProgramPath()), kOptionsSection, "RunLang", runLang);
    const AboutLanguage language = AboutLanguageFor(runLang);
    flags_[static_cast<size_t>(language.flag)].SetVisible(true);
    SetCaption(language.caption);
  } catch (...) {
  }

  const std::string program = ProgramPath();
  labelName_.SetCaption(FileVersionItem(program, 2));
  if (labelName_.Caption().size() > kNameLongerThan) {
    // A long name is set smaller and lower, so that it still fits beside the version.
    labelName_.SetFontSize(12);
    labelName_.SetTop(198);
  }
  labelName_.SetHint(FileVersionItem(program, 7));
  ::SetWindowTextA(labelCopyr1_, FileVersionItem(program, 5).c_str());
  labelVer_.SetCaption(FileVersionItem(program, 9));
  labelVer_.SetHint(std::string(kBuildHintPrefix) + FileVersionItem(program, 4));

  ::SetWindowTextA(labelWww_, kProductWebAddress);
  FitLabel(labelWww_, linkFont_.get());
  ::SetWindowTextA(labelMail_, kProductMailAddress);
  FitLabel(labelMail_, linkFont_.get());
  return true;
}

void TDlgAbout::FreeDlg() {
  if (hwnd()) ::DestroyWindow(hwnd());
}

void TDlgAbout::LabelWwwDblClick() { OpenWebLink(kProductWebAddress); }
void TDlgAbout::LabelMailClick() { OpenMailLink(kProductMailAddress); }

std::string TDlgAbout::LabelCopyr1Text() const { return TextOf(labelCopyr1_); }

int TDlgAbout::VisibleFlag() const {
  for (size_t i = 0; i < flags_.size(); ++i)
    if (flags_[i].Visible()) return static_cast<int>(i);
  return -1;
}

void TDlgAbout::PaintPictures(HDC dc) {
  if (logo_) {
    UniqueMemDc source(::CreateCompatibleDC(dc));
    SelectObjectScope selected(source.get(), logo_.get());
    BITMAP info{};
    ::GetObjectA(logo_.get(), sizeof info, &info);
    ::StretchBlt(dc, 0, 0, 201, 201, source.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  }
  if (copyright_) {
    UniqueMemDc source(::CreateCompatibleDC(dc));
    SelectObjectScope selected(source.get(), copyright_.get());
    BITMAP info{};
    ::GetObjectA(copyright_.get(), sizeof info, &info);
    ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchBlt(dc, 8, 224, 81, 13, source.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  }
  // Bevel1: a single etched line along the top of its box.
  RECT bevel{4, 216, 4 + 193, 216 + 5};
  ::DrawEdge(dc, &bevel, EDGE_ETCHED, BF_TOP);
}

LRESULT TDlgAbout::LabelColors(HDC dc, HWND label) {
  COLORREF color = kBlack;
  if (label == label1_ || label == label2_) color = kGray;
  if (label == labelWww_ || label == labelMail_) color = kBlue;
  ::SetTextColor(dc, color);
  ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
}

LRESULT TDlgAbout::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PaintDc paint(hwnd());
      PaintPictures(paint.get());
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintPictures(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_CTLCOLORSTATIC:
      return LabelColors(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_SETCURSOR: {
      HWND over = reinterpret_cast<HWND>(wp);
      if (over == labelWww_ || over == labelMail_) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_HAND));
        return TRUE;
      }
      return DefaultProc(msg, wp, lp);
    }
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      const int code = HIWORD(wp);
      if (code == STN_CLICKED || code == STN_DBLCLK) {
        if (id == kLabelWwwId) LabelWwwDblClick();
        if (id == kLabelMailId) LabelMailClick();
      }
      return 0;
    }
    default:
      return Form::HandleMessage(msg, wp, lp);
  }
}

}  // namespace vconfig
