// Opens and reads the about box and the language dialog of the running program, and
// stamps a copy of the program with a version resource of the test's own.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "harness/MainWindowDriver.h"

namespace vtest {

// The main window's top bar buttons, left to right: report, about, language,
// minimise, close.
HWND TopBarButton(HWND main, int index);

// Clicks the about button and waits for the about box.
HWND OpenAboutBox(const RunningProgram& program);
// The names of the about box's visible pictures (ImageEN ... ImageRUS).
std::vector<std::string> VisibleImages(HWND about);
// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);

// Clicks the language button and waits for the language dialog.
HWND OpenLanguageDialog(const RunningProgram& program);
struct LanguageDialogButtons {
  std::vector<HWND> languages;  // SpeedButton1 (CZ) to SpeedButton7 (RU)
  HWND ok = nullptr;
  HWND cancel = nullptr;
};
LanguageDialogButtons FindLanguageDialogButtons(HWND dialog);

// "Options" values of a settings file ("" when absent).
std::string SettingsValue(const std::string& settings, const char* key);
void SetSettingsValue(const std::string& settings, const char* key, const char* value);

// Replaces the version resource of an executable: the given strings in translation
// 0409 04E4 and the fixed version numbers 1.2.3.4.
bool StampVersion(const std::string& exe, const std::map<std::string, std::string>& strings);

}  // namespace vtest
