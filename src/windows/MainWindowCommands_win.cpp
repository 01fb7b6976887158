// The popup commands of the main window's content list. Each finds its target again
// by hit-testing the popup point, changes the file or the registry at once and
// reloads only the section it acted on.
#include <windows.h>

#include <shellapi.h>

#include "app/Application_win.h"
#include "config/AutostartEditing.h"
#include "config/LineEditing.h"
#include "windows/ValueDialog_win.h"
#include "windows/EditorWindow_win.h"
#include "windows/LineDialog_win.h"
#include "windows/MainWindow_win.h"
#include "locale/Language.h"
#include "platform/FileSystem_win.h"

namespace vconfig {
namespace {

bool AskRemoval(HWND owner, const std::string& text) {
  return ::MessageBoxA(owner, text.c_str(), GetLangString(106).c_str(), MB_YESNO) == IDYES;
}

// A file section is reloaded only while its file exists.
void ReloadFileSection(MainWindow& form, const std::string& caption, const std::string& path) {
  if (!path.empty() && SystemFileSystem().FileExists(path)) form.ReloadSection(caption);
}

}  // namespace

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
  if (!path.empty()) application_.LineEditor().AddLine(path, target.row);
  ReloadFileSection(*this, target.sectionTitle, path);
}

void MainWindow::EditLine() {
  const PopupTarget target = TargetAtPopupPoint();
  const std::string path = TargetFilePath(target);
  if (!path.empty()) application_.LineEditor().EditLine(path, target.row);
  ReloadFileSection(*this, target.sectionTitle, path);
}

void MainWindow::DeleteLine() {
  const PopupTarget target = TargetAtPopupPoint();
  const std::string path = TargetFilePath(target);
  if (path.empty()) return;
  RemoveLine(SystemFileSystem(), path, target.row, [this](const std::string& line) {
    return AskRemoval(hwnd(), GetLangString(104) + line + "?");
  });
  ReloadFileSection(*this, target.sectionTitle, path);
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
  application_.ValueEditor().AddValue(place.root, place.keyPath, place.view);
  ReloadSection(target.sectionTitle);
}

void MainWindow::EditValue() {
  const PopupTarget target = TargetAtPopupPoint();
  const ConfigSource* source = TargetSource(target, SourceKind::RunKey);
  if (!source) return;
  const SourceLocationInfo place = SourceLocation(*source, locations_);
  if (target.row >= 0)
    application_.ValueEditor().EditValue(place.root, place.keyPath, place.view, target.row);
  ReloadSection(target.sectionTitle);
}

void MainWindow::DeleteValue() {
  const PopupTarget target = TargetAtPopupPoint();
  const ConfigSource* source = TargetSource(target, SourceKind::RunKey);
  if (!source) return;
  const SourceLocationInfo place = SourceLocation(*source, locations_);
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

}  // namespace vconfig
