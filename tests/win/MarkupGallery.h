// A window of sample markup rows of every kind, painted through the GDI surface; the
// second row is drawn selected. The markup tests look at it on the screen, and the
// screenshots show it.
#pragma once

#include <windows.h>

#include "platform/Handles_win.h"

namespace vtest {

// Shown at (20, 20), 480 x 360 with its caption.
vconfig::UniqueWindow OpenMarkupGallery();

}  // namespace vtest
