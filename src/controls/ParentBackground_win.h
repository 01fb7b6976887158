// Lets a child control look transparent: the parent draws what lies behind it.
#pragma once

#include <windows.h>

namespace vconfig {

// Draws the part of the parent's background and picture that the child covers into
// dc, in the child's client coordinates. The parent paints through WM_ERASEBKGND
// (its brush or tiled background) and then WM_PRINTCLIENT (what it draws itself).
void PaintParentBackground(HWND child, HDC dc);

}  // namespace vconfig
