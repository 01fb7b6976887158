#include "controls/buttons/ButtonKeys_win.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "controls/WindowRouting_win.h"
#include "diagnostics/ErrorHandling_win.h"

namespace vconfig {
namespace {

// A message of our own, so that no standard control mistakes it for one of its own.
UINT KeyButtonQuery() {
  static const UINT query = ::RegisterWindowMessageA("VConfig.KeyButton");
  return query;
}

// The button behind a window, or nullptr.
KeyButton* KeyButtonOf(HWND hwnd) {
  if (!IsOwnWindowClass(hwnd)) return nullptr;
  return reinterpret_cast<KeyButton*>(::SendMessageA(hwnd, KeyButtonQuery(), 0, 0));
}

BOOL CALLBACK CollectUsableButton(HWND child, LPARAM buttons) {
  KeyButton* b = KeyButtonOf(child);
  if (b && ::IsWindowVisible(child) && ::IsWindowEnabled(child))
    reinterpret_cast<std::vector<KeyButton*>*>(buttons)->push_back(b);
  return TRUE;
}

// The first visible and enabled button under root, in the order of the window tree,
// that the predicate accepts.
template <typename Pred>
KeyButton* FindIn(HWND root, Pred pred) {
  std::vector<KeyButton*> buttons;
  ::EnumChildWindows(root, &CollectUsableButton, reinterpret_cast<LPARAM>(&buttons));
  const auto it = std::find_if(buttons.begin(), buttons.end(), pred);
  return it == buttons.end() ? nullptr : *it;
}

// A control that takes Enter or Escape itself (a multi-line editor) keeps them.
bool WantsKey(const MSG& msg) {
  MSG copy = msg;
  const LRESULT code =
      ::SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy));
  return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

// Only these can click a button.
bool OfferedKey(const MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
      return msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE;
    case WM_CHAR:
    case WM_SYSCHAR:
      return true;
    default:
      return false;
  }
}

KeyButton* TargetOf(const MSG& msg) {
  HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
  KeyButton* focused = KeyButtonOf(msg.hwnd);
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
    if (focused && focused->KeyEnterWhenFocused()) return focused;
    if (focused || !WantsKey(msg))
      return FindIn(root, [](KeyButton* b) { return b->KeyDefault(); });
  } else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
    if (!focused && WantsKey(msg)) return nullptr;
    return FindIn(root, [](KeyButton* b) { return b->KeyCancel(); });
  } else if (msg.message == WM_SYSCHAR || (msg.message == WM_CHAR && focused)) {
    const char letter =
        static_cast<char>(std::toupper(static_cast<unsigned char>(msg.wParam & 0xFF)));
    if (letter)
      return FindIn(root, [letter](KeyButton* b) { return b->KeyAccelerator() == letter; });
  }
  return nullptr;
}

}  // namespace

bool KeyButton::IsKeyButtonQuery(UINT msg) { return msg == KeyButtonQuery(); }

bool RouteButtonKeys(const MSG& msg) noexcept {
  if (!msg.hwnd || !OfferedKey(msg)) return false;
  try {
    KeyButton* target = TargetOf(msg);
    if (!target) return false;
    target->KeyClick();
  } catch (...) {
    HandleApplicationException();
  }
  return true;
}

}  // namespace vconfig
