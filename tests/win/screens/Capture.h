// Pictures of the (virtual) screen, taken once what the windows show has settled.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

namespace vscreens {

using namespace std::chrono_literals;

RECT WholeScreen();
// A window's outer rectangle, and its client area, in screen coordinates.
RECT WindowArea(HWND window);
RECT ClientArea(HWND window);

// Waits until the windows of process `pid` have nothing left to paint and two pictures
// of `area` in a row are the same, then writes that picture to `path` as a 24-bit BMP.
// For this process's own windows only paint messages are taken meanwhile, so that the
// states a scene set up (a held button, a hot one) stay as they are.
bool SaveWhenSettled(const std::string& path, const RECT& area, DWORD pid,
                     std::chrono::milliseconds timeout = 15s);

}  // namespace vscreens
