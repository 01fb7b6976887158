// ValueDialog: the dialog that writes one value of a Run key. Created once at start
// and reused; shown modally. It keeps the key and its view, never the name of the
// value opened.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/Form_win.h"
#include "platform/Handles_win.h"
#include "platform/Registry.h"

namespace vconfig {

class PushButton;
class TabNavigation;
class TiledBackground;
class Panel;

class ValueDialog : public Form {
 public:
  ValueDialog();
  ~ValueDialog() override;
  bool Create(HWND owner);

  // Opens the dialog with the fields as they were last left.
  void AddValue(RegistryRoot root, const std::string& key, RegistryView view);
  // Opens the dialog with value number `index` of the key in the fields.
  void EditValue(RegistryRoot root, const std::string& key, RegistryView view, int index);

  void Confirm();
  void Cancel();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateComponents();
  void PrepareAndShow(RegistryRoot root, const std::string& key, RegistryView view);

  UniqueFont font_;
  std::unique_ptr<TiledBackground> background_;
  std::unique_ptr<Panel> panel_;
  HWND nameLabel_ = nullptr;  // the fields and labels are owned by the panel
  HWND dataLabel_ = nullptr;
  HWND nameField_ = nullptr;
  HWND dataField_ = nullptr;
  std::unique_ptr<PushButton> okButton_;
  std::unique_ptr<PushButton> cancelButton_;
  std::vector<std::unique_ptr<TabNavigation>> tabNavigation_;

  RegistryRoot root_ = RegistryRoot::CurrentUser;
  std::string key_;
  RegistryView view_ = RegistryView::Default;
};

}  // namespace vconfig
