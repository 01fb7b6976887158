// Drives the report window of the running program from outside.
#pragma once

#include <windows.h>

#include <string>

#include "harness/MainWindowDriver.h"

namespace vtest {

constexpr int kReportListId = 201;

// Clicks the main window's Report button and waits for the report window with its
// two group rows; null when it does not come.
HWND OpenReportWindow(RunningProgram& program);
HWND ReportList(HWND reportWindow);
// Presses one of the report window's buttons by its caption.
[[nodiscard]] ::testing::AssertionResult PressReportButton(HWND reportWindow,
                                                           const std::string& caption);
// Expands or contracts a section of the report list by a click on its title row.
[[nodiscard]] ::testing::AssertionResult ToggleReportSection(HWND list, int row);
// Ticks or unticks a row by a click into its check-box column.
void ClickCheckBox(HWND list, int row);
// Right-clicks a row and chooses an item of the popup menu by its position (0-based).
[[nodiscard]] ::testing::AssertionResult ChooseFromRowMenu(HWND list, int row, int item);
// Waits until the report window is gone.
[[nodiscard]] ::testing::AssertionResult WaitForReportClosed(HWND reportWindow);

}  // namespace vtest
