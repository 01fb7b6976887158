// The fixed lines that frame every delivered report.
#pragma once

#include <string>

#include "config/TextLines.h"

namespace vconfig {

constexpr const char* kReportTitleLine = "<FONT color=\"clnavy\" size=\"14\">Vorn Info Report</FONT>";
constexpr const char* kReportRuleLine = "<HR color-\"clblue\">";

struct ReportStamp {
  std::string createdOn;  // language text before the date
  std::string date;       // the system's short date
  std::string time;       // the system's long time
  std::string createdBy;  // language text before the application title
  std::string appTitle;
};

// Title and date line in front, spacer, rule and closing line behind.
void CompleteReport(TextLines& lines, const ReportStamp& stamp);

}  // namespace vconfig
