// TLanguagesettings: the dialog in which the user picks the interface language for the
// next start, and offers to restart at once.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "controls/BtnExplSpeedButton_win.h"
#include "controls/ColorPanel_win.h"
#include "controls/Form_win.h"
#include "controls/ImgBkgrnd_win.h"
#include "locale/LanguageChoice.h"
#include "platform/Handles_win.h"

namespace vconfig {

class TLanguagesettings : public Form {
 public:
  TLanguagesettings();
  ~TLanguagesettings() override;

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

  std::unique_ptr<TImgBkgrnd> imgBkgrnd1_;
  TColorPanel panel1_;
  std::array<TSpeedButton, kLanguageButtonCount> languageButtons_;  // SpeedButton1 to 7
  TSpeedButton speedButton8_;
  TSpeedButton speedButton9_;
  UniqueFont font_;
  UniqueFont boldFont_;
};

// Opens the language dialog modally, one at a time; true when the user chose to exit
// and restart. Errors while it is created or shown are swallowed.
bool ShowLanguageDialog();

}  // namespace vconfig
