#include "markup/MarkupText.h"

#include "markup/MarkupColor.h"

namespace vconfig {
namespace {

struct Entity {
  std::string_view name;  // lower case, from "&" to ";"
  std::string_view replacement;
};

// In the order the passes try them.
constexpr Entity kEntities[] = {
    {"&amp;", "&&"},     {"&quot;", "\""},  {"&sect;", "\xA7"}, {"&permil;", "\x89"},
    {"&reg;", "\xAE"},   {"&copy;", "\xA9"}, {"&para;", "\xB6"}, {"&trade;", "\x99"},
    {"&euro;", "\x80"},
};

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithNoCase(const std::string& text, std::string_view lowerSuffix) {
  if (text.size() < lowerSuffix.size()) return false;
  const std::size_t start = text.size() - lowerSuffix.size();
  for (std::size_t i = 0; i < lowerSuffix.size(); ++i) {
    if (LowerAscii(text[start + i]) != lowerSuffix[i]) return false;
  }
  return true;
}

bool IsWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Repeating "replace the first occurrence" passes until none applies is slow on
// long strings; the result is the same as rewriting at the end of the output as
// each ";" arrives, because entity names cannot overlap and no replacement ends in
// ";", so a replacement can only complete a new entity with text still to come.
std::string ReplaceEntities(std::string_view text, std::size_t* work) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c != ';') continue;
    for (const Entity& e : kEntities) {
      if (work) *work += e.name.size();
      if (EndsWithNoCase(out, e.name)) {
        out.resize(out.size() - e.name.size());
        out += e.replacement;
        break;
      }
    }
  }
  if (work) *work += text.size();
  return out;
}

}  // namespace

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view upperPrefix) {
  if (text.size() < upperPrefix.size()) return false;
  for (std::size_t i = 0; i < upperPrefix.size(); ++i) {
    if (UpperAscii(text[i]) != upperPrefix[i]) return false;
  }
  return true;
}

std::string PrepareMarkup(std::string_view text, std::size_t* work) {
  std::string s = text.find('&') != std::string_view::npos ? ReplaceEntities(text, work)
                                                          : std::string(text);
  // "<#abc>" shows as "#abc": the first one only.
  const std::size_t hash = s.find("<#");
  if (hash != std::string::npos) {
    s.erase(hash, 1);
    const std::size_t close = s.find('>', hash);
    if (close != std::string::npos) s.erase(close, 1);
  }
  std::string out;
  out.reserve(s.size() + s.size() / 4);
  for (char c : s) {
    if (c == '\n') continue;
    if (c == '\r') {
      out += "<BR>";
    } else {
      out += c;
    }
  }
  if (work) *work += 3 * s.size();
  return out;
}

void DecodeRunEntities(std::string_view run, std::string& out) {
  out.clear();
  out.reserve(run.size());
  for (std::size_t i = 0; i < run.size(); ++i) {
    if (run[i] == '&') {
      const std::string_view rest = run.substr(i);
      if (StartsWithNoCase(rest, "&NBSP;")) {
        out += ' ';
        i += 5;
        continue;
      }
      if (StartsWithNoCase(rest, "&LT;")) {
        out += '<';
        i += 3;
        continue;
      }
      if (StartsWithNoCase(rest, "&GT;")) {
        out += '>';
        i += 3;
        continue;
      }
    }
    out += run[i];
  }
}

std::string_view QuotedValue(std::string_view attributes, std::string_view name) {
  const std::size_t at = attributes.find(name);
  if (at == std::string_view::npos) return {};
  std::size_t open = at + name.size();
  while (open < attributes.size() && attributes[open] != '"') {
    if (IsWordChar(attributes[open])) return {};
    ++open;
  }
  if (open >= attributes.size()) return {};
  const std::size_t close = attributes.find('"', open + 1);
  if (close == std::string_view::npos) return {};
  return attributes.substr(open + 1, close - open - 1);
}

int LeadingNumber(std::string_view text, bool allowSign, int limit) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (allowSign && i < text.size() && text[i] == '-') {
    negative = true;
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > limit) value = limit;
  }
  return static_cast<int>(negative ? -value : value);
}

TColor ColorOfValue(std::string_view value) {
  if (!value.empty() && value[0] == '#') return MarkupColorFromHex(value);
  return MarkupColorByName(LowerAscii(value));
}

}  // namespace vconfig
