// TRegNeVAlFrm: the dialog that writes one value of a Run key. Created once at start
// and reused; shown modally. It keeps the key, never the name of the value opened.
#pragma once

#include <string>

#include "controls/Form_win.h"
#include "controls/GlyphButton_win.h"
#include "platform/Handles_win.h"
#include "platform/Registry.h"

namespace vconfig {

class TRegNeVAlFrm : public Form {
 public:
  bool Create(HWND owner);

  // Opens the dialog with the fields as they were last left.
  void newreg(RegistryRoot root, const std::string& key);
  // Opens the dialog with value number `index` of the key in the fields.
  void editreg(RegistryRoot root, const std::string& key, int index);

  void BitBtn1Click();
  void BitBtn2Click();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateComponents();
  void PrepareAndShow(RegistryRoot root, const std::string& key);
  static std::string FieldText(HWND edit);

  UniqueFont font_;
  HWND label1_ = nullptr;  // the controls are owned by the window
  HWND label2_ = nullptr;
  HWND edit1_ = nullptr;
  HWND edit2_ = nullptr;
  GlyphButton bitBtn1_;
  GlyphButton bitBtn2_;

  RegistryRoot root_ = RegistryRoot::CurrentUser;
  std::string key_;
};

}  // namespace vconfig
