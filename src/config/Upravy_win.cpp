#include "config/Upravy_win.h"

#include "app/Application_win.h"
#include "app/Startup_win.h"
#include "config/Catalogue.h"
#include "locale/Language.h"

namespace vconfig {
namespace {

constexpr int kSourceTreeId = 101;

}  // namespace

bool TUpravitFrm::Create() {
  FormArgs args;
  args.className = "TUpravitFrm";
  args.caption = kApplicationTitle;
  args.width = 586;
  args.height = 493;
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  // Centred on the desktop.
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  args.x = work.left + (work.right - work.left - args.width) / 2;
  args.y = work.top + (work.bottom - work.top - args.height) / 2;
  if (!CreateForm(args)) return false;
  Application::SetMainWindow(hwnd());
  FormCreate();
  return true;
}

void TUpravitFrm::FormCreate() {
  if (!RunSuiteGuard()) {
    Application::Terminate();
    return;
  }
  LoadLanguageModule();
  ReadSystemLocations();
  CreateComponents();
  SetUpCatalogue();
  FillSourceTree();
  setUp_ = true;
}

void TUpravitFrm::CreateComponents() {
  sectionListBox1_ = CreateChild(hwnd(), "LISTBOX", "",
                                 WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 8, 36,
                                 193, 417, kSourceTreeId);
}

void TUpravitFrm::FillSourceTree() {
  const Catalogue& catalogue = TheCatalogue();
  for (int g = 0; g < kGroupCount; ++g) {
    ::SendMessageA(sectionListBox1_, LB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(catalogue.GroupTitle(g).c_str()));
    for (const auto& source : catalogue.Group(g))
      ::SendMessageA(sectionListBox1_, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(source.caption.c_str()));
  }
}

LRESULT TUpravitFrm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_GETMINMAXINFO: {
      auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
      mm->ptMinTrackSize = mm->ptMaxTrackSize = POINT{586, 493};
      return 0;
    }
    case WM_DESTROY:
      Application::Terminate();
      return 0;
    default:
      return Form::HandleMessage(msg, wp, lp);
  }
}

void TUpravitFrm::OnClose() { ::DestroyWindow(hwnd()); }

}  // namespace vconfig
