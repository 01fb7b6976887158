#include "config/TextEditUnit_win.h"

namespace vconfig {

bool TTextEditfrm::Create(HWND owner) {
  FormArgs args;
  args.className = "TTextEditfrm";
  args.owner = owner;
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  return CreateForm(args);
}

}  // namespace vconfig
