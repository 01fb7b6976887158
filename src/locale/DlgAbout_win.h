// TDlgAbout: the about box with the product logo, name, version, copyright and links.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "controls/ExLabel_win.h"
#include "controls/Form_win.h"
#include "controls/Image_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class TDlgAbout : public Form {
 public:
  // Creates the window hidden, with every control at its design place and text.
  bool Create(HWND owner);
  // Fills captions, the flag and the texts from the settings and the version resource.
  bool SetDlg();
  void FreeDlg();

  void LabelWwwDblClick();
  void LabelMailClick();

  // What the dialog shows, for its owner's and tests' checks.
  TExLabel& LabelName() { return labelName_; }
  TExLabel& LabelVer() { return labelVer_; }
  std::string LabelCopyr1Text() const;
  int VisibleFlag() const;  // index in the about box's flag order, -1 for none

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateComponents();
  HWND CreateLabel(const char* text, int left, int top, int width, int height, int id,
                   HFONT font, DWORD style);
  void FitLabel(HWND label, HFONT font);
  void PaintPictures(HDC dc);
  LRESULT LabelColors(HDC dc, HWND label);

  UniqueBitmap logo_;
  UniqueBitmap copyright_;
  UniqueFont copyrightFont_;
  UniqueFont grayFont_;
  UniqueFont linkFont_;
  std::array<TImage, 7> flags_;
  TExLabel labelName_;
  TExLabel labelVer_;
  HWND labelCopyr1_ = nullptr;  // the static labels belong to the window
  HWND label1_ = nullptr;
  HWND labelWww_ = nullptr;
  HWND label2_ = nullptr;
  HWND labelMail_ = nullptr;
};

}  // namespace vconfig
