// Drives the staged program under Wine as a user would: starts it, finds its
// windows, reads message boxes and list rows, presses buttons and clicks.
// Helpers that act return ::testing::AssertionResult: check them at the call site
// (EXPECT_TRUE / ASSERT_TRUE), so that a failure names the caller's line and says what
// the program showed instead.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/Handles_win.h"

namespace vtest {

using namespace std::chrono_literals;

// Polls cond until it holds or the timeout passes; pumps this thread's messages.
// Only for conditions that become true: a timeout that passes is a failure.
bool WaitFor(const std::function<bool()>& cond, std::chrono::milliseconds timeout = 10s);

// The staged suite folder (build/suite) as a Windows path, with a trailing backslash.
std::string SuiteDir();
// This test program's own path.
std::string TestProgramPath();
// A fresh copy of the staged suite in a temporary folder; removed on destruction.
class SuiteCopy {
 public:
  SuiteCopy();
  ~SuiteCopy();
  SuiteCopy(const SuiteCopy&) = delete;
  SuiteCopy& operator=(const SuiteCopy&) = delete;
  const std::string& root() const { return root_; }  // ends with a backslash
  std::string config() const { return root_ + "Config\\"; }
  std::string program() const { return config() + "VConfig.exe"; }
  std::string settings() const { return config() + "VConfig.ini"; }

 private:
  std::string root_;
};

// A started process; killed on destruction when still running.
class Process {
 public:
  Process() = default;
  Process(const std::string& commandLine, const std::string& workDir);
  ~Process();
  Process(Process&& o) noexcept = default;
  Process& operator=(Process&& o) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool started() const { return static_cast<bool>(process_); }
  DWORD id() const { return id_; }
  HANDLE handle() const { return process_.get(); }  // still owned here
  bool Running() const;
  // Waits for the end; false on timeout.
  bool WaitForExit(std::chrono::milliseconds timeout = 15s);
  void Kill();

 private:
  vconfig::UniqueHandleK process_;
  DWORD id_ = 0;
};

// Starts the program with the given arguments (after the program path).
Process StartProgram(const std::string& program, const std::string& args,
                     const std::string& workDir);

// Top-level windows of a process, optionally of one class and/or caption.
std::vector<HWND> ProcessWindows(DWORD pid, const char* cls = nullptr, const char* caption = nullptr,
                                 bool visibleOnly = true);
HWND WaitForWindow(DWORD pid, const char* cls, const char* caption,
                   std::chrono::milliseconds timeout = 15s);
std::string WindowText(HWND hwnd);
// Class, caption and the texts of a window's children, for failure messages.
std::string DescribeWindow(HWND hwnd);

// Returns once the thread owning the window has handled a message sent now: it has
// finished what it was doing and waits for messages again, in its own loop or in a
// box's. Sent messages overtake posted ones, so what the caller posted before may
// still wait: deliver a click whose outcome is checked next with SendClick.
[[nodiscard]] ::testing::AssertionResult RoundTrip(HWND window,
                                                   std::chrono::milliseconds timeout = 10s);
// After a round trip to the thread of a program's window, the program shows no dialog
// (#32770: boxes, the error dialog, the open, save and print dialogs, shown or about to
// be) and no popup menu. Proves that nothing follows without waiting for it.
[[nodiscard]] ::testing::AssertionResult ShowsNothingModal(HWND programWindow);

// The modal boxes the program shows: its message boxes (errors, notices, questions)
// and the exception reporter's error dialog. Both are #32770 dialogs; the open, save
// and print dialogs are #32770 too, but no boxes.
bool IsModalBox(HWND dialog);
// A visible box of the process, once its message is set.
HWND WaitForMessageBox(DWORD pid, std::chrono::milliseconds timeout = 15s);
// The message a box shows.
std::string MessageBoxText(HWND box);
// Presses a button of a dialog by its id, or a box's button by its caption
// (ampersands aside), and waits until the dialog is gone.
[[nodiscard]] ::testing::AssertionResult PressDialogButton(HWND dialog, int id);
[[nodiscard]] ::testing::AssertionResult PressBoxButton(HWND box, const std::string& caption);

// Children of a window by class (in z-order), and list-box rows.
std::vector<HWND> ChildWindows(HWND parent, const char* cls = nullptr);
HWND FindChildByText(HWND parent, const char* cls, const std::string& text);
std::vector<std::string> ListRows(HWND listBox);
// Posts a click with the left or right button at client coordinates; for clicks that
// open something modal (a sent click would not return).
void ClickAt(HWND hwnd, int x, int y, bool right = false);
// Sends a click and returns once the window has handled it, so that what is checked
// next sees its outcome; fails when the handler does not return (it went modal).
[[nodiscard]] ::testing::AssertionResult SendClick(HWND hwnd, int x, int y, bool right = false,
                                                   std::chrono::milliseconds timeout = 10s);

// Fills the file name of an open/save dialog and presses its OK button.
[[nodiscard]] ::testing::AssertionResult FillFileDialog(HWND dialog, const std::string& path);

// Files.
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
std::string TempFolder(const std::string& name);  // fresh, under %TEMP%
void RemoveTree(const std::string& path);

// A file held open by another process (this test program in its holding mode), as an
// editor or a virus scanner holds it: read access, the given sharing.
class FileHeldByChild {
 public:
  FileHeldByChild(const std::string& path, DWORD share);
  ~FileHeldByChild();
  FileHeldByChild(const FileHeldByChild&) = delete;
  FileHeldByChild& operator=(const FileHeldByChild&) = delete;
  // Whether the child holds the file (it has opened it).
  [[nodiscard]] ::testing::AssertionResult Holding() const { return holding_; }
  // Ends the child, which closes the file.
  void Release();

 private:
  vconfig::UniqueHandleK release_;
  Process child_;
  ::testing::AssertionResult holding_ = ::testing::AssertionFailure();
};
// The holding mode of this program: run from main before GoogleTest sees the
// arguments. Returns true (and the exit code) when the arguments ask for it.
bool RunChildMode(int argc, char** argv, int& exitCode);

// Registry: the reported Windows version of this prefix ("winxp", "win98", ...); the
// previous setting is restored on destruction.
class WindowsVersionOverride {
 public:
  explicit WindowsVersionOverride(const char* version);
  ~WindowsVersionOverride();

 private:
  std::string previous_;
  bool hadPrevious_ = false;
};

// Holds the base module's mutex while alive.
class BaseModuleMutex {
 public:
  BaseModuleMutex();

 private:
  vconfig::UniqueMutex mutex_;
};

}  // namespace vtest
