#include "config/TextNE_win.h"

#include <vector>

#include "config/EditDialogs_win.h"
#include "locale/Language.h"
#include "platform/FileSystem_win.h"

namespace vconfig {
namespace {

constexpr int kClientWidth = 375;
constexpr int kClientHeight = 56;
constexpr RECT kPanel{3, 2, 3 + 368, 2 + 50};
constexpr int kEdit1Id = 101;
constexpr int kBitBtn1Id = 102;
constexpr int kBitBtn2Id = 103;

}  // namespace

bool TtextNEFrm::Create(HWND owner) {
  if (!CreateForm(EditDialogArgs("TtextNEFrm", owner, kClientWidth, kClientHeight))) return false;
  CreateComponents();
  return true;
}

void TtextNEFrm::CreateComponents() {
  font_ = CreateEditDialogFont();
  // Positions on the panel, which lies at kPanel's corner.
  const int px = kPanel.left, py = kPanel.top;
  edit1_ = CreateEditField(hwnd(), kEdit1Id, px + 6, py + 4, 359, 21, font_.get());
  bitBtn1_.Create(hwnd(), kBitBtn1Id, px + 87, py + 26, 74, 19, ButtonGlyph::Confirm, font_.get());
  bitBtn2_.Create(hwnd(), kBitBtn2Id, px + 164, py + 26, 75, 19, ButtonGlyph::Cancel, font_.get());
  for (HWND control : {edit1_, bitBtn1_.hwnd(), bitBtn2_.hwnd()}) EnableTabNavigation(control);
}

void TtextNEFrm::PrepareCaptions(const std::string& path) {
  bitBtn1_.SetCaption(GetLangString(54));
  bitBtn2_.SetCaption(GetLangString(55));
  SetCaption(GetLangString(105) + path);
}

void TtextNEFrm::newtext(const std::string& path, int index) {
  PrepareCaptions(path);
  path_ = path;
  index_ = index;
  mode_ = LineEditMode::New;
  ShowModal();
}

void TtextNEFrm::edittext(const std::string& path, int index) {
  PrepareCaptions(path);
  path_ = path;
  index_ = index;
  // A failure here ends the command before the dialog shows.
  if (auto line = LineForEditing(SystemFileSystem(), path, index)) SetFieldText(*line);
  mode_ = LineEditMode::Edit;
  ShowModal();
}

void TtextNEFrm::BitBtn1Click() {
  // The dialog closes also when the change or the write fails.
  struct CloseOnExit {
    TtextNEFrm& form;
    // Hidden at once, so that an error report shows over the main window.
    ~CloseOnExit() {
      form.SetModalResult(IDOK);
      form.Hide();
    }
  } close{*this};
  FileSystem& fs = SystemFileSystem();
  const TextLines lines = PrepareLineChange(fs, path_, mode_, index_, FieldText());
  SetFieldText("");
  WriteTextLines(fs, path_, lines);
}

void TtextNEFrm::BitBtn2Click() { SetModalResult(IDCANCEL); }

std::string TtextNEFrm::FieldText() const {
  const int length = ::GetWindowTextLengthA(edit1_);
  std::vector<char> text(length + 1);
  ::GetWindowTextA(edit1_, text.data(), length + 1);
  return std::string(text.data());
}

void TtextNEFrm::SetFieldText(const std::string& text) { ::SetWindowTextA(edit1_, text.c_str()); }

LRESULT TtextNEFrm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
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
        ::SendMessageA(edit1_, EM_SETSEL, 0, -1);
        return 0;
      }
      break;
    default:
      break;
  }
  return Form::HandleMessage(msg, wp, lp);
}

}  // namespace vconfig
