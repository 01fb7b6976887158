// The Windows-side test program: GoogleTest's run, and its child modes (the catalogue
// probe, see CatalogueProbe.h; a process that holds a file open for tests of other
// processes' locks). No modal error box ever shows in it.
#include <gtest/gtest.h>

#include <cstring>

#include "CatalogueProbe.h"
#include "diagnostics/ErrorHandling_win.h"
#include "harness/Harness.h"

namespace {

// A window under test whose handler lets an exception escape would show the general
// error box here, and nobody would answer it: the running test fails instead.
void FailRunningTest(const char* message) {
  ADD_FAILURE() << "An exception reached the application's error handling: " << message;
}

}  // namespace

int main(int argc, char** argv) {
  const size_t probe = std::strlen(vtest::kCatalogueProbeSwitch);
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], vtest::kCatalogueProbeSwitch, probe) == 0)
      return vtest::RunCatalogueProbe(argv[i] + probe);
  }
  int exitCode = 0;
  if (vtest::RunChildMode(argc, argv, exitCode)) return exitCode;
  ::testing::InitGoogleTest(&argc, argv);
  vconfig::SetApplicationErrorSink(&FailRunningTest);
  return RUN_ALL_TESTS();
}
