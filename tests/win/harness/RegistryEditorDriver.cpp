#include "harness/RegistryEditorDriver.h"

#include "harness/Harness.h"
#include "platform/Handles_win.h"

namespace vtest {
namespace {

BOOL CALLBACK CollectRegistryEditor(HWND hwnd, LPARAM found) {
  if (::IsWindowVisible(hwnd) && WindowText(hwnd).rfind("Registry Editor", 0) == 0)
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
  return TRUE;
}

}  // namespace

const std::string kRegeditSettingsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit";

std::vector<HWND> RegistryEditorWindows() {
  std::vector<HWND> found;
  ::EnumWindows(&CollectRegistryEditor, reinterpret_cast<LPARAM>(&found));
  return found;
}

void CloseRegistryEditors() {
  for (HWND window : RegistryEditorWindows()) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    const vconfig::UniqueHandleK process(
        ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid));
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    if (process && ::WaitForSingleObject(process.get(), 10000) != WAIT_OBJECT_0) {
      ::TerminateProcess(process.get(), 1);
      ::WaitForSingleObject(process.get(), 10000);
    }
  }
}

RegistryEditorCloser::~RegistryEditorCloser() { CloseRegistryEditors(); }

}  // namespace vtest
