#include "report/ReportCompletion.h"

namespace vconfig {

void CompleteReport(std::vector<std::string>& lines, const ReportStamp& stamp) {
  lines.insert(lines.begin(),
               {kReportTitleLine, "<FONT color=\"clblack\" size=\"10\">" + stamp.createdOn +
                                      stamp.date + "  " + stamp.time + "</FONT>"});
  lines.emplace_back(" ");
  lines.emplace_back(kReportRuleLine);
  lines.push_back("<FONT color=\"clblack\" size=\"2\">" + stamp.createdBy + stamp.appTitle +
                  "</FONT>");
}

}  // namespace vconfig
