#include "config/TextNE_win.h"

namespace vconfig {

bool TtextNEFrm::Create(HWND owner) {
  FormArgs args;
  args.className = "TtextNEFrm";
  args.owner = owner;
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  return CreateForm(args);
}

}  // namespace vconfig
