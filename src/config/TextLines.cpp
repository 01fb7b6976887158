#include "config/TextLines.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <ostream>
#include <stdexcept>
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

// The first CR, LF or NUL in [p, end), or end: sixteen bytes at a time.
const char* FindBreakOrNul(const char* p, const char* end) {
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i nul = _mm_setzero_si128();
  for (; end - p >= 16; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf));
    const __m128i hits = _mm_or_si128(breaks, _mm_cmpeq_epi8(bytes, nul));
    const int mask = _mm_movemask_epi8(hits);
    if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
  }
  while (p != end && *p != '\r' && *p != '\n' && *p != '\0') ++p;
  return p;
}

// Finds CR, LF and NUL sixty-four bytes at a time: one mask for a block, from which
// the breaks of its short lines are taken without searching again.
class BreakFinder {
 public:
  // The first CR, LF or NUL in [p, end), or end. Successive calls go forward, over
  // bytes that do not change (end may grow).
  const char* Next(const char* p, const char* end) {
    for (;;) {
      if (block_ && p >= block_ && p < block_ + 64) {
        const uint64_t ahead = mask_ & (~uint64_t{0} << (p - block_));
        if (ahead != 0) return block_ + __builtin_ctzll(ahead);
        p = block_ + 64;
      }
      if (end - p < 64) {
        block_ = nullptr;
        return FindBreakOrNul(p, end);
      }
      block_ = p;
      mask_ = Mask(p);
    }
  }

 private:
  static uint64_t Mask(const char* p) {
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i nul = _mm_setzero_si128();
    uint64_t mask = 0;
    for (int k = 0; k < 4; ++k) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
      const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf));
      const __m128i hits = _mm_or_si128(breaks, _mm_cmpeq_epi8(bytes, nul));
      mask |= static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(hits))) << (16 * k);
    }
    return mask;
  }

  const char* block_ = nullptr;
  uint64_t mask_ = 0;
};

// The first break at or after p (end when there is none); cr and lf are not needed
// when the breaks are found sixteen bytes at a time.
const char* NextBreak(const char* p, const char* end, const char*&, const char*&) {
  return FindBreak(p, end);
}

#else

// The first CR, LF or NUL in [p, end), or end.
const char* FindBreakOrNul(const char* p, const char* end) {
  while (p != end && *p != '\r' && *p != '\n' && *p != '\0') ++p;
  return p;
}

class BreakFinder {
 public:
  const char* Next(const char* p, const char* end) { return FindBreakOrNul(p, end); }
};

// The first break at or after p (end when there is none). It keeps the next CR and
// the next LF and searches for each again only once the scan has passed it, so that
// every byte is searched once for either; both start out null.
const char* NextBreak(const char* p, const char* end, const char*& cr, const char*& lf) {
  if (!cr || cr < p) cr = Find(p, end, '\r');
  if (!lf || lf < p) lf = Find(p, end, '\n');
  return cr < lf ? cr : lf;
}

#endif

// The length of the break at `at`: 2 for CR LF, else 1.
size_t BreakLength(const char* at, const char* end) {
  return *at == '\r' && at + 1 != end && at[1] == '\n' ? 2 : 1;
}

// The line breaks of a text (CR LF, a lone CR, a lone LF) from front to back.
class LineBreaks {
 public:
  explicit LineBreaks(const char* end) : end_(end) {}

  // The first break at or after p (end when there is none), and its length.
  const char* Next(const char* p, size_t& length) {
    const char* const at = NextBreak(p, end_, cr_, lf_);
    length = at != end_ ? BreakLength(at, end_) : 1;
    return at;
  }

 private:
  const char* end_;
  const char* cr_ = nullptr;
  const char* lf_ = nullptr;
};

// The text up to its first NUL.
std::string_view BeforeNul(std::string_view bytes) {
  if (bytes.empty()) return bytes;
  const char* p = bytes.data();
  return std::string_view(p, static_cast<size_t>(Find(p, p + bytes.size(), '\0') - p));
}

}  // namespace

TextLines::TextLines(std::initializer_list<std::string_view> lines) {
  size_t bytes = 0;
  for (std::string_view line : lines) bytes += line.size();
  ReserveMore(lines.size(), bytes);
  for (std::string_view line : lines) push_back(line);
}

TextLines::TextLines(const std::vector<std::string>& lines) {
  size_t bytes = 0;
  for (const std::string& line : lines) bytes += line.size();
  ReserveMore(lines.size(), bytes);
  for (const std::string& line : lines) push_back(line);
}

void TextLines::ReserveMore(size_t lines, size_t bytes) {
  if (lines > spans_.capacity() - spans_.size())
    spans_.reserve(std::max(spans_.size() + lines, 2 * spans_.capacity()));
  if (bytes > text_.capacity() - text_.size())
    text_.reserve(std::max(text_.size() + bytes, 2 * text_.capacity()));
}

void TextLines::clear() {
  spans_.clear();
  text_.clear();
}

TextLines::Span TextLines::SpanOf(size_t offset, size_t length) const {
  constexpr size_t kMax = std::numeric_limits<uint32_t>::max();
  if (offset > kMax || length > kMax - offset)
    throw std::length_error("text lines of more than 4 GiB");
  return {static_cast<uint32_t>(offset), static_cast<uint32_t>(length)};
}

