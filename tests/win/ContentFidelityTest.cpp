// What a Run value or a configuration file holds is shown and reported exactly,
// through the running program: rows drawn by the markup renderer, text and HTML
// reports saved from the report window and read back.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "config/ContentReaders.h"
#include "harness/Harness.h"
#include "harness/MainWindowDriver.h"
#include "harness/ReportDriver.h"
#include "markup/GdiSurface_win.h"
#include "markup/Markup.h"
#include "platform/Handles_win.h"

namespace vtest {
namespace {

const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr int kWinIniTreeRow = 4;    // in the source tree with the file group open
constexpr int kWinIniReportRow = 4;  // in the report list with the file group open

// Lines that look like markup, entities or report sizes, and 8-bit letters.
const std::vector<std::string> kLines = {
    "ECHO OFF > NUL",
    "CALL X.BAT < IN.TXT",
    "mode \"8\" \"14\"",
    "<script>alert('x')</script>",
    "R&D=&amp; <B>bold</B> &lt;",
    "</TD></TR></TABLE>",
    "\xE1\xDC\xA4 \xE9t\xE9",
};

// A Run value of the user for the length of a test.
class RunValue {
 public:
  RunValue(std::string name, const std::string& data) : name_(std::move(name)) {
    HKEY key = nullptr;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr);
    ::RegSetValueExA(key, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                     static_cast<DWORD>(data.size() + 1));
    ::RegCloseKey(key);
  }
  ~RunValue() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
      ::RegDeleteValueA(key, name_.c_str());
      ::RegCloseKey(key);
    }
  }

 private:
  std::string name_;
};

// The prefix's win.ini with test lines after its own, put back afterwards.
class WinIniLines {
 public:
  explicit WinIniLines(const std::vector<std::string>& lines) {
    char dir[MAX_PATH] = {};
    ::GetWindowsDirectoryA(dir, MAX_PATH);
    path_ = std::string(dir) + "\\win.ini";
    original_ = ReadFileBytes(path_);
    std::string content = original_;
    if (!content.empty() && content.back() != '\n') content += "\r\n";
    for (const auto& l : lines) content += l + "\r\n";
    WriteFileBytes(path_, content);
  }
  ~WinIniLines() { WriteFileBytes(path_, original_); }

 private:
  std::string path_;
  std::string original_;
};

// Records the runs the renderer hands the surface while it draws for real.
class RecordingGdiSurface : public vconfig::GdiSurface {
 public:
  using GdiSurface::GdiSurface;
  void DrawRun(std::string_view text, const vconfig::Rect& bounds, unsigned format) override {
    // The characters DrawTextEx shows of the run: "&&" one "&", "&x" an underlined x.
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '&' && ++i >= text.size()) break;
      shown += text[i];
    }
    sizes.insert(Font().size);
    GdiSurface::DrawRun(text, bounds, format);
  }
  std::string shown;
  std::set<int> sizes;
};

// What the markup renderer draws of a row, as the content list draws it.
struct DrawnRow {
  std::string text;
  std::set<int> sizes;
};
DrawnRow DrawRow(const std::string& row) {
  vconfig::UniqueMemDc dc(::CreateCompatibleDC(nullptr));
  vconfig::UniqueBitmap bitmap(::CreateBitmap(2000, 100, 1, 32, nullptr));
  vconfig::SelectObjectScope select(dc.get(), bitmap.get());
  vconfig::FontSpec base;
  base.face = "MS Sans Serif";
  base.size = 8;
  RecordingGdiSurface surface(dc.get(), &base);
  vconfig::MarkupRequest rq;
  rq.text = row;
  rq.rect = vconfig::Rect{0, 0, 2000, 100};
  rq.wordWrap = true;
  vconfig::MarkupResult result;
  vconfig::RenderMarkup(surface, rq, result);
  return {surface.shown, surface.sizes};
}

