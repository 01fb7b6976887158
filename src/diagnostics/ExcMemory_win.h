// The live process as the exception reporter reads it: memory that can be read
// without faulting, and the modules loaded at an address.
#pragma once

#include "diagnostics/ExcCapture.h"
#include "diagnostics/ModuleList.h"

namespace vconfig {

// Reads only committed, readable pages (asked of the system, never probed by a
// fault), so that the walk raises nothing of its own.
class LiveMemory : public StackMemory {
 public:
  bool Read(Address address, void* out, std::size_t size) const override;
  bool InModule(Address address) const override;

 private:
  bool Readable(Address address, std::size_t size) const;
  // The last readable region met: a stack walk reads one region many times.
  mutable Address regionStart_ = 0;
  mutable Address regionEnd_ = 0;
};

bool IsCommitted(Address address);

class SystemModuleLocator : public ModuleLocator {
 public:
  bool ModuleAt(Address address, std::string* fileName, Address* handle,
                std::uint32_t* size) const override;
  bool ReadSideFile(const std::string& moduleFileName, std::string* text) const override;
};

}  // namespace vconfig
