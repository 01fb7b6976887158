// The exception reporter under Wine, in a test program that installs it and has a
// window whose handlers fail on request: the log entries, the error dialog, the
// call stack from the side file, and the end of the program after a fault.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <regex>
#include <sstream>

#include "ExcTestApp/ExcTestAppMessages.h"
#include "windows/ErrorDialogIds.h"
#include "diagnostics/ExceptionReporter_win.h"
#include "harness/Harness.h"

namespace vtest {
namespace {

const std::string kDashes = "---------------------------";

std::string BuildDir() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s = path;
  return s.substr(0, s.find_last_of('\\') + 1);
}

// The test program in a folder of its own, so that its log starts empty.
class TestApp {
 public:
  enum class Log { Writable, Unwritable };
  explicit TestApp(bool withSideFile, Log log = Log::Writable, const std::string& args = "")
      : dir_(TempFolder("exc")) {
    // A folder in the log's place: the log cannot be opened, even by root.
    if (log == Log::Unwritable) ::CreateDirectoryA((dir_ + "ExcMagic.Log").c_str(), nullptr);
    ::CopyFileA((BuildDir() + "ExcTestApp.exe").c_str(), (dir_ + "ExcTestApp.exe").c_str(), FALSE);
    if (withSideFile) {
      ::CopyFileA((BuildDir() + "ExcTestApp.DSI").c_str(), (dir_ + "ExcTestApp.DSI").c_str(),
                  FALSE);
    }
    process_ = StartProgram(dir_ + "ExcTestApp.exe", args, dir_);
    window_ = WaitForWindow(process_.id(), "TExcTestFrm", "Exception Test");
  }
  ~TestApp() {
    process_.Kill();
    RemoveTree(dir_);
  }
  HWND window() const { return window_; }
  Process& process() { return process_; }
  std::string Log() const { return ReadFileBytes(dir_ + "ExcMagic.Log"); }
  void Post(UINT msg, WPARAM wp = 0) const { ::PostMessageA(window_, msg, wp, 0); }
  bool Answers() const {
    DWORD_PTR reply = 0;
    return ::SendMessageTimeoutA(window_, kExcTestPing, 0, 0, SMTO_ABORTIFHUNG, 5000, &reply) &&
           static_cast<LRESULT>(reply) == kExcTestPingReply;
  }
  HWND WaitForDialog() const {
    return WaitForWindow(process_.id(), "#32770", "Application Error");
  }

 private:
  std::string dir_;
  Process process_;
  HWND window_ = nullptr;
};

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const auto end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
}

// The entries of a log, each from its leading CR LF to the next entry.
std::vector<std::string> Entries(const std::string& log) {
  std::vector<std::string> entries;
  const std::string mark = "\r\n" + kDashes;
  std::size_t at = log.find(mark);
  while (at != std::string::npos) {
    const auto next = log.find(mark, at + mark.size());
    // A dashed line closes a time stamp too: an entry starts only at one that
    // follows the previous entry's closing empty lines.
    entries.push_back(log.substr(at, next == std::string::npos ? next : next - at));
    at = next;
  }
  return entries;
}

struct EntryParts {
  std::string header, message, source;
  std::vector<std::string> stack;  // the lines after "Call stack:"
};

