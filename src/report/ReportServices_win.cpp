#include "report/ReportServices_win.h"

#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>

#include "app/Application_win.h"
#include "controls/chrome/FileDialog_win.h"
#include "platform/FileSystem_win.h"
#include "platform/Handles_win.h"
#include "report/GdiPrinterSurface_win.h"

namespace vconfig {
namespace {

constexpr const char* kNoPrinterText = "No printer is installed.";

template <typename Format>
std::string SystemText(Format format) {
  char buffer[128] = {};
  const int n = format(buffer, static_cast<int>(sizeof buffer));
  return n > 0 ? std::string(buffer) : std::string();
}

}  // namespace

FileSystem& Win32ReportServices::Files() { return SystemFileSystem(); }

std::string Win32ReportServices::ProgramFolder() {
  const std::string path = ProgramPath();
  return path.substr(0, path.find_last_of('\\') + 1);
}

std::string Win32ReportServices::ApplicationTitle() { return kApplicationTitle; }

std::string Win32ReportServices::DateText() {
  return SystemText([](char* b, int n) {
    return ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, b, n);
  });
}

std::string Win32ReportServices::TimeText() {
  return SystemText([](char* b, int n) {
    return ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, b, n);
  });
}

HtmlReportStyle Win32ReportServices::HtmlStyle() {
  HtmlReportStyle style;
  // Report files carry the code page's bytes unconverted.
  style.charset = HtmlCharsetName(::GetACP());
  for (size_t i = 0; i < style.systemColors.size(); ++i)
    style.systemColors[i] = ::GetSysColor(static_cast<int>(i));  // COLORREF: red low, as TColor
  return style;
}

std::optional<std::string> Win32ReportServices::ChooseSaveFile() {
  SaveFileDialog SaveDialogEx1;
  SaveDialogEx1.owner = owner_;
  SaveDialogEx1.ShowPlacesBar = true;
  SaveDialogEx1.DefaultExt = kReportDefaultExt;
  SaveDialogEx1.Filter = kReportFileFilter;
  SaveDialogEx1.FilterIndex = 1;
  // A report must not silently replace a file picked by mistake.
  SaveDialogEx1.Options |= OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
  if (!SaveDialogEx1.Execute()) return std::nullopt;
  return SaveDialogEx1.FileName;
}

std::unique_ptr<PrinterSurface> Win32ReportServices::ChoosePrinter() {
  PRINTDLGA PrintDialog1{};
  PrintDialog1.lStructSize = sizeof PrintDialog1;
  PrintDialog1.hwndOwner = owner_;
  PrintDialog1.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOWARNING |
                       PD_USEDEVMODECOPIESANDCOLLATE;
  const BOOL confirmed = ::PrintDlgA(&PrintDialog1);
  // The device mode and names that the print dialog hands back are ours to free.
  UniqueGlobalMemory devMode(PrintDialog1.hDevMode);
  UniqueGlobalMemory devNames(PrintDialog1.hDevNames);
  if (!confirmed) {
    if (::CommDlgExtendedError() == PDERR_NODEFAULTPRN) ShowError(kNoPrinterText);
    return nullptr;
  }
  if (!PrintDialog1.hDC) throw EPrintError("the printer could not be opened");
  return std::make_unique<GdiPrinterSurface>(PrintDialog1.hDC);
}

bool Win32ReportServices::StartProgram(const std::string& file, const std::string& parameters,
                                       const std::string& folder) {
  const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteA(
      nullptr, nullptr, file.c_str(), parameters.c_str(), folder.c_str(), SW_SHOWNORMAL));
  return result > 32;
}

void Win32ReportServices::ShowInfo(const std::string& text, const std::string& caption) {
  ShowInfoBox(text, caption);
}

void Win32ReportServices::ShowError(const std::string& text) { ShowErrorBox(text); }

void DeliverReport(HWND owner, ReportAction action, TextLines& lines) {
  Win32ReportServices services(owner);
  DeliverReport(action, lines, services);
}

}  // namespace vconfig
