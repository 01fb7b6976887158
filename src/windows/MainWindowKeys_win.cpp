// The keyboard on the main window's content list: the popup menu at the selected row
// (Shift+F10, the menu key), Enter for the row's own command, F5 to read the open
// sections again, Ctrl+C to copy a row. The keyboard's commands aim at the selected
// row through the popup point, so they find their target, and the menu its items,
// exactly as a right click on that row does.
#include <exception>

#include "app/Application_win.h"
#include "config/RowText.h"
#include "controls/PopupPlacement.h"
#include "controls/sectionlist/SectionList_win.h"
#include "locale/Language.h"
#include "platform/Clipboard_win.h"
#include "windows/MainWindow_win.h"

namespace vconfig {

bool MainWindow::PopupPointAtSelectedRow(POINT* menuAt) {
  SectionList& content = *contentList_;
  const int row = content.ItemIndex();
  if (row < 0 || content.Sections().Count() == 0) return false;
  // The list may have been scrolled away from it.
  content.SetItemIndex(row);
  int section, subitem;
  content.Sections().RowPosition(row, section, subitem);
  const RECT r = content.RowRect(row);
  RECT client{};
  ::GetClientRect(content.hwnd(), &client);
  const int indent = subitem < 0 ? content.SectionIndent : content.SubItemIndent;
  const KeyboardPopup place =
      PlaceKeyboardPopup(Box{r.left, r.top, r.right, r.bottom},
                         Box{client.left, client.top, client.right, client.bottom}, indent);
  if (!place.shown) return false;
  popupPoint_ = POINT{place.hitX, place.hitY};
  if (menuAt) {
    *menuAt = POINT{place.menuX, place.menuY};
    ::ClientToScreen(content.hwnd(), menuAt);
  }
  return true;
}

void MainWindow::OnContentMenuKey() {
  POINT at{};
  if (PopupPointAtSelectedRow(&at)) ShowPopupMenus(at.x, at.y);
}

bool MainWindow::OnContentKey(WPARAM key) {
  const bool control = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
  switch (key) {
    case VK_RETURN:
      RunSelectedRowCommand();
      return true;
    case VK_F5:
      RefreshContent();
      return true;
    case 'C':
      if (!control) return false;
      CopySelectedRow();
      return true;
    default:
      return false;
  }
}

// A title row opens or closes its section, as a click does; a file line and a Run
// value are edited; the other-file row opens a file, as a click does.
void MainWindow::RunSelectedRowCommand() {
  if (!PopupPointAtSelectedRow(nullptr)) return;
  const PopupTarget target = TargetAtPopupPoint();
  if (target.section <= 0) return;
  if (target.row < 0) {
    ToggleContentSection(target.section);
    return;
  }
  const ConfigSource* source = catalogue_.Find(target.sectionTitle);
  if (!source) return;
  switch (source->kind) {
    case SourceKind::TextFile: EditLine(); break;
    case SourceKind::RunKey: EditValue(); break;
    case SourceKind::OtherFile: OnContentRowClicked(target.section, target.row); break;
    case SourceKind::StartupFolder: break;
  }
}

// Every open section is read again; the selected row stays selected, and the list
// where it was, as far as the rows are still there. A source that fails is reported
// once the others are shown.
void MainWindow::RefreshContent() {
  SectionList& content = *contentList_;
  const int count = content.Sections().Count();
  if (count == 0) return;
  const int selected = content.ItemIndex();
  int section = -1, row = -1;
  if (selected >= 0) content.Sections().RowPosition(selected, section, row);
  const int top = content.TopIndex();
  std::exception_ptr failure;
  content.BeginUpdate();
  for (int s = 1; s < count; ++s) {
    if (!content.Sections()[s].Expanded()) continue;
    try {
      ReloadSection(content.Sections()[s].Caption());
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  }
  if (section >= 0) {
    const int rows = content.Sections()[section].SubItems.Count();
    // A row that has gone: the section's last one (or its title) stands in for it.
    const int keep = row < rows ? row : rows - 1;
    content.SetItemIndex(keep < 0 ? content.Sections().HeaderRow(section)
                                  : content.Sections().SubItemRow(section, keep));
  }
  content.SetTopIndex(top);
  content.EndUpdate();
  if (failure) std::rethrow_exception(failure);
}

std::string MainWindow::RowPlainTextOf(int section, int row) const {
  const SectionList& content = *contentList_;
  if (section < 0 || section >= content.Sections().Count()) return {};
  const ListSection& s = content.Sections()[section];
  if (row < 0) return s.Caption();
  if (row >= s.SubItems.Count()) return {};
  return RowPlainText(s.SubItems[row]);
}

void MainWindow::CopySelectedRow() {
  SectionList& content = *contentList_;
  const int selected = content.ItemIndex();
  if (selected < 0) return;
  int section, row;
  content.Sections().RowPosition(selected, section, row);
  if (!PutTextOnClipboard(hwnd(), RowPlainTextOf(section, row)))
    ShowErrorBox("Cannot copy to the clipboard");
}

}  // namespace vconfig
