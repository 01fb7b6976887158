#include "windows/AboutLinks_win.h"

#include <windows.h>

#include <shellapi.h>

#include <exception>
#include <stdexcept>
#include <memory>

#include "app/Application_win.h"
#include "locale/AboutTexts.h"
#include "windows/AboutBox_win.h"
#include "locale/FileVersion.h"
#include "platform/VersionResource_win.h"

namespace vconfig {
namespace {

constexpr int kNotShown = 3;

bool OpenLink(const std::string& prefix, const std::string& target) {
  if (target.empty()) return true;
  const std::string file = prefix + target;
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteA(nullptr, "open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) return true;
  const DWORD code = ::GetLastError();
  ShowErrorBox(ShellExecuteErrorText(code, SysErrorText(code)));
  return false;
}

}  // namespace

int ShowAboutBox(HWND owner) {
  int result = kNotShown;
  std::unique_ptr<AboutBox> dialog;
  try {
    dialog = std::make_unique<AboutBox>();
    if (!dialog->Create(owner)) throw std::runtime_error("Error creating window");
    if (dialog->FillTexts()) result = dialog->ShowModal();
  } catch (const std::exception& e) {
    ShowErrorBox(OpenDialogErrorText(e.what()));
    result = kNotShown;
  } catch (...) {
    ShowErrorBox(OpenDialogErrorText("Unknown error"));
    result = kNotShown;
  }
  if (result == kNotShown) ShowInfoBox(kAboutNotShown, "Information");
  dialog.reset();
  return result;
}

std::string FileVersionItem(const std::string& path, uint8_t selector) {
  return FileVersionItem(SystemVersionResource(), path, selector);
}

bool OpenWebLink(const std::string& host) { return OpenLink("http://", host); }
bool OpenMailLink(const std::string& address) { return OpenLink("mailto:", address); }

std::string SysErrorText(unsigned long code) {
  char text[256] = {};
  // Inserts are left as they stand: there are no arguments to put in them.
  const DWORD n = ::FormatMessageA(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ARGUMENT_ARRAY | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof text, nullptr);
  return SysErrorTextFrom(std::string(text, n));
}

}  // namespace vconfig
