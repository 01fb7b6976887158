#include "windows/AboutBox_win.h"

#include "app/ArtworkIds.h"
#include "controls/chrome/Bitmaps_win.h"
#include "locale/AboutTexts.h"
#include "locale/Language.h"
#include "windows/AboutLinks_win.h"
#include "platform/FileSystem_win.h"
#include "platform/Modules_win.h"

namespace vconfig {
namespace {

constexpr int kClientWidth = 200;
constexpr int kClientHeight = 281;
constexpr int kCopyrightLabelId = 201;
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

bool AboutBox::Create(HWND owner) {
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
  args.centred = true;
  if (!CreateForm(args)) return false;
  CreateComponents();
  return true;
}

// The plain labels of the box are shadowed labels without a shadow, so that they are
// measured and drawn alike.
void AboutBox::CreateSmallLabel(ShadowLabel& label, const char* text, int left, int top,
                                 const LOGFONTA& font, COLORREF color) {
  label.Create(hwnd(), left, top);
  label.SetFont(font);
  label.SetFontColor(color);
  label.SetShadowSize(0);
  label.SetTransparent(true);
  label.SetShowAccelChar(false);
  label.SetCaption(text);
}

void AboutBox::CreateComponents() {
  logo_ = LoadArtworkBitmap(IDB_ABOUT_LOGO);
  copyright_ = LoadArtworkBitmap(IDB_ABOUT_COPYRIGHT);
  copyrightFont_ = MakeFont("Microsoft Sans Serif", 9, false);

  // Fixed size, right-aligned and wrapping: a plain static control.
  copyrightLabel_ = ::CreateWindowExA(0, "STATIC", "Copyright",
                                   WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_RIGHT, 92, 224, 105, 29,
                                   hwnd(), reinterpret_cast<HMENU>(kCopyrightLabelId),
                                   ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(copyrightLabel_, WM_SETFONT, reinterpret_cast<WPARAM>(copyrightFont_.get()), FALSE);

  nameLabel_.Create(hwnd(), 4, 194);
  nameLabel_.SetFont(MakeLogFont("Times New Roman", 21, true, false, EASTEUROPE_CHARSET));
  nameLabel_.SetFontColor(kBlack);
  nameLabel_.SetShadowColor(RGB(0, 128, 255));
  nameLabel_.SetTransparent(true);
  nameLabel_.SetCaption("...");

  // Right-aligned with its right edge at 195: it grows to the left.
  versionLabel_.Create(hwnd(), 168, 199, 0, 195 - 168);
  versionLabel_.SetAlignment(taRightJustify);
  versionLabel_.SetFont(MakeLogFont("MS Sans Serif", 13, true));
  versionLabel_.SetFontColor(::GetSysColor(COLOR_WINDOWTEXT));
  versionLabel_.SetShadowColor(RGB(255, 0, 0));
  versionLabel_.SetTransparent(true);
  versionLabel_.SetCaption("......");
  versionLabel_.SetHint(kBuildHintPrefix);

  for (size_t i = 0; i < flags_.size(); ++i) {
    flags_[i].Create(hwnd(), std::string("Image") + kAboutFlagCodes[i], 168, 168, 25, 25);
    flags_[i].SetPicture(LoadArtworkBitmap(kFlagPictures[i]));
    flags_[i].SetTransparent(true);
    flags_[i].SetVisible(false);
  }

  const LOGFONTA gray = MakeLogFont("Microsoft Sans Serif", 9, false);
  const LOGFONTA link = MakeLogFont("MS Sans Serif", 11, false, true);
  CreateSmallLabel(webCaption_, "WWW:", 4, 249, gray, kGray);
  CreateSmallLabel(webLink_, "", 44, 248, link, kBlue);
  webLink_.OnClick = [this](ShadowLabel&) { OpenWebsite(); };
  CreateSmallLabel(mailCaption_, "E-mail:", 4, 264, gray, kGray);
  CreateSmallLabel(mailLink_, "", 44, 264, link, kBlue);
  mailLink_.OnClick = [this](ShadowLabel&) { WriteMail(); };
  // The links reach to the right margin: some renderers draw a text wider than the
  // system measures it (seen with small sans-serif faces), which would cut the link.
  for (ShadowLabel* linkLabel : {&webLink_, &mailLink_}) {
    linkLabel->SetAutoSize(false);
    const RECT r = linkLabel->Bounds();
    linkLabel->SetBounds(r.left, r.top, kClientWidth - 4 - r.left, 14);
  }
}

bool AboutBox::FillTexts() {
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
  nameLabel_.SetCaption(FileVersionItem(program, 2));
  if (nameLabel_.Caption().size() > kNameLongerThan) {
    // A long name is set smaller and lower, so that it still fits beside the version.
    nameLabel_.SetFontSize(12);
    nameLabel_.SetTop(198);
  }
  nameLabel_.SetHint(FileVersionItem(program, 7));
  ::SetWindowTextA(copyrightLabel_, FileVersionItem(program, 5).c_str());
  versionLabel_.SetCaption(FileVersionItem(program, 9));
  versionLabel_.SetHint(std::string(kBuildHintPrefix) + FileVersionItem(program, 4));

  webLink_.SetCaption(kProductWebAddress);
  mailLink_.SetCaption(kProductMailAddress);
  return true;
}

void AboutBox::OpenWebsite() { OpenWebLink(kProductWebAddress); }
void AboutBox::WriteMail() { OpenMailLink(kProductMailAddress); }

std::string AboutBox::CopyrightText() const { return TextOf(copyrightLabel_); }

int AboutBox::VisibleFlag() const {
  for (size_t i = 0; i < flags_.size(); ++i)
    if (flags_[i].Visible()) return static_cast<int>(i);
  return -1;
}

void AboutBox::PaintPictures(HDC dc) {
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

LRESULT AboutBox::LabelColors(HDC dc, HWND) {
  ::SetTextColor(dc, kBlack);
  ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
}

LRESULT AboutBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
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
      if (over == webLink_.hwnd() || over == mailLink_.hwnd()) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_HAND));
        return TRUE;
      }
      return DefaultProc(msg, wp, lp);
    }
    default:
      return Form::HandleMessage(msg, wp, lp);
  }
}

}  // namespace vconfig
