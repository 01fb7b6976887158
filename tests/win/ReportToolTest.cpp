// vconfig-report.exe on the running system: the Run keys as the registry holds them,
// the report window's text format, and --root refused with its reason.
#include <gtest/gtest.h>

#include "harness/Harness.h"

namespace vtest {
namespace {

const char* const kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string ReportTool() {
  const std::string self = TestProgramPath();
  return self.substr(0, self.find_last_of('\\') + 1) + "vconfig-report.exe";
}

DWORD RunReport(const std::string& args, const std::string& folder) {
  Process p = StartProgram(ReportTool(), args, folder);
  if (!p.started() || !p.WaitForExit(60s)) return 0xDEAD;
  DWORD code = 0xDEAD;
  ::GetExitCodeProcess(p.handle(), &code);
  return code;
}

// name,data pairs of a key as the system enumerates them.
std::vector<std::pair<std::string, std::string>> KeyValues(HKEY root) {
  std::vector<std::pair<std::string, std::string>> values;
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, kRun, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  for (DWORD i = 0;; ++i) {
    char name[256];
    BYTE data[1024];
    DWORD nameLength = sizeof name, dataLength = sizeof data - 1, type = 0;
    if (::RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data, &dataLength) !=
        ERROR_SUCCESS)
      break;
    data[dataLength] = 0;
    values.emplace_back(std::string(name, nameLength), reinterpret_cast<char*>(data));
  }
  ::RegCloseKey(key);
  return values;
}

TEST(ReportTool, RunKeysOfTheRunningSystem) {
  const std::string folder = TempFolder("vconfig-report");
  ASSERT_EQ(RunReport("--sources \"HKL\\Run,HCU\\Run\" --format csv -o \"" + folder + "\\run.csv\"",
                      folder),
            0u);
  const std::string csv = ReadFileBytes(folder + "\\run.csv");
  ASSERT_EQ(csv.rfind("group,source,location,user,view,name,type,data\r\n", 0), 0u) << csv;
  const auto machine = KeyValues(HKEY_LOCAL_MACHINE);
  const auto user = KeyValues(HKEY_CURRENT_USER);
  ASSERT_FALSE(machine.empty());  // the test prefix's demo values
  ASSERT_FALSE(user.empty());
  for (const auto& [name, data] : machine)
    EXPECT_NE(
        csv.find("HKL\\Run,HKLM\\" + std::string(kRun) + ",,," + name + ",REG_SZ," + data + "\r\n"),
        std::string::npos)
        << name;
  for (const auto& [name, data] : user)
    EXPECT_NE(
        csv.find("HCU\\Run,HKCU\\" + std::string(kRun) + ",,," + name + ",REG_SZ," + data + "\r\n"),
        std::string::npos)
        << name;

  ASSERT_EQ(RunReport("--sources HCU\\Run -o \"" + folder + "\\run.txt\"", folder), 0u);
  const std::string txt = ReadFileBytes(folder + "\\run.txt");
  EXPECT_EQ(txt.rfind("Vorn Info Report\r\n", 0), 0u) << txt;
  EXPECT_NE(txt.find("\r\nAutostart - HCU\\Run:\r\n \r\n" + user[0].first + " : " + user[0].second +
                     "\r\n"),
            std::string::npos)
      << txt;
  RemoveTree(folder);
}

TEST(ReportTool, NoOfflineInstallationsOnWindows) {
  const std::string folder = TempFolder("vconfig-report-root");
  EXPECT_EQ(RunReport("--root C:\\ -o \"" + folder + "\\x.txt\"", folder), 2u);
  EXPECT_FALSE(FileExists(folder + "\\x.txt"));
  EXPECT_EQ(RunReport("--format pdf", folder), 2u);
  RemoveTree(folder);
}

}  // namespace
}  // namespace vtest
