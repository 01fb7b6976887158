// The program's start-up under Wine: the suite guard, the settings file and the
// catalogue on the reported Windows version.
#include <gtest/gtest.h>

#include "harness/Harness.h"
#include "harness/MainWindowDriver.h"

namespace vtest {
namespace {

// Reads the two boxes of a failed guard check and answers them: "caption: text" each,
// and what went wrong with the answer.
std::vector<std::string> AnswerGuardBoxes(Process& p) {
  std::vector<std::string> texts;
  for (int i = 0; i < 2; ++i) {
    HWND box = WaitForMessageBox(p.id());
    if (!box) break;
    texts.push_back(WindowText(box) + ": " + MessageBoxText(box));
    if (auto pressed = PressDialogButton(box, IDOK); !pressed) texts.push_back(pressed.message());
  }
  return texts;
}

TEST(Startup, WithoutSwitchShowsCheckOnePairAndWritesNothing) {
  SuiteCopy suite;
  Process p = StartProgram(suite.program(), "", suite.config());
  ASSERT_TRUE(p.started());
  EXPECT_EQ(AnswerGuardBoxes(p), (std::vector<std::string>{
                                     "Error: Application isn\xB4t start from main module!",
                                     "Error: Aplication terminated"}));
  EXPECT_TRUE(p.WaitForExit());
  EXPECT_FALSE(FileExists(suite.settings()));
}

TEST(Startup, WithoutBaseModuleInParentShowsCheckTwoPair) {
  SuiteCopy suite;
  ASSERT_TRUE(::DeleteFileA((suite.root() + "VInfo.exe").c_str()));
  ::CopyFileA((SuiteDir() + "VInfo.exe").c_str(), (suite.config() + "VInfo.exe").c_str(), FALSE);
  Process p = StartProgram(suite.program(), "-start", suite.config());
  EXPECT_EQ(AnswerGuardBoxes(p), (std::vector<std::string>{"Error: No find base module Vorn Info!",
                                                           "Error: Aplication terminated"}));
  EXPECT_TRUE(p.WaitForExit());
  EXPECT_FALSE(FileExists(suite.settings()));
}

TEST(Startup, VinfoWithoutMutexShowsCheckThreePair) {
  SuiteCopy suite;
  // Started from another folder: the program must find itself from the system.
  Process p = StartProgram(suite.program(), "-vinfo", suite.root());
  EXPECT_EQ(AnswerGuardBoxes(p), (std::vector<std::string>{
                                     "Error: No running base module Vorn Info!",
                                     "Error: Aplication terminated"}));
  EXPECT_TRUE(p.WaitForExit());
  EXPECT_FALSE(FileExists(suite.settings()));
}

TEST(Startup, ThroughTheStandInTheProgramRunsAndRecordsTheLanguage) {
  SuiteCopy suite;
  Process base = StartProgram(suite.root() + "VInfo.exe", "", suite.root());
  ASSERT_TRUE(base.started());
  HWND main = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    main = ::FindWindowA("TUpravitFrm", "Vorn Info Config");
    return main != nullptr && ::IsWindowVisible(main);
  }));
  RECT r{};
  ::GetWindowRect(main, &r);
  EXPECT_EQ(r.right - r.left, 586);
  EXPECT_EQ(r.bottom - r.top, 493);
  char lang[32] = {}, run[32] = {};
  ::GetPrivateProfileStringA("Options", "Language", "", lang, sizeof lang, suite.settings().c_str());
  ::GetPrivateProfileStringA("Options", "RunLang", "", run, sizeof run, suite.settings().c_str());
  EXPECT_STREQ(lang, "EN");
  EXPECT_STREQ(run, "EN");
  // The base module holds its mutex while the program runs.
  HANDLE m = ::OpenMutexA(SYNCHRONIZE, FALSE, "Vorn Info running");
  EXPECT_NE(m, nullptr);
  if (m) ::CloseHandle(m);
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(base.WaitForExit());
}

}  // namespace
}  // namespace vtest

namespace vtest {
namespace {

TEST(Startup, MissingLanguageModuleFallsBackToEnglish) {
  SuiteCopy suite;
  ASSERT_TRUE(::DeleteFileA((suite.config() + "VConfigRUS.dll").c_str()));
  ::WritePrivateProfileStringA("Options", "Language", "RUS", suite.settings().c_str());
  Process p = StartProgram(suite.program(), "-start", suite.config());
  HWND box = WaitForMessageBox(p.id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "Jazykov\xE1 mutace RUS modulu neexistuje!");
  EXPECT_TRUE(PressDialogButton(box, IDOK));
  HWND main = WaitForWindow(p.id(), "TUpravitFrm", "Vorn Info Config");
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(ShowsNothingModal(main)) << "exactly one error box";
  char lang[32] = {}, run[32] = {};
  ::GetPrivateProfileStringA("Options", "Language", "", lang, sizeof lang, suite.settings().c_str());
  ::GetPrivateProfileStringA("Options", "RunLang", "", run, sizeof run, suite.settings().c_str());
  EXPECT_STREQ(lang, "EN");
  EXPECT_STREQ(run, "EN");
}

// The "Language" value names a file beside the program: a value that is none of the
// seven codes is a missing module, even where the file it points at exists.
TEST(Startup, ALanguageValueThatIsNoCodeIsAMissingModule) {
  SuiteCopy suite;
  // "VConfig..\..\x.dll" resolves to x.dll beside the program: a module that exists.
  ASSERT_TRUE(::CopyFileA((suite.config() + "VConfigDE.dll").c_str(),
                          (suite.config() + "x.dll").c_str(), FALSE));
  ::WritePrivateProfileStringA("Options", "Language", "..\\..\\x", suite.settings().c_str());
  Process p = StartProgram(suite.program(), "-start", suite.config());
  HWND box = WaitForMessageBox(p.id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "Jazykov\xE1 mutace ..\\..\\x modulu neexistuje!");
  EXPECT_TRUE(PressDialogButton(box, IDOK));
  HWND main = WaitForWindow(p.id(), "TUpravitFrm", "Vorn Info Config");
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(ShowsNothingModal(main)) << "exactly one error box";
  // English texts: the source tree's first group.
  HWND tree = FindDescendantById(main, kSourceTreeId);
  ASSERT_NE(tree, nullptr);
  EXPECT_TRUE(WaitForRows(tree, [](const std::vector<std::string>& rows) {
    return !rows.empty() && rows[0] == "Configuration files";
  }));
  char lang[32] = {};
  ::GetPrivateProfileStringA("Options", "Language", "", lang, sizeof lang, suite.settings().c_str());
  EXPECT_STREQ(lang, "EN");
}

}  // namespace
}  // namespace vtest
