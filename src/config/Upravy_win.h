// TUpravitFrm: the program's main window. The source tree on the left, the content
// list on the right, the top bar of buttons and the two popup menus of the list.
#pragma once

#include "config/ContentReaders.h"
#include "controls/Form_win.h"

namespace vconfig {

class TSectionListBox;

// The point of the last right-button release over the content list, in its client
// coordinates; every popup command finds its target again by hit-testing it.
extern POINT PopupPoint;

class TUpravitFrm : public Form {
 public:
  // Creates the window; its FormCreate runs the suite guard and the set-up.
  bool Create();

  // For the popup commands.
  TSectionListBox* ContentList() const;
  // The content list's row at PopupPoint (a miss gives section 0, row 0).
  PopupTarget TargetAtPopupPoint() const;
  // Replaces the rows of one content section by its source's current content; the
  // section keeps its state. A caption that is not shown does nothing.
  void ReloadSection(const std::string& caption);
  // Readers over the real system.
  static ContentEnvironment Environment();

  // Popup commands (their own file).
  void Add1Click();
  void Edit1Click();
  void Rem1Click();
  void View1Click();
  void Add2Click();
  void Edit2Click();
  void Rem2Click();
  void View2Click();

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
