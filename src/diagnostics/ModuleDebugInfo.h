// One loaded module as the exception reporter knows it: file name, load address and
// size and, when a side file with the module's name and the extension ".DSI" lies
// beside it, the tables that map an address to a procedure and a source line.
//
// Side file: text lines, addresses relative to the load address, in hex:
//   DSI 1
//   P <rva> <demangled procedure name>
//   F <index> <source file name>
//   L <rva> <file index> <line>
//   E <rva>                       (end of a line sequence: no line from here on)
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "diagnostics/ExcCapture.h"

namespace vconfig {

struct SourcePosition {
  int fileIndex = -1;
  int line = -1;
};

class ModuleDebugInfo {
 public:
  // Reads the side file's text; false when there is none.
  using SideFileReader = std::function<bool(std::string& text)>;

  ModuleDebugInfo(std::string fileName, Address handle, std::uint32_t size,
                   SideFileReader reader = {});

  const std::string& FileName() const { return fileName_; }
  Address Handle() const { return handle_; }
  bool Contains(Address address) const { return address - handle_ < size_; }

  // The side file is read at the first look-up, not at registration, so that
  // start-up does not pay for it.
  bool HasDebugInfo() const;
  // Index of the procedure holding the address and the offset into it; -1 if none.
  int ProcedureIndex(Address address, std::uint32_t* offset = nullptr) const;
  const std::string& ProcedureName(int index) const;
  SourcePosition LineAt(Address address) const;
  const std::string& SourceFileName(int index) const;

  // Parses side-file text into the tables; false (and no tables) when malformed.
  bool Load(const std::string& text);

 private:
  struct Procedure {
    std::uint32_t rva;
    std::string name;
  };
  struct LineEntry {
    std::uint32_t rva;
    int fileIndex;  // -1: end of a sequence
    int line;
  };
  void EnsureLoaded() const;

  std::string fileName_;
  Address handle_;
  std::uint32_t size_;
  SideFileReader reader_;
  mutable bool loaded_ = false;
  bool hasDebugInfo_ = false;
  std::vector<Procedure> procedures_;
  std::vector<std::string> files_;
  std::vector<LineEntry> lines_;
};

}  // namespace vconfig
