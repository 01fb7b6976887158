#include "cli/ReportRun.h"

#include <fstream>
#include <iostream>

#include "locale/LanguageTable.h"
#include "report/ReportText.h"

namespace vconfig {
namespace {

const LanguageTexts* FindLanguage(const std::string& code) {
  size_t count = 0;
  const LanguageTexts* languages = LanguageTable(count);
  for (size_t i = 0; i < count; ++i)
    if (code == languages[i].code) return &languages[i];
  return nullptr;
}

}  // namespace

TableStringModule::TableStringModule(std::string code, Converter convert)
    : code_(std::move(code)), convert_(std::move(convert)) {}

bool TableStringModule::Load(const std::string& code) {
  if (!FindLanguage(code)) return false;
  code_ = code;
  return true;
}

std::string TableStringModule::Text(int id) {
  const LanguageTexts* language = FindLanguage(code_);
  if (!language) return {};
  for (size_t i = 0; i < language->count; ++i)
    if (language->texts[i].id == id) return convert_(language->texts[i].utf8).substr(0, 1023);
  return {};
}

int LanguageCodePage(const std::string& code) {
  const LanguageTexts* language = FindLanguage(code);
  return language ? language->codePage : 1252;
}

ReportOutput RenderConsoleReport(const ReportOptions& options, const ReportSubject& subject,
                                 const ReportStamp& stamp, const ReportFacts& facts, int codePage) {
  ReportOutput out;
  const std::vector<ReportSection> sections = PlanSections(subject, options.sources);
  if (options.format == OutputFormat::Csv || options.format == OutputFormat::Json) {
    const auto records = ConsoleReportRecords(subject, sections, out.problems);
    out.text = options.format == OutputFormat::Csv ? RecordsToCsv(records)
                                                   : RecordsToJson(facts, records, codePage);
    return out;
  }
  TextLines lines = ConsoleReportBody(subject, sections, out.problems);
  // As the report window: an empty body produces nothing.
  if (lines.empty()) return out;
  CompleteReport(lines, stamp);
  if (options.format == OutputFormat::Txt) {
    out.text = PlainTextReport(lines);
  } else {
    // The document says which code page its bytes are in: the one the texts were
    // written in.
    HtmlReportStyle style;
    style.charset = HtmlCharsetName(static_cast<unsigned>(codePage));
    out.text = HtmlReport(lines, style);
  }
  return out;
}

int ReportFailure(int status, const std::string& message) {
  std::cerr << "vconfig-report: " << message << "\n";
  return status;
}

std::optional<ReportOptions> ParseCommandLine(const std::vector<std::string>& args,
                                              bool canReadHives, const char* version,
                                              int& exitStatus) {
  exitStatus = kExitDone;
  ReportOptions options;
  try {
    options = ParseReportOptions(args);
  } catch (const EUsageError& e) {
    exitStatus =
        ReportFailure(kExitUsage, std::string(e.what()) + "\nTry 'vconfig-report --help'.");
    return std::nullopt;
  }
  if (options.help) {
    std::cout << ReportUsage(canReadHives);
    return std::nullopt;
  }
  if (options.version) {
    std::cout << "vconfig-report " << version << "\n";
    return std::nullopt;
  }
  return options;
}

int DeliverConsoleReport(const ReportOptions& options, const std::string& text,
                         const std::vector<std::string>& problems,
                         const std::function<bool(const std::string&)>& writeStdout) {
  bool written = false;
  if (options.output.empty()) {
    written = writeStdout(text);
  } else {
    std::ofstream out(options.output, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    written = static_cast<bool>(out);
  }
  if (!written)
    return ReportFailure(kExitUsage,
                         "cannot write " + (options.output.empty() ? std::string("standard output")
                                                                   : options.output));
  for (const std::string& problem : problems) ReportFailure(kExitSourceUnreadable, problem);
  return problems.empty() ? kExitDone : kExitSourceUnreadable;
}

int RunConsoleMain(int argc, char** argv, int (*run)(const std::vector<std::string>& args)) {
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    return ReportFailure(kExitSourceUnreadable, e.what());
  }
}

}  // namespace vconfig
