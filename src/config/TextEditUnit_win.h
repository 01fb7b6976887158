// TTextEditfrm: the whole-file editor window, created hidden once and reused.
#pragma once

#include <string>

#include "controls/Form_win.h"

namespace vconfig {

class TTextEditfrm : public Form {
 public:
  bool Create(HWND owner);
  // Loads the file into the editor and shows the window (not modal).
  void textedit(const std::string& path);
};

}  // namespace vconfig
