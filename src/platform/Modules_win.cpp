#include "platform/Modules_win.h"

namespace vconfig {

std::optional<std::string> Win32IniStore::Read(const std::string& file, const std::string& section,
                                               const std::string& key, const std::string& def) {
  char buf[2048] = {};
  ::GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buf, sizeof buf,
                             file.c_str());
  return std::string(buf);
}

bool Win32IniStore::Write(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& value) {
  return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
         FALSE;
}

#ifndef LOAD_LIBRARY_AS_IMAGE_RESOURCE
#define LOAD_LIBRARY_AS_IMAGE_RESOURCE 0x00000020
#endif

bool Win32StringModule::Load(const std::string& path) {
  module_.reset();
  // Only the string table is wanted: loaded as data, no code of the module runs.
  module_.reset(::LoadLibraryExA(path.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  // Systems before Vista do not know the second flag and refuse the call.
  if (!module_ && ::GetLastError() == ERROR_INVALID_PARAMETER)
    module_.reset(::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  return static_cast<bool>(module_);
}

std::string Win32StringModule::Text(int id) {
  if (!module_) return {};
  char buf[1024] = {};
  const int n = ::LoadStringA(module_.get(), static_cast<UINT>(id), buf, sizeof buf);
  if (n <= 0) return {};
  return std::string(buf, strnlen(buf, static_cast<size_t>(n)));
}

}  // namespace vconfig
