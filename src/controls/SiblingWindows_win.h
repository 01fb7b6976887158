// Finding the other controls of the same kind under one parent, as the grouped
// toggle buttons do to release the rest of their group.
#pragma once

#include <windows.h>

#include <cstring>

#include "controls/Form_win.h"

namespace vconfig {

// Calls visit(T&) for each sibling of `self` of window class `className` whose
// object is a T; `self` itself is left out.
template <class T, class Visit>
void ForEachSibling(HWND self, const char* className, Visit&& visit) {
  if (!self) return;
  HWND parent = ::GetParent(self);
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (child == self) continue;
    char cls[32] = {};
    ::GetClassNameA(child, cls, sizeof cls);
    if (std::strcmp(cls, className) != 0) continue;
    auto* other =
        dynamic_cast<T*>(reinterpret_cast<Form*>(::GetWindowLongPtrA(child, GWLP_USERDATA)));
    if (other) visit(*other);
  }
}

}  // namespace vconfig
