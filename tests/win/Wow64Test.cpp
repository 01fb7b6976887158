// The machine's Run key in both registry views, through the running program in a
// 64-bit prefix, where this test program and the program run under WOW64. The values
// are made with the system's reg.exe and its /reg:32 and /reg:64 switches, as an
// administrator would make them. scripts/test.sh runs this suite in the 64-bit prefix
// only; elsewhere it is skipped, unless the environment says the prefix is 64-bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "config/ContentReaders.h"
#include "harness/EditingDriver.h"
#include "harness/RegistryEditorDriver.h"
#include "harness/ReportDriver.h"
#include "platform/Registry_win.h"
#include "platform/SystemInfo_win.h"

namespace vtest {
namespace {

constexpr const char* kAutostart = "Autostart";
constexpr const char* kRun64 = "HKL\\Run";
constexpr const char* kRun32 = "HKL\\Run (32-bit)";
const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr REGSAM k64 = KEY_WOW64_64KEY;
constexpr REGSAM k32 = KEY_WOW64_32KEY;

std::string Sz(const std::string& text) { return text + std::string(1, '\0'); }

// These tests run in the 64-bit prefix only (scripts/test.sh); anywhere else they fail.
#define REQUIRE_WOW64()                                                               \
  do {                                                                                \
    if (!vconfig::RunsUnderWow64())                                                   \
      FAIL() << "not a WOW64 process: run these in a 64-bit prefix (scripts/test.sh)"; \
  } while (0)

// Runs the system's reg.exe with the arguments and waits for it.
::testing::AssertionResult Reg(const std::string& args) {
  Process reg("reg.exe " + args, "");
  if (!reg.started()) return ::testing::AssertionFailure() << "reg.exe did not start";
  if (!reg.WaitForExit(30s)) return ::testing::AssertionFailure() << "reg.exe " << args;
  return ::testing::AssertionSuccess();
}

// Empties the machine's Run key in one view ("/reg:32" or "/reg:64") and fills it with
// the values given as name and REG_SZ data.
::testing::AssertionResult FillRunKey(const char* view,
                                      const std::vector<std::pair<std::string, std::string>>& values) {
  const std::string key = "\"HKLM\\" + kRun + "\" ";
  if (auto done = Reg("delete " + key + "/va /f " + view); !done) return done;
  for (const auto& [name, data] : values) {
    if (auto done = Reg("add " + key + "/v \"" + name + "\" /t REG_SZ /d \"" + data + "\" /f " + view);
        !done)
      return done;
  }
  return ::testing::AssertionSuccess();
}

std::vector<std::string> Names(REGSAM view) {
  auto names = RegValueNames(HKEY_LOCAL_MACHINE, kRun, view);
  std::sort(names.begin(), names.end());  // Wine and Windows enumerate in other orders
  return names;
}

std::vector<std::string> RowsOf(const std::vector<std::pair<std::string, std::string>>& values) {
  std::vector<std::string> rows;
  for (const auto& [name, data] : values) rows.push_back(vconfig::RunValueLine(name, data));
  return rows;
}

// The program's own registry layer, in either prefix: a 32-bit system has one view,
// so both open the same key; under WOW64 the 32-bit view is a key of its own.
TEST(Wow64Registry, EachViewOpensItsOwnKeyUnderWow64AndTheOneKeyElsewhere) {
  using vconfig::RegistryAccess;
  using vconfig::RegistryRoot;
  using vconfig::RegistryView;
  KeyKeeper keepDefault{HKEY_LOCAL_MACHINE, kRun, vconfig::RunsUnderWow64() ? k64 : 0};
  KeyKeeper keep32{HKEY_LOCAL_MACHINE, kRun, k32};
  auto open = [](RegistryView view) {
    return vconfig::SystemRegistry().OpenKey(RegistryRoot::LocalMachine, kRun,
                                             RegistryAccess::Full, view);
  };
  {
    auto key = open(RegistryView::Bit32);
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(key->SetString("ViewProbe", "C:\\probe32.exe"));
  }
  const auto keyDefault = open(RegistryView::Default);
  const auto key32 = open(RegistryView::Bit32);
  ASSERT_TRUE(keyDefault && key32);
  const auto inDefault = keyDefault->Value("ViewProbe");
  const auto in32 = key32->Value("ViewProbe");
  ASSERT_TRUE(in32.has_value());
  EXPECT_EQ(in32->data, "C:\\probe32.exe");
  if (vconfig::RunsUnderWow64()) {
    EXPECT_FALSE(inDefault.has_value()) << "the default view is the 64-bit one";
    EXPECT_FALSE(ReadRegValue(HKEY_LOCAL_MACHINE, kRun, "ViewProbe", k64).exists);
  } else {
    ASSERT_TRUE(inDefault.has_value()) << "one key in both views";
    EXPECT_EQ(inDefault->data, "C:\\probe32.exe");
  }
}

TEST(Wow64Registry, AccessMaskNamesAViewOnlyUnderWow64) {
  using vconfig::RegistryAccess;
  using vconfig::RegistryRoot;
  using vconfig::RegistryView;
  const auto Machine = RegistryRoot::LocalMachine, User = RegistryRoot::CurrentUser;
  const auto Read = RegistryAccess::Read, Full = RegistryAccess::Full;
  const auto Default = RegistryView::Default, Bit32 = RegistryView::Bit32;
  const struct {
    RegistryRoot root;
    RegistryAccess access;
    RegistryView view;
    bool wow64;
    REGSAM mask;
  } cases[] = {
      // One view only (and Windows 2000 knows no view flags): never a flag.
      {Machine, Read, Default, false, KEY_READ},
      {Machine, Full, Bit32, false, KEY_ALL_ACCESS},
      {User, Read, Bit32, false, KEY_READ},
      // The machine's default is the 64-bit view, where the system reads its Run key.
      {Machine, Read, Default, true, KEY_READ | KEY_WOW64_64KEY},
      {Machine, Full, Default, true, KEY_ALL_ACCESS | KEY_WOW64_64KEY},
      {Machine, Full, Bit32, true, KEY_ALL_ACCESS | KEY_WOW64_32KEY},
      {User, Read, Default, true, KEY_READ},
      {User, Full, Bit32, true, KEY_ALL_ACCESS | KEY_WOW64_32KEY},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(vconfig::RegistryAccessMask(c.root, c.access, c.view, c.wow64), c.mask)
        << static_cast<int>(c.root) << " " << static_cast<int>(c.access) << " "
        << static_cast<int>(c.view) << " wow64 " << c.wow64;
  }
}

class Wow64 : public ::testing::Test {
 protected:
  // Names in alphabetical order, so the rows come in the same order on Wine and Windows.
  const std::vector<std::pair<std::string, std::string>> values64 = {
      {"Agent64", "C:\\Program Files\\Vorn\\agent.exe /tray"}, {"Mixer", "C:\\windows\\mix.exe"}};
  const std::vector<std::pair<std::string, std::string>> values32 = {
      {"Updater", "C:\\Program Files (x86)\\Vorn\\update.exe -q"}};

