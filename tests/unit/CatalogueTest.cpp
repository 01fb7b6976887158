#include "config/Catalogue.h"

#include <gtest/gtest.h>

namespace vconfig {
namespace {

std::vector<std::string> Captions(const Catalogue& c, int group) {
  std::vector<std::string> out;
  for (const auto& s : c.Group(group)) out.push_back(s.caption);
  return out;
}

TEST(Catalogue, GroupsOnNonNtSystem) {
  const Catalogue c = Catalogue::Build(false, "Other file", "Files", "Autostart");
  EXPECT_EQ(Captions(c, 0),
            (std::vector<std::string>{"Autoexec.bat", "Config.sys", "MsDos.sys", "Win.ini",
                                      "System.ini", "Control.ini", "Boot.ini", "Protocol.ini",
                                      "BootLog.txt", "Scandisk.log", "NetLog.txt", "Other file"}));
  EXPECT_EQ(Captions(c, 1), (std::vector<std::string>{"HKL\\Run", "HCU\\Run", "RunOnce",
                                                      "Startup(User)", "Startup(Common)"}));
  std::vector<int> images;
  for (const auto& s : c.Group(0)) images.push_back(s.image);
  EXPECT_EQ(images, (std::vector<int>{2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4}));
  for (const auto& s : c.Group(1)) EXPECT_EQ(s.image, 3);
  EXPECT_EQ(c.GroupTitle(1), "Autostart");
}

TEST(Catalogue, LocationsFollowTheBases) {
  SystemLocations loc{"D:\\WINNT", "D:\\WINNT\\system32", "D:\\Start", ""};
  const Catalogue nt = Catalogue::Build(true, "Other file", "F", "A");
  EXPECT_EQ(Captions(nt, 0)[0], "Autoexec.nt");
  EXPECT_EQ(Captions(nt, 0)[1], "Config.nt");
  EXPECT_EQ(nt.Find("Autoexec.bat"), nullptr) << "no root autoexec.bat on NT";
  struct Case {
    const char* caption;
    const char* path;
  } cases[] = {
      {"Autoexec.nt", "D:\\WINNT\\system32\\autoexec.nt"},
      {"Config.nt", "D:\\WINNT\\system32\\Config.nt"},
      {"MsDos.sys", "D:\\msdos.sys"},
      {"Win.ini", "D:\\WINNT\\win.ini"},
      {"Boot.ini", "D:\\boot.ini"},
      {"NetLog.txt", "D:\\netlog.txt"},
      {"Startup(User)", "D:\\Start"},
      {"Startup(Common)", ""},
  };
  for (const auto& c : cases) {
    const ConfigSource* s = nt.Find(c.caption);
    ASSERT_NE(s, nullptr) << c.caption;
    EXPECT_EQ(SourceLocation(*s, loc).path, c.path) << c.caption;
  }
  const Catalogue dos = Catalogue::Build(false, "Other file", "F", "A");
  SystemLocations c{"C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "", ""};
  EXPECT_EQ(SourceLocation(*dos.Find("Config.sys"), c).path, "C:\\Config.sys");
  const auto run = SourceLocation(*dos.Find("HKL\\Run"), c);
  EXPECT_EQ(run.root, RegistryRoot::LocalMachine);
  EXPECT_EQ(run.keyPath, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
  EXPECT_EQ(SourceLocation(*dos.Find("RunOnce"), c).root, RegistryRoot::CurrentUser);
}

TEST(Catalogue, Wow64AddsTheMachineRunKeyOf32BitPrograms) {
  SystemLocations loc{"C:\\windows", "C:\\windows\\system32", "", ""};
  for (const bool nt : {false, true}) {
    const Catalogue c = Catalogue::Build(nt, "Other file", "F", "A", true);
    EXPECT_EQ(Captions(c, 1),
              (std::vector<std::string>{"HKL\\Run", "HKL\\Run (32-bit)", "HCU\\Run", "RunOnce",
                                        "Startup(User)", "Startup(Common)"}));
    EXPECT_EQ(c.Group(0).size(), 12u) << "the file group does not change";
    for (size_t i = 0; i < c.Group(1).size(); ++i) {
      EXPECT_EQ(c.Group(1)[i].position, static_cast<int>(i));
      EXPECT_EQ(c.Group(1)[i].image, 3);
    }
    const auto run64 = SourceLocation(*c.Find("HKL\\Run"), loc);
    const auto run32 = SourceLocation(*c.Find("HKL\\Run (32-bit)"), loc);
    EXPECT_EQ(c.Find("HKL\\Run (32-bit)")->kind, SourceKind::RunKey);
    EXPECT_EQ(run32.root, RegistryRoot::LocalMachine);
    EXPECT_EQ(run32.keyPath, run64.keyPath) << "the same key, seen through the other view";
    EXPECT_EQ(run32.view, RegistryView::Bit32);
    EXPECT_EQ(run64.view, RegistryView::Default);
    for (const char* user : {"HCU\\Run", "RunOnce"})
      EXPECT_EQ(SourceLocation(*c.Find(user), loc).view, RegistryView::Default) << user;
  }
  const Catalogue plain = Catalogue::Build(true, "Other file", "F", "A", false);
  EXPECT_EQ(plain.Group(1).size(), 5u);
  EXPECT_EQ(plain.Find("HKL\\Run (32-bit)"), nullptr);
}

TEST(Catalogue, CaptionsMatchExactly) {
  const Catalogue c = Catalogue::Build(false, "Open other file...", "F", "A");
  EXPECT_EQ(c.Find("win.ini"), nullptr);
  EXPECT_EQ(c.Find("Win.ini "), nullptr);
  ASSERT_NE(c.Find("Open other file..."), nullptr);
  EXPECT_EQ(c.Find("Open other file...")->kind, SourceKind::OtherFile);
  EXPECT_EQ(c.Find("Open other file...")->position, 11);
}

TEST(Catalogue, WindowsVersionCodes) {
  struct Case {
    uint32_t platform, major, minor;
    const char* service;
    int code;
  } cases[] = {
      {0, 3, 10, "", 1},        {2, 3, 51, "", 6},         {2, 4, 0, "Service Pack 6", 7},
      {2, 5, 1, "", 8},         {2, 6, 1, "", 0},          {2, 10, 0, "", 0},
      {1, 4, 0, "B", 3},        {1, 4, 0, " B ", 3},       {1, 4, 0, "C", 2},
      {1, 4, 10, " A ", 5},     {1, 4, 10, "\tA\r", 5},    {1, 4, 10, "a", 4},
      {1, 4, 90, " ", 9},       {1, 4, 20, "", 0},         {1, 5, 0, "", 0},
  };
  for (const auto& c : cases) {
    VersionRecord r{c.platform, c.major, c.minor, 0, c.service};
    const int code = GetWindowsVersionCode(r);
    EXPECT_EQ(code, c.code) << c.platform << " " << c.major << "." << c.minor << " '" << c.service << "'";
    EXPECT_EQ(IsWindowsNT(code), code >= 6 && code <= 8);
  }
}

}  // namespace
}  // namespace vconfig
