// The suite as the installer or the zip put it on the machine:
//   installed_tests.exe --installed=C:\Program Files\Vorn Info\   (scripts/test-package.sh)
// Every module carries the release's version, and the installed base module starts
// the program, whose about box shows that version.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "harness/AboutDriver.h"
#include "harness/Harness.h"
#include "harness/MainWindowDriver.h"

namespace vtest {
namespace {

std::string installed;  // the suite's folder, ending in a backslash

struct ModuleVersion {
  std::string product;  // "ProductVersion" of translation 0409 04E4
  std::string file;     // "FileVersion"
  DWORD fixedMs = 0, fixedLs = 0;
};

ModuleVersion ReadVersion(const std::string& path) {
  ModuleVersion v;
  DWORD handle = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return v;
  std::vector<char> block(size);
  if (!::GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return v;
  auto text = [&](const char* key) {
    char* value = nullptr;
    UINT length = 0;
    const std::string sub = std::string("\\StringFileInfo\\040904E4\\") + key;
    if (!::VerQueryValueA(block.data(), sub.c_str(), reinterpret_cast<void**>(&value), &length) ||
        !value)
      return std::string();
    return std::string(value);
  };
  v.product = text("ProductVersion");
  v.file = text("FileVersion");
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
    v.fixedMs = fixed->dwFileVersionMS;
    v.fixedLs = fixed->dwFileVersionLS;
  }
  return v;
}

std::string Dotted(DWORD ms, DWORD ls) {
  return std::to_string(HIWORD(ms)) + "." + std::to_string(LOWORD(ms)) + "." +
         std::to_string(HIWORD(ls)) + "." + std::to_string(LOWORD(ls));
}

TEST(InstalledSuite, EveryModuleCarriesTheReleaseVersion) {
  const std::vector<std::string> modules = {
      "VInfo.exe",           "Config\\VConfig.exe",   "Config\\VConfigCSY.dll",
      "Config\\VConfigDE.dll", "Config\\VConfigEN.dll", "Config\\VConfigES.dll",
      "Config\\VConfigFR.dll", "Config\\VConfigIT.dll", "Config\\VConfigRUS.dll",
      "Vmail\\VnIMail.exe"};
  for (const auto& m : modules) {
    SCOPED_TRACE(m);
    const ModuleVersion v = ReadVersion(installed + m);
    EXPECT_EQ(v.product, VCONFIG_VERSION);
    EXPECT_EQ(v.file, VCONFIG_VERSION);
    EXPECT_EQ(Dotted(v.fixedMs, v.fixedLs), std::string(VCONFIG_VERSION) + ".0");
  }
  // The base module shows the program's icon in the shell.
  vconfig::UniqueModule base(
      ::LoadLibraryExA((installed + "VInfo.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(base);
  EXPECT_NE(::FindResourceA(base.get(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)), nullptr)
      << "no icon group";  // RT_GROUP_ICON
}

TEST(InstalledSuite, TheBaseModuleStartsTheProgramOfTheRelease) {
  RunningProgram p;
  ASSERT_TRUE(StartMainWindowIn(installed, p));
  HWND about = OpenAboutBox(p);
  ASSERT_NE(about, nullptr);
  EXPECT_NE(FindChildByText(about, "TExLabel", VCONFIG_VERSION), nullptr) << DescribeWindow(about);
  EXPECT_NE(FindChildByText(about, "TExLabel", "VConfig"), nullptr);
  ::PostMessageA(about, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([about] { return !::IsWindow(about); }));
  EXPECT_TRUE(p.Close());
}

}  // namespace
}  // namespace vtest

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  constexpr char kSwitch[] = "--installed=";
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], kSwitch, sizeof kSwitch - 1) == 0)
      vtest::installed = argv[i] + sizeof kSwitch - 1;
  if (vtest::installed.empty()) {
    std::fprintf(stderr, "usage: installed_tests --installed=FOLDER\\ [gtest options]\n");
    return 2;
  }
  if (vtest::installed.back() != '\\') vtest::installed += '\\';
  return RUN_ALL_TESTS();
}
