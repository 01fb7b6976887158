#include "config/RegNeVal_win.h"

#include <vector>

#include "config/AutostartEditing.h"
#include "config/EditDialogs_win.h"
#include "locale/Language.h"

namespace vconfig {
namespace {

constexpr int kClientWidth = 402;
constexpr int kClientHeight = 79;
constexpr RECT kPanel{2, 2, 2 + 399, 2 + 75};
constexpr int kEdit1Id = 101;
constexpr int kEdit2Id = 102;
constexpr int kBitBtn1Id = 103;
constexpr int kBitBtn2Id = 104;

}  // namespace

bool TRegNeVAlFrm::Create(HWND owner) {
  if (!CreateForm(EditDialogArgs("TRegNeVAlFrm", owner, kClientWidth, kClientHeight)))
    return false;
  CreateComponents();
  return true;
}

void TRegNeVAlFrm::CreateComponents() {
  font_ = CreateEditDialogFont();
  const int px = kPanel.left, py = kPanel.top;
  label1_ = CreateLabel(hwnd(), px + 16, py + 16, font_.get());
  label2_ = CreateLabel(hwnd(), px + 18, py + 37, font_.get());
  edit1_ = CreateEditField(hwnd(), kEdit1Id, px + 72, py + 5, 321, 21, font_.get());
  edit2_ = CreateEditField(hwnd(), kEdit2Id, px + 72, py + 29, 321, 21, font_.get());
  bitBtn1_.Create(hwnd(), kBitBtn1Id, px + 125, py + 52, 75, 19, ButtonGlyph::Confirm, font_.get());
  bitBtn2_.Create(hwnd(), kBitBtn2Id, px + 205, py + 52, 75, 19, ButtonGlyph::Cancel, font_.get());
  for (HWND control : {edit1_, edit2_, bitBtn1_.hwnd(), bitBtn2_.hwnd()})
    EnableTabNavigation(control);
}

void TRegNeVAlFrm::PrepareAndShow(RegistryRoot root, const std::string& key) {
  root_ = root;
  key_ = key;
  SetLabelText(label1_, GetLangString(108));
  SetLabelText(label2_, GetLangString(109));
  bitBtn1_.SetCaption(GetLangString(54));
  bitBtn2_.SetCaption(GetLangString(55));
  SetCaption(GetLangString(107));
  ShowModal();
}

void TRegNeVAlFrm::newreg(RegistryRoot root, const std::string& key) { PrepareAndShow(root, key); }

void TRegNeVAlFrm::editreg(RegistryRoot root, const std::string& key, int index) {
  // A failure here ends the command before the dialog shows.
  const RunValueText value = RunValueAt(SystemRegistry(), root, key, index);
  ::SetWindowTextA(edit1_, value.name.c_str());
  ::SetWindowTextA(edit2_, value.data.c_str());
  PrepareAndShow(root, key);
}

void TRegNeVAlFrm::BitBtn1Click() {
  // The dialog closes also when the write fails; the fields keep their text.
  struct CloseOnExit {
    TRegNeVAlFrm& form;
    // Hidden at once, so that an error report shows over the main window.
    ~CloseOnExit() {
      form.SetModalResult(IDOK);
      form.Hide();
    }
  } close{*this};
  WriteRunValue(SystemRegistry(), root_, key_, FieldText(edit1_), FieldText(edit2_));
}

void TRegNeVAlFrm::BitBtn2Click() { SetModalResult(IDCANCEL); }

std::string TRegNeVAlFrm::FieldText(HWND edit) {
  const int length = ::GetWindowTextLengthA(edit);
  std::vector<char> text(length + 1);
  ::GetWindowTextA(edit, text.data(), length + 1);
  return std::string(text.data());
}

LRESULT TRegNeVAlFrm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) {
        if (LOWORD(wp) == kBitBtn1Id) BitBtn1Click();
        if (LOWORD(wp) == kBitBtn2Id) BitBtn2Click();
        return 0;
      }
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (item->CtlID == static_cast<UINT>(bitBtn1_.id())) bitBtn1_.Draw(*item);
      if (item->CtlID == static_cast<UINT>(bitBtn2_.id())) bitBtn2_.Draw(*item);
      return TRUE;
    }
    case WM_PAINT: {
      PaintDc dc(hwnd());
      PaintEditDialogPanel(dc.get(), kPanel);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) {
        ::SetFocus(edit1_);
        return 0;
      }
      break;
    default:
      break;
  }
  return Form::HandleMessage(msg, wp, lp);
}

}  // namespace vconfig
