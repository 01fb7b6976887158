#include "diagnostics/ExcCapture.h"

namespace vconfig {

void WalkFrames(const StackMemory& memory, Address address, Address framePointer, bool collapse,
                ExceptionCapture& capture) {
  capture.frameCount = 0;
  for (;;) {
    std::uint8_t probe = 0;
    if (!memory.Read(address, &probe, 1) || !memory.InModule(address)) break;
    RawFrame* last = capture.frameCount > 0 ? &capture.frames[capture.frameCount - 1] : nullptr;
    if (collapse && last && last->address == address) {
      ++last->count;
    } else {
      if (capture.frameCount == kMaxFrames) break;
      capture.frames[capture.frameCount++] = RawFrame{address, 1};
    }
    std::uint32_t link[2] = {};  // saved frame pointer, return address
    if (!memory.Read(framePointer, link, sizeof link)) break;
    if (link[0] <= framePointer) break;
    framePointer = link[0];
    address = link[1];
  }
}

void CaptureDumps(const StackMemory& memory, ExceptionCapture& capture) {
  capture.codeValid = memory.Read(capture.regs.eip, capture.code, sizeof capture.code);
  capture.stackValid = memory.Read(capture.regs.esp, capture.stack, sizeof capture.stack);
}

}  // namespace vconfig
