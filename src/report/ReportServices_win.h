// Delivering a report on the real system: the save and print dialogs over the main
// window, the report files, the mail module.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "report/ReportDelivery.h"

namespace vconfig {

class Win32ReportServices : public ReportServices {
 public:
  // The save and print dialogs belong to the owner.
  explicit Win32ReportServices(HWND owner) : owner_(owner) {}
  FileSystem& Files() override;
  std::string ProgramFolder() override;
  std::string ApplicationTitle() override;
  std::string DateText() override;
  std::string TimeText() override;
  HtmlReportStyle HtmlStyle() override;
  std::optional<std::string> ChooseSaveFile() override;
  std::unique_ptr<PrinterSurface> ChoosePrinter() override;
  bool StartProgram(const std::string& file, const std::string& parameters,
                    const std::string& folder) override;
  void ShowInfo(const std::string& text, const std::string& caption) override;
  void ShowError(const std::string& text) override;

 private:
  HWND owner_;
};

// Completes the lines and saves, prints or sends them. Runs after the report window
// is gone, so its dialogs belong to the owner (the main window).
void DeliverReport(HWND owner, ReportAction action, TextLines& lines);

}  // namespace vconfig