TextLines::Span TextLines::Store(std::string_view line) {
  const Span span = SpanOf(text_.size(), line.size());
  const char* const data = text_.data();
  if (!line.empty() && line.data() >= data && line.data() < data + text_.size()) {
    // A view of this list's own text: taken by offset, since the append may move it.
    const size_t from = static_cast<size_t>(line.data() - data);
    text_.reserve(text_.size() + line.size());
    text_.append(text_.data() + from, line.size());
  } else {
    text_.append(line);
  }
  return span;
}

void TextLines::push_back(std::string_view line) {
  const Span span = Store(line);
  spans_.push_back(span);
}

void TextLines::append(const TextLines& other) {
  if (&other == this) {
    const size_t count = size();
    spans_.reserve(2 * count);
    for (size_t i = 0; i < count; ++i) spans_.push_back(spans_[i]);
    return;
  }
  const Span base = SpanOf(text_.size(), other.text_.size());
  spans_.reserve(spans_.size() + other.spans_.size());
  text_.append(other.text_);
  for (const Span& s : other.spans_) spans_.push_back({base.offset + s.offset, s.length});
}

void TextLines::insert(size_t index, std::string_view line) {
  if (index > size()) throw std::out_of_range("TextLines::insert");
  const Span span = Store(line);
  spans_.insert(spans_.begin() + static_cast<std::ptrdiff_t>(index), span);
}

void TextLines::replace(size_t index, std::string_view line) {
  if (index >= size()) throw std::out_of_range("TextLines::replace");
  spans_[index] = Store(line);
}

void TextLines::erase(size_t index) {
  if (index >= size()) throw std::out_of_range("TextLines::erase");
  spans_.erase(spans_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::vector<std::string> TextLines::Strings() const {
  std::vector<std::string> strings;
  strings.reserve(size());
  for (std::string_view line : *this) strings.emplace_back(line);
  return strings;
}

bool operator==(const TextLines& a, const TextLines& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

void PrintTo(const TextLines& lines, std::ostream* os) {
  *os << '{';
  const char* separator = " ";
  for (std::string_view line : lines) {
    *os << separator << '"';
    for (char c : line) {
      if (c == '"' || c == '\\') *os << '\\';
      if (static_cast<unsigned char>(c) < 0x20)
        *os << "\\x" << "0123456789ABCDEF"[(c >> 4) & 0xF] << "0123456789ABCDEF"[c & 0xF];
      else
        *os << c;
    }
    *os << '"';
    separator = ", ";
  }
  *os << " }";
}

TextLines SplitTextLines(std::string_view bytes) {
  bytes = BeforeNul(bytes);
  TextLines lines;
  if (bytes.empty()) return lines;
  lines.SpanOf(0, bytes.size());
  lines.text_.reserve(bytes.size());
  lines.spans_.reserve(TextLines::SpansFor(bytes.size()));
  // Copied a piece at a time and each piece split while it is still in the cache.
  constexpr size_t kPiece = 64 * 1024;
  TextLines::SplitScan scan;
  for (size_t at = 0; at < bytes.size() && !scan.ended;) {
    const size_t n = std::min(kPiece, bytes.size() - at);
    lines.text_.append(bytes.data() + at, n);
    at += n;
    lines.SplitMore(scan, at == bytes.size());
  }
  return lines;
}

size_t TextLines::SpansFor(size_t bytes) { return bytes / 16 + 16; }

void TextLines::SplitMore(SplitScan& scan, bool last) {
  const char* const base = text_.data();
  const char* end = base + text_.size();
  const char* p = base + scan.searched;
  BreakFinder breaks;
  for (;;) {
    const char* const at = breaks.Next(p, end);
    if (at == end) {
      p = end;
      break;
    }
    if (*at == '\0') {
      scan.ended = true;
      end = at;
      break;
    }
    // A CR that ends what is there may be the first half of a CR LF.
    if (*at == '\r' && at + 1 == end && !last) {
      p = at;
      break;
    }
    spans_.push_back(SpanOf(scan.line, static_cast<size_t>(at - base) - scan.line));
    p = at + BreakLength(at, end);
    scan.line = static_cast<size_t>(p - base);
  }
  scan.searched = static_cast<size_t>(std::min(p, end) - base);
  if ((last || scan.ended) && static_cast<size_t>(end - base) > scan.line)
    spans_.push_back(SpanOf(scan.line, static_cast<size_t>(end - base) - scan.line));
}

void TextLines::SplitAppended(size_t start) {
  ReserveMore(SpansFor(text_.size() - start), 0);
  SplitScan scan{start, start, false};
  SplitMore(scan, true);
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
  LineBreaks scan(end);
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
  for (std::string_view l : lines) size += l.size() + 2;
  std::string out;
  out.reserve(size);
  for (std::string_view l : lines) {
    out.append(l);
    out.append("\r\n", 2);
  }
  return out;
}

TextLines ReadTextLines(FileSystem& fs, const std::string& path) {
  TextLines lines;
  AppendFileLines(fs, path, lines);
  return lines;
}

void AppendFileLines(FileSystem& fs, const std::string& path, TextLines& lines,
                     size_t spareBytes) {
  CheckShownFileSize(fs, path);
  const auto size = fs.FileSize(path);
  const size_t bytes = size ? static_cast<size_t>(*size) : 0;
  lines.ReserveMore(0, bytes + spareBytes);
  bool read = true;
  lines.AppendSplit([&](std::string& buffer) { read = fs.AppendBytes(path, buffer); });
  if (!read) throw EFileOpenError(path);
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
