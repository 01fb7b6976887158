#include <gtest/gtest.h>

#include <algorithm>

#include "ChromeHost.h"
#include "SectionListFixture.h"
#include "controls/chrome/Panel_win.h"
#include "controls/chrome/TiledBackground_win.h"

using namespace vconfig;
using vtest::ListConfig;
using vtest::SectionListHost;

namespace {

using Events = std::vector<std::string>;

// The list box reports a selection change on the press (Windows) or on the release
// (Wine): the order of "Change" against the other events is the platform's.
Events WithoutChange(const Events& events) {
  Events out;
  for (const auto& e : events)
    if (e.compare(0, 7, "Change(") != 0) out.push_back(e);
  return out;
}
bool HasChange(const Events& events, const std::string& change) {
  return std::find(events.begin(), events.end(), change) != events.end();
}

TEST(SectionListTest, HeaderClicksAndSpaceToggleUnlessDisabled) {
  struct Case {
    ListConfig config;
    bool toggles;
  } cases[] = {{ListConfig::Sources, true}, {ListConfig::Content, false}};
  for (const auto& c : cases) {
    SectionListHost host(c.config);
    auto& lb = host.list();
    host.RecordEvents();
    const auto before0 = lb.Sections()[0].State();
    const int row1 = lb.Sections().HeaderRow(1);
    host.ClickRow(row1);
    const Events clickEvents = host.events();
    host.events().clear();
    if (c.toggles) {
      EXPECT_EQ(WithoutChange(clickEvents), (Events{"SectionClick(1)", "Expand(1)"}));
      EXPECT_TRUE(HasChange(clickEvents, "Change(1,-1)"));
      EXPECT_EQ(lb.Sections()[1].State(), lssExpanded);
      EXPECT_EQ(lb.RowCount(), 2 + 3 + (before0 == lssExpanded ? 3 : 0));
      // Clicking it again contracts it.
      host.ClickRow(row1);
      EXPECT_EQ(WithoutChange(host.events()), (Events{"SectionClick(1)", "Contract(1)"}));
      host.events().clear();
      // Space on the selected header toggles without a click event.
      host.Char(' ');
      EXPECT_EQ(host.events(), (Events{"Expand(1)"}));
      EXPECT_EQ(lb.Sections()[1].State(), lssExpanded);
    } else {
      EXPECT_EQ(WithoutChange(clickEvents), (Events{"SectionClick(1)"}));
      EXPECT_TRUE(HasChange(clickEvents, "Change(1,-1)"));
      EXPECT_EQ(lb.Sections()[1].State(), lssContracted);
      host.Char(' ');
      EXPECT_TRUE(host.events().empty());
      EXPECT_EQ(lb.Sections()[1].State(), lssContracted);
      host.ClickRow(0);  // expanded, ContractDisable on
      EXPECT_EQ(lb.Sections()[0].State(), lssExpanded);
    }
    // A sub-item click reports its position; a click below the rows clears the
    // selection and raises nothing.
    host.events().clear();
    const int expandedSection = c.toggles ? 1 : 0;
    host.ClickRow(lb.Sections().HeaderRow(expandedSection) + 1);
    EXPECT_EQ(WithoutChange(host.events()),
              (Events{"SubItemClick(" + std::to_string(expandedSection) + ",0)"}));
    host.events().clear();
    RECT client{};
    ::GetClientRect(lb.hwnd(), &client);
    host.Click(40, client.bottom - 3);
    EXPECT_TRUE(host.events().empty());
    EXPECT_EQ(lb.ItemIndex(), -1);
  }
}

TEST(SectionListTest, OneExpandedKeepsTheClickedSectionOpen) {
  SectionListHost host(ListConfig::Sources);
  auto& lb = host.list();
  lb.SetOneExpanded(true);
  EXPECT_EQ(lb.Sections()[0].State(), lssExpanded);
  host.RecordEvents();
  host.ClickRow(0);
  EXPECT_EQ(WithoutChange(host.events()), (Events{"SectionClick(0)", "Expand(0)"}));
  EXPECT_EQ(lb.Sections()[0].State(), lssExpanded);
  host.ClickRow(lb.Sections().HeaderRow(1));
  EXPECT_EQ(lb.Sections()[0].State(), lssContracted);
  EXPECT_EQ(lb.Sections()[1].State(), lssExpanded);
}

TEST(SectionListTest, ItemAtPointBelowTheRowsAndOutside) {
  SectionListHost host(ListConfig::Content);
  auto& lb = host.list();
  RECT client{};
  ::GetClientRect(lb.hwnd(), &client);
  int s = 7, i = 7;
  ASSERT_TRUE(lb.ItemAtPoint(20, client.bottom - 2, s, i));
  EXPECT_EQ(s, 1);
  EXPECT_EQ(i, -1);  // System.ini's header is the last row
  const RECT r1 = lb.RowRect(1);
  ASSERT_TRUE(lb.ItemAtPoint(20, r1.top + 1, s, i));
  EXPECT_EQ(s, 0);
  EXPECT_EQ(i, 0);
  s = i = 7;
  EXPECT_FALSE(lb.ItemAtPoint(client.right + 5, 5, s, i));
  EXPECT_FALSE(lb.ItemAtPoint(5, client.bottom + 5, s, i));
  EXPECT_FALSE(lb.ItemAtPoint(-1, 5, s, i));
  EXPECT_EQ(s, 7);
  EXPECT_EQ(i, 7);
  lb.Sections().Clear();
  EXPECT_FALSE(lb.ItemAtPoint(5, 5, s, i));
}

TEST(SectionListTest, SubItemsAddedToContractedAndExpandedSections) {
  SectionListHost host(ListConfig::Content);
  auto& lb = host.list();
  auto& win = lb.Sections()[0];
  auto& sys = lb.Sections()[1];
  const int rows = lb.RowCount();
  sys.SubItems.Add("[386Enh]");
  EXPECT_EQ(lb.RowCount(), rows);
  win.SubItems.Add("run=notepad.exe");
  ASSERT_EQ(lb.RowCount(), rows + 1);
  EXPECT_EQ(lb.RowText(4), "run=notepad.exe");
  EXPECT_EQ(::SendMessageA(lb.hwnd(), LB_GETITEMDATA, 4, 0), 0);
  EXPECT_EQ(::SendMessageA(lb.hwnd(), LB_GETITEMDATA, 5, 0), 1);
  EXPECT_EQ(::SendMessageA(lb.hwnd(), LB_GETITEMHEIGHT, 4, 0), 20);
  // A long plain row wraps in whole multiples of the section's line height.
  win.SubItems.Add(std::string(300, 'x').replace(100, 1, " ").replace(200, 1, " "));
  const LRESULT tall = ::SendMessageA(lb.hwnd(), LB_GETITEMHEIGHT, 5, 0);
  EXPECT_GT(tall, 20);
  EXPECT_EQ(tall % 20, 0);
  sys.SetState(lssExpanded);
  EXPECT_EQ(lb.RowText(lb.RowCount() - 1), "[386Enh]");

  // Image and check state live with the string.
  lb.SetSubItemImageIndex(win, 1, 3);
  EXPECT_EQ(lb.GetSubItemImageIndex(win, 1), 3);
  EXPECT_EQ(lb.GetSubItemImageIndex(win, 99), -1);
  EXPECT_FALSE(lb.GetSubItemChecked(win, -1));
  EXPECT_THROW(lb.SetSubItemChecked(win, 99, true), ESectionListBoxError);
  EXPECT_THROW(lb.SetSubItemImageIndex(win, -1, 0), ESectionListBoxError);
}

TEST(SectionListTest, CheckBoxesToggleInTheirColumnOnly) {
  SectionListHost host(ListConfig::Report);
  auto& lb = host.list();
  host.RecordEvents();
  host.ClickRow(0);  // expand the check box section
  auto& files = lb.Sections()[0];
  ASSERT_EQ(files.State(), lssExpanded);
  host.events().clear();
  host.ClickRow(2, 20);
  EXPECT_TRUE(lb.GetSubItemChecked(files, 1));
  EXPECT_EQ(WithoutChange(host.events()), (Events{"CheckBoxClick(0,1)", "SubItemClick(0,1)"}));
  EXPECT_TRUE(HasChange(host.events(), "Change(0,1)"));
  EXPECT_EQ(lb.ItemIndex(), 2);
  host.events().clear();
  host.ClickRow(2, 80);
  EXPECT_TRUE(lb.GetSubItemChecked(files, 1));
  EXPECT_EQ(WithoutChange(host.events()), (Events{"SubItemClick(0,1)"}));
  host.ClickRow(2, 20);
  EXPECT_FALSE(lb.GetSubItemChecked(files, 1));
  // Space toggles the selected row's box too; Escape clears the selection.
  host.Char(' ');
  EXPECT_TRUE(lb.GetSubItemChecked(files, 1));
  host.Key(VK_ESCAPE);
  EXPECT_EQ(lb.ItemIndex(), -1);
  // Insert and Delete do nothing without handlers.
  lb.SetItemIndex(0);
  host.Key(VK_INSERT);
  host.Key(VK_DELETE);
  EXPECT_EQ(lb.Sections().Count(), 2);
  EXPECT_EQ(files.SubItems.Count(), 3);
}

TEST(SectionListTest, SelectionColoursWithAndWithoutWallpaper) {
  SectionListHost host(ListConfig::Content);
  auto& lb = host.list();
  const COLORREF wall = RGB(0xF0, 0xF8, 0xE0);
  const COLORREF selection = ::GetSysColor(COLOR_HIGHLIGHT);
  // Over a wallpaper a selected row is not filled.
  EXPECT_EQ(host.RowPixel(1, 200, 3, ODS_SELECTED | ODS_FOCUS), wall);
  EXPECT_EQ(host.RowPixel(1, 200, 3, 0), wall);
  // The header keeps its colour.
  EXPECT_EQ(host.RowPixel(0, 200, 5, 0), RGB(0xDB, 0xDB, 0xDB));
  lb.SetWallpaper(nullptr);
  EXPECT_EQ(host.RowPixel(1, 200, 3, ODS_SELECTED), selection);
  EXPECT_EQ(host.RowPixel(1, 200, 3, 0), ::GetSysColor(COLOR_WINDOW));
}

// Counts the pixels of one colour in a row painted into a memory DC.
int CountPixels(SectionListHost& host, int row, UINT state, COLORREF color) {
  auto& lb = host.list();
  const RECT rc = lb.RowRect(row);
  WindowDc screen(lb.hwnd());
  UniqueMemDc dc(::CreateCompatibleDC(screen.get()));
  UniqueBitmap bmp(::CreateCompatibleBitmap(screen.get(), rc.right, rc.bottom));
  SelectObjectScope sel(dc.get(), bmp.get());
  lb.PaintRow(dc.get(), row, rc, state);
  int n = 0;
  for (int y = rc.top; y < rc.bottom; ++y)
    for (int x = rc.left; x < rc.right; ++x) n += ::GetPixel(dc.get(), x, y) == color;
  return n;
}

TEST(SectionListTest, SelectedMarkupRowTakesTheSelectionTextColour) {
  SectionListHost host(ListConfig::Content);
  auto& lb = host.list();
  lb.SetWallpaper(nullptr);
  const int row = 3;  // the FONT row: blue name, maroon value
  ASSERT_NE(lb.RowText(row).find("</"), std::string::npos);
  const COLORREF blue = RGB(0, 0, 255), maroon = RGB(128, 0, 0), navy = RGB(0, 0, 128);
  EXPECT_GT(CountPixels(host, row, 0, blue), 0);
  EXPECT_GT(CountPixels(host, row, 0, maroon), 0);
  EXPECT_EQ(CountPixels(host, row, ODS_SELECTED, blue), 0);
  EXPECT_EQ(CountPixels(host, row, ODS_SELECTED, maroon), 0);
  EXPECT_GT(CountPixels(host, row, ODS_SELECTED, navy), 0);
  // Its height comes from the markup's measure pass, + 2.
  EXPECT_GT(::SendMessageA(lb.hwnd(), LB_GETITEMHEIGHT, row, 0), 2);
}

// The program's lists show a selected row only by its text colour over their
// wallpaper: navy in all three, never the system's near-white highlight text.
TEST(SectionListTest, SelectedPlainRowIsNavyOverTheWallpaperInEveryList) {
  const COLORREF navy = RGB(0, 0, 128), highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
  for (ListConfig config : {ListConfig::Sources, ListConfig::Content, ListConfig::Report}) {
    SCOPED_TRACE(static_cast<int>(config));
    SectionListHost host(config);
    auto& lb = host.list();
    lb.Sections()[0].SetState(lssExpanded);
    const int row = 1;  // the first section's first plain row
    ASSERT_EQ(lb.RowText(row).find("</"), std::string::npos);
    EXPECT_EQ(CountPixels(host, row, 0, navy), 0);
    EXPECT_GT(CountPixels(host, row, ODS_SELECTED, navy), 0);
    EXPECT_EQ(CountPixels(host, row, ODS_SELECTED, highlightText),
              CountPixels(host, row, 0, highlightText));  // a check box's white stays
  }
}

// Several lists on one form, which a tiled background also takes over: the form
// hands each list its own measure and colour messages, whichever goes first.
TEST(SectionListTest, ListsAndABackgroundShareTheirParent) {
  SectionListHost host(ListConfig::Sources);
  HWND parent = host.window();
  auto makeList = [parent](int y, int itemHeight) {
    auto list = std::make_unique<SectionList>();
    SectionListArgs args;
    args.y = y;
    args.height = 80;
    EXPECT_TRUE(list->Create(parent, args));
    auto& s = list->Sections().Add();
    s.SetCaption("Section");
    s.ItemHeight = itemHeight;
    s.SubItems.Add("row");
    s.SetState(lssExpanded);
    return list;
  };
  // The list box learns a row's height from its parent's answer to WM_MEASUREITEM.
  auto rowHeight = [](const SectionList& list) {
    return ::SendMessageA(list.hwnd(), LB_GETITEMHEIGHT, 1, 0);
  };
  auto first = makeList(100, 23);
  TiledBackground background(parent);
  background.Attach();
  auto second = makeList(180, 27);
  ASSERT_EQ(rowHeight(*first), 23);
  ASSERT_EQ(rowHeight(*second), 27);

  first.reset();
  second->Sections()[0].SubItems.Add("another row");
  EXPECT_EQ(::SendMessageA(second->hwnd(), LB_GETITEMHEIGHT, 2, 0), 27);
  background.Detach();
  second->RecomputeHeights();
  EXPECT_EQ(rowHeight(*second), 27);
  EXPECT_EQ(rowHeight(host.list()), 20);
  const LRESULT brush = ::SendMessageA(parent, WM_CTLCOLORLISTBOX, 0,
                                       reinterpret_cast<LPARAM>(second->hwnd()));
  EXPECT_NE(brush, 0);
  second.reset();
  EXPECT_NE(::SendMessageA(parent, WM_CTLCOLORLISTBOX, 0,
                           reinterpret_cast<LPARAM>(host.list().hwnd())),
            0);
}

// On a panel, as in the program: the panel hands the list what the list box sends
// it, and passes the notifications on to its form, which must not hand them back a
// second time.
TEST(SectionListTest, ListOnAPanelIsMeasuredDrawnAndReportsEachChangeOnce) {
  vtest::ListHostForm form;
  ASSERT_TRUE(form.Open(320, 300, false));
  Panel panel;
  PanelArgs panelArgs;
  panelArgs.width = 300;
  panelArgs.height = 250;
  ASSERT_TRUE(panel.Create(form.hwnd(), panelArgs));
  SectionList list;
  SectionListArgs args;
  args.width = 280;
  args.height = 200;
  ASSERT_TRUE(list.Create(panel.hwnd(), args));
  list.SectionColor = 0x563412;
  auto& s = list.Sections().Add();
  s.SetCaption("Section");
  s.ItemHeight = 23;
  s.SubItems.Add("a");
  s.SubItems.Add("b");
  s.SetState(lssExpanded);
  EXPECT_EQ(::SendMessageA(list.hwnd(), LB_GETITEMHEIGHT, 1, 0), 23);

  vtest::Pixels px(280, 200);
  ::SendMessageA(list.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(px.dc()), PRF_CLIENT);
  EXPECT_EQ(px.at(200, 5), RGB(0x12, 0x34, 0x56));  // the header row, drawn by the list

  int changes = 0;
  list.OnChange = [&changes](SectionList::Sender, int, int) { ++changes; };
  list.SetItemIndex(2);
  ::SendMessageA(panel.hwnd(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list.hwnd()), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.hwnd()));
  EXPECT_EQ(changes, 1);
}

