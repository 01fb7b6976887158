#include "markup/MarkupEscape.h"

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

}  // namespace

std::string EscapeMarkup(std::string_view text) {
  if (text.find_first_of("&<>\"") == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 4 + 8);
  for (size_t i = 0; i < text.size(); ++i) {
    switch (text[i]) {
      case '&':
        out += "&amp;";
        if (StartsWithEntityTail(text.substr(i + 1))) out += "<!---->";
        break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += text[i];
    }
  }
  return out;
}

}  // namespace vconfig
