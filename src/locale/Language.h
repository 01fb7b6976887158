// Language modules and the settings file beside the program.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Modules.h"

namespace vconfig {

extern const char* const kLanguageCodes[7];
constexpr const char* kNoLoadMessage = "<No load message>";
constexpr const char* kIniError = "<Error>";
constexpr const char* kOptionsSection = "Options";

std::string SystemLanguageCode(uint16_t langId);

// Whether a stored value names one of the seven codes (in any case, as the file
// system finds the module). Any other value could name a file outside the program's
// folder and is treated as a missing module.
bool IsLanguageCode(const std::string& value);

// The program's path with its extension replaced by ".ini".
std::string SettingsFilePath(const std::string& programPath);
// The program's path without its extension, then the code and ".dll".
std::string LanguageModulePath(const std::string& programPath, const std::string& code);

// Found is false when reading fails or the value read equals "<Error>".
bool ReadIniValue(IniStore& ini, const std::string& file, const std::string& section,
                  const std::string& key, std::string& value);
bool WriteIniValue(IniStore& ini, const std::string& file, const std::string& section,
                   const std::string& key, const std::string& value);

class ErrorSink {
 public:
  virtual ~ErrorSink() = default;
  virtual void ShowError(const std::string& text) = 0;
};

struct LanguageEnvironment {
  IniStore& ini;
  FileSystem& files;
  StringModule& module;
  uint16_t systemLangId;
  ErrorSink& errors;
};

// Decides the language, records it in the settings file and loads its module.
// Returns the code in use.
std::string ChooseAndLoadLanguage(LanguageEnvironment& env, const std::string& programPath);

// The process-wide module that GetLangString reads. Process-wide on purpose: the
// language is chosen once at start (a new choice takes a restart), and its texts are
// read everywhere like the program's own string resources.
void SetLanguageModule(std::unique_ptr<StringModule> module);
std::string GetLangString(int id);

}  // namespace vconfig
