// The Windows-side test program: GoogleTest's run, a child mode that holds a file
// open for tests of other processes' locks, and no modal error box ever.
#include <gtest/gtest.h>

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
  int exitCode = 0;
  if (vtest::RunChildMode(argc, argv, exitCode)) return exitCode;
  ::testing::InitGoogleTest(&argc, argv);
  vconfig::SetApplicationErrorSink(&FailRunningTest);
  return RUN_ALL_TESTS();
}
