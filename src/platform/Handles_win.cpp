#include "platform/Handles_win.h"

#include <commctrl.h>

namespace vconfig {

void ImageListTraits::Close(HIMAGELIST h) { ::ImageList_Destroy(h); }

}  // namespace vconfig
