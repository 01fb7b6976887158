// The content list's readers and the popup menus' item rules.
#include <gtest/gtest.h>

#include "config/ContentReaders.h"
#include "diagnostics/Errors.h"
#include "fakes/MemoryFileSystem.h"
#include "fakes/MemoryRegistry.h"

namespace vconfig {
namespace {

const char* const kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const kRunOnce = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

// A file system on which some existing files cannot be opened (held by another process).
class LockingFileSystem : public MemoryFileSystem {
 public:
  std::string locked;
  std::optional<std::string> ReadBytes(const std::string& path) override {
    if (path == locked) return std::nullopt;
    return MemoryFileSystem::ReadBytes(path);
  }
  bool AppendBytes(const std::string& path, std::string& out) override {
    return path != locked && MemoryFileSystem::AppendBytes(path, out);
  }
};

struct RecordingSink : ContentSink {
  struct Section {
    std::string title;
    StringList rows;
    int image = -1;
  };
  std::vector<Section> sections;
  int clears = 0;
  void ClearSections() override {
    ++clears;
    sections.clear();
  }
  int AddSection(const std::string& title) override {
    sections.push_back({title, {}, -1});
    return static_cast<int>(sections.size()) - 1;
  }
  void SetRows(int s, StringList rows) override { sections[s].rows = std::move(rows); }
  void SetSectionImage(int s, int image) override { sections[s].image = image; }
};

SystemLocations Locations98() {
  SystemLocations loc;
  loc.windowsDir = "C:\\WINDOWS";
  loc.systemDir = "C:\\WINDOWS\\SYSTEM";
  loc.userStartup = "C:\\WINDOWS\\Start Menu\\Programs\\StartUp";
  loc.commonStartup = "C:\\WINDOWS\\All Users\\Start Menu\\Programs\\StartUp";
  return loc;
}

TEST(ContentReaders, RunValueLineIsTheMarkupRowByteForByte) {
  EXPECT_EQ(RunValueLine("X", "C:\\x.exe"),
            "<FONT color=\"clblue\" size=\"10\">X : <FONT color=\"clmaroon\">C:\\x.exe</FONT>");
  EXPECT_EQ(OtherFileRow("Open other file..."),
            "<FONT color=\"clblue\" size=\"12\">Open other file...</FONT>");
}

TEST(ContentReaders, RegConfigListsValuesInEnumerationOrderAsStored) {
  MemoryRegistry reg;
  reg.SetValue(RegistryRoot::CurrentUser, kRun, {"Zeta", kRegSz, "z.exe"});
  reg.SetValue(RegistryRoot::CurrentUser, kRun, {"Alpha", kRegExpandSz, "%windir%\\a.exe"});
  reg.SetValue(RegistryRoot::CurrentUser, kRun, {"Empty", kRegSz, ""});
  reg.SetValue(RegistryRoot::CurrentUser, kRun, {"NoData", kRegNone, ""});
  reg.SetValue(RegistryRoot::CurrentUser, kRun, {"Bytes", kRegSz, "\xE1\xDC </b>"});
  EXPECT_EQ(getregconfig(reg, RegistryRoot::CurrentUser, kRun, RegistryView::Default),
            (StringList{RunValueLine("Zeta", "z.exe"), RunValueLine("Alpha", "%windir%\\a.exe"),
                        RunValueLine("Empty", ""), RunValueLine("NoData", ""),
                        RunValueLine("Bytes", "\xE1\xDC </b>")}));
}

TEST(ContentReaders, RegConfigReadsAMachineKeyThatRefusesWriteAccess) {
  MemoryRegistry reg;
  reg.SetValue(RegistryRoot::LocalMachine, kRun, {"Tray", kRegSz, "tray.exe"});
  reg.RestrictToRead(RegistryRoot::LocalMachine, kRun);
  EXPECT_EQ(getregconfig(reg, RegistryRoot::LocalMachine, kRun, RegistryView::Default),
            StringList{RunValueLine("Tray", "tray.exe")});
  ASSERT_EQ(reg.opens().size(), 1u);
  EXPECT_EQ(reg.opens()[0].access, RegistryAccess::Read);
  // A missing key lists nothing and is no error.
  EXPECT_TRUE(getregconfig(reg, RegistryRoot::CurrentUser, kRunOnce, RegistryView::Default).empty());
}

TEST(ContentReaders, RegConfigRefusesValuesThatAreNotText) {
  struct Case {
    uint32_t type;
    std::string data;
  };
  for (const Case& c : {Case{kRegDword, std::string("\x01\0\0\0", 4)}, Case{kRegBinary, "\x01\x02"},
                        Case{kRegMultiSz, std::string("a\0b\0", 4)}}) {
    SCOPED_TRACE(c.type);
    MemoryRegistry reg;
    reg.SetValue(RegistryRoot::CurrentUser, kRun, {"Good", kRegSz, "g.exe"});
    reg.SetValue(RegistryRoot::CurrentUser, kRun, {"Odd", c.type, c.data});
    try {
      getregconfig(reg, RegistryRoot::CurrentUser, kRun, RegistryView::Default);
      ADD_FAILURE() << "no error";
    } catch (const ERegistryError& e) {
      EXPECT_STREQ(e.what(), "Invalid data type for 'Odd'");
    }
  }
}

TEST(ContentReaders, StartupFolderListsPlainFilesOnly) {
  MemoryFileSystem fs;
  const std::string dir = "C:\\Start";
  fs.Put(dir + "\\a.lnk", "", kAttrArchive);
  fs.Put(dir + "\\b.lnk", "", kAttrReadOnly);
  fs.Put(dir + "\\c.lnk", "", 0);
  fs.Put(dir + "\\desktop.ini", "", kAttrHidden | kAttrSystem);
  fs.Put(dir + "\\hidden.lnk", "", kAttrHidden);
  fs.Put(dir + "\\system.lnk", "", kAttrSystem);
  fs.Put(dir + "\\Sub", "", kAttrDirectory);
  fs.Put(dir + "\\label", "", kAttrVolumeLabel);
  fs.Put(dir + "\\Sub\\deep.lnk", "");
  EXPECT_EQ(ListStartupFolder(fs, dir), (StringList{"a.lnk", "b.lnk", "c.lnk"}));
}

TEST(ContentReaders, EmptyStartupFolderPathListsNothingRatherThanTheDriveRoot) {
  MemoryFileSystem fs;
  fs.Put("\\root.txt", "");  // what "\*.*" would find
  SystemLocations loc = Locations98();
  loc.userStartup.clear();
  EXPECT_TRUE(getrunutostringlst(fs, loc).empty());
  EXPECT_TRUE(ListStartupFolder(fs, "").empty());
}

TEST(ContentReaders, SourceFileRowsFollowTheLineRules) {
  LockingFileSystem fs;
  fs.Put("C:\\a.txt", "one\r\ntwo\nthree\rfour\r\n");
  fs.Put("C:\\nul.txt", std::string("kept\r\ncut\0gone\r\n", 17));
  fs.Put("C:\\locked.txt", "x");
  fs.locked = "C:\\locked.txt";
  EXPECT_EQ(ReadSourceFile(fs, "C:\\a.txt"), (StringList{"one", "two", "three", "four"}));
  EXPECT_EQ(ReadSourceFile(fs, "C:\\nul.txt"), (StringList{"kept", "cut"}));
  EXPECT_TRUE(ReadSourceFile(fs, "C:\\missing.txt").empty());
  try {
    ReadSourceFile(fs, "C:\\locked.txt");
    ADD_FAILURE() << "no error";
  } catch (const EFileOpenError& e) {
    EXPECT_STREQ(e.what(), "Cannot open file C:\\locked.txt");
  }
}

class GroupLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.Put("C:\\WINDOWS\\win.ini", "[windows]\r\nload=\r\n");
    fs.Put("C:\\boot.ini", "[boot loader]\r\ntimeout=30\r\n");
    fs.Put(loc.userStartup + "\\Notes.lnk", "");
    reg.SetValue(RegistryRoot::CurrentUser, kRun, {"X", kRegSz, "C:\\x.exe"});
  }
  Catalogue catalogue =
      Catalogue::Build(false, "Open other file...", "Configuration files", "Autostart");
  SystemLocations loc = Locations98();
  LockingFileSystem fs;
  MemoryRegistry reg;
  ContentEnvironment env{fs, reg, loc, "Open other file..."};
  RecordingSink sink;
};

