#include "platform/VersionResource_win.h"

#include <windows.h>

#include <vector>

#include "platform/FileSystem_win.h"
#include "platform/Handles_win.h"

namespace vconfig {
namespace {

class Win32VersionBlock : public VersionBlock {
 public:
  explicit Win32VersionBlock(std::vector<char> data) : data_(std::move(data)) {}

  std::optional<std::string> QueryBytes(const std::string& subBlock) const override {
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(data_.data(), subBlock.c_str(), &value, &length) || !value)
      return std::nullopt;
    return std::string(static_cast<const char*>(value), length);
  }

  std::optional<std::string> QueryString(const std::string& subBlock) const override {
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(data_.data(), subBlock.c_str(), &value, &length) || !value)
      return std::nullopt;
    // The length counts characters and may or may not include the NUL: stop at either.
    const char* text = static_cast<const char*>(value);
    return std::string(text, strnlen(text, length));
  }

 private:
  // VerQueryValueA may write converted strings into the block, hence mutable storage.
  mutable std::vector<char> data_;
};

}  // namespace

std::unique_ptr<VersionBlock> Win32VersionResource::Read(const std::string& path) {
  DWORD handle = 0;
  const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return nullptr;
  std::vector<char> data(size);
  if (!::GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return nullptr;
  return std::make_unique<Win32VersionBlock>(std::move(data));
}

std::string Win32VersionResource::ModifiedShortDate(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return {};
  FILETIME local{};
  SYSTEMTIME time{};
  if (!::FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
      !::FileTimeToSystemTime(&local, &time))
    return {};
  char text[128] = {};
  if (!::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof text))
    return {};
  return text;
}

std::string Win32VersionResource::ExecutablePath() { return ProgramPath(); }

std::string Win32VersionResource::ModulePath() {
  HMODULE self = nullptr;
  ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&SystemVersionResource), &self);
  char path[MAX_PATH + 1] = {};
  const DWORD n = ::GetModuleFileNameA(self, path, MAX_PATH);
  return std::string(path, n);
}

VersionResource& SystemVersionResource() {
  static Win32VersionResource resource;
  return resource;
}

}  // namespace vconfig
