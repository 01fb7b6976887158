// PopupMenu: a context menu built from named items. Before it shows, OnPopup may
// hide items; only the visible ones are offered, and a menu without any visible
// item is not shown at all. The chosen item's OnClick runs after the menu closed.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <deque>
#include <vector>

namespace vconfig {

class MenuItem {
 public:
  explicit MenuItem(std::string name) : name_(std::move(name)) {}
  const std::string& Name() const { return name_; }
  std::string Caption;
  bool Visible = true;
  std::function<void()> OnClick;

 private:
  std::string name_;
};

class PopupMenu {
 public:
  PopupMenu() = default;
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;

  MenuItem& Add(const std::string& name);
  MenuItem& Item(const std::string& name);
  std::deque<MenuItem>& Items() { return items_; }
  // Names of the visible items, in menu order.
  std::vector<std::string> VisibleItems() const;

  std::function<void()> OnPopup;

  // Runs OnPopup, shows the visible items at a screen point and, when one is chosen,
  // runs its OnClick. Returns once the menu has closed.
  void Popup(HWND owner, int screenX, int screenY);

 private:
  std::deque<MenuItem> items_;  // stable references for Add and Item
};

}  // namespace vconfig