TEST_F(GroupLoading, FileGroupGivesTitleThenOneSectionPerEntryWithImages) {
  LoadGroupSections(catalogue, 0, env, sink);
  EXPECT_EQ(sink.clears, 1);
  ASSERT_EQ(sink.sections.size(), 13u);
  EXPECT_EQ(sink.sections[0].title, "Configuration files");
  EXPECT_TRUE(sink.sections[0].rows.empty());
  EXPECT_EQ(sink.sections[0].image, -1);
  const std::vector<std::string> titles = {
      "Autoexec.bat", "Config.sys",   "MsDos.sys",   "Win.ini",      "System.ini",
      "Control.ini",  "Boot.ini",     "Protocol.ini", "BootLog.txt", "Scandisk.log",
      "NetLog.txt",   "Open other file..."};
  const std::vector<int> images = {2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4};
  for (size_t i = 0; i < titles.size(); ++i) {
    EXPECT_EQ(sink.sections[i + 1].title, titles[i]);
    EXPECT_EQ(sink.sections[i + 1].image, images[i]) << titles[i];
  }
  EXPECT_EQ(sink.sections[4].rows, (StringList{"[windows]", "load="}));
  EXPECT_EQ(sink.sections[7].rows, (StringList{"[boot loader]", "timeout=30"}));
  EXPECT_TRUE(sink.sections[1].rows.empty());  // missing file
  EXPECT_EQ(sink.sections[12].rows, StringList{OtherFileRow("Open other file...")});
}

