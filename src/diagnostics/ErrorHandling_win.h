// The application's general error handling: every window-procedure dispatch and
// every modal loop catches what a handler lets escape and hands it here.
#pragma once

namespace vconfig {

// Call from inside a catch block. Reports the exception in flight; the program then
// goes on with its message loop.
void HandleApplicationException() noexcept;

}  // namespace vconfig
