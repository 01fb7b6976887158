// The catalogue on the Windows version that the system reports. Wine reads the
// reported version when a process starts, so a child process (this test program in
// its probe mode) builds the catalogue and writes its first captions.
#include <gtest/gtest.h>

#include "CatalogueProbe.h"
#include "app/SystemLocations.h"
#include "config/Catalogue.h"
#include "harness/Harness.h"
#include "platform/Registry_win.h"
#include "platform/SystemInfo_win.h"

namespace vtest {

using namespace vconfig;

int RunCatalogueProbe(const std::string& out) {
  const SystemLocations loc = ReadSystemLocationsFrom(TheSystemInfo(), SystemRegistry());
  const bool nt = IsWindowsNT(GetWindowsVersionCode(TheSystemInfo().Version()));
  const Catalogue c = Catalogue::Build(nt, "other", "files", "autostart");
  std::string text;
  for (int i = 0; i < 2; ++i) {
    text += c.Group(0)[i].caption + "=" + SourceLocation(c.Group(0)[i], loc).path + "\r\n";
  }
  return WriteFileBytes(out, text) ? 0 : 1;
}

namespace {

std::string ProbeUnder(const char* version) {
  WindowsVersionOverride override(version);
  const std::string dir = TempFolder("probe");
  const std::string out = dir + "catalogue.txt";
  char self[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  Process child(std::string("\"") + self + "\" \"" + kCatalogueProbeSwitch + out + "\"", "");
  EXPECT_TRUE(child.started());
  EXPECT_TRUE(child.WaitForExit(30s));
  const std::string written = ReadFileBytes(out);
  RemoveTree(dir);
  return written;
}

std::string SystemDir() {
  char buf[MAX_PATH] = {};
  ::GetSystemDirectoryA(buf, MAX_PATH);
  return buf;
}

TEST(CatalogueVersion, WindowsXpShowsTheNtFiles) {
  EXPECT_EQ(ProbeUnder("winxp"), "Autoexec.nt=" + SystemDir() + "\\autoexec.nt\r\nConfig.nt=" +
                                     SystemDir() + "\\Config.nt\r\n");
}

TEST(CatalogueVersion, Windows98ShowsTheRootFiles) {
  EXPECT_EQ(ProbeUnder("win98"), "Autoexec.bat=C:\\autoexec.bat\r\nConfig.sys=C:\\Config.sys\r\n");
}

}  // namespace
}  // namespace vtest
