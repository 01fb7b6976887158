#include "windows/ValueDialog_win.h"

#include "app/ArtworkIds.h"
#include "config/AutostartEditing.h"
#include "windows/EditDialog_win.h"
#include "controls/buttons/PushButton_win.h"
#include "controls/chrome/TiledBackground_win.h"
#include "controls/chrome/Panel_win.h"
#include "locale/Language.h"

namespace vconfig {
namespace {

constexpr int kClientWidth = 402;
constexpr int kClientHeight = 79;
constexpr int kEdit1Id = 101;
constexpr int kEdit2Id = 102;

}  // namespace

ValueDialog::ValueDialog() = default;

ValueDialog::~ValueDialog() {
  // The background lets go of the window before the window goes.
  background_.reset();
}

bool ValueDialog::Create(HWND owner) {
  if (!CreateForm(EditDialogArgs("TRegNeVAlFrm", owner, kClientWidth, kClientHeight)))
    return false;
  CreateComponents();
  return true;
}

void ValueDialog::CreateComponents() {
  font_ = CreateEditDialogFont();
  background_ = CreateTiledBackground(*this);
  Panel1_ = CreateDialogPanel(hwnd(), 2, 2, 399, 75, font_.get());
  HWND on = Panel1_->hwnd();

  Label1_ = CreateLabel(on, 16, 16, font_.get());
  Label2_ = CreateLabel(on, 18, 37, font_.get());
  Edit1_ = CreateEditField(on, kEdit1Id, 72, 5, 321, 21, font_.get());
  Edit2_ = CreateEditField(on, kEdit2Id, 72, 29, 321, 21, font_.get());
  BitBtn1_ =
      CreateDialogButton(on, 125, 52, 75, font_.get(), IDB_BTN_OK, [this] { BitBtn1Click(); });
  BitBtn2_ =
      CreateDialogButton(on, 205, 52, 75, font_.get(), IDB_BTN_CANCEL, [this] { BitBtn2Click(); });
  for (HWND control : {Edit1_, Edit2_, BitBtn1_->hwnd(), BitBtn2_->hwnd()})
    EnableTabNavigation(control);

  background_->Loaded();
}

void ValueDialog::PrepareAndShow(RegistryRoot root, const std::string& key) {
  root_ = root;
  key_ = key;
  SetLabelText(Label1_, GetLangString(108));
  SetLabelText(Label2_, GetLangString(109));
  BitBtn1_->SetCaption(GetLangString(54));
  BitBtn2_->SetCaption(GetLangString(55));
  SetCaption(GetLangString(107));
  ShowModal();
}

void ValueDialog::newreg(RegistryRoot root, const std::string& key) { PrepareAndShow(root, key); }

void ValueDialog::editreg(RegistryRoot root, const std::string& key, int index) {
  // A failure here ends the command before the dialog shows.
  const RunValueText value = RunValueAt(SystemRegistry(), root, key, index);
  ::SetWindowTextA(Edit1_, value.name.c_str());
  ::SetWindowTextA(Edit2_, value.data.c_str());
  PrepareAndShow(root, key);
}

void ValueDialog::BitBtn1Click() {
  // The dialog closes also when the write fails, hidden at once so that the error
  // shows over the main window. The fields keep their text.
  struct CloseOnExit {
    ValueDialog& form;
    ~CloseOnExit() {
      form.SetModalResult(IDOK);
      form.Hide();
    }
  } close{*this};
  WriteRunValue(SystemRegistry(), root_, key_, FieldText(Edit1_), FieldText(Edit2_));
}

void ValueDialog::BitBtn2Click() {
  SetModalResult(IDCANCEL);
  Hide();
}

LRESULT ValueDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ACTIVATE && LOWORD(wp) != WA_INACTIVE) {
    ::SetFocus(Edit1_);
    return 0;
  }
  return Form::HandleMessage(msg, wp, lp);
}

}  // namespace vconfig
