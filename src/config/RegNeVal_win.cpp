#include "config/RegNeVal_win.h"

namespace vconfig {

bool TRegNeVAlFrm::Create(HWND owner) {
  FormArgs args;
  args.className = "TRegNeVAlFrm";
  args.owner = owner;
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  return CreateForm(args);
}

}  // namespace vconfig
