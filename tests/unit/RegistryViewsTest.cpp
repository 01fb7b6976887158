// The machine's Run key in both registry views of 64-bit Windows: listing, editing and
// reporting each act on the view the row came from, never on the other.
#include <gtest/gtest.h>

#include "config/AutostartEditing.h"
#include "config/ContentReaders.h"
#include "fakes/MemoryFileSystem.h"
#include "fakes/MemoryRegistry.h"
#include "report/ReportBody.h"

namespace vconfig {
namespace {

const char* const kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const auto kMachine = RegistryRoot::LocalMachine;
const auto k64 = RegistryView::Default;
const auto k32 = RegistryView::Bit32;

struct RecordingSink : ContentSink {
  std::vector<std::pair<std::string, StringList>> sections;
  void ClearSections() override { sections.clear(); }
  int AddSection(const std::string& title) override {
    sections.push_back({title, {}});
    return static_cast<int>(sections.size()) - 1;
  }
  void SetRows(int s, StringList rows) override { sections[s].second = std::move(rows); }
  void SetSectionImage(int, int) override {}
};

class RegistryViews : public ::testing::Test {
 protected:
  RegistryViews() {
    reg.SetValue(kMachine, kRun, {"Tray64", kRegSz, "C:\\Program Files\\t64.exe"}, k64);
    reg.SetValue(kMachine, kRun, {"Tray32", kRegSz, "C:\\Program Files (x86)\\t32.exe"}, k32);
    reg.SetValue(kMachine, kRun, {"Agent", kRegExpandSz, "%ProgramFiles%\\agent.exe"}, k32);
    reg.SetValue(RegistryRoot::CurrentUser, kRun, {"Clock", kRegSz, "clock.exe"}, k64);
  }

  // The values of the machine's Run key in one view, as name=data.
  std::vector<std::string> Machine(RegistryView view) const {
    std::vector<std::string> out;
    for (const auto& v : *reg.KeyValues(kMachine, kRun, view)) out.push_back(v.name + "=" + v.data);
    return out;
  }

  const ConfigSource& Source(const char* caption) const { return *catalogue.Find(caption); }
  SourceLocationInfo Place(const char* caption) const {
    return SourceLocation(Source(caption), loc);
  }

  Catalogue catalogue = Catalogue::Build(true, "Other file", "Files", "Autostart", true);
  SystemLocations loc{"C:\\windows", "C:\\windows\\system32", "", ""};
  MemoryFileSystem fs;
  MemoryRegistry reg;
  ContentEnvironment env{fs, reg, loc, "Other file"};
};

TEST_F(RegistryViews, EachMachineSectionListsItsOwnViewAndTheUserKeyOnce) {
  RecordingSink sink;
  LoadGroupSections(catalogue, kGroupAutostart, env, sink);
  ASSERT_EQ(sink.sections.size(), 7u);
  EXPECT_EQ(sink.sections[1].first, "HKL\\Run");
  EXPECT_EQ(sink.sections[1].second,
            StringList{RunValueLine("Tray64", "C:\\Program Files\\t64.exe")});
  EXPECT_EQ(sink.sections[2].first, "HKL\\Run (32-bit)");
  EXPECT_EQ(sink.sections[2].second,
            (StringList{RunValueLine("Tray32", "C:\\Program Files (x86)\\t32.exe"),
                        RunValueLine("Agent", "%ProgramFiles%\\agent.exe")}));
  EXPECT_EQ(sink.sections[3].first, "HCU\\Run");
  EXPECT_EQ(sink.sections[3].second, StringList{RunValueLine("Clock", "clock.exe")});

  // Only the 32-bit section asks for the 32-bit view; every listing opens for reading.
  std::vector<RegistryView> views;
  for (const auto& open : reg.opens()) {
    EXPECT_EQ(open.access, RegistryAccess::Read);
    views.push_back(open.view);
  }
  EXPECT_EQ(views, (std::vector<RegistryView>{k64, k32, k64, k64}));

  // The popup rules treat the new section as the registry place it is.
  const PopupItems onTitle = PopupMenu2Items({2, -1, "HKL\\Run (32-bit)"});
  EXPECT_TRUE(onTitle.add && onTitle.view && !onTitle.edit && !onTitle.rem);
  const PopupItems onValue = PopupMenu2Items({2, 1, "HKL\\Run (32-bit)"});
  EXPECT_TRUE(onValue.add && onValue.edit && onValue.rem && onValue.view);
  EXPECT_TRUE(onTitle.registryEditor && onValue.registryEditor);
}

TEST_F(RegistryViews, AddEditAndRemoveChangeOnlyTheViewTheRowCameFrom) {
  const SourceLocationInfo run32 = Place("HKL\\Run (32-bit)");
  const SourceLocationInfo run64 = Place("HKL\\Run");
  const auto before64 = Machine(k64);

  // Edit keeps the expandable type of the 32-bit value it found by index.
  const RunValueText agent = RunValueAt(reg, run32.root, run32.keyPath, run32.view, 1);
  EXPECT_EQ(agent.name, "Agent");
  WriteRunValue(reg, run32.root, run32.keyPath, run32.view, agent.name, "%ProgramFiles%\\a2.exe");
  EXPECT_EQ(reg.KeyValues(kMachine, kRun, k32)->at(1).type, kRegExpandSz);
  WriteRunValue(reg, run32.root, run32.keyPath, run32.view, "New32", "n.exe");
  RemoveRunValue(reg, run32.root, run32.keyPath, run32.view, 0,
                 [](const RunValueText& v) { return v.name == "Tray32"; });
  EXPECT_EQ(Machine(k32), (std::vector<std::string>{"Agent=%ProgramFiles%\\a2.exe", "New32=n.exe"}));
  EXPECT_EQ(Machine(k64), before64);

  // And the other way round: the 64-bit key's first value is its own, not the 32-bit one.
  EXPECT_EQ(RunValueAt(reg, run64.root, run64.keyPath, run64.view, 0).name, "Tray64");
  WriteRunValue(reg, run64.root, run64.keyPath, run64.view, "New64", "m.exe");
  RemoveRunValue(reg, run64.root, run64.keyPath, run64.view, 0,
                 [](const RunValueText&) { return true; });
  EXPECT_EQ(Machine(k64), std::vector<std::string>{"New64=m.exe"});
  EXPECT_EQ(Machine(k32), (std::vector<std::string>{"Agent=%ProgramFiles%\\a2.exe", "New32=n.exe"}));

  for (const auto& open : reg.opens()) {
    EXPECT_EQ(open.access, RegistryAccess::Full);
    EXPECT_EQ(open.root, kMachine);
  }
}

TEST_F(RegistryViews, AReportOfBothListsBoth) {
  ReportRequest request;
  request.action = ReportAction::Save;
  for (const char* caption : {"HKL\\Run", "HKL\\Run (32-bit)"})
    request.items.push_back({1, 0, 1, caption, "Autostart"});
  const auto body = BuildReportBody(request, catalogue, env);
  EXPECT_EQ(body, (TextLines{
                      ReportHeading("Autostart", "HKL\\Run"), " ",
                      RunValueLine("Tray64", "C:\\Program Files\\t64.exe"), " ",
                      ReportHeading("Autostart", "HKL\\Run (32-bit)"), " ",
                      RunValueLine("Tray32", "C:\\Program Files (x86)\\t32.exe"),
                      RunValueLine("Agent", "%ProgramFiles%\\agent.exe"), " "}));
}

}  // namespace
}  // namespace vconfig
