#include "locale/Language.h"

#include <cctype>

namespace vconfig {
namespace {

std::unique_ptr<StringModule> g_module;

std::string WithoutExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of("\\/:");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path;
  return path.substr(0, dot);
}

}  // namespace

const char* const kLanguageCodes[7] = {"CSY", "DE", "EN", "ES", "FR", "IT", "RUS"};

std::string SystemLanguageCode(uint16_t langId) {
  switch (langId & 0x3FF) {
    case 5: return "CSY";
    case 7: return "DE";
    case 10: return "ES";
    case 12: return "FR";
    case 16: return "IT";
    case 25: return "RUS";
    default: return "EN";
  }
}

bool IsLanguageCode(const std::string& value) {
  for (const char* code : kLanguageCodes) {
    const std::string known = code;
    if (value.size() != known.size()) continue;
    bool same = true;
    for (size_t i = 0; i < value.size() && same; ++i)
      same = std::toupper(static_cast<unsigned char>(value[i])) == known[i];
    if (same) return true;
  }
  return false;
}

std::string SettingsFilePath(const std::string& programPath) {
  return WithoutExtension(programPath) + ".ini";
}

std::string LanguageModulePath(const std::string& programPath, const std::string& code) {
  return WithoutExtension(programPath) + code + ".dll";
}

bool ReadIniValue(IniStore& ini, const std::string& file, const std::string& section,
                  const std::string& key, std::string& value) {
  value = kIniError;
  try {
    auto read = ini.Read(file, section, key, kIniError);
    if (!read) return false;
    value = *read;
    return value != kIniError;
  } catch (...) {
    return false;
  }
}

bool WriteIniValue(IniStore& ini, const std::string& file, const std::string& section,
                   const std::string& key, const std::string& value) {
  try {
    return ini.Write(file, section, key, value);
  } catch (...) {
    return false;
  }
}

std::string ChooseAndLoadLanguage(LanguageEnvironment& env, const std::string& programPath) {
  const std::string settings = SettingsFilePath(programPath);
  std::string code;
  if (!ReadIniValue(env.ini, settings, kOptionsSection, "Language", code)) {
    code = SystemLanguageCode(env.systemLangId);
    WriteIniValue(env.ini, settings, kOptionsSection, "Language", code);
  }
  std::string modulePath = LanguageModulePath(programPath, code);
  if (!IsLanguageCode(code) || !env.files.FileExists(modulePath)) {
    env.errors.ShowError("Jazykov\xE1 mutace " + code + " modulu neexistuje!");
    code = "EN";
    modulePath = LanguageModulePath(programPath, code);
    WriteIniValue(env.ini, settings, kOptionsSection, "Language", code);
  }
  WriteIniValue(env.ini, settings, kOptionsSection, "RunLang", code);
  env.module.Load(modulePath);
  return code;
}

void SetLanguageModule(std::unique_ptr<StringModule> module) { g_module = std::move(module); }

std::string GetLangString(int id) {
  try {
    if (g_module) {
      std::string text = g_module->Text(id);
      if (!text.empty()) return text;
    }
  } catch (...) {
  }
  return kNoLoadMessage;
}

}  // namespace vconfig
