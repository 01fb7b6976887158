#include "config/TextLines.h"

#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "diagnostics/Errors.h"

namespace vconfig {
namespace {

// The first c in [p, end), or end.
const char* Find(const char* p, const char* end, char c) {
  const void* hit = std::memchr(p, c, static_cast<size_t>(end - p));
  return hit ? static_cast<const char*>(hit) : end;
}

size_t Count(const char* p, const char* end, char c) {
  size_t n = 0;
  for (p = Find(p, end, c); p != end; p = Find(p + 1, end, c)) ++n;
  return n;
}

#if defined(__SSE2__)

// The first CR or LF in [p, end), or end: sixteen bytes at a time.
const char* FindBreak(const char* p, const char* end) {
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  for (; end - p >= 16; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const int hits =
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf)));
    if (hits != 0) return p + __builtin_ctz(static_cast<unsigned>(hits));
  }
  while (p != end && *p != '\r' && *p != '\n') ++p;
  return p;
}

size_t CountLineFeeds(const char* p, const char* end) {
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i zero = _mm_setzero_si128();
  size_t n = 0;
  while (end - p >= 16) {
    // Each byte of the sum counts up to 255 hits, then the sums are added up.
    __m128i sums = zero;
    for (int block = 0; block < 255 && end - p >= 16; ++block, p += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      sums = _mm_sub_epi8(sums, _mm_cmpeq_epi8(bytes, lf));
    }
    const __m128i total = _mm_sad_epu8(sums, zero);
    n += static_cast<size_t>(_mm_cvtsi128_si32(total)) +
         static_cast<size_t>(_mm_cvtsi128_si32(_mm_srli_si128(total, 8)));
  }
  return n + Count(p, end, '\n');
}

// The line breaks of a text (CR LF, a lone CR, a lone LF) from front to back.
class LineBreaks {
 public:
  LineBreaks(const char*, const char* end) : end_(end) {}

  // The first break at or after p (end when there is none), and its length.
  const char* Next(const char* p, size_t& length) {
    const char* const at = FindBreak(p, end_);
    length = at != end_ && *at == '\r' && at + 1 != end_ && at[1] == '\n' ? 2 : 1;
    return at;
  }

 private:
  const char* end_;
};

#else

size_t CountLineFeeds(const char* p, const char* end) { return Count(p, end, '\n'); }

// The line breaks of a text (CR LF, a lone CR, a lone LF) from front to back. It keeps
// the next CR and the next LF and searches for each again only once the scan has passed
// it, so that every byte is searched once for either.
class LineBreaks {
 public:
  LineBreaks(const char* begin, const char* end)
      : end_(end), cr_(Find(begin, end, '\r')), lf_(Find(begin, end, '\n')) {}

  // The first break at or after p (end when there is none), and its length.
  const char* Next(const char* p, size_t& length) {
    if (cr_ < p) cr_ = Find(p, end_, '\r');
    if (lf_ < p) lf_ = Find(p, end_, '\n');
    const char* const at = cr_ < lf_ ? cr_ : lf_;
    length = at == cr_ && lf_ != end_ && at + 1 == lf_ ? 2 : 1;
    return at;
  }

 private:
  const char* end_;
  const char* cr_;
  const char* lf_;
};

#endif

// The text up to its first NUL.
std::string_view BeforeNul(std::string_view bytes) {
  if (bytes.empty()) return bytes;
  const char* p = bytes.data();
  return std::string_view(p, static_cast<size_t>(Find(p, p + bytes.size(), '\0') - p));
}

}  // namespace

TextLines SplitTextLines(std::string_view bytes) {
  bytes = BeforeNul(bytes);
  TextLines lines;
  if (bytes.empty()) return lines;
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  // One allocation for the list: a line per LF, or per CR in a file of CRs only.
  size_t breaks = CountLineFeeds(p, end);
  if (breaks == 0) breaks = Count(p, end, '\r');
  lines.reserve(breaks + 1);
  LineBreaks scan(p, end);
  while (p != end) {
    size_t length = 0;
    const char* const at = scan.Next(p, length);
    lines.emplace_back(p, static_cast<size_t>(at - p));
    if (at == end) break;
    p = at + length;
  }
  return lines;
}

std::string CrLfText(std::string_view bytes) {
  bytes = BeforeNul(bytes);
  std::string out;
  if (bytes.empty()) return out;
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  out.reserve(bytes.size() + 2);
  // Runs that already end their lines with CR LF are copied whole.
  const char* copied = p;
  LineBreaks scan(p, end);
  while (p != end) {
    size_t length = 0;
    const char* const at = scan.Next(p, length);
    if (at == end) {
      out.append(copied, static_cast<size_t>(end - copied));
      out.append("\r\n", 2);
      return out;
    }
    if (length == 1) {
      out.append(copied, static_cast<size_t>(at - copied));
      out.append("\r\n", 2);
      copied = at + 1;
    }
    p = at + length;
  }
  out.append(copied, static_cast<size_t>(end - copied));
  return out;
}

std::string JoinTextLines(const TextLines& lines) {
  size_t size = 0;
  for (const auto& l : lines) size += l.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& l : lines) {
    out.append(l);
    out.append("\r\n", 2);
  }
  return out;
}

TextLines ReadTextLines(FileSystem& fs, const std::string& path) {
  CheckShownFileSize(fs, path);
  auto content = fs.ReadBytes(path);
  if (!content) throw EFileOpenError(path);
  return SplitTextLines(*content);
}

std::string ReadCrLfText(FileSystem& fs, const std::string& path) {
  CheckShownFileSize(fs, path);
  auto content = fs.ReadBytes(path);
  if (!content) throw EFileOpenError(path);
  return CrLfText(*content);
}

namespace {

// Sets the attributes back and checks that the protecting ones hold again: a file
// system may accept the call and still drop them.
bool RestoreAttributes(FileSystem& fs, const std::string& path, uint32_t attrs) {
  constexpr uint32_t kProtecting = kAttrReadOnly | kAttrHidden | kAttrSystem;
  const bool set = fs.SetAttributes(path, attrs);
  if ((attrs & kProtecting) == 0) return true;
  const uint32_t now = fs.GetAttributes(path);
  return set && now != kInvalidAttributes && (now & kProtecting) == (attrs & kProtecting);
}

}  // namespace

void WriteTextFile(FileSystem& fs, const std::string& path, const std::string& content) {
  const uint32_t attrs = fs.GetAttributes(path);
  const bool exists = attrs != kInvalidAttributes;
  if (exists) {
    auto old = fs.ReadBytes(path);
    if (!old) throw EFileCreateError(path);
    if (old->find('\0') != std::string::npos) throw EBinaryFileError(path);
  }
  const uint32_t lifted = kAttrReadOnly | kAttrHidden | kAttrSystem;
  const bool lift = exists && (attrs & lifted) != 0;
  if (lift) fs.SetAttributes(path, attrs & ~lifted);
  const bool written = fs.ReplaceContent(path, content);
  // Set the attributes back in both cases: a replace may drop them.
  const bool restored = !exists || RestoreAttributes(fs, path, attrs);
  if (!written) throw EFileCreateError(path);
  if (!restored) throw EAttributesLostError(path);
}

void WriteTextLines(FileSystem& fs, const std::string& path, const TextLines& lines) {
  WriteTextFile(fs, path, JoinTextLines(lines));
}

}  // namespace vconfig
