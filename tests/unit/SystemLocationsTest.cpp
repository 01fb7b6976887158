#include "app/SystemLocations.h"

#include <gtest/gtest.h>

#include "fakes/MemoryRegistry.h"

namespace vconfig {
namespace {

constexpr const char* kUserKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kMachineKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

class FakeSystem : public SystemInfo {
 public:
  std::string windows = "C:\\WINDOWS";
  std::string WindowsDirectory() override { return windows; }
  std::string SystemDirectory() override { return "C:\\WINDOWS\\SYSTEM"; }
  VersionRecord Version() override { return {}; }
  uint16_t DefaultLangId() override { return 0x409; }
  bool RunsUnderWow64() override { return false; }
};

TEST(SystemLocations, ReadsShellFoldersWithReadAccessOnly) {
  FakeSystem sys;
  MemoryRegistry reg;
  reg.SetValue(RegistryRoot::CurrentUser, kUserKey, {"StartUp", kRegSz, "C:\\Menu\\Startup"});
  reg.SetValue(RegistryRoot::LocalMachine, kMachineKey,
               {"Common Startup", kRegSz, "C:\\All\\Startup"});
  // An account that may only read the machine's key still gets its folder.
  reg.RestrictToRead(RegistryRoot::LocalMachine, kMachineKey);
  const SystemLocations loc = ReadSystemLocationsFrom(sys, reg);
  EXPECT_EQ(loc.windowsDir, "C:\\WINDOWS");
  EXPECT_EQ(loc.BootDrive(), 'C');
  EXPECT_EQ(loc.systemDir, "C:\\WINDOWS\\SYSTEM");
  EXPECT_EQ(loc.userStartup, "C:\\Menu\\Startup");
  EXPECT_EQ(loc.commonStartup, "C:\\All\\Startup");
  ASSERT_EQ(reg.opens().size(), 2u);
  for (const auto& open : reg.opens()) EXPECT_EQ(open.access, RegistryAccess::Read);
}

TEST(SystemLocations, MissingValuesAreEmptyAndLongWindowsDirIsCut) {
  FakeSystem sys;
  sys.windows = "D:\\" + std::string(200, 'w');
  MemoryRegistry reg;
  reg.AddKey(RegistryRoot::CurrentUser, kUserKey);
  reg.SetValue(RegistryRoot::LocalMachine, kMachineKey, {"common startup", kRegDword, "\1\0\0\0"});
  const SystemLocations loc = ReadSystemLocationsFrom(sys, reg);
  EXPECT_EQ(loc.windowsDir.size(), 144u);
  EXPECT_EQ(loc.windowsDir, sys.windows.substr(0, 144));
  EXPECT_EQ(loc.BootDrive(), 'D');
  EXPECT_EQ(loc.userStartup, "");
  EXPECT_EQ(loc.commonStartup, "");
}

}  // namespace
}  // namespace vconfig
