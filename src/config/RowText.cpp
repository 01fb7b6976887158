#include "config/RowText.h"

namespace vconfig {
namespace {

bool IsMarkupRow(std::string_view row) { return row.find("</") != std::string_view::npos; }

// The four entities that escaping writes; any other "&" is kept as it stands.
bool DecodeEntity(std::string_view rest, char& decoded, size_t& length) {
  struct Entity {
    std::string_view name;
    char ch;
  };
  static constexpr Entity kEntities[] = {
      {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}};
  for (const Entity& e : kEntities) {
    if (rest.substr(0, e.name.size()) == e.name) {
      decoded = e.ch;
      length = e.name.size();
      return true;
    }
  }
  return false;
}

}  // namespace

std::string RowPlainText(std::string_view row) {
  if (!IsMarkupRow(row)) return std::string(row);
  std::string text;
  text.reserve(row.size());
  size_t i = 0;
  while (i < row.size()) {
    const char c = row[i];
    if (c == '<') {
      // Escaped text holds no "<": every one opens a tag (or the empty comment that
      // keeps two escapes apart). One never closed is no tag: it stays as text.
      const size_t end = row.find('>', i);
      if (end == std::string_view::npos) {
        text.append(row.substr(i));
        break;
      }
      i = end + 1;
      continue;
    }
    char decoded = 0;
    size_t length = 0;
    if (c == '&' && DecodeEntity(row.substr(i), decoded, length)) {
      text += decoded;
      i += length;
      continue;
    }
    text += c;
    ++i;
  }
  return text;
}

}  // namespace vconfig
