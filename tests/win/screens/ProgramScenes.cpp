// Scenes of the staged program, driven from outside as the Windows-side tests drive it.
#include <windows.h>

#include <algorithm>

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

// Saves a report of `row` through the save dialog as `path`.
void SaveReport(RunningProgram& p, int row, const std::string& path) {
  RunReport(p, row, "Save");
  HWND dialog = Need(WaitForWindow(p.pid, "#32770", nullptr), "show the save dialog");
  Need(FillFileDialog(dialog, path), "fill the save dialog");
  Need(WaitFor([&] { return FileExists(path); }), "save the report");
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

void ReportScene(Shots& shots) {
  constexpr int kNetLogRow = 11;  // with the file group open
  // A network log with bytes above 127, a quoted digit and markup, for the samples.
  FileKeeper keep("C:\\netlog.txt");
  Need(WriteFileBytes("C:\\netlog.txt", "a\xA4\xA5 \"8\"\nb<x>c\n"), "write the log");
  ShownProgram p;
  HWND form = RunReport(*p, kNetLogRow, nullptr);
  shots.Save("report-window", WholeScreen(), p->pid);
  Need(PressReportButton(form, "Close"), "press Close");
  Need(WaitForReportClosed(form), "close the report window");
  if (shots.Wants("saved-report")) {
    SaveReport(*p, kNetLogRow, shots.PathOf("saved-report", "txt"));
    SaveReport(*p, kNetLogRow, shots.PathOf("saved-report", "htm"));
    shots.Saved("saved-report");
  }
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
