// LineDialog: the one-line dialog that adds a line to a configuration file or
// replaces one. Created once at start and reused; shown modally.
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "config/LineEditing.h"
#include "controls/Form_win.h"
#include "platform/Handles_win.h"

namespace vconfig {

class PushButton;
class TabNavigation;
class TiledBackground;
class Panel;

class LineDialog : public Form {
 public:
  LineDialog();
  ~LineDialog() override;
  bool Create(HWND owner);

  // New mode: the confirmed text goes before line `index` (or at the end). The field
  // keeps whatever it last held. `shown` are the lines the list shows for the file:
  // the confirm writes only over those. Returns when the dialog has closed. A write
  // that fails is reported while the dialog stays open with the text typed; a file
  // changed behind the list (EFileChangedError) or written without its attributes
  // (EAttributesLostError) closes it and throws then.
  void AddLine(const std::string& path, int index, const TextLines& shown);
  // Edit mode: the field starts with line `index` of the file (when it has lines).
  void EditLine(const std::string& path, int index, const TextLines& shown);

  void Confirm();
  void Cancel();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateComponents();
  void PrepareCaptions(const std::string& path);
  void ShowAndRethrow();
  void Close(int result);
  void ReportFailure();

  UniqueFont font_;
  std::unique_ptr<TiledBackground> background_;
  std::unique_ptr<Panel> panel_;
  HWND field_ = nullptr;  // owned by the panel
  std::unique_ptr<PushButton> okButton_;
  std::unique_ptr<PushButton> cancelButton_;
  std::vector<std::unique_ptr<TabNavigation>> tabNavigation_;

  std::string path_;
  TextLines shown_;
  int index_ = -1;
  LineEditMode mode_ = LineEditMode::New;
  std::exception_ptr failure_;  // of the last confirm
};

}  // namespace vconfig
