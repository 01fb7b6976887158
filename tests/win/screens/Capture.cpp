#include "screens/Capture.h"

#include <thread>
#include <vector>

#include "harness/Harness.h"
#include "platform/Handles_win.h"

namespace vscreens {
namespace {

using Clock = std::chrono::steady_clock;

// Bottom-up rows of 24-bit pixels, each padded to four bytes, as a BMP file holds them.
struct Picture {
  int width = 0, height = 0;
  std::vector<char> rows;
};

BITMAPINFOHEADER Header24(int width, int height) {
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = 24;
  h.biCompression = BI_RGB;
  return h;
}

size_t Stride(int width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }

Picture Grab(const RECT& area) {
  Picture p;
  p.width = area.right - area.left;
  p.height = area.bottom - area.top;
  vconfig::WindowDc screen(nullptr);
  vconfig::UniqueMemDc mem(::CreateCompatibleDC(screen.get()));
  BITMAPINFO bi{};
  bi.bmiHeader = Header24(p.width, p.height);
  void* bits = nullptr;
  vconfig::UniqueBitmap bitmap(
      ::CreateDIBSection(screen.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!mem || !bitmap) return {};
  {
    vconfig::SelectObjectScope select(mem.get(), bitmap.get());
    if (!::BitBlt(mem.get(), 0, 0, p.width, p.height, screen.get(), area.left, area.top, SRCCOPY))
      return {};
  }
  ::GdiFlush();
  const char* first = static_cast<const char*>(bits);
  p.rows.assign(first, first + Stride(p.width) * static_cast<size_t>(p.height));
  return p;
}

bool WriteBmp(const std::string& path, const Picture& p) {
  const BITMAPINFOHEADER info = Header24(p.width, p.height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(p.rows.size());
  vconfig::UniqueFile f(
      ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (!f) return false;
  auto write = [&f](const void* data, size_t size) {
    DWORD written = 0;
    return ::WriteFile(f.get(), data, static_cast<DWORD>(size), &written, nullptr) &&
           written == size;
  };
  return write(&file, sizeof file) && write(&info, sizeof info) &&
         write(p.rows.data(), p.rows.size());
}

void TakePaintMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) ::DispatchMessageA(&msg);
}

BOOL CALLBACK FindPendingPaint(HWND child, LPARAM found) {
  if (::GetUpdateRect(child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

bool PaintPending(HWND top) {
  bool found = ::GetUpdateRect(top, nullptr, FALSE) != FALSE;
  if (!found) ::EnumChildWindows(top, FindPendingPaint, reinterpret_cast<LPARAM>(&found));
  return found;
}

// True when no window of the process waits to be painted and, for another process,
// each window's thread has answered a message since: a thread answers only between
// the messages it handles, so what it painted before has gone to the screen.
bool Painted(DWORD pid) {
  const bool own = pid == ::GetCurrentProcessId();
  if (own) TakePaintMessages();
  const auto windows = vtest::ProcessWindows(pid);
  for (HWND w : windows)
    if (PaintPending(w)) return false;
  if (own) return true;
  for (HWND w : windows)
    if (!vtest::RoundTrip(w, 2000ms)) return false;
  for (HWND w : windows)
    if (PaintPending(w)) return false;
  return true;
}

// Lets the screen catch up between two looks: this process waits for paint messages
// only; for another process there is nothing to take here.
void NextLook(DWORD pid) {
  if (pid == ::GetCurrentProcessId()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_PAINT);
    TakePaintMessages();
  } else {
    std::this_thread::sleep_for(50ms);
  }
}

}  // namespace

RECT WholeScreen() {
  return RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

RECT WindowArea(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return r;
}

RECT ClientArea(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool SaveWhenSettled(const std::string& path, const RECT& area, DWORD pid,
                     std::chrono::milliseconds timeout) {
  const auto end = Clock::now() + timeout;
  Picture last;
  while (Clock::now() < end) {
    if (Painted(pid)) {
      Picture now = Grab(area);
      if (!now.rows.empty() && now.rows == last.rows) return WriteBmp(path, now);
      last = std::move(now);
    }
    NextLook(pid);
  }
  return false;
}

}  // namespace vscreens
