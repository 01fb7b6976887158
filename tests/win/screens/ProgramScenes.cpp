// Scenes of the staged program, driven from outside as the Windows-side tests drive it.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "harness/AboutDriver.h"
#include "harness/EditingDriver.h"
#include "harness/MainWindowDriver.h"
#include "harness/ReportDriver.h"
#include "harness/TestPrinter.h"
#include "platform/Handles_win.h"
#include "screens/Capture.h"
#include "screens/Scenes.h"

namespace vscreens {
namespace {

using namespace vtest;

// The program started from a fresh suite copy, optionally in another language; ended
// on destruction, also when a failed step left a box open.
class ShownProgram {
 public:
  explicit ShownProgram(const char* language = nullptr) {
    if (language) SetSettingsValue(suite_.settings(), "Language", language);
    Need(StartMainWindow(suite_, program_), "start the program");
  }
  ~ShownProgram() {
    if (program_.main && ::IsWindow(program_.main)) ::PostMessageA(program_.main, WM_CLOSE, 0, 0);
    if (program_.base.WaitForExit(10s)) return;
    const vconfig::UniqueHandleK process(
        ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, program_.pid));
    if (process) {
      ::TerminateProcess(process.get(), 1);
      ::WaitForSingleObject(process.get(), 5000);
    }
    program_.base.Kill();
  }
  ShownProgram(const ShownProgram&) = delete;
  ShownProgram& operator=(const ShownProgram&) = delete;
  RunningProgram& operator*() { return program_; }
  RunningProgram* operator->() { return &program_; }

 private:
  SuiteCopy suite_;
  RunningProgram program_;
};

constexpr int kFileGroupRows = 13;  // the group's title and its 12 sources
constexpr int kAutostartGroupRows = 6;
constexpr int kTreeFiles = 0, kTreeAutostart = 1;

// Opens the report window, ticks `row` of the file group and presses `button`.
HWND RunReport(RunningProgram& p, int row, const char* button) {
  HWND form = Need(OpenReportWindow(p), "open the report window");
  HWND list = Need(ReportList(form), "find the report list");
  Need(ToggleReportSection(list, 0), "open the file group");
  ClickCheckBox(list, row);
  // Wine selects a row on the button's release, after the box took the click.
  Need(WaitFor([list, row] { return ::SendMessageA(list, LB_GETCURSEL, 0, 0) == row; }),
       "tick a source");
  if (button) Need(PressReportButton(form, button), "press the report button");
  return form;
}

}  // namespace

void MainWindowScene(Shots& shots) {
  ShownProgram p;
  ClickRow(p->tree, kTreeFiles);
  Need(WaitForRows(p->content, [](const auto& rows) { return rows.size() == kFileGroupRows; }),
       "show the file group");
  ClickRow(p->tree, 4);  // "Win.ini"
  Need(WaitForRows(p->content, [](const auto& rows) { return rows.size() > kFileGroupRows; }),
       "open Win.ini");
  shots.Save("main-window-group0", WholeScreen(), p->pid);

  ClickRow(p->tree, kTreeFiles);  // contract the files
  ClickRow(p->tree, kTreeAutostart);
  Need(WaitForRows(p->content, [](const auto& rows) { return rows.size() == kAutostartGroupRows; }),
       "show the autostart group");
  ClickRow(p->tree, 2);  // "HKL\Run"
  Need(WaitForRows(p->content, [](const auto& rows) { return rows.size() > kAutostartGroupRows; }),
       "open HKL\\Run");
  shots.Save("main-window-group1", WholeScreen(), p->pid);

  ClickRow(p->tree, kTreeAutostart);  // contract autostart
  Need(WaitForRows(p->tree, [](const auto& rows) { return rows.size() == 2; }),
       "contract the autostart group");
  Need(OpenInEditor(*p, "C:\\windows\\system.ini"), "open the editor");
  shots.Save("editor-window", WholeScreen(), p->pid);
}

void Wow64MainWindowScene(Shots& shots) {
  ShownProgram p;
  ClickRow(p->tree, kTreeAutostart);
  // The title and six places: "HKL\Run (32-bit)" follows "HKL\Run".
  Need(WaitForRows(p->content, [](const auto& rows) { return rows.size() == 7; }),
       "show the autostart group with both machine Run keys");
  ClickRow(p->tree, 2);  // "HKL\Run"
  Need(WaitForRows(p->content, [](const auto& rows) { return rows.size() > 7; }),
       "open HKL\\Run");
  const auto rows = Rows(p->content);
  const auto run32 = std::find(rows.begin(), rows.end(), "HKL\\Run (32-bit)");
  Need(run32 != rows.end(), "find HKL\\Run (32-bit)");
  const size_t shown = rows.size();
  ClickRow(p->content, static_cast<int>(run32 - rows.begin()));
  Need(WaitForRows(p->content, [shown](const auto& now) { return now.size() > shown; }),
       "open HKL\\Run (32-bit) too");
  shots.Save("main-window-wow64", WholeScreen(), p->pid);
}