TEST_F(GroupLoading, AutostartGroupListsKeysAndFolders) {
  LoadGroupSections(catalogue, 1, env, sink);
  ASSERT_EQ(sink.sections.size(), 6u);
  EXPECT_EQ(sink.sections[0].title, "Autostart");
  EXPECT_TRUE(sink.sections[1].rows.empty());  // no machine key
  EXPECT_EQ(sink.sections[2].rows, StringList{RunValueLine("X", "C:\\x.exe")});
  EXPECT_EQ(sink.sections[4].title, "Startup(User)");
  EXPECT_EQ(sink.sections[4].rows, StringList{"Notes.lnk"});
  for (int s = 1; s <= 5; ++s) EXPECT_EQ(sink.sections[s].image, 3);
}

TEST_F(GroupLoading, AFailureStopsAtThatSourceAndKeepsTheSectionsSoFarWithoutImages) {
  fs.locked = "C:\\WINDOWS\\win.ini";
  EXPECT_THROW(LoadGroupSections(catalogue, 0, env, sink), EFileOpenError);
  ASSERT_EQ(sink.sections.size(), 5u);  // title, three files, then Win.ini itself
  EXPECT_EQ(sink.sections[4].title, "Win.ini");
  for (const auto& s : sink.sections) EXPECT_EQ(s.image, -1) << s.title;

  RecordingSink second;
  reg.SetValue(RegistryRoot::CurrentUser, kRun, {"Num", kRegDword, std::string("\0\0\0\0", 4)});
  EXPECT_THROW(LoadGroupSections(catalogue, 1, env, second), ERegistryError);
  EXPECT_EQ(second.sections.size(), 3u);
}

TEST(ContentReaders, PopupMenuChoiceFollowsTheGroupTitle) {
  auto both = ChoosePopupMenus("<No load message>", "<No load message>", "<No load message>");
  EXPECT_TRUE(both.configMenu && both.autostartMenu);
  auto files = ChoosePopupMenus("Configuration files", "Configuration files", "Autostart");
  EXPECT_TRUE(files.configMenu && !files.autostartMenu);
  auto none = ChoosePopupMenus("Other", "Configuration files", "Autostart");
  EXPECT_FALSE(none.configMenu || none.autostartMenu);
}

std::string Shown(const PopupItems& i) {
  std::string s;
  if (i.add) s += "A";
  if (i.edit) s += "E";
  if (i.rem) s += "R";
  if (i.view) s += "V";
  if (i.registryEditor) s += "G";
  return s;
}

TEST(ContentReaders, PopupItemVisibility) {
  const std::string other = "Open other file...";
  struct Case {
    int section, row;
    const char* title;
    const char* menu1;
    const char* menu2;
  };
  const Case cases[] = {
      {0, -1, "Configuration files", "", ""},   // the group's title row
      {0, 0, "Configuration files", "", ""},    // a miss
      {7, -1, "Boot.ini", "AV", "AVG"},          // a file's title row
      {7, 3, "Boot.ini", "AERV", "AERVG"},       // one of its lines
      {12, -1, "Open other file...", "", "AVG"},  // the other-file section
      {12, 0, "Open other file...", "", "AERVG"},
      {2, 0, "HCU\\Run", "AERV", "AERVG"},       // a value row
      {4, -1, "Startup(User)", "AV", "V"},
      {4, 1, "Startup(User)", "AERV", "V"},
      {5, 0, "Startup(Common)", "AERV", "V"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.title) + " row " + std::to_string(c.row));
    const PopupTarget t{c.section, c.row, c.title};
    EXPECT_EQ(Shown(PopupMenu1Items(t, other)), c.menu1);
    EXPECT_EQ(Shown(PopupMenu2Items(t)), c.menu2);
  }
}

}  // namespace
}  // namespace vconfig
