// The plain text of each kind of content row (what Ctrl+C copies and a tooltip shows),
// the Registry Editor's name of a Run key and what it remembers, and where a popup
// opened from the keyboard stands.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "config/ContentReaders.h"
#include "config/RowText.h"
#include "controls/PopupPlacement.h"
#include "platform/RegistryEditor.h"

namespace vconfig {
namespace {

// Texts that escaping changes, or that look like what it writes.
const std::vector<std::string> kAwkward = {
    "",
    "plain",
    "C:\\Program Files\\A & B\\run.exe /x",
    "a </b> c",
    "&amp;lt; already escaped",
    "&lt;&gt;&quot;&amp;",
    "<!----> and &<!---->lt;",
    "\"quoted\" <tag> 'single'",
    "bytes above 127: \xE1\xC8\xFC\xFF",
    "unclosed <FONT",
    "ends with &",
    "&&&;;;",
    "</FONT>",
};

TEST(RowPlainText, EveryKindOfRowGivesItsTextAsStored) {
  // A plain file line, a file name, a section title: the row itself, markup-looking
  // characters included.
  EXPECT_EQ(RowPlainText("device=C:\\WINDOWS\\HIMEM.SYS"), "device=C:\\WINDOWS\\HIMEM.SYS");
  EXPECT_EQ(RowPlainText("a <b> &amp; c"), "a <b> &amp; c");
  EXPECT_EQ(RowPlainText("Startup.lnk"), "Startup.lnk");
  // A Run value: "name : data", without the markup around it.
  EXPECT_EQ(RowPlainText(RunValueLine("X", "C:\\x.exe")), "X : C:\\x.exe");
  // The other-file row: its caption.
  EXPECT_EQ(RowPlainText(OtherFileRow("Open other file...")), "Open other file...");
  for (const std::string& text : kAwkward) {
    SCOPED_TRACE(text);
    EXPECT_EQ(RowPlainText(PlainTextRow(text)), text) << "a file line or file name";
    EXPECT_EQ(RowPlainText(RunValueLine(text, text)), text + " : " + text) << "a Run value";
    EXPECT_EQ(RowPlainText(RunValueLine("Updater", text)), "Updater : " + text);
    EXPECT_EQ(RowPlainText(OtherFileRow(text)), text);
  }
}

std::vector<std::string> SplitAtLineBreaks(const std::string& bytes) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < bytes.size() && bytes[i] != '\0'; ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      lines.back() += c;
      continue;
    }
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    lines.emplace_back();
  }
  return lines;
}

TEST(RowPlainText, RealFilesLinesComeBackByteForByte) {
  namespace fs = std::filesystem;
  int checked = 0;
  for (const auto& entry : fs::recursive_directory_iterator(VCONFIG_TESTDATA)) {
    if (!entry.is_regular_file() || entry.path().filename() == "README.md") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (const std::string& line : SplitAtLineBreaks(bytes)) {
      ASSERT_EQ(RowPlainText(PlainTextRow(line)), line) << entry.path();
      ++checked;
    }
  }
  EXPECT_GT(checked, 600) << "the real files were not found under " << VCONFIG_TESTDATA;
}

TEST(RegistryEditorKeyPath, RootsAndTheThirtyTwoBitView) {
  const std::string run = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  EXPECT_EQ(RegistryEditorKeyPath(RegistryRoot::CurrentUser, run, RegistryView::Default, false),
            "HKEY_CURRENT_USER\\" + run);
  EXPECT_EQ(RegistryEditorKeyPath(RegistryRoot::LocalMachine, run, RegistryView::Default, true),
            "HKEY_LOCAL_MACHINE\\" + run);
  EXPECT_EQ(RegistryEditorKeyPath(RegistryRoot::LocalMachine, run, RegistryView::Bit32, true),
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run");
  // Without WOW64 there is one view: the key is where it is named.
  EXPECT_EQ(RegistryEditorKeyPath(RegistryRoot::LocalMachine, run, RegistryView::Bit32, false),
            "HKEY_LOCAL_MACHINE\\" + run);
  EXPECT_EQ(RegistryEditorKeyPath(RegistryRoot::LocalMachine, "Software\\Run", RegistryView::Bit32,
                                  true),
            "HKEY_LOCAL_MACHINE\\Software\\WOW6432Node\\Run");
  EXPECT_EQ(RegistryEditorKeyPath(RegistryRoot::CurrentUser, "", RegistryView::Default, false),
            "HKEY_CURRENT_USER");
}

TEST(RegistryEditorLastKey, KeepsTheRootTheEditorWroteBeforeTheKey) {
  const std::string key = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  EXPECT_EQ(RegistryEditorLastKey("", key), key);
  EXPECT_EQ(RegistryEditorLastKey("HKEY_LOCAL_MACHINE\\Software", key), key);
  EXPECT_EQ(RegistryEditorLastKey("Computer\\HKEY_LOCAL_MACHINE\\SOFTWARE", key), "Computer\\" + key);
  EXPECT_EQ(RegistryEditorLastKey("My Computer\\HKEY_USERS", key), "My Computer\\" + key);
  EXPECT_EQ(RegistryEditorLastKey("Po\xE8\xEDta\xE8\\hkey_classes_root\\.txt", key),
            "Po\xE8\xEDta\xE8\\" + key);
  // Nothing that names a root key: the path alone.
  EXPECT_EQ(RegistryEditorLastKey("Computer", key), key);
  EXPECT_EQ(RegistryEditorLastKey("Computer\\HKEY_X", key), key);
  EXPECT_EQ(RegistryEditorLastKey("Computer\\Software\\HKEY_USERS", key), key);
  EXPECT_EQ(RegistryEditorLastKey("\\HKEY_USERS", key), key);
}

TEST(PlaceKeyboardPopup, AtTheRowInsideTheList) {
  const Box client{0, 0, 341, 318};
  struct Case {
    const char* what;
    Box row;
    int indent;
    bool shown;
    int hitX, hitY, menuX, menuY;
  };
  const Case cases[] = {
      {"a row in view", {0, 40, 341, 60}, 14, true, 14, 50, 14, 60},
      {"a wrapped row cut by the bottom", {0, 300, 341, 360}, 14, true, 14, 309, 14, 318},
      {"a row below the list", {0, 318, 341, 338}, 14, false, 0, 0, 0, 0},
      {"a row above the list", {0, -20, 341, 0}, 14, false, 0, 0, 0, 0},
      {"an indent wider than the list", {0, 0, 341, 20}, 500, true, 340, 10, 340, 20},
      {"a list scrolled sideways", {-100, 0, 241, 20}, 14, true, 0, 10, 0, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const KeyboardPopup p = PlaceKeyboardPopup(c.row, client, c.indent);
    EXPECT_EQ(p.shown, c.shown);
    if (!c.shown) continue;
    EXPECT_EQ(p.hitX, c.hitX);
    EXPECT_EQ(p.hitY, c.hitY);
    EXPECT_EQ(p.menuX, c.menuX);
    EXPECT_EQ(p.menuY, c.menuY);
    // The hit point lies in the row: the commands find the same row again.
    EXPECT_TRUE(p.hitX >= c.row.left && p.hitX < c.row.right && p.hitY >= c.row.top &&
                p.hitY < c.row.bottom);
  }
}

}  // namespace
}  // namespace vconfig
