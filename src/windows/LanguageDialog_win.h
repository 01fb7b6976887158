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

class LanguageDialog : public Form {
 public:
  LanguageDialog();
  ~LanguageDialog() override;

  // Creates the window hidden, with its buttons enabled and pressed as given.
  bool Create(HWND owner, const LanguageButtons& buttons);
  // The index of the pressed language button (SpeedButton1 is 0), -1 for none.
  int PressedButton() const;

  void SpeedButton8Click();
  void SpeedButton9Click();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateComponents(const LanguageButtons& buttons);

  std::unique_ptr<TiledBackground> imgBkgrnd1_;
  ColorPanel panel1_;
  std::array<FlatButton, kLanguageButtonCount> languageButtons_;  // SpeedButton1 to 7
  FlatButton speedButton8_;
  FlatButton speedButton9_;
  UniqueFont font_;
  UniqueFont boldFont_;
};

// Opens the language dialog modally, one at a time; true when the user chose to exit
// and restart. Errors while it is created or shown are swallowed.
bool ShowLanguageDialog();

}  // namespace vconfig
