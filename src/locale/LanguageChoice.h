// What the language dialog shows and stores, apart from its window.
#pragma once

#include <array>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Modules.h"

namespace vconfig {

constexpr int kLanguageButtonCount = 7;
// SpeedButton1 to SpeedButton7, top to bottom: codes and the labels beside them.
extern const char* const kLanguageButtonCodes[kLanguageButtonCount];
extern const char* const kLanguageButtonLabels[kLanguageButtonCount];

constexpr const char* kRestartQuestion =
    "Changing language will take effect after you restart the application.Would You like to exit?";
constexpr const char* kRestartFailed = "Cannot restart the application";

struct LanguageButtons {
  std::array<bool, kLanguageButtonCount> enabled{};
  int pressed = -1;  // none
};

// Enables the buttons whose module exists and presses the one of the configured
// language (exactly as stored); an absent setting becomes "EN" and is written.
LanguageButtons PrepareLanguageButtons(IniStore& ini, FileSystem& files,
                                       const std::string& programPath);

// Stores the pressed button's code, or the empty string when none is pressed.
void StoreLanguageChoice(IniStore& ini, const std::string& programPath, int pressed);

}  // namespace vconfig
