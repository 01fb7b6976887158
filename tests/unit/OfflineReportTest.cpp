// The console report against the report window's own body of the same content, and
// its csv and json records read back.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "cli/OfflineSubject.h"
#include "cli/ReportRun.h"
#include "cli/ValueText.h"
#include "config/TextLines.h"
#include "fakes/MemoryFileSystem.h"
#include "fakes/MemoryRegistry.h"
#include "locale/CodePage.h"
#include "locale/Language.h"
#include "offline/OfflineTree.h"
#include "offline/RecordReaders.h"
#include "report/ReportBody.h"
#include "report/ReportText.h"

namespace vconfig {
namespace {

namespace fs = std::filesystem;
using namespace vconfig::testing;

const char* const kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class OfflineReport : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLanguageModule(std::make_unique<TableStringModule>(
        "EN", [](std::string_view utf8) { return Utf8ToCodePage(utf8, 1252); }));
  }
  void TearDown() override { SetLanguageModule(nullptr); }

  std::unique_ptr<OfflineSubject> Open(const std::string& user = {}) {
    problems_.clear();
    return OpenOfflineSubject(tree_.path().string(), user, 1252, problems_);
  }
  std::string Render(OfflineSubject& s, OutputFormat format,
                     std::vector<std::string> sources = {}) {
    ReportOptions options;
    options.format = format;
    options.sources = std::move(sources);
    ReportOutput out =
        RenderConsoleReport(options, s.subject, stamp_, {"root", "C:\\WINDOWS", "XP"}, 1252);
    problems_.insert(problems_.end(), out.problems.begin(), out.problems.end());
    return out.text;
  }

  TempFolder tree_;
  std::vector<std::string> problems_;
  ReportStamp stamp_{"Report created on ", "2026-12-08", "12:00:00", "Created by ",
                     kReportAppTitle};
};

// The window program's report of the same files and string values, through its own
// readers over the in-memory doubles, gives the same body lines.
TEST_F(OfflineReport, BodyIsTheReportWindowsBody) {
  MakeXpTree(tree_.path());
  auto offline = Open("alice");
  const std::vector<std::string> captions = {"Config.nt", "Win.ini",  "System.ini",
                                             "Boot.ini",  "HKL\\Run", "Startup(Common)"};
  const auto sections = PlanSections(offline->subject, captions);
  const auto body = ConsoleReportBody(offline->subject, sections, problems_);
  EXPECT_TRUE(problems_.empty());

  MemoryFileSystem files;
  files.Put("C:\\WINDOWS\\system32\\Config.nt",
            ReadAll(tree_.path() / "WINDOWS/system32/CONFIG.NT"));
  files.Put("C:\\WINDOWS\\win.ini", ReadAll(tree_.path() / "WINDOWS/win.ini"));
  files.Put("C:\\WINDOWS\\system.ini", ReadAll(tree_.path() / "WINDOWS/system.ini"));
  files.Put("C:\\boot.ini", ReadAll(tree_.path() / "boot.ini"));
  files.Put("C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\Startup\\Common.lnk",
            "L");
  MemoryRegistry registry;
  registry.AddKey(RegistryRoot::LocalMachine, kRun);
  registry.SetValue(RegistryRoot::LocalMachine, kRun,
                    {"Tray", kRegSz, "C:\\Program Files\\Tray\\tray.exe"});
  registry.SetValue(RegistryRoot::LocalMachine, kRun,
                    {"Agent", kRegExpandSz, "%ProgramFiles%\\Agent\\agent.exe /min"});
  const SystemLocations locations = offline->subject.scopes[0].locations;
  ContentEnvironment env{files, registry, locations, GetLangString(7)};
  ReportRequest request;
  for (const std::string& caption : captions) {
    const ConfigSource* s = offline->subject.catalogue.Find(caption);
    request.items.push_back(
        {s->group, s->position, 1, caption, offline->subject.catalogue.GroupTitle(s->group)});
  }
  EXPECT_EQ(body, BuildReportBody(request, offline->subject.catalogue, env));
  EXPECT_GT(body.size(), 60u);
}

