#include "controls/chrome/FileDialog_win.h"

#include <cstring>
#include <vector>

#include "platform/SystemInfo_win.h"

namespace vconfig {

static_assert(sizeof(OPENFILENAMEA) == kExtendedFileNameRecordSize,
              "the extended open-file-name record is 88 bytes");

void FileDialog::SetSystemVersion(const VersionRecord& version) {
  version_ = version;
  versionSet_ = true;
}

bool FileDialog::Execute() {
  const VersionRecord version = versionSet_ ? version_ : TheSystemInfo().Version();
  const FileDialogRecordChoice choice = ChooseFileDialogRecord(version, ShowPlacesBar);

  const std::string filter = FileDialogFilter(Filter);
  std::vector<char> name(MAX_PATH * 4, '\0');
  if (FileName.size() < name.size()) std::memcpy(name.data(), FileName.data(), FileName.size());

  OPENFILENAMEA ofn{};
  // Systems before NT 5.0 know only the plain record: the tail stays unused there.
  ofn.lStructSize = choice.size;
  ofn.hwndOwner = owner;
  ofn.hInstance = ::GetModuleHandleA(nullptr);
  ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(FilterIndex);
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
  ofn.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
  ofn.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  ofn.Flags = Options | OFN_EXPLORER;
  if (choice.extended) {
    ofn.pvReserved = nullptr;
    ofn.dwReserved = 0;
    ofn.FlagsEx = choice.flagsEx;
  }

  DialogFunction fn = dialogFunction_;
  if (!fn) fn = save_ ? &::GetSaveFileNameA : &::GetOpenFileNameA;
  if (!fn(&ofn)) return false;
  name.back() = '\0';
  FileName = name.data();
  FilterIndex = static_cast<int>(ofn.nFilterIndex);
  return true;
}

}  // namespace vconfig
