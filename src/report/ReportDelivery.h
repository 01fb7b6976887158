// Completing a report body and delivering it: save, print or send.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "report/PrinterSurface.h"
#include "report/ReportRequest.h"
#include "report/ReportText.h"

namespace vconfig {

constexpr const char* kReportFileFilter = "Text files|*.txt|HTML files|*.htm|All files|*.*";
constexpr const char* kReportDefaultExt = "txt";
constexpr const char* kMailParameters =
    "-vinfo \" \" \"..\\Vmail\\report.txt\" \"..\\Vmail\\report.htm\"";
constexpr const char* kNotSavedText =
    "The report was not saved. Choose a name ending in .txt or .htm.";
constexpr const char* kMailStartFailed = "Cannot start the mail module ";

// What delivering a report needs of the system and the user. Nothing here may use
// the report window: it is gone by the time a report is delivered.
class ReportServices {
 public:
  virtual ~ReportServices() = default;
  virtual FileSystem& Files() = 0;
  // The program's own folder, ending in a backslash.
  virtual std::string ProgramFolder() = 0;
  virtual std::string ApplicationTitle() = 0;
  // The current date and time as the system formats them (short date, long time).
  virtual std::string DateText() = 0;
  virtual std::string TimeText() = 0;
  // The character set and system colours of HTML reports; Western defaults unless
  // the system says otherwise.
  virtual HtmlReportStyle HtmlStyle() { return {}; }
  // The save dialog; empty when the user cancelled.
  virtual std::optional<std::string> ChooseSaveFile() = 0;
  // The print dialog; null when the user cancelled.
  virtual std::unique_ptr<PrinterSurface> ChoosePrinter() = 0;
  // Starts a program without waiting for it; false when it could not be started.
  virtual bool StartProgram(const std::string& file, const std::string& parameters,
                            const std::string& folder) = 0;
  virtual void ShowInfo(const std::string& text, const std::string& caption) = 0;
  virtual void ShowError(const std::string& text) = 0;
};

// The mail module's folder: "..\Vmail" taken from the program's folder, ending in a
// backslash.
std::string MailFolder(const std::string& programFolder);

// The extension of a file name from its last dot, or empty.
std::string FileExtension(const std::string& path);

// Completes the lines in place and performs the action. An empty body produces
// nothing. File errors propagate as exceptions.
void DeliverReport(ReportAction action, TextLines& lines, ReportServices& services);

}  // namespace vconfig
