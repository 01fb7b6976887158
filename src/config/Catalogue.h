// The single catalogue of configuration sources: captions, groups, kinds,
// locations and images. Captions are the keys, compared exactly.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/SystemLocations.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace vconfig {

enum class SourceKind { TextFile, RunKey, StartupFolder, OtherFile };
enum class LocationBase { BootDriveRoot, WindowsDir, SystemDir };
enum class StartupFolderKind { User, Common };

struct ConfigSource {
  std::string caption;
  int group = 0;
  int position = 0;
  SourceKind kind = SourceKind::TextFile;
  // TextFile: base + suffix with nothing between them.
  LocationBase base = LocationBase::WindowsDir;
  std::string suffix;
  // RunKey
  RegistryRoot root = RegistryRoot::CurrentUser;
  std::string keyPath;
  RegistryView view = RegistryView::Default;
  // StartupFolder
  StartupFolderKind folder = StartupFolderKind::User;
  int image = 0;
};

struct SourceLocationInfo {
  std::string path;  // file path (TextFile) or folder (StartupFolder)
  RegistryRoot root = RegistryRoot::CurrentUser;
  std::string keyPath;  // RunKey
  RegistryView view = RegistryView::Default;
};

constexpr int kGroupCount = 2;
constexpr int kGroupConfigFiles = 0;
constexpr int kGroupAutostart = 1;

// The machine's Run key as 32-bit programs see it, listed only under WOW64.
constexpr const char* kRunKey32Caption = "HKL\\Run (32-bit)";

class Catalogue {
 public:
  // The two groups with the NT variants applied and the other-file entry appended.
  // wow64: the program runs as a 32-bit process on 64-bit Windows, where the machine's
  // Run key exists in two views; "HKL\Run (32-bit)" then follows "HKL\Run".
  static Catalogue Build(bool isNT, const std::string& otherFileCaption,
                         const std::string& configTitle, const std::string& autostartTitle,
                         bool wow64 = false);

  const std::vector<ConfigSource>& Group(int group) const { return groups_[group]; }
  const std::string& GroupTitle(int group) const { return titles_[group]; }
  static int GroupImage(int group) { return group; }
  const ConfigSource* Find(const std::string& caption) const;

 private:
  std::vector<ConfigSource> groups_[kGroupCount];
  std::string titles_[kGroupCount];
};

SourceLocationInfo SourceLocation(const ConfigSource& source, const SystemLocations& locations);

// Windows version code 0..9 from the system's version record.
int GetWindowsVersionCode(const VersionRecord& record);
bool IsWindowsNT(int versionCode);

}  // namespace vconfig
