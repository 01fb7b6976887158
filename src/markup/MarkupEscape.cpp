#include "markup/MarkupEscape.h"

#include "markup/ByteSearch.h"

namespace vconfig {
namespace {

// The names the renderer decodes, before or after it splits the text into runs.
constexpr std::string_view kDecodedNames[] = {"amp",  "quot",  "sect", "permil", "reg", "copy",
                                              "para", "trade", "euro", "lt",     "gt",  "nbsp"};

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// True when `rest` begins with a decoded entity's name and its ";".
bool StartsWithEntityTail(std::string_view rest) {
  for (std::string_view name : kDecodedNames) {
    if (rest.size() <= name.size() || rest[name.size()] != ';') continue;
    bool same = true;
    for (size_t i = 0; i < name.size() && same; ++i) same = LowerAscii(rest[i]) == name[i];
    if (same) return true;
  }
  return false;
}

// The first of "&<>\"" in text from i on, or its size.
size_t FindEscaped(std::string_view text, size_t i) {
  const char* const end = text.data() + text.size();
  return static_cast<size_t>(FindAnyOf(text.data() + i, end, '&', '<', '>', '"') - text.data());
}

}  // namespace

std::string EscapeMarkup(std::string_view text) {
  size_t i = FindEscaped(text, 0);
  if (i == text.size()) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 4 + 8);
  out.append(text.substr(0, i));
  while (i < text.size()) {
    switch (text[i]) {
      case '&':
        out += "&amp;";
        if (StartsWithEntityTail(text.substr(i + 1))) out += "<!---->";
        break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += "&quot;";
    }
    const size_t next = FindEscaped(text, i + 1);
    out.append(text.substr(i + 1, next - i - 1));
    i = next;
  }
  return out;
}

void EscapeMarkupInPlace(std::string& text) {
  if (FindEscaped(text, 0) != text.size()) text = EscapeMarkup(text);
}

char DecodeEscape(std::string_view text, size_t& length) {
  static constexpr struct {
    std::string_view name;
    char c;
  } kEntities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}};
  for (const auto& e : kEntities) {
    if (text.substr(0, e.name.size()) == e.name) {
      length = e.name.size();
      return e.c;
    }
  }
  return 0;
}

}  // namespace vconfig
