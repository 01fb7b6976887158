#include "diagnostics/ExcCapture.h"

namespace vconfig {

void WalkFrames(const StackMemory& memory, Address address, Address framePointer, bool collapse,
                ExceptionCapture& capture) {
  capture.frameCount = 0;
  bool last = false;
  for (;;) {
    std::uint8_t probe = 0;
    if (!memory.Read(address, &probe, 1) || !memory.InModule(address)) break;
    RawFrame* previous =
        capture.frameCount > 0 ? &capture.frames[capture.frameCount - 1] : nullptr;
    if (collapse && previous && previous->address == address) {
      ++previous->count;
    } else {
      if (capture.frameCount == kMaxFrames) break;
      capture.frames[capture.frameCount++] = RawFrame{address, 1};
    }
    if (last) break;
    std::uint32_t link[2] = {};  // saved frame pointer, return address
    if (!memory.Read(framePointer, link, sizeof link)) break;
    // The caller's return address still counts; a chain that does not go up ends
    // here, as it would loop (and repeated frames count toward no limit).
    last = link[0] <= framePointer;
    framePointer = link[0];
    address = link[1];
  }
}

void CaptureDumps(const StackMemory& memory, ExceptionCapture& capture) {
  capture.codeValid = memory.Read(capture.regs.eip, capture.code, sizeof capture.code);
  capture.stackValid = memory.Read(capture.regs.esp, capture.stack, sizeof capture.stack);
}

}  // namespace vconfig