  void SetUp() override {
    REQUIRE_WOW64();
    ASSERT_TRUE(FillRunKey("/reg:64", values64));
    ASSERT_TRUE(FillRunKey("/reg:32", values32));
    ASSERT_EQ(Names(k64), (std::vector<std::string>{"Agent64", "Mixer"}));
    ASSERT_EQ(Names(k32), std::vector<std::string>{"Updater"});
  }
  KeyKeeper keep64{HKEY_LOCAL_MACHINE, kRun, k64};
  KeyKeeper keep32{HKEY_LOCAL_MACHINE, kRun, k32};
};

TEST_F(Wow64, EachMachineRunSectionListsItsOwnViewAndAReportListsBoth) {
  EditingSession program;
  ASSERT_TRUE(program.ok());
  RunningProgram& p = program.running();
  ASSERT_TRUE(program.OpenSource(kAutostart, kRun64));
  EXPECT_EQ(Rows(p.tree),
            (std::vector<std::string>{"Configuration files", kAutostart, kRun64, kRun32, "HCU\\Run",
                                      "RunOnce", "Startup(User)", "Startup(Common)"}));
  EXPECT_EQ(program.SectionRows(kRun64), RowsOf(values64));
  ASSERT_TRUE(program.OpenSource(kAutostart, kRun32));
  EXPECT_EQ(program.SectionRows(kRun32), RowsOf(values32));

  // The report window offers both; "Select all" on the autostart group saves both.
  HWND form = OpenReportWindow(p);
  ASSERT_NE(form, nullptr);
  HWND list = ReportList(form);
  ASSERT_TRUE(ToggleReportSection(list, 1));
  EXPECT_EQ(ListRows(list).size(), 8u) << "two group titles and six autostart places";
  ASSERT_TRUE(ChooseFromRowMenu(list, 3, 0));
  ASSERT_TRUE(PressReportButton(form, "Save"));
  const std::string out = TempFolder("wow64-report");
  HWND dialog = WaitForWindow(p.pid, "#32770", nullptr);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(FillFileDialog(dialog, out + "both.txt"));
  ASSERT_TRUE(WaitFor([&] { return FileExists(out + "both.txt"); }));
  const auto lines = SplitLines(ReadFileBytes(out + "both.txt"));
  RemoveTree(out);
  auto block = [&](const std::string& heading) {
    std::vector<std::string> rows;
    auto it = std::find(lines.begin(), lines.end(), "Autostart - " + heading + ":");
    if (it == lines.end()) return std::vector<std::string>{"(no heading " + heading + ")"};
    for (it += 2; it != lines.end() && *it != " "; ++it) rows.push_back(*it);
    return rows;
  };
  EXPECT_EQ(block(kRun64), (std::vector<std::string>{"Agent64 : " + values64[0].second,
                                                     "Mixer : " + values64[1].second}));
  EXPECT_EQ(block(kRun32), std::vector<std::string>{"Updater : " + values32[0].second});
}

// The row of a value in a section: its enumeration index in the key's view.
int RowOf(const std::string& name, REGSAM view) {
  const auto names = RegValueNames(HKEY_LOCAL_MACHINE, kRun, view);
  const auto it = std::find(names.begin(), names.end(), name);
  return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

// Opens the value dialog by a popup command on a row of a section (-1: its title) and
// confirms it with the given name and data; *shown receives what the fields showed.
::testing::AssertionResult WriteThroughDialog(EditingSession& program, const char* caption,
                                              int row, int position, const std::string& name,
                                              const std::string& data,
                                              std::string* shown = nullptr) {
  if (auto chosen = program.PopupCommand(caption, row, position); !chosen) return chosen;
  HWND dialog = program.WaitForForm("TRegNeVAlFrm");
  if (!dialog) return ::testing::AssertionFailure() << "no value dialog";
  const auto fields = EditFields(dialog);
  if (fields.size() < 2) return ::testing::AssertionFailure() << DescribeWindow(dialog);
  if (shown) *shown = WindowText(fields[0]) + " : " + WindowText(fields[1]);
  SetText(fields[0], name);
  SetText(fields[1], data);
  return ClickButton(dialog, "Save");
}

::testing::AssertionResult RemoveRow(EditingSession& program, const char* caption, int row) {
  if (auto chosen = program.PopupCommand(caption, row, popup::kRem2); !chosen) return chosen;
  return AnswerBox(program.pid(), "Yes");
}

TEST_F(Wow64, AddEditAndRemoveChangeOnlyTheViewTheRowCameFrom) {
  const std::string expand = "%ProgramFiles%\\Vorn\\e.exe";
  ASSERT_TRUE(Reg("add \"HKLM\\" + kRun + "\" /v Expand32 /t REG_EXPAND_SZ /d \"" + expand +
                  "\" /f /reg:32"));
  const std::vector<std::string> names64 = Names(k64);
  EditingSession program;
  ASSERT_TRUE(program.ok());
  ASSERT_TRUE(program.OpenSource(kAutostart, kRun32));
  ASSERT_EQ(program.SectionRows(kRun32).size(), 2u);

  // Edit keeps the 32-bit value expandable; Add and Remove act in the 32-bit key.
  std::string shown;
  ASSERT_TRUE(WriteThroughDialog(program, kRun32, RowOf("Expand32", k32), popup::kEdit2,
                                 "Expand32", "%ProgramFiles%\\Vorn\\e2.exe", &shown));
  EXPECT_EQ(shown, "Expand32 : " + expand);
  const RegValue edited = ReadRegValue(HKEY_LOCAL_MACHINE, kRun, "Expand32", k32);
  EXPECT_EQ(edited.type, static_cast<DWORD>(REG_EXPAND_SZ));
  EXPECT_EQ(edited.data, Sz("%ProgramFiles%\\Vorn\\e2.exe"));
  ASSERT_TRUE(WriteThroughDialog(program, kRun32, -1, popup::kAdd2OnTitle, "New32", "C:\\n32.exe"));
  EXPECT_EQ(ReadRegValue(HKEY_LOCAL_MACHINE, kRun, "New32", k32).data, Sz("C:\\n32.exe"));
  ASSERT_TRUE(WaitFor([&] { return program.SectionRows(kRun32).size() == 3u; }));
  ASSERT_TRUE(RemoveRow(program, kRun32, RowOf("Updater", k32)));
  EXPECT_TRUE(WaitFor([] { return Names(k32) == std::vector<std::string>{"Expand32", "New32"}; }));
  EXPECT_EQ(Names(k64), names64) << "the 64-bit key is untouched";

  // And the other way round.
  ASSERT_TRUE(program.OpenSource(kAutostart, kRun64));
  ASSERT_TRUE(WriteThroughDialog(program, kRun64, -1, popup::kAdd2OnTitle, "New64", "C:\\n64.exe"));
  ASSERT_TRUE(WaitFor([&] { return program.SectionRows(kRun64).size() == 3u; }));
  ASSERT_TRUE(RemoveRow(program, kRun64, RowOf("Mixer", k64)));
  EXPECT_TRUE(WaitFor([] { return Names(k64) == std::vector<std::string>{"Agent64", "New64"}; }));
  EXPECT_EQ(Names(k32), (std::vector<std::string>{"Expand32", "New32"}));
}

// The Registry Editor shows the 64-bit view: the 32-bit key is its WOW6432Node.
TEST_F(Wow64, OpenInRegistryEditorNamesTheKeyOfTheRowsView) {
  KeyKeeper keepRegedit(HKEY_CURRENT_USER, kRegeditSettingsKey);
  RegistryEditorCloser closeEditors;
  EditingSession program;
  ASSERT_TRUE(program.ok());
  const struct {
    const char* caption;
    std::string lastKey;
  } cases[] = {
      {kRun32, "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run"},
      {kRun64, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"},
  };
  constexpr int kRegedit2OnTitle = 2;  // after Add and View
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    ASSERT_TRUE(program.OpenSource(kAutostart, c.caption));
    ASSERT_TRUE(program.PopupCommand(c.caption, -1, kRegedit2OnTitle));
    EXPECT_TRUE(WaitFor([&] {
      return ReadRegValue(HKEY_CURRENT_USER, kRegeditSettingsKey, "LastKey").data == Sz(c.lastKey);
    })) << ReadRegValue(HKEY_CURRENT_USER, kRegeditSettingsKey, "LastKey").data;
    EXPECT_TRUE(WaitFor([] { return !RegistryEditorWindows().empty(); }, 15s));
    CloseRegistryEditors();  // before the next one opens
  }
}

}  // namespace
}  // namespace vtest
