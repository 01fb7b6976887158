// Bitmap helpers shared by the chrome controls: loading the program's artwork,
// copying a picture (components own copies of what they are given), sizes.
#pragma once

#include <windows.h>

#include "platform/Handles_win.h"

namespace vconfig {

// Loads a bitmap resource of the executable (ids in ArtworkIds.h); empty when missing.
UniqueBitmap LoadArtworkBitmap(int resourceId);
// A device-dependent copy of a bitmap; empty for a null or empty source.
UniqueBitmap CopyBitmapHandle(HBITMAP source);
// The size of a bitmap; (0, 0) for none.
SIZE BitmapSize(HBITMAP bitmap);
// True when the bitmap holds an image of at least one pixel.
bool HasImage(HBITMAP bitmap);
// The colour of the top-left pixel: a glyph's transparent colour.
COLORREF TopLeftColor(HBITMAP bitmap);
// Draws the bitmap at (x, y); with `transparent`, pixels of its top-left colour are left out.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, bool transparent);
// The colour of a TColor-style value (system colours resolved); clNone gives CLR_INVALID.
COLORREF ResolveColor(DWORD color);


// The background brush of a window's class (system colour indices resolved;
// button face when the class has none). Not owned.
HBRUSH ClassBackgroundBrush(HWND hwnd);


// Draws the pixels of the glyph that are not its transparent (top-left) colour in
// one colour, at w x h (a stretched glyph uses its top-left 16 x 16): the emboss
// of a disabled button.
void DrawBitmapMask(HDC dc, HBITMAP glyph, int x, int y, int w, int h, COLORREF color);

}  // namespace vconfig
