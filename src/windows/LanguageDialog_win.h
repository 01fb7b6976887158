// LanguageDialog: the dialog in which the user picks the interface language for the
// next start, and offers to restart at once.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "controls/buttons/FlatButton_win.h"
#include "controls/chrome/ColorPanel_win.h"
#include "controls/Form_win.h"
#include "controls/chrome/TiledBackground_win.h"
#include "locale/LanguageChoice.h"
#include "platform/Handles_win.h"

namespace vconfig {

class Application;

class LanguageDialog : public Form {
 public:
  // A confirmed restart terminates the application.
  explicit LanguageDialog(Application& application);
  ~LanguageDialog() override;

  // Creates the window hidden, with its buttons enabled and pressed as given.
  bool Create(HWND owner, const LanguageButtons& buttons);
  // The index of the pressed language button (SpeedButton1 is 0), -1 for none.
  int PressedButton() const;
  // Whether the user chose to exit for a restart, and a new instance was started.
  bool ExitChosen() const { return exitChosen_; }

  void Confirm();
  void Cancel();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateComponents(const LanguageButtons& buttons);

  Application& application_;
  bool exitChosen_ = false;

  std::unique_ptr<TiledBackground> background_;
  ColorPanel panel_;
  std::array<FlatButton, kLanguageButtonCount> languageButtons_;  // SpeedButton1 to 7
  FlatButton okButton_;
  FlatButton cancelButton_;
  UniqueFont font_;
  UniqueFont boldFont_;
};

// Opens the language dialog modally over its owner; true when the user chose to exit
// and restart. Errors while it is created or shown are swallowed.
bool ShowLanguageDialog(Application& application, HWND owner);

}  // namespace vconfig
