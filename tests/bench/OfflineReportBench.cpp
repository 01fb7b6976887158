// vconfig-report's work on a large installation: a SOFTWARE hive with 100 000 values
// under other keys and 1 000 Run values, an XP tree with real files and two users;
// opening it (hives, profiles, version) and reporting everything as txt and as json.
#include <benchmark/benchmark.h>

#include "cli/OfflineSubject.h"
#include "cli/ReportRun.h"
#include "locale/CodePage.h"
#include "locale/Language.h"
#include "offline/OfflineTree.h"

namespace vconfig {
namespace {

using namespace vconfig::testing;

struct LargeTree {
  TempFolder folder;
  LargeTree() {
    MakeXpTree(folder.path());
    HiveContent software = SoftwareHive("5.1", "Microsoft Windows XP", 1000);
    for (int k = 0; k < 100; ++k) {
      std::vector<TestValue>& values = software["Classes\\Bulk" + std::to_string(k)];
      for (int v = 0; v < 1000; ++v)
        values.push_back(Sz("Value" + std::to_string(v),
                            "C:\\Program Files\\Bulk\\" + std::to_string(k * 1000 + v)));
    }
    WriteHive(folder.path() / "WINDOWS/system32/config/SOFTWARE", software);
    SetLanguageModule(std::make_unique<TableStringModule>(
        "EN", [](std::string_view utf8) { return Utf8ToCodePage(utf8, 1252); }));
  }
};

LargeTree& Tree() {
  static LargeTree tree;
  return tree;
}

void Report(benchmark::State& state, OutputFormat format) {
  LargeTree& tree = Tree();
  ReportOptions options;
  options.format = format;
  const ReportStamp stamp{"Report created on ", "2026-12-08", "12:00:00", "Created by ",
                          kReportAppTitle};
  size_t bytes = 0;
  for (auto _ : state) {
    std::vector<std::string> problems;
    auto offline = OpenOfflineSubject(tree.folder.path().string(), "", 1252, problems);
    const ReportOutput out =
        RenderConsoleReport(options, offline->subject, stamp, {"root", "C:\\WINDOWS", "XP"}, 1252);
    if (!problems.empty() || !out.problems.empty())
      state.SkipWithError("a source could not be read");
    bytes = out.text.size();
    benchmark::DoNotOptimize(out.text.data());
  }
  state.counters["output_bytes"] = static_cast<double>(bytes);
}

void BM_OfflineReportTxt(benchmark::State& state) { Report(state, OutputFormat::Txt); }
void BM_OfflineReportJson(benchmark::State& state) { Report(state, OutputFormat::Json); }
BENCHMARK(BM_OfflineReportTxt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OfflineReportJson)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vconfig
