// The reporter's modal error dialog: the message with an icon, "OK", "Details >>"
// opening the pages of the call stack and the registers, and "Terminate" when the
// options ask for it.
#pragma once

#include <windows.h>

#include <string>

namespace vconfig {

struct ErrorDialogContent {
  std::string message;
  std::string callStack;
  std::string registers;
  std::string additional;
  std::string customCaption;
  unsigned options;
};

// Returns when the dialog is closed ("Terminate" ends the process instead).
void ShowErrorDialog(HWND owner, const ErrorDialogContent& content);

}  // namespace vconfig
