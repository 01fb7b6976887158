// Reports through the real program: choosing sources in the report window, saving,
// sending to the suite's mail module and printing on a PostScript printer.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/Harness.h"
#include "harness/MailDriver.h"
#include "harness/ReportDriver.h"
#include "harness/TestPrinter.h"

namespace vtest {
namespace {

// Rows of the report list with the file group expanded: its title, 12 entries, the
// autostart title.
constexpr int kNetLogRow = 11;
constexpr int kScandiskRow = 10;
constexpr int kAutostartRowWithFilesOpen = 13;

const char* const kClosing = "Created by Vorn Info Config";

// A configuration file of the demo machine for the length of a test.
class DemoFile {
 public:
  DemoFile(std::string path, const std::string& bytes) : path_(std::move(path)) {
    WriteFileBytes(path_, bytes);
  }
  ~DemoFile() { ::DeleteFileA(path_.c_str()); }

 private:
  std::string path_;
};

std::string Today() {
  char date[128] = {};
  ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
  return date;
}

// Opens the report window, ticks the given rows of the file group and presses a button.
::testing::AssertionResult RunReport(RunningProgram& p, std::initializer_list<int> fileRows,
                                     const char* button, HWND* opened = nullptr) {
  HWND form = OpenReportWindow(p);
  if (!form) return ::testing::AssertionFailure() << "the report window did not open";
  if (opened) *opened = form;
  HWND list = ReportList(form);
  if (fileRows.size() > 0) {
    if (auto expanded = ToggleReportSection(list, 0); !expanded) return expanded;
  }
  for (int row : fileRows) ClickCheckBox(list, row);
  return PressReportButton(form, button);
}

// Answers the save dialog that a Save opens.
::testing::AssertionResult SaveAs(RunningProgram& p, const std::string& path) {
  HWND dialog = WaitForWindow(p.pid, "#32770", nullptr);
  if (!dialog) return ::testing::AssertionFailure() << "no save dialog for " << path;
  return FillFileDialog(dialog, path);
}

TEST(Report, TickedSourcesAreSavedAsTextOrHtmlByTheNamesExtension) {
  // LF line ends, bytes above 127, a quoted 8, markup in the text.
  DemoFile netlog("C:\\netlog.txt", "a\xA4\xA5 \"8\"\nb<x>c\n");
  SuiteCopy suite;
  const std::string out = TempFolder("report-save");
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));

  HWND form = OpenReportWindow(p);
  ASSERT_NE(form, nullptr);
  RECT frame{};
  ::GetWindowRect(form, &frame);
  EXPECT_EQ(frame.right - frame.left, 310);
  EXPECT_EQ(frame.bottom - frame.top, 375);
  EXPECT_EQ(WindowText(form), "Report");
  std::vector<std::pair<LONG, std::string>> buttons;  // top edge, caption
  for (HWND b : ChildWindows(form, "TSpeedButton")) {
    RECT r{};
    ::GetWindowRect(b, &r);
    buttons.emplace_back(r.top - frame.top, WindowText(b));
  }
  std::sort(buttons.begin(), buttons.end());
  ASSERT_EQ(buttons.size(), 4u);
  EXPECT_EQ(buttons[0].second, "Print");
  EXPECT_EQ(buttons[1].second, "Send");
  EXPECT_EQ(buttons[2].second, "Save");
  EXPECT_EQ(buttons[3].second, "Close");
  EXPECT_EQ(buttons[3].first - buttons[0].first, 86 - 9);
  HWND list = ReportList(form);
  EXPECT_EQ(ListRows(list), (std::vector<std::string>{"Configuration files", "Autostart"}));
  ASSERT_TRUE(ToggleReportSection(list, 0));
  ASSERT_EQ(ListRows(list).size(), 14u);
  EXPECT_EQ(ListRows(list)[kNetLogRow], "NetLog.txt");
  ClickCheckBox(list, kNetLogRow);
  ASSERT_TRUE(PressReportButton(form, "Save"));
  ASSERT_TRUE(SaveAs(p, out + "r.txt"));
  ASSERT_TRUE(WaitFor([&] { return FileExists(out + "r.txt"); }));
  const std::string text = ReadFileBytes(out + "r.txt");
  const std::string header = "Vorn Info Report\r\nReport created on " + Today() + "  ";
  EXPECT_EQ(text.substr(0, header.size()), header);
  const std::string tail =
      "\r\nConfiguration files - NetLog.txt:\r\n \r\na\xA4\xA5 \"8\"\r\nb<x>c\r\n \r\n \r\n\r\n" +
      std::string(kClosing) + "\r\n";
  ASSERT_GT(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);

