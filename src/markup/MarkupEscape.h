// Text from files, values, folders or the user put into item markup so that it shows
// and converts as exactly what it is, never as tags or entities of its own.
#pragma once

#include <string>
#include <string_view>

namespace vconfig {

// "&", "<", ">" and '"' as "&amp;", "&lt;", "&gt;" and "&quot;"; every other byte
// stays. Where the text after an "&" would complete an entity name that the renderer
// decodes again ("&amp;" followed by "lt;" draws "&<"), an empty comment "<!---->"
// keeps the two apart: the renderer skips it as an unknown tag, the text conversion
// drops it as a tag and browsers as a comment. Text without those four characters is
// returned unchanged.
std::string EscapeMarkup(std::string_view text);

// The same in place: text without those four characters is left as it is, uncopied.
void EscapeMarkupInPlace(std::string& text);

// The character of "&amp;", "&lt;", "&gt;" or "&quot;" at the start of `text` (what
// escaping writes), with the entity's length; 0 for anything else.
char DecodeEscape(std::string_view text, size_t& length);

}  // namespace vconfig
