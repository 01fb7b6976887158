// The file dialogs: the record handed to the system, and a real dialog answered
// from another thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <thread>

#include "controls/chrome/FileDialog_win.h"
#include "harness/Harness.h"

namespace vtest {
namespace {

// What the last dialog call received.
OPENFILENAMEA g_seen{};
std::string g_filter, g_defExt;
BOOL WINAPI RecordingDialog(LPOPENFILENAMEA ofn) {
  std::memcpy(&g_seen, ofn, std::min<size_t>(ofn->lStructSize, sizeof g_seen));
  // The strings live only during the call.
  g_filter.clear();
  for (const char* p = ofn->lpstrFilter; p && *p; p += std::strlen(p) + 1) g_filter += std::string(p) + "|";
  g_defExt = ofn->lpstrDefExt;
  std::strcpy(ofn->lpstrFile, "C:\\picked.txt");
  ofn->nFilterIndex = 2;
  return TRUE;
}
BOOL WINAPI CancelledDialog(LPOPENFILENAMEA) { return FALSE; }

vconfig::VersionRecord Version(uint32_t platform, uint32_t major) {
  vconfig::VersionRecord v;
  v.platformId = platform;
  v.major = major;
  return v;
}

TEST(ChromeFileDialog, RecordFollowsTheSystemAndThePlacesBar) {
  struct Case {
    uint32_t platform, major;
    bool placesBar;
    DWORD size, flagsEx;
  };
  const Case cases[] = {
      {2, 5, true, 88, 0}, {2, 5, false, 88, OFN_EX_NOPLACESBAR}, {1, 4, true, 76, 0xAAAAAAAA}};
  for (const Case& c : cases) {
    vconfig::SaveFileDialog dialog;
    dialog.ShowPlacesBar = c.placesBar;
    dialog.Filter = "Text files|*.txt|HTML files|*.htm|All files|*.*";
    dialog.DefaultExt = "txt";
    dialog.SetSystemVersion(Version(c.platform, c.major));
    dialog.SetDialogFunction(&RecordingDialog);
    std::memset(&g_seen, 0xAA, sizeof g_seen);
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(g_seen.lStructSize, c.size);
    EXPECT_EQ(g_seen.FlagsEx, c.flagsEx);  // untouched beyond the plain record
    EXPECT_EQ(g_filter, "Text files|*.txt|HTML files|*.htm|All files|*.*|");
    EXPECT_EQ(g_defExt, "txt");
    EXPECT_EQ(dialog.FileName, "C:\\picked.txt");
    EXPECT_EQ(dialog.FilterIndex, 2);
  }
  vconfig::OpenFileDialog cancelled;
  cancelled.FileName = "keep.txt";
  cancelled.SetDialogFunction(&CancelledDialog);
  EXPECT_FALSE(cancelled.Execute());
  EXPECT_EQ(cancelled.FileName, "keep.txt");
}

TEST(ChromeFileDialog, RealSaveDialogReturnsTheTypedName) {
  const std::string folder = TempFolder("chrome_dialog");
  const std::string path = folder + "\\report.txt";
  ::testing::AssertionResult filled = ::testing::AssertionFailure() << "no save dialog";
  std::thread answer([&] {
    if (HWND dialog = WaitForWindow(::GetCurrentProcessId(), "#32770", nullptr, 10s))
      filled = FillFileDialog(dialog, path);
  });
  vconfig::SaveFileDialog dialog;
  dialog.ShowPlacesBar = true;
  dialog.Filter = "Text files|*.txt|All files|*.*";
  dialog.DefaultExt = "txt";
  const bool ok = dialog.Execute();
  answer.join();
  EXPECT_TRUE(filled);
  EXPECT_TRUE(ok);
  EXPECT_EQ(dialog.FileName, path);
  RemoveTree(folder);
}

}  // namespace
}  // namespace vtest
