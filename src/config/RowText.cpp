#include "config/RowText.h"

#include "markup/MarkupEscape.h"

namespace vconfig {
namespace {

bool IsMarkupRow(std::string_view row) { return row.find("</") != std::string_view::npos; }

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
    size_t length = 0;
    const char decoded = c == '&' ? DecodeEscape(row.substr(i), length) : 0;
    if (decoded) {
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
