#include "diagnostics/ExcMemory_win.h"

#include <windows.h>

#include <cstring>

#include "platform/Handles_win.h"

namespace vconfig {
namespace {

constexpr DWORD kReadableProtection = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY |
                                      PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE |
                                      PAGE_EXECUTE_WRITECOPY;

bool Query(Address address, MEMORY_BASIC_INFORMATION* info) {
  return ::VirtualQuery(reinterpret_cast<const void*>(static_cast<std::uintptr_t>(address)), info,
                        sizeof *info) == sizeof *info;
}

}  // namespace

bool LiveMemory::Readable(Address address, std::size_t size) const {
  if (size == 0) return true;
  const Address last = address + static_cast<Address>(size) - 1;
  if (last < address) return false;  // wraps around
  Address at = address;
  for (;;) {
    if (at < regionStart_ || at >= regionEnd_ || regionEnd_ == 0) {
      MEMORY_BASIC_INFORMATION info{};
      if (!Query(at, &info) || info.State != MEM_COMMIT ||
          (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)) || !(info.Protect & kReadableProtection)) {
        return false;
      }
      regionStart_ = static_cast<Address>(reinterpret_cast<std::uintptr_t>(info.BaseAddress));
      regionEnd_ = regionStart_ + static_cast<Address>(info.RegionSize);
      if (regionEnd_ == 0) regionEnd_ = 0xFFFFFFFF;  // the region reaches the top
    }
    if (last < regionEnd_) return true;
    at = regionEnd_;
  }
}

bool LiveMemory::Read(Address address, void* out, std::size_t size) const {
  if (address == 0 || !Readable(address, size)) return false;
  std::memcpy(out, reinterpret_cast<const void*>(static_cast<std::uintptr_t>(address)), size);
  return true;
}

bool LiveMemory::InModule(Address address) const {
  MEMORY_BASIC_INFORMATION info{};
  return Query(address, &info) && info.State == MEM_COMMIT && info.Type == MEM_IMAGE;
}

bool IsCommitted(Address address) {
  MEMORY_BASIC_INFORMATION info{};
  return address != 0 && Query(address, &info) && info.State == MEM_COMMIT;
}

bool SystemModuleLocator::ModuleAt(Address address, std::string* fileName, Address* handle,
                                   std::uint32_t* size) const {
  MEMORY_BASIC_INFORMATION info{};
  if (!Query(address, &info) || info.State != MEM_COMMIT || info.Type != MEM_IMAGE) return false;
  HMODULE module = static_cast<HMODULE>(info.AllocationBase);
  char name[MAX_PATH] = {};
  const DWORD n = ::GetModuleFileNameA(module, name, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return false;
  // The image size from the module's own headers, which the loader has mapped.
  LiveMemory memory;
  const Address base = static_cast<Address>(reinterpret_cast<std::uintptr_t>(module));
  IMAGE_DOS_HEADER dos{};
  IMAGE_NT_HEADERS32 nt{};
  if (!memory.Read(base, &dos, sizeof dos) || dos.e_magic != IMAGE_DOS_SIGNATURE ||
      !memory.Read(base + static_cast<Address>(dos.e_lfanew), &nt, sizeof nt) ||
      nt.Signature != IMAGE_NT_SIGNATURE) {
    return false;
  }
  *fileName = name;
  *handle = base;
  *size = nt.OptionalHeader.SizeOfImage;
  return true;
}

bool SystemModuleLocator::ReadSideFile(const std::string& moduleFileName,
                                       std::string* text) const {
  UniqueFile file(::CreateFileA(SideFileName(moduleFileName).c_str(), GENERIC_READ,
                                FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
  if (!file) return false;
  const DWORD size = ::GetFileSize(file.get(), nullptr);
  if (size == INVALID_FILE_SIZE) return false;
  text->assign(size, '\0');
  DWORD read = 0;
  if (size > 0 && (!::ReadFile(file.get(), text->data(), size, &read, nullptr) || read != size)) {
    text->clear();
    return false;
  }
  return true;
}

}  // namespace vconfig
