// What a row of the content list stands for, as plain text: the text the user copies
// and reads in a row's tooltip.
#pragma once

#include <string>
#include <string_view>

namespace vconfig {

// The text a content row stands for, exactly as it is stored. A plain row (a file
// line, a file name, a section title) is itself. A markup row is one the content list
// built around escaped text (a Run value, a file line holding "</", the other-file
// row): its tags go and its escapes are undone, so a Run value gives "name : data"
// and an escaped file line its bytes as they are in the file.
std::string RowPlainText(std::string_view row);

}  // namespace vconfig
