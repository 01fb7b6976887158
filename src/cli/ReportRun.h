// One console report run, once the subject is open: plan, read, render, and the
// exit status. Shared by the offline (Linux) and the live (Windows) program.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ConsoleReport.h"
#include "cli/RecordWriters.h"
#include "cli/ReportOptions.h"
#include "platform/Modules.h"
#include "report/ReportCompletion.h"

namespace vconfig {

// The title the report names as its maker, as the window program does.
constexpr const char* kReportAppTitle = "Vorn Info Config";

// The language's texts from the program's own table, converted from UTF-8 by the
// given function (into the report's code page).
class TableStringModule : public StringModule {
 public:
  using Converter = std::function<std::string(std::string_view utf8)>;
  TableStringModule(std::string code, Converter convert);
  bool Load(const std::string& code) override;
  std::string Text(int id) override;

 private:
  std::string code_;
  Converter convert_;
};

// The Windows code page the language's texts are written in (1252 when unknown).
int LanguageCodePage(const std::string& code);

struct ReportOutput {
  std::string text;
  std::vector<std::string> problems;  // each source that could not be read, with its reason
};

// Renders the chosen sources in the chosen format. txt and htm are the report window's
// save formats: its body, completed with the stamp, converted as it converts.
ReportOutput RenderConsoleReport(const ReportOptions& options, const ReportSubject& subject,
                                 const ReportStamp& stamp, const ReportFacts& facts, int codePage);

// "vconfig-report: MESSAGE" on standard error; returns the status.
int ReportFailure(int status, const std::string& message);

// Parses the command line, and answers bad usage, --help and --version itself: then
// it sets the exit status and gives nothing, and the caller ends with that status.
std::optional<ReportOptions> ParseCommandLine(const std::vector<std::string>& args,
                                              bool canReadHives, const char* version,
                                              int& exitStatus);

// Writes the report to -o's file or through writeStdout, names every problem on
// standard error and gives the exit status.
int DeliverConsoleReport(const ReportOptions& options, const std::string& text,
                         const std::vector<std::string>& problems,
                         const std::function<bool(const std::string&)>& writeStdout);

// Runs the program's body; an error that escapes it ends with exit status 1.
int RunConsoleMain(int argc, char** argv, int (*run)(const std::vector<std::string>& args));

}  // namespace vconfig
