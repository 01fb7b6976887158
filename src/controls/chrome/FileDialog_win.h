// OpenFileDialog / SaveFileDialog: the system's file dialogs, with the places bar
// switched on or off through the extended record where the system has it.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

#include "controls/chrome/FileDialog.h"
#include "platform/SystemInfo.h"

namespace vconfig {

class FileDialog {
 public:
  using DialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEA);

  virtual ~FileDialog() = default;

  HWND owner = nullptr;
  bool ShowPlacesBar = false;
  std::string FileName;     // in: initial name; out: the chosen file
  std::string Filter;       // "Text files|*.txt|All files|*.*"
  int FilterIndex = 1;      // 1-based, as the system counts; updated on return
  std::string DefaultExt;   // without the dot
  std::string InitialDir;
  std::string Title;        // empty: the system's title
  DWORD Options = OFN_HIDEREADONLY | OFN_ENABLESIZING;

  // Shows the dialog; true when the user confirmed.
  bool Execute();

  // For tests: the system version to decide by (default: the running system's) and
  // the dialog call (default: GetOpenFileNameA / GetSaveFileNameA).
  void SetSystemVersion(const VersionRecord& version);
  void SetDialogFunction(DialogFunction fn) { dialogFunction_ = fn; }

 protected:
  explicit FileDialog(bool save) : save_(save) {}

 private:
  bool save_;
  bool versionSet_ = false;
  VersionRecord version_;
  DialogFunction dialogFunction_ = nullptr;
};

class OpenFileDialog : public FileDialog {
 public:
  OpenFileDialog() : FileDialog(false) { Options |= OFN_FILEMUSTEXIST; }
};

class SaveFileDialog : public FileDialog {
 public:
  SaveFileDialog() : FileDialog(true) {}
};

}  // namespace vconfig
