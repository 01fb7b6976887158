// Puts a member handler in front of the procedure of a window that another part
// created (a standard control, a form), through the system's subclass chain:
// several parts can each put theirs on one window and take them off in any order,
// the one put on last seeing a message first. The handler comes off when this object
// goes, or when its window is destroyed (after the handler has seen WM_NCDESTROY).
// Exceptions that escape it end in the application's general error handling, as with
// every window procedure. Under Wine each message through the chain costs a few
// server round trips: not for windows that see thousands of messages a second.
#pragma once

#include <windows.h>

namespace vconfig {

class WindowSubclass {
 public:
  WindowSubclass() = default;
  ~WindowSubclass() { Remove(); }
  // The system holds this object's address: it stays where it is.
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  // Puts (object->*Handler)(msg, wp, lp) in front of hwnd's procedure, in place of
  // what this object held before. The handler passes a message on with CallNext.
  template <auto Handler, class T>
  bool Install(HWND hwnd, T* object) {
    return Install(hwnd, object, [](void* target, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
      return (static_cast<T*>(target)->*Handler)(msg, wp, lp);
    });
  }
  void Remove();

  HWND hwnd() const { return installed_ ? hwnd_ : nullptr; }
  bool Installed() const { return installed_; }

  // Passes the message being handled to the procedure behind this handler (the next
  // handler, or the class's own), also when the handler took itself off. Once per
  // message: under Wine a second call skips the handlers behind. To ask the window
  // something else, send it a message.
  LRESULT CallNext(UINT msg, WPARAM wp, LPARAM lp) const;

 private:
  using Thunk = LRESULT (*)(void* target, UINT msg, WPARAM wp, LPARAM lp);
  bool Install(HWND hwnd, void* target, Thunk thunk);
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                               DWORD_PTR self) noexcept;

  HWND hwnd_ = nullptr;  // the window last installed on
  bool installed_ = false;
  void* target_ = nullptr;  // not owned
  Thunk thunk_ = nullptr;
};

}  // namespace vconfig
