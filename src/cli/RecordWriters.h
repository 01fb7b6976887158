// The console report's records as CSV (RFC 4180, in the report's code page) and as
// JSON (UTF-8, converted from the code page).
#pragma once

#include <string>
#include <vector>

#include "cli/ConsoleReport.h"

namespace vconfig {

// A header row, then one row per record; fields quoted where they hold a comma, a
// quote or a line break; CR LF after every row.
std::string RecordsToCsv(const std::vector<ReportRecord>& records);

// Facts about what was read, written before the records.
struct ReportFacts {
  std::string root;         // the folder read, or empty for the live system
  std::string windows;      // the Windows directory
  std::string description;  // family and version
};

// {"installation": {...}, "records": [{...}, ...]} with every string in UTF-8.
std::string RecordsToJson(const ReportFacts& facts, const std::vector<ReportRecord>& records,
                          int codePage);

}  // namespace vconfig
