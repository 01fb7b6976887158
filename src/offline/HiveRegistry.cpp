#include "offline/HiveRegistry.h"

#include "locale/CodePage.h"

namespace vconfig {
namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char a = text[i], b = prefix[i];
    if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 'a' + 'A');
    if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 'a' + 'A');
    if (a != b) return false;
  }
  return true;
}

class HiveKey : public RegistryKey {
 public:
  explicit HiveKey(std::vector<RegistryValue> values) : values_(std::move(values)) {}

  std::vector<RegistryValue> Values() override { return values_; }
  std::optional<RegistryValue> Value(const std::string& name) override {
    for (const RegistryValue& v : values_)
      if (v.name.size() == name.size() && StartsWithNoCase(v.name, name)) return v;
    return std::nullopt;
  }
  // An offline installation is never changed.
  bool SetString(const std::string&, const std::string&) override { return false; }
  bool SetExpandString(const std::string&, const std::string&) override { return false; }
  bool DeleteValue(const std::string&) override { return false; }

 private:
  std::vector<RegistryValue> values_;
};

}  // namespace

std::optional<std::string> SoftwareHivePath(const std::string& keyPath, RegistryView view) {
  const std::string prefix = "SOFTWARE\\";
  if (!StartsWithNoCase(keyPath, prefix)) return std::nullopt;
  std::string inHive = keyPath.substr(prefix.size());
  if (view == RegistryView::Bit32) inHive = "Wow6432Node\\" + inHive;
  return inHive;
}

RegistryValue ConvertHiveValue(const HiveValue& value, int codePage) {
  RegistryValue v;
  v.name = Utf8ToCodePage(value.name, codePage);
  v.type = value.type;
  if (value.type == kRegSz || value.type == kRegExpandSz) {
    v.data = Utf16LeToCodePage(value.data, codePage);
  } else if (value.type == kRegMultiSz) {
    for (size_t start = 0; start + 1 < value.data.size();) {
      size_t end = start;
      while (end + 1 < value.data.size() && (value.data[end] || value.data[end + 1])) end += 2;
      if (end == start) break;  // the empty string that ends the list
      v.data +=
          Utf16LeToCodePage(std::string_view(value.data).substr(start, end - start), codePage);
      v.data += '\0';
      start = end + 2;
    }
  } else {
    v.data = value.data;
  }
  return v;
}

HiveRegistry::HiveRegistry(std::shared_ptr<Hive> software, std::shared_ptr<Hive> user, int codePage)
    : software_(std::move(software)), user_(std::move(user)), codePage_(codePage) {}

std::unique_ptr<RegistryKey> HiveRegistry::OpenKey(RegistryRoot root, const std::string& path,
                                                   RegistryAccess, RegistryView view) {
  Hive* hive = nullptr;
  std::string inHive = path;
  if (root == RegistryRoot::LocalMachine) {
    const auto software = SoftwareHivePath(path, view);
    if (!software) return nullptr;
    hive = software_.get();
    inHive = *software;
  } else {
    hive = user_.get();
  }
  if (!hive) return nullptr;
  const auto values = hive->KeyValues(inHive);
  if (!values) return nullptr;
  std::vector<RegistryValue> converted;
  converted.reserve(values->size());
  for (const HiveValue& value : *values) converted.push_back(ConvertHiveValue(value, codePage_));
  return std::make_unique<HiveKey>(std::move(converted));
}

}  // namespace vconfig
