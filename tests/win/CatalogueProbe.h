// The catalogue probe: a mode of the test program, not a test. Wine reads the reported
// Windows version when a process starts, so the CatalogueVersion tests start the test
// program again with this switch to build the catalogue under the version they set.
#pragma once

#include <string>

namespace vtest {

// "--catalogue-probe=FILE": write the probe's result to FILE and end.
constexpr char kCatalogueProbeSwitch[] = "--catalogue-probe=";

// Builds the catalogue for the version the system reports and writes the captions and
// paths of the file group's first two sources to `out`; the process's exit code.
int RunCatalogueProbe(const std::string& out);

}  // namespace vtest
