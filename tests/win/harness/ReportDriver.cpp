#include "harness/ReportDriver.h"

namespace vtest {

HWND OpenReportWindow(RunningProgram& program) {
  HWND button = nullptr;
  for (HWND h : ChildWindows(program.main, "TExplBtn"))
    if (WindowText(h) == "Report") button = h;
  if (!button) return nullptr;
  ClickControl(button);
  HWND form = WaitForWindow(program.pid, "TReportFrm", nullptr);
  if (!form) return nullptr;
  HWND list = ReportList(form);
  // Ready once the copied sections are in.
  WaitFor([list] { return list && ListRows(list).size() == 2; });
  return form;
}

HWND ReportList(HWND reportWindow) { return FindDescendantById(reportWindow, kReportListId); }

bool PressReportButton(HWND reportWindow, const std::string& caption) {
  for (HWND h : ChildWindows(reportWindow, "TSpeedButton")) {
    if (WindowText(h) != caption) continue;
    ClickControl(h);
    return true;
  }
  return false;
}

void ToggleReportSection(HWND list, int row) {
  const size_t before = ListRows(list).size();
  ClickRow(list, row);
  WaitFor([&] { return ListRows(list).size() != before; });
}

void ClickCheckBox(HWND list, int row) {
  const RECT r = RowRect(list, row);
  ClickAt(list, 20, (r.top + r.bottom) / 2);
}

bool ChooseFromRowMenu(HWND list, int row, int item) {
  const RECT r = RowRect(list, row);
  ClickAt(list, 60, (r.top + r.bottom) / 2, true);
  HWND menu = nullptr;
  if (!WaitFor([&] { return (menu = ShownPopupMenu()) != nullptr; })) return false;
  for (int i = 0; i <= item; ++i) ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  return WaitFor([] { return ShownPopupMenu() == nullptr; });
}

bool WaitForReportClosed(HWND reportWindow) {
  return WaitFor([reportWindow] {
    return !::IsWindow(reportWindow) || !::IsWindowVisible(reportWindow);
  });
}

}  // namespace vtest
