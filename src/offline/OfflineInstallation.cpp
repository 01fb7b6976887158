#include "offline/OfflineInstallation.h"

#include <algorithm>
#include <cstdlib>

#include "offline/HiveRegistry.h"

namespace vconfig {
namespace fs = std::filesystem;
namespace {

const char* const kCurrentVersionKey = "Microsoft\\Windows NT\\CurrentVersion";
const char* const kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool IsDirectory(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(fs::status(p, ec));
}

bool IsLink(const fs::path& p) {
  std::error_code ec;
  return fs::is_symlink(fs::symlink_status(p, ec));
}

bool EqualNoCase(std::string a, std::string b) {
  auto lower = [](std::string& s) {
    for (char& c : s)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  };
  lower(a);
  lower(b);
  return a == b;
}

bool HoldsWindows(const fs::path& folder) {
  return ResolveNoCase(folder, "system32\\config\\SOFTWARE") || ResolveNoCase(folder, "system.ini");
}

// A string value of a hive key, in the code page; empty when missing or not a string.
std::string StringValue(Hive& hive, const std::string& key, const std::string& name, int codePage) {
  const auto values = hive.KeyValues(key);
  if (!values) return {};
  for (const HiveValue& value : *values) {
    const RegistryValue v = ConvertHiveValue(value, codePage);
    if (EqualNoCase(v.name, name) && (v.type == kRegSz || v.type == kRegExpandSz)) return v.data;
  }
  return {};
}

std::optional<uint32_t> DwordValue(Hive& hive, const std::string& key, const std::string& name) {
  const auto values = hive.KeyValues(key);
  if (!values) return std::nullopt;
  for (const HiveValue& v : *values)
    if (EqualNoCase(v.name, name) && v.type == kRegDword && v.data.size() == 4)
      return static_cast<uint32_t>(static_cast<unsigned char>(v.data[0]) |
                                   static_cast<unsigned char>(v.data[1]) << 8 |
                                   static_cast<unsigned char>(v.data[2]) << 16 |
                                   static_cast<unsigned char>(v.data[3]) << 24);
  return std::nullopt;
}

// NT's CurrentVersion "5.1"; Windows 10 and later keep "6.3" there and the real
// numbers in CurrentMajorVersionNumber and CurrentMinorVersionNumber.
void ReadVersion(OfflineInstallation& inst, int codePage) {
  Hive& hive = *inst.software;
  inst.version.platformId = 2;
  const std::string current = StringValue(hive, kCurrentVersionKey, "CurrentVersion", codePage);
  char* end = nullptr;
  inst.version.major = static_cast<uint32_t>(std::strtoul(current.c_str(), &end, 10));
  if (end && *end == '.')
    inst.version.minor = static_cast<uint32_t>(std::strtoul(end + 1, nullptr, 10));
  if (auto major = DwordValue(hive, kCurrentVersionKey, "CurrentMajorVersionNumber")) {
    inst.version.major = *major;
    inst.version.minor =
        DwordValue(hive, kCurrentVersionKey, "CurrentMinorVersionNumber").value_or(0);
  }
  inst.version.servicePack = StringValue(hive, kCurrentVersionKey, "CSDVersion", codePage);
  inst.productName = StringValue(hive, kCurrentVersionKey, "ProductName", codePage);
}

// The shell's recorded folder when it lies on the installation's system drive and
// exists there, else the first standard place that exists, else the first standard
// place (which then lists nothing).
std::string StartupFolder(const OfflineFileSystem& files, const std::string& recorded,
                          const fs::path& base, const std::vector<std::string>& standard) {
  if (!recorded.empty()) {
    const auto host = files.Resolve(recorded);
    if (host && IsDirectory(*host)) return files.WindowsPath(*host);
  }
  for (const std::string& place : standard)
    if (const auto host = ResolveNoCase(base, place); host && IsDirectory(*host))
      return files.WindowsPath(*host);
  std::string path = files.WindowsPath(base);
  if (path.back() != '\\') path += '\\';
  return path + standard.front();
}

const std::vector<std::string> kUserStartup = {
    "AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup",
    "Start Menu\\Programs\\Startup"};
const std::vector<std::string> kCommonStartup = {
    "ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\StartUp",
    "Documents and Settings\\All Users\\Start Menu\\Programs\\Startup"};

// Profiles that hold no user of their own.
bool IsSharedProfile(const std::string& name) {
  return EqualNoCase(name, "All Users") || EqualNoCase(name, "Public");
}

std::vector<fs::path> ProfileFolders(const fs::path& root) {
  std::vector<fs::path> profiles;
  for (const char* parent : {"Documents and Settings", "Users"}) {
    const auto folder = FindEntryNoCase(root, parent);
    // A junction ("Documents and Settings" on Vista and later) leads to profiles
    // listed already.
    if (!folder || IsLink(*folder) || !IsDirectory(*folder)) continue;
    std::error_code ec;
    for (fs::directory_iterator it(*folder, ec), end; !ec && it != end; it.increment(ec)) {
      const fs::path& p = it->path();
      if (IsLink(p) || !IsDirectory(p) || IsSharedProfile(p.filename().string())) continue;
      profiles.push_back(p);
    }
  }
  std::sort(profiles.begin(), profiles.end());
  return profiles;
}

void ReadUsers(OfflineInstallation& inst, const std::string& onlyUser, int codePage,
               std::vector<std::string>& problems) {
  for (const fs::path& profile : ProfileFolders(inst.root)) {
    OfflineUser user;
    user.name = profile.filename().string();
    if (!onlyUser.empty() && !EqualNoCase(user.name, onlyUser)) continue;
    user.profile = profile;
    std::string recorded;
    if (const auto hivePath = FindEntryNoCase(profile, "NTUSER.DAT")) {
      try {
        if (!StaysInside(inst.root, *hivePath))
          throw EHiveError("Cannot read registry hive " + hivePath->string() +
                           ": it leads out of " + inst.root.string());
        user.hive = OpenHiveFile(hivePath->string());
        recorded = StringValue(*user.hive, kShellFoldersKey, "Startup", codePage);
      } catch (const EHiveError& e) {
        problems.push_back(e.what());
      }
    } else {
      problems.push_back("Profile " + user.name + " has no NTUSER.DAT: its registry is not read");
    }
    user.startupFolder = StartupFolder(*inst.files, recorded, profile, kUserStartup);
    inst.users.push_back(std::move(user));
  }
  if (!onlyUser.empty() && inst.users.empty())
    throw EUnknownUser("No user profile named " + onlyUser + " in " + inst.root.string());
}

void ReadNT(OfflineInstallation& inst, const fs::path& softwarePath, const std::string& onlyUser,
            int codePage, std::vector<std::string>& problems) {
  char drive = 'C';
  std::string recordedCommon;
  try {
    if (!StaysInside(inst.root, softwarePath))
      throw EHiveError("Cannot read registry hive " + softwarePath.string() + ": it leads out of " +
                       inst.root.string());
    inst.software = OpenHiveFile(softwarePath.string());
    ReadVersion(inst, codePage);
    const std::string systemRoot =
        StringValue(*inst.software, kCurrentVersionKey, "SystemRoot", codePage);
    if (systemRoot.size() >= 2 && systemRoot[1] == ':') drive = systemRoot[0];
    recordedCommon =
        StringValue(*inst.software, "Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                    "Common Startup", codePage);
  } catch (const EHiveError& e) {
    problems.push_back(e.what());
    inst.software.reset();
    inst.version = VersionRecord{2, 0, 0, 0, {}};
  }
  inst.files = std::make_unique<OfflineFileSystem>(inst.root, drive);
  inst.commonStartup = StartupFolder(*inst.files, recordedCommon, inst.root, kCommonStartup);
  ReadUsers(inst, onlyUser, codePage, problems);
}

void Read9x(OfflineInstallation& inst, const std::string& onlyUser) {
  if (!onlyUser.empty())
    throw EUnknownUser("Windows 9x keeps no user profiles that can be chosen: " + onlyUser);
  inst.family = WindowsFamily::Win9x;
  inst.version = VersionRecord{1, 4, 10, 0, {}};
  inst.files = std::make_unique<OfflineFileSystem>(inst.root, 'C');
  const fs::path windows = inst.root / inst.windowsFolder;
  OfflineUser user;  // the one user of the machine, without a name
  user.profile = windows;
  user.startupFolder = StartupFolder(*inst.files, {}, windows, {"Start Menu\\Programs\\StartUp"});
  inst.users.push_back(std::move(user));
  inst.commonStartup =
      StartupFolder(*inst.files, {}, windows, {"All Users\\Start Menu\\Programs\\StartUp"});
}

}  // namespace

std::string FindWindowsFolder(const fs::path& root) {
  std::error_code ec;
  const fs::file_status status = fs::status(root, ec);
  if (!fs::exists(status)) throw ENotAnInstallation(root.string() + ": no such folder");
  if (!fs::is_directory(status)) throw ENotAnInstallation(root.string() + ": not a folder");
  for (const char* name : {"WINDOWS", "WINNT"})
    if (const auto folder = FindEntryNoCase(root, name); folder && HoldsWindows(*folder))
      return folder->filename().string();
  std::vector<fs::path> others;
  for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
    if (IsDirectory(it->path()) && HoldsWindows(it->path())) others.push_back(it->path());
  if (ec) throw ENotAnInstallation(root.string() + ": " + ec.message());
  if (others.empty())
    throw ENotAnInstallation(
        root.string() +
        ": no Windows folder (one holding system32\\config\\SOFTWARE or system.ini)");
  return std::min_element(others.begin(), others.end())->filename().string();
}

OfflineInstallation OpenOfflineInstallation(const fs::path& root, const std::string& onlyUser,
                                            int codePage, std::vector<std::string>& problems) {
  OfflineInstallation inst;
  inst.root = root;
  inst.windowsFolder = FindWindowsFolder(root);
  const auto software = ResolveNoCase(root / inst.windowsFolder, "system32\\config\\SOFTWARE");
  if (software)
    ReadNT(inst, *software, onlyUser, codePage, problems);
  else
    Read9x(inst, onlyUser);
  return inst;
}

SystemLocations OfflineInstallation::Locations(const OfflineUser* user) const {
  SystemLocations loc;
  loc.windowsDir = std::string(1, files->Drive()) + ":\\" + windowsFolder;
  loc.systemDir = loc.windowsDir + (family == WindowsFamily::NT ? "\\system32" : "\\SYSTEM");
  loc.commonStartup = commonStartup;
  if (user) loc.userStartup = user->startupFolder;
  return loc;
}

bool OfflineInstallation::IsNT() const { return family == WindowsFamily::NT; }

std::string OfflineInstallation::Description() const {
  if (family == WindowsFamily::Win9x) return "Windows 9x";
  std::string text = productName.empty() ? "Windows NT" : productName;
  if (version.major == 0) return text + " (version unknown)";
  return text + " (NT " + std::to_string(version.major) + "." + std::to_string(version.minor) + ")";
}

}  // namespace vconfig
