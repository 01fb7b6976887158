// The application's general error handling: every window-procedure dispatch and
// every modal loop catches what a handler lets escape and hands it here.
#pragma once

namespace vconfig {

// Call from inside a catch block. Reports the exception in flight; the program then
// goes on with its message loop.
void HandleApplicationException() noexcept;

// Programs that must never block in a modal box (the Windows-side test program) hand
// the message to a sink of their own instead of the reporter. Null restores the box.
using ApplicationErrorSink = void (*)(const char* message);
void SetApplicationErrorSink(ApplicationErrorSink sink) noexcept;

}  // namespace vconfig
