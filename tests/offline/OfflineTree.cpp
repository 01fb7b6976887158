#include "offline/OfflineTree.h"

#include <hivex.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vconfig::testing {
namespace fs = std::filesystem;

std::string Utf16Z(const std::string& utf8) {
  std::string out;
  auto put = [&out](uint32_t u) {
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
  };
  for (size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    uint32_t c;
    int extra;
    if (b < 0x80)
      c = b, extra = 0;
    else if (b < 0xE0)
      c = b & 0x1F, extra = 1;
    else if (b < 0xF0)
      c = b & 0x0F, extra = 2;
    else
      c = b & 0x07, extra = 3;
    for (int k = 1; k <= extra; ++k)
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += extra + 1;
    if (c >= 0x10000) {
      put(0xD800 + ((c - 0x10000) >> 10));
      put(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      put(c);
    }
  }
  put(0);
  return out;
}

std::string DwordBytes(uint32_t v) {
  std::string out(4, '\0');
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  return out;
}

TestValue Sz(const std::string& name, const std::string& data) { return {name, 1, Utf16Z(data)}; }
TestValue ExpandSz(const std::string& name, const std::string& data) {
  return {name, 2, Utf16Z(data)};
}
TestValue Dword(const std::string& name, uint32_t value) { return {name, 4, DwordBytes(value)}; }

fs::path RealWorldFile(const std::string& name) { return fs::path(VCONFIG_TESTDATA) / name; }
fs::path MinimalHive() { return fs::path(VCONFIG_HIVES) / "minimal"; }

void WriteHive(const fs::path& path, const HiveContent& content) {
  fs::create_directories(path.parent_path());
  hive_h* h = hivex_open(MinimalHive().c_str(), HIVEX_OPEN_WRITE);
  if (!h)
    throw std::runtime_error("cannot open the minimal hive: " + std::string(std::strerror(errno)));
  for (const auto& [keyPath, values] : content) {
    hive_node_h node = hivex_root(h);
    std::istringstream parts(keyPath);
    std::string part;
    while (std::getline(parts, part, '\\')) {
      hive_node_h child = hivex_node_get_child(h, node, part.c_str());
      node = child ? child : hivex_node_add_child(h, node, part.c_str());
      if (!node) throw std::runtime_error("cannot add key " + keyPath);
    }
    std::vector<hive_set_value> set;
    for (const TestValue& v : values)
      set.push_back({const_cast<char*>(v.name.c_str()), static_cast<hive_type>(v.type),
                     v.data.size(), const_cast<char*>(v.data.data())});
    if (!set.empty() && hivex_node_set_values(h, node, set.size(), set.data(), 0) != 0)
      throw std::runtime_error("cannot set the values of " + keyPath);
  }
  // The minimal hive is only read: the result goes to the test's own file.
  if (hivex_commit(h, path.c_str(), 0) != 0)
    throw std::runtime_error("cannot write " + path.string());
  hivex_close(h);
}

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "vconfig-offline-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  // Make everything removable again (tests take permissions away).
  for (fs::recursive_directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec))
    if (!it->is_symlink(ec))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

void CopyRealWorld(const std::string& name, const fs::path& to) {
  // By reading: the kernel's copy calls refuse some pairs of file systems.
  std::ifstream in(RealWorldFile(name), std::ios::binary);
  if (!in || !fs::is_regular_file(RealWorldFile(name)))
    throw std::runtime_error("missing test data " + name);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  WriteFile(to, bytes.str());
}

HiveContent SoftwareHive(const std::string& currentVersion, const std::string& productName,
                         uint32_t runValues, bool with64Bit) {
  HiveContent hive;
  hive["Microsoft\\Windows NT\\CurrentVersion"] = {Sz("CurrentVersion", currentVersion),
                                                   Sz("ProductName", productName),
                                                   Sz("SystemRoot", "C:\\WINDOWS")};
  std::vector<TestValue> run = {Sz("Tray", "C:\\Program Files\\Tray\\tray.exe"),
                                ExpandSz("Agent", "%ProgramFiles%\\Agent\\agent.exe /min")};
  for (uint32_t i = 2; i < runValues; ++i)
    run.push_back(Sz("Value" + std::to_string(i), "C:\\x\\" + std::to_string(i) + ".exe"));
  hive["Microsoft\\Windows\\CurrentVersion\\Run"] = run;
  if (with64Bit)
    hive["Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run"] = {
        Sz("Old32", "C:\\old\\old32.exe")};
  return hive;
}

HiveContent UserHive(const std::string& startupFolder) {
  HiveContent hive;
  hive["Software\\Microsoft\\Windows\\CurrentVersion\\Run"] = {
      Sz("Messenger", "\"C:\\Program Files\\Messenger\\msmsgs.exe\" /background"),
      ExpandSz("Sync", "%USERPROFILE%\\sync.exe"), Dword("Flags", 42),
      Sz("Caf\xC3\xA9 \xC3\x84rger",
         "C:\\Bl\xC3\xBC"
         "te\\\xC3\xA9t\xC3\xA9.exe"),
      Sz("", "C:\\default.exe")};
  hive["Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce"] = {
      Sz("Setup", "C:\\setup.exe /finish")};
  if (!startupFolder.empty())
    hive["Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"] = {
        Sz("Startup", startupFolder)};
  return hive;
}