  // Every opening starts unticked: Save without a tick asks nothing and writes nothing.
  ASSERT_TRUE(RunReport(p, {}, "Save", &form));
  ASSERT_TRUE(WaitForReportClosed(form));
  EXPECT_TRUE(ShowsNothingModal(p.main));

  // The extension decides, in any letter case.
  ASSERT_TRUE(RunReport(p, {kNetLogRow}, "Save"));
  ASSERT_TRUE(SaveAs(p, out + "R2.TXT"));
  ASSERT_TRUE(WaitFor([&] { return FileExists(out + "R2.TXT"); }));
  EXPECT_NE(ReadFileBytes(out + "R2.TXT").find("\r\na\xA4\xA5 \"8\"\r\n"), std::string::npos);

  ASSERT_TRUE(RunReport(p, {kNetLogRow}, "Save"));
  ASSERT_TRUE(SaveAs(p, out + "r.htm"));
  ASSERT_TRUE(WaitFor([&] { return FileExists(out + "r.htm"); }));
  const std::string html = ReadFileBytes(out + "r.htm");
  EXPECT_EQ(html.rfind("<HTML>\r\n<HEAD>\r\n<META http-equiv=\"Content-Type\" content=\"text/html; "
                       "charset=windows-1252\">\r\n",
                       0),
            0u);
  EXPECT_NE(html.find("<TABLE>\r\n<TR><TD><FONT color=\"#000080\" size=\"4\">Vorn Info "
                      "Report</FONT></TD></TR>\r\n"),
            std::string::npos);
  EXPECT_NE(html.find("\r\n<TR><TD>a\xA4\xA5 &quot;8&quot;</TD></TR>\r\n<TR><TD>b&lt;x&gt;c</TD></TR>\r\n"),
            std::string::npos);
  EXPECT_NE(html.find("<TR><TD><HR color-\"#0000FF\"></TD></TR>\r\n"), std::string::npos);
  const std::string end = "</TD></TR>\r\n</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
  EXPECT_EQ(html.substr(html.size() - end.size()), end);

  ASSERT_TRUE(RunReport(p, {kNetLogRow}, "Save"));
  ASSERT_TRUE(SaveAs(p, out + "r.html"));
  HWND notice = WaitForDialogWithText(p.pid, "The report was not saved.");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(MessageBoxText(notice),
            "The report was not saved. Choose a name ending in .txt or .htm.");
  EXPECT_EQ(WindowText(notice), "Vorn Info Config");
  EXPECT_TRUE(PressDialogButton(notice, IDOK));
  EXPECT_FALSE(FileExists(out + "r.html"));
  EXPECT_TRUE(p.Close());
  RemoveTree(out);
}

