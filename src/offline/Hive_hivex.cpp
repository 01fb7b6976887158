// The hive reader over libhivex: native builds only (the Windows build reads the
// live registry and has no libhivex).
#include <hivex.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "offline/Hive.h"

namespace vconfig {
namespace {

struct HiveCloser {
  void operator()(hive_h* h) const { hivex_close(h); }
};
struct MallocFree {
  void operator()(void* p) const { std::free(p); }
};
using UniqueHive = std::unique_ptr<hive_h, HiveCloser>;
template <typename T>
using Malloced = std::unique_ptr<T, MallocFree>;

class HivexHive : public Hive {
 public:
  HivexHive(UniqueHive hive, std::string path) : hive_(std::move(hive)), path_(std::move(path)) {}

  std::optional<std::vector<HiveValue>> KeyValues(const std::string& keyPath) override {
    const hive_node_h node = Find(keyPath);
    if (!node) return std::nullopt;
    errno = 0;
    Malloced<hive_value_h> values(hivex_node_values(hive_.get(), node));
    if (!values) Fail("its values");
    std::vector<HiveValue> result;
    for (size_t i = 0; values.get()[i]; ++i) result.push_back(Read(values.get()[i]));
    return result;
  }

  bool HasKey(const std::string& keyPath) override { return Find(keyPath) != 0; }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    const int error = errno;
    throw EHiveError("Damaged registry hive " + path_ + ": cannot read " + what +
                     (error ? std::string(" (") + std::strerror(error) + ")" : std::string()));
  }

  hive_node_h Find(const std::string& keyPath) {
    hive_node_h node = hivex_root(hive_.get());
    if (!node) Fail("its root key");
    std::istringstream parts(keyPath);
    std::string part;
    while (node && std::getline(parts, part, '\\')) {
      if (part.empty()) continue;
      errno = 0;
      node = hivex_node_get_child(hive_.get(), node, part.c_str());
      if (!node && errno) Fail("key " + keyPath);
    }
    return node;
  }

  HiveValue Read(hive_value_h value) {
    HiveValue v;
    errno = 0;
    Malloced<char> name(hivex_value_key(hive_.get(), value));
    if (!name) Fail("a value's name");
    v.name = name.get();
    hive_type type = hive_t_none;
    size_t length = 0;
    Malloced<char> data(hivex_value_value(hive_.get(), value, &type, &length));
    if (!data && length != 0) Fail("the data of value " + v.name);
    v.type = static_cast<uint32_t>(type);
    if (data) v.data.assign(data.get(), length);
    return v;
  }

  UniqueHive hive_;
  std::string path_;
};

}  // namespace

std::unique_ptr<Hive> OpenHiveFile(const std::string& hostPath) {
  errno = 0;
  // No HIVEX_OPEN_WRITE: the file is opened read-only.
  UniqueHive hive(hivex_open(hostPath.c_str(), 0));
  if (!hive) {
    const int error = errno;
    // hivex says ENOTSUP for a file whose header or cells do not hold together.
    const std::string reason = error == ENOTSUP || error == EINVAL || error == 0
                                   ? "damaged or not a registry hive"
                                   : std::strerror(error);
    throw EHiveError("Cannot read registry hive " + hostPath + ": " + reason);
  }
  return std::make_unique<HivexHive>(std::move(hive), hostPath);
}

bool CanReadHives() { return true; }

}  // namespace vconfig