void AboutScene(Shots& shots) {
  ShownProgram p("DE");
  HWND about = Need(OpenAboutBox(*p), "open the about box");
  shots.Save("about-box", WholeScreen(), p->pid);
  ::PostMessageA(about, WM_CLOSE, 0, 0);
  Need(WaitFor([about] { return !::IsWindow(about); }), "close the about box");

  HWND dialog = Need(OpenLanguageDialog(*p), "open the language dialog");
  const auto buttons = FindLanguageDialogButtons(dialog);
  Need(buttons.languages.size() == 7, "find the seven flags");
  // As when the Russian module is missing: its flag is disabled.
  ::EnableWindow(buttons.languages.back(), FALSE);
  shots.Save("language-dialog", WholeScreen(), p->pid);
  ClickControl(buttons.cancel);
}

void EditingScene(Shots& shots) {
  EditingSession program;
  Need(program.ok(), "start the program");
  Need(program.OpenSource("Configuration files", "Boot.ini"), "open Boot.ini");
  Need(program.PopupCommand("Boot.ini", 1, popup::kEdit1), "choose Edit on a line");
  HWND line = Need(program.WaitForForm("TtextNEFrm"), "show the line dialog");
  shots.Save("line-dialog", WholeScreen(), program.pid());
  Need(ClickButton(line, "Cancel"), "cancel the line dialog");

  Need(program.PopupCommand("Boot.ini", 1, popup::kRem1), "choose Remove on a line");
  Need(WaitForMessageBox(program.pid()), "ask before removing");
  shots.Save("line-removal-question", WholeScreen(), program.pid());
  AnswerBox(program.pid(), "No");

  Need(program.OpenSource("Autostart", "HCU\\Run"), "open HCU\\Run");
  Need(program.PopupCommand("HCU\\Run", 0, popup::kEdit2), "choose Edit on a value");
  HWND value = Need(program.WaitForForm("TRegNeVAlFrm"), "show the value dialog");
  shots.Save("value-dialog", WholeScreen(), program.pid());
  Need(ClickButton(value, "Cancel"), "cancel the value dialog");
}

namespace {

// A demo machine's configuration for the report samples: start-up files, win.ini and
// Run values as real ones look, with the characters that markup could misread.
const char* const kDemoAutoexec =
    "@ECHO OFF\r\n"
    "REM Start-up of the demo machine\r\n"
    "SET TEMP=C:\\WINDOWS\\TEMP\r\n"
    "SET BLASTER=A220 I5 D1 H5 P330 T6\r\n"
    "PATH C:\\WINDOWS;C:\\WINDOWS\\COMMAND;C:\\TOOLS\r\n"
    "LH C:\\WINDOWS\\COMMAND\\MSCDEX.EXE /D:CDROM001 /L:E > NUL\r\n"
    "MODE CON CODEPAGE PREPARE=((850) C:\\WINDOWS\\COMMAND\\EGA.CPI) > NUL\r\n"
    "IF EXIST C:\\TEMP\\*.TMP DEL C:\\TEMP\\*.TMP > NUL\r\n"
    "CALL C:\\TOOLS\\NETSTART.BAT < C:\\TOOLS\\YES.TXT\r\n"
    "ECHO \"Ready\" & PAUSE\r\n";
const char* const kDemoConfig =
    "DEVICE=C:\\WINDOWS\\HIMEM.SYS\r\n"
    "DEVICE=C:\\WINDOWS\\EMM386.EXE NOEMS\r\n"
    "DOS=HIGH,UMB\r\n"
    "FILES=40\r\n"
    "BUFFERS=30\r\n"
    "DEVICE=C:\\WINDOWS\\COMMAND\\DISPLAY.SYS CON=(EGA,,1)\r\n"
    "COUNTRY=049,850,C:\\WINDOWS\\COMMAND\\COUNTRY.SYS\r\n"
    "SHELL=C:\\COMMAND.COM C:\\ /E:1024 /P\r\n";
const char* const kDemoWinIni =
    "[windows]\r\n"
    "load=\r\n"
    "run=C:\\TOOLS\\CLOCK.EXE\r\n"
    "device=HP LaserJet 4L,HPPCL5MS,LPT1:\r\n"
    "[Desktop]\r\n"
    "Wallpaper=(None)\r\n"
    "[intl]\r\n"
    "sCountry=\xD6sterreich\r\n"
    "sCurrency=\x80\r\n"
    "[R&D Tools]\r\n"
    "Editor=\"C:\\Program Files\\R&D Tools\\edit.exe\" \"%1\"\r\n"
    "Banner=<b>Welcome</b> &amp; more\r\n"
    "Screen=mode \"8\" \"14\"\r\n";

constexpr int kAutoexecRow = 1, kConfigRow = 2, kWinIniRow = 4;  // report list, files open
constexpr int kReportAutostartTitle = 13;
constexpr int kReportHcuRun = 15;

void SetRunValue(const char* name, const char* data) {
  HKEY key = nullptr;
  ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                    nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                   static_cast<DWORD>(strlen(data) + 1));
  ::RegCloseKey(key);
}

