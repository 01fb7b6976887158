// The process-wide exception reporter: created and installed once when the program
// loads, before any window. Every exception that reaches the application's error
// handling is logged to "ExcMagic.Log" beside the program and shown in the error
// dialog.
#pragma once

#include <windows.h>

#include <atomic>
#include <exception>
#include <string>

#include "diagnostics/ExcCallStack.h"
#include "diagnostics/ExcCapture.h"
#include "diagnostics/ExcReport.h"
#include "diagnostics/ExcMemory_win.h"
#include "diagnostics/ModuleList.h"
#include "platform/Handles_win.h"

namespace vconfig {

// Option bits.
constexpr unsigned kExcDetailsOpen = 1;
constexpr unsigned kExcCallStackPage = 2;
constexpr unsigned kExcRegistersPage = 4;
constexpr unsigned kExcCustomPage = 8;
constexpr unsigned kExcTerminateButton = 16;
constexpr unsigned kExcShowDialog = 32;

class ExceptionReporter {
 public:
  // Fails with "Only one instance of TExcMagic allowed" when one exists.
  ExceptionReporter();
  ~ExceptionReporter();
  ExceptionReporter(const ExceptionReporter&) = delete;
  ExceptionReporter& operator=(const ExceptionReporter&) = delete;

  static ExceptionReporter* Instance();

  // Puts the reporter in front of the run time's reporting: the capture at raise,
  // the display of unhandled faults and of exceptions that end the program.
  void Install();

  // Display of an exception that reached the application's error handling: one
  // log entry, then the modal dialog. Returns when the dialog is closed.
  void ShowException(const std::exception_ptr& exception);

  // The window that owns the error dialog from now on (the program's main window),
  // when it belongs to the reporting thread; otherwise that thread's active window.
  void SetDialogOwner(HWND owner) { dialogOwner_ = owner; }

  // How long a faulting thread waits for its report to reach the dialog before the
  // process ends without it (the fault may have left a lock held that the report
  // needs). Once the dialog is up, the user ends the wait.
  void SetFaultWaitLimit(DWORD milliseconds) { faultWaitLimit_ = milliseconds; }

  bool Active() const { return active_; }
  unsigned Options() const { return options_; }
  bool CollapseRecursion() const { return collapseRecursion_; }
  const std::string& LogFile() const { return logFile_; }

 private:
  struct Described {
    std::string className;
    std::string message;
  };
  static Described Describe(const std::exception_ptr& exception);
  HWND DialogOwner() const;
  // Log entry and dialog for one capture, under the reporter's lock.
  void Report(const ExceptionCapture& capture, const Described& what, HWND owner);
  void AppendToLog(const std::string& entry) const;

  static LONG WINAPI OnUnhandledFault(EXCEPTION_POINTERS* pointers);
  static void OnTerminate();
  static DWORD WINAPI ReporterThread(void* self);
  void ReportFaultFromReporterThread(ExceptionCapture* capture);

  // Settings, as set at creation.
  bool active_ = true;
  std::string logFile_;
  bool logAtRaise_ = false;  // entries are written at display, not at raise
  unsigned options_ = kExcCallStackPage | kExcRegistersPage | kExcShowDialog;  // 38
  // The call stack keeps at most kMaxFrames distinct frames.
  bool collapseRecursion_ = true;
  std::string customTabCaption_ = "Additional";
  DWORD faultWaitLimit_ = 30000;

  CRITICAL_SECTION lock_;       // formatting and display
  CRITICAL_SECTION faultLock_;  // one fault handed to the reporter thread at a time
  SystemModuleLocator locator_;
  ModuleList modules_;
  ExcCallStack callStack_;
  std::atomic<DWORD> lockOwner_{0};     // thread holding lock_, 0 when none
  std::atomic<DWORD> dialogThread_{0};  // thread whose error dialog is open
  std::atomic<HWND> dialogOwner_{nullptr};

  UniqueHandleK faultRequest_;
  UniqueHandleK faultDone_;
  UniqueHandleK reporterThread_;
  DWORD reporterThreadId_ = 0;
  std::atomic<ExceptionCapture*> pendingFault_{nullptr};
  std::atomic<DWORD> faultThreadId_{0};
  std::atomic<bool> faultDialogShown_{false};  // the report of the pending fault is on screen
  LPTOP_LEVEL_EXCEPTION_FILTER previousFilter_ = nullptr;
};

// Creates and installs the reporter; call first thing at program start.
ExceptionReporter& InstallExceptionReporter();

}  // namespace vconfig
