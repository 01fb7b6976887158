// What the exception reporter keeps of one exception between its raise and its
// display: the processor state where it was raised, the exception record, and the
// stack memory the report needs. Plain data, so that it can be filled where little
// may be done (a fault handler, a throw in progress).
#pragma once

#include <cstddef>
#include <cstdint>

namespace vconfig {

using Address = std::uint32_t;  // the program is 32-bit

struct CpuRegisters {
  std::uint32_t eax, ebx, ecx, edx, esi, edi;
  std::uint32_t ebp, esp, eip, eflags;
  std::uint16_t cs, ss, ds, es, fs, gs;
};

struct ExceptionRecordInfo {
  std::uint32_t code;
  std::uint32_t flags;
  Address address;
  std::uint32_t paramCount;
  std::uint32_t params[4];
};

// One step of the frame-pointer chain; count > 1 for a collapsed recursion.
struct RawFrame {
  Address address;
  std::uint32_t count;
};

constexpr int kMaxFrames = 100;
constexpr int kCodeBytes = 16;
constexpr int kStackWords = 20;

struct ExceptionCapture {
  CpuRegisters regs;
  ExceptionRecordInfo record;
  // A fault's address is the faulting instruction itself; a throw's is a return
  // address, whose source line is that of the call just before it.
  bool exactAddress;
  RawFrame frames[kMaxFrames];
  int frameCount;
  bool codeValid;
  std::uint8_t code[kCodeBytes];
  bool stackValid;
  std::uint32_t stack[kStackWords];
  const void* object;  // the thrown object; not owned
};

// Memory as the stack walk sees it: the live process, or recorded data in tests.
class StackMemory {
 public:
  virtual ~StackMemory() = default;
  // Copies size bytes at address; false when any of them cannot be read.
  virtual bool Read(Address address, void* out, std::size_t size) const = 0;
  // True when the address lies in a loaded module (the program or a library).
  virtual bool InModule(Address address) const = 0;
};

// Follows the frame-pointer chain from the raise: appends frames to capture.frames
// (collapsing consecutive equal return addresses when collapse is on) and stops at
// kMaxFrames distinct frames, at an unreadable address or frame pointer, at an
// address outside every module, or after the frame whose caller's frame pointer
// does not lie strictly above its own (a looping chain would never end otherwise).
void WalkFrames(const StackMemory& memory, Address address, Address framePointer, bool collapse,
                ExceptionCapture& capture);

// Fills the code bytes at EIP and the stack words at ESP where they can be read.
void CaptureDumps(const StackMemory& memory, ExceptionCapture& capture);

}  // namespace vconfig
