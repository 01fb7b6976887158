// The application object: it owns the program's windows, creates them in start-up
// order, and runs the message loop until the program terminates. Beside it the modal
// loop that the forms share and the program's message boxes.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace vconfig {

class EditorWindow;
class LineDialog;
class MainWindow;
class ValueDialog;

constexpr const char* kApplicationTitle = "Vorn Info Config";

// Where a message loop takes its messages from, with GetMessage's contract: a
// positive value for a message, 0 for WM_QUIT, -1 for a failure that filled nothing.
using MessageSource = BOOL (*)(MSG& msg);
// The next message for any window of this thread.
BOOL NextThreadMessage(MSG& msg);

class Application {
 public:
  Application();
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Creates the main window and shows it unless the start-up ended the program,
  // runs the message loop (which makes the hidden windows at its first turn) and frees
  // the windows again.
  void Run();

  void Terminate();  // a second request has no further effect
  // Whether the program may end now: the editor window asks about its changes.
  bool ConfirmEnd() const;
  bool Terminated() const { return terminated_; }
  // Runs until the application terminates, WM_QUIT arrives or the queue cannot be
  // read; the last two terminate the application.
  void RunMessageLoop(MessageSource next = &NextThreadMessage);

  // The windows that exist once per run. Run() has them made at the message loop's
  // first turn; asked for earlier, they are made then (all three, in start-up order).
  EditorWindow& Editor();
  LineDialog& LineEditor();
  ValueDialog& ValueEditor();

 private:
  void CreateHiddenWindows();  // the editor and the two dialogs, in start-up order, once
  void DestroyWindows();

  bool terminated_ = false;
  bool hiddenWindowsMade_ = false;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<EditorWindow> editor_;
  std::unique_ptr<LineDialog> lineDialog_;
  std::unique_ptr<ValueDialog> valueDialog_;
};

// Pumps messages until done() holds. WM_QUIT ends it too and is put back for the
// outer loop; a queue that cannot be read ends it as well (the outer loop then
// meets the same failure and ends the program).
void RunModalLoop(const std::function<bool()>& done, MessageSource next = &NextThreadMessage);

// Modal message boxes of the program: error icon and OK, or information icon.
void ShowErrorBox(const std::string& text);
void ShowInfoBox(const std::string& text, const std::string& caption);

}  // namespace vconfig
