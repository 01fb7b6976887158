#include "app/Startup_win.h"

#include <windows.h>

#include <cstdlib>

#include "app/Application_win.h"
#include "app/SuiteGuard.h"
#include "locale/Language.h"
#include "platform/FileSystem_win.h"
#include "platform/Handles_win.h"
#include "platform/Modules_win.h"
#include "platform/Registry_win.h"
#include "platform/SystemInfo_win.h"

namespace vconfig {
namespace {

class Win32GuardHost : public GuardHost {
 public:
  explicit Win32GuardHost(Application& application) : application_(application) {}
  bool FileExists(const std::string& path) override {
    return SystemFileSystem().FileExists(path);
  }
  MutexProbe ProbeMutex(const std::string& name) override {
    UniqueMutex mutex(::OpenMutexA(MUTEX_ALL_ACCESS, TRUE, name.c_str()));
    if (mutex) return MutexProbe::Found;
    const DWORD error = ::GetLastError();
    return (error == ERROR_FILE_NOT_FOUND || error == ERROR_INVALID_NAME) ? MutexProbe::NotFound
                                                                          : MutexProbe::OtherError;
  }
  void ShowError(const std::string& text) override { ShowErrorBox(text); }
  void RequestTermination() override { application_.Terminate(); }

 private:
  Application& application_;
};

class ErrorBoxSink : public ErrorSink {
 public:
  void ShowError(const std::string& text) override { ShowErrorBox(text); }
};

}  // namespace

std::vector<std::string> CommandLineArgs() {
  std::vector<std::string> args;
  for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i] ? __argv[i] : "");
  return args;
}

bool RunSuiteGuard(Application& application) {
  Win32GuardHost host(application);
  return RunSuiteGuard(CommandLineArgs(), DirectoryOf(ProgramPath()), host);
}

bool LoadLanguageModule() {
  Win32IniStore ini;
  auto module = std::make_unique<Win32StringModule>();
  ErrorBoxSink errors;
  LanguageEnvironment env{ini, SystemFileSystem(), *module, TheSystemInfo().DefaultLangId(), errors};
  ChooseAndLoadLanguage(env, ProgramPath());
  SetLanguageModule(std::move(module));
  return true;
}

SystemLocations ReadSystemLocations() {
  return ReadSystemLocationsFrom(TheSystemInfo(), SystemRegistry());
}

Catalogue BuildCatalogue() {
  const bool nt = IsWindowsNT(GetWindowsVersionCode(TheSystemInfo().Version()));
  return Catalogue::Build(nt, GetLangString(7), GetLangString(20), GetLangString(21),
                          TheSystemInfo().RunsUnderWow64());
}

}  // namespace vconfig
