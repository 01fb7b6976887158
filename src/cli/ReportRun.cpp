#include "cli/ReportRun.h"

#include "config/TextLines.h"
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
  std::vector<std::string> lines = ConsoleReportBody(subject, sections, out.problems);
  // As the report window: an empty body produces nothing.
  if (lines.empty()) return out;
  CompleteReport(lines, stamp);
  if (options.format == OutputFormat::Txt) {
    StripAllMarkup(lines);
  } else {
    // The document says which code page its bytes are in: the one the texts were
    // written in.
    HtmlReportStyle style;
    style.charset = HtmlCharsetName(static_cast<unsigned>(codePage));
    ConvertToHtml(lines, style);
  }
  out.text = JoinTextLines(lines);
  return out;
}

}  // namespace vconfig
