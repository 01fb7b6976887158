// Scenes of controls in windows of this process: the section list as the program's
// three lists set it up, and the markup gallery.
#include <windows.h>

#include "MarkupGallery.h"
#include "SectionListFixture.h"
#include "screens/Capture.h"
#include "screens/Scenes.h"

namespace vscreens {

void SectionListScene(Shots& shots) {
  using vtest::ListConfig;
  const struct {
    ListConfig config;
    const char* name;
  } lists[] = {{ListConfig::Sources, "sectionlist-sources"},
               {ListConfig::Content, "sectionlist-content"},
               {ListConfig::Report, "sectionlist-report"}};
  for (const auto& l : lists) {
    vtest::SectionListHost host(l.config, 300, 260, true);
    auto& lb = host.list();
    if (l.config != ListConfig::Content) lb.ExpandSection(0);
    if (l.config == ListConfig::Report) lb.SetSubItemChecked(lb.Sections()[0], 1, true);
    lb.SetItemIndex(2);
    ::SetFocus(lb.hwnd());
    shots.Save(l.name, WindowArea(host.window()), ::GetCurrentProcessId());
  }
}

void MarkupGalleryScene(Shots& shots) {
  const vconfig::UniqueWindow gallery = Need(vtest::OpenMarkupGallery(), "open the gallery");
  shots.Save("markup-gallery-after", ClientArea(gallery.get()), ::GetCurrentProcessId());
}

}  // namespace vscreens
