#include "controls/chrome/FileDialog.h"

namespace vconfig {

FileDialogRecordChoice ChooseFileDialogRecord(const VersionRecord& version, bool showPlacesBar) {
  FileDialogRecordChoice choice;
  // The places bar and its record exist from NT 5.0 (platform 2, major 5) on.
  if (version.platformId == 2 && version.major > 4) {
    choice.extended = true;
    choice.size = kExtendedFileNameRecordSize;
    choice.flagsEx = showPlacesBar ? 0 : kNoPlacesBarFlag;
  }
  return choice;
}

std::string FileDialogFilter(const std::string& filter) {
  if (filter.empty()) return std::string();
  std::string out = filter;
  for (char& c : out)
    if (c == '|') c = '\0';
  out.push_back('\0');
  out.push_back('\0');
  return out;
}

}  // namespace vconfig
