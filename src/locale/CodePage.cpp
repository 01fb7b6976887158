#include "locale/CodePage.h"

#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

#include "locale/LanguageTable.h"

namespace vconfig {
namespace {

const CodePageTable* FindTable(int codePage) {
  size_t count = 0;
  const CodePageTable* tables = CodePageTables(count);
  for (size_t i = 0; i < count; ++i)
    if (tables[i].codePage == codePage) return &tables[i];
  return nullptr;
}

char FromCodePoint(uint32_t c, int codePage) {
  if (c < 0x80) return static_cast<char>(c);
  static std::map<int, std::unordered_map<uint32_t, char>> reverse;
  auto& map = reverse[codePage];
  if (map.empty()) {
    if (const CodePageTable* table = FindTable(codePage))
      for (int i = 0; i < 128; ++i)
        if (table->high[i] != 0xFFFD) map.emplace(table->high[i], static_cast<char>(0x80 + i));
  }
  const auto found = map.find(c);
  return found == map.end() ? '?' : found->second;
}

void AppendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// One code point from UTF-8 at i; a malformed sequence gives U+FFFD and skips a byte.
uint32_t NextUtf8(std::string_view s, size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  const int extra = b >= 0xF0 && b < 0xF5   ? 3
                    : b >= 0xE0 && b < 0xF0 ? 2
                    : b >= 0xC2 && b < 0xE0 ? 1
                                            : 0;
  if (b < 0x80) {
    ++i;
    return b;
  }
  if (extra == 0 || i + extra >= s.size()) {
    ++i;
    return 0xFFFD;
  }
  uint32_t c = b & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    const auto t = static_cast<unsigned char>(s[i + k]);
    if ((t & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    c = (c << 6) | (t & 0x3F);
  }
  i += extra + 1;
  return c;
}

}  // namespace

bool IsKnownCodePage(int codePage) { return FindTable(codePage) != nullptr; }

std::string Utf16LeToCodePage(std::string_view bytes, int codePage) {
  std::string out;
  out.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint32_t c =
        static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
    if (c == 0) break;
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
      const uint32_t low = static_cast<unsigned char>(bytes[i + 2]) |
                           (static_cast<unsigned char>(bytes[i + 3]) << 8);
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    out += FromCodePoint(c, codePage);
  }
  return out;
}

std::string Utf8ToCodePage(std::string_view utf8, int codePage) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) out += FromCodePoint(NextUtf8(utf8, i), codePage);
  return out;
}

std::string CodePageToUtf8(std::string_view text, int codePage) {
  const CodePageTable* table = FindTable(codePage);
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    AppendUtf8(out, b < 0x80 ? b : table ? table->high[b - 0x80] : 0xFFFD);
  }
  return out;
}

}  // namespace vconfig
