#include "report/ReportDelivery.h"

#include "diagnostics/Errors.h"
#include "locale/Language.h"
#include "report/PrintLayout.h"
#include "report/ReportCompletion.h"
#include "report/ReportText.h"

namespace vconfig {
namespace {

bool EqualsNoCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return i == a.size() && !b[i];
}

void WriteFileBytes(FileSystem& files, const std::string& path, const std::string& bytes) {
  if (!files.ReplaceContent(path, bytes)) throw EFileCreateError(path);
}

void SaveReport(const TextLines& lines, ReportServices& services) {
  const auto path = services.ChooseSaveFile();
  if (!path) return;
  const std::string ext = FileExtension(*path);
  if (EqualsNoCase(ext, ".txt")) {
    WriteFileBytes(services.Files(), *path, PlainTextReport(lines));
  } else if (EqualsNoCase(ext, ".htm")) {
    WriteFileBytes(services.Files(), *path, HtmlReport(lines, services.HtmlStyle()));
  } else {
    services.ShowInfo(kNotSavedText, services.ApplicationTitle());
  }
}

void PrintReport(TextLines& lines, ReportServices& services) {
  auto printer = services.ChoosePrinter();
  if (printer) printtext(std::move(lines), *printer);
}

void SendReport(const TextLines& lines, ReportServices& services) {
  // Taken from the program's folder: every file dialog moves the current one.
  const std::string folder = MailFolder(services.ProgramFolder());
  // The text goes with the mail as a saved text report would read: made from the
  // report's lines, not from the HTML document's.
  WriteFileBytes(services.Files(), folder + "report.htm", HtmlReport(lines, services.HtmlStyle()));
  WriteFileBytes(services.Files(), folder + "report.txt", PlainTextReport(lines));
  const std::string program = folder + "VnIMail.exe";
  if (!services.StartProgram(program, kMailParameters, folder.substr(0, folder.size() - 1)))
    services.ShowError(kMailStartFailed + program);
}

}  // namespace

std::string MailFolder(const std::string& programFolder) {
  std::string folder = programFolder;
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  const size_t slash = folder.find_last_of("\\/");
  // A program in a drive's root has no parent: ".." stays in the root.
  if (slash != std::string::npos)
    folder.erase(slash + 1);
  else
    folder += '\\';
  return folder + "Vmail\\";
}

std::string FileExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  return dot == std::string::npos ? std::string() : path.substr(dot);
}

void DeliverReport(ReportAction action, TextLines& lines, ReportServices& services) {
  if (lines.empty() || action == ReportAction::None) return;
  ReportStamp stamp;
  stamp.createdOn = GetLangString(50201);
  stamp.date = services.DateText();
  stamp.time = services.TimeText();
  stamp.createdBy = GetLangString(50202);
  stamp.appTitle = services.ApplicationTitle();
  CompleteReport(lines, stamp);
  switch (action) {
    case ReportAction::Save: SaveReport(lines, services); break;
    case ReportAction::Print: PrintReport(lines, services); break;
    case ReportAction::Send: SendReport(lines, services); break;
    case ReportAction::None: break;
  }
}

}  // namespace vconfig
