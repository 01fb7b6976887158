#include "harness/ReportDriver.h"

namespace vtest {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

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
  return WaitFor([list] { return list && ListRows(list).size() == 2; }) ? form : nullptr;
}

HWND ReportList(HWND reportWindow) { return FindDescendantById(reportWindow, kReportListId); }

AssertionResult PressReportButton(HWND reportWindow, const std::string& caption) {
  for (HWND h : ChildWindows(reportWindow, "TSpeedButton")) {
    if (WindowText(h) != caption) continue;
    ClickControl(h);
    return AssertionSuccess();
  }
  return AssertionFailure() << "no button \"" << caption << "\" in "
                            << DescribeWindow(reportWindow);
}

AssertionResult ToggleReportSection(HWND list, int row) {
  const size_t before = ListRows(list).size();
  ClickRow(list, row);
  if (WaitFor([&] { return ListRows(list).size() != before; })) return AssertionSuccess();
  return AssertionFailure() << "a click on row " << row << " left the report list at " << before
                            << " rows";
}

void ClickCheckBox(HWND list, int row) {
  const RECT r = RowRect(list, row);
  ClickAt(list, 20, (r.top + r.bottom) / 2);
}

AssertionResult ChooseFromRowMenu(HWND list, int row, int item) {
  const RECT r = RowRect(list, row);
  ClickAt(list, 60, (r.top + r.bottom) / 2, true);
  HWND menu = nullptr;
  if (!WaitFor([&] { return (menu = ShownPopupMenu()) != nullptr; }))
    return AssertionFailure() << "no popup menu on row " << row;
  for (int i = 0; i <= item; ++i) ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  if (WaitFor([] { return ShownPopupMenu() == nullptr; })) return AssertionSuccess();
  return AssertionFailure() << "the popup menu stays open";
}

AssertionResult WaitForReportClosed(HWND reportWindow) {
  if (WaitFor([reportWindow] {
        return !::IsWindow(reportWindow) || !::IsWindowVisible(reportWindow);
      }))
    return AssertionSuccess();
  return AssertionFailure() << "the report window stays open";
}

}  // namespace vtest