void MakeXpTree(const fs::path& root) {
  WriteHive(root / "WINDOWS/system32/config/SOFTWARE", SoftwareHive("5.1", "Microsoft Windows XP"));
  CopyRealWorld("win.ini/eoghankelly-datasciencecoursera__win.ini", root / "WINDOWS/win.ini");
  CopyRealWorld("system.ini/nokia6102-DOSLAN__system.ini", root / "WINDOWS/system.ini");
  CopyRealWorld("config.nt/tjanas-uiuc_ece291__CONFIG.NT", root / "WINDOWS/system32/CONFIG.NT");
  CopyRealWorld("boot.ini/howser2016-freewipeforwin1__boot.ini", root / "boot.ini");
  const std::string alice = "Documents and Settings/alice";
  WriteHive(root / alice / "NTUSER.DAT",
            UserHive("C:\\Documents and Settings\\alice\\Start Menu\\Programs\\Startup"));
  WriteFile(root / alice / "Start Menu/Programs/Startup/Notes.lnk", "L");
  WriteHive(root / "Documents and Settings/bob/ntuser.dat", UserHive(""));
  WriteFile(root / "Documents and Settings/bob/Start Menu/Programs/Startup/Bob.lnk", "L");
  WriteFile(root / "Documents and Settings/All Users/Start Menu/Programs/Startup/Common.lnk", "L");
}

void MakeWin10Tree(const fs::path& root) {
  HiveContent software = SoftwareHive("6.3", "Windows 10 Pro", 2, true);
  software["Microsoft\\Windows NT\\CurrentVersion"].push_back(
      Dword("CurrentMajorVersionNumber", 10));
  software["Microsoft\\Windows NT\\CurrentVersion"].push_back(
      Dword("CurrentMinorVersionNumber", 0));
  WriteHive(root / "Windows/System32/config/SOFTWARE", software);
  CopyRealWorld("win.ini/peymanx-msdos-tools__WIN.INI", root / "Windows/win.ini");
  CopyRealWorld("autoexec.bat/ya-mouse-dos-net-odi__autoexec.bat", root / "autoexec.bat");
  WriteHive(root / "Users/carol/NTUSER.DAT", UserHive(""));
  WriteFile(
      root / "Users/carol/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Startup/Carol.lnk",
      "L");
  fs::create_directories(root / "Users/Public/Desktop");
  WriteFile(root / "ProgramData/Microsoft/Windows/Start Menu/Programs/StartUp/Everyone.lnk", "L");
}

void MakeWin98Tree(const fs::path& root) {
  CopyRealWorld("win.ini/joncampbell123-win31igdrv__WIN.INI", root / "WINDOWS/WIN.INI");
  CopyRealWorld("system.ini/joncampbell123-win31igdrv__SYSTEM.INI", root / "WINDOWS/SYSTEM.INI");
  CopyRealWorld("autoexec.bat/rickycodes-win98config__AUTOEXEC.BAT", root / "AUTOEXEC.BAT");
  CopyRealWorld("config.sys/RoninMastaFX-RMFX-Win98SE-Boot-Floppy-Deluxe__CONFIG.SYS",
                root / "CONFIG.SYS");
  CopyRealWorld("msdos.sys/rickycodes-win98config__MSDOS.SYS", root / "MSDOS.SYS");
  CopyRealWorld("bootlog.txt/Corbanizer-Windows-95-Dump__BOOTLOG.TXT", root / "BOOTLOG.TXT");
  WriteFile(root / "WINDOWS/SYSTEM.DAT", std::string("CREG\x00\x00\x01\x00", 8));
  WriteFile(root / "WINDOWS/USER.DAT", std::string("CREG\x00\x00\x01\x00", 8));
  WriteFile(root / "WINDOWS/Start Menu/Programs/StartUp/Tips.lnk", "L");
}

std::string TreeChecksum(const fs::path& root) {
  // FNV-1a over names and contents, in name order.
  uint64_t hash = 1469598103934665603ull;
  auto mix = [&hash](const std::string& bytes) {
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  };
  std::vector<fs::path> entries;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
    entries.push_back(it->path());
  std::sort(entries.begin(), entries.end());
  for (const fs::path& p : entries) {
    mix(p.string());
    if (fs::is_symlink(fs::symlink_status(p, ec))) {
      mix(fs::read_symlink(p, ec).string());
    } else if (fs::is_regular_file(fs::symlink_status(p, ec))) {
      std::ifstream in(p, std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      mix(bytes.str());
      mix(std::to_string(static_cast<unsigned>(fs::status(p, ec).permissions())));
    }
  }
  return std::to_string(hash);
}

}  // namespace vconfig::testing