// Reads an HTML document as a browser does: the text of each table cell with the
// entities decoded, and the names of the elements it opens (comments skipped). The
// native tests read the same documents with Python's HTML parser.
std::vector<std::string> HtmlCells(const std::string& doc, std::set<std::string>& elements) {
  std::vector<std::string> cells;
  std::string* cell = nullptr;
  for (size_t i = 0; i < doc.size();) {
    if (doc.compare(i, 4, "<!--") == 0) {
      const size_t end = doc.find("-->", i + 4);
      i = end == std::string::npos ? doc.size() : end + 3;
      continue;
    }
    if (doc[i] == '<' && i + 1 < doc.size() && (isalpha(static_cast<unsigned char>(doc[i + 1])) ||
                                                doc[i + 1] == '/')) {
      const size_t end = doc.find('>', i);
      std::string name;
      for (size_t j = i + 1; j < end && doc[j] != ' '; ++j)
        name += static_cast<char>(tolower(static_cast<unsigned char>(doc[j])));
      if (name[0] != '/') elements.insert(name);
      if (name == "td") cell = &cells.emplace_back();
      if (name == "/td") cell = nullptr;
      i = end == std::string::npos ? doc.size() : end + 1;
      continue;
    }
    char c = doc[i];
    size_t length = 1;
    for (const auto& [entity, decoded] : {std::pair<std::string, char>{"&amp;", '&'},
                                          {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}}) {
      if (doc.compare(i, entity.size(), entity) == 0) {
        c = decoded;
        length = entity.size();
      }
    }
    if (cell) *cell += c;
    i += length;
  }
  return cells;
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ContentFidelity, ValuesAndLinesAreDrawnWithAllTheirCharacters) {
  RunValue att("AT&T Update", "C:\\R&D\\x.exe <fast>");
  RunValue hostile("<Z>x</Z>", "<FONT size=\"30\" color=\"clwhite\">big</FONT>");
  WinIniLines lines(kLines);
  SuiteCopy suite;
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));

  ClickRow(p.tree, 1);  // the autostart group
  ASSERT_TRUE(WaitForRows(p.content, [](const auto& rows) { return rows.size() == 6; }));
  ClickRow(p.tree, 3);  // "HCU\Run"
  const std::string attRow = vconfig::RunValueLine("AT&T Update", "C:\\R&D\\x.exe <fast>");
  const std::string hostileRow =
      vconfig::RunValueLine("<Z>x</Z>", "<FONT size=\"30\" color=\"clwhite\">big</FONT>");
  ASSERT_TRUE(WaitForRows(p.content, [&](const auto& rows) { return Holds(rows, attRow); }));
  ASSERT_TRUE(Holds(Rows(p.content), hostileRow));
  DrawnRow drawn = DrawRow(attRow);
  EXPECT_EQ(drawn.text, "AT&T Update : C:\\R&D\\x.exe <fast>");
  EXPECT_EQ(drawn.sizes, std::set<int>{10});
  drawn = DrawRow(hostileRow);
  EXPECT_EQ(drawn.text, "<Z>x</Z> : <FONT size=\"30\" color=\"clwhite\">big</FONT>");
  EXPECT_EQ(drawn.sizes, std::set<int>{10}) << "a value cannot resize its own row";

  // The file group: every line of win.ini is a row that shows the line.
  ClickRow(p.tree, 0);
  ClickRow(p.tree, kWinIniTreeRow);
  ASSERT_TRUE(WaitForRows(p.content, [&](const auto& rows) { return Holds(rows, kLines[0]); }));
  const auto rows = Rows(p.content);
  for (const auto& line : kLines) {
    SCOPED_TRACE(line);
    if (line.find("</") == std::string::npos) {
      EXPECT_TRUE(Holds(rows, line)) << "a plain row is the line itself";
    } else {
      const std::string row = vconfig::PlainTextRow(line);
      ASSERT_TRUE(Holds(rows, row));
      EXPECT_EQ(DrawRow(row).text, line);
    }
  }
  EXPECT_TRUE(p.Close());
}

TEST(ContentFidelity, ReportsSavedAsTextAndHtmlHoldEachLineExactly) {
  WinIniLines lines(kLines);
  SuiteCopy suite;
  const std::string out = TempFolder("fidelity");
  RunningProgram p;
  ASSERT_TRUE(StartMainWindow(suite, p));

  for (const char* name : {"r.txt", "r.htm"}) {
    HWND form = OpenReportWindow(p);
    ASSERT_NE(form, nullptr);
    HWND list = ReportList(form);
    ASSERT_TRUE(ToggleReportSection(list, 0));
    ASSERT_EQ(ListRows(list)[kWinIniReportRow], "Win.ini");
    ClickCheckBox(list, kWinIniReportRow);
    ASSERT_TRUE(PressReportButton(form, "Save"));
    HWND dialog = WaitForWindow(p.pid, "#32770", nullptr);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(FillFileDialog(dialog, out + name));
    ASSERT_TRUE(WaitFor([&] { return FileExists(out + name); }));
  }

  const auto text = SplitLines(ReadFileBytes(out + "r.txt"));
  for (const auto& line : kLines) EXPECT_TRUE(Holds(text, line)) << line;

  const std::string html = ReadFileBytes(out + "r.htm");
  EXPECT_NE(html.find("charset=windows-1252"), std::string::npos);
  std::set<std::string> elements;
  const auto cells = HtmlCells(html, elements);
  for (const auto& line : kLines) EXPECT_TRUE(Holds(cells, line)) << line;
  EXPECT_TRUE(Holds(cells, "Configuration files - Win.ini:"));
  EXPECT_EQ(elements, (std::set<std::string>{"body", "font", "head", "hr", "html", "meta", "table",
                                             "td", "title", "tr"}));
  EXPECT_TRUE(p.Close());
  RemoveTree(out);
}

}  // namespace
}  // namespace vtest
