// Colour values of the item markup: the 40 colour names and "#RRGGBB" texts.
#pragma once

#include <string_view>

#include "markup/Color.h"

namespace vconfig {

// A lower-case colour name ("clblue", "clbtnface"...) to its value; system colours
// stay system colours (the surface resolves them when drawing). Unknown names give 0.
TColor MarkupColorByName(std::string_view lowerName);

// "#" and three pairs of hexadecimal digits (either case; other characters read as 0) to
// red + green * 256 + blue * 65536. Missing characters count as 0.
TColor MarkupColorFromHex(std::string_view text);

}  // namespace vconfig
