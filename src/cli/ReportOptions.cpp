#include "cli/ReportOptions.h"

#include <cstdlib>

#include "locale/CodePage.h"
#include "locale/Language.h"

namespace vconfig {
namespace {

OutputFormat ParseFormat(const std::string& text) {
  if (text == "txt") return OutputFormat::Txt;
  if (text == "htm") return OutputFormat::Htm;
  if (text == "csv") return OutputFormat::Csv;
  if (text == "json") return OutputFormat::Json;
  throw EUsageError("unknown format '" + text + "' (txt, htm, csv or json)");
}

std::string ParseLanguage(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  // The language dialog labels two of them so.
  if (text == "CZ") return "CSY";
  if (text == "RU") return "RUS";
  for (const char* code : kLanguageCodes)
    if (text == code) return text;
  throw EUsageError("unknown language '" + text + "' (CSY, DE, EN, ES, FR, IT or RUS)");
}

int ParseCodePage(const std::string& text) {
  char* end = nullptr;
  const long cp = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end || !IsKnownCodePage(static_cast<int>(cp)))
    throw EUsageError("unknown code page '" + text + "' (1250, 1251 or 1252)");
  return static_cast<int>(cp);
}

// Captions separated by commas ("Win.ini,HKL\Run").
void AddCaptions(const std::string& list, std::vector<std::string>& captions) {
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = list.find(',', start);
    const std::string caption = list.substr(start, comma - start);
    if (!caption.empty()) captions.push_back(caption);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
}

}  // namespace

ReportOptions ParseReportOptions(const std::vector<std::string>& args) {
  ReportOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> inlineValue;
    if (name.rfind("--", 0) == 0 && name.find('=') != std::string::npos) {
      inlineValue = name.substr(name.find('=') + 1);
      name.erase(name.find('='));
    }
    auto value = [&]() -> std::string {
      if (inlineValue) return *inlineValue;
      if (i + 1 >= args.size()) throw EUsageError("option " + name + " needs a value");
      return args[++i];
    };
    if (name == "--help" || name == "-h") {
      options.help = true;
    } else if (name == "--version") {
      options.version = true;
    } else if (name == "--root") {
      options.root = value();
      if (options.root->empty()) throw EUsageError("--root needs a folder");
    } else if (name == "--user") {
      options.user = value();
    } else if (name == "--format") {
      options.format = ParseFormat(value());
    } else if (name == "--sources") {
      AddCaptions(value(), options.sources);
    } else if (name == "--lang") {
      options.language = ParseLanguage(value());
    } else if (name == "--codepage") {
      options.codePage = ParseCodePage(value());
    } else if (name == "-o" || name == "--output") {
      options.output = value();
    } else {
      throw EUsageError("unknown argument '" + args[i] + "'");
    }
  }
  return options;
}

std::string ReportUsage(bool canReadHives) {
  std::string text =
      "Usage: vconfig-report [--root DIR [--user NAME]] [--format txt|htm|csv|json]\n"
      "                      [--sources CAPTION,...] [--lang CODE] [--codepage N] [-o FILE]\n"
      "\n"
      "Reports the configuration files, Run keys and start-up folders of a Windows\n"
      "installation, as the Vorn Info Config report window does.\n"
      "\n"
      "  --root DIR        read the offline installation whose system drive is DIR\n"
      "                    (a mounted image or a copy); nothing under DIR is written\n"
      "  --user NAME       only this user's profile (default: every profile)\n"
      "  --format F        txt and htm: the report window's text and HTML reports;\n"
      "                    csv and json: one record per line, value or file\n"
      "  --sources LIST    catalogue captions separated by commas, for example\n"
      "                    \"Win.ini,HKL\\Run,Startup(User)\" (default: all)\n"
      "  --lang CODE       texts in CSY (CZ), DE, EN, ES, FR, IT or RUS (RU); default EN\n"
      "  --codepage N      the installation's code page: 1250, 1251 or 1252 (default:\n"
      "                    the language's); registry texts are converted to it, json\n"
      "                    converts from it to UTF-8\n"
      "  -o FILE           write to FILE (default: standard output)\n"
      "  --help, --version\n"
      "\n"
      "Exit status: 0 done; 1 done, but some source could not be read (each is named\n"
      "on standard error); 2 bad usage; 3 DIR is not a Windows installation.\n";
  if (!canReadHives)
    text +=
        "\nThis build reports the running system. --root needs the registry hive reader\n"
        "(libhivex) of the Linux build and ends here with exit status 2.\n";
  else
    text += "\nThis build reads offline installations only: --root is required.\n";
  return text;
}

}  // namespace vconfig
