// vconfig-report for Linux: reports an offline Windows installation.
#include <ctime>
#include <filesystem>
#include <fstream>
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

int Fail(int status, const std::string& message) {
  std::cerr << "vconfig-report: " << message << "\n";
  return status;
}

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

bool WriteOutput(const std::string& path, const std::string& text) {
  if (path.empty()) {
    std::cout << text;
    std::cout.flush();
    return static_cast<bool>(std::cout);
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

int Run(const std::vector<std::string>& args) {
  ReportOptions options;
  try {
    options = ParseReportOptions(args);
  } catch (const EUsageError& e) {
    return Fail(kExitUsage, std::string(e.what()) + "\nTry 'vconfig-report --help'.");
  }
  if (options.help) {
    std::cout << ReportUsage(true);
    return kExitDone;
  }
  if (options.version) {
    std::cout << "vconfig-report " << VCONFIG_VERSION << "\n";
    return kExitDone;
  }
  if (!options.root)
    return Fail(kExitUsage, "--root DIR is required: this build reads offline installations");
  if (!options.output.empty() && LiesUnder(options.output, *options.root))
    return Fail(kExitUsage, "the output file " + options.output + " lies inside " + *options.root +
                                ", which is only ever read");
  const int codePage = options.codePage ? options.codePage : LanguageCodePage(options.language);
  SetLanguageModule(std::make_unique<TableStringModule>(
      options.language,
      [codePage](std::string_view utf8) { return Utf8ToCodePage(utf8, codePage); }));

  std::vector<std::string> problems;
  std::unique_ptr<OfflineSubject> offline;
  try {
    offline = OpenOfflineSubject(*options.root, options.user, codePage, problems);
  } catch (const ENotAnInstallation& e) {
    return Fail(kExitNotWindows, e.what());
  } catch (const EUnknownUser& e) {
    return Fail(kExitUsage, e.what());
  }
  const auto unknown = UnknownCaptions(offline->subject, options.sources);
  if (!unknown.empty()) return Fail(kExitUsage, "no source captioned '" + unknown.front() + "'");

  const OfflineInstallation& inst = offline->installation;
  const ReportFacts facts{*options.root, inst.Locations(nullptr).windowsDir, inst.Description()};
  ReportOutput out =
      RenderConsoleReport(options, offline->subject,
                          Stamp(GetLangString(50201), GetLangString(50202)), facts, codePage);
  if (!WriteOutput(options.output, out.text))
    return Fail(kExitUsage,
                "cannot write " + (options.output.empty() ? "standard output" : options.output));
  problems.insert(problems.end(), out.problems.begin(), out.problems.end());
  for (const std::string& problem : problems) std::cerr << "vconfig-report: " << problem << "\n";
  return problems.empty() ? kExitDone : kExitSourceUnreadable;
}

}  // namespace
}  // namespace vconfig

int main(int argc, char** argv) {
  try {
    return vconfig::Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::cerr << "vconfig-report: " << e.what() << "\n";
    return vconfig::kExitSourceUnreadable;
  }
}