TEST(Report, SelectAllAndSendAfterASaveIntoAnotherFolder) {
  SuiteCopy suite;
  const std::string elsewhere = TempFolder("report-elsewhere");
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));

  // "Select all" ticks the section of the selected row.
  HWND form = OpenReportWindow(p);
  ASSERT_NE(form, nullptr);
  HWND list = ReportList(form);
  ASSERT_TRUE(ToggleReportSection(list, 1));
  ASSERT_EQ(ListRows(list).size(), 7u);
  ASSERT_TRUE(ChooseFromRowMenu(list, 3, 0));
  ASSERT_TRUE(PressReportButton(form, "Save"));
  ASSERT_TRUE(SaveAs(p, elsewhere + "auto.txt"));
  ASSERT_TRUE(WaitFor([&] { return FileExists(elsewhere + "auto.txt"); }));
  const auto lines = SplitLines(ReadFileBytes(elsewhere + "auto.txt"));
  std::vector<std::string> headings;
  for (const auto& l : lines)
    if (l.rfind("Autostart - ", 0) == 0) headings.push_back(l);
  EXPECT_EQ(headings, (std::vector<std::string>{
                          "Autostart - HKL\\Run:", "Autostart - HCU\\Run:", "Autostart - RunOnce:",
                          "Autostart - Startup(User):", "Autostart - Startup(Common):"}));

  // "Unselect all", then one tick; Send still writes beside the program's folder.
  form = OpenReportWindow(p);
  ASSERT_NE(form, nullptr);
  list = ReportList(form);
  ASSERT_TRUE(ToggleReportSection(list, 1));
  ASSERT_TRUE(ChooseFromRowMenu(list, 2, 0));
  ASSERT_TRUE(ChooseFromRowMenu(list, 2, 1));
  ClickCheckBox(list, 3);  // HCU\Run
  ASSERT_TRUE(PressReportButton(form, "Send"));
  const std::string vmail = suite.root() + "Vmail\\";
  // The stand-in creates the file and then writes it: wait for its last line.
  ASSERT_TRUE(WaitFor([&] {
    const std::string args = ReadFileBytes(vmail + "VnIMail.args");
    return args.find("\r\ncwd=") != std::string::npos && args.size() > 2 &&
           args.compare(args.size() - 2, 2, "\r\n") == 0;
  }));
  EXPECT_EQ(ReadFileBytes(vmail + "VnIMail.args"),
            "args=-vinfo \" \" \"..\\Vmail\\report.txt\" \"..\\Vmail\\report.htm\"\r\ncwd=" +
                suite.root() + "Vmail\r\n");
  const std::string html = ReadFileBytes(vmail + "report.htm");
  EXPECT_NE(html.find("<TR><TD><FONT size=\"4\" color=\"#0000FF\">Autostart - <FONT size=\"4\" "
                      "color=\"#000080\">HCU\\Run:</FONT></TD></TR>\r\n"),
            std::string::npos);
  EXPECT_NE(html.find("<TR><TD><FONT color=\"#0000FF\" size=\"3\">Notepad : <FONT "
                      "color=\"#800000\">C:\\windows\\notepad.exe C:\\autoexec.bat</FONT></TD></TR>"),
            std::string::npos);
  const auto text = SplitLines(ReadFileBytes(vmail + "report.txt"));
  ASSERT_GE(text.size(), 3u);
  EXPECT_EQ(text[0], "Vorn Info Report");  // as a saved text report begins
  EXPECT_NE(std::find(text.begin(), text.end(), "Notepad : C:\\windows\\notepad.exe C:\\autoexec.bat"),
            text.end());
  EXPECT_EQ(text.back(), kClosing);
  EXPECT_FALSE(FileExists(elsewhere + "report.htm"));
  EXPECT_FALSE(FileExists(elsewhere + "..\\Vmail\\report.htm"));
  EXPECT_TRUE(p.Close());
  RemoveTree(elsewhere);
}

