#include "diagnostics/ErrorHandling_win.h"

#include <windows.h>

#include <exception>
#include <string>

#include "diagnostics/Errors.h"

namespace vconfig {

void HandleApplicationException() noexcept {
  std::string text;
  try {
    throw;
  } catch (const AppError& e) {
    text = e.what();
  } catch (const std::exception& e) {
    text = e.what();
  } catch (...) {
    text = "Unknown exception";
  }
  ::MessageBoxA(::GetActiveWindow(), text.c_str(), "Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace vconfig
