// The popup commands of the main window's content list. Each finds its target again
// by hit-testing PopupPoint, changes the file or the registry at once and reloads
// only the section it acted on.
#include <windows.h>

#include <shellapi.h>

#include "config/AutostartEditing.h"
#include "windows/ProgramWindows_win.h"
#include "config/LineEditing.h"
#include "windows/ValueDialog_win.h"
#include "windows/EditorWindow_win.h"
#include "windows/LineDialog_win.h"
#include "windows/MainWindow_win.h"
#include "locale/Language.h"
#include "platform/FileSystem_win.h"

namespace vconfig {
namespace {

// The source of the target's section when it has the given kind.
const ConfigSource* TargetSource(const PopupTarget& target, SourceKind kind) {
  const ConfigSource* source = FindSource(target.sectionTitle);
  return source && source->kind == kind ? source : nullptr;
}

// The file a line command acts on; empty for any section that is not a text file.
std::string TargetFilePath(const PopupTarget& target) {
  const ConfigSource* source = TargetSource(target, SourceKind::TextFile);
  return source ? SourceLocation(*source).path : std::string();
}

bool AskRemoval(HWND owner, const std::string& text) {
  return ::MessageBoxA(owner, text.c_str(), GetLangString(106).c_str(), MB_YESNO) == IDYES;
}

// A file section is reloaded only while its file exists.
void ReloadFileSection(MainWindow& form, const std::string& caption, const std::string& path) {
  if (!path.empty() && SystemFileSystem().FileExists(path)) form.ReloadSection(caption);
}

}  // namespace

void MainWindow::Add1Click() {
  const PopupTarget target = TargetAtPopupPoint();
  const std::string path = TargetFilePath(target);
  if (!path.empty()) textNEFrm()->newtext(path, target.row);
  ReloadFileSection(*this, target.sectionTitle, path);
}

void MainWindow::Edit1Click() {
  const PopupTarget target = TargetAtPopupPoint();
  const std::string path = TargetFilePath(target);
  if (!path.empty()) textNEFrm()->edittext(path, target.row);
  ReloadFileSection(*this, target.sectionTitle, path);
}

void MainWindow::Rem1Click() {
  const PopupTarget target = TargetAtPopupPoint();
  const std::string path = TargetFilePath(target);
  if (path.empty()) return;
  RemoveLine(SystemFileSystem(), path, target.row, [this](const std::string& line) {
    return AskRemoval(hwnd(), GetLangString(104) + line + "?");
  });
  ReloadFileSection(*this, target.sectionTitle, path);
}

void MainWindow::View1Click() {
  const PopupTarget target = TargetAtPopupPoint();
  const std::string path = TargetFilePath(target);
  if (!path.empty()) TextEditfrm()->textedit(path);
  // Reloaded before anything is edited: the editor's later save shows only when the
  // group is loaded again.
  ReloadFileSection(*this, target.sectionTitle, path);
}

void MainWindow::Add2Click() {
  const PopupTarget target = TargetAtPopupPoint();
  const ConfigSource* source = TargetSource(target, SourceKind::RunKey);
  if (!source) return;
  const SourceLocationInfo place = SourceLocation(*source);
  RegNeVAlFrm()->newreg(place.root, place.keyPath);
  ReloadSection(target.sectionTitle);
}

void MainWindow::Edit2Click() {
  const PopupTarget target = TargetAtPopupPoint();
  const ConfigSource* source = TargetSource(target, SourceKind::RunKey);
  if (!source) return;
  const SourceLocationInfo place = SourceLocation(*source);
  if (target.row >= 0) RegNeVAlFrm()->editreg(place.root, place.keyPath, target.row);
  ReloadSection(target.sectionTitle);
}

void MainWindow::Rem2Click() {
  const PopupTarget target = TargetAtPopupPoint();
  const ConfigSource* source = TargetSource(target, SourceKind::RunKey);
  if (!source) return;
  const SourceLocationInfo place = SourceLocation(*source);
  RemoveRunValue(SystemRegistry(), place.root, place.keyPath, target.row,
                 [this](const RunValueText& value) {
                   return AskRemoval(hwnd(), GetLangString(104) + value.name + " : " + value.data);
                 });
  ReloadSection(target.sectionTitle);
}

void MainWindow::View2Click() {
  const PopupTarget target = TargetAtPopupPoint();
  const ConfigSource* source = TargetSource(target, SourceKind::StartupFolder);
  if (!source) return;
  const std::string folder = SourceLocation(*source).path;
  // Exploring an empty path would open some other folder.
  if (folder.empty()) return;
  ::ShellExecuteA(nullptr, "explore", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace vconfig
