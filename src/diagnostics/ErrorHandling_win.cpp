#include "diagnostics/ErrorHandling_win.h"

#include <windows.h>

#include <atomic>
#include <exception>
#include <string>

#include "diagnostics/Errors.h"
#include "diagnostics/ExceptionReporter_win.h"

namespace vconfig {
namespace {

std::atomic<ApplicationErrorSink> g_errorSink{nullptr};

}  // namespace

void SetApplicationErrorSink(ApplicationErrorSink sink) noexcept { g_errorSink = sink; }

void HandleApplicationException() noexcept {
  const ApplicationErrorSink sink = g_errorSink;
  try {
    ExceptionReporter* magic = sink ? nullptr : ExceptionReporter::Instance();
    if (magic) {
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
  if (sink) {
    sink(text.c_str());
    return;
  }
  ::MessageBoxA(::GetActiveWindow(), text.c_str(), "Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace vconfig