// The demo configuration while it lives; the machine's own afterwards.
class DemoConfiguration {
 public:
  DemoConfiguration()
      : autoexec_("C:\\autoexec.bat"), config_("C:\\config.sys"), winIni_(WinIni()),
        run_(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run") {
    Need(WriteFileBytes("C:\\autoexec.bat", kDemoAutoexec), "write autoexec.bat");
    Need(WriteFileBytes("C:\\config.sys", kDemoConfig), "write config.sys");
    Need(WriteFileBytes(WinIni(), kDemoWinIni), "write win.ini");
    SetRunValue("AT&T Net Manager", "\"C:\\Program Files\\AT&T\\netmgr.exe\" /tray");
    SetRunValue("Q&A Reminder", "C:\\Tools\\remind.exe --title \"Q&A\" <quiet>");
  }
  static std::string WinIni() {
    char dir[MAX_PATH] = {};
    ::GetWindowsDirectoryA(dir, MAX_PATH);
    return std::string(dir) + "\\win.ini";
  }

 private:
  FileKeeper autoexec_, config_, winIni_;
  KeyKeeper run_;
};

// Saves a report of the demo's files and HCU\Run through the save dialog as `path`.
void SaveDemoReport(RunningProgram& p, const std::string& path) {
  HWND form = Need(OpenReportWindow(p), "open the report window");
  HWND list = Need(ReportList(form), "find the report list");
  Need(ToggleReportSection(list, 0), "open the file group");
  for (int row : {kAutoexecRow, kConfigRow, kWinIniRow}) ClickCheckBox(list, row);
  Need(ToggleReportSection(list, kReportAutostartTitle), "open the autostart group");
  ClickCheckBox(list, kReportHcuRun);
  Need(WaitFor([list] { return ::SendMessageA(list, LB_GETCURSEL, 0, 0) == kReportHcuRun; }),
       "tick the sources");
  Need(PressReportButton(form, "Save"), "press Save");
  HWND dialog = Need(WaitForWindow(p.pid, "#32770", nullptr), "show the save dialog");
  Need(FillFileDialog(dialog, path), "fill the save dialog");
  Need(WaitFor([&] { return FileExists(path); }), "save the report");
}

}  // namespace

void ReportScene(Shots& shots) {
  constexpr int kNetLogRow = 11;  // with the file group open
  DemoConfiguration demo;
  ShownProgram p;
  HWND form = RunReport(*p, kNetLogRow, nullptr);
  shots.Save("report-window", WholeScreen(), p->pid);
  Need(PressReportButton(form, "Close"), "press Close");
  Need(WaitForReportClosed(form), "close the report window");
  if (shots.Wants("saved-report")) {
    SaveDemoReport(*p, shots.PathOf("saved-report", "txt"));
    SaveDemoReport(*p, shots.PathOf("saved-report", "htm"));
    shots.Saved("saved-report");
  }
  // The same lines in the program's own content list.
  ClickRow(p->tree, kTreeFiles);
  Need(WaitForRows(p->content, [](const auto& rows) { return rows.size() == kFileGroupRows; }),
       "show the file group");
  ClickRow(p->tree, 1);  // "Autoexec.bat"
  Need(WaitForRows(p->content, [](const auto& rows) { return rows.size() > kFileGroupRows; }),
       "open Autoexec.bat");
  shots.Save("content-autoexec", WindowArea(p->main), p->pid);
  ClickRow(p->tree, kTreeFiles);  // contract the files
  ClickRow(p->tree, kTreeAutostart);
  Need(WaitForRows(p->content, [](const auto& rows) { return rows.size() == kAutostartGroupRows; }),
       "show the autostart group");
  ClickRow(p->tree, 3);  // "HCU\Run"
  Need(WaitForRows(p->content, [](const auto& rows) { return rows.size() > kAutostartGroupRows; }),
       "open HCU\\Run");
  shots.Save("content-run", WindowArea(p->main), p->pid);
}

void PrintScene(Shots& shots) {
  constexpr int kScandiskRow = 10;
  // A log long enough for three pages.
  FileKeeper keep("C:\\scandisk.log");
  std::string log;
  for (int i = 1; i <= 150; ++i) log += "scan line " + std::to_string(1000 + i) + "\r\n";
  Need(WriteFileBytes("C:\\scandisk.log", log), "write the log");
  const ScratchFolder out("print");
  const std::string ps = out.path() + "printout.ps";
  {
    TestPrinter printer(ps);
    Need(printer.installed(), "install the PostScript printer");
    ShownProgram p;
    RunReport(*p, kScandiskRow, "Print");
    HWND dialog = Need(WaitForWindow(p->pid, "#32770", nullptr), "show the print dialog");
    Need(PressDialogButton(dialog, IDOK), "print");
    Need(WaitForPrintout(ps), "finish the printout");
  }
  if (shots.Wants("printed-page1")) {
    Need(PrintoutPageToPng(ps, shots.PathOf("printed-page1", "png")), "render the first page");
    shots.Saved("printed-page1");
  }
  if (shots.Wants("printed-report")) {
    Need(PrintoutToPdf(ps, shots.PathOf("printed-report", "pdf")), "convert the printout");
    shots.Saved("printed-report");
  }
}

}  // namespace vscreens