TEST(Report, SendWithoutTheMailFolderOrModuleIsReported) {
  SuiteCopy suite;
  const std::string vmail = suite.root() + "Vmail\\";
  RemoveTree(vmail);
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));

  ASSERT_TRUE(RunReport(p, {1}, "Send"));
  const std::string failure = "Cannot create file " + vmail + "report.htm";
  HWND error = WaitForDialogWithText(p.pid, failure);
  ASSERT_NE(error, nullptr);
  EXPECT_TRUE(PressDialogButton(error, IDOK));
  EXPECT_TRUE(ShowsNothingModal(p.main)) << "nothing after the failed write";
  EXPECT_FALSE(FileExists(suite.config() + "report.txt"));
  EXPECT_FALSE(FileExists(suite.root() + "Vmail"));

  // A folder without the module: both files, then the failed start is said.
  ASSERT_TRUE(::CreateDirectoryA(vmail.c_str(), nullptr));
  ASSERT_TRUE(RunReport(p, {1}, "Send"));
  error = WaitForDialogWithText(p.pid, "Cannot start the mail module");
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(MessageBoxText(error), "Cannot start the mail module " + vmail + "VnIMail.exe");
  EXPECT_TRUE(PressDialogButton(error, IDOK));
  EXPECT_TRUE(FileExists(vmail + "report.htm"));
  EXPECT_TRUE(FileExists(vmail + "report.txt"));
  EXPECT_TRUE(p.Close());
}

TEST(Report, SendHandsTheReportToTheMailProgram) {
  DemoFile netlog("C:\\netlog.txt", "sent by mail\r\n");
  SuiteCopy suite;
  const std::string vmail = InstallRealMailModule(suite, true);
  MapiLoadOrder order("native,builtin");
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));

  ASSERT_TRUE(RunReport(p, {kNetLogRow}, "Send"));
  ASSERT_TRUE(WaitFor([&] { return ReadMapiRecord(vmail).complete; }))
      << "the mail program was not handed the report";
  const MapiRecord record = ReadMapiRecord(vmail);
  EXPECT_EQ(record.subject, "Vorn Info Report");
  EXPECT_EQ(record.attachments, std::vector<std::string>{vmail + "report.htm|report.htm"});
  EXPECT_EQ(record.body, ReadFileBytes(vmail + "report.txt"));
  EXPECT_NE(record.body.find("Configuration files - NetLog.txt:\r\n \r\nsent by mail\r\n"),
            std::string::npos);
  EXPECT_NE(ReadFileBytes(vmail + "report.htm").find("<TABLE>\r\n"), std::string::npos);
  EXPECT_TRUE(ShowsNothingModal(p.main));
  EXPECT_TRUE(p.Close());
}

TEST(Report, CancelAndTheCloseBoxProduceNothing) {
  SuiteCopy suite;
  const std::string out = TempFolder("report-cancel");
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));
  ASSERT_TRUE(RunReport(p, {1}, "Save"));
  ASSERT_TRUE(SaveAs(p, out + "first.txt"));
  ASSERT_TRUE(WaitFor([&] { return FileExists(out + "first.txt"); }));
  const std::string first = ReadFileBytes(out + "first.txt");

  HWND form = nullptr;
  ASSERT_TRUE(RunReport(p, {1}, "Close", &form));
  ASSERT_TRUE(WaitForReportClosed(form));
  EXPECT_TRUE(ShowsNothingModal(p.main));

  form = OpenReportWindow(p);
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(ToggleReportSection(ReportList(form), 0));
  ClickCheckBox(ReportList(form), 1);
  ::PostMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitForReportClosed(form));
  EXPECT_TRUE(ShowsNothingModal(p.main));

  // Cancelling the save dialog ends the report too.
  ASSERT_TRUE(RunReport(p, {1}, "Save"));
  HWND dialog = WaitForWindow(p.pid, "#32770", nullptr);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(PressDialogButton(dialog, IDCANCEL));
  EXPECT_TRUE(ShowsNothingModal(p.main));
  EXPECT_EQ(ReadFileBytes(out + "first.txt"), first);
  WIN32_FIND_DATAA fd{};
  int files = 0;
  HANDLE find = ::FindFirstFileA((out + "*.*").c_str(), &fd);
  if (find != INVALID_HANDLE_VALUE) {
    do files += !(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    while (::FindNextFileA(find, &fd));
    ::FindClose(find);
  }
  EXPECT_EQ(files, 1);
  EXPECT_TRUE(p.Close());
  RemoveTree(out);
}

