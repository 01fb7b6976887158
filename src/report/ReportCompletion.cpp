#include "report/ReportCompletion.h"

#include "markup/MarkupEscape.h"

namespace vconfig {

void CompleteReport(std::vector<std::string>& lines, const ReportStamp& stamp) {
  const std::string created = stamp.createdOn + stamp.date + "  " + stamp.time;
  lines.insert(lines.begin(), {kReportTitleLine, "<FONT color=\"clblack\" size=\"10\">" +
                                                     EscapeMarkup(created) + "</FONT>"});
  lines.emplace_back(" ");
  lines.emplace_back(kReportRuleLine);
  lines.push_back("<FONT color=\"clblack\" size=\"2\">" +
                  EscapeMarkup(stamp.createdBy + stamp.appTitle) + "</FONT>");
}

}  // namespace vconfig
