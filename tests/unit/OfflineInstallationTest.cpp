#include <gtest/gtest.h>

#include "offline/HiveRegistry.h"
#include "offline/OfflineInstallation.h"
#include "offline/OfflineTree.h"

namespace vconfig {
namespace {

namespace fs = std::filesystem;
using namespace vconfig::testing;

const char* const kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class OfflineInstallationTest : public ::testing::Test {
 protected:
  OfflineInstallation Open(const std::string& user = {}) {
    problems_.clear();
    return OpenOfflineInstallation(tree_.path(), user, 1252, problems_);
  }
  TempFolder tree_;
  std::vector<std::string> problems_;
};

TEST_F(OfflineInstallationTest, WindowsXpLayout) {
  MakeXpTree(tree_.path());
  const OfflineInstallation inst = Open();
  EXPECT_TRUE(problems_.empty()) << problems_.front();
  EXPECT_EQ(inst.windowsFolder, "WINDOWS");
  EXPECT_TRUE(inst.IsNT());
  EXPECT_EQ(inst.version.major, 5u);
  EXPECT_EQ(inst.version.minor, 1u);
  EXPECT_EQ(inst.Description(), "Microsoft Windows XP (NT 5.1)");
  ASSERT_EQ(inst.users.size(), 2u);  // "All Users" is no user
  EXPECT_EQ(inst.users[0].name, "alice");
  EXPECT_EQ(inst.users[1].name, "bob");  // ntuser.dat in lower case
  ASSERT_TRUE(inst.users[1].hive);
  // alice's shell records her folder; bob's falls back to the standard place.
  EXPECT_EQ(inst.users[0].startupFolder,
            "C:\\Documents and Settings\\alice\\Start Menu\\Programs\\Startup");
  EXPECT_EQ(inst.users[1].startupFolder,
            "C:\\Documents and Settings\\bob\\Start Menu\\Programs\\Startup");
  EXPECT_EQ(inst.commonStartup,
            "C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\Startup");
  const SystemLocations loc = inst.Locations(&inst.users[0]);
  EXPECT_EQ(loc.windowsDir, "C:\\WINDOWS");
  EXPECT_EQ(loc.systemDir, "C:\\WINDOWS\\system32");
  // The system directory's config.nt is found whatever its letter case on disk.
  EXPECT_TRUE(inst.files->FileExists("C:\\WINDOWS\\system32\\Config.nt"));
  EXPECT_FALSE(inst.files->FileExists("D:\\WINDOWS\\win.ini"));
}

TEST_F(OfflineInstallationTest, Windows10LayoutAndUserChoice) {
  MakeWin10Tree(tree_.path());
  OfflineInstallation inst = Open();
  EXPECT_TRUE(problems_.empty());
  EXPECT_EQ(inst.windowsFolder, "Windows");
  EXPECT_EQ(inst.version.major, 10u);  // CurrentMajorVersionNumber, not "6.3"
  ASSERT_EQ(inst.users.size(), 1u);    // Public holds no user
  EXPECT_EQ(
      inst.users[0].startupFolder,
      "C:\\Users\\carol\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup");
  EXPECT_EQ(inst.commonStartup,
            "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\StartUp");
  EXPECT_EQ(Open("CAROL").users.size(), 1u);
  EXPECT_THROW(Open("dave"), EUnknownUser);
}

TEST_F(OfflineInstallationTest, Windows98HasNoHivesToRead) {
  MakeWin98Tree(tree_.path());
  const OfflineInstallation inst = Open();
  EXPECT_FALSE(inst.IsNT());
  EXPECT_FALSE(inst.software);
  ASSERT_EQ(inst.users.size(), 1u);
  EXPECT_EQ(inst.users[0].startupFolder, "C:\\WINDOWS\\Start Menu\\Programs\\StartUp");
  EXPECT_EQ(inst.Locations(nullptr).systemDir, "C:\\WINDOWS\\SYSTEM");
}

TEST_F(OfflineInstallationTest, FoldersThatAreNoInstallation) {
  EXPECT_THROW(FindWindowsFolder(tree_.path() / "missing"), ENotAnInstallation);
  WriteFile(tree_.path() / "file", "x");
  EXPECT_THROW(FindWindowsFolder(tree_.path() / "file"), ENotAnInstallation);
  fs::create_directories(tree_.path() / "WINDOWS/Fonts");  // a Windows folder without Windows
  EXPECT_THROW(FindWindowsFolder(tree_.path()), ENotAnInstallation);
  // Any folder that holds a system.ini will do, whatever its name.
  WriteFile(tree_.path() / "Win31/SYSTEM.INI", "[boot]\r\n");
  EXPECT_EQ(FindWindowsFolder(tree_.path()), "Win31");
}

TEST_F(OfflineInstallationTest, DamagedHivesAndMissingOnesAreNamed) {
  MakeXpTree(tree_.path());
  const fs::path software = tree_.path() / "WINDOWS/system32/config/SOFTWARE";
  fs::resize_file(software, 100);  // truncated
  fs::remove(tree_.path() / "Documents and Settings/bob/ntuser.dat");
  const OfflineInstallation inst = Open();
  ASSERT_EQ(problems_.size(), 2u);
  EXPECT_NE(problems_[0].find("SOFTWARE"), std::string::npos) << problems_[0];
  EXPECT_EQ(problems_[1], "Profile bob has no NTUSER.DAT: its registry is not read");
  EXPECT_FALSE(inst.software);
  EXPECT_EQ(inst.users.size(), 2u);  // bob's files are still reported
}

TEST(HiveRegistryTest, ViewsNamesAndTypesAsStored) {
  TempFolder temp;
  WriteHive(temp.path() / "SOFTWARE", SoftwareHive("6.1", "Windows 7", 2, true));
  WriteHive(temp.path() / "NTUSER.DAT", UserHive(""));
  HiveRegistry registry(OpenHiveFile((temp.path() / "SOFTWARE").string()),
                        OpenHiveFile((temp.path() / "NTUSER.DAT").string()), 1252);
  auto machine = registry.OpenKey(RegistryRoot::LocalMachine, kRun, RegistryAccess::Read,
                                  RegistryView::Default);
  ASSERT_TRUE(machine);
  const auto values = machine->Values();
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[1].type, kRegExpandSz);
  EXPECT_EQ(values[1].data, "%ProgramFiles%\\Agent\\agent.exe /min");  // not expanded
  auto wow =
      registry.OpenKey(RegistryRoot::LocalMachine, kRun, RegistryAccess::Read, RegistryView::Bit32);
  ASSERT_TRUE(wow);
  EXPECT_EQ(wow->Values().at(0).name, "Old32");
  EXPECT_FALSE(registry.OpenKey(RegistryRoot::LocalMachine, "SYSTEM\\Select", RegistryAccess::Read,
                                RegistryView::Default));

  auto user = registry.OpenKey(RegistryRoot::CurrentUser,
                               "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                               RegistryAccess::Read, RegistryView::Default);
  ASSERT_TRUE(user);
  const auto mine = user->Values();
  ASSERT_EQ(mine.size(), 5u);
  EXPECT_EQ(mine[2].type, kRegDword);
  EXPECT_EQ(mine[2].data, std::string("\x2A\0\0\0", 4));
  EXPECT_EQ(mine[3].name, "Caf\xE9 \xC4rger");  // UTF-16 in the hive, Windows-1252 here
  EXPECT_EQ(mine[3].data, "C:\\Bl\xFCte\\\xE9t\xE9.exe");
  EXPECT_EQ(mine[4].name, "");
  EXPECT_FALSE(user->SetString("x", "y"));
  EXPECT_FALSE(user->DeleteValue("Flags"));
}

TEST(HiveRegistryTest, NotAHive) {
  TempFolder temp;
  WriteFile(temp.path() / "junk", std::string(8192, 'x'));
  EXPECT_THROW(OpenHiveFile((temp.path() / "junk").string()), EHiveError);
  EXPECT_THROW(OpenHiveFile((temp.path() / "none").string()), EHiveError);
}

}  // namespace
}  // namespace vconfig
