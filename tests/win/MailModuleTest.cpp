// The suite's mail module as the program starts it: the report handed to the mail
// program through Simple MAPI (a recording mapi32.dll stands in for it), and what the
// user is told when there is none or it fails.
#include <gtest/gtest.h>
#include <windows.h>

#include <mapi.h>

#include "harness/Harness.h"
#include "harness/MailDriver.h"

namespace vtest {
namespace {

// Bytes the program writes into a report: CR LF, an empty line, letters above 127.
const char kReportText[] = "Vorn Info Report\r\nHKL\\Run:\r\n\r\nSoundMixer : C:\\w\xE1n\xB4.exe\r\n";
const char kReportHtml[] = "<TABLE>\r\n<TR><TD>Vorn Info Report</TD></TR>\r\n";

struct MailRun {
  SuiteCopy suite;
  std::string vmail;

  explicit MailRun(bool withRecordingMapi)
      : vmail(InstallRealMailModule(suite, withRecordingMapi)) {
    WriteFileBytes(vmail + "report.txt", kReportText);
    WriteFileBytes(vmail + "report.htm", kReportHtml);
  }
  Process Start() { return StartProgram(vmail + "VnIMail.exe", kMailModuleArgs, vmail); }
};

DWORD ExitCode(const Process& p) {
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(p.handle(), &code);
  return code;
}

TEST(MailModule, HandsTheTextAsBodyAndTheHtmlAsAttachment) {
  MailRun run(true);
  MapiLoadOrder order("native,builtin");
  Process mail = run.Start();
  ASSERT_TRUE(mail.started());
  ASSERT_TRUE(mail.WaitForExit()) << "the mail module waits (a box?)";
  EXPECT_EQ(ExitCode(mail), 0u);

  const MapiRecord record = ReadMapiRecord(run.vmail);
  ASSERT_TRUE(record.complete) << "mapi32.dll was not called";
  EXPECT_EQ(record.flags, static_cast<unsigned long>(MAPI_DIALOG | MAPI_LOGON_UI));
  EXPECT_EQ(record.subject, "Vorn Info Report");
  EXPECT_EQ(record.recipients, 0);
  EXPECT_EQ(record.files, 1);
  EXPECT_EQ(record.attachments, std::vector<std::string>{run.vmail + "report.htm|report.htm"});
  EXPECT_EQ(record.body, kReportText);
  EXPECT_EQ(ReadFileBytes(run.vmail + "report.txt"), kReportText);
  EXPECT_EQ(ReadFileBytes(run.vmail + "report.htm"), kReportHtml);
}

TEST(MailModule, WithoutAWorkingMailProgramTheUserIsToldWhereTheReportIs) {
  struct Case {
    const char* what;
    bool withRecordingMapi;
    const char* loadOrder;
    unsigned long result;  // of MAPISendMail, when it is called
  };
  const Case cases[] = {{"no mapi32.dll at all", false, "", 0},
                        {"MAPISendMail fails", true, "native,builtin", MAPI_E_FAILURE},
                        {"no profile to log on with", true, "native,builtin", MAPI_E_LOGIN_FAILURE}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MailRun run(c.withRecordingMapi);
    MapiLoadOrder order(c.loadOrder);
    if (c.withRecordingMapi) SetMapiResult(run.vmail, c.result);
    Process mail = run.Start();
    ASSERT_TRUE(mail.started());
    HWND box = WaitForMessageBox(mail.id());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Vorn Info Mail");
    EXPECT_EQ(MessageBoxText(box), "No mail program is set up to send the report. The report was "
                                   "saved as " + run.vmail + "report.htm.");
    EXPECT_TRUE(PressDialogButton(box, IDOK));
    ASSERT_TRUE(mail.WaitForExit());
    EXPECT_EQ(ExitCode(mail), 2u);
    EXPECT_EQ(ReadFileBytes(run.vmail + "report.txt"), kReportText);
    EXPECT_EQ(ReadFileBytes(run.vmail + "report.htm"), kReportHtml);
  }
}

TEST(MailModule, CancelledInTheMailProgramNothingIsSaid) {
  MailRun run(true);
  MapiLoadOrder order("native,builtin");
  SetMapiResult(run.vmail, MAPI_USER_ABORT);
  Process mail = run.Start();
  ASSERT_TRUE(mail.started());
  // A box would keep the module waiting for an answer.
  ASSERT_TRUE(mail.WaitForExit()) << "the mail module waits (a box?)";
  EXPECT_EQ(ExitCode(mail), 1u);
  EXPECT_TRUE(ReadMapiRecord(run.vmail).complete);
  EXPECT_TRUE(FileExists(run.vmail + "report.htm"));
}

TEST(MailModule, AMissingReportOrArgumentsAreSaidAndNothingIsSent) {
  MailRun run(true);
  MapiLoadOrder order("native,builtin");
  ::DeleteFileA((run.vmail + "report.txt").c_str());
  Process mail = run.Start();
  HWND box = WaitForMessageBox(mail.id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "Cannot open file " + run.vmail + "report.txt");
  EXPECT_TRUE(PressDialogButton(box, IDOK));
  ASSERT_TRUE(mail.WaitForExit());
  EXPECT_FALSE(FileExists(run.vmail + "mapi32.record"));

  // Started by hand, without the report's files.
  Process byHand = StartProgram(run.vmail + "VnIMail.exe", "", run.vmail);
  box = WaitForMessageBox(byHand.id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), "Vorn Info Mail");
  EXPECT_NE(MessageBoxText(box).find("press Send in its report window"), std::string::npos);
  EXPECT_TRUE(PressDialogButton(box, IDOK));
  ASSERT_TRUE(byHand.WaitForExit());
  EXPECT_FALSE(FileExists(run.vmail + "mapi32.record"));
}

}  // namespace
}  // namespace vtest
