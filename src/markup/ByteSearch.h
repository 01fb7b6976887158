// The first of a few bytes in a buffer, sixteen bytes at a time where SSE2 is there:
// the scans of the markup conversions over lines that mostly hold none of them.
#pragma once

#include <cstddef>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vconfig {

// The first byte in [p, end) equal to one of a, b, c and d, or end. Pass the same byte
// more than once to look for fewer.
inline const char* FindAnyOf(const char* p, const char* end, char a, char b, char c, char d) {
#if defined(__SSE2__)
  const __m128i va = _mm_set1_epi8(a);
  const __m128i vb = _mm_set1_epi8(b);
  const __m128i vc = _mm_set1_epi8(c);
  const __m128i vd = _mm_set1_epi8(d);
  for (; end - p >= 16; p += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(x, va), _mm_cmpeq_epi8(x, vb)),
                                     _mm_or_si128(_mm_cmpeq_epi8(x, vc), _mm_cmpeq_epi8(x, vd)));
    const int mask = _mm_movemask_epi8(hit);
    if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
  }
#endif
  while (p != end && *p != a && *p != b && *p != c && *p != d) ++p;
  return p;
}

}  // namespace vconfig
