// vconfig-report as a user runs it: exit statuses, messages, and the installation
// left exactly as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>

#include "offline/OfflineTree.h"
#include "offline/RecordReaders.h"

namespace vconfig {
namespace {

namespace fs = std::filesystem;
using namespace vconfig::testing;

std::string Quote(const std::string& arg) {
  std::string q = "'";
  for (const char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

struct Outcome {
  int status = -1;
  std::string out, err;
};

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class ReportCli : public ::testing::Test {
 protected:
  Outcome Report(const std::vector<std::string>& args) {
    std::string command = Quote(VCONFIG_REPORT_EXE);
    for (const std::string& a : args) command += " " + Quote(a);
    command += " >" + Quote((io_.path() / "out").string()) + " 2>" +
               Quote((io_.path() / "err").string()) + " </dev/null";
    Outcome run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Slurp(io_.path() / "out");
    run.err = Slurp(io_.path() / "err");
    return run;
  }
  std::string Root() const { return tree_.path().string(); }

  TempFolder tree_, io_;
};

TEST_F(ReportCli, ReportsAnXpInstallationAndChangesNothing) {
  MakeXpTree(tree_.path());
  const std::string before = TreeChecksum(tree_.path());
  const Outcome txt = Report({"--root", Root()});
  EXPECT_EQ(txt.status, 0) << txt.err;
  EXPECT_EQ(txt.err, "");
  EXPECT_EQ(txt.out.rfind("Vorn Info Report\r\nReport created on", 0), 0u);
  EXPECT_NE(txt.out.find("Autostart - HCU\\Run (bob):\r\n"), std::string::npos);
  EXPECT_NE(txt.out.find("Flags : [REG_DWORD] 42 (0x0000002a)\r\n"), std::string::npos);
  const Outcome htm = Report({"--root", Root(), "--format", "htm", "--sources", "Boot.ini"});
  EXPECT_EQ(htm.out.rfind("<HTML>\r\n", 0), 0u);
  EXPECT_NE(htm.out.find("charset=windows-1252\">"), std::string::npos);
  EXPECT_NE(htm.out.find("<TABLE>\r\n<TR><TD><FONT color=\"#000080\" size=\"4\">Vorn Info Report"
                         "</FONT></TD></TR>"),
            std::string::npos);
  const Outcome json = Report({"--root", Root(), "--format=json", "--user", "alice"});
  EXPECT_EQ(json.status, 0);
  EXPECT_EQ(ParseJson(json.out).At("installation").At("description").text,
            "Microsoft Windows XP (NT 5.1)");
  const fs::path file = io_.path() / "report.csv";
  EXPECT_EQ(Report({"--root", Root(), "--format", "csv", "-o", file.string()}).status, 0);
  EXPECT_GT(ParseCsv(Slurp(file)).size(), 50u);
  EXPECT_EQ(TreeChecksum(tree_.path()), before);
}

TEST_F(ReportCli, LanguagesAndCodePages) {
  MakeWin10Tree(tree_.path());
  const Outcome de = Report({"--root", Root(), "--lang", "de", "--sources", "Win.ini"});
  EXPECT_EQ(de.status, 0);
  EXPECT_NE(de.out.find("Konfigurationsdateien - Win.ini:"), std::string::npos);
  // Russian texts in Windows-1251, as a Russian system's report would hold them.
  const Outcome ru = Report({"--root", Root(), "--lang", "RUS", "--sources", "Win.ini"});
  EXPECT_EQ(ru.status, 0);
  EXPECT_EQ(ru.out.find("\xD0"), std::string::npos);  // no UTF-8 lead bytes of Cyrillic
  const Outcome cz =
      Report({"--root", Root(), "--lang", "CSY", "--sources", "RunOnce", "--format", "json"});
  EXPECT_NE(cz.out.find("Po spu\xC5\xA1t\xC4\x9Bn\xC3\xAD"), std::string::npos);  // UTF-8 again
}

TEST_F(ReportCli, BadUsage) {
  MakeXpTree(tree_.path());
  for (const auto& args : std::vector<std::vector<std::string>>{
           {},
           {"--format", "pdf", "--root", Root()},
           {"--root"},
           {"--bogus"},
           {"--root", Root(), "--lang", "XX"},
           {"--root", Root(), "--sources", "win.ini"},
           {"--root", Root(), "--user", "nobody"},
           {"--root", Root(), "--codepage", "437"},
           {"--root", Root(), "-o", Root() + "/WINDOWS/report.txt"}}) {
    const Outcome run = Report(args);
    EXPECT_EQ(run.status, 2) << args.size();
    EXPECT_EQ(run.err.rfind("vconfig-report: ", 0), 0u) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(fs::exists(tree_.path() / "WINDOWS/report.txt"));
  const Outcome help = Report({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Exit status"), std::string::npos);
  EXPECT_EQ(Report({"--version"}).out.rfind("vconfig-report ", 0), 0u);
}

TEST_F(ReportCli, NotAnInstallation) {
  WriteFile(tree_.path() / "file", "x");
  fs::create_directories(tree_.path() / "empty/WINDOWS");
  for (const std::string& dir : {Root() + "/missing", Root() + "/file", Root() + "/empty"}) {
    const Outcome run = Report({"--root", dir});
    EXPECT_EQ(run.status, 3) << dir;
    EXPECT_NE(run.err.find(dir), std::string::npos) << run.err;
  }
}

TEST_F(ReportCli, DamagedInstallationsAreReportedAsFarAsTheyGo) {
  MakeXpTree(tree_.path());
  // A hive with flipped bytes, a profile without its hive, a link in a loop.
  const fs::path ntuser = tree_.path() / "Documents and Settings/alice/NTUSER.DAT";
  std::string bytes = Slurp(ntuser);
  for (size_t i = 0x1000; i < bytes.size(); i += 7) bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
  WriteFile(ntuser, bytes);
  fs::create_directories(tree_.path() / "Documents and Settings/ghost/Desktop");
  fs::remove(tree_.path() / "WINDOWS/system.ini");
  fs::create_symlink("system.ini", tree_.path() / "WINDOWS/system.ini");
  // A link to the reading machine's own files is not followed.
  WriteFile(io_.path() / "secret", "host only");
  fs::remove(tree_.path() / "boot.ini");
  fs::create_symlink(io_.path() / "secret", tree_.path() / "boot.ini");
  const std::string before = TreeChecksum(tree_.path());
  const Outcome run = Report({"--root", Root()});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Profile ghost has no NTUSER.DAT"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("System.ini: Cannot open file C:\\WINDOWS\\system.ini"), std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("Boot.ini: Cannot open file C:\\boot.ini"), std::string::npos) << run.err;
  EXPECT_EQ(run.out.find("host only"), std::string::npos);
  EXPECT_NE(run.out.find("Autostart - HCU\\Run (bob):"), std::string::npos);  // the rest is there
  EXPECT_NE(run.out.find("Messenger : \"C:\\Program Files"), std::string::npos);
  EXPECT_EQ(TreeChecksum(tree_.path()), before);
}

}  // namespace
}  // namespace vconfig
