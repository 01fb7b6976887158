// The texts of an exception report: message, registers, log entry and the
// description of processor faults.
#include <gtest/gtest.h>

#include "diagnostics/ExcReport.h"
#include "diagnostics/ExcText.h"

namespace vconfig {
namespace {

TEST(ExcMessage, PatternOffsetAndUnknowns) {
  struct Case {
    const char* name;
    ExcMessageParts parts;
    std::string expected;
  };
  const std::string module = "C:\\Vorn Info\\Config\\VConfig.exe";
  const Case cases[] = {
      {"in the program's code, with a line",
       {"EFileOpenError", "Cannot open file C:\\config.sys", module, 0x400000, 0x4123A0, true,
        "Upravy_win.cpp", 412},
       "Exception 'EFileOpenError' in module " + module + " at 000113A0\r\n"
       "Cannot open file C:\\config.sys\r\n\r\nSource file: Upravy_win.cpp, Line 412"},
      {"nothing known", {"EListIndexError", "List index out of bounds (3)", module, 0x400000,
                         0x4123A0, true, "", -1},
       "Exception 'EListIndexError' in module " + module + " at 000113A0\r\n"
       "List index out of bounds (3)\r\n\r\nSource file: UNKNOWN, Line UNKNOWN"},
      {"zero address, not an exception", {"int", "", "", 0, 0, false, "", -1},
       "Exception 'int' in module UNKNOWN at 00000000\r\n\r\n\r\nSource file: UNKNOWN, Line UNKNOWN"},
      {"address not committed", {"EAccessViolation", "x", module, 0x400000, 0x10, false, "", -1},
       "Exception 'EAccessViolation' in module " + module + " at 00000010\r\nx\r\n\r\n"
       "Source file: UNKNOWN, Line UNKNOWN"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExceptionMessageText(c.parts), c.expected) << c.name;

  ExcMessageParts longOne{"EFileOpenError", std::string(2000, 'x'), module, 0x400000, 0x401000,
                          true, "", -1};
  const std::string cut = ExceptionMessageText(longOne);
  EXPECT_EQ(cut.size(), 1024u);
  EXPECT_EQ(cut.substr(cut.size() - 3), "xxx");
}

ExceptionCapture SampleCapture() {
  ExceptionCapture c{};
  c.regs = CpuRegisters{0x1, 0x2, 0x3, 0x4, 0x5, 0x6, 0x0A0FB38, 0x0A0FAF0, 0x4123A0, 0x246,
                        0x23, 0x2B, 0x2B, 0x2B, 0x6B, 0x63};
  for (int i = 0; i < kCodeBytes; ++i) c.code[i] = static_cast<std::uint8_t>(0xF0 + i);
  for (int i = 0; i < kStackWords; ++i) c.stack[i] = 0x1000u * static_cast<std::uint32_t>(i);
  return c;
}

TEST(ExcRegisters, BlocksWithAndWithoutReadableDumps) {
  const std::string regs =
      "Registers:\r\n"
      "EAX = 00000001  CS = 0023  EIP = 004123A0  Flags = 00000246\r\n"
      "EBX = 00000002  SS = 002B  ESP = 00A0FAF0    EBP = 00A0FB38\r\n"
      "ECX = 00000003  DS = 002B  ESI = 00000005    FS  = 006B\r\n"
      "EDX = 00000004  ES = 002B  EDI = 00000006    GS  = 0063\r\n";
  const std::string code = "Code at CS:EIP\r\nF0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF \r\n";
  const std::string stack =
      "Stack:\r\n"
      "00000000 00001000 00002000 00003000 00004000 \r\n"
      "00005000 00006000 00007000 00008000 00009000 \r\n"
      "0000A000 0000B000 0000C000 0000D000 0000E000 \r\n"
      "0000F000 00010000 00011000 00012000 00013000 \r\n";
  ExceptionCapture c = SampleCapture();
  const struct {
    bool code, stack;
    std::string expected;
  } cases[] = {{true, true, regs + code + stack},
               {false, true, regs + stack},
               {true, false, regs + code},
               {false, false, regs}};
  for (const auto& k : cases) {
    c.codeValid = k.code;
    c.stackValid = k.stack;
    EXPECT_EQ(RegisterText(c), k.expected) << k.code << k.stack;
  }
}

TEST(ExcLog, EntryLayout) {
  const std::string entry =
      LogEntry(LocalTime{7, 5, 9, 8, 12, 2026}, "Exception 'E' in module M at 00000000\r\nm\r\n\r\n"
                                                "Source file: UNKNOWN, Line UNKNOWN",
               "Call stack:\r\n:00401000 [M]\r\n", "Registers:\r\nEAX\r\n", "");
  EXPECT_EQ(entry,
            "\r\n---------------------------07:05:09 08/12/2026---------------------------\r\n"
            "Exception 'E' in module M at 00000000\r\nm\r\n\r\nSource file: UNKNOWN, Line UNKNOWN\r\n"
            "\r\n"
            "Call stack:\r\n:00401000 [M]\r\n"
            "\r\n"
            "Registers:\r\nEAX\r\n"
            "\r\n"
            "\r\n\r\n");
}

TEST(ExcFault, ClassNamesAndMessages) {
  const struct {
    std::uint32_t code;
    std::uint32_t params;
    std::uint32_t access;
    const char* className;
    const char* message;
  } cases[] = {
      {0xC0000005, 2, 0, "EAccessViolation", "Access violation at address 004123A0. Read of address 00000010"},
      {0xC0000005, 2, 1, "EAccessViolation", "Access violation at address 004123A0. Write of address 00000010"},
      {0xC0000005, 0, 0, "EAccessViolation", "Access violation at address 004123A0. Read of address 00000000"},
      {0xC00000FD, 0, 0, "EStackOverflow", "Stack overflow"},
      {0xC0000094, 0, 0, "EDivByZero", "Division by zero"},
      {0xC0001234, 0, 0, "EExternalException", "External exception C0001234"},
  };
  for (const auto& k : cases) {
    ExceptionRecordInfo r{};
    r.code = k.code;
    r.address = 0x4123A0;
    r.paramCount = k.params;
    r.params[0] = k.access;
    r.params[1] = 0x10;
    const FaultDescription d = DescribeFault(r);
    EXPECT_EQ(d.className, k.className);
    EXPECT_EQ(d.message, k.message);
  }
}

class OneModule : public ModuleLocator {
 public:
  bool ModuleAt(Address a, std::string* name, Address* handle, std::uint32_t* size) const override {
    if (a < 0x400000 || a >= 0x410000) return false;
    *name = "C:\\P\\VConfig.exe";
    *handle = 0x400000;
    *size = 0x10000;
    return true;
  }
  bool ReadSideFile(const std::string&, std::string* text) const override {
    *text = "DSI 1\nP 1000 Thrower()\nF 0 src/Thrower.cpp\nL 1000 0 10\nL 1010 0 11\n";
    return true;
  }
};

TEST(ExcReport, ThrowAddressNamesTheLineOfTheCall) {
  OneModule locator;
  ModuleList modules(locator);
  ExceptionCapture c = SampleCapture();
  c.record.address = 0x401010;  // returns just past the call on line 10
  c.frames[0] = {0x401010, 1};
  c.frameCount = 1;
  ExcCallStack stack;
  const ExcReport r = BuildReport(c, "EFileCreateError", "Cannot create file C:\\x", modules, true, stack);
  EXPECT_EQ(r.message,
            "Exception 'EFileCreateError' in module C:\\P\\VConfig.exe at 00000010\r\n"
            "Cannot create file C:\\x\r\n\r\nSource file: Thrower.cpp, Line 10");
  EXPECT_EQ(r.callStack, "Call stack:\r\n:00401010 [VConfig.exe] Thrower() (Thrower.cpp, line 10)\r\n");
  EXPECT_EQ(r.registers.rfind("Registers:\r\n", 0), 0u);
  EXPECT_EQ(r.additional, "");
}

}  // namespace
}  // namespace vconfig
