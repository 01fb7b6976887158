// The language dialog of the running program: which flags it offers and presses, what
// "Ok" and "Cancel" store, and the restart after "Ok" and Yes.
#include <gtest/gtest.h>

#include "harness/AboutDriver.h"
#include "harness/Harness.h"

namespace vtest {
namespace {

constexpr const char* kQuestion =
    "Changing language will take effect after you restart the application.Would You like to exit?";
enum { kCZ, kDE, kEN, kES, kFR, kIT, kRU };

// Presses "Ok" and answers the restart question.
void ConfirmAndAnswer(const RunningProgram& p, HWND dialog, int answer) {
  ClickControl(FindLanguageDialogButtons(dialog).ok);
  HWND box = WaitForMessageBox(p.pid);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), kQuestion);
  EXPECT_FALSE(::IsWindowVisible(dialog)) << "the dialog closes before the question";
  EXPECT_TRUE(PressDialogButton(box, answer));
}

TEST(LanguageDialog, OnlyPresentModulesAreEnabledAndTheSettingIsMatchedExactly) {
  SuiteCopy suite;
  for (const char* code : {"CSY", "ES", "FR", "IT", "RUS"})
    ASSERT_TRUE(::DeleteFileA((suite.config() + "VConfig" + code + ".dll").c_str()));
  SetSettingsValue(suite.settings(), "Language", "de");
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));
  HWND dialog = OpenLanguageDialog(p);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText(dialog), "Languagesettings");
  RECT outer{};
  ::GetWindowRect(dialog, &outer);
  EXPECT_EQ(outer.right - outer.left, 177);
  EXPECT_EQ(outer.bottom - outer.top, 251);
  const auto buttons = FindLanguageDialogButtons(dialog);
  ASSERT_EQ(buttons.languages.size(), 7u);
  std::vector<bool> enabled;
  for (HWND b : buttons.languages) enabled.push_back(::IsWindowEnabled(b) != FALSE);
  EXPECT_EQ(enabled, (std::vector<bool>{false, true, true, false, false, false, false}));
  for (const char* label : {"CZ", "DE", "EN", "ES", "FR", "IT", "RU"})
    EXPECT_TRUE(FindChildByText(dialog, "Static", label)) << label;

  // "de" is not "DE": nothing is pressed, so "Ok" stores the empty code.
  ConfirmAndAnswer(p, dialog, IDNO);
  EXPECT_EQ(SettingsValue(suite.settings(), "Language"), "");
  EXPECT_EQ(SettingsValue(suite.settings(), "RunLang"), "de");
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(dialog); }));
  p.Close();
}

TEST(LanguageDialog, CancelStoresNothingAndOkThenNoStoresTheNewCodeOnly) {
  SuiteCopy suite;
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));
  // An absent setting opens with English pressed, and "EN" is written.
  SetSettingsValue(suite.settings(), "Language", nullptr);
  HWND dialog = OpenLanguageDialog(p);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SettingsValue(suite.settings(), "Language"), "EN");
  const std::string before = ReadFileBytes(suite.settings());
  ClickControl(FindLanguageDialogButtons(dialog).languages[kFR]);
  ClickControl(FindLanguageDialogButtons(dialog).cancel);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(dialog); }));
  EXPECT_EQ(ReadFileBytes(suite.settings()), before);

  // Opened again, English is still the pressed one; a second click on French keeps it
  // pressed (a pressed flag cannot be released by clicking it).
  dialog = OpenLanguageDialog(p);
  ASSERT_NE(dialog, nullptr);
  ClickControl(FindLanguageDialogButtons(dialog).languages[kFR]);
  ClickControl(FindLanguageDialogButtons(dialog).languages[kFR]);
  ConfirmAndAnswer(p, dialog, IDNO);
  EXPECT_EQ(SettingsValue(suite.settings(), "Language"), "FR");
  EXPECT_EQ(SettingsValue(suite.settings(), "RunLang"), "EN");
  // This instance keeps running, in English.
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(dialog); }));
  ASSERT_TRUE(::IsWindow(p.main));
  EXPECT_EQ(WindowText(TopBarButton(p.main, 2)), "Language");
  p.Close();
}

