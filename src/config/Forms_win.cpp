#include "config/Forms_win.h"

#include <memory>

#include "app/Application_win.h"
#include "config/RegNeVal_win.h"
#include "config/TextEditUnit_win.h"
#include "config/TextNE_win.h"
#include "config/Upravy_win.h"

namespace vconfig {
namespace {

std::unique_ptr<TUpravitFrm> g_upravit;
std::unique_ptr<TTextEditfrm> g_textEdit;
std::unique_ptr<TtextNEFrm> g_textNE;
std::unique_ptr<TRegNeVAlFrm> g_regNeVal;

}  // namespace

TUpravitFrm* UpravitFrm() { return g_upravit.get(); }
TTextEditfrm* TextEditfrm() { return g_textEdit.get(); }
TtextNEFrm* textNEFrm() { return g_textNE.get(); }
TRegNeVAlFrm* RegNeVAlFrm() { return g_regNeVal.get(); }

void RunProgram() {
  g_upravit = std::make_unique<TUpravitFrm>();
  g_upravit->Create();
  // The other windows exist also after a failed guard; the pending termination
  // then ends the message loop at its first turn.
  g_textEdit = std::make_unique<TTextEditfrm>();
  g_textEdit->Create(g_upravit->hwnd());
  g_textNE = std::make_unique<TtextNEFrm>();
  g_textNE->Create(g_upravit->hwnd());
  g_regNeVal = std::make_unique<TRegNeVAlFrm>();
  g_regNeVal->Create(g_upravit->hwnd());
  if (!Application::Terminated()) g_upravit->Show();
  Application::RunMessageLoop();
  g_regNeVal.reset();
  g_textNE.reset();
  g_textEdit.reset();
  g_upravit.reset();
}

}  // namespace vconfig
