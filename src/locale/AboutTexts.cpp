#include "locale/AboutTexts.h"

#include <cctype>

namespace vconfig {

const char* const kAboutFlagCodes[7] = {"EN", "ES", "DE", "CSY", "FR", "IT", "RUS"};

AboutLanguage AboutLanguageFor(const std::string& runLang) {
  std::string code;
  for (char c : runLang) code += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  // Only three languages have a caption of their own; the others say "About".
  if (code == "CSY") return {3, "O Aplikaci"};
  if (code == "DE") return {2, "\xDC" "ber Applikacion"};
  if (code == "ES") return {1, "Sobre aplicati\xF3n"};
  if (code == "FR") return {4, "About"};
  if (code == "IT") return {5, "About"};
  if (code == "RUS") return {6, "About"};
  return {0, "About"};
}

std::string SysErrorTextFrom(const std::string& systemMessage) {
  size_t end = systemMessage.size();
  while (end > 0) {
    const unsigned char c = static_cast<unsigned char>(systemMessage[end - 1]);
    if (c >= '!' && c != '.') break;
    --end;
  }
  return "SysErr: " + systemMessage.substr(0, end);
}

std::string OpenDialogErrorText(const std::string& message) {
  return "Error open dialog !\\n\\n" + message;
}

std::string ShellExecuteErrorText(unsigned long code, const std::string& errorText) {
  return "Error no." + std::to_string(code) + " of 'ShellExecute' design!\\n\\n" + errorText;
}

}  // namespace vconfig
