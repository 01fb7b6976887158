// The frames of the exception being shown, with what the modules' debug
// information knows of each.
#pragma once

#include <string>
#include <vector>

#include "diagnostics/ExcCapture.h"
#include "diagnostics/ModuleList.h"

namespace vconfig {

struct ExcFrame {
  const ModuleDebugInfo* module = nullptr;  // not owned
  Address address = 0;                       // return address (the raise for the first)
  int procedureIndex = -1;
  std::uint32_t procedureOffset = 0;
  int fileIndex = -1;
  int line = -1;
  int count = 1;
};

class ExcCallStack {
 public:
  // Rebuilds the frames from a capture's raw frames.
  void Build(const ExceptionCapture& capture, ModuleList& modules);
  const std::vector<ExcFrame>& Frames() const { return frames_; }
  // "Call stack:" and one line per frame (each preceded by "Recursive call (%d
  // times):" when it repeats), every line ending in CR LF.
  std::string Text() const;

 private:
  std::vector<ExcFrame> frames_;
};

// A return address belongs to the call just before it: a call to a function that
// does not return (a throw) may be the last instruction of its procedure.
inline Address LookupAddress(Address address, bool exact) {
  return exact || address == 0 ? address : address - 1;
}

}  // namespace vconfig
