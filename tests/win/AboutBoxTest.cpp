// The about box of the running program: its language from "RunLang", what it reads
// from the program's own version resource, and its place for a long name.
#include <gtest/gtest.h>

#include "controls/chrome/ShadowLabel_win.h"
#include "harness/AboutDriver.h"
#include "harness/Harness.h"

namespace vtest {
namespace {

// The two shadowed labels above the line (name and version); the others lie below it.
std::vector<HWND> Labels(HWND about) {
  std::vector<HWND> upper;
  for (HWND label : ChildWindows(about, "TExLabel"))
    if (ChildRect(label).top < 216) upper.push_back(label);
  return upper;
}

// LabelName is the shadowed label on the left, LabelVer the one on the right.
HWND LabelName(HWND about) {
  auto labels = Labels(about);
  if (labels.size() != 2) return nullptr;
  return ChildRect(labels[0]).left < ChildRect(labels[1]).left ? labels[0] : labels[1];
}
HWND LabelVer(HWND about) {
  auto labels = Labels(about);
  if (labels.size() != 2) return nullptr;
  return ChildRect(labels[0]).left < ChildRect(labels[1]).left ? labels[1] : labels[0];
}

LRESULT FontHeight(HWND label) { return ::SendMessageA(label, vconfig::ELM_GETFONTHEIGHT, 0, 0); }

// Closes the box by its title bar; no further box may follow (the result was shown).
::testing::AssertionResult CloseAbout(const RunningProgram& p, HWND about) {
  ::PostMessageA(about, WM_CLOSE, 0, 0);
  if (!WaitFor([about] { return !::IsWindow(about); }))
    return ::testing::AssertionFailure() << "the about box stays open";
  return ShowsNothingModal(p.main) << " (no 'Not show' box)";
}

TEST(AboutBox, LanguageFromRunLangAndTextsFromTheVersionResource) {
  struct Case {
    const char* language;  // written as "Language", which the start copies to "RunLang"
    const char* image;
    const char* caption;
  };
  const Case cases[] = {{"de", "ImageDE", "\xDC" "ber Applikacion"}, {"FR", "ImageFR", "About"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    SuiteCopy suite;
    SetSettingsValue(suite.settings(), "Language", c.language);
    RunningProgram p;
    ASSERT_TRUE(StartMainWindow(suite, p));
    EXPECT_EQ(SettingsValue(suite.settings(), "RunLang"), c.language);
    HWND about = OpenAboutBox(p);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(about), c.caption);
    EXPECT_EQ(VisibleImages(about), std::vector<std::string>{c.image});
    RECT client{};
    ::GetClientRect(about, &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 281);

    HWND name = LabelName(about), version = LabelVer(about);
    ASSERT_TRUE(name && version);
    EXPECT_EQ(WindowText(name), "VConfig");
    EXPECT_EQ(ChildRect(name).left, 4);
    EXPECT_EQ(ChildRect(name).top, 194);
    EXPECT_EQ(FontHeight(name), -21);
    EXPECT_EQ(WindowText(version), VCONFIG_VERSION);  // the project's version
    EXPECT_EQ(ChildRect(version).right, 195);
    EXPECT_EQ(ChildRect(version).top, 199);
    EXPECT_TRUE(FindChildByText(about, "Static", "Copyright \xA9 2026 Vorn Info Software"));
    for (const char* link : {"www.vorninfo.example", "support@vorninfo.example"}) {
      HWND label = FindChildByText(about, "TExLabel", link);
      ASSERT_TRUE(label) << link;
      EXPECT_EQ(ChildRect(label).left, 44);
    }
    EXPECT_TRUE(CloseAbout(p, about));
    EXPECT_TRUE(p.Close());
  }
}

TEST(AboutBox, NameLongerThanFifteenCharactersIsSetSmallerAndLower) {
  struct Case {
    const char* name;
    int top;
    bool small;
  };
  const Case cases[] = {{"Fifteen chars 1", 194, false}, {"Sixteen chars 12", 198, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SuiteCopy suite;
    ASSERT_TRUE(StampVersion(suite.program(), {{"InternalName", c.name},
                                               {"LegalCopyright", "Stamped"},
                                               {"ProductVersion", "9.8"}}));
    RunningProgram p;
    ASSERT_TRUE(StartMainWindow(suite, p));
    HWND about = OpenAboutBox(p);
    ASSERT_NE(about, nullptr);
    HWND name = LabelName(about);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(WindowText(name), c.name);
    EXPECT_EQ(ChildRect(name).top, c.top);
    HDC screen = ::GetDC(nullptr);
    const int twelvePoints = -::MulDiv(12, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(FontHeight(name), c.small ? twelvePoints : -21);
    EXPECT_EQ(WindowText(LabelVer(about)), "9.8");
    EXPECT_TRUE(FindChildByText(about, "Static", "Stamped"));
    EXPECT_TRUE(CloseAbout(p, about));
    EXPECT_TRUE(p.Close());
  }
}

}  // namespace
}  // namespace vtest
