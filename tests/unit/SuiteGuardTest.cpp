#include "app/SuiteGuard.h"

#include <gtest/gtest.h>

namespace vconfig {
namespace {

struct FakeHost : GuardHost {
  std::vector<std::string> existing;
  MutexProbe mutex = MutexProbe::NotFound;
  std::vector<std::string> shown;
  std::vector<std::string> testedPaths;
  int terminations = 0;

  bool FileExists(const std::string& path) override {
    testedPaths.push_back(path);
    for (const auto& e : existing)
      if (e == path) return true;
    return false;
  }
  MutexProbe ProbeMutex(const std::string&) override { return mutex; }
  void ShowError(const std::string& text) override { shown.push_back(text); }
  void RequestTermination() override { ++terminations; }
};

const std::string kDir = "C:\\Suite\\Config\\";

TEST(SuiteGuard, StartSwitchIsExactAndCaseSensitive) {
  for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
           {}, {""}, {"-VINFO"}, {"-Start"}, {"vinfo"}, {"-vinfo2"}}) {
    FakeHost host;
    host.existing = {"C:\\Suite\\VInfo.exe"};
    host.mutex = MutexProbe::Found;
    EXPECT_FALSE(RunSuiteGuard(args, kDir, host));
    ASSERT_EQ(host.shown.size(), 2u);
    EXPECT_EQ(host.shown[0], "Application isn\xB4t start from main module!");
    EXPECT_EQ(host.shown[1], "Aplication terminated");
    EXPECT_EQ(host.terminations, 1);
    EXPECT_TRUE(host.testedPaths.empty()) << "later checks must not run";
  }
}

TEST(SuiteGuard, ARestartKeepsTheSwitchThisInstanceWasStartedWith) {
  EXPECT_EQ(RestartSwitch({"-start"}), "-start");
  EXPECT_EQ(RestartSwitch({"-vinfo"}), "-vinfo");
  EXPECT_EQ(RestartSwitch({}), "-vinfo");
  // The restarted instance passes the guard as this one did, base module running or not.
  for (const char* started : {"-start", "-vinfo"}) {
    FakeHost host;
    host.existing = {"C:\\Suite\\VInfo.exe"};
    host.mutex = std::string(started) == "-vinfo" ? MutexProbe::Found : MutexProbe::NotFound;
    EXPECT_TRUE(RunSuiteGuard({RestartSwitch({started})}, kDir, host)) << started;
  }
}

TEST(SuiteGuard, BaseModuleIsLookedForInTheParentFolderOnly) {
  FakeHost beside;
  beside.existing = {"C:\\Suite\\Config\\VInfo.exe"};
  EXPECT_FALSE(RunSuiteGuard({"-start"}, kDir, beside));
  EXPECT_EQ(beside.shown, (std::vector<std::string>{"No find base module Vorn Info!",
                                                    "Aplication terminated"}));

  FakeHost parent;
  parent.existing = {"C:\\Suite\\VInfo.exe"};
  EXPECT_TRUE(RunSuiteGuard({"-start"}, kDir, parent)) << "-start skips the mutex";
  EXPECT_TRUE(parent.shown.empty());

  EXPECT_EQ(BaseModulePath("C:\\"), "VInfo.exe") << "drive root: relative to the working folder";
  EXPECT_EQ(BaseModulePath("D:\\VConfig\\"), "D:\\VInfo.exe");
}

TEST(SuiteGuard, MutexProbeFailsOnlyWhenNotFound) {
  struct Case {
    MutexProbe probe;
    bool pass;
  } cases[] = {{MutexProbe::Found, true}, {MutexProbe::OtherError, true}, {MutexProbe::NotFound, false}};
  for (const auto& c : cases) {
    FakeHost host;
    host.existing = {"C:\\Suite\\VInfo.exe"};
    host.mutex = c.probe;
    EXPECT_EQ(RunSuiteGuard({"-vinfo", "extra", "args"}, kDir, host), c.pass);
    if (!c.pass) {
      EXPECT_EQ(host.shown, (std::vector<std::string>{"No running base module Vorn Info!",
                                                      "Aplication terminated"}));
    }
  }
}

}  // namespace
}  // namespace vconfig
