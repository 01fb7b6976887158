// The exception reporter's dialog, raised in its test program (ExcTestApp, built beside
// this program) by a handler that cannot open a file.
#include <windows.h>

#include "ExcTestApp/ExcTestAppMessages.h"
#include "harness/Harness.h"
#include "screens/Capture.h"
#include "screens/Scenes.h"
#include "windows/ErrorDialogIds.h"

namespace vscreens {
namespace {

using namespace vtest;

std::string OwnFolder() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s = path;
  return s.substr(0, s.find_last_of('\\') + 1);
}

HWND VisiblePage(HWND dialog) {
  for (HWND page : ChildWindows(dialog, "Edit"))
    if (::IsWindowVisible(page)) return page;
  return nullptr;
}

bool PageStartsWith(HWND dialog, const std::string& heading) {
  HWND page = VisiblePage(dialog);
  return page && WindowText(page).rfind(heading, 0) == 0;
}

}  // namespace

void ErrorDialogScene(Shots& shots) {
  // A folder of its own, with the side file, so that the stack shows procedure names.
  const ScratchFolder folder("exc");
  const std::string& dir = folder.path();
  for (const char* file : {"ExcTestApp.exe", "ExcTestApp.DSI"})
    Need(::CopyFileA((OwnFolder() + file).c_str(), (dir + file).c_str(), FALSE), file);
  Process app = StartProgram(dir + "ExcTestApp.exe", "", dir);
  HWND window = Need(WaitForWindow(app.id(), "TExcTestFrm", "Exception Test"), "start ExcTestApp");
  ::PostMessageA(window, kExcTestOpenFile, 0, 0);
  HWND dialog = Need(WaitForWindow(app.id(), "#32770", "Application Error"), "show the error");
  HWND details = ::GetDlgItem(dialog, IDC_EXC_DETAILS);
  HWND tabs = ::GetDlgItem(dialog, IDC_EXC_TABS);
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EXC_DETAILS, BN_CLICKED),
                 reinterpret_cast<LPARAM>(details));
  Need(WaitFor([&] { return ::IsWindowVisible(tabs) && PageStartsWith(dialog, "Call stack:"); }),
       "open the details");
  shots.Save("exc-dialog-details", WholeScreen(), app.id());
  ::PostMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
  Need(WaitFor([&] { return PageStartsWith(dialog, "Registers:"); }), "show the registers");
  shots.Save("exc-dialog-registers", WholeScreen(), app.id());
  Need(PressDialogButton(dialog, IDOK), "close the error dialog");
  app.Kill();
}

}  // namespace vscreens
