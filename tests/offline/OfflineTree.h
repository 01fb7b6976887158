// Offline Windows installations for tests, built in a temporary folder: hives made
// from the shared minimal hive with libhivex's write API, real configuration files
// from the shared test data, and the folder layouts of Windows 98, XP and 7/10.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace vconfig::testing {

struct TestValue {
  std::string name;  // UTF-8
  uint32_t type;
  std::string data;  // raw bytes as stored
};

// "kind/file" below the shared real-world test data.
// UTF-16LE bytes of UTF-8 text, with the terminating NUL a hive stores.
std::string Utf16Z(const std::string& utf8);
std::string DwordBytes(uint32_t value);
TestValue Sz(const std::string& name, const std::string& data);
TestValue ExpandSz(const std::string& name, const std::string& data);
TestValue Dword(const std::string& name, uint32_t value);

// Keys (backslash-separated paths) and their values.
using HiveContent = std::map<std::string, std::vector<TestValue>>;

// Writes a hive with the given content at path, starting from the minimal hive.
void WriteHive(const std::filesystem::path& path, const HiveContent& content);

std::filesystem::path RealWorldFile(const std::string& name);
std::filesystem::path MinimalHive();

// A temporary folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& path, const std::string& bytes);
void CopyRealWorld(const std::string& name, const std::filesystem::path& to);

// The Run values the installations below carry.
// runValues Run values in all; with64Bit, a 32-bit program's Run value under Wow6432Node.
HiveContent SoftwareHive(const std::string& currentVersion, const std::string& productName,
                         uint32_t runValues = 2, bool with64Bit = false);
HiveContent UserHive(const std::string& startupFolder);

// Windows XP: C:\WINDOWS, "Documents and Settings\alice" and "...\bob".
void MakeXpTree(const std::filesystem::path& root);
// Windows 10: C:\Windows, Users\carol, Users\Public, ProgramData start-up folder.
void MakeWin10Tree(const std::filesystem::path& root);
// Windows 98: C:\WINDOWS with SYSTEM.DAT and USER.DAT (not NT hives).
void MakeWin98Tree(const std::filesystem::path& root);

// A checksum of every file's path and bytes below root (and of each link's target).
std::string TreeChecksum(const std::filesystem::path& root);

}  // namespace vconfig::testing
