// The value commands of the autostart group, through the running program and the
// real registry of the test prefix.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/EditingDriver.h"

namespace vtest {
namespace {

constexpr const char* kAutostart = "Autostart";
const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kRunOnce = "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";

std::string Sz(const std::string& text) { return text + std::string(1, '\0'); }

void ResetKey(HKEY root, const std::string& path) {
  ::RegDeleteKeyA(root, path.c_str());
  HKEY key = nullptr;
  ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  ::RegCloseKey(key);
}

void SetValue(const std::string& name, DWORD type, const std::string& data) {
  HKEY key = nullptr;
  ::RegOpenKeyExA(HKEY_CURRENT_USER, kRun.c_str(), 0, KEY_ALL_ACCESS, &key);
  ::RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
  ::RegCloseKey(key);
}

int EnumIndex(const std::string& name) {
  const auto names = RegValueNames(HKEY_CURRENT_USER, kRun);
  const auto it = std::find(names.begin(), names.end(), name);
  return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

HWND OpenValueDialog(EditingSession& program, int row, int position) {
  if (!program.PopupCommand("HCU\\Run", row, position)) return nullptr;
  return program.WaitForForm("TRegNeVAlFrm");
}

std::pair<std::string, std::string> Fields(HWND dialog) {
  const auto fields = EditFields(dialog);
  if (fields.size() < 2) return {"(no fields)", ""};
  return {WindowText(fields[0]), WindowText(fields[1])};
}

::testing::AssertionResult Confirm(HWND dialog, const std::string& name, const std::string& data) {
  const auto fields = EditFields(dialog);
  if (fields.size() < 2)
    return ::testing::AssertionFailure() << "no fields in " << DescribeWindow(dialog);
  SetText(fields[0], name);
  SetText(fields[1], data);
  return ClickButton(dialog, "Save");
}

class EditingAutostart : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetKey(HKEY_CURRENT_USER, kRun);
    SetValue("Alpha", REG_SZ, Sz("C:\\a.exe"));
    SetValue("Beta", REG_EXPAND_SZ, Sz("%ProgramFiles%\\b\\b.exe -q"));
  }
  KeyKeeper keepRun{HKEY_CURRENT_USER, kRun};
  KeyKeeper keepRunOnce{HKEY_CURRENT_USER, kRunOnce};
};

TEST_F(EditingAutostart, AddEditAndRemoveWriteWhatWasConfirmed) {
  EditingSession program;
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.OpenSource(kAutostart, "HCU\\Run"));
  EXPECT_EQ(program.SectionRows("HCU\\Run").size(), 2u);

