// The popup commands of the main window's content list. Each finds its target again
// by hit-testing the popup point, changes the file or the registry at once and
// reloads only the section it acted on.
#include <windows.h>

#include <shellapi.h>

#include <functional>

#include "app/Application_win.h"
#include "config/AutostartEditing.h"
#include "config/LineEditing.h"
#include "controls/sectionlist/SectionList_win.h"
#include "diagnostics/Errors.h"
#include "windows/ValueDialog_win.h"
#include "windows/EditorWindow_win.h"
#include "windows/LineDialog_win.h"
#include "windows/MainWindow_win.h"
#include "locale/Language.h"
#include "platform/FileSystem_win.h"
#include "platform/RegistryEditor.h"
#include "platform/RegistryEditor_win.h"
#include "platform/SystemInfo_win.h"

namespace vconfig {
namespace {

bool AskRemoval(HWND owner, const std::string& text) {
  return ::MessageBoxA(owner, text.c_str(), GetLangString(106).c_str(), MB_YESNO) == IDYES;
}

// A file section is reloaded only while its file exists.
void ReloadFileSection(MainWindow& form, const std::string& caption, const std::string& path) {
  if (!path.empty() && SystemFileSystem().FileExists(path)) form.ReloadSection(caption);
}

// Runs a line command and reloads its section. A file changed behind the list is
// left as it is: the user is told and sees its current content. A file written
// without its attributes shows its new content, then the user is told.
void RunLineCommand(MainWindow& form, const std::string& caption, const std::string& path,
                    const std::function<void()>& command) {
  try {
    command();
  } catch (const EFileChangedError& changed) {
    ShowInfoBox(changed.what(), kApplicationTitle);
    form.ReloadSection(caption);
    return;
  } catch (const EAttributesLostError& lost) {
    ReloadFileSection(form, caption, path);
    ShowErrorBox(lost.what());
    return;
  }
  ReloadFileSection(form, caption, path);
}

// Add, Edit and Remove on a Run key the account may read but not change.
bool RefuseChangeOfKey(const std::string& caption, const SourceLocationInfo& place) {
  if (!KeyRefusesChanges(SystemRegistry(), place.root, place.keyPath, place.view)) return false;
  ShowErrorBox(AccessDeniedMessage(caption));
  return true;
}

bool SamePath(const std::string& a, const std::string& b) {
  return a.size() == b.size() && ::lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

}  // namespace

TextLines MainWindow::ShownLines(const PopupTarget& target) const {
  TextLines lines;
  if (target.section < 0 || target.section >= contentList_->Sections().Count()) return lines;
  for (const auto& item : contentList_->Sections()[target.section].SubItems.Items())
    lines.push_back(item.text);
  return lines;
}

void MainWindow::ReloadSectionsOfFile(const std::string& path) {
  for (int s = 0; s < contentList_->Sections().Count(); ++s) {
    const std::string caption = contentList_->Sections()[s].Caption();
    const ConfigSource* source = catalogue_.Find(caption);
    if (source && source->kind == SourceKind::TextFile &&
        SamePath(SourceLocation(*source, locations_).path, path))
      ReloadSection(caption);
  }
}

const ConfigSource* MainWindow::TargetSource(const PopupTarget& target, SourceKind kind) const {
  const ConfigSource* source = catalogue_.Find(target.sectionTitle);
  return source && source->kind == kind ? source : nullptr;
}

std::string MainWindow::TargetFilePath(const PopupTarget& target) const {
  const ConfigSource* source = TargetSource(target, SourceKind::TextFile);
  return source ? SourceLocation(*source, locations_).path : std::string();
}

void MainWindow::AddLine() {
  const PopupTarget target = TargetAtPopupPoint();
  const std::string path = TargetFilePath(target);
  if (path.empty()) return;
  const TextLines shown = ShownLines(target);
  RunLineCommand(*this, target.sectionTitle, path, [&] {
    // Checked before the dialog too: the new line's place was picked in what is shown.
    ReadShownLines(SystemFileSystem(), path, shown);
    application_.LineEditor().AddLine(path, target.row, shown);
  });
}

void MainWindow::EditLine() {
  const PopupTarget target = TargetAtPopupPoint();
  const std::string path = TargetFilePath(target);
  if (path.empty()) return;
  const TextLines shown = ShownLines(target);
  RunLineCommand(*this, target.sectionTitle, path,
                 [&] { application_.LineEditor().EditLine(path, target.row, shown); });
}

void MainWindow::DeleteLine() {
  const PopupTarget target = TargetAtPopupPoint();
  const std::string path = TargetFilePath(target);
  if (path.empty()) return;
  const TextLines shown = ShownLines(target);
  RunLineCommand(*this, target.sectionTitle, path, [&] {
    RemoveLine(SystemFileSystem(), path, shown, target.row, [this](const std::string& line) {
      return AskRemoval(hwnd(), GetLangString(104) + line + "?");
    });
  });
}

void MainWindow::ViewFile() {
  const PopupTarget target = TargetAtPopupPoint();
  const std::string path = TargetFilePath(target);
  if (!path.empty()) application_.Editor().OpenFile(path);
  // Reloaded before anything is edited: the editor's later save shows only when the
  // group is loaded again.
  ReloadFileSection(*this, target.sectionTitle, path);
}

void MainWindow::AddValue() {
  const PopupTarget target = TargetAtPopupPoint();
  const ConfigSource* source = TargetSource(target, SourceKind::RunKey);
  if (!source) return;
  const SourceLocationInfo place = SourceLocation(*source, locations_);
  if (RefuseChangeOfKey(target.sectionTitle, place)) return;
  application_.ValueEditor().AddValue(place.root, place.keyPath, place.view);
  ReloadSection(target.sectionTitle);
}

void MainWindow::EditValue() {
  const PopupTarget target = TargetAtPopupPoint();
  const ConfigSource* source = TargetSource(target, SourceKind::RunKey);
  if (!source) return;
  const SourceLocationInfo place = SourceLocation(*source, locations_);
  if (RefuseChangeOfKey(target.sectionTitle, place)) return;
  if (target.row >= 0)
    application_.ValueEditor().EditValue(place.root, place.keyPath, place.view, target.row);
  ReloadSection(target.sectionTitle);
}

void MainWindow::DeleteValue() {
  const PopupTarget target = TargetAtPopupPoint();
  const ConfigSource* source = TargetSource(target, SourceKind::RunKey);
  if (!source) return;
  const SourceLocationInfo place = SourceLocation(*source, locations_);
  if (RefuseChangeOfKey(target.sectionTitle, place)) return;
  RemoveRunValue(SystemRegistry(), place.root, place.keyPath, place.view, target.row,
                 [this](const RunValueText& value) {
                   return AskRemoval(hwnd(), GetLangString(104) + value.name + " : " + value.data);
                 });
  ReloadSection(target.sectionTitle);
}

void MainWindow::ExploreFolder() {
  const PopupTarget target = TargetAtPopupPoint();
  const ConfigSource* source = TargetSource(target, SourceKind::StartupFolder);
  if (!source) return;
  const std::string folder = SourceLocation(*source, locations_).path;
  // Exploring an empty path would open some other folder.
  if (folder.empty()) return;
  ::ShellExecuteA(nullptr, "explore", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// The Registry Editor opens where it remembers having been: that is set to the Run
// key of the row's section first.
void MainWindow::OpenInRegistryEditor() {
  const PopupTarget target = TargetAtPopupPoint();
  const ConfigSource* source = TargetSource(target, SourceKind::RunKey);
  if (!source) return;
  const SourceLocationInfo place = SourceLocation(*source, locations_);
  const std::string key =
      RegistryEditorKeyPath(place.root, place.keyPath, place.view, RunsUnderWow64());
  if (!OpenRegistryEditorAt(locations_.windowsDir, key))
    ShowErrorBox("Cannot start the Registry Editor");
}

}  // namespace vconfig
