#include "app/Application_win.h"

#include "controls/buttons/ButtonKeys_win.h"
#include "diagnostics/ErrorHandling_win.h"

namespace vconfig {
namespace {

bool g_terminated = false;
HWND g_mainWindow = nullptr;

void Dispatch(MSG& msg) {
  if (RouteButtonKeys(msg)) return;
  try {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  } catch (...) {
    HandleApplicationException();
  }
}

}  // namespace

void Application::Terminate() {
  if (g_terminated) return;
  g_terminated = true;
  ::PostQuitMessage(0);
}

bool Application::Terminated() { return g_terminated; }

void Application::RunMessageLoop() {
  MSG msg;
  while (!g_terminated) {
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      g_terminated = true;
      break;
    }
    Dispatch(msg);
  }
}

HWND Application::MainWindowHandle() { return g_mainWindow; }
void Application::SetMainWindowHandle(HWND hwnd) { g_mainWindow = hwnd; }

void RunModalLoop(const std::function<bool()>& done) {
  MSG msg;
  while (!done()) {
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      g_terminated = true;
      break;
    }
    Dispatch(msg);
  }
}

void ShowErrorBox(const std::string& text) {
  ::MessageBoxA(::GetActiveWindow(), text.c_str(), "Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void ShowInfoBox(const std::string& text, const std::string& caption) {
  ::MessageBoxA(::GetActiveWindow(), text.c_str(), caption.c_str(),
                MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

}  // namespace vconfig