  // A new value with a command line with arguments, shown after the rebuild.
  HWND dialog = OpenValueDialog(program, -1, popup::kAdd2OnTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowText(dialog), "Registry value");
  const std::string gamma = "\"C:\\Program Files\\G\\g.exe\" /start -x";
  ASSERT_TRUE(Confirm(dialog, "Gamma", gamma));
  RegValue v = ReadRegValue(HKEY_CURRENT_USER, kRun, "Gamma");
  EXPECT_EQ(v.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(v.data, Sz(gamma));
  EXPECT_TRUE(WaitFor([&] { return program.SectionRows("HCU\\Run").size() == 3u; }));

  // An existing name is overwritten without a question.
  dialog = OpenValueDialog(program, -1, popup::kAdd2OnTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Fields(dialog), std::make_pair(std::string("Gamma"), gamma)) << "fields keep their text";
  ASSERT_TRUE(Confirm(dialog, "Alpha", "C:\\a2.exe"));
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, kRun, "Alpha").data, Sz("C:\\a2.exe"));

  // Editing an expandable value keeps it expandable.
  dialog = OpenValueDialog(program, EnumIndex("Beta"), popup::kEdit2);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Fields(dialog),
            std::make_pair(std::string("Beta"), std::string("%ProgramFiles%\\b\\b.exe -q")));
  ASSERT_TRUE(Confirm(dialog, "Beta", "%ProgramFiles%\\b\\b.exe"));
  v = ReadRegValue(HKEY_CURRENT_USER, kRun, "Beta");
  EXPECT_EQ(v.type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_EQ(v.data, Sz("%ProgramFiles%\\b\\b.exe"));

  // Editing with another name writes a second value and leaves the first.
  dialog = OpenValueDialog(program, EnumIndex("Alpha"), popup::kEdit2);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(Confirm(dialog, "Alpha2", "C:\\a2.exe"));
  EXPECT_TRUE(ReadRegValue(HKEY_CURRENT_USER, kRun, "Alpha").exists);
  EXPECT_TRUE(ReadRegValue(HKEY_CURRENT_USER, kRun, "Alpha2").exists);

  // A cancelled edit leaves its name and data in the fields for the next Add.
  dialog = OpenValueDialog(program, EnumIndex("Gamma"), popup::kEdit2);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(ClickButton(dialog, "Cancel"));
  dialog = OpenValueDialog(program, -1, popup::kAdd2OnTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Fields(dialog), std::make_pair(std::string("Gamma"), gamma));
  // An empty name sets the key's default value.
  ASSERT_TRUE(Confirm(dialog, "", "C:\\default.exe"));
  v = ReadRegValue(HKEY_CURRENT_USER, kRun, "");
  EXPECT_EQ(v.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(v.data, Sz("C:\\default.exe"));

  // Removal answered No deletes nothing; the question shows name and data.
  const auto before = RegValueNames(HKEY_CURRENT_USER, kRun);
  ASSERT_TRUE(program.PopupCommand("HCU\\Run", EnumIndex("Gamma"), popup::kRem2));
  std::string question;
  ASSERT_TRUE(AnswerBox(program.pid(), "No", &question));
  EXPECT_TRUE(program.Sync());
  EXPECT_NE(question.find("Do you really want to remove Gamma : " + gamma + "\n"),
            std::string::npos)
      << question;
  EXPECT_EQ(RegValueNames(HKEY_CURRENT_USER, kRun), before);

  // Removal on the first row deletes enumeration index 0.
  ASSERT_TRUE(WaitFor([&] { return program.SectionRows("HCU\\Run").size() == before.size(); }));
  ASSERT_TRUE(program.PopupCommand("HCU\\Run", 0, popup::kRem2));
  ASSERT_TRUE(AnswerBox(program.pid(), "Yes"));
  auto after = before;
  after.erase(after.begin());
  EXPECT_TRUE(WaitFor([&] { return RegValueNames(HKEY_CURRENT_USER, kRun) == after; }, 5s));
}

TEST_F(EditingAutostart, ValuesItCannotShowOrKeysItMayNotCreateFailWithTheirMessage) {
  SetValue("Delta", REG_SZ, Sz("C:\\d.exe"));
  EditingSession program;
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.OpenSource(kAutostart, "HCU\\Run"));
  const int delta = EnumIndex("Delta");
  ASSERT_GE(delta, 0);
  ASSERT_EQ(program.SectionRows("HCU\\Run").size(), 3u);

  // Changed to a number after the list loaded: no dialog, no question, nothing changed.
  SetValue("Delta", REG_DWORD, std::string("\x05\0\0\0", 4));
  ASSERT_TRUE(program.PopupCommand("HCU\\Run", delta, popup::kEdit2));
  std::string error;
  ASSERT_TRUE(AnswerBox(program.pid(), "OK", &error));
  EXPECT_NE(error.find("Invalid data type for 'Delta'"), std::string::npos) << error;
  EXPECT_TRUE(ShowsNothingModal(program.main()));
  EXPECT_FALSE(::IsWindowVisible(::FindWindowA("TRegNeVAlFrm", nullptr)));
  ASSERT_TRUE(program.PopupCommand("HCU\\Run", delta, popup::kRem2));
  ASSERT_TRUE(AnswerBox(program.pid(), "OK", &error));
  EXPECT_NE(error.find("Invalid data type for 'Delta'"), std::string::npos) << error;
  EXPECT_TRUE(ShowsNothingModal(program.main())) << "no question follows";
  EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, kRun, "Delta").type, static_cast<DWORD>(REG_DWORD));
  // The group's listing would stop at it.
  SetValue("Delta", REG_SZ, Sz("C:\\d.exe"));

  // No RunOnce key: the write fails, the dialog closes and the key stays missing.
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kRunOnce.c_str());
  ASSERT_TRUE(program.OpenSource(kAutostart, "RunOnce"));
  ASSERT_TRUE(program.PopupCommand("RunOnce", -1, popup::kAdd2OnTitle));
  HWND dialog = program.WaitForForm("TRegNeVAlFrm");
  ASSERT_NE(dialog, nullptr);
  const auto fields = EditFields(dialog);
  ASSERT_EQ(fields.size(), 2u);
  SetText(fields[0], "Temp");
  SetText(fields[1], "C:\\t.exe");
  EXPECT_TRUE(ClickButton(dialog, "Save"));
  ASSERT_TRUE(AnswerBox(program.pid(), "OK", &error));
  EXPECT_NE(error.find("Failed to set data for 'Temp'"), std::string::npos) << error;
  EXPECT_FALSE(::IsWindowVisible(dialog));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kRunOnce));
}

TEST(EditingStartupFolders, ViewAsksTheShellToExploreTheCommonFolder) {
  const RegValue folder =
      ReadRegValue(HKEY_LOCAL_MACHINE,
                   "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                   "Common Startup");
  ASSERT_TRUE(folder.exists);
  const std::string path = folder.data.c_str();
  const std::string leaf = path.substr(path.find_last_of('\\') + 1);
  EditingSession program;
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.OpenSource(kAutostart, "Startup(Common)"));
  ASSERT_TRUE(program.PopupCommand("Startup(Common)", -1, popup::kView2InFolder));
  // The shell's explorer is a process of its own.
  HWND explorer = nullptr;
  EXPECT_TRUE(WaitFor([&] {
    explorer = ::FindWindowA("ExplorerWClass", leaf.c_str());
    return explorer && ::IsWindowVisible(explorer);
  }));
  if (explorer) ::PostMessageA(explorer, WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace vtest
