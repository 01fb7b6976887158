// The suite guard: the program runs only when the suite's base module started it.
#pragma once

#include <string>
#include <vector>

namespace vconfig {

enum class MutexProbe { Found, NotFound, OtherError };

class GuardHost {
 public:
  virtual ~GuardHost() = default;
  virtual bool FileExists(const std::string& path) = 0;
  virtual MutexProbe ProbeMutex(const std::string& name) = 0;
  virtual void ShowError(const std::string& text) = 0;
  virtual void RequestTermination() = 0;
};

constexpr const char* kBaseModuleMutex = "Vorn Info running";
constexpr const char* kTerminatedMessage = "Aplication terminated";

// args holds the command-line arguments after the program name.
bool CheckStartSwitch(const std::vector<std::string>& args, GuardHost& host);
bool CheckBaseModulePresent(const std::string& programDir, GuardHost& host);
bool CheckBaseModuleRunning(const std::vector<std::string>& args, GuardHost& host);
// All three in order, stopping at the first failure.
bool RunSuiteGuard(const std::vector<std::string>& args, const std::string& programDir,
                   GuardHost& host);

// The switch a restarted instance gets: the one this instance was started with, so
// that an instance started with "-start" (no base module running) passes the guard
// again; "-vinfo" when there is none.
std::string RestartSwitch(const std::vector<std::string>& args);

// The parent of the program directory (which ends with a backslash) + "VInfo.exe".
std::string BaseModulePath(const std::string& programDir);
// The directory part of a full path, with its trailing backslash.
std::string DirectoryOf(const std::string& path);

}  // namespace vconfig
