#include "config/Catalogue.h"

namespace vconfig {
namespace {

ConfigSource TextFile(const char* caption, LocationBase base, const char* suffix, int image) {
  ConfigSource s;
  s.caption = caption;
  s.kind = SourceKind::TextFile;
  s.base = base;
  s.suffix = suffix;
  s.image = image;
  return s;
}

constexpr const char* kRunKeyPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

ConfigSource RunKey(const char* caption, RegistryRoot root, const char* key,
                    RegistryView view = RegistryView::Default) {
  ConfigSource s;
  s.caption = caption;
  s.kind = SourceKind::RunKey;
  s.root = root;
  s.keyPath = key;
  s.view = view;
  s.image = 3;
  return s;
}

ConfigSource Startup(const char* caption, StartupFolderKind folder) {
  ConfigSource s;
  s.caption = caption;
  s.kind = SourceKind::StartupFolder;
  s.folder = folder;
  s.image = 3;
  return s;
}

bool IsTrimmed(unsigned char c) { return c <= ' '; }

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsTrimmed(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && IsTrimmed(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

}  // namespace

Catalogue Catalogue::Build(bool isNT, const std::string& otherFileCaption,
                           const std::string& configTitle, const std::string& autostartTitle,
                           bool wow64) {
  using B = LocationBase;
  Catalogue c;
  c.titles_[0] = configTitle;
  c.titles_[1] = autostartTitle;
  auto& files = c.groups_[0];
  if (isNT) {
    files.push_back(TextFile("Autoexec.nt", B::SystemDir, "\\autoexec.nt", 2));
    files.push_back(TextFile("Config.nt", B::SystemDir, "\\Config.nt", 2));
  } else {
    files.push_back(TextFile("Autoexec.bat", B::BootDriveRoot, ":\\autoexec.bat", 2));
    files.push_back(TextFile("Config.sys", B::BootDriveRoot, ":\\Config.sys", 2));
  }
  files.push_back(TextFile("MsDos.sys", B::BootDriveRoot, ":\\msdos.sys", 2));
  files.push_back(TextFile("Win.ini", B::WindowsDir, "\\win.ini", 3));
  files.push_back(TextFile("System.ini", B::WindowsDir, "\\system.ini", 3));
  files.push_back(TextFile("Control.ini", B::WindowsDir, "\\control.ini", 3));
  files.push_back(TextFile("Boot.ini", B::BootDriveRoot, ":\\boot.ini", 3));
  files.push_back(TextFile("Protocol.ini", B::WindowsDir, "\\protocol.ini", 3));
  files.push_back(TextFile("BootLog.txt", B::BootDriveRoot, ":\\bootlog.txt", 3));
  files.push_back(TextFile("Scandisk.log", B::BootDriveRoot, ":\\scandisk.log", 3));
  files.push_back(TextFile("NetLog.txt", B::BootDriveRoot, ":\\netlog.txt", 3));
  ConfigSource other;
  other.caption = otherFileCaption;
  other.kind = SourceKind::OtherFile;
  other.image = 4;
  files.push_back(other);

  auto& autostart = c.groups_[1];
  autostart.push_back(RunKey("HKL\\Run", RegistryRoot::LocalMachine, kRunKeyPath));
  if (wow64)
    autostart.push_back(
        RunKey(kRunKey32Caption, RegistryRoot::LocalMachine, kRunKeyPath, RegistryView::Bit32));
  autostart.push_back(RunKey("HCU\\Run", RegistryRoot::CurrentUser, kRunKeyPath));
  autostart.push_back(RunKey("RunOnce", RegistryRoot::CurrentUser,
                             "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce"));
  autostart.push_back(Startup("Startup(User)", StartupFolderKind::User));
  autostart.push_back(Startup("Startup(Common)", StartupFolderKind::Common));

  for (int g = 0; g < kGroupCount; ++g) {
    for (size_t i = 0; i < c.groups_[g].size(); ++i) {
      c.groups_[g][i].group = g;
      c.groups_[g][i].position = static_cast<int>(i);
    }
  }
  return c;
}

const ConfigSource* Catalogue::Find(const std::string& caption) const {
  for (const auto& group : groups_)
    for (const auto& s : group)
      if (s.caption == caption) return &s;
  return nullptr;
}

SourceLocationInfo SourceLocation(const ConfigSource& source, const SystemLocations& loc) {
  SourceLocationInfo info;
  switch (source.kind) {
    case SourceKind::TextFile:
      switch (source.base) {
        case LocationBase::BootDriveRoot: info.path = std::string(1, loc.BootDrive()) + source.suffix; break;
        case LocationBase::WindowsDir: info.path = loc.windowsDir + source.suffix; break;
        case LocationBase::SystemDir: info.path = loc.systemDir + source.suffix; break;
      }
      break;
    case SourceKind::RunKey:
      info.root = source.root;
      info.keyPath = source.keyPath;
      info.view = source.view;
      break;
    case SourceKind::StartupFolder:
      info.path = source.folder == StartupFolderKind::User ? loc.userStartup : loc.commonStartup;
      break;
    case SourceKind::OtherFile:
      break;
  }
  return info;
}

int GetWindowsVersionCode(const VersionRecord& r) {
  if (r.platformId == 0) return 1;
  if (r.platformId == 2) {
    switch (r.major) {
      case 3: return 6;
      case 4: return 7;
      case 5: return 8;
      default: return 0;
    }
  }
  if (r.major != 4) return 0;
  const std::string service = Trim(r.servicePack);
  switch (r.minor) {
    case 0: return service == "B" ? 3 : 2;
    case 10: return service == "A" ? 5 : 4;
    case 90: return 9;
    default: return 0;
  }
}

bool IsWindowsNT(int code) { return code == 6 || code == 7 || code == 8; }

}  // namespace vconfig
