// A Windows installation that is not running: its system drive mounted or copied into
// a host folder. Finds the Windows folder, tells the family and version from the
// SOFTWARE hive, and finds the users' profiles with their hives and start-up folders.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/SystemLocations.h"
#include "offline/Hive.h"
#include "offline/OfflineFileSystem.h"
#include "platform/SystemInfo.h"

namespace vconfig {

// The folder is not a Windows installation's system drive (exit status 3).
class ENotAnInstallation : public AppError {
 public:
  using AppError::AppError;
  const char* ClassName() const noexcept override { return "ENotAnInstallation"; }
};

enum class WindowsFamily { NT, Win9x };

struct OfflineUser {
  std::string name;  // the profile folder's name
  std::filesystem::path profile;
  std::shared_ptr<Hive> hive;  // null when NTUSER.DAT is missing or unreadable
  std::string startupFolder;   // Windows path, on the system drive
};

struct OfflineInstallation {
  std::filesystem::path root;
  std::string windowsFolder;  // its name as on disk ("WINDOWS", "WINNT")
  WindowsFamily family = WindowsFamily::NT;
  VersionRecord version;           // NT: from CurrentVersion; 9x: 4.10
  std::string productName;         // empty when unknown
  std::shared_ptr<Hive> software;  // null on 9x or when unreadable
  std::vector<OfflineUser> users;
  std::string commonStartup;  // Windows path
  std::unique_ptr<OfflineFileSystem> files;

  // The Windows and system directories as the installation names them, and the
  // common start-up folder; the user's start-up folder is each user's own.
  SystemLocations Locations(const OfflineUser* user) const;
  bool IsNT() const;
  // "Windows XP Professional (NT 5.1)", "Windows 9x".
  std::string Description() const;
};

// The Windows folder below root: "WINDOWS", "WINNT", or the folder that holds
// system32\config\SOFTWARE or system.ini, names matched without regard to case.
// Throws ENotAnInstallation.
std::string FindWindowsFolder(const std::filesystem::path& root);

// Reads an installation. Every source that cannot be read (a damaged hive, a profile
// without NTUSER.DAT) is added to problems with its reason; the rest is kept. When
// onlyUser is not empty, only that profile is read (names compared without regard to
// case); EUnknownUser when there is no such profile.
OfflineInstallation OpenOfflineInstallation(const std::filesystem::path& root,
                                            const std::string& onlyUser, int codePage,
                                            std::vector<std::string>& problems);

// --user named no profile of the installation.
class EUnknownUser : public AppError {
 public:
  using AppError::AppError;
  const char* ClassName() const noexcept override { return "EUnknownUser"; }
};

}  // namespace vconfig
