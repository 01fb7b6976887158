// The printed layout of a completed report.
#pragma once

#include <string>

#include "config/TextLines.h"

#include "report/PrinterSurface.h"

namespace vconfig {

// Lines that carry no usable size (no size=", or a value of 0) print at this size.
constexpr int kPrintDefaultPoints = 10;
constexpr int kPrintFooterPoints = 8;
constexpr const char* kPrintJobTitle = "Vorn Info Report";

// The title line that only the printed report carries.
std::string PrintTitleLine();

// Prints the lines, one per printed line, with a page-number footer on every page,
// in a band below the page's last line.
// Returns false when the job was cancelled before anything was printed.
bool printtext(TextLines lines, PrinterSurface& printer);

}  // namespace vconfig
