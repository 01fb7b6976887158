// The item markup renderer: lays one row or report line of the program's small
// HTML-like markup out in a rectangle of a surface, and measures, draws or probes it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "markup/Color.h"
#include "markup/Surface.h"

namespace vconfig {

// Sources of named pictures ("<IMG src=name>", "://" addresses). The renderer
// draws only "IDX:" images of the image list; other sources count as not found.
class PictureCache;
class PictureContainer;

// Everything a call reads besides the surface. The defaults are what the section
// list passes for every row.
struct MarkupRequest {
  std::string_view text;
  Rect rect;
  ImageListRef images = nullptr;  // not owned
  Point probe;                    // tested against anchors when probeOnly is set
  int focusLink = -1;             // anchors count from 0; -1 for none
  int hoverLink = -1;
  int shadowOffset = 1;
  bool probeOnly = false;    // nothing drawn; anchors under `probe` reported
  bool measureOnly = false;  // nothing drawn; width and height reported
  bool print = false;
  bool selected = false;  // keeps the surface's text colour: COLOR, BGCOLOR, links ignored
  bool blink = true;
  bool hoverStyle = true;
  bool wordWrap = false;
  double resolution = 1.0;  // images' scale when printing
  TColor linkColor = clBlue;
  TColor hoverBackColor = clNone;
  TColor hoverTextColor = clNone;
  TColor shadowColor = clGray;
  PictureCache* pictureCache = nullptr;          // not owned
  PictureContainer* pictureContainer = nullptr;  // not owned
  // When set, grows by the characters the renderer scans and copies (tests keep
  // the work linear in the length of the text with it).
  std::size_t* workCounter = nullptr;
};

struct MarkupResult {
  std::string anchor;       // HREF of the anchor under the probe point
  std::string plainText;    // the text without tags; line breaks as "\r"
  std::string focusAnchor;  // HREF of the focused anchor
  int width = 0;            // of the widest line
  int height = 0;           // of all lines
  int anchorCount = 0;
  int anchorIndex = -1;  // of the anchor under the probe point, from 0; -1 when none
  Rect hoverRect;        // of the anchor under the probe point
};

// Returns true when the probe point lies on an anchor. The surface's font and brush
// are the same on return as at the call.
bool RenderMarkup(Surface& surface, const MarkupRequest& request, MarkupResult& result);

}  // namespace vconfig
