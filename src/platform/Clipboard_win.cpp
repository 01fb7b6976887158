#include "platform/Clipboard_win.h"

#include <cstring>

#include "platform/Handles_win.h"

namespace vconfig {
namespace {

// Another program may hold the clipboard for a moment: a few tries, then give up.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    for (int attempt = 0; attempt < 5 && !open_; ++attempt) {
      open_ = ::OpenClipboard(owner) != FALSE;
      if (!open_) ::Sleep(20);
    }
  }
  ~OpenedClipboard() {
    if (open_) ::CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool open() const { return open_; }

 private:
  bool open_ = false;
};

UniqueGlobalMemory CopyToGlobal(const void* bytes, size_t size) {
  UniqueGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, size));
  if (!memory) return memory;
  void* target = ::GlobalLock(memory.get());
  if (!target) return UniqueGlobalMemory();
  std::memcpy(target, bytes, size);
  ::GlobalUnlock(memory.get());
  return memory;
}

// Once the clipboard has taken the memory it is the clipboard's.
bool Hand(UINT format, UniqueGlobalMemory memory) {
  if (!memory || !::SetClipboardData(format, memory.get())) return false;
  memory.release();
  return true;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, const std::string& text) {
  // Both forms are made before the clipboard is touched.
  const int length = static_cast<int>(text.size());
  std::wstring wide;
  if (length > 0) {
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (needed <= 0) return false;
    wide.resize(static_cast<size_t>(needed));
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], needed);
  }
  UniqueGlobalMemory ansi = CopyToGlobal(text.c_str(), text.size() + 1);
  UniqueGlobalMemory unicode = CopyToGlobal(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  if (!ansi || !unicode) return false;
  OpenedClipboard clipboard(owner);
  if (!clipboard.open() || !::EmptyClipboard()) return false;
  return Hand(CF_TEXT, std::move(ansi)) && Hand(CF_UNICODETEXT, std::move(unicode));
}

}  // namespace vconfig
