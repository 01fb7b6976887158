// The Windows-side test program. Started with the catalogue probe's switch it runs the
// probe instead of the tests (see CatalogueProbe.h).
#include <gtest/gtest.h>

#include <cstring>

#include "CatalogueProbe.h"

int main(int argc, char** argv) {
  const size_t probe = std::strlen(vtest::kCatalogueProbeSwitch);
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], vtest::kCatalogueProbeSwitch, probe) == 0)
      return vtest::RunCatalogueProbe(argv[i] + probe);
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
