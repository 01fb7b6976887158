// The texts of an exception report: the message, the register block, the log
// entry, and the description of a processor fault. All with CR LF line ends.
#pragma once

#include <string>

#include "diagnostics/ExcCapture.h"

namespace vconfig {

std::string Format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));
// A pointer as the reports show it: eight upper-case hex digits.
std::string FormatPointer(Address address);

constexpr std::size_t kMaxMessageText = 1024;
extern const char* const kUnknown;  // "UNKNOWN"

struct ExcMessageParts {
  std::string className;
  std::string message;     // empty for objects that are not exceptions
  std::string moduleName;  // the module holding the address; empty when none
  Address moduleHandle = 0;
  Address address = 0;
  bool committed = false;  // the address lies in committed memory
  std::string sourceFile;  // empty when unknown
  int line = -1;
};

// "Exception '%s' in module %s at %p", the message and "Source file: %s, Line %s",
// the address given as an offset into the module's code, cut to 1024 characters.
std::string ExceptionMessageText(const ExcMessageParts& parts);
// The address as the message shows it: relative to the start of the module's code
// when the address lies in committed memory of a module, else unchanged.
Address MessageOffset(const ExcMessageParts& parts);

// "Registers:", the four register lines, then the code bytes and the stack words
// when they were readable.
std::string RegisterText(const ExceptionCapture& capture);

struct LocalTime {
  int hour, minute, second, day, month, year;
};

// One log entry: the dashed time-stamp line, then each text followed by one empty line.
std::string LogEntry(const LocalTime& time, const std::string& message,
                     const std::string& callStack, const std::string& registers,
                     const std::string& additional);

// The class name and message that a processor fault is reported with.
struct FaultDescription {
  std::string className;
  std::string message;
};
FaultDescription DescribeFault(const ExceptionRecordInfo& record);

}  // namespace vconfig
