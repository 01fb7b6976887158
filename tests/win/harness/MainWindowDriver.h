// Drives the running program's main window and editor window from outside: the
// source tree and content list rows, message boxes by text, the editor's controls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "harness/Harness.h"

namespace vtest {

constexpr int kSourceTreeId = 101;
constexpr int kContentListId = 102;

// The first descendant of a window with the given control id.
HWND FindDescendantById(HWND parent, int id);

// The program started through the stand-in base module, with its main window. Ended
// on destruction when still running (a failed check may have left a box open).
struct RunningProgram {
  Process base;
  HWND main = nullptr;
  HWND tree = nullptr;
  HWND content = nullptr;
  DWORD pid = 0;  // the program's process (the base module's child)
  vconfig::UniqueHandleK process;  // the same

  RunningProgram() = default;
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  // Asks the window to close and waits for the suite to end.
  ::testing::AssertionResult Close();
  // Ends the program and its base module at once.
  void Kill();
};
// Starts the suite copy and waits until the main window shows with both lists.
[[nodiscard]] ::testing::AssertionResult StartMainWindow(const SuiteCopy& suite,
                                                         RunningProgram& program);
// The same for the suite in a folder (ending in a backslash), an installed one say.
[[nodiscard]] ::testing::AssertionResult StartMainWindowIn(const std::string& suiteRoot,
                                                           RunningProgram& program);

// Row geometry and clicks on a list box row (scrolled into view first).
RECT RowRect(HWND list, int row);
void ClickRow(HWND list, int row, bool right = false);
// Row texts, in the ANSI code page. Read as wide text: Wine hands the ANSI request
// of another process wide characters, overrunning the buffer LB_GETTEXTLEN sized.
std::vector<std::string> Rows(HWND list);
// Whether each row is a header (item data 1).
std::vector<bool> HeaderRows(HWND list);
int TopIndex(HWND list);
// Waits until the list's rows satisfy pred.
[[nodiscard]] ::testing::AssertionResult WaitForRows(
    HWND list, const std::function<bool(const std::vector<std::string>&)>& pred,
                 std::chrono::milliseconds timeout = 10s);

// All the texts shown by a dialog's children.
std::string DialogTexts(HWND dialog);
// Waits for a dialog of the process that shows text (anywhere in its controls).
HWND WaitForDialogWithText(DWORD pid, const std::string& text,
                           std::chrono::milliseconds timeout = 15s);
// The popup menu window (#32768) currently shown, or null.
HWND ShownPopupMenu();

// Opens the file group when the content list is empty, then its other-file row, picks
// path in the file dialog and waits for the editor window; null when a step fails.
HWND OpenInEditor(RunningProgram& program, const std::string& path);

// Moves the pointer onto a control and clicks it there, as a user would.
void ClickControl(HWND control);

// Lines of a file's content as the program splits them (CR LF, CR or LF).
std::vector<std::string> SplitLines(const std::string& bytes);

}  // namespace vtest
