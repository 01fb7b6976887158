#include "diagnostics/ExcCallStack.h"

#include "diagnostics/ExcText.h"

namespace vconfig {

void ExcCallStack::Build(const ExceptionCapture& capture, ModuleList& modules) {
  frames_.clear();
  for (int i = 0; i < capture.frameCount && i < kMaxFrames; ++i) {
    const RawFrame& raw = capture.frames[i];
    ExcFrame f;
    f.address = raw.address;
    f.count = static_cast<int>(raw.count);
    f.module = modules.Find(raw.address);
    if (f.module) {
      const Address at = LookupAddress(raw.address, i == 0 && capture.exactAddress);
      f.procedureIndex = f.module->ProcedureIndex(at, &f.procedureOffset);
      const SourcePosition pos = f.module->LineAt(at);
      f.fileIndex = pos.fileIndex;
      f.line = pos.line;
    }
    frames_.push_back(f);
  }
}

std::string ExcCallStack::Text() const {
  std::string text = "Call stack:\r\n";
  for (const ExcFrame& f : frames_) {
    if (f.count > 1) text += Format("Recursive call (%d times):", f.count) + "\r\n";
    text += ":" + FormatPointer(f.address) + " [" +
            (f.module ? FileNameOnly(f.module->FileName()) : std::string()) + "]";
    if (f.module && f.procedureIndex >= 0) text += " " + f.module->ProcedureName(f.procedureIndex);
    if (f.module && f.line >= 0) {
      text += " (" + FileNameOnly(f.module->SourceFileName(f.fileIndex)) +
              Format(", line %d)", f.line);
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace vconfig
