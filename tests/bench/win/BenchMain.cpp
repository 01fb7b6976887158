// Benchmarks under Wine, run by scripts/bench-wine.sh:
//
//   win_bench.exe [--repetitions=N] [--bootlog=PATH]   the program beside its peers
//   win_bench.exe --start-only [--repetitions=N]       only the start beside the minimal window
//   win_bench.exe --section-list [--repetitions=N]     the section list's steps
//
// N is 3 by default; PATH a real bootlog whose lines make the 100 000-line file.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "BenchPrograms.h"

int main(int argc, char** argv) {
  vbench::TableOptions options;
  bool sectionList = false;
  bool usage = false;
  const char kRepetitions[] = "--repetitions=";
  const char kBootlog[] = "--bootlog=";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], kRepetitions, sizeof kRepetitions - 1) == 0) {
      options.repetitions = std::atoi(argv[i] + sizeof kRepetitions - 1);
    } else if (std::strncmp(argv[i], kBootlog, sizeof kBootlog - 1) == 0) {
      options.bootlog = argv[i] + sizeof kBootlog - 1;
    } else if (std::strcmp(argv[i], "--start-only") == 0) {
      options.startOnly = true;
    } else if (std::strcmp(argv[i], "--section-list") == 0) {
      sectionList = true;
    } else {
      usage = true;
    }
  }
  if (usage || options.repetitions < 1) {
    std::fprintf(stderr,
                 "usage: win_bench.exe [--repetitions=N] [--bootlog=PATH]"
                 " [--start-only | --section-list]\n");
    return 2;
  }
  return sectionList ? vbench::RunSectionListBench(options.repetitions)
                     : vbench::RunTableBench(options);
}
