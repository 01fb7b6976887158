#include "app/Application_win.h"

#include "controls/buttons/ButtonKeys_win.h"
#include "diagnostics/ErrorHandling_win.h"
#include "windows/EditorWindow_win.h"
#include "windows/LineDialog_win.h"
#include "windows/MainWindow_win.h"
#include "windows/ValueDialog_win.h"

namespace vconfig {
namespace {

void Dispatch(MSG& msg) {
  if (RouteButtonKeys(msg)) return;
  try {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  } catch (...) {
    HandleApplicationException();
  }
}

// Why a message loop stopped.
enum class LoopEnd { kDone, kQuit, kFailed };

// A message of this thread (no window) that asks the application's loop to make the
// hidden windows.
constexpr UINT kMakeHiddenWindows = WM_APP + 0x100;

// Takes a message that the loop handles itself; true when it did.
using ThreadMessageHandler = std::function<bool(const MSG& msg)>;

// The loop that the application's and the modal loops share. On kQuit, quitCode
// holds the exit code that WM_QUIT carried.
LoopEnd PumpMessages(const std::function<bool()>& done, MessageSource next, WPARAM& quitCode,
                     const ThreadMessageHandler& own = nullptr) {
  MSG msg;
  while (!done()) {
    const BOOL got = next(msg);
    if (got == 0) {
      quitCode = msg.wParam;
      return LoopEnd::kQuit;
    }
    // A failure leaves nothing to dispatch, and asking again would only fail again.
    if (got == -1) return LoopEnd::kFailed;
    if (own && !msg.hwnd && own(msg)) continue;
    Dispatch(msg);
  }
  return LoopEnd::kDone;
}

}  // namespace

BOOL NextThreadMessage(MSG& msg) { return ::GetMessageA(&msg, nullptr, 0, 0); }

Application::Application() = default;

Application::~Application() { DestroyWindows(); }

void Application::Run() {
  main_ = std::make_unique<MainWindow>(*this);
  main_->Create();
  if (terminated_) {
    // The other windows exist also after a failed guard; the pending termination
    // ends the loop at its first turn.
    CreateHiddenWindows();
  } else {
    main_->Show();
    // The other windows are made at the loop's first turn, once the main window is
    // on the screen, answers and is drawn: the request is queued before any input,
    // and a command that needs one of them earlier makes them then (see Editor()).
    ::PostThreadMessageA(::GetCurrentThreadId(), kMakeHiddenWindows, 0, 0);
  }
  RunMessageLoop();
  DestroyWindows();
}

void Application::CreateHiddenWindows() {
  if (hiddenWindowsMade_) return;
  hiddenWindowsMade_ = true;
  HWND owner = main_ ? main_->hwnd() : nullptr;
  editor_ = std::make_unique<EditorWindow>();
  editor_->Create(owner);
  // A file saved from the editor shows its new lines in the content list.
  editor_->OnSaved = [this](const std::string& path) {
    if (main_) main_->ReloadSectionsOfFile(path);
  };
  lineDialog_ = std::make_unique<LineDialog>();
  lineDialog_->Create(owner);
  valueDialog_ = std::make_unique<ValueDialog>();
  valueDialog_->Create(owner);
}

void Application::DestroyWindows() {
  // The editor and the dialogs live in windows that the main window owns: they go first.
  valueDialog_.reset();
  lineDialog_.reset();
  editor_.reset();
  main_.reset();
}

void Application::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  ::PostQuitMessage(0);
}

bool Application::ConfirmEnd() const { return !editor_ || editor_->ConfirmDropChanges(); }

EditorWindow& Application::Editor() {
  CreateHiddenWindows();
  return *editor_;
}

LineDialog& Application::LineEditor() {
  CreateHiddenWindows();
  return *lineDialog_;
}

ValueDialog& Application::ValueEditor() {
  CreateHiddenWindows();
  return *valueDialog_;
}

void Application::RunMessageLoop(MessageSource next) {
  WPARAM quitCode = 0;
  const auto own = [this](const MSG& msg) {
    if (msg.message != kMakeHiddenWindows) return false;
    // Queued messages come before painting: the main window is drawn first, so that
    // it is not left blank while the others are made.
    try {
      if (main_) ::UpdateWindow(main_->hwnd());
    } catch (...) {
      HandleApplicationException();
    }
    CreateHiddenWindows();
    return true;
  };
  if (PumpMessages([this] { return terminated_; }, next, quitCode, own) != LoopEnd::kDone)
    terminated_ = true;
}

void RunModalLoop(const std::function<bool()>& done, MessageSource next) {
  WPARAM quitCode = 0;
  if (PumpMessages(done, next, quitCode) == LoopEnd::kQuit)
    ::PostQuitMessage(static_cast<int>(quitCode));
}

void ShowErrorBox(const std::string& text) {
  ::MessageBoxA(::GetActiveWindow(), text.c_str(), "Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void ShowInfoBox(const std::string& text, const std::string& caption) {
  ::MessageBoxA(::GetActiveWindow(), text.c_str(), caption.c_str(),
                MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

}  // namespace vconfig
