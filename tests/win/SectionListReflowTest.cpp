// With word wrap on, a resize measures the rows again in place: every row must end as
// high as a list built afresh at the new width makes it, the rows and selection kept.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "SectionListFixture.h"
#include "harness/Harness.h"

namespace vtest {
namespace {

std::vector<int> Heights(HWND list) {
  std::vector<int> heights;
  const LRESULT count = ::SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i)
    heights.push_back(static_cast<int>(::SendMessageA(list, LB_GETITEMHEIGHT, i, 0)));
  return heights;
}

TEST(SectionListReflow, ResizedWrappingListHasTheHeightsOfAFreshOne) {
  SectionListHost host(ListConfig::Content, 420, 300, true);
  vconfig::SectionList& lb = host.list();
  ASSERT_TRUE(lb.WordWrap());
  auto& s = lb.Sections()[1];
  const std::string words = "DEVICE=C:\\WINDOWS\\EMM386.EXE NOEMS X=D000-D7FF HIGHSCAN I=B000-B7FF ";
  for (int i = 0; i < 60; ++i) {
    std::string row = "row " + std::to_string(i) + " ";
    for (int k = 0; k < i % 5; ++k) row += words;
    if (i % 7 == 0) row = "<FONT color=\"clblue\">" + row + "</FONT>";  // markup rows too
    s.SubItems.Add(row);
  }
  s.SetState(vconfig::lssExpanded);
  lb.SetItemIndex(30);
  const std::vector<std::string> rows = ListRows(lb.hwnd());
  for (int width : {230, 600, 330}) {
    SCOPED_TRACE(width);
    ::SetWindowPos(lb.hwnd(), nullptr, 0, 0, width, 280, SWP_NOMOVE | SWP_NOZORDER);
    const std::vector<int> reflowed = Heights(lb.hwnd());
    EXPECT_EQ(ListRows(lb.hwnd()), rows);
    EXPECT_EQ(lb.ItemIndex(), 30);
    lb.RecomputeHeights();
    EXPECT_EQ(reflowed, Heights(lb.hwnd()));
  }
}

}  // namespace
}  // namespace vtest
