#include "diagnostics/ErrorHandling_win.h"

#include <windows.h>

#include <exception>
#include <string>

#include "diagnostics/Errors.h"
#include "diagnostics/ExceptionReporter_win.h"

namespace vconfig {

void HandleApplicationException() noexcept {
  try {
    if (ExceptionReporter* magic = ExceptionReporter::Instance()) {
      magic->ShowException(std::current_exception());
      return;
    }
  } catch (...) {
    // The reporter itself failed (out of memory): fall back to the plain box.
  }
  // Processes without the reporter (test programs) still show the message.
  std::string text;
  try {
    throw;
  } catch (const std::exception& e) {
    text = e.what();
  } catch (...) {
    text = "Unknown exception";
  }
  ::MessageBoxA(::GetActiveWindow(), text.c_str(), "Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace vconfig
