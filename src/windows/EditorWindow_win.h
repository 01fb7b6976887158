// EditorWindow: the whole-file editor window, created hidden once and reused. It
// shows one file in the editor and either saves it back over the file or closes
// without saving.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "controls/Form_win.h"

namespace vconfig {

class PictureStrip;
class ExplorerButton;
class TiledBackground;
class EditorMemo;
class Panel;

class EditorWindow : public Form {
 public:
  EditorWindow();
  ~EditorWindow() override;

  bool Create(HWND owner);
  // Loads the file into the editor and shows the window (not modal). Changes to the
  // file shown are asked about first (ConfirmDropChanges); Cancel keeps it. A file
  // larger than the program shows throws "File %s is too large to show here." before
  // anything changes. A file that exists but cannot be read throws "Cannot open file
  // %s"; the window is then hidden and holds no file, so no later save can write the
  // emptied editor.
  void OpenFile(const std::string& path);

  // Saves and hides; a save that fails or is declined leaves the window open.
  void SaveAndClose();
  // Hides after asking about changes.
  void CloseWithoutSaving();
  // Whether the editor's text may go: true when it holds no changes, or the user
  // answered "Save changes to %s?" with Yes (and the save succeeded) or No.
  bool ConfirmDropChanges();
  bool Modified() const;

  // Told the path after every save, so that what shows the file can show it anew.
  std::function<void(const std::string& path)> OnSaved;

  // For tests and the commands: the file shown ("" when none) and the editor.
  const std::string& Path() const { return path_; }
  EditorMemo& Editor() const { return *memo_; }

 private:
  // What the save compares to notice a change made meanwhile by someone else.
  struct FileStamp {
    bool exists = false;
    unsigned long long size = 0;
    unsigned long long writeTime = 0;
    bool operator==(const FileStamp& o) const {
      return exists == o.exists && size == o.size && writeTime == o.writeTime;
    }
  };
  static FileStamp StampOf(const std::string& path);
  void CreateComponents();
  // Writes the editor's text; false when it was not written (refused, or not to be
  // overwritten). Errors of the write are thrown.
  bool Save();
  void SetModified(bool modified);

  std::unique_ptr<TiledBackground> background_;
  std::unique_ptr<Panel> frame_;
  std::unique_ptr<EditorMemo> memo_;
  std::unique_ptr<Panel> buttonPanel_;
  std::unique_ptr<PictureStrip> strip_;
  std::unique_ptr<ExplorerButton> saveButton_;
  std::unique_ptr<ExplorerButton> cancelButton_;
  std::string path_;
  FileStamp opened_;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnClose() override;  // the close box
};

}  // namespace vconfig
