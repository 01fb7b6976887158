// Drives the running program for the editing commands: opens a source in the content
// list, right-clicks its rows, picks popup commands, fills the two editing dialogs
// and answers questions and error reports. Also keeps files and Run keys of the test
// prefix as they were.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "harness/Harness.h"
#include "harness/MainWindowDriver.h"

namespace vtest {

// The program started from a fresh suite copy for the editing commands; closed (or
// ended) on destruction.
class EditingSession {
 public:
  EditingSession();
  ~EditingSession();
  EditingSession(const EditingSession&) = delete;
  EditingSession& operator=(const EditingSession&) = delete;

  ::testing::AssertionResult ok() const { return started_; }
  DWORD pid() const { return program_.pid; }
  HWND main() const { return program_.main; }
  RunningProgram& running() { return program_; }

  // Clicks a group title in the source tree (when its entries are not shown) and then
  // the entry; returns once the entry's section is loaded in the content list.
  [[nodiscard]] ::testing::AssertionResult OpenSource(const std::string& groupTitle,
                                                      const std::string& caption);
  // The content list row of a section's title, and of its row `row` (-1: the title).
  int ContentRow(const std::string& caption, int row = -1) const;
  // The rows of an open section, as the content list holds them now.
  std::vector<std::string> SectionRows(const std::string& caption) const;
  // Right-clicks a content row and picks the popup item at `position` among the items
  // shown.
  [[nodiscard]] ::testing::AssertionResult PopupCommand(const std::string& caption, int row,
                                                        int position);

  // Returns once the program has finished what it was doing (a round trip).
  [[nodiscard]] ::testing::AssertionResult Sync() const;
  // A visible window of the program by class.
  HWND WaitForForm(const char* cls) const;

 private:
  SuiteCopy suite_;
  RunningProgram program_;
  ::testing::AssertionResult started_ = ::testing::AssertionFailure();
};

// Positions of the popup items as the menus show them on a row.
namespace popup {
constexpr int kAdd1 = 0, kRem1 = 1, kEdit1 = 2, kView1 = 3;  // on a file's line
constexpr int kAdd1OnTitle = 0, kView1OnTitle = 1;           // on a file's title row
constexpr int kAdd2 = 0, kEdit2 = 1, kRem2 = 2, kView2 = 3;  // on a Run value
constexpr int kAdd2OnTitle = 0;
constexpr int kView2InFolder = 0;                             // a start-up folder's rows
}  // namespace popup

// The edit fields of a dialog in creation order, and setting/reading them.
std::vector<HWND> EditFields(HWND dialog);
void SetText(HWND control, const std::string& text);
// Clicks the dialog's button whose caption is given; waits until the dialog hides.
[[nodiscard]] ::testing::AssertionResult ClickButton(HWND dialog, const std::string& caption);

// Answers the next message box or error report of the process with the button of the
// given caption; *shown (when given) receives its caption and every text it shows,
// joined by new lines.
::testing::AssertionResult AnswerBox(DWORD pid, const std::string& button,
                                     std::string* shown = nullptr);

// Waits until the file holds exactly these bytes (a command answered in a message box
// writes after the box has gone).
[[nodiscard]] ::testing::AssertionResult FileBecomes(const std::string& path,
                                                     const std::string& bytes);

// Keeps a file's bytes and attributes (or its absence) and puts them back.
class FileKeeper {
 public:
  explicit FileKeeper(std::string path);
  ~FileKeeper();
  FileKeeper(const FileKeeper&) = delete;
  FileKeeper& operator=(const FileKeeper&) = delete;

 private:
  std::string path_;
  bool existed_ = false;
  std::string bytes_;
  DWORD attributes_ = 0;
};

// Keeps a registry key's values (or its absence) and puts them back. `view` is 0 or
// one of KEY_WOW64_32KEY, KEY_WOW64_64KEY, as in the helpers below.
class KeyKeeper {
 public:
  KeyKeeper(HKEY root, std::string path, REGSAM view = 0);
  ~KeyKeeper();
  KeyKeeper(const KeyKeeper&) = delete;
  KeyKeeper& operator=(const KeyKeeper&) = delete;

 private:
  struct Value {
    std::string name;
    DWORD type;
    std::string data;
  };
  HKEY root_;
  std::string path_;
  REGSAM view_;
  bool existed_ = false;
  std::vector<Value> values_;
};

struct RegValue {
  bool exists = false;
  DWORD type = 0;
  std::string data;  // as stored, the terminating NUL included
};
RegValue ReadRegValue(HKEY root, const std::string& key, const std::string& name,
                      REGSAM view = 0);
std::vector<std::string> RegValueNames(HKEY root, const std::string& key, REGSAM view = 0);
bool KeyExists(HKEY root, const std::string& key);

}  // namespace vtest
