// vconfig-report.exe: the console report of the running Windows system, through the
// Win32 registry and files, like the report window.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "app/SystemLocations.h"
#include "cli/ReportRun.h"
#include "locale/Language.h"
#include "platform/FileSystem_win.h"
#include "platform/Registry_win.h"
#include "platform/SystemInfo_win.h"

#ifndef VCONFIG_VERSION
#define VCONFIG_VERSION "unknown"
#endif

namespace vconfig {
namespace {

// UTF-8 to the ANSI code page, as the language modules' texts reach the program.
std::string ToAnsi(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int wide =
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(wide), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), wide);
  const int bytes = ::WideCharToMultiByte(CP_ACP, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, w.data(), wide, out.data(), bytes, nullptr, nullptr);
  return out;
}

std::string SystemText(int (*format)(char*, int)) {
  char buffer[128] = {};
  return format(buffer, sizeof buffer) > 0 ? buffer : "";
}

ReportStamp Stamp() {
  return {GetLangString(50201), SystemText([](char* b, int n) {
            return ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, b, n);
          }),
          SystemText([](char* b, int n) {
            return ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, b, n);
          }),
          GetLangString(50202), kReportAppTitle};
}

// The report's own CR LF, not doubled by the text mode of the stream.
bool WriteBinaryStdout(const std::string& text) {
  _setmode(_fileno(stdout), _O_BINARY);
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  return std::fflush(stdout) == 0 && written;
}

int Run(const std::vector<std::string>& args) {
  int status = kExitDone;
  const auto parsed = ParseCommandLine(args, false, VCONFIG_VERSION, status);
  if (!parsed) return status;
  const ReportOptions& options = *parsed;
  if (options.root)
    return ReportFailure(kExitUsage,
                         "--root needs the registry hive reader (libhivex) of the Linux build; "
                         "this build reports the running system");
  if (options.codePage)
    return ReportFailure(kExitUsage,
                         "--codepage: this build reports in the system's ANSI code page");
  SetLanguageModule(std::make_unique<TableStringModule>(options.language, ToAnsi));

  SystemInfo& system = TheSystemInfo();
  ReportSubject subject;
  subject.otherFileCaption = GetLangString(7);
  subject.catalogue = Catalogue::Build(IsWindowsNT(GetWindowsVersionCode(system.Version())),
                                       subject.otherFileCaption, GetLangString(20),
                                       GetLangString(21), system.RunsUnderWow64());
  subject.files = &SystemFileSystem();
  subject.registryNote = kRegistryNotRead;
  subject.scopes.push_back(
      {"", ReadSystemLocationsFrom(system, SystemRegistry()), &SystemRegistry()});
  const auto unknown = UnknownCaptions(subject, options.sources);
  if (!unknown.empty())
    return ReportFailure(kExitUsage, "no source captioned '" + unknown.front() + "'");

  const ReportFacts facts{"", subject.scopes[0].locations.windowsDir, "Windows (running system)"};
  const ReportOutput out =
      RenderConsoleReport(options, subject, Stamp(), facts, static_cast<int>(::GetACP()));
  return DeliverConsoleReport(options, out.text, out.problems, WriteBinaryStdout);
}

}  // namespace
}  // namespace vconfig

int main(int argc, char** argv) { return vconfig::RunConsoleMain(argc, argv, vconfig::Run); }