TEST_F(OfflineReport, UsersValuesOfEveryTypeUnderTheirNames) {
  MakeXpTree(tree_.path());
  auto offline = Open();
  const auto sections = PlanSections(offline->subject, {"HCU\\Run", "Startup(User)"});
  ASSERT_EQ(sections.size(), 4u);
  EXPECT_EQ(sections[0].caption, "HCU\\Run (alice)");
  EXPECT_EQ(sections[3].caption, "Startup(User) (bob)");
  const auto body = ConsoleReportBody(offline->subject, sections, problems_);
  EXPECT_EQ(body[0], ReportHeading("Autostart", "HCU\\Run (alice)"));
  EXPECT_EQ(body[2],
            RunValueLine("Messenger", "\"C:\\Program Files\\Messenger\\msmsgs.exe\" /background"));
  EXPECT_EQ(body[3], RunValueLine("Sync", "%USERPROFILE%\\sync.exe"));
  // The window refuses a DWORD; here it is named by its type and shown exactly.
  EXPECT_EQ(body[4], RunValueLine("Flags", "[REG_DWORD] 42 (0x0000002a)"));
  EXPECT_EQ(body[5], RunValueLine("Caf\xE9 \xC4rger", "C:\\Bl\xFCte\\\xE9t\xE9.exe"));
  EXPECT_EQ(body[6], RunValueLine("", "C:\\default.exe"));
  EXPECT_NE(std::find(body.begin(), body.end(), "Notes.lnk"), body.end());
  EXPECT_NE(std::find(body.begin(), body.end(), "Bob.lnk"), body.end());
}

TEST_F(OfflineReport, TextAndHtmlAreTheWindowsSaveFormats) {
  MakeXpTree(tree_.path());
  auto offline = Open("bob");
  const std::string txt = Render(*offline, OutputFormat::Txt, {"Boot.ini"});
  TextLines lines =
      ConsoleReportBody(offline->subject, PlanSections(offline->subject, {"Boot.ini"}), problems_);
  CompleteReport(lines, stamp_);
  TextLines html = lines;
  StripAllMarkup(lines);
  EXPECT_EQ(txt, JoinTextLines(lines));
  EXPECT_EQ(SplitTextLines(txt)[0], "Vorn Info Report");
  ConvertToHtml(html);
  EXPECT_EQ(Render(*offline, OutputFormat::Htm, {"Boot.ini"}), JoinTextLines(html));
}

TEST_F(OfflineReport, RecordsReadBack) {
  MakeXpTree(tree_.path());
  auto offline = Open("alice");
  const std::string csv = Render(*offline, OutputFormat::Csv, {"HCU\\Run", "Win.ini"});
  const auto rows = ParseCsv(csv);
  ASSERT_GT(rows.size(), 6u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"group", "source", "location", "user", "view",
                                               "name", "type", "data"}));
  // The same lines as the window's body lists for the file.
  const auto fileLines = SplitTextLines(ReadAll(tree_.path() / "WINDOWS/win.ini"));
  const size_t winIniLines = fileLines.size();
  ASSERT_EQ(rows.size(), 1 + winIniLines + 5);
  for (size_t i = 0; i < winIniLines; ++i) EXPECT_EQ(rows[1 + i][7], fileLines[i]) << i;
  EXPECT_EQ(rows[1][1], "Win.ini");
  EXPECT_EQ(rows[1][2], "C:\\WINDOWS\\win.ini");
  EXPECT_EQ(rows[1][5], "1");
  EXPECT_EQ(rows[1][6], "line");
  const auto& messenger = rows[1 + winIniLines];
  EXPECT_EQ(messenger,
            (std::vector<std::string>{"Autostart", "HCU\\Run",
                                      "HKCU\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                      "alice", "", "Messenger", "REG_SZ",
                                      "\"C:\\Program Files\\Messenger\\msmsgs.exe\" /background"}));
  EXPECT_EQ(rows[3 + winIniLines][6], "REG_DWORD");

  const JsonValue json = ParseJson(Render(*offline, OutputFormat::Json, {"HCU\\Run", "HKL\\Run"}));
  const auto& records = json.At("records").array;
  ASSERT_EQ(records.size(), 7u);
  EXPECT_EQ(records[0].At("source").text, "HKL\\Run");
  EXPECT_EQ(records[1].At("type").text, "REG_EXPAND_SZ");
  EXPECT_EQ(records[5].At("name").text, "Caf\xC3\xA9 \xC3\x84rger");  // back in UTF-8
  EXPECT_EQ(records[5].At("data").text, "C:\\Bl\xC3\xBCte\\\xC3\xA9t\xC3\xA9.exe");
  EXPECT_EQ(records[6].At("name").text, "");
  EXPECT_EQ(json.At("installation").At("windows").text, "C:\\WINDOWS");
  EXPECT_TRUE(problems_.empty());
}

