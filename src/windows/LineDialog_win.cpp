#include "windows/LineDialog_win.h"

#include <utility>

#include "app/ArtworkIds.h"
#include "windows/EditDialog_win.h"
#include "controls/buttons/PushButton_win.h"
#include "controls/chrome/TiledBackground_win.h"
#include "controls/chrome/Panel_win.h"
#include "diagnostics/ErrorHandling_win.h"
#include "diagnostics/Errors.h"
#include "locale/Language.h"
#include "platform/FileSystem_win.h"

namespace vconfig {
namespace {

constexpr int kClientWidth = 375;
constexpr int kClientHeight = 56;
constexpr int kFieldId = 101;

}  // namespace

LineDialog::LineDialog() = default;

LineDialog::~LineDialog() {
  // The background lets go of the window before the window goes.
  background_.reset();
}

bool LineDialog::Create(HWND owner) {
  if (!CreateForm(EditDialogArgs("TtextNEFrm", owner, kClientWidth, kClientHeight))) return false;
  CreateComponents();
  return true;
}

void LineDialog::CreateComponents() {
  font_ = CreateEditDialogFont();
  background_ = CreateTiledBackground(*this);
  panel_ = CreateDialogPanel(hwnd(), 3, 2, 368, 50, font_.get());
  HWND on = panel_->hwnd();

  field_ = CreateEditField(on, kFieldId, 6, 4, 359, 21, font_.get());
  okButton_ = CreateDialogButton(on, 87, 26, 74, font_.get(), IDB_BTN_OK, [this] { Confirm(); });
  cancelButton_ =
      CreateDialogButton(on, 164, 26, 75, font_.get(), IDB_BTN_CANCEL, [this] { Cancel(); });
  for (HWND control : {field_, okButton_->hwnd(), cancelButton_->hwnd()})
    tabNavigation_.push_back(std::make_unique<TabNavigation>(control));

  background_->Loaded();
}

void LineDialog::PrepareCaptions(const std::string& path) {
  okButton_->SetCaption(GetLangString(54));
  cancelButton_->SetCaption(GetLangString(55));
  SetCaption(GetLangString(105) + path);
}

void LineDialog::AddLine(const std::string& path, int index, const TextLines& shown) {
  PrepareCaptions(path);
  path_ = path;
  shown_ = shown;
  index_ = index;
  mode_ = LineEditMode::New;
  ShowAndRethrow();
}

void LineDialog::EditLine(const std::string& path, int index, const TextLines& shown) {
  PrepareCaptions(path);
  path_ = path;
  shown_ = shown;
  index_ = index;
  // A failure here ends the command before the dialog shows.
  if (auto line = LineForEditing(SystemFileSystem(), path, shown, index))
    ::SetWindowTextA(field_, line->c_str());
  mode_ = LineEditMode::Edit;
  ShowAndRethrow();
}

void LineDialog::ShowAndRethrow() {
  failure_ = nullptr;
  ShowModal();
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void LineDialog::Confirm() {
  try {
    FileSystem& fs = SystemFileSystem();
    const TextLines lines = PrepareLineChange(fs, path_, shown_, mode_, index_, FieldText(field_));
    WriteTextLines(fs, path_, lines);
  } catch (const EFileChangedError&) {
    // Nothing was written and the line's place is gone: the command shows the file
    // as it is now. The text stays in the field for the next new line.
    failure_ = std::current_exception();
    Close(IDOK);
    return;
  } catch (const EAttributesLostError&) {
    // Written: a success, which the command then reports.
    failure_ = std::current_exception();
  } catch (...) {
    // Nothing was written: the dialog stays open with the text typed, to try again or
    // cancel.
    ReportFailure();
    return;
  }
  ::SetWindowTextA(field_, "");
  Close(IDOK);
}

void LineDialog::ReportFailure() {
  // The error's dialog is the only window to answer while it shows.
  ::EnableWindow(hwnd(), FALSE);
  HandleApplicationException();
  ::EnableWindow(hwnd(), TRUE);
  ::SetActiveWindow(hwnd());
  ::SetFocus(field_);
}

void LineDialog::Close(int result) {
  // Hiding also wakes the modal loop, which may otherwise wait for the next message.
  SetModalResult(result);
  Hide();
}

void LineDialog::Cancel() { Close(IDCANCEL); }

LRESULT LineDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ACTIVATE && LOWORD(wp) != WA_INACTIVE) {
    ::SetFocus(field_);
    ::SendMessageA(field_, EM_SETSEL, 0, -1);
    return 0;
  }
  return Form::HandleMessage(msg, wp, lp);
}

}  // namespace vconfig
