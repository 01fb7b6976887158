// The console report's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "diagnostics/Errors.h"

namespace vconfig {

enum class OutputFormat { Txt, Htm, Csv, Json };

struct ReportOptions {
  std::optional<std::string> root;  // --root DIR: an offline installation
  std::string user;                 // --user NAME: one profile only
  OutputFormat format = OutputFormat::Txt;
  std::vector<std::string> sources;  // --sources: captions; empty means all
  std::string language = "EN";       // --lang CODE
  int codePage = 0;                  // --codepage N; 0: the language's own
  std::string output;                // -o FILE; empty: standard output
  bool help = false;
  bool version = false;
};

// Bad usage (exit status 2).
class EUsageError : public AppError {
 public:
  using AppError::AppError;
  const char* ClassName() const noexcept override { return "EUsageError"; }
};

// Throws EUsageError with a message that names the fault.
ReportOptions ParseReportOptions(const std::vector<std::string>& args);

// The --help text. canReadHives: whether this build reads offline installations.
std::string ReportUsage(bool canReadHives);

constexpr int kExitDone = 0;
constexpr int kExitSourceUnreadable = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNotWindows = 3;

}  // namespace vconfig
