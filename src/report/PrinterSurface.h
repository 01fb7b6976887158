// What printing a report needs of a printer: one job of pages with text at points.
// Lengths are the printer's device pixels.
#pragma once

#include <string>

namespace vconfig {

class PrinterSurface {
 public:
  virtual ~PrinterSurface() = default;
  // False when the user cancelled the job (for example an output file prompt);
  // other failures throw.
  virtual bool BeginJob(const std::string& title) = 0;
  virtual void NewPage() = 0;
  virtual void EndJob() = 0;
  // The printable area.
  virtual int PageWidth() = 0;
  virtual int PageHeight() = 0;
  virtual int DotsPerInchY() = 0;
  // Face and colour stay the printer's default; only the size changes.
  virtual void SetFontSize(int points) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  virtual void PrintText(int x, int y, const std::string& text) = 0;
};

}  // namespace vconfig
