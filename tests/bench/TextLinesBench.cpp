// Splitting a large file into lines beside the floor of only finding its line feeds
// (a memchr count of the same buffer), with the ratio of the two.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "config/TextLines.h"

namespace vconfig {
namespace {

constexpr size_t kBytes = 96u << 20;

std::string RealBootlog() {
  std::string root = __FILE__;
  root.erase(root.find_last_of('/') + 1);
  std::ifstream in(root + "../../../shared/testdata/real-world/bootlog.txt/"
                          "Corbanizer-Windows-95-Dump__BOOTLOG.TXT",
                   std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  std::string s = bytes.str();
  return s.empty() ? std::string("[0011A1B2] Loading Device = C:\\WINDOWS\\HIMEM.SYS\r\n") : s;
}

// The real bootlog repeated to 96 MB, CR LF line ends as it has them.
const std::string& BigFile() {
  static const std::string file = [] {
    const std::string piece = RealBootlog();
    std::string s;
    s.reserve(kBytes + piece.size());
    while (s.size() < kBytes) s += piece;
    return s;
  }();
  return file;
}

size_t MemchrLineFeeds(const std::string& bytes) {
  size_t n = 0;
  const char* p = bytes.data();
  const char* end = p + bytes.size();
  while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p))))) {
    ++n;
    ++p;
  }
  return n;
}

// This thread's processor time: the machine may be shared, and waiting for a processor
// is no part of the work.
double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Each iteration splits the buffer and, untimed, counts its line feeds; the counters
// give both rates in MB/s of processor time and their ratio.
void BM_SplitTextLines(benchmark::State& state) {
  const std::string& file = BigFile();
  double split = 0, count = 0;
  size_t lines = 0, feeds = 0;
  for (auto _ : state) {
    const double t0 = CpuSeconds();
    TextLines result = SplitTextLines(file);
    const double t1 = CpuSeconds();
    lines = result.size();
    benchmark::DoNotOptimize(&result);
    state.PauseTiming();
    result = TextLines();
    const double t2 = CpuSeconds();
    feeds = MemchrLineFeeds(file);
    const double t3 = CpuSeconds();
    benchmark::DoNotOptimize(feeds);
    state.ResumeTiming();
    split += t1 - t0;
    count += t3 - t2;
  }
  if (lines != feeds) state.SkipWithError("the split and the count disagree on the lines");
  const double mb = static_cast<double>(file.size()) * static_cast<double>(state.iterations()) / 1e6;
  state.counters["ours_MBps"] = mb / split;
  state.counters["peer_MBps"] = mb / count;
  state.counters["ratio"] = count / split;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_SplitTextLines)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace vconfig
