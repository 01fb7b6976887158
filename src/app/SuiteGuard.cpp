#include "app/SuiteGuard.h"

namespace vconfig {
namespace {

const std::string& FirstArg(const std::vector<std::string>& args) {
  static const std::string empty;
  return args.empty() ? empty : args[0];
}

bool Fail(GuardHost& host, const char* message) {
  host.ShowError(message);
  host.ShowError(kTerminatedMessage);
  host.RequestTermination();
  return false;
}

}  // namespace

bool CheckStartSwitch(const std::vector<std::string>& args, GuardHost& host) {
  const std::string& arg = FirstArg(args);
  if (arg == "-vinfo" || arg == "-start") return true;
  return Fail(host, "Application isn\xB4t start from main module!");
}

std::string RestartSwitch(const std::vector<std::string>& args) {
  return FirstArg(args) == "-start" ? "-start" : "-vinfo";
}

std::string BaseModulePath(const std::string& programDir) {
  std::string parent;
  if (programDir.size() >= 2) {
    const size_t slash = programDir.find_last_of('\\', programDir.size() - 2);
    if (slash != std::string::npos) parent = programDir.substr(0, slash + 1);
  }
  return parent + "VInfo.exe";
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool CheckBaseModulePresent(const std::string& programDir, GuardHost& host) {
  if (host.FileExists(BaseModulePath(programDir))) return true;
  return Fail(host, "No find base module Vorn Info!");
}

bool CheckBaseModuleRunning(const std::vector<std::string>& args, GuardHost& host) {
  if (FirstArg(args) == "-start") return true;
  if (host.ProbeMutex(kBaseModuleMutex) != MutexProbe::NotFound) return true;
  return Fail(host, "No running base module Vorn Info!");
}

bool RunSuiteGuard(const std::vector<std::string>& args, const std::string& programDir,
                   GuardHost& host) {
  return CheckStartSwitch(args, host) && CheckBaseModulePresent(programDir, host) &&
         CheckBaseModuleRunning(args, host);
}

}  // namespace vconfig
