// Section list under Wine: expanding, scrolling, painting and contracting a section of
// a 100 000-line file (read with the text-lines module, word wrap off and on) and of
// 10 000 markup rows, in a window on the screen. Prints the fastest and the median of
// several runs of each step (win_bench.exe --section-list).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchFigures.h"
#include "BenchPrograms.h"
#include "SectionListFixture.h"
#include "config/TextLines.h"
#include "platform/FileSystem_win.h"

namespace {

using namespace vconfig;
using vtest::ListConfig;
using vtest::SectionListHost;
using vbench::Figures;

constexpr int kFileLines = 100000;
constexpr int kMarkupRows = 10000;

// A text file of kFileLines driver lines in the temporary folder, deleted at the end.
class BenchFile {
 public:
  BenchFile() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "sectionlist_bench.txt";
    std::string bytes;
    for (int i = 0; i < kFileLines; ++i)
      bytes += "device=C:\\WINDOWS\\SYSTEM\\driver" + std::to_string(i) + ".sys\r\n";
    ok_ = Win32FileSystem().ReplaceContent(path_, bytes);
  }
  ~BenchFile() { ::DeleteFileA(path_.c_str()); }
  BenchFile(const BenchFile&) = delete;
  BenchFile& operator=(const BenchFile&) = delete;
  bool ok() const { return ok_; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  bool ok_ = false;
};

void RedrawNow(HWND hwnd) {
  ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void PlainRows(Figures& f, const TextLines& lines, bool wrap) {
  const std::string suffix = wrap ? ", word wrap" : "";
  SectionListHost host(ListConfig::Content, 600, 500, true);
  auto& lb = host.list();
  lb.SetWordWrap(wrap);
  auto& s = lb.Sections()[1];
  s.SubItems.AddStrings(lines.Strings());
  f.Time("expand " + std::to_string(lines.size()) + " plain rows" + suffix,
         [&] { s.SetState(lssExpanded); });
  f.Time("scroll to the middle" + suffix, [&] {
    ::SendMessageA(lb.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(lines.size() / 2), 0);
    ::UpdateWindow(lb.hwnd());
  });
  f.Time("paint one screen of plain rows" + suffix, [&] { RedrawNow(lb.hwnd()); });
  f.Time("contract plain rows" + suffix, [&] { s.SetState(lssContracted); });
}

void MarkupRows(Figures& f) {
  SectionListHost host(ListConfig::Content, 600, 500, true);
  auto& lb = host.list();
  auto& s = lb.Sections()[1];
  std::vector<std::string> markup;
  for (int i = 0; i < kMarkupRows; ++i)
    markup.push_back("<FONT color=\"clblue\" size=\"10\">Value" + std::to_string(i) +
                     " : <FONT color=\"clmaroon\">C:\\Program Files\\x.exe</FONT>");
  s.SubItems.AddStrings(markup);
  f.Time("expand " + std::to_string(kMarkupRows) + " markup rows", [&] { s.SetState(lssExpanded); });
  f.Time("paint one screen of markup rows", [&] { RedrawNow(lb.hwnd()); });
  f.Time("contract markup rows", [&] { s.SetState(lssContracted); });
}

}  // namespace

namespace vbench {

int RunSectionListBench(int repetitions) {
  const BenchFile file;
  if (!file.ok()) {
    std::fprintf(stderr, "win_bench: cannot write %s\n", file.path().c_str());
    return 1;
  }
  Figures figures;
  Win32FileSystem fs;
  for (int run = 0; run < repetitions; ++run) {
    TextLines lines;
    figures.Time("read " + std::to_string(kFileLines) + " lines", [&] { lines = ReadTextLines(fs, file.path()); });
    if (lines.size() != static_cast<size_t>(kFileLines)) {
      std::fprintf(stderr, "win_bench: read %u lines, not %d\n", static_cast<unsigned>(lines.size()),
                   kFileLines);
      return 1;
    }
    PlainRows(figures, lines, false);
    PlainRows(figures, lines, true);
    MarkupRows(figures);
  }
  std::printf("%-44s %10s %10s   (%d run%s)\n", "Section list under Wine", "fastest", "median",
              repetitions, repetitions == 1 ? "" : "s");
  for (const std::string& name : figures.Names())
    std::printf("%-44s %7.1f ms %7.1f ms\n", name.c_str(), figures.Fastest(name),
                figures.Median(name));
  return 0;
}

}  // namespace vbench
