#include "harness/AboutDriver.h"

#include <algorithm>

namespace vtest {
namespace {

RECT ScreenRect(HWND hwnd) {
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  return r;
}

// Builds the nested records of a version resource: each a length, a value length, a
// type, a wide key and a value, padded to four bytes, followed by its children.
class VersionNode {
 public:
  VersionNode(const std::string& key, std::string value, WORD valueLength, WORD type)
      : key_(key), value_(std::move(value)), valueLength_(valueLength), type_(type) {}
  VersionNode& Add(VersionNode child) {
    children_.push_back(std::move(child));
    return children_.back();
  }
  std::string Bytes() const {
    std::string out(6, '\0');
    for (char c : key_) out += std::string{c, '\0'};
    out += std::string(2, '\0');
    Pad(out);
    out += value_;
    for (const auto& child : children_) {
      Pad(out);
      out += child.Bytes();
    }
    const WORD length = static_cast<WORD>(out.size());
    out[0] = static_cast<char>(length & 0xFF);
    out[1] = static_cast<char>(length >> 8);
    out[2] = static_cast<char>(valueLength_ & 0xFF);
    out[3] = static_cast<char>(valueLength_ >> 8);
    out[4] = static_cast<char>(type_);
    return out;
  }

 private:
  static void Pad(std::string& s) {
    while (s.size() % 4) s += '\0';
  }
  std::string key_;
  std::string value_;
  WORD valueLength_;
  WORD type_;
  std::vector<VersionNode> children_;
};

std::string Dwords(std::initializer_list<DWORD> values) {
  std::string out;
  for (DWORD v : values)
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  return out;
}

}  // namespace

HWND TopBarButton(HWND main, int index) {
  auto buttons = ChildWindows(main, "TExplBtn");
  std::sort(buttons.begin(), buttons.end(),
            [](HWND a, HWND b) { return ScreenRect(a).left < ScreenRect(b).left; });
  return index < static_cast<int>(buttons.size()) ? buttons[static_cast<size_t>(index)] : nullptr;
}

HWND OpenAboutBox(const RunningProgram& program) {
  HWND button = TopBarButton(program.main, 1);
  if (!button) return nullptr;
  ClickControl(button);
  return WaitForWindow(program.pid, "TDlgAbout", nullptr);
}

std::vector<std::string> VisibleImages(HWND about) {
  std::vector<std::string> names;
  for (HWND image : ChildWindows(about, "TImage"))
    if (::IsWindowVisible(image)) names.push_back(WindowText(image));
  return names;
}

RECT ChildRect(HWND child) {
  RECT r = ScreenRect(child);
  ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HWND OpenLanguageDialog(const RunningProgram& program) {
  HWND button = TopBarButton(program.main, 2);
  if (!button) return nullptr;
  ClickControl(button);
  return WaitForWindow(program.pid, "TLanguagesettings", nullptr);
}

LanguageDialogButtons FindLanguageDialogButtons(HWND dialog) {
  LanguageDialogButtons found;
  std::vector<HWND> wide;
  for (HWND button : ChildWindows(dialog, "TSpeedButton")) {
    const RECT r = ScreenRect(button);
    (r.right - r.left == 23 ? found.languages : wide).push_back(button);
  }
  std::sort(found.languages.begin(), found.languages.end(),
            [](HWND a, HWND b) { return ScreenRect(a).top < ScreenRect(b).top; });
  std::sort(wide.begin(), wide.end(),
            [](HWND a, HWND b) { return ScreenRect(a).left < ScreenRect(b).left; });
  if (wide.size() == 2) {
    found.ok = wide[0];
    found.cancel = wide[1];
  }
  return found;
}

std::string SettingsValue(const std::string& settings, const char* key) {
  char value[256] = {};
  ::GetPrivateProfileStringA("Options", key, "", value, sizeof value, settings.c_str());
  return value;
}

void SetSettingsValue(const std::string& settings, const char* key, const char* value) {
  ::WritePrivateProfileStringA("Options", key, value, settings.c_str());
}

bool StampVersion(const std::string& exe, const std::map<std::string, std::string>& strings) {
  VersionNode root("VS_VERSION_INFO",
                   Dwords({0xFEEF04BD, 0x00010000, 0x00010002, 0x00030004, 0x00010002, 0x00030004,
                           0x3F, 0, VOS__WINDOWS32, VFT_APP, 0, 0, 0}),
                   52, 0);
  VersionNode& table = root.Add(VersionNode("StringFileInfo", "", 0, 1))
                           .Add(VersionNode("040904E4", "", 0, 1));
  for (const auto& [key, value] : strings) {
    std::string wide;
    for (char c : value) wide += std::string{c, '\0'};
    wide += std::string(2, '\0');
    table.Add(VersionNode(key, wide, static_cast<WORD>(value.size() + 1), 1));
  }
  root.Add(VersionNode("VarFileInfo", "", 0, 1))
      .Add(VersionNode("Translation", Dwords({0x04E40409}), 4, 0));
  const std::string block = root.Bytes();

  HANDLE update = ::BeginUpdateResourceA(exe.c_str(), FALSE);
  if (!update) return false;
  // Whatever language the old block was stored under, it goes.
  for (WORD lang : {WORD(0), WORD(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US))})
    ::UpdateResourceA(update, MAKEINTRESOURCEA(16), MAKEINTRESOURCEA(1), lang, nullptr, 0);
  const BOOL added = ::UpdateResourceA(update, MAKEINTRESOURCEA(16), MAKEINTRESOURCEA(1),
                                       MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                       const_cast<char*>(block.data()),
                                       static_cast<DWORD>(block.size()));
  return ::EndUpdateResourceA(update, !added) && added;
}

}  // namespace vtest
