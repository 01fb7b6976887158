#pragma once

#include "controls/Form_win.h"

namespace vconfig {

class TTextEditfrm : public Form {
 public:
  bool Create(HWND owner);
};

}  // namespace vconfig
