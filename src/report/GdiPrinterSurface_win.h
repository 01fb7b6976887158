// The printer surface over a printer DC from the print dialog.
#pragma once

#include <windows.h>

#include "diagnostics/Errors.h"
#include "platform/Handles_win.h"
#include "report/PrinterSurface.h"

namespace vconfig {

// "Printing failed: %s": a print job the system could not carry out.
class EPrintError : public AppError {
 public:
  explicit EPrintError(const std::string& step);
  const char* ClassName() const noexcept override { return "EPrintError"; }
};

class GdiPrinterSurface : public PrinterSurface {
 public:
  // Takes over the printer DC.
  explicit GdiPrinterSurface(HDC printerDc);
  ~GdiPrinterSurface() override;  // aborts a job that was not ended
  GdiPrinterSurface(const GdiPrinterSurface&) = delete;
  GdiPrinterSurface& operator=(const GdiPrinterSurface&) = delete;

  bool BeginJob(const std::string& title) override;
  void NewPage() override;
  void EndJob() override;
  int PageWidth() override;
  int PageHeight() override;
  int DotsPerInchY() override;
  void SetFontSize(int points) override;
  int TextHeight(const std::string& text) override;
  void PrintText(int x, int y, const std::string& text) override;

 private:
  UniqueMemDc dc_;
  HGDIOBJ originalFont_ = nullptr;  // not owned; selected back before our font goes
  UniqueFont font_;
  bool inJob_ = false;
};

}  // namespace vconfig
