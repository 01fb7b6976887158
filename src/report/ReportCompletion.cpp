#include "report/ReportCompletion.h"

#include "markup/MarkupEscape.h"

namespace vconfig {

void CompleteReport(TextLines& lines, const ReportStamp& stamp) {
  const std::string created = stamp.createdOn + stamp.date + "  " + stamp.time;
  lines.insert(0, "<FONT color=\"clblack\" size=\"10\">" + EscapeMarkup(created) + "</FONT>");
  lines.insert(0, kReportTitleLine);
  lines.push_back(" ");
  lines.push_back(kReportRuleLine);
  lines.push_back("<FONT color=\"clblack\" size=\"2\">" +
                  EscapeMarkup(stamp.createdBy + stamp.appTitle) + "</FONT>");
}

}  // namespace vconfig
