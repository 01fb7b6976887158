// AboutBox: the about box with the product logo, name, version, copyright and links.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "controls/chrome/ShadowLabel_win.h"
#include "controls/Form_win.h"
#include "controls/chrome/Image_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class AboutBox : public Form {
 public:
  // Creates the window hidden, with every control at its design place and text.
  bool Create(HWND owner);
  // Fills captions, the flag and the texts from the settings and the version resource.
  bool FillTexts();

  void OpenWebsite();
  void WriteMail();

  // What the dialog shows, for its owner's and tests' checks.
  std::string CopyrightText() const;
  int VisibleFlag() const;  // index in the about box's flag order, -1 for none

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateComponents();
  void CreateSmallLabel(ShadowLabel& label, const char* text, int left, int top, const LOGFONTA& font,
                        COLORREF color);
  void PaintPictures(HDC dc);
  LRESULT LabelColors(HDC dc, HWND label);

  UniqueBitmap logo_;
  UniqueBitmap copyright_;
  UniqueFont copyrightFont_;
  std::array<Image, 7> flags_;
  ShadowLabel nameLabel_;
  ShadowLabel versionLabel_;
  HWND copyrightLabel_ = nullptr;  // a static control; it belongs to the window
  ShadowLabel webCaption_;
  ShadowLabel webLink_;
  ShadowLabel mailCaption_;
  ShadowLabel mailLink_;
};

}  // namespace vconfig
