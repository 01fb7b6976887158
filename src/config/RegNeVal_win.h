#pragma once

#include "controls/Form_win.h"

namespace vconfig {

class TRegNeVAlFrm : public Form {
 public:
  bool Create(HWND owner);
};

}  // namespace vconfig
