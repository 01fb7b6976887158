// Building, completing and converting a report of every source, with a 100 000-line
// bootlog, beside the cost of only copying the same bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "config/TextLines.h"
#include "fakes/MemoryFileSystem.h"
#include "fakes/MemoryRegistry.h"
#include "report/ReportBody.h"
#include "report/ReportCompletion.h"
#include "report/ReportText.h"

namespace vconfig {
namespace {

std::string RealFile(const char* relative) {
  std::string root = __FILE__;
  root.erase(root.find_last_of('/') + 1);
  std::ifstream in(root + "../../../shared/testdata/real-world/" + relative, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

struct ReportSetup {
  MemoryFileSystem files;
  MemoryRegistry registry;
  SystemLocations locations;
  Catalogue catalogue = Catalogue::Build(false, "Other file", "Files", "Autostart");
  ReportRequest request;
  size_t inputBytes = 0;

  ReportSetup() {
    locations.windowsDir = "C:\\WINDOWS";
    locations.systemDir = "C:\\WINDOWS\\SYSTEM";
    locations.userStartup = "C:\\Start\\User";
    locations.commonStartup = "C:\\Start\\All";
    const std::string bootlog = RealFile("bootlog.txt/Corbanizer-Windows-95-Dump__BOOTLOG.TXT");
    const TextLines bootLines = SplitTextLines(bootlog.empty() ? "[boot] Loading Device = x\r\n"
                                                               : bootlog);
    TextLines big;
    for (size_t i = 0; big.size() < 100000; ++i) big.push_back(bootLines[i % bootLines.size()]);
    Put("C:\\bootlog.txt", JoinTextLines(big));
    Put("C:\\autoexec.bat", RealFile("autoexec.bat/rickycodes-win98config__AUTOEXEC.BAT"));
    Put("C:\\config.sys", RealFile("config.sys/rickycodes-win98config__CONFIG.SYS"));
    Put("C:\\msdos.sys", RealFile("msdos.sys/rickycodes-win98config__MSDOS.SYS"));
    Put("C:\\WINDOWS\\win.ini", RealFile("win.ini/joncampbell123-win31igdrv__WIN.INI"));
    Put("C:\\WINDOWS\\system.ini", RealFile("system.ini/joncampbell123-win31igdrv__SYSTEM.INI"));
    Put("C:\\WINDOWS\\control.ini", RealFile("control.ini/joncampbell123-win31igdrv__CONTROL.INI"));
    Put("C:\\boot.ini", RealFile("boot.ini/howser2016-freewipeforwin1__boot.ini"));
    Put("C:\\WINDOWS\\protocol.ini", RealFile("protocol.ini/nokia6102-DOSLAN__protocol.ini"));
    Put("C:\\scandisk.log", RealFile("scandisk.log/Corbanizer-Windows-95-Dump__SCANDISK.LOG"));
    Put("C:\\netlog.txt", RealFile("netlog.txt/andrewklkuo-art-kuo-family-tree__NETLOG.TXT"));
    Put("C:\\Start\\User\\Notes.lnk", "x");
    Put("C:\\Start\\All\\Backup.lnk", "x");
    const char* run = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    for (auto root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
      registry.AddKey(root, run);
      for (int i = 0; i < 9; ++i)
        registry.SetValue(root, run, {"Value" + std::to_string(i), kRegSz, "C:\\tool.exe /x"});
    }
    for (int g = 0; g < kGroupCount; ++g) {
      int i = 0;
      for (const ConfigSource& s : catalogue.Group(g))
        request.items.push_back({g, i++, 1, s.caption, catalogue.GroupTitle(g)});
    }
  }

  void Put(const std::string& path, std::string bytes) {
    inputBytes += bytes.size();
    files.Put(path, std::move(bytes));
  }
};

ReportSetup& Setup() {
  static ReportSetup setup;
  return setup;
}

// Body, completion, then both files of a send: the HTML and the text, each in the one
// buffer that is written.
void BM_ReportOfEverySource(benchmark::State& state) {
  ReportSetup& s = Setup();
  ContentEnvironment env{s.files, s.registry, s.locations, "Other file"};
  const ReportStamp stamp{"Created on ", "08.12.2026", "07:00:00", "Made by ", "Vorn Info Config"};
  for (auto _ : state) {
    TextLines lines = BuildReportBody(s.request, s.catalogue, env);
    CompleteReport(lines, stamp);
    std::string html = HtmlReport(lines);
    std::string text = PlainTextReport(lines);
    benchmark::DoNotOptimize(html.data());
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.inputBytes));
}
BENCHMARK(BM_ReportOfEverySource)->Unit(benchmark::kMillisecond);

void BM_CopyTheSameBytes(benchmark::State& state) {
  ReportSetup& s = Setup();
  std::string source(s.inputBytes, 'x');
  std::string target(s.inputBytes, '\0');
  for (auto _ : state) {
    std::memcpy(target.data(), source.data(), source.size());
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.inputBytes));
}
BENCHMARK(BM_CopyTheSameBytes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vconfig
