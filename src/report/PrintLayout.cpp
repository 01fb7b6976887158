#include "report/PrintLayout.h"

#include "report/ReportText.h"

namespace vconfig {
namespace {

int PrintSize(const std::string& line) {
  const auto size = LineFontSize(line);
  return size && *size > 0 ? *size : kPrintDefaultPoints;
}

void DrawFooter(PrinterSurface& printer, int page, int h, int gap) {
  printer.SetFontSize(kPrintFooterPoints);
  printer.PrintText(printer.PageWidth() / 2, printer.PageHeight() - h - gap,
                   "-" + std::to_string(page) + ".-");
}

}  // namespace

std::string PrintTitleLine() {
  return std::string(32, ' ') + "<FONT size=\"14\">VornInfo Report</FONT>";
}

bool printtext(std::vector<std::string> lines, PrinterSurface& printer) {
  if (!printer.BeginJob(kPrintJobTitle)) return false;
  lines.insert(lines.begin(), PrintTitleLine());
  const int width = printer.PageWidth();
  const int height = printer.PageHeight();
  const int margin = width / 20;
  int page = 1;
  int y = 0;
  int gap = 0;
  int h = 0;
  for (const auto& line : lines) {
    const int size = PrintSize(line);
    printer.SetFontSize(size);
    const std::string text = StripMarkup(line);
    // Measured in the printer's own pixels and the line's own font, so that lines
    // advance by what they really take on paper.
    h = printer.TextHeight("X");
    if (y + h < height - margin) {
      gap = printer.DotsPerInchY() / 10;
      y += h + gap;
    } else {
      DrawFooter(printer, page, h, gap);
      printer.NewPage();
      ++page;
      y = h + gap;
      printer.SetFontSize(size);
    }
    printer.PrintText(margin, y, text);
  }
  DrawFooter(printer, page, h, gap);
  printer.EndJob();
  return true;
}

}  // namespace vconfig
