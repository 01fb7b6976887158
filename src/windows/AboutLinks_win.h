// Showing the about box, and the helpers behind its links.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace vconfig {

// Shows the about box modally over its owner; its modal result, or 3 when it was
// not shown.
int ShowAboutBox(HWND owner);

// An item of the version resource of the file at path (see the portable lookup).
std::string FileVersionItem(const std::string& path, uint8_t selector);

// Open "http://" + host or "mailto:" + address with the system's handler; a failure
// is shown in an error box. True on success and for an empty argument.
bool OpenWebLink(const std::string& host);
bool OpenMailLink(const std::string& address);

// "SysErr: " and the system's text for an error code.
std::string SysErrorText(unsigned long code);

}  // namespace vconfig