TEST(ReportPrint, PagesWithFootersOnAPostScriptPrinter) {
  std::string log;
  for (int i = 1; i <= 150; ++i) log += "scan line " + std::to_string(1000 + i) + "\r\n";
  DemoFile scandisk("C:\\scandisk.log", log);
  const std::string out = TempFolder("report-print");
  const std::string ps = out + "printout.ps";
  TestPrinter printer(ps);
  ASSERT_TRUE(printer.installed()) << printer.error();
  SuiteCopy suite;
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));

  ASSERT_TRUE(RunReport(p, {kScandiskRow}, "Print"));
  HWND dialog = WaitForWindow(p.pid, "#32770", nullptr);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(PressDialogButton(dialog, IDOK));
  ASSERT_TRUE(WaitForPrintout(ps));
  const int pages = PrintedPages(ps);
  EXPECT_GE(pages, 3);
  const std::string text = PrintedText(ps);
  ASSERT_FALSE(text.empty()) << "Ghostscript read nothing";
  auto lines = SplitLines(text);
  // Texts as printed, apart.
  std::vector<std::string> words;
  for (const auto& l : lines) {
    size_t at = 0;
    while ((at = l.find_first_not_of(' ', at)) != std::string::npos) {
      size_t end = l.find("  ", at);
      if (end == std::string::npos) end = l.size();
      const size_t last = l.find_last_not_of(' ', end - 1);
      words.push_back(l.substr(at, last - at + 1));
      at = end;
    }
  }
  ASSERT_GE(words.size(), 2u);
  EXPECT_EQ(words[0], "VornInfo Report");
  EXPECT_EQ(words[1], "Vorn Info Report");
  int footers = 0;
  for (int page = 1; page <= pages; ++page)
    footers += std::count(words.begin(), words.end(), "-" + std::to_string(page) + ".-") == 1;
  EXPECT_EQ(footers, pages) << text;
  for (int i = 1; i <= 150; ++i)
    EXPECT_EQ(std::count(words.begin(), words.end(), "scan line " + std::to_string(1000 + i)), 1)
        << "line " << i << " printed once, not cut or overprinted";

  // Each footer stands below its page's last line: its letters begin under that
  // line's base line.
  const auto spans = PrintedSpans(ps);
  ASSERT_FALSE(spans.empty()) << "Ghostscript placed nothing";
  for (int page = 1; page <= pages; ++page) {
    SCOPED_TRACE(page);
    const PrintedSpan* footer = nullptr;
    double lastBaseline = -1;
    for (const auto& span : spans) {
      if (span.page != page) continue;
      if (span.text == "-" + std::to_string(page) + ".-") {
        footer = &span;
      } else if (span.text.find_first_not_of(' ') != std::string::npos) {
        lastBaseline = std::max(lastBaseline, span.baseline);
      }
    }
    if (!footer) {
      std::string dump;
      for (const auto& span : spans)
        if (span.page == page) dump += "[" + span.text + "] " + std::to_string(span.baseline) + "\n";
      FAIL() << "no footer among\n" << dump;
    }
    ASSERT_GE(lastBaseline, 0);
    EXPECT_GT(footer->baseline - footer->size, lastBaseline);
  }

  // The close box after a printed report prints nothing again.
  ::DeleteFileA(ps.c_str());
  HWND form = OpenReportWindow(p);
  ASSERT_NE(form, nullptr);
  ::PostMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitForReportClosed(form));
  EXPECT_TRUE(ShowsNothingModal(p.main));
  EXPECT_FALSE(FileExists(ps));
  EXPECT_TRUE(p.Close());
  RemoveTree(out);
}

}  // namespace
}  // namespace vtest
