#include "controls/PopupMenu_win.h"

#include "diagnostics/Errors.h"
#include "platform/Handles_win.h"

namespace vconfig {

MenuItem& PopupMenu::Add(const std::string& name) {
  items_.emplace_back(name);
  return items_.back();
}

MenuItem& PopupMenu::Item(const std::string& name) {
  for (auto& item : items_)
    if (item.Name() == name) return item;
  throw AppError("Menu item " + name + " not found");
}

std::vector<std::string> PopupMenu::VisibleItems() const {
  std::vector<std::string> names;
  for (const auto& item : items_)
    if (item.Visible) names.push_back(item.Name());
  return names;
}

void PopupMenu::Popup(HWND owner, int screenX, int screenY) {
  if (OnPopup) OnPopup();
  UniqueMenu menu(::CreatePopupMenu());
  if (!menu) return;
  int shown = 0;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (!items_[i].Visible) continue;
    ::AppendMenuA(menu.get(), MF_STRING, static_cast<UINT_PTR>(i + 1), items_[i].Caption.c_str());
    ++shown;
  }
  if (shown == 0) return;
  // The owner must be in front, or the menu does not close when clicked beside.
  ::SetForegroundWindow(owner);
  const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
      menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
      screenX, screenY, 0, owner, nullptr));
  ::PostMessageA(owner, WM_NULL, 0, 0);
  if (chosen == 0 || chosen > items_.size()) return;
  if (items_[chosen - 1].OnClick) items_[chosen - 1].OnClick();
}

}  // namespace vconfig
