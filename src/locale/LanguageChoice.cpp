#include "locale/LanguageChoice.h"

#include "locale/Language.h"

namespace vconfig {

const char* const kLanguageButtonCodes[kLanguageButtonCount] = {"CSY", "DE", "EN", "ES",
                                                                "FR",  "IT", "RUS"};
const char* const kLanguageButtonLabels[kLanguageButtonCount] = {"CZ", "DE", "EN", "ES",
                                                                 "FR", "IT", "RU"};

LanguageButtons PrepareLanguageButtons(IniStore& ini, FileSystem& files,
                                       const std::string& programPath) {
  // Button indexes in the order the module files are looked for: EN, ES, DE, FR, IT, RUS, CSY.
  static const int kCheckOrder[kLanguageButtonCount] = {2, 3, 1, 4, 5, 6, 0};
  LanguageButtons buttons;
  for (int index : kCheckOrder)
    buttons.enabled[index] =
        files.FileExists(LanguageModulePath(programPath, kLanguageButtonCodes[index]));

  const std::string settings = SettingsFilePath(programPath);
  std::string code;
  if (!ReadIniValue(ini, settings, kOptionsSection, "Language", code)) {
    code = "EN";
    WriteIniValue(ini, settings, kOptionsSection, "Language", code);
  }
  for (int i = 0; i < kLanguageButtonCount; ++i)
    if (code == kLanguageButtonCodes[i]) buttons.pressed = i;
  return buttons;
}

void StoreLanguageChoice(IniStore& ini, const std::string& programPath, int pressed) {
  const std::string code =
      pressed >= 0 && pressed < kLanguageButtonCount ? kLanguageButtonCodes[pressed] : "";
  WriteIniValue(ini, SettingsFilePath(programPath), kOptionsSection, "Language", code);
}

}  // namespace vconfig
