#include "report/PrintLayout.h"

#include <algorithm>

#include "report/ReportText.h"

namespace vconfig {
namespace {

int PrintSize(std::string_view line) {
  const auto size = LineFontSize(line);
  return size && *size > 0 ? *size : kPrintDefaultPoints;
}

void DrawFooter(PrinterSurface& printer, int page, int top) {
  printer.SetFontSize(kPrintFooterPoints);
  printer.PrintText(printer.PageWidth() / 2, top, "-" + std::to_string(page) + ".-");
}

}  // namespace

std::string PrintTitleLine() {
  return std::string(32, ' ') + "<FONT size=\"14\">VornInfo Report</FONT>";
}

bool printtext(TextLines lines, PrinterSurface& printer) {
  if (!printer.BeginJob(kPrintJobTitle)) return false;
  lines.insert(0, PrintTitleLine());
  const int width = printer.PageWidth();
  const int height = printer.PageHeight();
  const int margin = width / 20;
  const int gap = printer.DotsPerInchY() / 10;
  printer.SetFontSize(kPrintFooterPoints);
  // The footer has a band of its own at the foot of the page: a line ends a gap above
  // it (and above the bottom margin), so the two never overprint.
  const int footerTop = height - printer.TextHeight("X") - gap;
  const int lineLimit = std::min(height - margin, footerTop - gap);
  int page = 1;
  int y = 0;  // top of the last printed line
  bool pageHasLines = false;
  for (std::string_view line : lines) {
    const int size = PrintSize(line);
    printer.SetFontSize(size);
    const std::string text = StripMarkup(line);
    // Measured in the printer's own pixels and the line's own font, so that lines
    // advance by what they really take on paper.
    const int h = printer.TextHeight("X");
    y += h + gap;
    if (pageHasLines && y + h > lineLimit) {
      DrawFooter(printer, page, footerTop);
      printer.NewPage();
      ++page;
      y = h + gap;
      printer.SetFontSize(size);
    }
    printer.PrintText(margin, y, text);
    pageHasLines = true;
  }
  DrawFooter(printer, page, footerTop);
  printer.EndJob();
  return true;
}

}  // namespace vconfig
