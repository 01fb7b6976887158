// The gauge bar's colour maths: gradient runs, their order by direction, and the
// length of the filled part. Portable, so every colour can be checked exactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "markup/Color.h"
#include "diagnostics/Errors.h"

namespace vconfig {

// The chrome's colours are the program's TColor values; clNone draws nothing.
using ChromeColor = TColor;
constexpr ChromeColor kChromeNone = clNone;
constexpr ChromeColor kChromeSysColor = kSystemColorFlag;
constexpr ChromeColor ChromeRgb(int r, int g, int b) {
  return static_cast<ChromeColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int ChromeRed(ChromeColor c) { return static_cast<int>(c & 0xFF); }
constexpr int ChromeGreen(ChromeColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int ChromeBlue(ChromeColor c) { return static_cast<int>((c >> 16) & 0xFF); }

enum class TBarColorStyle { cs1Color, cs2Colors, cs3Colors };
enum class TProgressDirection { pdLeftToRight, pdRightToLeft, pdBottomToTop, pdTopToBottom };

// "ColorIndex can't be less than 1 or greater than <n>"
class EGaugeRangeError : public AppError {
 public:
  explicit EGaugeRangeError(int count);
  const char* ClassName() const noexcept override { return "ERangeError"; }
};

// Line `index` (1 to count) of a run of `count` lines from `from` to `to`. Each
// channel is from + (index - 1) * (to - from) / (count - 1), rounded to nearest.
ChromeColor GradientColor(ChromeColor from, ChromeColor to, int count, int index);

// The colour of every line along the bar's length (columns for horizontal
// directions, rows for vertical ones), in screen order (left to right, top to bottom).
std::vector<ChromeColor> GradientLines(TBarColorStyle style, TProgressDirection direction,
                                       ChromeColor color1, ChromeColor color2,
                                       ChromeColor color3, int length);

bool IsVertical(TProgressDirection direction);

// Pixels of the inner length that the bar fills: (position - min) / |max - min| *
// innerLength, halves to even; 0 when position <= min or the range is empty.
int FilledLength(int position, int min, int max, int innerLength);

// The text shown in the middle of the bar.
std::string PositionText(const std::string& prefix, int position, const std::string& suffix);

}  // namespace vconfig
