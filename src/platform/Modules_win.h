#pragma once

#include "platform/Handles_win.h"
#include "platform/Modules.h"

namespace vconfig {

class Win32IniStore : public IniStore {
 public:
  std::optional<std::string> Read(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& def) override;
  bool Write(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) override;
};

class Win32StringModule : public StringModule {
 public:
  bool Load(const std::string& path) override;
  std::string Text(int id) override;
  HMODULE handle() const { return module_.get(); }

 private:
  UniqueModule module_;
};

}  // namespace vconfig
