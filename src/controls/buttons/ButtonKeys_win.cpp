#include "controls/buttons/ButtonKeys_win.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "controls/buttons/ExplorerButtonLayout.h"
#include "diagnostics/ErrorHandling_win.h"

namespace vconfig {
namespace {

std::vector<KeyButton*>& Buttons() {
  static std::vector<KeyButton*> buttons;
  return buttons;
}

HHOOK g_hook = nullptr;

bool Usable(const KeyButton* b, HWND root) {
  HWND w = b->KeyWindow();
  return w && ::GetAncestor(w, GA_ROOT) == root && ::IsWindowVisible(w) && ::IsWindowEnabled(w);
}

KeyButton* Registered(HWND hwnd) {
  for (KeyButton* b : Buttons())
    if (b->KeyWindow() == hwnd) return b;
  return nullptr;
}

template <typename Pred>
KeyButton* FindIn(HWND root, Pred pred) {
  for (KeyButton* b : Buttons())
    if (Usable(b, root) && pred(b)) return b;
  return nullptr;
}

// A control that takes Enter or Escape itself (a multi-line editor) keeps them.
bool WantsKey(HWND focus, MSG* msg) {
  if (!focus) return false;
  const LRESULT code =
      ::SendMessageA(focus, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
  return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

// Returns true when the key was used (the message is then dropped).
bool HandleKey(MSG* msg) {
  if (!msg->hwnd) return false;
  HWND root = ::GetAncestor(msg->hwnd, GA_ROOT);
  KeyButton* focused = Registered(msg->hwnd);
  KeyButton* target = nullptr;
  if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
    if (focused && focused->KeyEnterWhenFocused())
      target = focused;
    else if (focused || !WantsKey(msg->hwnd, msg))
      target = FindIn(root, [](KeyButton* b) { return b->KeyDefault(); });
  } else if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
    if (!focused && WantsKey(msg->hwnd, msg)) return false;
    target = FindIn(root, [](KeyButton* b) { return b->KeyCancel(); });
  } else if (msg->message == WM_SYSCHAR || (msg->message == WM_CHAR && focused)) {
    const char letter =
        static_cast<char>(std::toupper(static_cast<unsigned char>(msg->wParam & 0xFF)));
    if (!letter) return false;
    target = FindIn(root, [letter](KeyButton* b) { return b->KeyAccelerator() == letter; });
  }
  if (!target) return false;
  target->KeyClick();
  return true;
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM wp, LPARAM lp) noexcept {
  if (code == HC_ACTION && wp == PM_REMOVE) {
    auto* msg = reinterpret_cast<MSG*>(lp);
    try {
      if (HandleKey(msg)) msg->message = WM_NULL;
    } catch (...) {
      msg->message = WM_NULL;
      HandleApplicationException();
    }
  }
  return ::CallNextHookEx(g_hook, code, wp, lp);
}

}  // namespace

void RegisterKeyButton(KeyButton* button) {
  auto& list = Buttons();
  if (std::find(list.begin(), list.end(), button) != list.end()) return;
  list.push_back(button);
  if (!g_hook)
    g_hook = ::SetWindowsHookExA(WH_GETMESSAGE, &GetMessageHook, nullptr, ::GetCurrentThreadId());
}

void UnregisterKeyButton(KeyButton* button) {
  auto& list = Buttons();
  list.erase(std::remove(list.begin(), list.end(), button), list.end());
  if (list.empty() && g_hook) {
    ::UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
  }
}

}  // namespace vconfig
