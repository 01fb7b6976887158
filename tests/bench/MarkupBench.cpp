// Rows per second for measuring and drawing typical rows and long single lines,
// over the recording surface (the renderer's own work, without GDI).
#include <benchmark/benchmark.h>

#include <string>

#include "markup/Markup.h"
#include "fakes/RecordingSurface.h"

namespace {

using namespace vconfig;

std::string Repeat(std::string_view piece, size_t length) {
  std::string s;
  while (s.size() < length) s += piece;
  s.resize(length);
  return s;
}

std::string Sample(int kind) {
  switch (kind) {
    case 0:
      return R"(<FONT color="clblue" size="10">SystemTray : <FONT color="clmaroon">C:\WINDOWS\SYSTEM\SysTray.Exe</FONT>)";
    case 1:
      return R"(<FONT size="14" color="clblue">Win.ini - <FONT size="14" color="clnavy">C:\WINDOWS\win.ini:</FONT>)";
    case 2: {
      std::string line = Repeat("device=C:\\WINDOWS\\HIMEM.SYS /testmem:off ", 200);
      line.replace(100, 2, "</");
      return line;
    }
    case 3: return Repeat("lorem ipsum dolor sit amet ", 64 * 1024);
    case 4: return Repeat("&amp;&quot;", 64 * 1024);
    case 5: return Repeat("<B>x</B>", 64 * 1024);
    default: return Repeat("abcdefghij", 64 * 1024);
  }
}

const char* const kNames[] = {"RunValueLine", "ReportHeading", "Plain200",    "Words64K",
                              "Entities64K",  "Tags64K",       "LongWord64K"};

void Render(benchmark::State& state, bool measureOnly) {
  const std::string text = Sample(static_cast<int>(state.range(0)));
  const bool wordWrap = state.range(1) != 0;
  RecordingSurface surface;
  surface.recording = false;
  MarkupRequest rq;
  rq.text = text;
  rq.rect = Rect{0, 0, 600, 1 << 28};  // tall enough that every line is drawn
  rq.measureOnly = measureOnly;
  rq.wordWrap = wordWrap;
  for (auto _ : state) {
    MarkupResult result;
    RenderMarkup(surface, rq, result);
    benchmark::DoNotOptimize(result.height);
  }
  state.SetLabel(std::string(kNames[state.range(0)]) + (wordWrap ? " wrap" : ""));
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                benchmark::Counter::kIsRate);
}

void BM_Measure(benchmark::State& state) { Render(state, true); }
void BM_Draw(benchmark::State& state) { Render(state, false); }

void Args(benchmark::internal::Benchmark* b) {
  for (int kind = 0; kind < 7; ++kind) b->Args({kind, 0});
  for (int kind = 3; kind < 7; ++kind) b->Args({kind, 1});
}

BENCHMARK(BM_Measure)->Apply(Args);
BENCHMARK(BM_Draw)->Apply(Args);

}  // namespace
