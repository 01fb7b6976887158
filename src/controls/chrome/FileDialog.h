// Which open-file-name record the file dialogs hand to the system: the extended
// one (with the places-bar flag) from NT 5.0 on, the plain one before.
#pragma once

#include <cstdint>
#include <string>

#include "platform/SystemInfo.h"

namespace vconfig {

constexpr uint32_t kPlainFileNameRecordSize = 76;
constexpr uint32_t kExtendedFileNameRecordSize = 88;
constexpr uint32_t kNoPlacesBarFlag = 1;  // OFN_EX_NOPLACESBAR

struct FileDialogRecordChoice {
  bool extended = false;
  uint32_t size = kPlainFileNameRecordSize;
  uint32_t flagsEx = 0;  // only meaningful for the extended record
};

FileDialogRecordChoice ChooseFileDialogRecord(const VersionRecord& version, bool showPlacesBar);

// The system's filter text (pairs separated by NULs, ending in two) from the
// "Name|*.ext|Name|*.ext" form; empty stays empty.
std::string FileDialogFilter(const std::string& filter);

}  // namespace vconfig
