#include "cli/ValueText.h"

#include <cstdio>

namespace vconfig {
namespace {

uint64_t LittleEndian(const std::string& data, size_t bytes) {
  uint64_t n = 0;
  for (size_t i = bytes; i-- > 0;) n = (n << 8) | static_cast<unsigned char>(data[i]);
  return n;
}

std::string Number(uint64_t n, int hexDigits) {
  char hex[32];
  std::snprintf(hex, sizeof hex, "0x%0*llx", hexDigits, static_cast<unsigned long long>(n));
  return std::to_string(n) + " (" + hex + ")";
}

std::string HexBytes(const std::string& data) {
  std::string out;
  char byte[4];
  for (const char c : data) {
    std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned char>(c));
    if (!out.empty()) out += ' ';
    out += byte;
  }
  return out;
}

bool IsString(uint32_t type) { return type == kRegSz || type == kRegExpandSz; }

class DescribingKey : public RegistryKey {
 public:
  explicit DescribingKey(std::unique_ptr<RegistryKey> inner) : inner_(std::move(inner)) {}

  std::vector<RegistryValue> Values() override {
    std::vector<RegistryValue> values = inner_->Values();
    for (RegistryValue& v : values) Describe(v);
    return values;
  }
  std::optional<RegistryValue> Value(const std::string& name) override {
    auto v = inner_->Value(name);
    if (v) Describe(*v);
    return v;
  }
  bool SetString(const std::string&, const std::string&) override { return false; }
  bool SetExpandString(const std::string&, const std::string&) override { return false; }
  bool DeleteValue(const std::string&) override { return false; }

 private:
  // Data-less values stay as they are: the readers show them as empty text.
  static void Describe(RegistryValue& v) {
    if (IsString(v.type) || v.data.empty()) return;
    v.data = DescribedValueText(v);
    v.type = kRegSz;
  }
  std::unique_ptr<RegistryKey> inner_;
};

}  // namespace

std::string RegistryTypeName(uint32_t type) {
  static const char* const kNames[] = {"REG_NONE",
                                       "REG_SZ",
                                       "REG_EXPAND_SZ",
                                       "REG_BINARY",
                                       "REG_DWORD",
                                       "REG_DWORD_BIG_ENDIAN",
                                       "REG_LINK",
                                       "REG_MULTI_SZ",
                                       "REG_RESOURCE_LIST",
                                       "REG_FULL_RESOURCE_DESCRIPTOR",
                                       "REG_RESOURCE_REQUIREMENTS_LIST",
                                       "REG_QWORD"};
  if (type < sizeof kNames / sizeof kNames[0]) return kNames[type];
  return "type " + std::to_string(type);
}

std::string ValueDataText(const RegistryValue& v) {
  if (IsString(v.type)) return v.data;
  if (v.type == kRegDword && v.data.size() == 4) return Number(LittleEndian(v.data, 4), 8);
  if (v.type == 11 && v.data.size() == 8) return Number(LittleEndian(v.data, 8), 16);
  if (v.type == kRegMultiSz) {
    std::string joined;
    size_t start = 0;
    for (size_t nul; (nul = v.data.find('\0', start)) != std::string::npos; start = nul + 1)
      joined += (joined.empty() && start == 0 ? "" : " | ") + v.data.substr(start, nul - start);
    return joined;
  }
  return HexBytes(v.data);
}

std::string DescribedValueText(const RegistryValue& v) {
  return "[" + RegistryTypeName(v.type) + "] " + ValueDataText(v);
}

std::unique_ptr<RegistryKey> TypeDescribingRegistry::OpenKey(RegistryRoot root,
                                                             const std::string& path,
                                                             RegistryAccess access,
                                                             RegistryView view) {
  auto key = inner_.OpenKey(root, path, access, view);
  if (!key) return nullptr;
  return std::make_unique<DescribingKey>(std::move(key));
}

}  // namespace vconfig
