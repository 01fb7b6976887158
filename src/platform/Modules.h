// Settings-file access and the language module's string table.
#pragma once

#include <optional>
#include <string>

namespace vconfig {

class IniStore {
 public:
  virtual ~IniStore() = default;
  // The text read, or the default when absent; empty when reading fails.
  virtual std::optional<std::string> Read(const std::string& file, const std::string& section,
                                          const std::string& key, const std::string& def) = 0;
  virtual bool Write(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) = 0;
};

class StringModule {
 public:
  virtual ~StringModule() = default;
  // Releases any module held, then loads the one at path; false when it cannot.
  virtual bool Load(const std::string& path) = 0;
  // Text number id up to its first NUL, at most 1023 characters; empty when missing.
  virtual std::string Text(int id) = 0;
};

}  // namespace vconfig
