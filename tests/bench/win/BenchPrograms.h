// The Wine benchmarks that win_bench.exe runs (scripts/bench-wine.sh).
#pragma once

#include <string>

namespace vbench {

// Expanding, scrolling, painting and contracting big sections of a section list.
int RunSectionListBench(int repetitions);

struct TableOptions {
  int repetitions = 3;
  // A real bootlog whose lines, repeated, make the 100 000-line file; generated lines
  // when empty or unreadable.
  std::string bootlog;
  // Only the start beside the minimal window program (no file is written).
  bool startOnly = false;
};

// The program beside its peers, each pair in the same run: the editor window beside
// notepad, the content list beside a bare list box, the start beside a minimal window.
int RunTableBench(const TableOptions& options);

// The peer of the content list: a bare owner-drawn list box with variable heights,
// filled with the lines; returns the milliseconds the filling took.
double FillBareListBox(const std::string& bytes);

}  // namespace vbench
