// A small program for the exception reporter's tests: it installs the reporter as
// the real program does and opens one window whose handlers fail on request
// (messages posted by the tests).
#include <windows.h>

#include <commctrl.h>

#include "app/Application_win.h"
#include "controls/Form_win.h"
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
      case kExcTestOpenFile: OpenButtonClick(); return 0;
      case kExcTestDeepThrow: return RecurseThenThrow(static_cast<int>(wp));
      case kExcTestOverflow: return OverflowStack(0);
      case kExcTestAccessViolation: WriteNowhere(); return 0;
      case kExcTestPing: return kExcTestPingReply;
      case WM_CLOSE:
        application_.Terminate();
        return 0;
    }
    return Form::HandleMessage(msg, wp, lp);
  }

 private:
  __attribute__((noinline)) void OpenButtonClick() {
    throw vconfig::EFileOpenError("C:\\autoexec.bat");
  }
  __attribute__((noinline)) void WriteNowhere() {
    *reinterpret_cast<volatile int*>(static_cast<std::uintptr_t>(g_stopRecursion + 16)) = 1;
  }

  vconfig::Application& application_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vconfig::ExceptionReporter& reporter = vconfig::InstallExceptionReporter();
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