TEST_F(OfflineReport, SixtyFourBitInstallationsListTheir32BitRunKey) {
  MakeWin10Tree(tree_.path());
  auto offline = Open();
  const auto& autostart = offline->subject.catalogue.Group(kGroupAutostart);
  ASSERT_EQ(autostart.size(), 6u);
  EXPECT_EQ(autostart[1].caption, "HKL\\Run (32-bit)");
  const auto body = ConsoleReportBody(
      offline->subject, PlanSections(offline->subject, {"HKL\\Run (32-bit)"}), problems_);
  EXPECT_EQ(body, (TextLines{ReportHeading("Autostart", "HKL\\Run (32-bit)"), " ",
                             RunValueLine("Old32", "C:\\old\\old32.exe"), " "}));
  const auto rows = ParseCsv(Render(*offline, OutputFormat::Csv, {"HKL\\Run (32-bit)"}));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][4], "32-bit");
  // An XP installation has one view: five autostart entries, as the program shows them.
  TempFolder xp;
  MakeXpTree(xp.path());
  EXPECT_EQ(OpenOfflineSubject(xp.path().string(), "", 1252, problems_)
                ->subject.catalogue.Group(kGroupAutostart)
                .size(),
            5u);
}

TEST_F(OfflineReport, Windows98RegistryIsNotReadEverythingElseIs) {
  MakeWin98Tree(tree_.path());
  auto offline = Open();
  EXPECT_EQ(offline->subject.catalogue.Group(0)[0].caption, "Autoexec.bat");
  const auto body = ConsoleReportBody(
      offline->subject, PlanSections(offline->subject, {"HKL\\Run", "Config.sys", "Startup(User)"}),
      problems_);
  EXPECT_EQ(body[0], ReportHeading("Configuration files", "Config.sys"));
  EXPECT_GT(body.size(), 40u);
  const auto run = std::find(body.begin(), body.end(), ReportHeading("Autostart", "HKL\\Run"));
  ASSERT_NE(run, body.end());
  EXPECT_EQ(*(run + 2), kRegistryNotRead);
  EXPECT_EQ(body.back(), " ");
  EXPECT_EQ(*(body.end() - 2), "Tips.lnk");
  EXPECT_TRUE(problems_.empty());
  const auto rows = ParseCsv(Render(*offline, OutputFormat::Csv, {"RunOnce"}));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1][6], "not-read");
}

TEST_F(OfflineReport, UnreadableSourcesAreNamedAndTheRestReported) {
  MakeWin10Tree(tree_.path());
  // A file that cannot be read (a pipe: even root gets no bytes from it without a
  // writer) and a link that leads to itself.
  fs::remove(tree_.path() / "Windows/win.ini");
  ASSERT_EQ(mkfifo((tree_.path() / "Windows/win.ini").c_str(), 0644), 0);
  fs::create_symlink("system.ini", tree_.path() / "Windows/system.ini");
  auto offline = Open();
  const std::string txt = Render(*offline, OutputFormat::Txt);
  ASSERT_EQ(problems_.size(), 2u);
  EXPECT_EQ(problems_[0], "Win.ini: Cannot open file C:\\Windows\\win.ini");
  EXPECT_EQ(problems_[1], "System.ini: Cannot open file C:\\Windows\\system.ini");
  EXPECT_NE(txt.find("Not read: Cannot open file C:\\Windows\\win.ini"), std::string::npos);
  EXPECT_NE(txt.find("Carol.lnk"), std::string::npos);  // the rest is there
  EXPECT_NE(txt.find("Everyone.lnk"), std::string::npos);
}

TEST(ValueText, EveryTypeShownExactly) {
  EXPECT_EQ(ValueDataText({"n", kRegSz, "C:\\a.exe"}), "C:\\a.exe");
  EXPECT_EQ(ValueDataText({"n", kRegDword, std::string("\xff\xff\xff\xff", 4)}),
            "4294967295 (0xffffffff)");
  EXPECT_EQ(ValueDataText({"n", 11, std::string("\x01\0\0\0\0\0\0\0", 8)}),
            "1 (0x0000000000000001)");
  EXPECT_EQ(ValueDataText({"n", kRegDword, std::string("\x01\x02", 2)}), "01 02");  // short: bytes
  EXPECT_EQ(ValueDataText({"n", kRegBinary, std::string("\x00\xAB", 2)}), "00 ab");
  EXPECT_EQ(ValueDataText({"n", kRegMultiSz, std::string("a\0b c\0", 6)}), "a | b c");
  EXPECT_EQ(RegistryTypeName(42), "type 42");
  EXPECT_EQ(DescribedValueText({"n", kRegBinary, "\x01"}), "[REG_BINARY] 01");
}

}  // namespace
}  // namespace vconfig
