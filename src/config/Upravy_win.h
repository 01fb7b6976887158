// TUpravitFrm: the program's main window.
#pragma once

#include "controls/Form_win.h"

namespace vconfig {

class TUpravitFrm : public Form {
 public:
  // Creates the window; its FormCreate runs the suite guard and the set-up.
  bool Create();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnClose() override;

 private:
  void FormCreate();
  void CreateComponents();
  void FillSourceTree();

  HWND sectionListBox1_ = nullptr;  // owned by the window
  bool setUp_ = false;
};

}  // namespace vconfig
