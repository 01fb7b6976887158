#include "diagnostics/ExcHooks_win.h"

#include <cstring>

#include "diagnostics/ExceptionReporter_win.h"
#include "diagnostics/ExcMemory_win.h"

namespace vconfig {
namespace {

constexpr int kThrowSlots = 4;  // throws nested in unwinding or in catch blocks

struct ThreadCaptures {
  ExceptionCapture throws[kThrowSlots];
  int next;
  int used;
  ExceptionCapture fault;
  bool faultValid;
};

thread_local ThreadCaptures t_captures;

bool IsFaultCode(DWORD code) { return (code & 0xF0000000u) == 0xC0000000u; }

LONG CALLBACK CaptureFaultAtRaise(EXCEPTION_POINTERS* pointers) {
  // Only a copy: the dispatch goes on, and a fault that some handler catches is
  // simply overwritten by the next one.
  if (pointers && pointers->ExceptionRecord && pointers->ContextRecord &&
      IsFaultCode(pointers->ExceptionRecord->ExceptionCode)) {
    ThreadCaptures& t = t_captures;
    FillFromSystem(*pointers->ContextRecord, *pointers->ExceptionRecord, t.fault);
    t.faultValid = true;
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

// Called from the throw wrapper: wrapperFrame is the wrapper's frame pointer, so
// the thrower's frame pointer lies at it and the throw's return address above it.
__attribute__((noinline)) void CaptureThrow(const void* object, void* wrapperFrame,
                                            void* returnAddress) {
  const ExceptionReporter* magic = ExceptionReporter::Instance();
  if (!magic || !magic->Active()) return;
  CONTEXT context{};
  context.ContextFlags = CONTEXT_FULL;
  ::RtlCaptureContext(&context);

  ThreadCaptures& t = t_captures;
  ExceptionCapture& c = t.throws[t.next];
  t.next = (t.next + 1) % kThrowSlots;
  if (t.used < kThrowSlots) ++t.used;
  std::memset(&c, 0, sizeof c);
  EXCEPTION_RECORD record{};
  FillFromSystem(context, record, c);
  const Address frame = static_cast<Address>(reinterpret_cast<std::uintptr_t>(wrapperFrame));
  const Address raise = static_cast<Address>(reinterpret_cast<std::uintptr_t>(returnAddress));
  LiveMemory memory;
  std::uint32_t callerFrame = 0;
  memory.Read(frame, &callerFrame, sizeof callerFrame);
  c.regs.eip = raise;
  c.regs.ebp = callerFrame;
  c.regs.esp = frame + 8;
  c.record.address = raise;
  c.exactAddress = false;
  c.object = object;
  // The stack below the catch is reused before the report is shown: walk it now.
  WalkFrames(memory, raise, callerFrame, magic->CollapseRecursion(), c);
  CaptureDumps(memory, c);
}

}  // namespace

void FillFromSystem(const CONTEXT& x, const EXCEPTION_RECORD& record, ExceptionCapture& c) {
  c.regs = CpuRegisters{x.Eax, x.Ebx, x.Ecx, x.Edx, x.Esi, x.Edi, x.Ebp, x.Esp, x.Eip, x.EFlags,
                        static_cast<std::uint16_t>(x.SegCs), static_cast<std::uint16_t>(x.SegSs),
                        static_cast<std::uint16_t>(x.SegDs), static_cast<std::uint16_t>(x.SegEs),
                        static_cast<std::uint16_t>(x.SegFs), static_cast<std::uint16_t>(x.SegGs)};
  c.record = ExceptionRecordInfo{};
  c.record.code = record.ExceptionCode;
  c.record.flags = record.ExceptionFlags;
  c.record.address =
      static_cast<Address>(reinterpret_cast<std::uintptr_t>(record.ExceptionAddress));
  c.record.paramCount = record.NumberParameters < 4 ? record.NumberParameters : 4;
  for (std::uint32_t i = 0; i < c.record.paramCount; ++i) {
    c.record.params[i] = static_cast<std::uint32_t>(record.ExceptionInformation[i]);
  }
  c.exactAddress = true;
  c.frameCount = 0;
  c.codeValid = false;
  c.stackValid = false;
  c.object = nullptr;
}

void InstallRaiseHooks() {
  // Touch this thread's area now: a first touch allocates, which a fault handler
  // on an exhausted stack must not have to do.
  t_captures.next = 0;
  ::AddVectoredExceptionHandler(1, &CaptureFaultAtRaise);
}

const ExceptionCapture* FindThrowCapture(const void* object) {
  ThreadCaptures& t = t_captures;
  if (t.used == 0) return nullptr;
  for (int i = 1; i <= t.used; ++i) {
    const ExceptionCapture& c = t.throws[(t.next - i + kThrowSlots) % kThrowSlots];
    if (c.object == object) return &c;
  }
  return &t.throws[(t.next - 1 + kThrowSlots) % kThrowSlots];
}

ExceptionCapture* FaultCapture(const EXCEPTION_POINTERS* pointers) {
  ThreadCaptures& t = t_captures;
  const bool seen = t.faultValid && pointers && pointers->ExceptionRecord &&
                    t.fault.record.address == static_cast<Address>(reinterpret_cast<std::uintptr_t>(
                                                  pointers->ExceptionRecord->ExceptionAddress)) &&
                    t.fault.record.code == pointers->ExceptionRecord->ExceptionCode;
  if (!seen && pointers && pointers->ExceptionRecord && pointers->ContextRecord) {
    FillFromSystem(*pointers->ContextRecord, *pointers->ExceptionRecord, t.fault);
    t.faultValid = true;
  }
  return t.faultValid ? &t.fault : nullptr;
}

}  // namespace vconfig

// The link wraps the run time's throw entry point (--wrap=__cxa_throw): every
// throw passes here first, while the thrower's frames are still on the stack.
extern "C" {
[[noreturn]] void __real___cxa_throw(void* object, void* type, void (*destroy)(void*));

__attribute__((noinline)) void __wrap___cxa_throw(void* object, void* type,
                                                  void (*destroy)(void*)) {
  vconfig::CaptureThrow(object, __builtin_frame_address(0), __builtin_return_address(0));
  __real___cxa_throw(object, type, destroy);
}
}
