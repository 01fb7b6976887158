// Fuzzes the offline registry over damaged hives: a valid test hive with Run keys,
// its bytes flipped or cut where the input says, is opened and read as the console
// report reads it. Whatever the damage, the result is values or EHiveError, never
// a crash.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "offline/HiveRegistry.h"
#include "offline/OfflineTree.h"

namespace {

namespace fs = std::filesystem;
using namespace vconfig;

const std::string& ValidHive() {
  static const std::string bytes = [] {
    testing::TempFolder temp;
    testing::HiveContent content = testing::UserHive("C:\\Users\\x\\Startup");
    const auto machine = testing::SoftwareHive("6.1", "Windows 7", 20, true);
    content.insert(machine.begin(), machine.end());
    testing::WriteHive(temp.path() / "hive", content);
    std::ifstream in(temp.path() / "hive", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }();
  return bytes;
}

// Input: one byte for the length to keep (0: all), then (offset hi, offset lo, xor) triples.
std::string Damage(const uint8_t* data, size_t size) {
  std::string hive = ValidHive();
  if (size == 0) return hive;
  if (data[0] != 0) hive.resize(hive.size() * data[0] / 256);
  for (size_t i = 1; i + 2 < size && !hive.empty(); i += 3) {
    const size_t at = ((static_cast<size_t>(data[i]) << 8) | data[i + 1]) * 7 % hive.size();
    hive[at] = static_cast<char>(hive[at] ^ data[i + 2]);
  }
  return hive;
}

void ReadAll(RegistryKey* key) {
  if (!key) return;
  for (const RegistryValue& v : key->Values()) {
    if ((v.type == kRegSz || v.type == kRegExpandSz) && v.data.find('\0') != std::string::npos)
      std::abort();  // strings end at their NUL
  }
}

}  // namespace

// The damaged hive's file, removed when the run ends.
struct ScratchFile {
  std::string path =
      (fs::temp_directory_path() / ("hivefuzz-" + std::to_string(getpid()))).string();
  ~ScratchFile() { std::remove(path.c_str()); }
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ScratchFile scratch;
  const std::string& path = scratch.path;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << Damage(data, size);
  }
  try {
    std::shared_ptr<Hive> hive = OpenHiveFile(path);
    HiveRegistry registry(hive, hive, 1252);
    ReadAll(registry
                .OpenKey(RegistryRoot::LocalMachine,
                         "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", RegistryAccess::Read,
                         RegistryView::Default)
                .get());
    ReadAll(registry
                .OpenKey(RegistryRoot::LocalMachine,
                         "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", RegistryAccess::Read,
                         RegistryView::Bit32)
                .get());
    ReadAll(registry
                .OpenKey(RegistryRoot::CurrentUser,
                         "Software\\Microsoft\\Windows\\CurrentVersion\\Run", RegistryAccess::Read,
                         RegistryView::Default)
                .get());
    ReadAll(registry
                .OpenKey(RegistryRoot::CurrentUser,
                         "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
                         RegistryAccess::Read, RegistryView::Default)
                .get());
    ReadAll(registry
                .OpenKey(RegistryRoot::LocalMachine,
                         "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", RegistryAccess::Read,
                         RegistryView::Default)
                .get());
  } catch (const EHiveError&) {
  }
  return 0;
}
