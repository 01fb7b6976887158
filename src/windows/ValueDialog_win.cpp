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
constexpr int kNameFieldId = 101;
constexpr int kDataFieldId = 102;

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
  panel_ = CreateDialogPanel(hwnd(), 2, 2, 399, 75, font_.get());
  HWND on = panel_->hwnd();

  nameLabel_ = CreateLabel(on, 16, 16, font_.get());
  dataLabel_ = CreateLabel(on, 18, 37, font_.get());
  nameField_ = CreateEditField(on, kNameFieldId, 72, 5, 321, 21, font_.get());
  dataField_ = CreateEditField(on, kDataFieldId, 72, 29, 321, 21, font_.get());
  okButton_ =
      CreateDialogButton(on, 125, 52, 75, font_.get(), IDB_BTN_OK, [this] { Confirm(); });
  cancelButton_ =
      CreateDialogButton(on, 205, 52, 75, font_.get(), IDB_BTN_CANCEL, [this] { Cancel(); });
  for (HWND control : {nameField_, dataField_, okButton_->hwnd(), cancelButton_->hwnd()})
    tabNavigation_.push_back(std::make_unique<TabNavigation>(control));

  background_->Loaded();
}

void ValueDialog::PrepareAndShow(RegistryRoot root, const std::string& key,
                                 RegistryView view) {
  root_ = root;
  key_ = key;
  view_ = view;
  SetLabelText(nameLabel_, GetLangString(108));
  SetLabelText(dataLabel_, GetLangString(109));
  okButton_->SetCaption(GetLangString(54));
  cancelButton_->SetCaption(GetLangString(55));
  SetCaption(GetLangString(107));
  ShowModal();
}

void ValueDialog::AddValue(RegistryRoot root, const std::string& key, RegistryView view) {
  PrepareAndShow(root, key, view);
}

void ValueDialog::EditValue(RegistryRoot root, const std::string& key, RegistryView view,
                            int index) {
  // A failure here ends the command before the dialog shows.
  const RunValueText value = RunValueAt(SystemRegistry(), root, key, view, index);
  ::SetWindowTextA(nameField_, value.name.c_str());
  ::SetWindowTextA(dataField_, value.data.c_str());
  PrepareAndShow(root, key, view);
}

void ValueDialog::Confirm() {
  // The dialog closes also when the write fails, hidden at once so that the error
  // shows over the main window. The fields keep their text.
  struct CloseOnExit {
    ValueDialog& form;
    ~CloseOnExit() {
      form.SetModalResult(IDOK);
      form.Hide();
    }
  } close{*this};
  WriteRunValue(SystemRegistry(), root_, key_, view_, FieldText(nameField_),
                FieldText(dataField_));
}

void ValueDialog::Cancel() {
  SetModalResult(IDCANCEL);
  Hide();
}

LRESULT ValueDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ACTIVATE && LOWORD(wp) != WA_INACTIVE) {
    ::SetFocus(nameField_);
    return 0;
  }
  return Form::HandleMessage(msg, wp, lp);
}

}  // namespace vconfig