TEST(LanguageDialog, OkThenYesRestartsThroughTheGuardInTheNewLanguage) {
  SuiteCopy suite;
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));
  HWND dialog = OpenLanguageDialog(p);
  ASSERT_NE(dialog, nullptr);
  ClickControl(FindLanguageDialogButtons(dialog).languages[kDE]);
  ConfirmAndAnswer(p, dialog, IDYES);

  // This instance ends; a new one passes the suite guard and shows German texts.
  HANDLE old = ::OpenProcess(SYNCHRONIZE, FALSE, p.pid);
  ASSERT_NE(old, nullptr);
  EXPECT_EQ(::WaitForSingleObject(old, 15000), WAIT_OBJECT_0);
  ::CloseHandle(old);
  HWND next = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    next = ::FindWindowA("TUpravitFrm", "Vorn Info Config");
    return next && ::IsWindowVisible(next) && TopBarButton(next, 2) &&
           WindowText(TopBarButton(next, 2)) == "Sprache";
  }, 20s));
  EXPECT_EQ(SettingsValue(suite.settings(), "Language"), "DE");
  EXPECT_EQ(SettingsValue(suite.settings(), "RunLang"), "DE");
  EXPECT_TRUE(p.base.Running()) << "the base module waits for the restarted instance";
  ::PostMessageA(next, WM_CLOSE, 0, 0);
  EXPECT_TRUE(p.base.WaitForExit());
}

TEST(LanguageDialog, ARestartThatCannotStartKeepsThisInstance) {
  SuiteCopy suite;
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));
  // The running program's file moves away, so nothing can be started from its path.
  ASSERT_TRUE(::MoveFileA(suite.program().c_str(), (suite.config() + "Moved.exe").c_str()));
  HWND dialog = OpenLanguageDialog(p);
  ASSERT_NE(dialog, nullptr);
  ClickControl(FindLanguageDialogButtons(dialog).languages[kIT]);
  ConfirmAndAnswer(p, dialog, IDYES);
  HWND error = WaitForMessageBox(p.pid);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(MessageBoxText(error), "Cannot restart the application");
  EXPECT_TRUE(PressDialogButton(error, IDOK));
  // Still running: its thread answers, its window stays, and nothing else is shown.
  EXPECT_TRUE(ShowsNothingModal(p.main));
  EXPECT_TRUE(::IsWindowVisible(p.main));
  EXPECT_EQ(SettingsValue(suite.settings(), "Language"), "IT");
  EXPECT_TRUE(p.Close());
}

// Started with "-start" (no base module running), the program restarts with "-start":
// with "-vinfo" the new instance would meet the guard's "No running base module".
TEST(LanguageDialog, ARestartKeepsTheStartSwitchOfThisInstance) {
  SuiteCopy suite;
  Process started = StartProgram(suite.program(), "-start", suite.config());
  ASSERT_TRUE(started.started());
  RunningProgram p;
  p.pid = started.id();
  p.main = WaitForWindow(p.pid, "TUpravitFrm", "Vorn Info Config");
  ASSERT_NE(p.main, nullptr);
  HWND dialog = OpenLanguageDialog(p);
  ASSERT_NE(dialog, nullptr);
  ClickControl(FindLanguageDialogButtons(dialog).languages[kDE]);
  ConfirmAndAnswer(p, dialog, IDYES);
  EXPECT_TRUE(started.WaitForExit());
  HWND next = nullptr;
  const bool shown = WaitFor([&] {
    next = ::FindWindowA("TUpravitFrm", "Vorn Info Config");
    return next && ::IsWindowVisible(next) && TopBarButton(next, 2) &&
           WindowText(TopBarButton(next, 2)) == "Sprache";
  }, 20s);
  // The new instance, also one stopped by the guard (its window exists, hidden).
  DWORD nextPid = 0;
  if (next) ::GetWindowThreadProcessId(next, &nextPid);
  vconfig::UniqueHandleK nextProcess(::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, nextPid));
  EXPECT_TRUE(shown) << (nextPid ? "the new instance shows " : "no new instance")
                     << (nextPid ? DescribeWindow(WaitForMessageBox(nextPid, 1s)) : "");
  if (shown) {
    EXPECT_TRUE(ShowsNothingModal(next)) << "no guard error";
    ::PostMessageA(next, WM_CLOSE, 0, 0);
  }
  if (nextProcess && ::WaitForSingleObject(nextProcess.get(), 15000) != WAIT_OBJECT_0) {
    ::TerminateProcess(nextProcess.get(), 1);
    ADD_FAILURE() << "the restarted instance did not end";
  }
}

}  // namespace
}  // namespace vtest
