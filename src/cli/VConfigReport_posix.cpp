// vconfig-report for Linux: reports an offline Windows installation.
#include <ctime>
#include <filesystem>
#include <iostream>

#include "cli/OfflineSubject.h"
#include "cli/ReportRun.h"
#include "locale/CodePage.h"
#include "locale/Language.h"

#ifndef VCONFIG_VERSION
#define VCONFIG_VERSION "unknown"
#endif

namespace vconfig {
namespace {

namespace fs = std::filesystem;

ReportStamp Stamp(const std::string& createdOn, const std::string& createdBy) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[32], time[32];
  std::strftime(date, sizeof date, "%Y-%m-%d", &local);
  std::strftime(time, sizeof time, "%H:%M:%S", &local);
  return {createdOn, date, time, createdBy, kReportAppTitle};
}

// The report never lands inside the installation it reads.
bool LiesUnder(const fs::path& file, const fs::path& root) {
  std::error_code ec;
  const fs::path f = fs::weakly_canonical(fs::absolute(file, ec), ec);
  const fs::path r = fs::weakly_canonical(fs::absolute(root, ec), ec);
  const auto rel = f.lexically_relative(r);
  return !rel.empty() && *rel.begin() != "..";
}

int Run(const std::vector<std::string>& args) {
  int status = kExitDone;
  const auto parsed = ParseCommandLine(args, true, VCONFIG_VERSION, status);
  if (!parsed) return status;
  const ReportOptions& options = *parsed;
  if (!options.root)
    return ReportFailure(kExitUsage,
                         "--root DIR is required: this build reads offline installations");
  if (!options.output.empty() && LiesUnder(options.output, *options.root))
    return ReportFailure(kExitUsage, "the output file " + options.output + " lies inside " +
                                         *options.root + ", which is only ever read");
  const int codePage = options.codePage ? options.codePage : LanguageCodePage(options.language);
  SetLanguageModule(std::make_unique<TableStringModule>(
      options.language,
      [codePage](std::string_view utf8) { return Utf8ToCodePage(utf8, codePage); }));

  std::vector<std::string> problems;
  std::unique_ptr<OfflineSubject> offline;
  try {
    offline = OpenOfflineSubject(*options.root, options.user, codePage, problems);
  } catch (const ENotAnInstallation& e) {
    return ReportFailure(kExitNotWindows, e.what());
  } catch (const EUnknownUser& e) {
    return ReportFailure(kExitUsage, e.what());
  }
  const auto unknown = UnknownCaptions(offline->subject, options.sources);
  if (!unknown.empty())
    return ReportFailure(kExitUsage, "no source captioned '" + unknown.front() + "'");

  const OfflineInstallation& inst = offline->installation;
  const ReportFacts facts{*options.root, inst.Locations(nullptr).windowsDir, inst.Description()};
  ReportOutput out =
      RenderConsoleReport(options, offline->subject,
                          Stamp(GetLangString(50201), GetLangString(50202)), facts, codePage);
  problems.insert(problems.end(), out.problems.begin(), out.problems.end());
  return DeliverConsoleReport(options, out.text, problems, [](const std::string& text) {
    std::cout << text;
    std::cout.flush();
    return static_cast<bool>(std::cout);
  });
}

}  // namespace
}  // namespace vconfig

int main(int argc, char** argv) { return vconfig::RunConsoleMain(argc, argv, vconfig::Run); }
