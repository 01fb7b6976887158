// libFuzzer target: any bytes as markup, in every mode, over the recording surface.
// The first two bytes choose the flags and the rectangle's width.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "markup/Markup.h"
#include "fakes/RecordingSurface.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vconfig;
  if (size < 2) return 0;
  const unsigned flags = data[0];
  const int width = data[1];
  // The text is a copy of exactly its bytes, so a read past its end is caught.
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

  int images = 0;
  RecordingSurface surface;
  surface.recording = false;
  surface.AddImage(&images, 0, Size{16, 16});
  const FontSpec before = surface.Font();

  MarkupRequest rq;
  rq.text = text;
  rq.rect = Rect{0, 0, width, 400};
  rq.images = &images;
  rq.wordWrap = flags & 1;
  rq.selected = flags & 2;
  rq.blink = flags & 4;
  rq.hoverStyle = flags & 8;
  rq.focusLink = (flags & 16) ? 0 : -1;
  rq.hoverLink = (flags & 32) ? 1 : -1;
  rq.probe = Point{width / 2, 5};

  MarkupResult measured, drawn, probed;
  rq.measureOnly = true;
  RenderMarkup(surface, rq, measured);
  rq.measureOnly = false;
  RenderMarkup(surface, rq, drawn);
  rq.probeOnly = true;
  RenderMarkup(surface, rq, probed);

  const FontSpec after = surface.Font();
  if (measured.height <= 0 || after.size != before.size || after.style != before.style ||
      after.color != before.color || after.face != before.face || surface.BrushColor() != clNone) {
    std::abort();
  }
  return 0;
}
