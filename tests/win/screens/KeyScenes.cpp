// The content list's popup menu opened from the keyboard on a Run value, and the
// tooltip of a row too wide for the list.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "harness/EditingDriver.h"
#include "harness/MainWindowDriver.h"
#include "screens/Capture.h"
#include "screens/Scenes.h"

namespace vscreens {
namespace {

using namespace vtest;

const char* const kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

void SetRunValue(const char* name, const char* data) {
  HKEY key = nullptr;
  ::RegCreateKeyExA(HKEY_CURRENT_USER, kRun, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
  ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                   static_cast<DWORD>(strlen(data) + 1));
  ::RegCloseKey(key);
}

RECT Union(const RECT& a, const RECT& b) {
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

HWND ShownTip(DWORD pid) {
  const auto tips = ProcessWindows(pid, "tooltips_class32");
  return tips.empty() ? nullptr : tips.front();
}

}  // namespace

void ContentKeysScene(Shots& shots) {
  KeyKeeper keepRun(HKEY_CURRENT_USER, kRun);
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kRun);
  SetRunValue("Agent", "C:\\Tools\\agent.exe /tray");
  SetRunValue("Clock", "C:\\TOOLS\\CLOCK.EXE");
  SetRunValue("Updater",
              "C:\\PROGRA~1\\COMMON~1\\VENDOR~1\\UPDATE~1\\x86\\UPDATESERVICEHOSTLAUNCHER.EXE"
              "/background");
  EditingSession program;
  Need(program.ok(), "start the program");
  Need(program.OpenSource("Autostart", "HCU\\Run"), "open HCU\\Run");
  HWND list = program.running().content;

  // The popup menu of a value, from the keyboard: at the selected row.
  const int agent = program.ContentRow("HCU\\Run", 0);
  Need(agent >= 0, "find the first value");
  const RECT row = RowRect(list, agent);
  Need(SendClick(list, row.left + 20, (row.top + row.bottom) / 2), "select the value");
  ::SetCursorPos(0, 0);
  ::PostMessageA(list, WM_KEYDOWN, VK_APPS, 0);
  ::PostMessageA(list, WM_KEYUP, VK_APPS, 0xC0000000);
  HWND menu = Need(WaitForWindow(program.pid(), "#32768", nullptr, 5s), "open the popup menu");
  shots.Save("popup-menu", Union(WindowArea(program.main()), WindowArea(menu)), program.pid());
  ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  Need(WaitFor([menu] { return !::IsWindowVisible(menu); }, 5s), "close the popup menu");

  // The mouse resting on the value too long for the list.
  const int updater = program.ContentRow("HCU\\Run", 2);
  Need(updater >= 0, "find the long value");
  const RECT longRow = RowRect(list, updater);
  POINT at{(longRow.left + longRow.right) / 2, (longRow.top + longRow.bottom) / 2};
  ::ClientToScreen(list, &at);
  ::SetCursorPos(at.x, at.y);
  HWND tip = nullptr;
  Need(WaitFor([&] { return (tip = ShownTip(program.pid())) != nullptr; }, 10s), "show the tooltip");
  shots.Save("row-tooltip", Union(WindowArea(program.main()), WindowArea(tip)), program.pid());
  ::SetCursorPos(0, 0);
}

}  // namespace vscreens
