#include "diagnostics/ExcText.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace vconfig {

const char* const kUnknown = "UNKNOWN";

std::string Format(const char* pattern, ...) {
  va_list args;
  va_start(args, pattern);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, pattern, copy);
  va_end(copy);
  std::string out;
  if (n > 0) {
    std::vector<char> buf(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(buf.data(), buf.size(), pattern, args);
    out.assign(buf.data(), static_cast<std::size_t>(n));
  }
  va_end(args);
  return out;
}

std::string FormatPointer(Address address) { return Format("%.8X", address); }

Address MessageOffset(const ExcMessageParts& parts) {
  if (parts.address == 0) return 0;
  if (!parts.committed || parts.moduleName.empty()) return parts.address;
  return parts.address - parts.moduleHandle - 4096;
}

std::string ExceptionMessageText(const ExcMessageParts& parts) {
  std::string text = "Exception '" + parts.className + "' in module " +
                     (parts.moduleName.empty() ? std::string(kUnknown) : parts.moduleName) +
                     " at " + FormatPointer(MessageOffset(parts)) + "\r\n" + parts.message +
                     "\r\n\r\nSource file: " +
                     (parts.sourceFile.empty() ? std::string(kUnknown) : parts.sourceFile) +
                     ", Line " + (parts.line >= 0 ? std::to_string(parts.line) : kUnknown);
  if (text.size() > kMaxMessageText) text.resize(kMaxMessageText);
  return text;
}

std::string RegisterText(const ExceptionCapture& c) {
  const CpuRegisters& r = c.regs;
  std::string text = "Registers:\r\n";
  text += Format("EAX = %.8X  CS = %.4X  EIP = %.8X  Flags = %.8X\r\n", r.eax, r.cs, r.eip,
                 r.eflags);
  text += Format("EBX = %.8X  SS = %.4X  ESP = %.8X    EBP = %.8X\r\n", r.ebx, r.ss, r.esp, r.ebp);
  text += Format("ECX = %.8X  DS = %.4X  ESI = %.8X    FS  = %.4X\r\n", r.ecx, r.ds, r.esi, r.fs);
  text += Format("EDX = %.8X  ES = %.4X  EDI = %.8X    GS  = %.4X\r\n", r.edx, r.es, r.edi, r.gs);
  if (c.codeValid) {
    text += "Code at CS:EIP\r\n";
    for (std::uint8_t b : c.code) text += Format("%.2X ", b);
    text += "\r\n";
  }
  if (c.stackValid) {
    text += "Stack:\r\n";
    for (int row = 0; row < kStackWords / 5; ++row) {
      const std::uint32_t* w = c.stack + row * 5;
      text += Format("%.8X %.8X %.8X %.8X %.8X \r\n", w[0], w[1], w[2], w[3], w[4]);
    }
  }
  return text;
}

std::string LogEntry(const LocalTime& t, const std::string& message, const std::string& callStack,
                     const std::string& registers, const std::string& additional) {
  const char* dashes = "---------------------------";
  std::string entry = "\r\n";
  entry += dashes;
  entry += Format("%.2d:%.2d:%.2d %.2d/%.2d/%.4d", t.hour, t.minute, t.second, t.day, t.month,
                  t.year);
  entry += dashes;
  entry += "\r\n";
  entry += message + "\r\n\r\n";
  entry += callStack + "\r\n";
  entry += registers + "\r\n";
  entry += additional + "\r\n\r\n";
  return entry;
}

FaultDescription DescribeFault(const ExceptionRecordInfo& record) {
  switch (record.code) {
    case 0xC0000005: {
      const char* access = "Read";
      if (record.paramCount >= 1 && record.params[0] == 1) access = "Write";
      if (record.paramCount >= 1 && record.params[0] == 8) access = "Execution";
      const Address target = record.paramCount >= 2 ? record.params[1] : 0;
      return {"EAccessViolation", "Access violation at address " + FormatPointer(record.address) +
                                      ". " + access + " of address " + FormatPointer(target)};
    }
    case 0xC00000FD: return {"EStackOverflow", "Stack overflow"};
    case 0xC0000094: return {"EDivByZero", "Division by zero"};
    case 0xC0000095: return {"EIntOverflow", "Integer overflow"};
    case 0xC000008E: return {"EZeroDivide", "Floating point division by zero"};
    case 0xC0000091: return {"EOverflow", "Floating point overflow"};
    case 0xC0000093: return {"EUnderflow", "Floating point underflow"};
    case 0xC0000090: return {"EInvalidOp", "Invalid floating point operation"};
    case 0xC0000096: return {"EPrivilege", "Privileged instruction"};
    case 0xC000001D: return {"EExternalException", "Illegal instruction"};
    default: return {"EExternalException", Format("External exception %.8X", record.code)};
  }
}

}  // namespace vconfig
