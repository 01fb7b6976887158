// The about box's fixed values and texts.
#pragma once

#include <string>

namespace vconfig {

// The product's web address (host only) and support address, which the links open.
constexpr const char* kProductWebAddress = "www.vorninfo.example";
constexpr const char* kProductMailAddress = "support@vorninfo.example";

constexpr const char* kAboutNotShown = "Not show 'About' !";
constexpr const char* kBuildHintPrefix = "Build:  ";

// The flag codes of the about box's images, in their order (ImageEN ... ImageRUS).
extern const char* const kAboutFlagCodes[7];

struct AboutLanguage {
  int flag = 0;  // index into kAboutFlagCodes
  std::string caption;
};
// The flag and caption for the "RunLang" value (compared upper-cased).
AboutLanguage AboutLanguageFor(const std::string& runLang);

// "SysErr: " and the system's message with trailing blanks, control characters and
// full stops cut off.
std::string SysErrorTextFrom(const std::string& systemMessage);

// The boxes' texts. Their "\n" are the two characters backslash and n, not breaks.
std::string OpenDialogErrorText(const std::string& message);
std::string ShellExecuteErrorText(unsigned long code, const std::string& errorText);

}  // namespace vconfig
