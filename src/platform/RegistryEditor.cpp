#include "platform/RegistryEditor.h"

namespace vconfig {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

std::string RegistryEditorKeyPath(RegistryRoot root, std::string_view keyPath,
                                  RegistryView view, bool wow64) {
  std::string path =
      root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
  std::string_view rest = keyPath;
  while (!rest.empty() && rest.front() == '\\') rest.remove_prefix(1);
  constexpr std::string_view kSoftware = "SOFTWARE\\";
  if (view == RegistryView::Bit32 && wow64 && root == RegistryRoot::LocalMachine &&
      StartsWithNoCase(rest, kSoftware)) {
    path += '\\';
    path += rest.substr(0, kSoftware.size());
    path += "WOW6432Node\\";
    path += rest.substr(kSoftware.size());
    return path;
  }
  if (!rest.empty()) {
    path += '\\';
    path += rest;
  }
  return path;
}

std::string RegistryEditorLastKey(std::string_view previous, std::string_view keyPath) {
  // The tree's root is one component; a root key's name follows it.
  const size_t slash = previous.find('\\');
  if (slash == std::string_view::npos || slash == 0) return std::string(keyPath);
  std::string_view next = previous.substr(slash + 1);
  next = next.substr(0, next.find('\\'));
  static constexpr std::string_view kRootKeys[] = {
      "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
      "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA", "HKEY_PERFORMANCE_DATA"};
  for (std::string_view root : kRootKeys)
    if (next.size() == root.size() && StartsWithNoCase(next, root))
      return std::string(previous.substr(0, slash + 1)) + std::string(keyPath);
  return std::string(keyPath);
}

}  // namespace vconfig
