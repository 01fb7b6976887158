// Builds the three texts of one report from a capture.
#pragma once

#include <string>

#include "diagnostics/ExcCallStack.h"
#include "diagnostics/ExcCapture.h"
#include "diagnostics/ModuleList.h"

namespace vconfig {

struct ExcReport {
  std::string message;
  std::string callStack;
  std::string registers;
  std::string additional;  // no callback supplies lines in this program
};

// addressCommitted: whether the exception address lies in committed memory.
ExcReport BuildReport(const ExceptionCapture& capture, const std::string& className,
                      const std::string& message, ModuleList& modules, bool addressCommitted,
                      ExcCallStack& callStack);

}  // namespace vconfig
