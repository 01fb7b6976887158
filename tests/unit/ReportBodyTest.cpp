#include "report/ReportBody.h"

#include <gtest/gtest.h>

#include "diagnostics/Errors.h"
#include "fakes/MemoryFileSystem.h"
#include "fakes/MemoryRegistry.h"
#include "markup/MarkupEscape.h"

namespace vconfig {
namespace {

const char* const kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

class ReportBody : public ::testing::Test {
 protected:
  ReportBody() : catalogue_(Catalogue::Build(false, "Other file", "Files", "Autostart")) {
    locations_.windowsDir = "C:\\WINDOWS";
    locations_.systemDir = "C:\\WINDOWS\\SYSTEM";
  }

  TextLines Build(const std::vector<std::pair<int, std::string>>& entries) {
    ReportRequest request;
    request.action = ReportAction::Save;
    for (const auto& [section, caption] : entries)
      request.items.push_back({section, 0, 1, caption, section == 0 ? "Files" : "Autostart"});
    ContentEnvironment env{files_, registry_, locations_, "Other file"};
    return BuildReportBody(request, catalogue_, env);
  }

  static std::string Heading(const char* section, const char* entry) {
    return "<FONT size=\"14\" color=\"clblue\">" + std::string(section) +
           " - <FONT size=\"14\" color=\"clnavy\">" + entry + ":</FONT>";
  }

  Catalogue catalogue_;
  SystemLocations locations_;
  MemoryFileSystem files_;
  MemoryRegistry registry_;
};

TEST_F(ReportBody, FilesInTheRequestsOrderReadAsTheyAreNow) {
  files_.Put("C:\\msdos.sys", "[Paths]\r\nWinDir=C:\\WINDOWS\r\n");
  files_.Put("C:\\WINDOWS\\win.ini", "[windows]\nload=\n");
  files_.Put("C:\\WINDOWS\\system.ini", "[boot]\rshell=Explorer.exe");
  const auto body = Build({{0, "MsDos.sys"}, {0, "Win.ini"}, {0, "System.ini"}});
  EXPECT_EQ(body, (TextLines{
                      Heading("Files", "MsDos.sys"), " ", "[Paths]", "WinDir=C:\\WINDOWS", " ",
                      Heading("Files", "Win.ini"), " ", "[windows]", "load=", " ",
                      Heading("Files", "System.ini"), " ", "[boot]", "shell=Explorer.exe", " "}));
  // A later run reads the files again.
  files_.Put("C:\\WINDOWS\\win.ini", "changed");
  EXPECT_EQ(Build({{0, "Win.ini"}})[2], "changed");
}

// A file's lines are read into the body and only those holding a markup character are
// escaped; the others stay exactly as they are in the file.
TEST_F(ReportBody, FileLinesWithMarkupCharactersAreEscapedAndTheRestKept) {
  std::string bytes;
  std::vector<std::string> expected;
  for (int i = 0; i < 40; ++i) {
    const std::string line = i % 7 == 3 ? "a<b>&\"" + std::to_string(i) + "\">" : "line " + std::to_string(i);
    bytes += line + (i % 2 ? "\n" : "\r\n");
    expected.push_back(EscapeMarkup(line));
  }
  bytes += "tail&";
  expected.push_back("tail&amp;");
  files_.Put("C:\\WINDOWS\\win.ini", bytes);
  const TextLines body = Build({{0, "Win.ini"}});
  ASSERT_EQ(body.size(), expected.size() + 3);
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(body[i + 2], expected[i]) << i;
  EXPECT_EQ(body[3], "line 1");
  EXPECT_EQ(body[5], "a&lt;b&gt;&amp;&quot;3&quot;&gt;");
}

TEST_F(ReportBody, EntriesWithoutContent) {
  registry_.AddKey(RegistryRoot::CurrentUser, kRun);
  registry_.SetValue(RegistryRoot::CurrentUser, kRun, {"Tray", kRegSz, "C:\\t.exe"});
  registry_.SetValue(RegistryRoot::CurrentUser, kRun, {"Clock", kRegExpandSz, "%x%\\c.exe"});
  const auto body = Build({{0, "Boot.ini"}, {0, "Other file"}, {1, "HCU\\Run"},
                           {1, "HKL\\Run"}, {1, "No such entry"}});
  EXPECT_EQ(body,
            (TextLines{
                Heading("Files", "Boot.ini"), " ", " ",      // missing file
                Heading("Files", "Other file"), " ", " ",    // never any content
                Heading("Autostart", "HCU\\Run"), " ", RunValueLine("Tray", "C:\\t.exe"),
                RunValueLine("Clock", "%x%\\c.exe"), " ",
                Heading("Autostart", "HKL\\Run"), " ", " ",  // missing key
                Heading("Autostart", "No such entry"), " ", " "}));
  EXPECT_TRUE(Build({}).empty());
}

TEST_F(ReportBody, ValueOfAnotherTypeEndsTheRun) {
  registry_.AddKey(RegistryRoot::CurrentUser, kRun);
  registry_.SetValue(RegistryRoot::CurrentUser, kRun, {"Bin", kRegBinary, "\x01"});
  EXPECT_THROW(Build({{1, "HCU\\Run"}}), ERegistryError);
}

}  // namespace
}  // namespace vconfig
