// The application object: title, termination request and the message loops.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace vconfig {

constexpr const char* kApplicationTitle = "Vorn Info Config";

class Application {
 public:
  static void Terminate();  // a second request has no further effect
  static bool Terminated();
  // Runs until the application terminates.
  static void RunMessageLoop();
  static HWND MainWindowHandle();
  static void SetMainWindowHandle(HWND hwnd);
};

// Pumps messages until done() holds or the application terminates (WM_QUIT is put
// back for the outer loop).
void RunModalLoop(const std::function<bool()>& done);

// Modal message boxes of the program: error icon and OK, or information icon.
void ShowErrorBox(const std::string& text);
void ShowInfoBox(const std::string& text, const std::string& caption);

}  // namespace vconfig
