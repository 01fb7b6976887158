// Drives the staged program under Wine as a user would: starts it, finds its
// windows, reads message boxes and list rows, presses buttons and clicks.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace vtest {

using namespace std::chrono_literals;

// Polls cond until it holds or the timeout passes; pumps this thread's messages.
bool WaitFor(const std::function<bool()>& cond, std::chrono::milliseconds timeout = 10s);

// The staged suite folder (build/suite) as a Windows path, with a trailing backslash.
std::string SuiteDir();
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
  Process(Process&& o) noexcept;
  Process& operator=(Process&& o) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  bool Running() const;
  // Waits for the end; false on timeout.
  bool WaitForExit(std::chrono::milliseconds timeout = 15s);
  void Kill();

 private:
  HANDLE process_ = nullptr;
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

// Message boxes (#32770 dialogs).
HWND WaitForMessageBox(DWORD pid, std::chrono::milliseconds timeout = 15s);
std::string MessageBoxText(HWND box);
std::string WindowText(HWND hwnd);
// Presses a button of a dialog by its id and waits until the dialog is gone.
bool PressDialogButton(HWND dialog, int id);

// Children of a window by class (in z-order), and list-box rows.
std::vector<HWND> ChildWindows(HWND parent, const char* cls = nullptr);
HWND FindChildByText(HWND parent, const char* cls, const std::string& text);
std::vector<std::string> ListRows(HWND listBox);
// Clicks with the left or right button at client coordinates.
void ClickAt(HWND hwnd, int x, int y, bool right = false);

// Fills the file name of an open/save dialog and presses its OK button.
bool FillFileDialog(HWND dialog, const std::string& path);

// Files.
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
std::string TempFolder(const std::string& name);  // fresh, under %TEMP%
void RemoveTree(const std::string& path);

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
  ~BaseModuleMutex();

 private:
  HANDLE mutex_ = nullptr;
};

}  // namespace vtest
