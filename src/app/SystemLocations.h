// The five base locations of the configuration sources, read once at start.
#pragma once

#include <string>

#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace vconfig {

constexpr size_t kMaxWindowsDirLength = 144;
constexpr size_t kMaxSystemDirLength = 255;

struct SystemLocations {
  std::string windowsDir;     // no trailing backslash, at most 144 characters
  std::string systemDir;      // at most 255 characters
  std::string userStartup;    // empty when the shell records none
  std::string commonStartup;  // empty when the shell records none

  // Root files lie on the drive of the Windows directory.
  char BootDrive() const { return windowsDir.empty() ? 'C' : windowsDir[0]; }
};

// Reads the locations from the system. The "Shell Folders" keys are opened for
// reading only: an account without administrative rights still gets its folders.
SystemLocations ReadSystemLocationsFrom(SystemInfo& system, Registry& registry);

}  // namespace vconfig
