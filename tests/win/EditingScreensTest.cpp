// Screenshots of the editing dialogs over the main window, into the folder named by
// VCONFIG_SCREENSHOTS (skipped without it).
#include <gtest/gtest.h>

#include <cstdlib>

#include "harness/EditingDriver.h"
#include "harness/Screenshot.h"

namespace vtest {
namespace {

TEST(EditingScreens, Capture) {
  const char* out = ::getenv("VCONFIG_SCREENSHOTS");
  if (!out) GTEST_SKIP() << "VCONFIG_SCREENSHOTS not set";
  const std::string dir = std::string(out) + "\\";
  auto settle = [] { WaitFor([] { return false; }, 1500ms); };
  EditingSession program;
  ASSERT_TRUE(program.ok());

  ASSERT_TRUE(program.OpenSource("Configuration files", "Boot.ini"));
  ASSERT_TRUE(program.PopupCommand("Boot.ini", 1, popup::kEdit1));
  HWND line = program.WaitForForm("TtextNEFrm");
  ASSERT_NE(line, nullptr);
  settle();
  EXPECT_TRUE(SaveScreenBmp(dir + "line-dialog.bmp"));
  ASSERT_TRUE(ClickButton(line, "Cancel"));

  ASSERT_TRUE(program.PopupCommand("Boot.ini", 1, popup::kRem1));
  ASSERT_NE(WaitForMessageBox(program.pid()), nullptr);
  settle();
  EXPECT_TRUE(SaveScreenBmp(dir + "line-removal-question.bmp"));
  AnswerBox(program.pid(), "No");

  ASSERT_TRUE(program.OpenSource("Autostart", "HCU\\Run"));
  ASSERT_TRUE(program.PopupCommand("HCU\\Run", 0, popup::kEdit2));
  HWND value = program.WaitForForm("TRegNeVAlFrm");
  ASSERT_NE(value, nullptr);
  settle();
  EXPECT_TRUE(SaveScreenBmp(dir + "value-dialog.bmp"));
  ASSERT_TRUE(ClickButton(value, "Cancel"));
}

}  // namespace
}  // namespace vtest
