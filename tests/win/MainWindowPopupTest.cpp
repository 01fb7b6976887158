// The main window in this process: which popup items the row under the point gets,
// and the images the content sections take from the source tree; and that closing it
// ends nothing in the host.
#include <gtest/gtest.h>

#include <map>

#include "app/Application_win.h"
#include "windows/MainWindow_win.h"
#include "controls/PopupMenu_win.h"
#include "controls/sectionlist/SectionList_win.h"
#include "harness/Harness.h"
#include "locale/Language.h"
#include "platform/Modules.h"

namespace vtest {
namespace {

using namespace vconfig;

class EnglishTexts : public StringModule {
 public:
  bool Load(const std::string&) override { return true; }
  std::string Text(int id) override {
    static const std::map<int, std::string> texts = {
        {1, "Configuration files and autostart"}, {7, "Open other file..."},
        {20, "Configuration files"}, {21, "Autostart"}, {100, "Add"}, {101, "Remove"},
        {102, "Edit"}, {103, "View"}};
    auto it = texts.find(id);
    return it == texts.end() ? std::string() : it->second;
  }
};

class MainWindowPopup : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLanguageModule(std::make_unique<EnglishTexts>());
    ASSERT_TRUE(frm.CreateWithoutGuard());
  }
  void TearDown() override { SetLanguageModule(nullptr); }

  // The visible items of a menu for a right click on a content row.
  std::vector<std::string> ItemsAt(int row, bool autostart) {
    const RECT r = frm.ContentList()->RowRect(row);
    frm.SetPopupPoint(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    if (autostart) {
      frm.PrepareAutostartMenu();
      return frm.AutostartMenu().VisibleItems();
    }
    frm.PrepareFileMenu();
    return frm.FileMenu().VisibleItems();
  }
  int Header(int section) { return frm.ContentList()->Sections().HeaderRow(section); }

  Application application;  // never run: the window does not end it
  MainWindow frm{application};
};

using Items = std::vector<std::string>;

TEST_F(MainWindowPopup, FileMenuItemsFollowTheRow) {
  frm.LoadGroupContent(0);
  SectionList& content = *frm.ContentList();
  ASSERT_EQ(content.Sections().Count(), 13);
  ASSERT_EQ(content.Sections()[7].Caption(), "Boot.ini");
  ASSERT_GT(content.Sections()[7].SubItems.Count(), 0) << "the demo boot.ini";
  // Every source section shows the image of its entry in the tree.
  ListSection& files = frm.SourceTree()->Sections()[0];
  EXPECT_EQ(content.Sections()[0].ImageIndex, -1);
  for (int i = 0; i < 12; ++i)
    EXPECT_EQ(content.Sections()[1 + i].ImageIndex, frm.SourceTree()->GetSubItemImageIndex(files, i));

  frm.ToggleContentSection(7);  // open "Boot.ini"
  EXPECT_EQ(ItemsAt(0, false), Items{});                                     // group title
  EXPECT_EQ(ItemsAt(Header(7), false), (Items{"Add1", "View1"}));            // file title
  EXPECT_EQ(ItemsAt(Header(7) + 1, false), (Items{"Add1", "Rem1", "Edit1", "View1"}));
  frm.ToggleContentSection(12);  // the other-file section
  EXPECT_EQ(ItemsAt(Header(12), false), Items{});
  EXPECT_EQ(ItemsAt(Header(12) + 1, false), Items{});
}

TEST_F(MainWindowPopup, AutostartMenuItemsFollowTheRow) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                              0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ::RegSetValueExA(key, "PopupTest", 0, REG_SZ, reinterpret_cast<const BYTE*>("p.exe"), 6);
  frm.LoadGroupContent(1);
  SectionList& content = *frm.ContentList();
  ASSERT_EQ(content.Sections()[2].Caption(), "HCU\\Run");
  frm.ToggleContentSection(2);
  EXPECT_EQ(ItemsAt(0, true), Items{});
  EXPECT_EQ(ItemsAt(Header(2), true), (Items{"Add2", "View2", "Regedit2"}));
  EXPECT_EQ(ItemsAt(Header(2) + 1, true), (Items{"Add2", "Edit2", "Rem2", "View2", "Regedit2"}));
  EXPECT_EQ(ItemsAt(Header(4), true), Items{"View2"});  // "Startup(User)"
  ::RegDeleteValueA(key, "PopupTest");
  ::RegCloseKey(key);
}

// Only the program's own main window ends the application when it goes; one that a
// host such as this test creates must leave the host's message loop alone.
TEST_F(MainWindowPopup, ClosingAWindowCreatedWithoutTheGuardEndsNothing) {
  HWND window = frm.hwnd();
  ::SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_FALSE(application.Terminated());
  MSG msg{};
  EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Puts a file of the demo data back (or removes it) when the test ends.
class DemoFile {
 public:
  explicit DemoFile(std::string path) : path_(std::move(path)) {
    existed_ = ::GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (existed_) bytes_ = ReadFileBytes(path_);
  }
  ~DemoFile() {
    if (existed_) {
      WriteFileBytes(path_, bytes_);
    } else {
      ::DeleteFileA(path_.c_str());
    }
  }

 private:
  std::string path_;
  std::string bytes_;
  bool existed_ = false;
};

TEST_F(MainWindowPopup, LongLinesAndAHundredThousandLineLog) {
  DemoFile bootlog("C:\\bootlog.txt"), netlog("C:\\netlog.txt");
  std::string big;
  for (int i = 0; i < 100000; ++i) big += "[" + std::to_string(i) + "] Loading Device = IOS\r\n";
  ASSERT_TRUE(WriteFileBytes("C:\\bootlog.txt", big));
  const std::string longLine(5000, 'w');
  ASSERT_TRUE(WriteFileBytes("C:\\netlog.txt", "a </b> \xE1\r\n" + longLine));
  // Loading keeps every section contracted: the big log costs no rows yet.
  frm.LoadGroupContent(0);
  SectionList& content = *frm.ContentList();
  ASSERT_EQ(content.Sections()[9].Caption(), "BootLog.txt");
  EXPECT_EQ(content.Sections()[9].SubItems.Count(), 100000);
  EXPECT_EQ(content.Sections()[9].SubItems[99999], "[99999] Loading Device = IOS");
  EXPECT_EQ(content.RowCount(), 13);
  EXPECT_EQ(content.Sections()[11].SubItems.Count(), 2);
  EXPECT_EQ(content.Sections()[11].SubItems[1], longLine);
  frm.OnSourceClicked(0, 10);  // "NetLog.txt": the long line is shown
  frm.Show();
  ::UpdateWindow(frm.hwnd());
  EXPECT_EQ(content.RowText(content.Sections().HeaderRow(11) + 2), longLine);
}

}  // namespace
}  // namespace vtest