// Checks the layout of one entry line by line and returns its parts.
EntryParts CheckLayout(const std::string& entry) {
  EntryParts parts;
  const auto lines = SplitLines(entry);
  EXPECT_GE(lines.size(), 20u);
  if (lines.size() < 20) return parts;
  EXPECT_EQ(lines[0], "");
  EXPECT_TRUE(std::regex_match(lines[1], std::regex(kDashes + R"(\d\d:\d\d:\d\d \d\d/\d\d/\d{4})" +
                                                   kDashes)))
      << lines[1];
  parts.header = lines[2];
  EXPECT_TRUE(std::regex_match(lines[2], std::regex(R"(Exception '\w+' in module .+ at [0-9A-F]{8})")))
      << lines[2];
  parts.message = lines[3];
  EXPECT_EQ(lines[4], "");
  parts.source = lines[5];
  EXPECT_EQ(lines[6], "");
  EXPECT_EQ(lines[7], "Call stack:");
  std::size_t i = 8;
  while (i < lines.size() && !lines[i].empty()) parts.stack.push_back(lines[i++]);
  EXPECT_EQ(lines[i++], "");
  EXPECT_EQ(lines[i++], "Registers:");
  EXPECT_TRUE(std::regex_match(lines[i++], std::regex(
      "EAX = [0-9A-F]{8}  CS = [0-9A-F]{4}  EIP = [0-9A-F]{8}  Flags = [0-9A-F]{8}")));
  EXPECT_TRUE(std::regex_match(lines[i++], std::regex(
      "EBX = [0-9A-F]{8}  SS = [0-9A-F]{4}  ESP = [0-9A-F]{8}    EBP = [0-9A-F]{8}")));
  EXPECT_TRUE(std::regex_match(lines[i++], std::regex(
      "ECX = [0-9A-F]{8}  DS = [0-9A-F]{4}  ESI = [0-9A-F]{8}    FS  = [0-9A-F]{4}")));
  EXPECT_TRUE(std::regex_match(lines[i++], std::regex(
      "EDX = [0-9A-F]{8}  ES = [0-9A-F]{4}  EDI = [0-9A-F]{8}    GS  = [0-9A-F]{4}")));
  EXPECT_EQ(lines[i++], "Code at CS:EIP");
  EXPECT_TRUE(std::regex_match(lines[i++], std::regex("([0-9A-F]{2} ){16}")));
  EXPECT_EQ(lines[i++], "Stack:");
  for (int row = 0; row < 4; ++row) {
    EXPECT_TRUE(std::regex_match(lines[i++], std::regex("([0-9A-F]{8} ){5}")));
  }
  // The register text's empty line, then the (empty) additional lines and two CR LF.
  const std::vector<std::string> tail(lines.begin() + static_cast<long>(i), lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"", "", "", ""}));
  return parts;
}

std::size_t CountMatching(const std::vector<std::string>& lines, const std::regex& re) {
  std::size_t n = 0;
  for (const auto& l : lines) n += std::regex_match(l, re) ? 1 : 0;
  return n;
}

HWND VisiblePage(HWND dialog) {
  HWND shown = nullptr;
  for (HWND page : ChildWindows(dialog, "Edit")) {
    if (::IsWindowVisible(page) && page != ::GetDlgItem(dialog, IDC_EXC_MESSAGE)) shown = page;
  }
  return shown;
}

TEST(ExcReporter, HandlerExceptionIsLoggedAndShownThenTheProgramGoesOn) {
  TestApp app(true);
  ASSERT_TRUE(app.window());
  app.Post(kExcTestOpenFile);
  HWND dialog = app.WaitForDialog();
  ASSERT_TRUE(dialog);
  const std::string shown = WindowText(::GetDlgItem(dialog, IDC_EXC_MESSAGE));
  EXPECT_EQ(shown.rfind("Exception 'EFileOpenError' in module ", 0), 0u) << shown;
  EXPECT_NE(shown.find("\r\nCannot open file C:\\autoexec.bat\r\n"), std::string::npos);
  HWND details = ::GetDlgItem(dialog, IDC_EXC_DETAILS);
  EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(dialog, IDOK)));
  EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDOK)), "OK");
  EXPECT_TRUE(::IsWindowVisible(details));
  EXPECT_EQ(WindowText(details), "Details >>");
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, IDC_EXC_TERMINATE)));
  // Details closed at first; the button opens them on the "Call Stack" page.
  HWND tabs = ::GetDlgItem(dialog, IDC_EXC_TABS);
  EXPECT_FALSE(::IsWindowVisible(tabs));
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EXC_DETAILS, BN_CLICKED),
                 reinterpret_cast<LPARAM>(details));
  ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(tabs) != FALSE; }));
  EXPECT_EQ(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(WindowText(VisiblePage(dialog)).rfind("Call stack:\r\n", 0), 0u);
  // The next tab shows the registers.
  ::PostMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_TRUE(WaitFor([&] { return WindowText(VisiblePage(dialog)).rfind("Registers:\r\n", 0) == 0; }));
  ASSERT_TRUE(PressDialogButton(dialog, IDOK));
  EXPECT_TRUE(app.Answers());

  // A second exception: a second entry, appended.
  app.Post(kExcTestOpenFile);
  dialog = app.WaitForDialog();
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(PressDialogButton(dialog, IDOK));
  EXPECT_TRUE(app.Answers());
  EXPECT_TRUE(app.process().Running());

  const auto entries = Entries(app.Log());
  ASSERT_EQ(entries.size(), 2u);
  for (const auto& entry : entries) {
    const EntryParts parts = CheckLayout(entry);
    EXPECT_EQ(parts.header.rfind("Exception 'EFileOpenError' in module ", 0), 0u);
    EXPECT_NE(parts.header.find("ExcTestApp.exe at "), std::string::npos);
    EXPECT_EQ(parts.message, "Cannot open file C:\\autoexec.bat");
    EXPECT_TRUE(std::regex_match(parts.source, std::regex(R"(Source file: ExcTestApp\.cpp, Line \d+)")))
        << parts.source;
    // The stack starts at the throw: the handler's procedure, named from the side
    // file, then its callers up to the window procedure's dispatch.
    ASSERT_FALSE(parts.stack.empty());
    EXPECT_TRUE(std::regex_match(
        parts.stack[0],
        std::regex(R"(:[0-9A-F]{8} \[ExcTestApp\.exe\] .*TExcTestFrm::OpenButtonClick\(unsigned int\).* \(ExcTestApp\.cpp, line \d+\))")))
        << parts.stack[0];
    EXPECT_EQ(CountMatching(parts.stack, std::regex(R"(.* vconfig::Form::StaticWndProc\(.*)")), 1u);
  }
}

