// Program entry: the start-up sequence.
#include <windows.h>

#include <commctrl.h>

#include "app/Application_win.h"
#include "diagnostics/ExceptionReporter_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vconfig::InstallExceptionReporter();
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&icc);
  vconfig::Application application;
  application.Run();
  return 0;
}
