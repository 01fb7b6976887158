// Rows wider than the list show their whole text in a tooltip while the mouse rests
// on them; rows that fit show none.
#include <gtest/gtest.h>

#include "SectionListFixture.h"
#include "harness/Harness.h"

namespace vtest {
namespace {

using namespace vconfig;

const std::string kLongWord = "C:\\" + std::string(90, 'x') + "\\agent.exe";
const std::string kSentence =
    "a line of many short words that wraps onto several lines of the list and fits it";

BOOL CALLBACK CollectTip(HWND hwnd, LPARAM found) {
  char cls[64] = {};
  ::GetClassNameA(hwnd, cls, sizeof cls);
  if (::lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && ::IsWindowVisible(hwnd))
    *reinterpret_cast<HWND*>(found) = hwnd;
  return TRUE;
}

// The tooltip this thread shows, or null.
HWND ShownTip() {
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectTip, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Rests the mouse on a row: the pointer goes there and the list hears of it.
void RestMouseOn(SectionList& list, int row) {
  const RECT r = list.RowRect(row);
  POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ::PostMessageA(list.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
  ::ClientToScreen(list.hwnd(), &p);
  ::SetCursorPos(p.x, p.y);
}

class SectionListTips : public ::testing::Test {
 protected:
  void SetUp() override {
    SectionList& list = host.list();
    list.BeginUpdate();
    ListSection& s = list.Sections().Add();
    s.SetCaption("Run");
    for (const std::string& row :
         {std::string("short"), kLongWord, kSentence,
          "<FONT color=\"clblue\" size=\"10\">Agent : <FONT color=\"clmaroon\">" + kLongWord +
              "</FONT>"})
      s.SubItems.Add(row);
    s.SetState(lssExpanded);
    list.EndUpdate();
    header = list.Sections().HeaderRow(list.Sections().Count() - 1);
    list.RowTips = true;
  }
  void TearDown() override { ::SetCursorPos(0, 0); }

  SectionListHost host{ListConfig::Content, 300, 260, true};
  int header = 0;
};

TEST_F(SectionListTips, OnlyRowsTooWideForTheListHaveATip) {
  SectionList& list = host.list();
  EXPECT_EQ(list.RowTipText(header + 1), "");
  EXPECT_EQ(list.RowTipText(header + 2), kLongWord) << "a word longer than the list's width";
  EXPECT_EQ(list.RowTipText(header + 3), "") << "wrapped, it fits";
  EXPECT_EQ(list.RowTipText(header), "");
  // A markup row measures as drawn; the program gives its plain text.
  list.OnRowTipText = [](SectionList*, int, int) { return std::string("Agent : ") + kLongWord; };
  EXPECT_EQ(list.RowTipText(header + 4), "Agent : " + kLongWord);
  list.RowTips = false;
  EXPECT_EQ(list.RowTipText(header + 2), "");
}

TEST_F(SectionListTips, TheTipShowsWhileTheMouseRestsOnTheRow) {
  SectionList& list = host.list();
  ::UpdateWindow(host.window());
  RestMouseOn(list, header + 2);
  HWND tip = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (tip = ShownTip()) != nullptr; }, 10s)) << "no tooltip";
  EXPECT_EQ(WindowText(tip), kLongWord);
  RECT shown{};
  ::GetWindowRect(tip, &shown);
  EXPECT_GT(shown.right - shown.left, 300) << "the whole text, wider than the list";
  // Onto a row that fits: the tip goes.
  RestMouseOn(list, header + 1);
  EXPECT_TRUE(WaitFor([] { return ShownTip() == nullptr; }, 10s));
}

}  // namespace
}  // namespace vtest
