#include "windows/ProgramWindows_win.h"

#include <memory>

#include "app/Application_win.h"
#include "windows/ValueDialog_win.h"
#include "windows/EditorWindow_win.h"
#include "windows/LineDialog_win.h"
#include "windows/MainWindow_win.h"

namespace vconfig {
namespace {

std::unique_ptr<MainWindow> g_upravit;
std::unique_ptr<EditorWindow> g_textEdit;
std::unique_ptr<LineDialog> g_textNE;
std::unique_ptr<ValueDialog> g_regNeVal;

}  // namespace

MainWindow* UpravitFrm() { return g_upravit.get(); }
EditorWindow* TextEditfrm() { return g_textEdit.get(); }
LineDialog* textNEFrm() { return g_textNE.get(); }
ValueDialog* RegNeVAlFrm() { return g_regNeVal.get(); }

void RunProgram() {
  g_upravit = std::make_unique<MainWindow>();
  g_upravit->Create();
  // The other windows exist also after a failed guard; the pending termination
  // then ends the message loop at its first turn.
  g_textEdit = std::make_unique<EditorWindow>();
  g_textEdit->Create(g_upravit->hwnd());
  g_textNE = std::make_unique<LineDialog>();
  g_textNE->Create(g_upravit->hwnd());
  g_regNeVal = std::make_unique<ValueDialog>();
  g_regNeVal->Create(g_upravit->hwnd());
  if (!Application::Terminated()) g_upravit->Show();
  Application::RunMessageLoop();
  g_regNeVal.reset();
  g_textNE.reset();
  g_textEdit.reset();
  g_upravit.reset();
}

}  // namespace vconfig