TEST(SectionListTest, ItemAtPointPastRow65535) {
  SectionListHost host(ListConfig::Content);
  auto& lb = host.list();
  auto& s = lb.Sections()[1];
  s.SubItems.Clear();
  std::vector<std::string> lines(100000);
  for (size_t i = 0; i < lines.size(); ++i) lines[i] = "line " + std::to_string(i);
  s.SubItems.AddStrings(lines);
  s.SetState(lssExpanded);
  const int header = lb.Sections().HeaderRow(1);
  ASSERT_EQ(lb.RowCount(), header + 1 + 100000);
  const int target = header + 1 + 70000;
  ::SendMessageA(lb.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(target - 2), 0);
  const RECT rc = lb.RowRect(target);
  int section = -1, subitem = -1;
  ASSERT_TRUE(lb.ItemAtPoint(30, rc.top + 2, section, subitem));
  EXPECT_EQ(section, 1);
  EXPECT_EQ(subitem, 70000);
  EXPECT_EQ(lb.RowText(target), "line 70000");
  // Contracting while the list shows rows inside the section leaves a valid list.
  s.SetState(lssContracted);
  EXPECT_EQ(lb.RowCount(), header + 1);
  EXPECT_LE(lb.TopIndex(), header);
  EXPECT_EQ(lb.RowAtPoint(5, 1), lb.TopIndex());
}

}  // namespace