TEST(ExcReporter, ALongMessageScrollsToItsSourceFileLine) {
  TestApp app(true);
  ASSERT_TRUE(app.window());
  app.Post(kExcTestOpenFile, 600);  // a path of 600 characters
  HWND dialog = app.WaitForDialog();
  ASSERT_TRUE(dialog);
  HWND message = ::GetDlgItem(dialog, IDC_EXC_MESSAGE);
  const std::string shown = WindowText(message);
  EXPECT_NE(shown.find("\r\nSource file: "), std::string::npos) << shown;
  const LONG style = ::GetWindowLongA(message, GWL_STYLE);
  EXPECT_EQ(style & (ES_MULTILINE | ES_READONLY | WS_VSCROLL),
            ES_MULTILINE | ES_READONLY | WS_VSCROLL);
  // More lines than the area shows; scrolled down, the last one comes into view.
  const LRESULT lines = ::SendMessageA(message, EM_GETLINECOUNT, 0, 0);
  EXPECT_GT(lines, 5);
  for (int i = 0; i < lines; ++i) ::SendMessageA(message, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_GT(::SendMessageA(message, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  ASSERT_TRUE(PressDialogButton(dialog, IDOK));
  EXPECT_TRUE(app.Answers());
}

TEST(ExcReporter, WithoutSideFileFramesCarryOnlyAddressAndModule) {
  TestApp app(false);
  ASSERT_TRUE(app.window());
  app.Post(kExcTestOpenFile);
  HWND dialog = app.WaitForDialog();
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(PressDialogButton(dialog, IDOK));
  const auto entries = Entries(app.Log());
  ASSERT_EQ(entries.size(), 1u);
  const EntryParts parts = CheckLayout(entries[0]);
  EXPECT_EQ(parts.source, "Source file: UNKNOWN, Line UNKNOWN");
  ASSERT_FALSE(parts.stack.empty());
  // Frames in system modules may come from their own exports; ours carry nothing more.
  EXPECT_EQ(parts.stack[0].size(), std::string(":00000000 [ExcTestApp.exe]").size());
  EXPECT_GE(CountMatching(parts.stack, std::regex(R"(:[0-9A-F]{8} \[ExcTestApp\.exe\])")), 3u);
  EXPECT_EQ(CountMatching(parts.stack, std::regex(R"(.*\[ExcTestApp\.exe\] .+)")), 0u);
}

TEST(ExcReporter, UnwritableLogSkipsTheEntryButTheDialogIsShown) {
  TestApp app(true, TestApp::Log::Unwritable);
  ASSERT_TRUE(app.window());
  app.Post(kExcTestOpenFile);
  HWND dialog = app.WaitForDialog();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDC_EXC_MESSAGE)).rfind("Exception 'EFileOpenError'", 0),
            0u);
  ASSERT_TRUE(PressDialogButton(dialog, IDOK));
  EXPECT_TRUE(app.Answers());
}

