// A PostScript printer for tests: Wine's PostScript driver with a small PPD, on a
// port that Wine's spooler maps to a file, made the default printer while it lives.
// The printed PostScript is read back with Ghostscript.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "harness/Harness.h"

namespace vtest {

class TestPrinter {
 public:
  static constexpr const char* kName = "VTest PostScript";

  // Every job goes to outputPath (a Windows path, replaced by each job).
  explicit TestPrinter(const std::string& outputPath);
  ~TestPrinter();
  TestPrinter(const TestPrinter&) = delete;
  TestPrinter& operator=(const TestPrinter&) = delete;

  bool installed() const { return installed_; }
  const std::string& error() const { return error_; }

 private:
  void RestorePortMapping();

  bool installed_ = false;
  std::string error_;
  std::string previousDefault_;
  std::string previousMapping_;
  bool hadMapping_ = false;
};

// Waits until a printed PostScript file is complete.
bool WaitForPrintout(const std::string& psPath, std::chrono::milliseconds timeout = 20s);

// The Unix path of a Windows path (Wine), empty when it has none.
std::string UnixPath(const std::string& windowsPath);

// Runs a Unix shell command and waits until it wrote `resultPath` (a Windows path):
// the command must create that file last, completely (write elsewhere, then move).
bool RunUnixCommand(const std::string& shellCommand, const std::string& resultPath,
                    std::chrono::milliseconds timeout = 30s);

// The text Ghostscript finds on the printed pages, page after page.
std::string PrintedText(const std::string& psPath);
// A text as Ghostscript places it on a printed page, runs that follow each other on
// one base line in one size joined: the base line from the page's top and the font
// size, both in points.
struct PrintedSpan {
  int page = 0;  // from 1
  std::string text;
  double baseline = 0;
  double size = 0;
};
std::vector<PrintedSpan> PrintedSpans(const std::string& psPath);

// The number of pages of a PostScript file.
int PrintedPages(const std::string& psPath);
// Converts a printout to PDF and its first page to PNG (Windows paths).
bool PrintoutToPdf(const std::string& psPath, const std::string& pdfPath);
bool PrintoutPageToPng(const std::string& psPath, const std::string& pngPath);

}  // namespace vtest
