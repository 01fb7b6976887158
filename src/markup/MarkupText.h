// Text helpers of the markup renderer: the preparation of a whole string, the
// entities decoded inside a run, and the reading of tag attributes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "markup/Color.h"

namespace vconfig {

// Entity passes ("&amp;" to "&&", "&quot;" to '"', "&sect;" ... "&euro;" to their
// bytes, in any letter case, repeated until nothing changes), then the first "<#"
// loses its "<" and the first ">" after it, line feeds go and carriage returns
// become "<BR>". Linear in the length of the text; `work` counts what it scans.
std::string PrepareMarkup(std::string_view text, std::size_t* work = nullptr);

// Inside a run: "&nbsp;" to a space, "&lt;" to "<", "&gt;" to ">".
void DecodeRunEntities(std::string_view run, std::string& out);

char UpperAscii(char c);
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);
bool StartsWithNoCase(std::string_view text, std::string_view upperPrefix);

// The text between the double quotes that follow `name` in an (upper-cased) attribute
// text. Empty when the name is missing, when a letter or digit stands between the
// name and the opening quote (the quotes belong to another attribute), or when the
// closing quote is missing.
std::string_view QuotedValue(std::string_view attributes, std::string_view name);

// The decimal number at the start of `text` after spaces: its leading digits, 0 when
// there are none; an optional "-" when `allowSign`. Saturates at `limit`.
int LeadingNumber(std::string_view text, bool allowSign = false, int limit = 1000000);

// A colour attribute value: "#RRGGBB" or a colour name in any case.
TColor ColorOfValue(std::string_view value);

}  // namespace vconfig