TEST(ExcReporter, StackOverflowShowsOneRecursiveFrameAndEndsTheProgram) {
  TestApp app(true);
  ASSERT_TRUE(app.window());
  app.Post(kExcTestOverflow);
  HWND dialog = app.WaitForDialog();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(WindowText(::GetDlgItem(dialog, IDC_EXC_MESSAGE)).rfind("Exception 'EStackOverflow'", 0),
            0u);
  ASSERT_TRUE(PressDialogButton(dialog, IDOK));
  EXPECT_TRUE(app.process().WaitForExit());
  const auto entries = Entries(app.Log());
  ASSERT_EQ(entries.size(), 1u);
  const EntryParts parts = CheckLayout(entries[0]);
  EXPECT_EQ(parts.message, "Stack overflow");
  const std::regex recursive(R"(Recursive call \((\d+) times\):)");
  ASSERT_EQ(CountMatching(parts.stack, recursive), 1u);
  const std::size_t frames = CountMatching(parts.stack, std::regex(":[0-9A-F]{8} .*"));
  EXPECT_LE(frames, 100u);
  EXPECT_EQ(frames + 1, parts.stack.size());
  for (std::size_t i = 0; i + 1 < parts.stack.size(); ++i) {
    std::smatch m;
    if (!std::regex_match(parts.stack[i], m, recursive)) continue;
    EXPECT_GT(std::stoi(m[1]), 1000);  // a megabyte of stack, a few hundred bytes a call
    EXPECT_NE(parts.stack[i + 1].find("OverflowStack(int)"), std::string::npos)
        << parts.stack[i + 1];
  }
}

TEST(ExcReporter, AccessViolationIsLoggedAndShownThenTheProgramEnds) {
  TestApp app(true);
  ASSERT_TRUE(app.window());
  app.Post(kExcTestAccessViolation);
  HWND dialog = app.WaitForDialog();
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, IDC_EXC_TERMINATE)));
  ASSERT_TRUE(PressDialogButton(dialog, IDOK));
  EXPECT_TRUE(app.process().WaitForExit());
  const auto entries = Entries(app.Log());
  ASSERT_EQ(entries.size(), 1u);
  const EntryParts parts = CheckLayout(entries[0]);
  EXPECT_EQ(parts.header.rfind("Exception 'EAccessViolation' in module ", 0), 0u);
  EXPECT_TRUE(std::regex_match(parts.message,
                               std::regex("Access violation at address [0-9A-F]{8}\\. Write of "
                                          "address 00000010")))
      << parts.message;
  ASSERT_FALSE(parts.stack.empty());
  EXPECT_NE(parts.stack[0].find("TExcTestFrm::WriteNowhere()"), std::string::npos)
      << parts.stack[0];
}

TEST(ExcReporter, AFaultWhoseReportCannotStartEndsTheProgramAfterTheWaitLimit) {
  // Another thread's report holds the reporter, as a lock held at the fault would:
  // the fault is not shown, and the program ends once the limit (2 s here) passed.
  TestApp app(true, TestApp::Log::Writable, "2000");
  ASSERT_TRUE(app.window());
  app.Post(kExcTestFaultWhileReporting);
  HWND first = app.WaitForDialog();
  ASSERT_TRUE(first);
  EXPECT_TRUE(app.process().WaitForExit(20s));
  const auto entries = Entries(app.Log());
  ASSERT_EQ(entries.size(), 1u) << app.Log();
  EXPECT_NE(entries[0].find("Cannot open file C:\\config.sys"), std::string::npos) << entries[0];
}

TEST(ExcReporter, OnlyOneInstanceIsAllowed) {
  ASSERT_EQ(vconfig::ExceptionReporter::Instance(), nullptr);  // this process runs without one
  {
    vconfig::ExceptionReporter first;
    EXPECT_EQ(vconfig::ExceptionReporter::Instance(), &first);
    EXPECT_EQ(first.Options(), 38u);
    EXPECT_EQ(first.LogFile(), BuildDir() + "ExcMagic.Log");
    try {
      vconfig::ExceptionReporter second;
      ADD_FAILURE() << "a second instance was created";
    } catch (const std::exception& e) {
      EXPECT_STREQ(e.what(), "Only one instance of TExcMagic allowed");
    }
    EXPECT_EQ(vconfig::ExceptionReporter::Instance(), &first);
  }
  EXPECT_EQ(vconfig::ExceptionReporter::Instance(), nullptr);
}

}  // namespace
}  // namespace vtest
