// A small program for the exception reporter's tests: it installs the reporter as
// the real program does and opens one window whose handlers fail on request
// (messages posted by the tests).
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "app/Application_win.h"
#include "controls/Form_win.h"
#include "diagnostics/ErrorHandling_win.h"
#include "diagnostics/Errors.h"
#include "diagnostics/ExceptionReporter_win.h"
#include "ExcTestAppMessages.h"

namespace {

volatile int g_stopRecursion = 0;  // never set: keeps the compiler from ending it

__attribute__((noinline)) int OverflowStack(int depth) {
  volatile char frame[512];
  frame[depth & 511] = static_cast<char>(depth);
  if (g_stopRecursion) return frame[0];
  return OverflowStack(depth + 1) + frame[(depth * 7) & 511];
}

__attribute__((noinline)) int RecurseThenThrow(int depth) {
  volatile char frame[64];
  frame[depth & 63] = static_cast<char>(depth);
  if (depth == 0) throw vconfig::EListIndexError(7);
  return RecurseThenThrow(depth - 1) + frame[(depth * 3) & 63];
}

class TExcTestFrm : public vconfig::Form {
 public:
  explicit TExcTestFrm(vconfig::Application& application) : application_(application) {}

  bool Create() {
    vconfig::FormArgs args;
    args.className = "TExcTestFrm";
    args.caption = "Exception Test";
    args.width = 360;
    args.height = 200;
    args.x = 40;
    args.y = 40;
    return CreateForm(args);
  }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case kExcTestOpenFile: OpenButtonClick(wp); return 0;
      case kExcTestDeepThrow: return RecurseThenThrow(static_cast<int>(wp));
      case kExcTestOverflow: return OverflowStack(0);
      case kExcTestAccessViolation: WriteNowhere(); return 0;
      case kExcTestPing: return kExcTestPingReply;
      case kExcTestFaultWhileReporting: FaultWhileReporting(); return 0;
      case WM_CLOSE:
        application_.Terminate();
        return 0;
    }
    return Form::HandleMessage(msg, wp, lp);
  }

 private:
  // wParam, when set, is the length of a longer path.
  __attribute__((noinline)) void OpenButtonClick(WPARAM length) {
    if (length == 0) throw vconfig::EFileOpenError("C:\\autoexec.bat");
    throw vconfig::EFileOpenError("C:\\" + std::string(length, 'x') + ".bat");
  }
  __attribute__((noinline)) void WriteNowhere() {
    *reinterpret_cast<volatile int*>(static_cast<std::uintptr_t>(g_stopRecursion + 16)) = 1;
  }

  // Another thread's error dialog holds the reporter while this thread faults: the
  // report of the fault cannot start, as after a fault under the heap lock.
  void FaultWhileReporting() {
    DWORD threadId = 0;
    HANDLE thread = ::CreateThread(nullptr, 0, &ReportFromThread, nullptr, 0, &threadId);
    if (!thread) return;
    ::CloseHandle(thread);
    for (int i = 0; i < 1000 && !ThreadShowsDialog(threadId); ++i) ::Sleep(10);
    WriteNowhere();
  }
  static DWORD WINAPI ReportFromThread(void*) {
    try {
      throw vconfig::EFileOpenError("C:\\config.sys");
    } catch (...) {
      vconfig::HandleApplicationException();
    }
    return 0;
  }
  static BOOL CALLBACK NoteVisible(HWND hwnd, LPARAM found) {
    *reinterpret_cast<bool*>(found) = ::IsWindowVisible(hwnd) != FALSE;
    return !*reinterpret_cast<bool*>(found);
  }
  static bool ThreadShowsDialog(DWORD threadId) {
    bool shown = false;
    ::EnumThreadWindows(threadId, &NoteVisible, reinterpret_cast<LPARAM>(&shown));
    return shown;
  }

  vconfig::Application& application_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  vconfig::ExceptionReporter& reporter = vconfig::InstallExceptionReporter();
  // A number on the command line: the fault wait limit in milliseconds.
  if (commandLine && *commandLine) reporter.SetFaultWaitLimit(std::strtoul(commandLine, nullptr, 10));
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&icc);
  vconfig::Application application;
  TExcTestFrm form(application);
  if (!form.Create()) return 1;
  reporter.SetDialogOwner(form.hwnd());
  form.Show();
  application.RunMessageLoop();
  return 0;
}
