#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/sectionlist/SectionList.h"

namespace vconfig {
namespace {

// Keeps the rows the way the list box would: text and whether it is a header.
class RowList : public SectionRowHost {
 public:
  struct Row {
    std::string text;
    bool header;
  };
  std::vector<Row> rows;
  int updates = 0;

  void InsertSubItemRows(int at, const ListSection& s, int first, int count) override {
    for (int i = 0; i < count; ++i)
      rows.insert(rows.begin() + at + i, Row{s.SubItems[first + i], false});
  }
  void InsertHeaderRow(int at, const ListSection& s) override {
    rows.insert(rows.begin() + at, Row{s.Caption(), true});
  }
  void DeleteRows(int at, int count) override {
    rows.erase(rows.begin() + at, rows.begin() + at + count);
  }
  void SetRowText(int row, const std::string& text, bool, const ListSection&) override {
    rows[static_cast<size_t>(row)].text = text;
  }
  void BeginUpdate() override { ++updates; }
  void EndUpdate() override { --updates; }
  void RepaintRow(int) override {}
  void Repaint() override {}
  void SectionsChanged() override {}

  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const auto& r : rows) t.push_back(r.text);
    return t;
  }
};

ListSection& AddSection(ListSectionCollection& c, const std::string& caption,
                         std::vector<std::string> items, TListSectionState state) {
  ListSection& s = c.Add();
  s.SetCaption(caption);
  for (const auto& i : items) s.SubItems.Add(i);
  s.SetState(state);
  return s;
}

TEST(SectionListModelTest, RowsFollowSectionsAndTheirStates) {
  RowList host;
  ListSectionCollection sections(&host);
  AddSection(sections, "P", {"p0", "p1", "p2"}, lssExpanded);
  ListSection& q = AddSection(sections, "Q", {"q0", "q1"}, lssContracted);
  AddSection(sections, "R", {"r0"}, lssExpanded);

  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"P", "p0", "p1", "p2", "Q", "R", "r0"}));
  EXPECT_EQ(sections.RowCount(), 7);
  struct Case {
    int row, section, subitem;
  } cases[] = {{0, 0, -1}, {3, 0, 2}, {4, 1, -1}, {5, 2, -1}, {6, 2, 0}, {40, 2, 34}};
  for (const auto& c : cases) {
    int section = 9, subitem = 9;
    sections.RowPosition(c.row, section, subitem);
    EXPECT_EQ(section, c.section) << "row " << c.row;
    EXPECT_EQ(subitem, c.subitem) << "row " << c.row;
  }
  EXPECT_EQ(sections.HeaderRow(2), 5);
  EXPECT_EQ(sections.SubItemRow(1, 0), -1);  // contracted

  // A sub-item added to a contracted section shows only when it is expanded, after
  // the section's other rows.
  q.SubItems.Add("q2");
  EXPECT_EQ(host.rows.size(), 7u);
  q.SetState(lssExpanded);
  EXPECT_EQ(host.Texts(),
            (std::vector<std::string>{"P", "p0", "p1", "p2", "Q", "q0", "q1", "q2", "R", "r0"}));
  // Added to an expanded section: right after its last sub-item row.
  sections[0].SubItems.Add("p3");
  sections[0].SubItems.Insert(0, "pa");
  EXPECT_EQ(host.rows[1].text, "pa");
  EXPECT_EQ(host.rows[5].text, "p3");
  EXPECT_FALSE(host.rows[5].header);

  sections[0].SubItems.SetString(1, "p0'");
  EXPECT_EQ(host.rows[2].text, "p0'");
  sections[0].SubItems.Delete(0);
  sections.Delete(1);
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"P", "p0'", "p1", "p2", "p3", "R", "r0"}));
  sections[1].SetCaption("R'");
  EXPECT_EQ(host.rows[5].text, "R'");
  sections.Clear();
  EXPECT_TRUE(host.rows.empty());
  EXPECT_EQ(host.updates, 0);
}

TEST(SectionListModelTest, SortingByCharacterCodesMovesDataWords) {
  RowList host;
  ListSectionCollection sections(&host);
  ListSection& s = AddSection(sections, "S", {}, lssExpanded);
  s.SubItems.Add("B", 1);
  s.SubItems.Add("a", 2);
  s.SubItems.Add("A", 3);

  s.SetSortDirection(sdAscending);
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"S", "A", "B", "a"}));
  EXPECT_EQ(s.SubItems.Data(0), 3u);
  EXPECT_EQ(s.SubItems.Data(2), 2u);
  s.SetSortDirection(sdDescending);
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"S", "a", "B", "A"}));
  s.SetSortDirection(sdNone);
  EXPECT_EQ(s.SubItems[0], "a");

  // Bytes above 127 sort after ASCII; long and repetitive input stays correct.
  std::vector<SectionListStrings::Item> items;
  for (int i = 0; i < 5000; ++i) items.push_back({std::string(1, static_cast<char>(255 - i % 7)), 0});
  items.push_back({"\xE1", 0});
  items.push_back({"z", 0});
  SortSubItems(items, false);
  for (size_t i = 1; i < items.size(); ++i) EXPECT_LE(items[i - 1].text, items[i].text);
  EXPECT_EQ(items.front().text, "z");
}

TEST(SectionListModelTest, DataWordKeepsImageAndCheckApart) {
  using namespace subitemdata;
  std::uint32_t w = 0;
  EXPECT_EQ(ImageIndex(w), -1);
  EXPECT_FALSE(Checked(w));
  w = WithImageIndex(w, 4);
  EXPECT_EQ(w, 5u);
  w = WithChecked(w, true);
  EXPECT_EQ(w, 0x10005u);
  EXPECT_EQ(ImageIndex(w), 4);
  w = WithImageIndex(w, -1);
  EXPECT_EQ(w, 0x10000u);
  EXPECT_TRUE(Checked(w));
  w = WithChecked(w, false);
  EXPECT_EQ(w, 0u);

  EXPECT_EQ(ESectionListBoxError().what(),
            std::string("Access of imageindex of non-existing subitem"));
  SectionListStrings strings;
  EXPECT_THROW(strings.Strings(0), EListIndexError);
}

TEST(SectionListModelTest, TabStopsForThePlatform) {
  TabPositionCollection tabs;
  EXPECT_TRUE(tabs.PlatformStops().empty());
  int changes = 0;
  tabs.OnChange = [&] { ++changes; };
  tabs.Add(80);
  tabs.Add(200, tabright);
  EXPECT_EQ(tabs.PlatformStops(), (std::vector<int>{80, -200}));
  for (int i = 0; i < 18; ++i) tabs.Add(300 + i);
  EXPECT_TRUE(tabs.PlatformStops().empty());  // 20 stops: the platform's defaults
  EXPECT_EQ(changes, 20);
}

}  // namespace
}  // namespace vconfig
