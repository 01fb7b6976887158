#include "controls/chrome/GaugeBar.h"

#include <cstdlib>

namespace vconfig {
namespace {

// from + num / den rounded to nearest (halves away from zero), in exact integers.
int RoundedStep(int from, long long num, long long den) {
  const bool negative = num < 0;
  const long long a = negative ? -num : num;
  long long q = a / den;
  if (2 * (a % den) >= den) ++q;
  return from + static_cast<int>(negative ? -q : q);
}

void AppendRun(std::vector<ChromeColor>& lines, ChromeColor from, ChromeColor to, int count) {
  for (int i = 1; i <= count; ++i) lines.push_back(GradientColor(from, to, count, i));
}

}  // namespace

EGaugeRangeError::EGaugeRangeError(int count)
    : AppError("ColorIndex can't be less than 1 or greater than " + std::to_string(count)) {}

ChromeColor GradientColor(ChromeColor from, ChromeColor to, int count, int index) {
  if (index < 1 || index > count) throw EGaugeRangeError(count);
  if (count == 1) return from & 0xFFFFFF;
  const long long steps = count - 1;
  const long long k = index - 1;
  const int r = RoundedStep(ChromeRed(from), k * (ChromeRed(to) - ChromeRed(from)), steps);
  const int g = RoundedStep(ChromeGreen(from), k * (ChromeGreen(to) - ChromeGreen(from)), steps);
  const int b = RoundedStep(ChromeBlue(from), k * (ChromeBlue(to) - ChromeBlue(from)), steps);
  return ChromeRgb(r, g, b);
}

bool IsVertical(TProgressDirection direction) {
  return direction == TProgressDirection::pdBottomToTop ||
         direction == TProgressDirection::pdTopToBottom;
}

std::vector<ChromeColor> GradientLines(TBarColorStyle style, TProgressDirection direction,
                                       ChromeColor color1, ChromeColor color2,
                                       ChromeColor color3, int length) {
  std::vector<ChromeColor> lines;
  if (length <= 0) return lines;
  // Screen order runs left to right and top to bottom, so the directions that start
  // at the far side take the colours in reverse: the start side is always color1.
  const bool reversed = direction == TProgressDirection::pdRightToLeft ||
                        direction == TProgressDirection::pdBottomToTop;
  lines.reserve(static_cast<size_t>(length));
  switch (style) {
    case TBarColorStyle::cs1Color:
      lines.assign(static_cast<size_t>(length), color1);
      break;
    case TBarColorStyle::cs2Colors:
      if (reversed)
        AppendRun(lines, color2, color1, length);
      else
        AppendRun(lines, color1, color2, length);
      break;
    case TBarColorStyle::cs3Colors: {
      const int first = length / 2;
      if (reversed) {
        AppendRun(lines, color3, color2, first);
        AppendRun(lines, color2, color1, length - first);
      } else {
        AppendRun(lines, color1, color2, first);
        AppendRun(lines, color2, color3, length - first);
      }
      break;
    }
  }
  return lines;
}

int FilledLength(int position, int min, int max, int innerLength) {
  if (position <= min || innerLength <= 0) return 0;
  const long long range = std::llabs(static_cast<long long>(max) - min);
  // An empty range would divide by zero; nothing can be shown as filled then.
  if (range == 0) return 0;
  const long long num = (static_cast<long long>(position) - min) * innerLength;
  long long q = num / range;
  const long long twiceRest = 2 * (num % range);
  if (twiceRest > range || (twiceRest == range && (q & 1))) ++q;  // halves to even
  if (q > innerLength) q = innerLength;
  return static_cast<int>(q);
}

std::string PositionText(const std::string& prefix, int position, const std::string& suffix) {
  return prefix + std::to_string(position) + suffix;
}

}  // namespace vconfig
